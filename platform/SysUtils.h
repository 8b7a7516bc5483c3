#pragma once
// Small system helpers: the millisecond tick count, file-name pieces, whole
// files read and replaced, the program's command line and text-to-integer
// conversion.

#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Milliseconds since an arbitrary start, monotonic, wrapping at 2^32 as the
// platform's tick count does: compare with unsigned differences.
DWORD GetTickCount();

// Paths written the platform's way ("errmsg\\snmp.err", dir + "\\Get.bmp")
// work as they are: a backslash is a directory separator.
std::string NativePath(const std::string& path);

// Both separators count: "C:\dir\file.exe" and "/dir/file".
std::string ExtractFileName(const std::string& path);
// The directory part with its trailing separator.
std::string ExtractFilePath(const std::string& path);
std::string GetCurrentDir();
bool FileExists(const std::string& path);

// What a read takes at a name beside the one rule of every read: only a
// regular file is read, and the read never waits (a FIFO, a device or a
// folder at the name reads as none, at once).
struct FileReadRules {
    // False: a symbolic link at the name reads as none, for a file in a
    // folder where others may have put one (the working directory).
    bool FollowLink = true;
    // A file larger than this reads as none.
    std::size_t MaxBytes = SIZE_MAX;
};

// The whole file at `path`, byte for byte; none when it cannot be opened or
// the rules refuse what stands there.
std::optional<std::string> ReadFileContents(const std::string& path, const FileReadRules& rules = {});

// Replaces the file at `path` by one holding `contents`: written to a new
// file beside it, then renamed over it, so that a reader finds the old file
// or the new one and never half of one. What stands at `path` is replaced,
// never written through: a symbolic link there gives way to a plain file,
// and the file it pointed to stays as it was. A file that is replaced keeps
// its permission bits; a new one gets `newFileMode` less the umask. False
// when the file cannot be written; then nothing has changed.
bool ReplaceFileContents(const std::string& path, const std::string& contents, unsigned newFileMode = 0666);

// The program's command line: ParamStr(0) is the program, 1..ParamCount()
// its arguments. The program entry stores argv before anything reads it;
// tests store the arguments they want to try.
void SetCommandLine(std::vector<std::string> arguments);
int ParamCount();
// An empty text for an index outside 0..ParamCount().
std::string ParamStr(int index);

// The class library's integer conversion: optional blanks, an optional sign,
// then decimal digits, or hexadecimal ones after "$" or "0x"; nothing may
// follow, and the value must fit 32 bits. Anything else, the empty text
// included, throws EConvertError "'text' is not a valid integer value".
int StrToInt(const std::string& text);
