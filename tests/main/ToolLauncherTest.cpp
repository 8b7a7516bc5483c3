// The command lines of the host's MIB tools, and starting a program.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "framework/VxSNMPSession.h"
#include "main/ToolLauncher.h"
#include "platform/winsvc/Exec.h"
#include "tests/support/TempFiles.h"

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

// A stand-in tool that writes its arguments, one per line, into a file.
class StubTool {
public:
    explicit StubTool(const std::string& name) : path_(dir_.Path() / name) {
        std::ofstream(path_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args.tmp\"\n"
                                "mv \"$0.args.tmp\" \"$0.args\"\n";
        ::chmod(path_.c_str(), 0755);
        const char* path = std::getenv("PATH");
        ::setenv("PATH", (dir_.Path().string() + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    }

    // The arguments it was started with, once it has run (empty after 10 s).
    std::vector<std::string> Arguments() const {
        const std::filesystem::path record = path_.string() + ".args";
        for (int i = 0; i < 1000 && !std::filesystem::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    TempDir dir_{"kx-tool"};
    std::filesystem::path path_;
};

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
