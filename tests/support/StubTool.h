#pragma once
// A stand-in program on the PATH that writes the arguments it was started
// with, one per line, into a file beside it. The PATH is put back when the
// stub goes.

#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TempFiles.h"

class StubTool {
public:
    explicit StubTool(const std::string& name) : path_(dir_.Path() / name) {
        std::ofstream(path_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args.tmp\"\n"
                                "mv \"$0.args.tmp\" \"$0.args\"\n";
        ::chmod(path_.c_str(), 0755);
        const char* path = std::getenv("PATH");
        previousPath_ = path ? path : "/usr/bin:/bin";
        ::setenv("PATH", (dir_.Path().string() + ":" + previousPath_).c_str(), 1);
    }
    ~StubTool() { ::setenv("PATH", previousPath_.c_str(), 1); }
    StubTool(const StubTool&) = delete;
    StubTool& operator=(const StubTool&) = delete;

    // The arguments it was started with, once it has run (empty after 10 s).
    std::vector<std::string> Arguments() const {
        const std::filesystem::path record = path_.string() + ".args";
        for (int i = 0; i < 1000 && !std::filesystem::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    TempDir dir_{"kx-tool"};
    std::filesystem::path path_;
    std::string previousPath_;
};
