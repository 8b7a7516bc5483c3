#pragma once
// A file with given contents under the temp directory, removed again at the
// end of the test. Names are unique per process and call, so tests may run
// in parallel.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

class TempFile {
public:
    explicit TempFile(const std::string& text, const std::string& suffix = ".txt") {
        path = std::filesystem::temp_directory_path() /
               ("kx_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + suffix);
        std::ofstream(path, std::ios::binary) << text;
    }
    ~TempFile() { std::filesystem::remove(path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path() const { return path.string(); }

private:
    static inline int counter = 0;
    std::filesystem::path path;
};
