#pragma once
// A table of message texts, indexed from 0, that a text file can replace at
// start-up (one message per non-blank line) to translate or reword the
// messages without rebuilding.

#include <cstddef>
#include <string>
#include <vector>

class VxMessageTable {
public:
    template <size_t N>
    explicit VxMessageTable(const char* const (&builtIn)[N]) : BuiltIn(builtIn), BuiltInCount(N) {}

    // Entry i: the replacement file's line when the file reached it, else the
    // built-in text, else empty.
    std::string operator[](size_t i) const;

    size_t BuiltInSize() const { return BuiltInCount; }
    bool IsReplaced() const { return !Replacement.empty(); }

    void Replace(std::vector<std::string> lines) { Replacement = std::move(lines); }
    void RestoreBuiltIn() { Replacement.clear(); }

private:
    const char* const* BuiltIn;
    size_t BuiltInCount;
    std::vector<std::string> Replacement;
};

// Replaces the table by the file's non-blank lines, in order. A file that
// cannot be opened, or that holds no non-blank line, leaves the table as it was.
void LoadTextLines(VxMessageTable& table, const std::string& fileName);
