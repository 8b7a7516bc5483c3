#include "Registry.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/Exception.h"
#include "platform/SysUtils.h"
#include "platform/Text.h"

namespace {

const char* RootName(HKEY root) {
    switch (root) {
    case HKEY::CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY::CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY::LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY::USERS: return "HKEY_USERS";
    }
    return "HKEY_CURRENT_USER";
}

// Single separators, none at either end: "a\\b\" gives "a\b".
std::string NormalisedKeyPath(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

// A quoted text at the front of `line`; the rest of the line after it.
bool TakeQuoted(std::string_view& line, std::string& text) {
    if (line.empty() || line.front() != '"') return false;
    text.clear();
    for (size_t i = 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            text += line[++i];
        } else if (c == '"') {
            line.remove_prefix(i + 1);
            return true;
        } else {
            text += c;
        }
    }
    return false;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

// The file as it stands, line by line, with what it says about keys and
// values. Writes change only the lines they are about: a file that the host
// or an administrator keeps (a header, comments, values of other types, its
// own line endings) keeps every other byte.
struct FileLine {
    std::string Text;
    std::string End;  // "\r\n", "\n", or nothing on a last line without one
};

struct ValueLines {
    std::string Name;  // empty for the key's default value ("@=")
    std::optional<std::string> Text;  // none for values of other types (dword:, hex:...)
    size_t First = 0, Last = 0;  // a hex value may go on over lines ending in "\"
};

struct KeySection {
    std::string Path;  // "HKEY_LOCAL_MACHINE\SOFTWARE\..."
    size_t Last = 0;   // its last line that is not blank or a comment
    std::vector<ValueLines> Values;
};

struct RegistryFile {
    std::vector<FileLine> Lines;
    std::vector<KeySection> Sections;
    // Text in another encoding (a UTF-16 export): it can be read for
    // nothing, and adding lines to it would spoil it.
    bool Foreign = false;
};

std::vector<FileLine> SplitLines(const std::string& raw) {
    std::vector<FileLine> lines;
    size_t from = 0;
    while (from < raw.size()) {
        const size_t newline = raw.find('\n', from);
        if (newline == std::string::npos) {
            lines.push_back({raw.substr(from), ""});
            break;
        }
        const size_t end = newline > from && raw[newline - 1] == '\r' ? newline - 1 : newline;
        lines.push_back({raw.substr(from, end - from), raw.substr(end, newline + 1 - end)});
        from = newline + 1;
    }
    return lines;
}

// A value line: "name"="text", "name"=dword:..., or @="text" for the default.
std::optional<ValueLines> ParseValue(std::string_view line) {
    ValueLines value;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else if (!TakeQuoted(line, value.Name)) {
        return std::nullopt;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') return std::nullopt;
    line = Trim(line.substr(1));
    std::string text;
    if (TakeQuoted(line, text)) value.Text = std::move(text);
    return value;
}

RegistryFile LoadRegistry() {
    RegistryFile file;
    const std::string raw = ReadFileContents(RegistryFilePath()).value_or("");
    file.Foreign = raw.find('\0') != std::string::npos;
    file.Lines = SplitLines(raw);
    bool continued = false;  // the line before ended a hex value with "\"
    for (size_t i = 0; i < file.Lines.size() && !file.Foreign; ++i) {
        std::string_view line = Trim(i == 0 ? WithoutUtf8Mark(file.Lines[i].Text) : file.Lines[i].Text);
        if (continued) {
            file.Sections.back().Values.back().Last = file.Sections.back().Last = i;
            continued = !line.empty() && line.back() == '\\';
            continue;
        }
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string_view::npos)
                file.Sections.push_back({NormalisedKeyPath(line.substr(1, close - 1)), i, {}});
            continue;
        }
        if (file.Sections.empty()) continue;
        std::optional<ValueLines> value = ParseValue(line);
        if (!value) continue;
        value->First = value->Last = i;
        continued = !value->Text && line.back() == '\\';
        file.Sections.back().Values.push_back(std::move(*value));
        file.Sections.back().Last = i;
    }
    return file;
}

// The file a registry path that is a symbolic link names, so that a write
// goes where the link points and the link stays.
std::filesystem::path LinkTarget(std::filesystem::path path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

bool SaveRegistry(const RegistryFile& file) {
    namespace fs = std::filesystem;
    const fs::path target = LinkTarget(RegistryFilePath());
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    std::string text;
    for (const FileLine& line : file.Lines) text += line.Text + line.End;
    return ReplaceFileContents(target.string(), text);
}

// The line ending the file uses already, for the lines a write adds.
std::string LineEnd(const RegistryFile& file) {
    for (const FileLine& line : file.Lines)
        if (!line.End.empty()) return line.End;
    return "\n";
}

// Adds `added` after line `after` (or at the end), giving a last line that
// had no line ending one first.
void InsertLines(RegistryFile& file, size_t after, std::vector<std::string> added) {
    const std::string end = LineEnd(file);
    if (after < file.Lines.size() && file.Lines[after].End.empty()) file.Lines[after].End = end;
    auto at = after < file.Lines.size() ? file.Lines.begin() + static_cast<std::ptrdiff_t>(after) + 1 : file.Lines.end();
    for (std::string& text : added) at = file.Lines.insert(at, FileLine{std::move(text), end}) + 1;
}

void AppendSection(RegistryFile& file, const std::string& path) {
    std::vector<std::string> added;
    if (!file.Lines.empty()) added.emplace_back();  // a blank line before it, as the sections of an export
    added.push_back("[" + path + "]");
    InsertLines(file, file.Lines.size() - (file.Lines.empty() ? 0 : 1), std::move(added));
}

std::string ValueLine(const std::string& name, const std::string& text) {
    return (name.empty() ? std::string("@") : Quoted(name)) + '=' + Quoted(text);
}

// The key's sections in the order of the file (a key may be listed twice:
// its values add up, a later line winning).
std::vector<const KeySection*> SectionsOf(const RegistryFile& file, const std::string& path) {
    std::vector<const KeySection*> found;
    for (const KeySection& section : file.Sections)
        if (SameText(section.Path, path)) found.push_back(&section);
    return found;
}

const ValueLines* FindValue(const RegistryFile& file, const std::string& path, const std::string& name) {
    const ValueLines* found = nullptr;
    for (const KeySection* section : SectionsOf(file, path))
        for (const ValueLines& value : section->Values)
            if (SameText(value.Name, name)) found = &value;
    return found;
}

bool AnyKeyAtOrBelow(const RegistryFile& file, const std::string& path) {
    for (const KeySection& key : file.Sections) {
        if (key.Path.size() < path.size() || !SameText(std::string_view(key.Path).substr(0, path.size()), path))
            continue;
        if (key.Path.size() == path.size() || key.Path[path.size()] == '\\') return true;
    }
    return false;
}

}  // namespace

std::string RegistryFilePath() {
    if (const char* path = std::getenv("KESTRIX_REGISTRY"); path && *path) return path;
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) config = std::string(home) + "/.config";
    else config = ".";
    return config + "/kestrix-module/registry.reg";
}

std::string TRegistry::FullPath(const std::string& key) const {
    std::string relative = key;
    if (!key.empty() && key.front() != '\\' && open_ && !currentPath_.empty()) relative = currentPath_ + "\\" + key;
    std::string below = NormalisedKeyPath(relative);
    return below.empty() ? RootName(RootKey) : std::string(RootName(RootKey)) + "\\" + below;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = FullPath(key);
    RegistryFile file = LoadRegistry();
    if (!AnyKeyAtOrBelow(file, path)) {
        if (!canCreate || file.Foreign) return false;
        AppendSection(file, path);
        if (!SaveRegistry(file)) return false;
    }
    const std::string root = RootName(RootKey);
    currentPath_ = path.size() > root.size() ? path.substr(root.size() + 1) : std::string();
    open_ = true;
    return true;
}

void TRegistry::CloseKey() {
    open_ = false;
    currentPath_.clear();
}

bool TRegistry::KeyExists(const std::string& key) const { return AnyKeyAtOrBelow(LoadRegistry(), FullPath(key)); }

bool TRegistry::ValueExists(const std::string& name) const {
    return open_ && FindValue(LoadRegistry(), FullPath("\\" + currentPath_), name) != nullptr;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!open_) return {};
    const RegistryFile file = LoadRegistry();
    const ValueLines* value = FindValue(file, FullPath("\\" + currentPath_), name);
    return value && value->Text ? *value->Text : std::string();
}

void TRegistry::WriteString(const std::string& name, const std::string& data) {
    if (!open_) throw Exception("Failed to set data for '" + name + "': no key is open");
    const std::string path = FullPath("\\" + currentPath_);
    RegistryFile file = LoadRegistry();
    if (file.Foreign) throw Exception("Failed to set data for '" + name + "'");
    if (const ValueLines* value = FindValue(file, path, name)) {
        // The value's lines become the one line of the new text.
        const auto first = file.Lines.begin() + static_cast<std::ptrdiff_t>(value->First);
        const std::string end = file.Lines[value->Last].End;
        file.Lines.erase(first + 1, file.Lines.begin() + static_cast<std::ptrdiff_t>(value->Last) + 1);
        file.Lines[value->First] = {ValueLine(value->Name, data), end};
    } else {
        const std::vector<const KeySection*> sections = SectionsOf(file, path);
        if (sections.empty()) {
            AppendSection(file, path);
            InsertLines(file, file.Lines.size() - 1, {ValueLine(name, data)});
        } else {
            InsertLines(file, sections.back()->Last, {ValueLine(name, data)});
        }
    }
    if (!SaveRegistry(file)) throw Exception("Failed to set data for '" + name + "'");
}
