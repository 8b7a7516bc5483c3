#include "bench/BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
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

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

Timing Measure(const std::function<void()>& run) {
    const double cpuStart = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    run();
    Timing t;
    t.WallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    t.CpuMs = ProcessCpuMs() - cpuStart;
    return t;
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
