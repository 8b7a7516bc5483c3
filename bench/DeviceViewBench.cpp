// Benchmark: the module against a twelve-unit stack on loopback.
//   - Start: the time from the start of the module's process to every front
//     panel shown (target: under 1 s). The module is this program started
//     again as the host starts kestrix-module (its command line, a registry
//     file naming the cfg directory, a per-device file with the stack's
//     port); the time runs from just before the process is created to the
//     first pass of its message loop that finds all twelve unit panels (and
//     their modules) on screen. Median of several starts.
//   - Idle: the CPU time (user and system) the module then uses over 60 s
//     of LED polling and blinking, as a share of one core (target: under
//     2%), from 5 s after the panels are shown (their first paint is not
//     idle). The simulator's own time is not counted.
//
//   bench_device_view [--runs N] [--idle-seconds N]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "main/Main.h"
#include "main/Program.h"
#include "platform/SysUtils.h"
#include "simstack/SimStackProcess.h"

namespace {

using namespace bench;

constexpr double StartTargetMs = 1000;
constexpr double IdleTargetPercent = 2;
constexpr int Units = 12;
constexpr int SettleMs = 5000;

long long MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Twelve units of the four models, a module beside every Kestrix and
// Brovan, eight ports with a link on each unit and three of them busy, so
// that their LEDs blink after every poll.
std::string TwelveUnitStack() {
    const char* const models[] = {"Kestrix-50", "Brovan-26", "Tallix-24", "Morvek-24"};
    const char* const modules[] = {"Selvor", "Pirell", nullptr, nullptr};
    std::ostringstream json;
    json << "{\"units\": [";
    for (int unit = 1; unit <= Units; ++unit) {
        const int m = (unit - 1) % 4;
        json << (unit > 1 ? ",\n" : "\n") << "{\"id\": " << unit << ", \"model\": \"" << models[m]
             << "\", \"mode\": \"" << (unit == 1 ? "master" : "slave") << "\"";
        if (modules[m]) json << ", \"module\": \"" << modules[m] << "\"";
        json << ", \"ports\": [";
        for (int port = 1; port <= 8; ++port)
            json << (port > 1 ? ", " : "") << "{\"port\": " << port << ", \"link\": \"up\", \"activity\": "
                 << (port % 3 == 1 ? "true" : "false") << "}";
        json << "]}";
    }
    json << "\n]}\n";
    return json.str();
}

// The module's side: start-up as kestrix-module does it; once every panel
// is on screen, "SHOWN <monotonic ns>", then after the idle time
// "IDLE <cpu ms> <wall ms>" (with no idle time it ends at once).
int RunModule(const std::vector<std::string>& arguments, int idleSeconds) {
    SetCommandLine(arguments);
    int argc = 1;
    char name[] = "kestrix-module";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!MainForm || !MainForm->UnitPanels || MainForm->UnitPanels->Count() < Units) return;
        for (TList* list : {MainForm->UnitPanels, MainForm->ModulePanels})
            for (int i = 0; i < list->Count(); ++i)
                if (!list->Item<TForm>(i)->Showing()) return;
        watch.stop();
        std::printf("SHOWN %lld\n", MonotonicNs());
        std::fflush(stdout);
        if (idleSeconds == 0) std::_Exit(0);
        // The idle time starts once the first paint of every panel and the
        // first polls are over.
        QTimer::singleShot(SettleMs, [idleSeconds] {
            const double cpu = CpuMs();
            const auto wall = std::chrono::steady_clock::now();
            QTimer::singleShot(idleSeconds * 1000, [cpu, wall] {
                const double wallMs =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count();
                std::printf("IDLE %.1f %.1f\n", CpuMs() - cpu, wallMs);
                std::fflush(stdout);
                std::_Exit(0);
            });
        });
    });
    watch.start();
    return RunKestrixModule();
}

struct ModuleRun {
    double StartMs = 0;
    double IdleCpuMs = 0, IdleWallMs = 0;
};

// Starts this program as the module in `dir` and reads what it reports.
ModuleRun StartModule(const std::string& self, const std::string& dir, int idleSeconds) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe");
    const long long started = MonotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(dir.c_str()) != 0) _exit(127);
        setenv("KESTRIX_REGISTRY", (dir + "/registry.reg").c_str(), 1);
        if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const std::string idle = std::to_string(idleSeconds);
        execl(self.c_str(), self.c_str(), "--module", idle.c_str(), "/I127.0.0.1", "/Rmirabo", "/Wquesnal",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    ModuleRun run;
    FILE* lines = fdopen(out[0], "r");
    char line[256];
    bool shown = false;
    while (std::fgets(line, sizeof line, lines)) {
        long long at = 0;
        if (std::sscanf(line, "SHOWN %lld", &at) == 1) {
            run.StartMs = (at - started) / 1e6;
            shown = true;
        }
        std::sscanf(line, "IDLE %lf %lf", &run.IdleCpuMs, &run.IdleWallMs);
    }
    std::fclose(lines);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the module did not show its panels (exit status " + std::to_string(status) + ")");
    return run;
}

int Driver(int argc, char** argv) {
    const int runs = IntOption(argc, argv, "--runs", 7);
    const int idleSeconds = IntOption(argc, argv, "--idle-seconds", 60);
    WorkDir dir("kx-bench-view");
    const std::string description = (dir.Path() / "stack.json").string();
    std::ofstream(description) << TwelveUnitStack();
    SimStackProcess stack(description);
    const std::string cfgDir = (dir.Path() / "cfg").string() + "/";
    std::filesystem::create_directories(cfgDir);
    std::ofstream(cfgDir + "127.0.0.1.cfg") << "[Program Information]\nAgentPort=" << stack.Port() << "\n";
    std::ofstream(dir.Path() / "registry.reg")
        << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]\n\"Path\"=\"" << cfgDir << "\"\n";

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    StartModule(self, dir.Path().string(), 0);  // untimed: files and fonts in the page cache
    std::vector<double> starts;
    for (int i = 0; i < runs; ++i) starts.push_back(StartModule(self, dir.Path().string(), 0).StartMs);
    const ModuleRun idle = StartModule(self, dir.Path().string(), idleSeconds);

    const double start = Median(starts);
    const double share = 100.0 * idle.IdleCpuMs / idle.IdleWallMs;
    std::printf("Device view, %d units on loopback (%s)\n", Units, std::getenv("DISPLAY") ? "X display" : "offscreen");
    std::printf("  process start to all panels shown: %7.1f ms  (median of %d; target < %.0f ms)  %s\n", start, runs,
                StartTargetMs, start < StartTargetMs ? "ok" : "MISSED");
    std::printf("  idle CPU over %d s of polling:      %7.2f %%   (%.0f ms of CPU; target < %.0f %%)  %s\n",
                idleSeconds, share, idle.IdleCpuMs, IdleTargetPercent, share < IdleTargetPercent ? "ok" : "MISSED");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc >= 3 && std::string(argv[1]) == "--module") {
            std::vector<std::string> arguments = {"kestrix-module"};
            for (int i = 3; i < argc; ++i) arguments.push_back(argv[i]);
            return RunModule(arguments, std::atoi(argv[2]));
        }
        return Driver(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_device_view: %s\n", e.what());
        return 1;
    }
}
