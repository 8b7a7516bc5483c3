#include "main/HostFiles.h"

#include <utility>

#include "common/VxCommonMessages.h"
#include "common/VxUtils.h"
#include "framework/VxSNMPMessages.h"
#include "platform/Exception.h"
#include "platform/winsvc/Registry.h"

namespace {

constexpr const char* kHelpPathKey = "\\SOFTWARE\\Pelorin\\Modules\\HelpPath";
constexpr const char* kHelpPathValue = "1.3.6.1.4.1.171.10.59.8";
constexpr const char* kMibFileKey = "\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile";
constexpr const char* kExePathKey = "\\SOFTWARE\\Pelorin\\Zentrik5.1\\ExePath";
constexpr const char* kAppPathsKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr const char* kOpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";

// The host's "Path" value of a key, when the key exists.
bool ReadHostPath(const char* key, std::string& path) {
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (!registry.OpenKey(key, false)) return false;
    path = registry.ReadString("Path");
    return true;
}

}  // namespace

std::string ReadHelpPath() {
    try {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        if (registry.OpenKey(kHelpPathKey, true)) return registry.ReadString(kHelpPathValue);
    } catch (const std::exception&) {
    }
    return {};
}

std::string ErrorMessageDirectory(const std::string& helpPath) {
    return helpPath.size() > 12 ? helpPath.substr(0, helpPath.size() - 12) : std::string();
}

void LoadErrorMessageFiles(const std::string& directory) {
    const std::pair<const char*, VxMessageTable*> files[] = {
        {"errmsg\\common.err", &VxCommonMessages},    {"errmsg\\snmp.err", &SnmpPduMessages},
        {"errmsg\\snmpv3.err", &SnmpV3Messages},      {"errmsg\\snmpusm.err", &SnmpUsmMessages},
        {"errmsg\\snmpclass.err", &SnmpClassMessages}, {"errmsg\\vxsnmp.err", &VxSNMPMessages},
        {"errmsg\\snmp.msg", &SnmpRequestFormats},
    };
    for (const auto& [file, table] : files) LoadTextLines(*table, JoinPath(directory, file));
}

std::string FindCfgDirectory() {
    std::string directory, path;
    if (ReadHostPath(kExePathKey, path)) directory = path + "..\\Conf\\MBF\\";
    if (ReadHostPath(kMibFileKey, path)) directory = path;
    return directory;
}

std::string CheckHostTools() {
    try {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        for (const char* program : {"zentrik5.exe", "zentrik51.exe"})
            if (registry.OpenKey(std::string(kAppPathsKey) + program, false)) return {};
        if (registry.OpenKey(kOpenViewKey, false))
            return registry.ReadString("OV_PATH").empty() ? "OpenView : File Path Error!" : "";
        return "No Path!";
    } catch (const std::exception&) {
        return {};
    }
}
