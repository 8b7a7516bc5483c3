#include "main/AgentSettings.h"

#include <string_view>

#include "common/VxIni.h"
#include "framework/VxSNMPSession.h"
#include "platform/Exception.h"
#include "platform/SysUtils.h"
#include "platform/winsvc/PrivateProfile.h"

uint8_t CfgFileFound = 0;

namespace {

constexpr const char* kSection = "Program Information";

// One per-device file, read key by key.
class CfgFile {
public:
    explicit CfgFile(std::string path) : ini_(std::move(path)) {}

    // The key's value; false when the file has no such key.
    bool Read(const char* key, std::string& value) const {
        if (!HasKey(key)) return false;
        value = ini_.ReadString(kSection, key, "");
        return true;
    }

private:
    bool HasKey(const char* key) const {
        // Asked with two different defaults, a key the file lacks answers
        // with each of them; a present key answers with its value both times.
        char first[2] = {}, second[2] = {};
        GetPrivateProfileStringA(kSection, key, "a", first, sizeof first, ini_.FileName.c_str());
        GetPrivateProfileStringA(kSection, key, "b", second, sizeof second, ini_.FileName.c_str());
        return first[0] == second[0];
    }

    VxIni ini_;
};

// A number of the file or of the command line; a bad one is refused with
// where it stands (`where`: the key and the file, or the switch), so that
// the user knows what to mend.
int NumberOf(const std::string& value, const std::string& where) {
    try {
        return StrToInt(value);
    } catch (const EConvertError& e) {
        throw EConvertError(e.Message() + " (" + where + ")");
    }
}

// A UDP port: a number outside 0-65535 is refused, never cut to 16 bits
// (which would send to another port).
uint16_t PortOf(const std::string& value, const std::string& where) {
    const int port = NumberOf(value, where);
    if (port < 0 || port > 65535)
        throw EConvertError("'" + value + "' is not a valid port number, 0 to 65535 (" + where + ")");
    return static_cast<uint16_t>(port);
}

// An SNMP version code: 0 v1, 1 v2c, 3 v3. Any other number is refused,
// never cut to 8 bits (259 would speak version 3).
uint8_t VersionOf(const std::string& value, const std::string& where) {
    const int version = NumberOf(value, where);
    if (version != 0 && version != 1 && version != 3)
        throw EConvertError("'" + value + "' is not a valid SNMP version, 0, 1 or 3 (" + where + ")");
    return static_cast<uint8_t>(version);
}

bool IsVersion3(const TAgentTexts& texts, const VxSNMPSessionParameters& session) {
    return texts.VersionText == "3" || session.Security.Version == 3;
}

void ReadCfgFile(const std::string& path, TAgentTexts& texts, VxSNMPSessionParameters& session) {
    const CfgFile file(path);
    auto& security = session.Security;
    std::string value;
    auto where = [&](const char* key) { return "key \"" + std::string(key) + "\" in " + path; };
    if (file.Read("AgentPort", value)) {
        session.Device.Port = PortOf(value, where("AgentPort"));
        texts.PortText = std::to_string(session.Device.Port);
    }
    if (file.Read("Version", value)) {
        security.Version = VersionOf(value, where("Version"));
        texts.VersionText = std::to_string(security.Version);
    }
    if (file.Read("ContextName", value) && !value.empty()) {
        session.Scope.ContextName = value;
        texts.ContextName = value;
    }
    if (file.Read("ContextEngineID", value)) {
        session.Scope.ContextEngineId = value;
        texts.ContextEngineId = value;
    }
    if (file.Read("SecurityModel", value)) {
        security.SecurityModel = NumberOf(value, where("SecurityModel"));
        texts.SecurityModelText = std::to_string(security.SecurityModel);
    }
    // The file counts levels and protocols from 0, the library from 1.
    auto readCountedFromZero = [&](const char* key, int& setting, std::string& text) {
        if (!file.Read(key, value) || value == "0") return;
        setting = static_cast<int>(int64_t{NumberOf(value, where(key))} + 1);
        text = std::to_string(setting);
    };
    readCountedFromZero("SecurityLevel", security.SecurityLevel, texts.SecurityLevelText);
    if (file.Read("SecurityName", value)) {
        security.SecurityName = value;
        texts.SecurityName = value;
    }
    readCountedFromZero("AuthProtocol", security.AuthProtocol, texts.AuthProtocolText);
    readCountedFromZero("PrivProtocol", security.PrivProtocol, texts.PrivProtocolText);
    if (file.Read("AuthPassword", value) && !value.empty()) {
        security.AuthPassword = value;
        texts.AuthPassword = value;
    }
    if (file.Read("PrivPassword", value) && !value.empty()) {
        security.PrivPassword = value;
        texts.PrivPassword = value;
    }
}

// The switch of one argument other than "/I"; an argument with none that
// counts changes nothing.
void ApplySwitch(std::string_view name, const std::string& value, TAgentTexts& texts,
                 VxSNMPSessionParameters& session) {
    auto& security = session.Security;
    const std::string where = "switch " + std::string(name);
    if (name == "/R") {
        security.ReadCommunity = value;
        texts.ReadCommunity = value;
    } else if (name == "/W") {
        security.WriteCommunity = value;
        texts.WriteCommunity = value;
    } else if (name == "/v") {
        security.Version = VersionOf(value, where);
    } else if (!IsVersion3(texts, session)) {
        return;
    } else if (name == "/t") {
        session.Device.Port = PortOf(value, where);
        texts.PortText = std::to_string(session.Device.Port);
    } else if (name == "/c") {
        session.Scope.ContextName = value;
        if (!value.empty()) texts.ContextName = value;
    } else if (name == "/d") {
        session.Scope.ContextEngineId = value;
        texts.ContextEngineId = value;
    } else if (name == "/m") {
        security.SecurityModel = NumberOf(value, where);
        texts.SecurityModelText = std::to_string(security.SecurityModel);
    } else if (name == "/l") {
        // Taken in the library's numbering, unlike the file's.
        security.SecurityLevel = NumberOf(value, where);
        if (security.SecurityLevel != 0) texts.SecurityLevelText = std::to_string(security.SecurityLevel);
    } else if (name == "/n") {
        security.SecurityName = value;
        texts.SecurityName = value;
    } else if (name == "/A") {
        security.AuthPassword = value;
        if (!value.empty()) texts.AuthPassword = value;
    } else if (name == "/P") {
        security.PrivPassword = value;
        if (!value.empty()) texts.PrivPassword = value;
    } else if (name == "/a") {
        security.AuthProtocol = NumberOf(value, where);
        if (texts.AuthProtocolText != "0") texts.AuthProtocolText = std::to_string(security.AuthProtocol);
    } else if (name == "/p") {
        security.PrivProtocol = NumberOf(value, where);
        if (texts.PrivProtocolText != "0") texts.PrivProtocolText = std::to_string(security.PrivProtocol);
    }
}

}  // namespace

void HidePasswordArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        char* argument = argv[i];
        if (argument[0] != '/' || (argument[1] != 'A' && argument[1] != 'P')) continue;
        for (char* c = argument + 2; *c; ++c) *c = 'x';
    }
}

std::string CfgFilePath(const std::string& cfgDirectory, const std::string& agentAddress) {
    return NativePath(cfgDirectory + agentAddress + ".cfg");
}

void ApplyCommandLine(const std::vector<std::string>& arguments, const std::string& cfgDirectory,
                      TAgentTexts& texts, VxSNMPSessionParameters& session) {
    for (const std::string& argument : arguments) {
        const std::string_view name = std::string_view(argument).substr(0, 2);
        const std::string value = argument.size() > 2 ? argument.substr(2) : std::string();
        if (name == "/I") {
            session.Device.Address = value;
            texts.AgentIP = value;
            continue;
        }
        const std::string cfgFile = CfgFilePath(cfgDirectory, texts.AgentIP);
        CfgFileFound = FileExists(cfgFile) ? 1 : 0;
        if (CfgFileFound) ReadCfgFile(cfgFile, texts, session);
        ApplySwitch(name, value, texts, session);
    }
}
