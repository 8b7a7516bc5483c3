#pragma once
// Text helpers of the class library that every layer uses: trimming blanks
// and comparing without regard to case. The comparison folds ASCII letters
// only, whatever the user's locale: "I" matches "i" in every language.

#include <string_view>

// Without leading and trailing blanks (spaces, tabs, line and page ends).
inline std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal when the texts differ at most in the case of ASCII letters.
inline bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// Without the UTF-8 byte-order mark that Windows editors put at the start of
// a text file they save as UTF-8.
inline std::string_view WithoutUtf8Mark(std::string_view s) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (s.substr(0, mark.size()) == mark) s.remove_prefix(mark.size());
    return s;
}
