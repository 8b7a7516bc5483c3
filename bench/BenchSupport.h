#pragma once
// Small helpers of the benchmarks: a working directory of their own, timing
// of repeated runs, the median, interleaved runs of several walks, and
// options of the command line.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// A fresh temporary directory, removed with the object.
class WorkDir {
public:
    explicit WorkDir(const std::string& prefix);
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// What a run took: wall-clock time, and the CPU time of this process (user
// and system; a child such as the simulator not included). CPU time near the
// wall-clock time while waiting for replies means a busy wait.
struct Timing {
    double WallMs = 0;
    double CpuMs = 0;
};
Timing Measure(const std::function<void()>& run);

// Timing between two points that are not the ends of one call (a read that
// starts and ends inside the event loop).
class Stopwatch {
public:
    Stopwatch();  // started
    void Restart();
    Timing Elapsed() const;

private:
    double wallStartMs_ = 0;
    double cpuStartMs_ = 0;
};

// One way of walking the benchmark table: a run returns the rows it saw and
// the time it took.
struct WalkRun {
    int Rows = 0;
    Timing Time;
};
struct Walk {
    const char* Name;
    std::function<WalkRun()> Run;
    std::vector<double> WallMs, CpuMs;
};
// A walk whose time is that of the whole call of `rows`.
std::function<WalkRun()> WholeCall(std::function<int()> rows);

// One untimed run of each walk first (sessions open, caches warm), then
// `runs` timed rounds, interleaved so that a slow spell of the machine falls
// on all of them, each round starting with the next walk so that none always
// follows the same one. Every run must see `rows` rows (std::runtime_error).
void RunInterleaved(std::vector<Walk>& walks, int rows, int runs);

// The walks' medians as a table under `title`: time, time per row, CPU time,
// and the time as a multiple of that of walks[base] (column "x <baseName>").
void PrintWalks(const std::string& title, const std::vector<Walk>& walks, int rows, int runs, size_t base,
                const std::string& baseName);

double Median(std::vector<double> values);

// The integer after `name` on the command line ("--runs 7"), or `fallback`.
int IntOption(int argc, char** argv, const std::string& name, int fallback);

}  // namespace bench
