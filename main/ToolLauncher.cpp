#include "main/ToolLauncher.h"

#include <cerrno>
#include <cstring>

#include "framework/VxSNMPSession.h"
#include "main/HostFiles.h"
#include "main/Main.h"
#include "platform/winsvc/Exec.h"

std::string ToolModuleName(const std::string& page) {
    if (page.size() <= 2) return {};
    const size_t underscore = page.find('_', 2);
    return page.substr(2, underscore == std::string::npos ? std::string::npos : underscore - 2);
}

std::vector<std::string> ToolArguments(const std::string& page, const TAgentTexts& texts,
                                       const VxSNMPSessionParameters& session, bool cfgFileFound) {
    std::vector<std::string> arguments = {
        ToolModuleName(page), "/I" + texts.AgentIP, "/R" + texts.ReadCommunity, "/W" + texts.WriteCommunity, page,
    };
    const bool version3 = (cfgFileFound && texts.VersionText == "3") || session.Security.Version == 3;
    if (!version3) return arguments;
    const VxSNMPSecurity& security = session.Security;
    const std::vector<std::string> v3 = {
        "/t" + std::to_string(session.Device.Port),
        "/v" + std::to_string(security.Version),
        "/d" + session.Scope.ContextEngineId,
        "/m" + std::to_string(security.SecurityModel),
        "/n" + security.SecurityName,
        "/c" + session.Scope.ContextName,
        "/l" + std::to_string(security.SecurityLevel),
        "/a" + std::to_string(security.AuthProtocol),
        "/A" + security.AuthPassword,
        "/p" + std::to_string(security.PrivProtocol),
        "/P" + security.PrivPassword,
    };
    arguments.insert(arguments.end(), v3.begin(), v3.end());
    return arguments;
}

std::string ToolCommandText(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + argument;
    return text;
}

std::vector<std::string> TMainForm::ToolCommand(const std::string& page) {
    if (const std::string notice = CheckHostTools(); !notice.empty()) ShowDeviceViewMessage(notice);
    return ToolArguments(page, *this, SessionParameters, CfgFileFound);
}

std::string TMainForm::BuildToolCommandLine(const std::string& page) { return ToolCommandText(ToolCommand(page)); }

namespace {

// Why a tool did not start, for the message line.
std::string ToolStartFailure(const std::string& tool, int error) {
    const std::string reason = error == ENOENT || error == ENOTDIR ? "no program of that name on the search path (PATH)"
                                                                   : std::strerror(error);
    return "Cannot start the MIB tool \"" + tool + "\": " + reason + ".";
}

}  // namespace

void TMainForm::LaunchMibTool(const std::string& page, int) {
    // The tool gets the words of the command line as separate arguments, so
    // that no value with a blank in it is ever split. A tool that does not
    // start says so, and why, where the device view's messages go.
    const std::vector<std::string> command = ToolCommand(page);
    if (const int error = StartProgram(command)) ShowDeviceViewMessage(ToolStartFailure(command.front(), error));
}
