#include "SnmpTools.h"
#include "tests/support/TempFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path MakeHome() { return MakeTempDirectory("kx-snmptools"); }

// Reads both pipes to their end.
void Collect(int outFd, int errFd, ToolResult& result) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* texts[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
            if (count <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                texts[i]->append(buffer, static_cast<size_t>(count));
            }
        }
    }
}

ToolResult RunProcess(std::vector<std::string> argv, const fs::path& home) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry = *variable;
        if (!entry.starts_with("SNMPCONFPATH=") && !entry.starts_with("SNMP_PERSISTENT_DIR=") &&
            !entry.starts_with("MIBS=") && !entry.starts_with("MIBDIRS=") && !entry.starts_with("HOME=")) {
            environment.push_back(entry);
        }
    }
    for (const char* name : {"SNMPCONFPATH=", "SNMP_PERSISTENT_DIR=", "HOME="}) environment.push_back(name + home.string());
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<char*> args;
    for (std::string& argument : argv) args.push_back(argument.data());
    args.push_back(nullptr);

    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    ToolResult result;
    if (spawned != 0) {
        close(out[0]);
        close(err[0]);
        throw std::runtime_error("cannot start " + argv[0]);
    }
    Collect(out[0], err[0], result);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace

std::string VersionName(SnmpVersion version) {
    switch (version) {
        case SnmpVersion::V1: return "v1";
        case SnmpVersion::V2c: return "v2c";
        case SnmpVersion::V3Md5: return "v3_md5_des";
        case SnmpVersion::V3Sha: return "v3_sha_des";
    }
    return "?";
}

std::map<std::string, std::string> ParseVarbinds(const std::string& out) {
    std::map<std::string, std::string> varbinds;
    std::istringstream lines(out);
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find(" = ");
        if (line.starts_with(".") && equals != std::string::npos) {
            last = line.substr(1, equals - 1);
            varbinds[last] = line.substr(equals + 3);
        } else if (!last.empty()) {
            varbinds[last] += " " + line;  // a long hex string goes on over several lines
        }
    }
    return varbinds;
}

std::vector<unsigned> HexOctets(const std::string& value) {
    std::vector<unsigned> octets;
    if (!value.starts_with("Hex-STRING:")) return octets;
    std::istringstream words(value.substr(11));
    for (std::string word; words >> word;) octets.push_back(static_cast<unsigned>(std::stoul(word, nullptr, 16)));
    return octets;
}

SnmpTools::SnmpTools(const SimStackProcess& stack) : endpoint_(stack.Endpoint()), home_(MakeHome()) {}

SnmpTools::~SnmpTools() {
    std::error_code ignored;
    fs::remove_all(home_, ignored);
}

std::vector<std::string> SnmpTools::Credentials(SnmpVersion version, bool write) {
    using namespace simstack;
    const char* community = write ? DefaultWriteCommunity : DefaultReadCommunity;
    switch (version) {
        case SnmpVersion::V1: return {"-v1", "-c", community};
        case SnmpVersion::V2c: return {"-v2c", "-c", community};
        case SnmpVersion::V3Md5:
        case SnmpVersion::V3Sha: {
            const DefaultUsmUser& user = version == SnmpVersion::V3Md5 ? DefaultMd5User : DefaultShaUser;
            return {"-v3", "-l", "authPriv", "-u", user.name, "-a", user.authProtocol, "-A", user.authPassword,
                    "-x", user.privProtocol, "-X", user.privPassword};
        }
    }
    return {};
}

ToolResult SnmpTools::Run(const std::string& tool, std::vector<std::string> options,
                          const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv = {tool, "-On", "-m", "", "-M", "/dev/null"};
    if (std::find(options.begin(), options.end(), "-t") == options.end()) {
        options.insert(options.end(), {"-t", "3", "-r", "1"});
    }
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(endpoint_);
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunProcess(argv, home_);
}

ToolResult SnmpTools::Get(SnmpVersion version, const std::vector<std::string>& oids,
                          std::vector<std::string> options) const {
    const auto credentials = Credentials(version, false);
    options.insert(options.begin(), credentials.begin(), credentials.end());
    return Run("snmpget", options, oids);
}

ToolResult SnmpTools::GetNext(SnmpVersion version, const std::vector<std::string>& oids) const {
    return Run("snmpgetnext", Credentials(version, false), oids);
}

ToolResult SnmpTools::Set(SnmpVersion version, const std::vector<std::string>& triples) const {
    return Run("snmpset", Credentials(version, true), triples);
}

std::map<std::string, std::string> SnmpTools::Walk(SnmpVersion version, const std::string& root,
                                                   const std::string& tool) const {
    const ToolResult result = Run(tool, Credentials(version, false), {root});
    EXPECT_EQ(result.exitCode, 0) << tool << " " << root << ": " << result.err;
    return ParseVarbinds(result.out);
}
