#include "simstack/SimStackProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Start-up under the sanitizers takes a while on a loaded machine.
constexpr auto kReadyTimeout = std::chrono::seconds(60);
constexpr auto kControlTimeout = std::chrono::seconds(30);
constexpr auto kStopTimeout = std::chrono::seconds(10);

fs::path MakeWorkDir() {
    std::string pattern = (fs::temp_directory_path() / "kx-simstack-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
    return pattern;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string SimStackProcess::BinaryPath() { return KX_SIMSTACK_BINARY; }

std::string SimStackProcess::DefaultDescriptionPath() { return KX_SIMSTACK_DEFAULT_DESCRIPTION; }

SimStackProcess::SimStackProcess(const std::string& descriptionFile, const std::vector<std::string>& extraArguments)
    : workDir_(MakeWorkDir()) {
    std::vector<std::string> arguments = {BinaryPath(),   "--description", descriptionFile,
                                          "--port",       "0",             "--state-dir",
                                          workDir_.string(), "--control",  ControlPath().string(),
                                          "--trace",      TracePath().string()};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe2");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        pid_ = -1;
        fs::remove_all(workDir_);
        throw std::system_error(spawned, std::generic_category(), "cannot start " + BinaryPath());
    }
    try {
        WaitForReady(output[0]);
    } catch (...) {
        close(output[0]);
        Stop();
        fs::remove_all(workDir_);
        throw;
    }
    close(output[0]);
}

SimStackProcess::~SimStackProcess() {
    const int status = Stop();
    const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!clean) {
        std::cerr << "kx_simstack did not end cleanly (status " << status << "); its log:\n"
                  << ReadFile(workDir_ / "agent.log") << '\n';
    }
    std::error_code ignored;
    fs::remove_all(workDir_, ignored);
}

void SimStackProcess::WaitForReady(int output) {
    const auto deadline = Clock::now() + kReadyTimeout;
    std::string text;
    while (Clock::now() < deadline) {
        pollfd readable{output, POLLIN, 0};
        if (poll(&readable, 1, 100) < 0 && errno != EINTR) break;
        if ((readable.revents & (POLLIN | POLLHUP)) != 0) {
            char buffer[256];
            const ssize_t count = read(output, buffer, sizeof buffer);
            if (count <= 0) break;  // the simulator closed its output: it has ended
            text.append(buffer, static_cast<size_t>(count));
            const size_t ready = text.find("READY ");
            const size_t end = text.find('\n', ready);
            if (ready != std::string::npos && end != std::string::npos) {
                port_ = static_cast<uint16_t>(std::stoul(text.substr(ready + 6, end - ready - 6)));
                return;
            }
        }
    }
    throw std::runtime_error("kx_simstack did not become ready; it wrote: " + text);
}

std::string SimStackProcess::Endpoint() const { return Address() + ":" + std::to_string(port_); }

bool SimStackProcess::HasExited() {
    if (pid_ <= 0) return true;
    if (waitpid(pid_, &exitStatus_, WNOHANG) == pid_) {
        pid_ = -1;
        return true;
    }
    return false;
}

void SimStackProcess::Control(const std::string& commands) {
    const fs::path reply = ControlPath().string() + ".reply";
    const fs::path temporary = ControlPath().string() + ".tmp";
    fs::remove(reply);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << commands << '\n';
    }
    fs::rename(temporary, ControlPath());  // whole, so the simulator never reads half a command
    const auto deadline = Clock::now() + kControlTimeout;
    while (!fs::exists(reply)) {
        if (HasExited()) throw std::runtime_error("kx_simstack has ended");
        if (Clock::now() > deadline) throw std::runtime_error("kx_simstack did not take in: " + commands);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::string answer = ReadFile(reply);
    fs::remove(reply);
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    if (answer != "ok") throw std::runtime_error("kx_simstack refused \"" + commands + "\": " + answer);
}

std::vector<std::string> SimStackProcess::TraceLines() const {
    std::vector<std::string> lines;
    std::ifstream trace(TracePath());
    for (std::string line; std::getline(trace, line);) lines.push_back(line);
    return lines;
}

void SimStackProcess::ClearTrace() { std::ofstream trace(TracePath(), std::ios::trunc); }

int SimStackProcess::Stop() {
    if (HasExited()) return exitStatus_;
    kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + kStopTimeout;
    while (!HasExited()) {
        if (Clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &exitStatus_, 0);
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return exitStatus_;
}
