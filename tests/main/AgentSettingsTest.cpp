// The command line and the per-device file, read into the session settings
// and the main window's texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/VxSNMPSession.h"
#include "main/AgentSettings.h"
#include "platform/Exception.h"
#include "platform/SysUtils.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFiles.h"

namespace {

// The session's defaults, as the session start writes them.
VxSNMPSessionParameters Defaults() {
    VxSNMPSessionParameters p;
    p.Device = {"127.0.0.1", 161};
    p.Security.Version = 0;
    p.Security.SecurityModel = 1;
    p.Security.SecurityLevel = 1;
    p.Security.AuthProtocol = 1;
    p.Security.PrivProtocol = 1;
    return p;
}

// Everything the reading writes, by name, so that a case lists only what it
// is about.
std::map<std::string, std::string> Outcome(const VxSNMPSessionParameters& p, const TAgentTexts& t) {
    const VxSNMPSecurity& s = p.Security;
    return {
        {"Address", p.Device.Address},
        {"Port", std::to_string(p.Device.Port)},
        {"Version", std::to_string(s.Version)},
        {"ReadCommunity", s.ReadCommunity},
        {"WriteCommunity", s.WriteCommunity},
        {"ContextName", p.Scope.ContextName},
        {"ContextEngineId", p.Scope.ContextEngineId},
        {"SecurityModel", std::to_string(s.SecurityModel)},
        {"SecurityLevel", std::to_string(s.SecurityLevel)},
        {"SecurityName", s.SecurityName},
        {"AuthProtocol", std::to_string(s.AuthProtocol)},
        {"PrivProtocol", std::to_string(s.PrivProtocol)},
        {"AuthPassword", s.AuthPassword},
        {"PrivPassword", s.PrivPassword},
        {"AgentIP", t.AgentIP},
        {"ReadCommunityText", t.ReadCommunity},
        {"WriteCommunityText", t.WriteCommunity},
        {"PortText", t.PortText},
        {"VersionText", t.VersionText},
        {"ContextNameText", t.ContextName},
        {"ContextEngineIdText", t.ContextEngineId},
        {"SecurityModelText", t.SecurityModelText},
        {"SecurityLevelText", t.SecurityLevelText},
        {"SecurityNameText", t.SecurityName},
        {"AuthProtocolText", t.AuthProtocolText},
        {"PrivProtocolText", t.PrivProtocolText},
        {"AuthPasswordText", t.AuthPassword},
        {"PrivPasswordText", t.PrivPassword},
        {"CfgFileFound", std::to_string(CfgFileFound)},
    };
}

struct Case {
    const char* Name;
    std::vector<std::string> Arguments;
    std::optional<std::string> CfgFile;  // "10.1.1.1.cfg" in the cfg directory
    std::map<std::string, std::string> Expected;
    const char* CfgFileName = "10.1.1.1.cfg";
};

const std::string V3File =
    "[Program Information]\n"
    "AgentPort=16100\nVersion=3\nContextName=ctx\nContextEngineID=80001F88\nSecurityModel=3\n"
    "SecurityLevel=2\nSecurityName=md5des\nAuthProtocol=1\nPrivProtocol=1\n"
    "AuthPassword=md5des-auth-pw\nPrivPassword=md5des-priv-pw\n";

const Case Cases[] = {
    {"address and communities, no file",
     {"/I10.1.1.1", "/Rpub", "/Wpriv"},
     std::nullopt,
     {{"Address", "10.1.1.1"}, {"AgentIP", "10.1.1.1"}, {"ReadCommunity", "pub"}, {"ReadCommunityText", "pub"},
      {"WriteCommunity", "priv"}, {"WriteCommunityText", "priv"}, {"Version", "0"}, {"Port", "161"},
      {"CfgFileFound", "0"}}},
    {"v3 switches after /v3 are taken as written",
     {"/I10.1.1.1", "/v3", "/nuser", "/l3"},
     std::nullopt,
     {{"Version", "3"}, {"SecurityName", "user"}, {"SecurityNameText", "user"}, {"SecurityLevel", "3"},
      {"SecurityLevelText", "3"}, {"VersionText", ""}}},
    {"the file read again before each argument sets the version back",
     {"/I10.1.1.1", "/v3", "/nuser", "/l3"},
     "[Program Information]\nVersion=1\n",
     {{"Version", "1"}, {"VersionText", "1"}, {"SecurityName", ""}, {"SecurityLevel", "1"},
      {"CfgFileFound", "1"}}},
    {"the file counts the security level from 0",
     {"/I10.1.1.1", "/Rpub"},
     "[Program Information]\nSecurityLevel=2\n",
     {{"SecurityLevel", "3"}, {"SecurityLevelText", "3"}}},
    {"a level, auth or priv protocol of 0 in the file leaves the setting",
     {"/I10.1.1.1", "/Rpub"},
     "[Program Information]\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n",
     {{"SecurityLevel", "1"}, {"SecurityLevelText", ""}, {"AuthProtocol", "1"}, {"AuthProtocolText", ""},
      {"PrivProtocol", "1"}, {"PrivProtocolText", ""}}},
    {"a whole v3 file",
     {"/I10.1.1.1", "/Rpub"},
     V3File,
     {{"Port", "16100"}, {"PortText", "16100"}, {"Version", "3"}, {"VersionText", "3"}, {"ContextName", "ctx"},
      {"ContextNameText", "ctx"}, {"ContextEngineId", "80001F88"}, {"SecurityModel", "3"},
      {"SecurityModelText", "3"}, {"SecurityLevel", "3"}, {"SecurityName", "md5des"}, {"AuthProtocol", "2"},
      {"AuthProtocolText", "2"}, {"PrivProtocol", "2"}, {"PrivProtocolText", "2"},
      {"AuthPassword", "md5des-auth-pw"}, {"PrivPassword", "md5des-priv-pw"}, {"ReadCommunity", "pub"}}},
    {"the file overwrites earlier switches; the argument's own comes last",
     {"/I10.1.1.1", "/nother", "/t2000"},
     V3File,
     {{"Port", "2000"}, {"PortText", "2000"}, {"SecurityName", "md5des"}}},
    {"/R takes the whole rest of its argument",
     {"/I10.1.1.1", "/Rabc/Wdef"},
     std::nullopt,
     {{"ReadCommunity", "abc/Wdef"}, {"WriteCommunity", ""}}},
    {"a community holding /I leaves the address alone",
     {"/I10.1.1.1", "/Rab/I10.9.9.9"},
     std::nullopt,
     {{"ReadCommunity", "ab/I10.9.9.9"}, {"Address", "10.1.1.1"}, {"AgentIP", "10.1.1.1"}}},
    {"v3 switches without version 3 are ignored",
     {"/I10.1.1.1", "/nuser", "/t2000"},
     std::nullopt,
     {{"SecurityName", ""}, {"Port", "161"}}},
    {"/I given last: the earlier arguments read the file named .cfg",
     {"/Rpub", "/I10.1.1.1"},
     "[Program Information]\nAgentPort=1234\n",
     {{"Port", "1234"}, {"AgentIP", "10.1.1.1"}, {"ReadCommunity", "pub"}},
     ".cfg"},
    {"keys the file lacks keep their settings",
     {"/I10.1.1.1", "/v3", "/nuser", "/l2"},
     "[Program Information]\nAgentPort=1234\n",
     {{"Port", "1234"}, {"Version", "3"}, {"SecurityName", "user"}, {"SecurityLevel", "2"},
      {"CfgFileFound", "1"}}},
    {"empty texts in the file leave names and passwords as they were",
     {"/I10.1.1.1", "/v3", "/Auser-pw", "/cctx"},
     "[Program Information]\nContextName=\nAuthPassword=\n",
     {{"AuthPassword", "user-pw"}, {"ContextName", "ctx"}}},
    {"a file saved by a Windows editor, with a byte-order mark and CR LF line ends",
     {"/I10.1.1.1", "/Rpub"},
     "\xEF\xBB\xBF[Program Information]\r\nAgentPort=16100\r\nVersion=3\r\nSecurityName=md5des\r\n",
     {{"Port", "16100"}, {"Version", "3"}, {"SecurityName", "md5des"}, {"CfgFileFound", "1"}}},
    {"the highest port there is",
     {"/I10.1.1.1", "/v3", "/t65535"},
     std::nullopt,
     {{"Port", "65535"}, {"PortText", "65535"}}},
    {"arguments without a known switch are ignored",
     {"/I10.1.1.1", "-platform", "/x5", ""},
     std::nullopt,
     {{"Address", "10.1.1.1"}, {"ReadCommunity", ""}, {"Version", "0"}}},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.Name; }

class AgentSettingsTest : public ::testing::TestWithParam<Case> {};

TEST_P(AgentSettingsTest, ReadsTheCommandLineAndTheFile) {
    const Case& c = GetParam();
    TempDir dir("kx-cfg");
    if (c.CfgFile) std::ofstream(dir.Path() / c.CfgFileName) << *c.CfgFile;
    VxSNMPSessionParameters session = Defaults();
    TAgentTexts texts;
    CfgFileFound = 0;
    ApplyCommandLine(c.Arguments, dir.Path().string() + "/", texts, session);
    const auto outcome = Outcome(session, texts);
    for (const auto& [field, value] : c.Expected) EXPECT_EQ(outcome.at(field), value) << field;
}

INSTANTIATE_TEST_SUITE_P(Cases, AgentSettingsTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(AgentSettings, BadNumbersPortsAndVersionsEndTheReadingSayingWhereTheyStand) {
    struct Bad {
        std::vector<std::string> Arguments;
        const char* File;
        std::string Message;  // "<file>" stands for the per-device file's path
    };
    const std::string notInteger = " is not a valid integer value";
    const std::string notPort = " is not a valid port number, 0 to 65535";
    const std::string notVersion = " is not a valid SNMP version, 0, 1 or 3";
    const Bad cases[] = {
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nAgentPort=abc\n", "'abc'" + notInteger + " (key \"AgentPort\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nAgentPort=\n", "''" + notInteger + " (key \"AgentPort\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nAgentPort=114849\n", "'114849'" + notPort + " (key \"AgentPort\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nAgentPort=-1\n", "'-1'" + notPort + " (key \"AgentPort\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nVersion=v3\n", "'v3'" + notInteger + " (key \"Version\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nSecurityLevel=x\n", "'x'" + notInteger + " (key \"SecurityLevel\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nVersion=259\n", "'259'" + notVersion + " (key \"Version\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nVersion=2\n", "'2'" + notVersion + " (key \"Version\" in <file>)"},
        {{"/I10.1.1.1", "/Rpub"}, "[Program Information]\nVersion=-253\n", "'-253'" + notVersion + " (key \"Version\" in <file>)"},
        {{"/I10.1.1.1", "/vthree"}, nullptr, "'three'" + notInteger + " (switch /v)"},
        {{"/I10.1.1.1", "/v259"}, nullptr, "'259'" + notVersion + " (switch /v)"},
        {{"/I10.1.1.1", "/v$103"}, nullptr, "'$103'" + notVersion + " (switch /v)"},
        {{"/I10.1.1.1", "/v3", "/t"}, nullptr, "''" + notInteger + " (switch /t)"},
        {{"/I10.1.1.1", "/v3", "/t65536"}, nullptr, "'65536'" + notPort + " (switch /t)"},
        {{"/I10.1.1.1", "/v3", "/l2x"}, nullptr, "'2x'" + notInteger + " (switch /l)"},
    };
    for (const Bad& bad : cases) {
        TempDir dir("kx-cfg");
        const std::string file = (dir.Path() / "10.1.1.1.cfg").string();
        if (bad.File) std::ofstream(file) << bad.File;
        VxSNMPSessionParameters session = Defaults();
        TAgentTexts texts;
        std::string message = bad.Message;
        if (const size_t at = message.find("<file>"); at != std::string::npos) message.replace(at, 6, file);
        try {
            ApplyCommandLine(bad.Arguments, dir.Path().string() + "/", texts, session);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(session.Device.Port, 161) << message;  // never another port
    }
}

TEST(AgentSettings, PasswordArgumentsAreOverwrittenInPlace) {
    std::vector<std::string> given = {"kestrix-module", "/I10.1.1.1", "/Rpublic", "/Aauth-secret", "/Ppriv-secret",
                                      "/A", "/nuser/Ax", "", "/", "/Px"};
    std::vector<char*> argv;
    for (std::string& argument : given) argv.push_back(argument.data());
    HidePasswordArguments(static_cast<int>(argv.size()), argv.data());
    const std::vector<std::string> expected = {"kestrix-module", "/I10.1.1.1", "/Rpublic", "/Axxxxxxxxxxx",
                                               "/Pxxxxxxxxxxx", "/A", "/nuser/Ax", "", "/", "/Px"};
    EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.end()), expected);
}

// What every user of the machine reads of the running module: its command
// line, where the passwords no longer stand once the program has read them.
TEST(AgentSettings, TheRunningProgramShowsNoPasswordInItsCommandLine) {
    TempDir dir("kx-args");
    const std::vector<std::string> arguments = {KX_MODULE_PROGRAM, "/I127.0.0.1", "/v3", "/nuser", "/t9",
                                                "/Aauth-secret", "/Ppriv-secret"};
    // Its boot counter file goes into the folder it runs in.
    Child program(arguments, EnvironmentWith({{"KESTRIX_REGISTRY", (dir.Path() / "registry.reg").string()}}),
                  {.Directory = dir.Path()});
    ASSERT_TRUE(program.Started());

    auto commandLine = [&] {
        std::ifstream in("/proc/" + std::to_string(program.Pid()) + "/cmdline", std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        std::replace(text.begin(), text.end(), '\0', ' ');
        return text;
    };
    // The program reads its arguments first thing; until then they stand as given.
    const std::string hidden = "/nuser /t9 /Axxxxxxxxxxx /Pxxxxxxxxxxx ";
    std::string seen;
    for (int tries = 0; tries < 6000 && seen.find(hidden) == std::string::npos; ++tries) {
        if (program.Ended()) break;  // nothing more to read
        seen = commandLine();
        if (seen.find(hidden) == std::string::npos) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_NE(seen.find(hidden), std::string::npos) << seen;
    EXPECT_EQ(seen.find("secret"), std::string::npos) << seen;
}

TEST(AgentSettings, TheCfgDirectoryMayBeWrittenTheHostsWay) {
    EXPECT_EQ(CfgFilePath("/opt/zentrik/bin/..\\Conf\\MBF\\", "10.1.1.1"), "/opt/zentrik/bin/../Conf/MBF/10.1.1.1.cfg");
}

TEST(StrToInt, TakesWhatTheClassLibraryTakes) {
    EXPECT_EQ(StrToInt("161"), 161);
    EXPECT_EQ(StrToInt(" -5"), -5);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "12 ", "1.5", "2147483648", "-", "$", "0x", "abc"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << '"' << bad << '"';
    try {
        StrToInt("abc");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
}

}  // namespace
