#pragma once
// Temporary files and folders of a test, unique per process and call so that
// tests may run in parallel, and removed again at the end.

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// A new empty folder under the temp directory; it stays until removed.
inline std::filesystem::path MakeTempDirectory(const std::string& prefix = "kx") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// A folder of the test's own, removed with everything in it.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "kx") : path(MakeTempDirectory(prefix)) {}
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

// A file with given contents, removed at the end.
class TempFile {
public:
    explicit TempFile(const std::string& text, const std::string& suffix = ".txt") {
        path = std::filesystem::temp_directory_path() /
               ("kx_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + suffix);
        Write(text);
    }
    ~TempFile() { std::filesystem::remove(path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary | std::ios::trunc) << text; }
    std::string Path() const { return path.string(); }

private:
    static inline int counter = 0;
    std::filesystem::path path;
};
