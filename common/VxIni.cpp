#include "VxIni.h"

#include "platform/winsvc/PrivateProfile.h"

std::string VxIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    char buffer[4096] = {};
    const uint32_t count = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                    sizeof buffer, FileName.c_str());
    if (count == 0) return defaultValue;
    const std::string text(buffer, count);
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
