#include "PrivateProfile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace {

struct ProfileEntry {
    std::string Key;
    std::string Value;
};

struct ProfileSection {
    std::string Name;
    std::vector<ProfileEntry> Entries;
};


std::string_view WithoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<std::vector<ProfileSection>> LoadProfile(const char* fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<ProfileSection> sections;
    std::string raw;
    for (bool first = true; std::getline(in, raw); first = false) {
        const std::string_view line = Trim(first ? WithoutUtf8Mark(raw) : raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::string_view name = line.substr(1, line.find(']') - 1);
            sections.push_back({std::string(Trim(name)), {}});
            continue;
        }
        // Lines before the first section header belong to no section.
        if (sections.empty()) continue;
        const size_t equals = line.find('=');
        ProfileEntry entry;
        entry.Key = Trim(line.substr(0, equals));
        if (equals != std::string_view::npos) entry.Value = WithoutEnclosingQuotes(Trim(line.substr(equals + 1)));
        sections.back().Entries.push_back(std::move(entry));
    }
    return sections;
}

const ProfileSection* FindSection(const std::vector<ProfileSection>& sections, std::string_view name) {
    for (const auto& section : sections)
        if (SameText(section.Name, name)) return &section;
    return nullptr;
}

const ProfileEntry* FindEntry(const ProfileSection& section, std::string_view key) {
    for (const auto& entry : section.Entries)
        if (SameText(entry.Key, key)) return &entry;
    return nullptr;
}

uint32_t CopyText(std::string_view text, char* out, uint32_t size) {
    const auto n = static_cast<uint32_t>(std::min<size_t>(text.size(), size - 1));
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return n;
}

// Names, each zero-terminated, then one more zero.
uint32_t CopyNameList(const std::vector<std::string_view>& names, char* out, uint32_t size) {
    if (size < 2) {
        out[0] = '\0';
        return 0;
    }
    uint32_t pos = 0;
    for (std::string_view name : names) {
        const size_t needed = name.size() + 1;
        if (pos + needed > size - 1) {
            const uint32_t room = pos < size - 2 ? size - 2 - pos : 0;
            std::memcpy(out + pos, name.data(), room);
            out[size - 2] = '\0';
            out[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(out + pos, name.data(), name.size());
        out[pos + name.size()] = '\0';
        pos += static_cast<uint32_t>(needed);
    }
    out[pos] = '\0';
    return pos;
}

std::string_view DefaultWithoutTrailingBlanks(const char* defaultText) {
    std::string_view text = defaultText ? defaultText : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

uint32_t GetPrivateProfileStringA(const char* appName, const char* keyName, const char* defaultText,
                                  char* returned, uint32_t size, const char* fileName) {
    if (!returned || size == 0) return 0;
    const std::string_view fallback = DefaultWithoutTrailingBlanks(defaultText);
    const auto sections = fileName ? LoadProfile(fileName) : std::nullopt;

    if (!appName) {
        std::vector<std::string_view> names;
        if (sections)
            for (const auto& section : *sections) names.push_back(section.Name);
        return CopyNameList(names, returned, size);
    }

    const ProfileSection* section = sections ? FindSection(*sections, appName) : nullptr;
    if (!keyName) {
        std::vector<std::string_view> names;
        if (section)
            for (const auto& entry : section->Entries) names.push_back(entry.Key);
        return CopyNameList(names, returned, size);
    }

    const ProfileEntry* entry = section ? FindEntry(*section, keyName) : nullptr;
    return CopyText(entry ? std::string_view(entry->Value) : fallback, returned, size);
}
