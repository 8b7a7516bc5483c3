// kx_simstack: a simulated Kestrix stack, a real SNMP agent on 127.0.0.1 and ::1.
// See simstack/README.md for the command line, the description format and
// the control commands.

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "simstack/Description.h"
#include "simstack/SimAgent.h"
#include "simstack/SimStackDefaults.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) { g_stop = 1; }

constexpr const char* kUsage =
    "usage: kx_simstack --description FILE --state-dir DIR [--port N] [--control FILE] [--trace FILE]\n"
    "                   [--read-community TEXT] [--write-community TEXT]\n"
    "                   [--user NAME:MD5|SHA:AUTHPASS[:DES:PRIVPASS]]...\n";

struct CommandLine {
    std::string description;
    simstack::AgentOptions agent;
    std::optional<std::string> readCommunity;
    std::optional<std::string> writeCommunity;
    std::vector<simstack::UsmUser> users;
};

void CheckCommunity(const std::string& community) {
    if (community.empty() || community.find_first_of(" \t\r\n\"'#") != std::string::npos) {
        throw std::invalid_argument("a community is one word without quotes or #");
    }
}

CommandLine ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) throw std::invalid_argument(option + " needs a value");
        const std::string value = argv[++i];
        if (option == "--description") {
            line.description = value;
        } else if (option == "--state-dir") {
            line.agent.stateDir = value;
        } else if (option == "--port") {
            uint16_t port = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), port);
            if (error != std::errc() || end != value.data() + value.size()) {
                throw std::invalid_argument("--port needs 0..65535");
            }
            line.agent.port = port;
        } else if (option == "--control") {
            line.agent.controlPath = value;
        } else if (option == "--trace") {
            line.agent.tracePath = value;
        } else if (option == "--read-community") {
            line.readCommunity = value;
        } else if (option == "--write-community") {
            line.writeCommunity = value;
        } else if (option == "--user") {
            line.users.push_back(simstack::ParseUsmUser(value));
        } else {
            throw std::invalid_argument("unknown option " + option);
        }
    }
    if (line.description.empty() || line.agent.stateDir.empty()) {
        throw std::invalid_argument("--description and --state-dir are needed");
    }
    if (line.agent.controlPath.empty()) line.agent.controlPath = line.agent.stateDir + "/control";
    if (line.agent.tracePath.empty()) line.agent.tracePath = line.agent.stateDir + "/set-trace.log";
    return line;
}

// Command line over description over the built-in defaults.
void ChooseCredentials(CommandLine& line, const simstack::Description& description) {
    using namespace simstack;
    line.agent.readCommunity = line.readCommunity.value_or(description.readCommunity.value_or(DefaultReadCommunity));
    line.agent.writeCommunity =
        line.writeCommunity.value_or(description.writeCommunity.value_or(DefaultWriteCommunity));
    CheckCommunity(line.agent.readCommunity);
    CheckCommunity(line.agent.writeCommunity);
    if (description.users) {
        line.agent.users = *description.users;
    } else {
        for (const DefaultUsmUser& user : {DefaultMd5User, DefaultShaUser}) {
            line.agent.users.push_back(
                {user.name, user.authProtocol, user.authPassword, user.privProtocol, user.privPassword});
        }
    }
    for (const UsmUser& user : line.users) {
        std::erase_if(line.agent.users, [&](const UsmUser& known) { return known.name == user.name; });
        line.agent.users.push_back(user);
    }
    line.agent.trapSinks = description.trapSinks;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    simstack::Description description;
    simstack::ObjectTree tree;
    try {
        line = ParseCommandLine(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "kx_simstack: " << error.what() << '\n' << kUsage;
        return 2;
    }
    try {
        description = simstack::LoadDescription(line.description);
        ChooseCredentials(line, description);
        simstack::BuildTree(description, tree);
    } catch (const std::exception& error) {
        std::cerr << "kx_simstack: " << error.what() << '\n';
        return 2;
    }

    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        simstack::SimAgent agent(line.agent, tree, description.stack);
        const uint16_t port = agent.Start();
        std::printf("READY %u\n", static_cast<unsigned>(port));
        std::fflush(stdout);
        agent.Run(g_stop);
    } catch (const std::exception& error) {
        std::cerr << "kx_simstack: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
