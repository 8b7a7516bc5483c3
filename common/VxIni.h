#pragma once
// Read access to an INI file, such as the per-device ".cfg" file.

#include <string>

class VxIni {
public:
    explicit VxIni(std::string fileName) : FileName(std::move(fileName)) {}

    // The key's value with leading and trailing blanks removed; `defaultValue`
    // as given when the file, the section or the key is missing or the value
    // is empty. Values longer than 4095 characters are cut to 4095.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    std::string FileName;
};
