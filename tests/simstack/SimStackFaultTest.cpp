// The simulated stack under test control: fault injection, live link and LED
// changes, the control channel itself, and the process around the agent.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "SnmpTools.h"
#include "simstack/SimStackProcess.h"
#include "tests/support/TempFiles.h"

namespace {

const std::string kUnitLeds = "1.3.6.1.4.1.171.12.11.1.9.4.1.6";
const std::string kPortLink = "1.3.6.1.4.1.171.11.59.8.2.3.1.1.4";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kRmonState = "1.3.6.1.4.1.171.11.59.8.2.1.2.3.0";

const std::vector<std::string> kOneShot = {"-t", "1", "-r", "0"};  // one try, one second

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& more) {
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

TEST(SimStackFaults, SilentAgentAnswersNothingUntilToldOtherwise) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    stack.Control("silent on");
    for (const SnmpVersion version : {SnmpVersion::V2c, SnmpVersion::V3Md5}) {
        const ToolResult result = tools.Run("snmpget", With(SnmpTools::Credentials(version, false), kOneShot), {kSysName});
        EXPECT_NE(result.exitCode, 0) << VersionName(version);
        EXPECT_NE(result.err.find("Timeout"), std::string::npos) << VersionName(version) << ": " << result.err;
    }
    stack.Control("silent off");
    EXPECT_EQ(tools.Get(SnmpVersion::V3Md5, {kSysName}).exitCode, 0);
}

TEST(SimStackFaults, DelayedRepliesOutlastAShortTimeoutButArrive) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    stack.Control("delay 2500");
    for (const SnmpVersion version : {SnmpVersion::V2c, SnmpVersion::V3Sha}) {
        const auto credentials = SnmpTools::Credentials(version, false);
        const ToolResult tooSoon = tools.Run("snmpget", With(credentials, {"-t", "0.5", "-r", "0"}), {kSysName});
        EXPECT_NE(tooSoon.err.find("Timeout"), std::string::npos) << VersionName(version) << ": " << tooSoon.err;
        const ToolResult patient = tools.Run("snmpget", With(credentials, {"-t", "30", "-r", "0"}), {kSysName});
        EXPECT_EQ(patient.exitCode, 0) << VersionName(version) << ": " << patient.err;
        EXPECT_EQ(ParseVarbinds(patient.out).at(kSysName), "STRING: \"kestrix-stack\"");
    }
}

TEST(SimStackFaults, FailNextSetRefusesExactlyOneSet) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    stack.Control("fail-next-set genErr");
    stack.ClearTrace();
    const ToolResult failed = tools.Set(SnmpVersion::V2c, {kSysName, "s", "first", kRmonState, "i", "2"});
    EXPECT_NE(failed.err.find("Reason: (genError)"), std::string::npos) << failed.err;
    EXPECT_EQ(stack.TraceLines().size(), 2u) << "a refused set is traced as received";
    EXPECT_EQ(ParseVarbinds(tools.Get(SnmpVersion::V2c, {kSysName, kRmonState}).out),
              (std::map<std::string, std::string>{{kSysName, "STRING: \"kestrix-stack\""}, {kRmonState, "INTEGER: 3"}}));

    EXPECT_EQ(tools.Set(SnmpVersion::V2c, {kSysName, "s", "second"}).exitCode, 0);
    EXPECT_EQ(ParseVarbinds(tools.Get(SnmpVersion::V2c, {kSysName}).out).at(kSysName), "STRING: \"second\"");
}

TEST(SimStackFaults, FailNextReadRefusesOneReadInItsSubtreeAfterASetThatPasses) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string servers = "1.3.6.1.4.1.171.12.5.10.1";
    const std::string newRow = servers + ".7.10.0.0.9.4";
    stack.Control("fail-next-read " + servers + " genErr");
    EXPECT_EQ(tools.Set(SnmpVersion::V2c, {newRow, "i", "4"}).exitCode, 0);
    EXPECT_EQ(tools.Get(SnmpVersion::V2c, {kSysName}).exitCode, 0) << "a read elsewhere is not refused";
    const ToolResult refused = tools.GetNext(SnmpVersion::V2c, {servers + ".3"});
    EXPECT_NE(refused.err.find("genError"), std::string::npos) << refused.err;
    // Spent: the next read answers, with the defaults of the created row.
    EXPECT_EQ(ParseVarbinds(tools.Get(SnmpVersion::V2c, {servers + ".3.10.0.0.9.4", servers + ".5.10.0.0.9.4"}).out),
              (std::map<std::string, std::string>{{servers + ".3.10.0.0.9.4", "INTEGER: 49"},
                                                  {servers + ".5.10.0.0.9.4", "INTEGER: 5"}}));
}

TEST(SimStackFaults, RepeatingAgentAnswersGetNextWithTheOidAskedFor) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string cell = kPortLink + ".1";
    stack.Control("repeat-getnext on");
    const ToolResult repeated = tools.GetNext(SnmpVersion::V2c, {cell});
    ASSERT_EQ(repeated.exitCode, 0) << repeated.err;
    EXPECT_EQ(ParseVarbinds(repeated.out).count(cell), 1u) << repeated.out;
    const ToolResult walk = tools.Run("snmpwalk", SnmpTools::Credentials(SnmpVersion::V2c, false), {kPortLink});
    EXPECT_NE(walk.err.find("OID not increasing"), std::string::npos) << walk.err;

    stack.Control("repeat-getnext off");
    EXPECT_EQ(ParseVarbinds(tools.GetNext(SnmpVersion::V2c, {cell}).out).count(kPortLink + ".2"), 1u);
}

TEST(SimStackFaults, CyclingAgentStartsAColumnAgainPastItsLastRow) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string lastPort = kPortLink + ".152";  // unit 3, port 24
    stack.Control("cycle-getnext on");
    EXPECT_EQ(ParseVarbinds(tools.GetNext(SnmpVersion::V2c, {lastPort}).out).count(kPortLink + ".1"), 1u);
    EXPECT_EQ(ParseVarbinds(tools.GetNext(SnmpVersion::V2c, {kPortLink + ".1"}).out).count(kPortLink + ".2"), 1u)
        << "inside the column get-next goes on as usual";
    const ToolResult walk = tools.Run("snmpwalk", SnmpTools::Credentials(SnmpVersion::V2c, false), {kPortLink});
    EXPECT_NE(walk.err.find("OID not increasing"), std::string::npos) << walk.err;

    stack.Control("cycle-getnext off");
    EXPECT_EQ(ParseVarbinds(tools.GetNext(SnmpVersion::V2c, {lastPort}).out).count(kPortLink + ".1"), 0u);
}

TEST(SimStackFaults, ANewEngineIdIsServedAndTheOldOneIsUnknown) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string engineId = "1.3.6.1.6.3.10.2.1.1.0";
    const std::string old = ParseVarbinds(tools.Get(SnmpVersion::V3Md5, {engineId}).out).at(engineId);

    stack.Control("engine-id 80:00:1f:88:80:aa:bb:cc:dd:01\nreset");
    for (const SnmpVersion version : {SnmpVersion::V3Md5, SnmpVersion::V3Sha}) {
        // The tools discover the engine afresh, and every user's keys fit it.
        const ToolResult result = tools.Get(version, {engineId});
        EXPECT_EQ(ParseVarbinds(result.out)[engineId], "Hex-STRING: 80 00 1F 88 80 AA BB CC DD 01 ")
            << VersionName(version) << ": " << result.err;
    }
    // A manager that keeps sending to the old engine hears nothing it can read.
    ASSERT_TRUE(old.starts_with("Hex-STRING:")) << old;
    std::string hex = "0x";
    for (const char c : old.substr(11)) {
        if (c != ' ') hex += c;
    }
    const ToolResult stale = tools.Run("snmpget", With(With(SnmpTools::Credentials(SnmpVersion::V3Md5, false), kOneShot),
                                                       {"-e", hex}),
                                       {engineId});
    EXPECT_NE(stale.err.find("Timeout"), std::string::npos) << stale.out << stale.err;
}

TEST(SimStackFaults, ARestartCountsTheEngineBootsUp) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string boots = "1.3.6.1.6.3.10.2.1.2.0";
    EXPECT_EQ(ParseVarbinds(tools.Get(SnmpVersion::V3Sha, {boots}).out)[boots], "INTEGER: 1");
    stack.Control("restart\nrestart\nreset");
    const ToolResult result = tools.Get(SnmpVersion::V3Sha, {boots});
    EXPECT_EQ(ParseVarbinds(result.out)[boots], "INTEGER: 3") << result.err;
}

TEST(SimStackFaults, LinkAndLedChangesAreServedFromTheNextRequest) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string unit3Port2 = kPortLink + ".130";
    EXPECT_EQ(ParseVarbinds(tools.Get(SnmpVersion::V2c, {unit3Port2}).out).at(unit3Port2), "INTEGER: 3");

    stack.Control("link 3 2 up");
    auto varbinds = ParseVarbinds(tools.Get(SnmpVersion::V2c, {unit3Port2, kUnitLeds + ".3"}).out);
    EXPECT_EQ(varbinds.at(unit3Port2), "INTEGER: 2");
    EXPECT_EQ(HexOctets(varbinds.at(kUnitLeds + ".3")).at(6), 0x02u);  // port 2's link LED

    stack.Control("link 1 1 down\nled 3 0202");
    varbinds = ParseVarbinds(tools.Get(SnmpVersion::V2c, {kPortLink + ".1", kUnitLeds + ".1", kUnitLeds + ".3"}).out);
    EXPECT_EQ(varbinds.at(kPortLink + ".1"), "INTEGER: 3");
    EXPECT_EQ(HexOctets(varbinds.at(kUnitLeds + ".1")).at(4), 0x00u);
    EXPECT_EQ(HexOctets(varbinds.at(kUnitLeds + ".3")), (std::vector<unsigned>{0x02, 0x02}));

    stack.Control("led 3 auto");
    EXPECT_EQ(HexOctets(ParseVarbinds(tools.Get(SnmpVersion::V2c, {kUnitLeds + ".3"}).out).at(kUnitLeds + ".3")).size(),
              64u);
}

TEST(SimStackFaults, ControlRefusesWhatItCannotDo) {
    SimStackProcess stack;
    for (const char* command : {"bogus", "silent maybe", "delay -5", "fail-next-set noSuchThing", "led 4 00",
                                "led 1 0g", "link 2 1 up", "link 1 51 up", "link 1 1", "cycle-getnext maybe",
                                "engine-id 80001f88", "engine-id 80001f888x", "fail-next-read 1.3 noError",
                                "fail-next-read x genErr", "fail-next-read 1.3"}) {
        EXPECT_THROW(stack.Control(command), std::runtime_error) << command;
    }
    EXPECT_NO_THROW(stack.Control("# a comment\n\nreset"));
}

// ---------------------------------------------------------------- the process

std::set<unsigned long> SocketInodes(pid_t pid) {
    std::set<unsigned long> inodes;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (!error && target.starts_with("socket:[")) inodes.insert(std::stoul(target.substr(8)));
    }
    return inodes;
}

TEST(SimStackProcessTest, ListensOnLoopbackOnly) {
    SimStackProcess stack;
    const std::set<unsigned long> inodes = SocketInodes(stack.Pid());
    int internetSockets = 0;
    for (const char* table : {"udp", "udp6", "tcp", "tcp6", "raw", "raw6"}) {
        std::ifstream lines("/proc/" + std::to_string(stack.Pid()) + "/net/" + table);
        std::string line;
        std::getline(lines, line);  // heading
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout;
            unsigned long inode = 0;
            fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >> timeout >> inode;
            if (inodes.count(inode) == 0) continue;
            ++internetSockets;
            const std::string address = local.substr(0, local.find(':'));
            const bool loopback = address.size() == 8 ? address.substr(6) == "7F"  // 127.x.x.x, little-endian
                                                      : address == "00000000000000000000000001000000";  // ::1
            EXPECT_TRUE(loopback) << table << " socket on " << local;
        }
    }
    EXPECT_GE(internetSockets, 1);
}

TEST(SimStackProcessTest, ParallelStacksGetTheirOwnPortsAndStopCleanly) {
    SimStackProcess first;
    SimStackProcess second;
    EXPECT_NE(first.Port(), second.Port());
    EXPECT_NE(first.WorkDir(), second.WorkDir());
    first.Control("silent on");
    SnmpTools tools(second);
    EXPECT_EQ(tools.Get(SnmpVersion::V2c, {kSysName}).exitCode, 0) << "faults stay with their own stack";

    const int status = first.Stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

TEST(SimStackProcessTest, BadDescriptionStopsTheStart) {
    const TempFile file("", ".json");
    for (const char* text : {R"({"units": [{"id": 13, "model": "Tallix-24"}]})", R"({"unit": []})", "{",
                             R"({"tables": [{"entry": "1.3.6.1.4.1.9", "columns": [{"id": 1, "type": "float"}]}]})",
                             R"({"agent": {"trapSinks": [{"address": "10.0.0.1:162", "version": "v2c",
                                                          "community": "mirabo"}]}})",
                             R"({"tables": [{"entry": "1.3.6.1.4.1.9", "index": [1], "columns": [{"id": 1, "type": "integer"}],
                                 "rows": [{"values": {"1": 1}, "absent": [1]}]}]})",
                             R"({"tables": [{"entry": "1.3.6.1.4.1.9", "index": [1], "columns": [{"id": 1, "type": "integer"}],
                                 "rows": [{"values": {"1": 1}, "absent": [2]}]}]})",
                             // a rule row without its profile row
                             R"({"tables": [{"name": "p", "entry": "1.3.6.1.4.1.8", "index": [1],
                                             "columns": [{"id": 1, "type": "integer"}]},
                                            {"entry": "1.3.6.1.4.1.9", "index": [1], "parent": {"table": "p", "index": [1]},
                                             "columns": [{"id": 1, "type": "integer"}], "rows": [{"values": {"1": 3}}]}]})",
                             // a mirrored column that a set could write
                             R"({"tables": [{"name": "p", "entry": "1.3.6.1.4.1.8", "index": [1],
                                             "columns": [{"id": 1, "type": "integer"}, {"id": 2, "type": "integer"}]},
                                            {"entry": "1.3.6.1.4.1.9", "index": [1],
                                             "parent": {"table": "p", "index": [1], "mirror": {"2": 2}},
                                             "columns": [{"id": 1, "type": "integer"},
                                                         {"id": 2, "type": "integer", "access": "read-write"}]}]})"}) {
        file.Write(text);
        EXPECT_THROW(SimStackProcess stack(file.Path()), std::runtime_error) << text;
    }
}

}  // namespace
