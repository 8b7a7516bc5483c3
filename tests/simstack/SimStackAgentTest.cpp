// The simulated stack as an SNMP agent: what the device view's start-up walks
// read, how get, get-next and set behave, and row creation and deletion, over
// v1, v2c and v3 authPriv with net-snmp's own tools.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SnmpTools.h"
#include "simstack/SimStackProcess.h"

namespace {

const std::string kUnitEntry = "1.3.6.1.4.1.171.12.11.1.9.4.1";
const std::string kPortEntry = "1.3.6.1.4.1.171.11.59.8.2.3.1.1";
const std::string kPortCtrlEntry = "1.3.6.1.4.1.171.11.59.8.2.3.2.1";
const std::string kSubUnitEntry = "1.3.6.1.4.1.171.11.59.8.2.1.1.3.1";
const std::string kRmonState = "1.3.6.1.4.1.171.11.59.8.2.1.2.3.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSyslogHost = "1.3.6.1.4.1.171.12.12.2.1";  // row-status table of the default description
const std::string kDnsStatic = "1.3.6.1.4.1.171.11.59.8.3.3.2.6.1";  // valid/invalid table

std::string Cell(const std::string& entry, int column, const std::string& index) {
    return entry + "." + std::to_string(column) + "." + index;
}

size_t CountColumn(const std::map<std::string, std::string>& varbinds, const std::string& entry, int column) {
    const std::string prefix = entry + "." + std::to_string(column) + ".";
    size_t count = 0;
    for (const auto& [oid, value] : varbinds) count += oid.starts_with(prefix) ? 1 : 0;
    return count;
}

class SimStackByVersion : public testing::TestWithParam<SnmpVersion> {
protected:
    SimStackProcess stack_;
    SnmpTools tools_{stack_};
};

INSTANTIATE_TEST_SUITE_P(Versions, SimStackByVersion,
                         testing::Values(SnmpVersion::V1, SnmpVersion::V2c, SnmpVersion::V3Md5, SnmpVersion::V3Sha),
                         [](const auto& info) { return VersionName(info.param); });

TEST_P(SimStackByVersion, StartUpWalksReturnTheDescribedStack) {
    const auto units = tools_.Walk(GetParam(), kUnitEntry);
    for (const int column : {2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}) {
        EXPECT_EQ(CountColumn(units, kUnitEntry, column), 3u) << "unit column " << column;
    }
    EXPECT_EQ(units.size(), 36u) << "the not-accessible index column is not served";
    EXPECT_EQ(units.at(Cell(kUnitEntry, 2, "1")), "INTEGER: 1");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 2, "2")), "INTEGER: 0");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 2, "3")), "INTEGER: 1");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 10, "1")), "STRING: \"Kestrix-50\"");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 10, "2")), "STRING: \"Brovan-26\"");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 10, "3")), "STRING: \"Tallix-24\"");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 3, "1")), "Hex-STRING: 02 4B 58 00 01 00 ");
    EXPECT_EQ(units.at(Cell(kUnitEntry, 8, "1")), "INTEGER: 4");  // master
    EXPECT_EQ(units.at(Cell(kUnitEntry, 8, "3")), "INTEGER: 5");  // slave
    EXPECT_EQ(units.at(Cell(kUnitEntry, 5, "1")), "INTEGER: 50");

    // Ports of the present units only, indexed (unit-1)*64+port.
    const auto ports = tools_.Walk(GetParam(), kPortEntry);
    for (const int column : {1, 2, 3, 4, 5}) EXPECT_EQ(CountColumn(ports, kPortEntry, column), 74u) << column;
    EXPECT_EQ(ports.at(Cell(kPortEntry, 1, "152")), "INTEGER: 152");  // unit 3 port 24
    EXPECT_EQ(ports.at(Cell(kPortEntry, 2, "129")), "INTEGER: 3");
    EXPECT_EQ(ports.at(Cell(kPortEntry, 4, "1")), "INTEGER: 2");      // link-pass
    EXPECT_EQ(ports.at(Cell(kPortEntry, 4, "3")), "INTEGER: 3");      // link-fail
    EXPECT_EQ(ports.at(Cell(kPortEntry, 3, "49")), "INTEGER: 18");    // module port
    EXPECT_EQ(ports.count(Cell(kPortEntry, 1, "65")), 0u) << "unit 2 is not there";

    const auto modules = tools_.Walk(GetParam(), kSubUnitEntry);
    for (const int column : {3, 4, 5, 6}) EXPECT_EQ(CountColumn(modules, kSubUnitEntry, column), 3u) << column;
    EXPECT_EQ(modules.at(Cell(kSubUnitEntry, 3, "1")), "STRING: \"Selvor\"");
    EXPECT_EQ(modules.at(Cell(kSubUnitEntry, 3, "2")), "STRING: \"-\"");
    EXPECT_EQ(modules.at(Cell(kSubUnitEntry, 3, "3")), "STRING: \"-\"");

    const ToolResult rmon = tools_.Get(GetParam(), {kRmonState});
    ASSERT_EQ(rmon.exitCode, 0) << rmon.err;
    EXPECT_EQ(ParseVarbinds(rmon.out).at(kRmonState), "INTEGER: 3");
}

TEST_P(SimStackByVersion, CreateAndGoRowIsServedAndTracedAndDestroyRemovesIt) {
    stack_.ClearTrace();
    const ToolResult created = tools_.Set(GetParam(), {Cell(kSyslogHost, 7, "2"), "i", "4",
                                                       Cell(kSyslogHost, 2, "2"), "a", "10.0.0.7",
                                                       Cell(kSyslogHost, 3, "2"), "i", "5"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(stack_.TraceLines(), (std::vector<std::string>{
                                       Cell(kSyslogHost, 7, "2") + " integer 4",
                                       Cell(kSyslogHost, 2, "2") + " ipaddress 10.0.0.7",
                                       Cell(kSyslogHost, 3, "2") + " integer 5",
                                   }));

    auto rows = tools_.Walk(GetParam(), kSyslogHost);
    EXPECT_EQ(rows.at(Cell(kSyslogHost, 2, "2")), "IpAddress: 10.0.0.7");
    EXPECT_EQ(rows.at(Cell(kSyslogHost, 3, "2")), "INTEGER: 5");
    EXPECT_EQ(rows.at(Cell(kSyslogHost, 5, "2")), "INTEGER: 514") << "a column the set left out takes its default";
    EXPECT_EQ(rows.at(Cell(kSyslogHost, 7, "2")), "INTEGER: 1") << "createAndGo leaves the row active";

    // active on an existing row changes nothing
    ASSERT_EQ(tools_.Set(GetParam(), {Cell(kSyslogHost, 7, "2"), "i", "1"}).exitCode, 0);
    EXPECT_EQ(tools_.Walk(GetParam(), kSyslogHost), rows);

    const ToolResult destroyed = tools_.Set(GetParam(), {Cell(kSyslogHost, 7, "2"), "i", "6"});
    ASSERT_EQ(destroyed.exitCode, 0) << destroyed.err;
    rows = tools_.Walk(GetParam(), kSyslogHost);
    EXPECT_EQ(rows.count(Cell(kSyslogHost, 2, "2")), 0u);
    EXPECT_EQ(rows.count(Cell(kSyslogHost, 2, "1")), 1u) << "the other row stays";
    EXPECT_EQ(CountColumn(rows, kSyslogHost, 7), 1u);
}

TEST_P(SimStackByVersion, RefusedMultiVarbindSetChangesNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> triples;
    } cases[] = {
        {"bad value in the last varbind",
         {kSysName, "s", "changed", Cell(kSyslogHost, 7, "3"), "i", "4", Cell(kSyslogHost, 3, "3"), "i", "9"}},
        {"createAndGo on an existing row",
         {kSysName, "s", "changed", Cell(kSyslogHost, 3, "1"), "i", "7", Cell(kSyslogHost, 7, "1"), "i", "4"}},
        {"a read-only object among writable ones",
         {kSysName, "s", "changed", kRmonState, "i", "2", Cell(kUnitEntry, 14, "1"), "i", "9",
          Cell(kUnitEntry, 9, "1"), "s", "9.99"}},
    };
    // Our objects only: net-snmp's own engine time and counters move on their own.
    auto snapshot = [this] {
        auto objects = tools_.Walk(GetParam(), "1.3.6.1.4.1");
        objects.merge(tools_.Walk(GetParam(), "1.3.6.1.2.1.1"));
        return objects;
    };
    const auto before = snapshot();
    for (const Case& c : cases) {
        const ToolResult refused = tools_.Set(GetParam(), c.triples);
        EXPECT_NE(refused.exitCode, 0) << c.what;
        EXPECT_EQ(snapshot(), before) << c.what;
    }
}

// Missing instances, unknown columns and the end of the MIB view, in v1 and v2c terms.
TEST(SimStack, GetAndGetNextAnswerMissingObjectsAsTheVersionDemands) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    struct Case {
        const char* tool;
        std::string oid;
        const char* v2cOut;  // what the v2c reply shows
    } cases[] = {
        {"snmpget", Cell(kUnitEntry, 2, "9"), "No Such Instance"},
        {"snmpget", Cell(kUnitEntry, 7, "1"), "No Such Object"},
        {"snmpget", "1.3.6.1.4.1.171.99.0", "No Such Object"},
        {"snmpgetnext", ".1.4", "No more variables left in this MIB View"},
    };
    for (const Case& c : cases) {
        const ToolResult v2c = tools.Run(c.tool, SnmpTools::Credentials(SnmpVersion::V2c, false), {c.oid});
        EXPECT_NE(v2c.out.find(c.v2cOut), std::string::npos) << c.oid << ": " << v2c.out << v2c.err;
        const ToolResult v1 = tools.Run(c.tool, SnmpTools::Credentials(SnmpVersion::V1, false), {c.oid});
        EXPECT_NE(v1.exitCode, 0) << c.oid;
        EXPECT_NE(v1.err.find("noSuchName"), std::string::npos) << c.oid << ": " << v1.err;
    }

    // A get-next on a bare column OID gives the column's first row.
    const ToolResult first = tools.GetNext(SnmpVersion::V1, {kUnitEntry + ".2"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(ParseVarbinds(first.out).count(Cell(kUnitEntry, 2, "1")), 1u) << first.out;
}

TEST(SimStack, GetBulkWalkGivesWhatGetNextWalkGives) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    EXPECT_EQ(tools.Walk(SnmpVersion::V2c, kPortCtrlEntry, "snmpbulkwalk"),
              tools.Walk(SnmpVersion::V2c, kPortCtrlEntry, "snmpwalk"));
}

// Every set error in v2c terms, and as a v1 manager sees it.
TEST(SimStack, SetErrorsHaveTheirStatusAndTheirV1Mapping) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    struct Case {
        std::vector<std::string> triples;
        const char* v2c;
        const char* v1;
    } cases[] = {
        {{kSysName, "i", "1"}, "wrongType", "(badValue)"},
        {{kSysName, "s", std::string(256, 'x')}, "wrongLength", "(badValue)"},
        {{kRmonState, "i", "5"}, "wrongValue", "(badValue)"},
        {{Cell(kUnitEntry, 2, "1"), "i", "1"}, "notWritable", "(noSuchName)"},
        {{Cell(kPortCtrlEntry, 3, "70"), "i", "2"}, "noCreation", "(noSuchName)"},          // unit 2 is absent
        {{Cell(kSyslogHost, 3, "4"), "i", "1"}, "noCreation", "(noSuchName)"},              // no row, no createAndGo
        {{Cell(kSyslogHost, 7, "9"), "i", "4"}, "noCreation", "(noSuchName)"},              // index out of range
        {{Cell(kSyslogHost, 7, "1"), "i", "4"}, "inconsistentValue", "(badValue)"},         // createAndGo, row exists
        {{Cell(kSyslogHost, 7, "3"), "i", "1"}, "inconsistentValue", "(badValue)"},         // active, no row
        {{Cell(kSyslogHost, 7, "1"), "i", "3"}, "wrongValue", "(badValue)"},                // notReady is never set
        {{"1.3.6.1.4.1.171.99.0", "i", "1"}, "notWritable", "(noSuchName)"},                // nothing there at all
    };
    for (const Case& c : cases) {
        const std::string failed = "Failed object: ." + c.triples[0];
        const ToolResult v2c = tools.Set(SnmpVersion::V2c, c.triples);
        EXPECT_NE(v2c.err.find(std::string("Reason: ") + c.v2c), std::string::npos) << c.triples[0] << v2c.err;
        EXPECT_NE(v2c.err.find(failed), std::string::npos) << v2c.err;
        const ToolResult v1 = tools.Set(SnmpVersion::V1, c.triples);
        EXPECT_NE(v1.err.find(std::string("Reason: ") + c.v1), std::string::npos) << c.triples[0] << v1.err;
    }
}

TEST(SimStack, ValidInvalidColumnCreatesAndRemovesRows) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::string index = "3.100.110.115.10.1.1.1";  // "dns", 10.1.1.1
    const std::string state = Cell(kDnsStatic, 3, index);
    ASSERT_EQ(tools.Set(SnmpVersion::V2c, {state, "i", "3"}).exitCode, 0);
    auto rows = tools.Walk(SnmpVersion::V2c, kDnsStatic);
    EXPECT_EQ(rows.at(state), "INTEGER: 3");
    EXPECT_EQ(rows.size(), 2u);

    ASSERT_EQ(tools.Set(SnmpVersion::V2c, {state, "i", "2"}).exitCode, 0);
    rows = tools.Walk(SnmpVersion::V2c, kDnsStatic);
    EXPECT_EQ(rows.count(state), 0u);
    EXPECT_EQ(rows.size(), 1u);
}

TEST(SimStack, LedStringsAreLaidOutPerModel) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const auto leds = tools.Walk(SnmpVersion::V2c, kUnitEntry + ".6");

    const auto kestrix = HexOctets(leds.at(Cell(kUnitEntry, 6, "1")));
    ASSERT_EQ(kestrix.size(), 108u);  // up to the SIO LEDs at 104 and 106
    EXPECT_EQ(kestrix[0], 0x02u);     // power
    EXPECT_EQ(kestrix[1], 0x02u);     // master
    EXPECT_EQ(kestrix[4], 0x82u);     // port 1: link with activity
    EXPECT_EQ(kestrix[5], 0x02u);
    EXPECT_EQ(kestrix[6], 0x02u);     // port 2: link
    EXPECT_EQ(kestrix[8], 0x00u);     // port 3: no link
    EXPECT_EQ(kestrix[100], 0x82u);   // port 49, the module's first port

    const auto tallix = HexOctets(leds.at(Cell(kUnitEntry, 6, "3")));
    ASSERT_EQ(tallix.size(), 64u);    // up to the single LEDs at 52..62
    EXPECT_EQ(tallix[1], 0x00u);      // a slave's master LED is off
    EXPECT_EQ(tallix[10], 0x82u);     // port 4

    EXPECT_EQ(leds.at(Cell(kUnitEntry, 6, "2")), "\"\"") << "an absent unit has no LEDs";
}

TEST(SimStack, ReadCommunityCannotWriteAndStrangersGetNoAnswer) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const std::vector<std::string> triple = {kSysName, "s", "changed"};
    const ToolResult v2c = tools.Run("snmpset", SnmpTools::Credentials(SnmpVersion::V2c, false), triple);
    EXPECT_NE(v2c.err.find("Reason: noAccess"), std::string::npos) << v2c.err;
    const ToolResult v1 = tools.Run("snmpset", SnmpTools::Credentials(SnmpVersion::V1, false), triple);
    EXPECT_NE(v1.err.find("Reason: (noSuchName)"), std::string::npos) << v1.err;

    const ToolResult stranger = tools.Run("snmpget", {"-v2c", "-c", "nobody", "-t", "1", "-r", "0"}, {kSysName});
    EXPECT_NE(stranger.err.find("Timeout"), std::string::npos) << stranger.err;
}

TEST(SimStack, V3UserWithAWrongPasswordIsRefused) {
    SimStackProcess stack;
    SnmpTools tools(stack);
    const auto& user = simstack::DefaultShaUser;
    struct Case {
        const char* what;
        std::vector<std::string> options;
        const char* error;
    } cases[] = {
        {"wrong authentication password",
         {"-v3", "-l", "authPriv", "-u", user.name, "-a", "SHA", "-A", "not-the-password", "-x", "DES", "-X",
          user.privPassword},
         "Authentication failure"},
        {"right password, wrong protocol",
         {"-v3", "-l", "authPriv", "-u", user.name, "-a", "MD5", "-A", user.authPassword, "-x", "DES", "-X",
          user.privPassword},
         "Authentication failure"},
        {"unknown user",
         {"-v3", "-l", "authPriv", "-u", "nobody", "-a", "SHA", "-A", user.authPassword, "-x", "DES", "-X",
          user.privPassword},
         "Unknown user name"},
        {"below the user's security level",
         {"-v3", "-l", "authNoPriv", "-u", user.name, "-a", "SHA", "-A", user.authPassword},
         "authorizationError"},
    };
    for (const Case& c : cases) {
        const ToolResult result = tools.Run("snmpget", c.options, {kSysName});
        EXPECT_NE(result.exitCode, 0) << c.what;
        EXPECT_NE((result.err + result.out).find(c.error), std::string::npos) << c.what << ": " << result.err
                                                                               << result.out;
        EXPECT_EQ(result.out.find("kestrix-stack"), std::string::npos) << c.what;
    }
}

TEST(SimStack, CredentialsComeFromTheCommandLine) {
    SimStackProcess stack(SimStackProcess::DefaultDescriptionPath(),
                          {"--read-community", "ro-words", "--write-community", "rw-words", "--user",
                           "operator:SHA:operator-auth:DES:operator-priv"});
    SnmpTools tools(stack);
    EXPECT_EQ(tools.Run("snmpget", {"-v2c", "-c", "ro-words"}, {kSysName}).exitCode, 0);
    EXPECT_EQ(tools.Run("snmpset", {"-v1", "-c", "rw-words"}, {kSysName, "s", "renamed"}).exitCode, 0);
    const ToolResult v3 = tools.Run("snmpget",
                                    {"-v3", "-l", "authPriv", "-u", "operator", "-a", "SHA", "-A", "operator-auth",
                                     "-x", "DES", "-X", "operator-priv"},
                                    {kSysName});
    ASSERT_EQ(v3.exitCode, 0) << v3.err;
    EXPECT_EQ(ParseVarbinds(v3.out).at(kSysName), "STRING: \"renamed\"");
    const ToolResult old = tools.Run("snmpget", {"-v2c", "-c", simstack::DefaultReadCommunity, "-t", "1", "-r", "0"},
                                     {kSysName});
    EXPECT_NE(old.exitCode, 0) << "the default community is replaced";
}

}  // namespace
