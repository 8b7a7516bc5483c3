#include "Registry.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Exception.h"
#include "platform/Text.h"

namespace {

struct RegistryValue {
    std::string Name;
    std::string Data;
};

struct RegistryKey {
    std::string Path;  // "HKEY_LOCAL_MACHINE\SOFTWARE\..."
    std::vector<RegistryValue> Values;
};

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

std::vector<RegistryKey> LoadKeys() {
    std::vector<RegistryKey> keys;
    std::ifstream in(RegistryFilePath(), std::ios::binary);
    std::string raw;
    while (std::getline(in, raw)) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos) continue;
            keys.push_back({NormalisedKeyPath(line.substr(1, close - 1)), {}});
            continue;
        }
        if (keys.empty()) continue;
        RegistryValue value;
        if (!TakeQuoted(line, value.Name)) continue;
        line = Trim(line);
        if (line.empty() || line.front() != '=') continue;
        line = Trim(line.substr(1));
        if (!TakeQuoted(line, value.Data)) continue;
        keys.back().Values.push_back(std::move(value));
    }
    return keys;
}

bool SaveKeys(const std::vector<RegistryKey>& keys) {
    namespace fs = std::filesystem;
    const fs::path file = RegistryFilePath();
    std::error_code ec;
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
    std::ostringstream text;
    text << "; Registry of the Kestrix management module\n";
    for (const RegistryKey& key : keys) {
        text << "\n[" << key.Path << "]\n";
        for (const RegistryValue& value : key.Values) text << Quoted(value.Name) << '=' << Quoted(value.Data) << '\n';
    }
    fs::path temporary = file;
    temporary += "." + std::to_string(::getpid()) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!(out << text.str()) || !out.flush()) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, file, ec);
    if (ec) fs::remove(temporary, ec);
    return !ec;
}

RegistryKey* FindKey(std::vector<RegistryKey>& keys, const std::string& path) {
    for (RegistryKey& key : keys)
        if (SameText(key.Path, path)) return &key;
    return nullptr;
}

bool AnyKeyAtOrBelow(const std::vector<RegistryKey>& keys, const std::string& path) {
    for (const RegistryKey& key : keys) {
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
    std::vector<RegistryKey> keys = LoadKeys();
    if (!AnyKeyAtOrBelow(keys, path)) {
        if (!canCreate) return false;
        keys.push_back({path, {}});
        if (!SaveKeys(keys)) return false;
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

bool TRegistry::KeyExists(const std::string& key) const { return AnyKeyAtOrBelow(LoadKeys(), FullPath(key)); }

bool TRegistry::ValueExists(const std::string& name) const {
    if (!open_) return false;
    std::vector<RegistryKey> keys = LoadKeys();
    const RegistryKey* key = FindKey(keys, FullPath("\\" + currentPath_));
    if (!key) return false;
    for (const RegistryValue& value : key->Values)
        if (SameText(value.Name, name)) return true;
    return false;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!open_) return {};
    std::vector<RegistryKey> keys = LoadKeys();
    const RegistryKey* key = FindKey(keys, FullPath("\\" + currentPath_));
    if (!key) return {};
    for (const RegistryValue& value : key->Values)
        if (SameText(value.Name, name)) return value.Data;
    return {};
}

void TRegistry::WriteString(const std::string& name, const std::string& data) {
    if (!open_) throw Exception("Failed to set data for '" + name + "': no key is open");
    const std::string path = FullPath("\\" + currentPath_);
    std::vector<RegistryKey> keys = LoadKeys();
    RegistryKey* key = FindKey(keys, path);
    if (!key) {
        keys.push_back({path, {}});
        key = &keys.back();
    }
    bool replaced = false;
    for (RegistryValue& value : key->Values)
        if (SameText(value.Name, name)) {
            value.Data = data;
            replaced = true;
        }
    if (!replaced) key->Values.push_back({name, data});
    if (!SaveKeys(keys)) throw Exception("Failed to set data for '" + name + "'");
}
