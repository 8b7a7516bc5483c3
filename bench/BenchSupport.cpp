#include "bench/BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>
#include <system_error>

namespace bench {

WorkDir::WorkDir(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
    path_ = pattern;
}

WorkDir::~WorkDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

namespace {

double WallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

Stopwatch::Stopwatch() { Restart(); }

void Stopwatch::Restart() {
    cpuStartMs_ = ProcessCpuMs();
    wallStartMs_ = WallMs();
}

Timing Stopwatch::Elapsed() const {
    Timing t;
    t.WallMs = WallMs() - wallStartMs_;
    t.CpuMs = ProcessCpuMs() - cpuStartMs_;
    return t;
}

Timing Measure(const std::function<void()>& run) {
    const Stopwatch clock;
    run();
    return clock.Elapsed();
}

std::function<WalkRun()> WholeCall(std::function<int()> rows) {
    return [rows = std::move(rows)] {
        WalkRun run;
        run.Time = Measure([&] { run.Rows = rows(); });
        return run;
    };
}

namespace {

void RunAndCheck(Walk& walk, int rows, bool timed) {
    const WalkRun run = walk.Run();
    if (run.Rows != rows)
        throw std::runtime_error(std::string(walk.Name) + ": " + std::to_string(run.Rows) + " rows instead of " +
                                 std::to_string(rows));
    if (!timed) return;
    walk.WallMs.push_back(run.Time.WallMs);
    walk.CpuMs.push_back(run.Time.CpuMs);
}

}  // namespace

void RunInterleaved(std::vector<Walk>& walks, int rows, int runs) {
    for (Walk& walk : walks) RunAndCheck(walk, rows, false);
    const size_t count = walks.size();
    for (int run = 0; run < runs; ++run)
        for (size_t k = 0; k < count; ++k) RunAndCheck(walks[(static_cast<size_t>(run) + k) % count], rows, true);
}

void PrintWalks(const std::string& title, const std::vector<Walk>& walks, int rows, int runs, size_t base,
                const std::string& baseName) {
    std::printf("\n%s: median of %d runs%s\n\n", title.c_str(), runs,
#ifdef NDEBUG
                ""
#else
                " (unoptimised build: the numbers say little)"
#endif
    );
    const double baseMs = Median(walks.at(base).WallMs);
    std::printf("  %-28s %10s %13s %10s %9s\n", "walk", "time (ms)", "per row (us)", "cpu (ms)",
                ("x " + baseName).c_str());
    for (const Walk& walk : walks) {
        const double ms = Median(walk.WallMs);
        std::printf("  %-28s %10.1f %13.1f %10.1f %9.2f\n", walk.Name, ms, 1000.0 * ms / rows, Median(walk.CpuMs),
                    ms / baseMs);
    }
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

int IntOption(int argc, char** argv, const std::string& name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == name) {
            const int value = std::atoi(argv[i + 1]);
            if (value <= 0) throw std::invalid_argument(name + " needs a positive number");
            return value;
        }
    return fallback;
}

}  // namespace bench
