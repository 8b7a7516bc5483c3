// The command lines of the host's MIB tools, and starting a program.

#include <gtest/gtest.h>

#include "framework/VxSNMPSession.h"
#include "main/ToolLauncher.h"
#include "platform/winsvc/Exec.h"
#include "tests/support/StubTool.h"

namespace {

TEST(ToolLauncher, ModuleNameIsThePageArgumentUpToTheUnderscore) {
    EXPECT_EQ(ToolModuleName("/TMIB_Info"), "MIB");
    EXPECT_EQ(ToolModuleName("/TLayer3_RIP2"), "Layer3");
    EXPECT_EQ(ToolModuleName("/TEthernetLike_dot3StatsTable"), "EthernetLike");
    EXPECT_EQ(ToolModuleName("/TRmon"), "Rmon");
}

TEST(ToolLauncher, Version1CommandWithoutAFile) {
    TAgentTexts texts;
    texts.AgentIP = "10.1.1.1";
    texts.ReadCommunity = "public";
    texts.WriteCommunity = "private";
    VxSNMPSessionParameters session;
    session.Security.Version = 0;
    EXPECT_EQ(ToolCommandText(ToolArguments("/TEthernetLike_dot3StatsTable", texts, session, false)),
              "EthernetLike /I10.1.1.1 /Rpublic /Wprivate /TEthernetLike_dot3StatsTable");
}

TEST(ToolLauncher, Version3FromTheFileAppendsTheSessionsV3Settings) {
    TAgentTexts texts;
    texts.AgentIP = "10.1.1.1";
    texts.VersionText = "3";
    VxSNMPSessionParameters session;
    session.Device.Port = 16100;
    session.Security.Version = 1;  // the file said 3, a later "/v1" said otherwise
    session.Scope.ContextEngineId = "80001F88";
    session.Security.SecurityModel = 3;
    session.Security.SecurityName = "md5des";
    session.Security.SecurityLevel = 3;
    session.Security.AuthProtocol = 2;
    session.Security.AuthPassword = "auth pw";
    session.Security.PrivProtocol = 2;
    session.Security.PrivPassword = "priv-pw";
    EXPECT_EQ(ToolCommandText(ToolArguments("/TMIB_Info", texts, session, true)),
              "MIB /I10.1.1.1 /R /W /TMIB_Info /t16100 /v1 /d80001F88 /m3 /nmd5des /c /l3 /a2 /Aauth pw /p2 "
              "/Ppriv-pw");
    // Without the file only the session's own version counts.
    EXPECT_EQ(ToolArguments("/TMIB_Info", texts, session, false).size(), 5u);
}

TEST(StartProgram, FindsTheProgramOnThePathAndPassesEveryArgumentWhole) {
    StubTool tool("Rmon");
    EXPECT_GT(WinExec({"Rmon", "/I10.1.1.1", "/Rmy community", "/T$HOME;`x`"}, SW_SHOW), 31u);
    EXPECT_EQ(tool.Arguments(), (std::vector<std::string>{"/I10.1.1.1", "/Rmy community", "/T$HOME;`x`"}));
}

TEST(StartProgram, SaysWhenTheProgramIsMissing) {
    EXPECT_EQ(StartProgram({"kx-no-such-tool-anywhere"}), ENOENT);
    EXPECT_EQ(WinExec({"kx-no-such-tool-anywhere"}, SW_SHOW), 2u);
    EXPECT_EQ(WinExec({}, SW_SHOW), 2u);
}

}  // namespace
