#pragma once
// A program a test starts as a process of its own: its arguments, its
// environment, where its output goes and where it runs. One still running
// when the test lets it go is killed.
//
//   Child probe({program, "/I127.0.0.1"}, EnvironmentWith({{"KX_PROBE_EXIT", "1"}}), {.Out = out, .Err = err});
//   std::optional<int> status = probe.Wait(std::chrono::seconds(120));

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// The environment of this test with some variables replaced.
inline std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& changes) {
    std::vector<std::string> entries;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (!changes.count(name)) entries.push_back(entry);
    }
    for (const auto& [name, value] : changes) entries.push_back(name + "=" + value);
    return entries;
}

// The texts as the null-ended list of pointers that a new process takes.
inline std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Where a child's output goes (empty: where the test's goes) and the folder
// it runs in (empty: the test's current one).
struct ChildPlaces {
    std::filesystem::path Out = {};
    std::filesystem::path Err = {};
    std::filesystem::path Directory = {};
};

class Child {
public:
    Child(std::vector<std::string> arguments, std::vector<std::string> environment, const ChildPlaces& places = {}) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!places.Out.empty())
            posix_spawn_file_actions_addopen(&actions, 1, places.Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!places.Err.empty())
            posix_spawn_file_actions_addopen(&actions, 2, places.Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!places.Directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, places.Directory.c_str());
        std::vector<char*> argv = Pointers(arguments);
        std::vector<char*> envp = Pointers(environment);
        if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (!Ended()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status_, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    bool Ended() {
        if (pid_ <= 0 || ended_) return true;
        if (waitpid(pid_, &status_, WNOHANG) == pid_) ended_ = true;
        return ended_;
    }
    // The status waitpid gives once the child has ended (within `limit`), or
    // nothing.
    std::optional<int> Wait(std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!Ended()) {
            if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return status_;
    }

private:
    pid_t pid_ = -1;
    int status_ = 0;
    bool ended_ = false;
};
