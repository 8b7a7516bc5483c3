#include "VxMessageTable.h"

#include <cstdio>
#include <cstring>

std::string VxMessageTable::operator[](size_t i) const {
    if (i < Replacement.size()) return Replacement[i];
    if (i < BuiltInCount) return BuiltIn[i];
    return {};
}

namespace {

bool IsBlankLine(const char* s) {
    for (; *s; ++s)
        if (*s != ' ' && *s != '\t' && *s != '\r' && *s != '\n') return false;
    return true;
}

// A line without its line ending (CR LF or LF).
std::string WithoutLineEnd(const char* s) {
    size_t n = std::strlen(s);
    if (n >= 2 && s[n - 2] == '\r')
        n -= 2;
    else if (n >= 1 && s[n - 1] == '\n')
        n -= 1;
    return std::string(s, n);
}

}  // namespace

void LoadTextLines(VxMessageTable& table, const std::string& fileName) {
    FILE* f = std::fopen(fileName.c_str(), "r");
    if (!f) return;
    std::vector<std::string> lines;
    // Lines longer than the buffer arrive in pieces, each counted as a line.
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, f))
        if (!IsBlankLine(buffer)) lines.push_back(WithoutLineEnd(buffer));
    std::fclose(f);
    if (!lines.empty()) table.Replace(std::move(lines));
}
