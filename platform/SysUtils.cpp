#include "platform/SysUtils.h"

#include "platform/Exception.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// A file of our own beside `path`, created new (never an existing file or a
// link someone planted under the name); -1 when none can be made.
int CreateFileBeside(const std::string& path, mode_t mode, std::string& created) {
    static unsigned attempts = 0;
    for (int tries = 0; tries < 100; ++tries) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        created = path + "." + std::to_string(::getpid()) + "." + std::to_string(stamp) + "." +
                  std::to_string(attempts++) + ".tmp";
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& contents) {
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

// The regular file open on `fd`, to its end; none for anything else or for
// more than `maxBytes` (also when the file grows past them while it is read).
std::optional<std::string> ReadAll(int fd, std::size_t maxBytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    if (static_cast<uintmax_t>(status.st_size) > maxBytes) return std::nullopt;
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return contents;
        if (static_cast<size_t>(n) > maxBytes - contents.size()) return std::nullopt;
        contents.append(buffer, static_cast<size_t>(n));
    }
}

std::vector<std::string>& CommandLine() {
    static std::vector<std::string> arguments;
    return arguments;
}

int DigitValue(char c, int base) {
    int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::string> ReadFileContents(const std::string& path, const FileReadRules& rules) {
    // Opened without waiting for a writer (a FIFO) or a device; only what
    // then shows as a regular file is read.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (rules.FollowLink ? 0 : O_NOFOLLOW);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> contents = ReadAll(fd, rules.MaxBytes);
    ::close(fd);
    return contents;
}

bool ReplaceFileContents(const std::string& path, const std::string& contents, unsigned newFileMode) {
    // A replaced file keeps its own bits.
    struct stat old {};
    const bool replacesFile = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::string temporary;
    const int fd = CreateFileBeside(path, static_cast<mode_t>(newFileMode), temporary);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, contents) && (!replacesFile || ::fchmod(fd, old.st_mode & 07777) == 0);
    ok = ::fsync(fd) == 0 && ok;  // the new contents are on disk before the name moves to them
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

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
