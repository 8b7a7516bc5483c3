#include "platform/SysUtils.h"

#include "platform/Exception.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <system_error>

DWORD GetTickCount() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<DWORD>(ms);
}

std::string NativePath(const std::string& path) {
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

std::string ExtractFileName(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtractFilePath(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string GetCurrentDir() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(NativePath(path), ec);
}

namespace {

std::vector<std::string>& CommandLine() {
    static std::vector<std::string> arguments;
    return arguments;
}

int DigitValue(char c, int base) {
    int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    return v < base ? v : -1;
}

}  // namespace

void SetCommandLine(std::vector<std::string> arguments) { CommandLine() = std::move(arguments); }

int ParamCount() { return CommandLine().empty() ? 0 : static_cast<int>(CommandLine().size()) - 1; }

std::string ParamStr(int index) {
    if (index < 0 || index >= static_cast<int>(CommandLine().size())) return {};
    return CommandLine()[static_cast<size_t>(index)];
}

int StrToInt(const std::string& text) {
    auto fail = [&]() -> int { throw EConvertError("'" + text + "' is not a valid integer value"); };
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return fail();
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return fail();
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) return fail();
        value = value * base + digit;
        if (value > int64_t{1} << 32) return fail();
    }
    if (negative) value = -value;
    // Hexadecimal texts may give the whole 32 bits ($FFFFFFFF is -1).
    if (base == 16 && value > INT32_MAX && value <= UINT32_MAX) value -= int64_t{1} << 32;
    if (value < INT32_MIN || value > INT32_MAX) return fail();
    return static_cast<int>(value);
}
