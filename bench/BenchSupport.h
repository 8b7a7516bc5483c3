#pragma once
// Small helpers of the benchmarks: a working directory of their own, timing
// of repeated runs, the median, and options of the command line.

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

double Median(std::vector<double> values);

// The integer after `name` on the command line ("--runs 7"), or `fallback`.
int IntOption(int argc, char** argv, const std::string& name, int fallback);

}  // namespace bench
