#pragma once
// Small system helpers: the millisecond tick count and file-name pieces.

#include "platform/Types.h"

#include <string>

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
