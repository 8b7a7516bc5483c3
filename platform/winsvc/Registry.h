#pragma once
// The registry of the host system, kept in one text file.
//
// Where: $KESTRIX_REGISTRY when set, else $XDG_CONFIG_HOME/kestrix-module/
// registry.reg, else ~/.config/kestrix-module/registry.reg. Tests and the run
// script point KESTRIX_REGISTRY at a file of their own.
//
// Format, as the platform's exported registry files:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Pelorin\Modules\HelpPath]
//   "1.3.6.1.4.1.171.10.59.8"="/opt/zentrik/help/kestrix.hlp"
//
// A bracketed line names a key by its full path; each "name"="value" line
// under it is a string value of that key (a backslash escapes a quote or a
// backslash), @="value" its default value. Key and value names are matched
// without regard to ASCII case; a key listed twice has the values of both
// sections, a later line winning. A key exists when it is listed or when a
// key below it is. Values of other types ("name"=dword:..., hex:..., going on
// over lines that end in a backslash) exist but read as empty texts; blank
// lines, comments (';'), a header line and a leading byte-order mark are
// ignored.
//
// Writes change only the lines they are about: a new key is added at the
// end, a new value after its key's last line, a changed value's lines become
// its one new line; every other line stays byte for byte as it was, line
// endings included. The file is written beside itself and renamed, so a
// reader never sees half a file; when the registry path is a symbolic link,
// the file it names is the one replaced and the link stays. A file in
// another encoding (one holding zero bytes, as UTF-16 exports do) is never
// written.

#include <string>
#include <vector>

enum class HKEY { CLASSES_ROOT, CURRENT_USER, LOCAL_MACHINE, USERS };
constexpr HKEY HKEY_CLASSES_ROOT = HKEY::CLASSES_ROOT;
constexpr HKEY HKEY_CURRENT_USER = HKEY::CURRENT_USER;
constexpr HKEY HKEY_LOCAL_MACHINE = HKEY::LOCAL_MACHINE;
constexpr HKEY HKEY_USERS = HKEY::USERS;

// The file that holds the keys (see above).
std::string RegistryFilePath();

// The class library's registry object: choose RootKey, open a key, read or
// write its values, close it.
class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_CURRENT_USER;

    // Opens `key`: a path from the root when it starts with a backslash,
    // else below the key open now. A missing key is created when `canCreate`
    // (and added to the file at once); false when it is missing otherwise,
    // or when it cannot be added.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key) { return OpenKey(key, false); }
    void CloseKey();
    bool KeyExists(const std::string& key) const;
    // The open key's path below the root, without a leading backslash.
    const std::string& CurrentPath() const { return currentPath_; }

    bool ValueExists(const std::string& name) const;
    // The value, or an empty text when the key has no such value.
    std::string ReadString(const std::string& name) const;
    // Throws an Exception when no key is open or the file cannot be written.
    void WriteString(const std::string& name, const std::string& value);

private:
    std::string FullPath(const std::string& key) const;

    bool open_ = false;
    std::string currentPath_;
};
