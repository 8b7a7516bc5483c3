// Each way the program ends, run as its own process against the simulated
// stack (the program entry with a stand-in for the user: ExitProbe.cpp): Exit
// confirmed, no argument, a failed start-up, the display going away, SIGTERM,
// and, under X11, Exit chosen while a window is built.
// None crashes or leaves a sanitizer report; the forms are gone before the
// application object.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/shutdown/StackDescriptions.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MainWindowFixture.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Waits (at most `limit`) until `done`, or until the child has ended.
bool WaitFor(Child& child, const std::function<bool()>& done, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        if (child.Ended()) return done();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A virtual X display of its own, on the first free display number.
class VirtualDisplay {
public:
    VirtualDisplay() {
        int ends[2];
        if (pipe(ends) != 0) return;
        std::vector<std::string> arguments = {"Xvfb", "-displayfd", std::to_string(ends[1]), "-nolisten", "tcp",
                                              "-screen", "0", "1280x1024x24"};
        std::vector<char*> argv = Pointers(arguments);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        std::string number;
        char c;
        while (pid_ > 0 && read(ends[0], &c, 1) == 1 && c != '\n') number += c;
        close(ends[0]);
        if (!number.empty()) name_ = ":" + number;
    }
    ~VirtualDisplay() { Stop(); }
    // ":<n>", or empty when the server did not start.
    const std::string& Name() const { return name_; }
    void Stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    std::string name_;
};

enum class Ending {
    ByItself,     // nothing to do
    ExitCommand,  // File > Exit, confirmed
    DisplayLost,  // the X server goes away
    Terminate,    // SIGTERM
    ExitWhileBuilt,  // File > Exit, as input through the X server, while Open's window is built; confirmed
};

struct ExitPath {
    const char* Name;
    bool Arguments;          // the host's arguments, or none at all
    const char* CfgText;     // the per-device file; null: the stack's port
    const char* Open;        // a menu item whose window is up when it ends; null: none
    Ending How;
    int Status;              // the exit status, or the signal with Signalled
    bool Signalled;
    const char* Box;         // a message box the program shows on its way out; null: none
};

const ExitPath Paths[] = {
    {"ExitConfirmed", true, nullptr, nullptr, Ending::ExitCommand, 0, false, "Confirm: Exit Kestrix Management Module"},
    {"NoArgument", false, nullptr, nullptr, Ending::ByItself, 0, false, ": No parameter input"},
    {"StartUpFailure", true, "[Program Information]\nAgentPort=16x\n", nullptr, Ending::ByItself, 1, false, "16x"},
    {"DisplayLost", true, nullptr, nullptr, Ending::DisplayLost, 1, false, nullptr},
    {"DisplayLostUnderAnEditor", true, nullptr, "EthernetMask1", Ending::DisplayLost, 1, false, nullptr},
    {"DisplayLostUnderATablePage", true, nullptr, "ServerGroup1", Ending::DisplayLost, 1, false, nullptr},
    {"Sigterm", true, nullptr, nullptr, Ending::Terminate, SIGTERM, true, nullptr},
    {"ExitWhileAWindowIsBuilt", true, nullptr, "PortTrunk2", Ending::ExitWhileBuilt, 0, false,
     "Confirm: Exit Kestrix Management Module"},
};

void PrintTo(const ExitPath& path, std::ostream* out) { *out << path.Name; }

class ExitPaths : public MainWindowFixture, public ::testing::WithParamInterface<ExitPath> {};

TEST_P(ExitPaths, EndTheProgramCleanly) {
    const ExitPath& path = GetParam();
    const bool exitWhileBuilt = path.How == Ending::ExitWhileBuilt;
    // A slow agent, so that the window's build is still reading when the
    // Exit comes; without front panels the start-up reads little.
    StartStack(exitWhileBuilt ? DefaultStackWithoutUnits() : std::string());
    if (exitWhileBuilt) Stack->Control("delay 300");
    if (path.CfgText) WriteCfgFile(path.CfgText);

    std::map<std::string, std::string> environment;
    // The sanitizers' own status tells apart from the program's.
    const char* asan = std::getenv("ASAN_OPTIONS");
    environment["ASAN_OPTIONS"] = std::string(asan ? asan : "") + ":exitcode=86";
    if (path.How == Ending::ExitCommand) environment["KX_PROBE_EXIT"] = "1";
    if (path.Open) environment["KX_PROBE_OPEN"] = path.Open;
    if (exitWhileBuilt) environment["KX_PROBE_EXIT_WHILE_BUILT"] = "1";
    std::optional<VirtualDisplay> display;
    if (path.How == Ending::DisplayLost || exitWhileBuilt) {
        display.emplace();
        if (display->Name().empty()) GTEST_SKIP() << "Xvfb could not start";
        environment["QT_QPA_PLATFORM"] = "xcb";
        // The X keyboard library copies a name with strndup over its exact
        // length, which the strict string checks take for an overflow.
        environment["ASAN_OPTIONS"] += ":strict_string_checks=0";
        environment["DISPLAY"] = display->Name();
    }
    std::vector<std::string> arguments = {KX_EXIT_PROBE};
    if (path.Arguments) arguments.insert(arguments.end(), {"/I127.0.0.1", "/Rmirabo", "/Wquesnal"});
    const auto out = Dir->Path() / "probe.out", err = Dir->Path() / "probe.err";
    Child probe(arguments, EnvironmentWith(environment), {.Out = out, .Err = err});
    ASSERT_TRUE(probe.Started());

    if (path.How == Ending::DisplayLost || path.How == Ending::Terminate) {
        const char* up = path.Open ? "OPEN\n" : "RUNNING\n";
        ASSERT_TRUE(WaitFor(
            probe, [&] { return ReadFile(out).find(up) != std::string::npos; }, std::chrono::seconds(120)))
            << ReadFile(out) << ReadFile(err);
        if (path.How == Ending::DisplayLost) display->Stop();
        else kill(probe.Pid(), SIGTERM);
    }
    const std::optional<int> status = probe.Wait(std::chrono::seconds(120));
    const std::string said = ReadFile(out), complaints = ReadFile(err);
    ASSERT_TRUE(status.has_value()) << "the program did not end\n" << said << complaints;

    if (path.Signalled) {
        ASSERT_TRUE(WIFSIGNALED(*status)) << said << complaints;
        EXPECT_EQ(WTERMSIG(*status), path.Status);
    } else {
        ASSERT_TRUE(WIFEXITED(*status)) << "signal " << WTERMSIG(*status) << "\n" << said << complaints;
        EXPECT_EQ(WEXITSTATUS(*status), path.Status) << said << complaints;
    }
    EXPECT_EQ(complaints.find("Sanitizer"), std::string::npos) << complaints;
    EXPECT_EQ(complaints.find("runtime error"), std::string::npos) << complaints;
    if (path.Box) {
        EXPECT_NE(said.find(path.Box), std::string::npos) << said;
    }
    // A program entry that returns has deleted every form.
    const bool returns = path.How == Ending::ByItself || path.How == Ending::ExitCommand || exitWhileBuilt;
    if (returns) {
        EXPECT_NE(said.find("FORMS 0\nGLOBALS cleared\n"), std::string::npos) << said;
    }
    // Exit went through while the window was built: it never showed.
    if (exitWhileBuilt) {
        EXPECT_NE(said.find("EXIT CHOSEN\n"), std::string::npos) << said;
        EXPECT_EQ(said.find("OPEN\n"), std::string::npos) << said;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, ExitPaths, ::testing::ValuesIn(Paths),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
