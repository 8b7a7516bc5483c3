// The access-control tables of the default stack as a switch keeps them:
// profile and rule IDs within their ranges, values within their enumerations,
// ranges and sizes, rules only under a profile of their own kind, the rules
// going with their profile and an IPv4 rule's protocol following its profile.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SnmpTools.h"
#include "simstack/SimStackProcess.h"

namespace {

// 1.3.6.1.4.1.171.12.9.G.T: G the kind of table, T the packet type.
enum Group { IngressProfiles = 2, IngressRules = 3, CpuProfiles = 4, CpuRules = 5 };
enum PacketType { Ethernet = 1, Ipv4 = 2, UserDefined = 3, Ipv6 = 4 };

std::string AclColumn(int group, int type, int column) {
    return "1.3.6.1.4.1.171.12.9." + std::to_string(group) + "." + std::to_string(type) + ".1." +
           std::to_string(column);
}

std::string AclCell(int group, int type, int column, const std::string& index) {
    return AclColumn(group, type, column) + "." + index;
}

// The row-status column of each table.
int RowStatusColumn(int group, int type) {
    const bool profile = group == IngressProfiles || group == CpuProfiles;
    switch (type) {
        case Ethernet: return profile ? 8 : group == IngressRules ? 15 : 9;
        case Ipv4: return profile ? 18 : group == IngressRules ? 22 : 16;
        case UserDefined: return profile ? 7 : group == IngressRules ? 15 : 9;
        default: return profile ? 7 : group == IngressRules ? 12 : 8;
    }
}

std::string RowStatus(int group, int type, const std::string& index) {
    return AclCell(group, type, RowStatusColumn(group, type), index);
}

std::string Hex(size_t octets) { return std::string(2 * octets, 'f'); }

// The row indexes of a table, from its row-status column.
std::set<std::string> RowsOf(const SnmpTools& tools, int group, int type) {
    const std::string column = AclColumn(group, type, RowStatusColumn(group, type)) + ".";
    std::set<std::string> rows;
    for (const auto& [oid, value] : tools.Walk(SnmpVersion::V2c, column.substr(0, column.size() - 1))) {
        if (oid.starts_with(column)) rows.insert(oid.substr(column.size()));  // an empty column walks to nothing
    }
    return rows;
}

class AclTables : public testing::Test {
protected:
    std::map<std::string, std::string> WalkAcl() const { return tools_.Walk(SnmpVersion::V2c, "1.3.6.1.4.1.171.12.9"); }

    SimStackProcess stack_;
    SnmpTools tools_{stack_};
};

// Each refusal in v2c terms and as a v1 manager sees it; none changes a table.
TEST_F(AclTables, SetsOutsideWhatTheSwitchKeepsAreRefused) {
    struct Case {
        const char* what;
        std::vector<std::string> triples;
        const char* v2c;
        const char* v1;
    } cases[] = {
        {"ingress Ethernet profile above 255", {RowStatus(IngressProfiles, Ethernet, "256"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"CPU Ethernet profile above 5", {RowStatus(CpuProfiles, Ethernet, "6"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"IPv4 profile 0", {RowStatus(IngressProfiles, Ipv4, "0"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"IPv6 profile above 8", {RowStatus(CpuProfiles, Ipv6, "9"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"ingress Ethernet access ID above 65535", {RowStatus(IngressRules, Ethernet, "1.65536"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"CPU Ethernet access ID 0", {RowStatus(CpuRules, Ethernet, "1.0"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"ingress IPv4 access ID above 255", {RowStatus(IngressRules, Ipv4, "1.256"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"CPU user-defined access ID 0", {RowStatus(CpuRules, UserDefined, "1.0"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"CPU IPv6 access ID above 100", {RowStatus(CpuRules, Ipv6, "1.101"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"IPv6 rule under profile 9", {RowStatus(IngressRules, Ipv6, "9.1"), "i", "4"}, "noCreation", "(noSuchName)"},
        {"a rule index without its access ID", {RowStatus(IngressRules, Ipv4, "1"), "i", "4"}, "noCreation", "(noSuchName)"},

        {"use VLAN outside enabled/disabled", {AclCell(IngressProfiles, Ipv4, 2, "1"), "i", "3"}, "wrongValue", "(badValue)"},
        {"protocol type 7", {AclCell(CpuProfiles, Ipv4, 7, "1"), "i", "7"}, "wrongValue", "(badValue)"},
        {"MAC mask state 5", {AclCell(IngressProfiles, Ethernet, 3, "1"), "i", "5"}, "wrongValue", "(badValue)"},
        {"IPv6 address mask state 0", {AclCell(IngressProfiles, Ipv6, 4, "1"), "i", "0"}, "wrongValue", "(badValue)"},
        {"TCP flag bit mask above 63", {AclCell(IngressProfiles, Ipv4, 15, "1"), "i", "64"}, "wrongValue", "(badValue)"},
        {"priority above 7", {AclCell(IngressRules, Ipv4, 16, "1.1"), "i", "8"}, "wrongValue", "(badValue)"},
        {"802.1p above 7", {AclCell(CpuRules, Ethernet, 6, "1.1"), "i", "8"}, "wrongValue", "(badValue)"},
        {"replace DSCP above 63", {AclCell(IngressRules, UserDefined, 12, "1.1"), "i", "64"}, "wrongValue", "(badValue)"},
        {"destination port above 65535", {AclCell(CpuRules, Ipv4, 11, "1.1"), "i", "65536"}, "wrongValue", "(badValue)"},
        {"ingress permit 4", {AclCell(IngressRules, Ipv6, 10, "1.1"), "i", "4"}, "wrongValue", "(badValue)"},
        {"mirror on the CPU filter", {AclCell(CpuRules, Ipv4, 15, "1.1"), "i", "3"}, "wrongValue", "(badValue)"},
        {"createAndWait", {RowStatus(IngressProfiles, Ipv4, "4"), "i", "5"}, "wrongValue", "(badValue)"},
        {"notInService", {RowStatus(IngressRules, Ethernet, "1.1"), "i", "2"}, "wrongValue", "(badValue)"},

        {"MAC mask of 5 octets", {AclCell(IngressProfiles, Ethernet, 4, "1"), "x", Hex(5)}, "wrongLength", "(badValue)"},
        {"MAC address of 7 octets", {AclCell(CpuRules, Ethernet, 5, "1.1"), "x", Hex(7)}, "wrongLength", "(badValue)"},
        {"port list of 95 octets", {AclCell(IngressRules, Ipv4, 21, "1.1"), "x", Hex(95)}, "wrongLength", "(badValue)"},
        {"port list of 97 octets", {AclCell(IngressRules, Ipv6, 11, "1.1"), "x", Hex(97)}, "wrongLength", "(badValue)"},
        {"VLAN name of 33 characters", {AclCell(IngressRules, Ethernet, 3, "1.1"), "s", std::string(33, 'v')}, "wrongLength", "(badValue)"},
        {"packet window of 17 octets", {AclCell(CpuProfiles, UserDefined, 2, "1"), "x", Hex(17)}, "wrongLength", "(badValue)"},
        {"port mask of 3 octets", {AclCell(IngressProfiles, Ipv4, 12, "1"), "x", Hex(3)}, "wrongLength", "(badValue)"},
        {"user mask of 5 octets", {AclCell(CpuRules, Ipv4, 14, "1.1"), "x", Hex(5)}, "wrongLength", "(badValue)"},
        {"IPv6 address of 17 octets", {AclCell(IngressRules, Ipv6, 5, "1.1"), "x", Hex(17)}, "wrongLength", "(badValue)"},
        {"flow label of 5 octets", {AclCell(CpuRules, Ipv6, 4, "1.1"), "x", Hex(5)}, "wrongLength", "(badValue)"},

        {"IPv4 rule under no profile", {RowStatus(IngressRules, Ipv4, "9.1"), "i", "4"}, "inconsistentName", "(noSuchName)"},
        {"CPU rule under an ingress-only profile", {RowStatus(CpuRules, Ipv4, "3.1"), "i", "4"}, "inconsistentName", "(noSuchName)"},
        {"IPv6 rule under an IPv4-only profile", {RowStatus(IngressRules, Ipv6, "3.1"), "i", "4"}, "inconsistentName", "(noSuchName)"},
        {"CPU Ethernet rule under a missing profile",
         {RowStatus(CpuRules, Ethernet, "3.4"), "i", "4", AclCell(CpuRules, Ethernet, 8, "3.4"), "i", "1"},
         "inconsistentName", "(noSuchName)"},

        {"the protocol of a rule", {AclCell(IngressRules, Ipv4, 7, "1.1"), "i", "5"}, "notWritable", "(noSuchName)"},
    };
    const auto before = WalkAcl();
    for (const Case& c : cases) {
        const ToolResult v2c = tools_.Set(SnmpVersion::V2c, c.triples);
        EXPECT_NE(v2c.err.find(std::string("Reason: ") + c.v2c), std::string::npos) << c.what << ": " << v2c.err;
        const ToolResult v1 = tools_.Set(SnmpVersion::V1, c.triples);
        EXPECT_NE(v1.err.find(std::string("Reason: ") + c.v1), std::string::npos) << c.what << ": " << v1.err;
    }
    EXPECT_EQ(WalkAcl(), before) << "a refused set changes nothing";

    // The edges of every range are taken.
    const std::vector<std::string> edges[] = {
        {RowStatus(CpuProfiles, Ethernet, "5"), "i", "4"},
        {RowStatus(IngressProfiles, Ethernet, "255"), "i", "4"},
        {RowStatus(IngressProfiles, Ipv6, "8"), "i", "4"},
        {RowStatus(IngressRules, Ethernet, "1.0"), "i", "4"},
        {RowStatus(IngressRules, Ethernet, "1.65535"), "i", "4"},
        {RowStatus(CpuRules, Ipv6, "1.100"), "i", "4"},
        {RowStatus(IngressRules, Ipv4, "1.255"), "i", "4", AclCell(IngressRules, Ipv4, 16, "1.255"), "i", "7",
         AclCell(IngressRules, Ipv4, 21, "1.255"), "x", Hex(96), AclCell(IngressRules, Ipv4, 3, "1.255"), "s",
         std::string(32, 'v'), AclCell(IngressRules, Ipv4, 14, "1.255"), "x", Hex(4)},
        {AclCell(IngressProfiles, Ethernet, 4, "1"), "x", Hex(6), AclCell(IngressProfiles, Ipv4, 12, "1"), "x", Hex(2)},
    };
    for (const auto& triples : edges) {
        const ToolResult taken = tools_.Set(SnmpVersion::V2c, triples);
        EXPECT_EQ(taken.exitCode, 0) << triples[0] << ": " << taken.err;
    }
}

// Destroying a profile takes its rules with it, and no rule of another
// profile, of the same ID in the other filter or of another packet type.
TEST_F(AclTables, DestroyingAProfileRemovesItsRulesOnly) {
    for (const int type : {Ethernet, Ipv4, UserDefined, Ipv6}) {
        for (const auto& [profiles, rules, twinRules] :
             {std::tuple{IngressProfiles, IngressRules, CpuRules}, std::tuple{CpuProfiles, CpuRules, IngressRules}}) {
            SCOPED_TRACE("packet type " + std::to_string(type) + ", profile group " + std::to_string(profiles));
            const auto before = RowsOf(tools_, rules, type);
            const auto twinBefore = RowsOf(tools_, twinRules, type);
            ASSERT_TRUE(before.contains("1.1")) << "the default stack seeds a rule under profile 1";

            const ToolResult destroyed = tools_.Set(SnmpVersion::V2c, {RowStatus(profiles, type, "1"), "i", "6"});
            ASSERT_EQ(destroyed.exitCode, 0) << destroyed.err;

            std::set<std::string> expected;
            for (const std::string& rule : before) {
                if (!rule.starts_with("1.")) expected.insert(rule);
            }
            EXPECT_EQ(RowsOf(tools_, rules, type), expected);
            EXPECT_EQ(RowsOf(tools_, twinRules, type), twinBefore);
            EXPECT_FALSE(RowsOf(tools_, profiles, type).contains("1"));
        }
    }
    EXPECT_TRUE(RowsOf(tools_, IngressRules, Ipv4).contains("2.1")) << "an IPv4 rule of profile 2 stays";
    EXPECT_TRUE(RowsOf(tools_, CpuRules, Ethernet).contains("2.1")) << "a CPU Ethernet rule of profile 2 stays";

    // A profile made again under the same ID starts without rules.
    ASSERT_EQ(tools_.Set(SnmpVersion::V2c, {RowStatus(IngressProfiles, Ipv4, "1"), "i", "4"}).exitCode, 0);
    EXPECT_FALSE(RowsOf(tools_, IngressRules, Ipv4).contains("1.1"));
}

// The read-only protocol of an IPv4 rule is its profile's protocol type: on
// creation and whenever the profile's type changes.
TEST_F(AclTables, Ipv4RuleProtocolFollowsItsProfile) {
    for (const auto& [profiles, ruleGroup] : {std::pair{IngressProfiles, IngressRules}, std::pair{CpuProfiles, CpuRules}}) {
        SCOPED_TRACE("profile group " + std::to_string(profiles));
        const auto rules = ruleGroup;  // a named copy: a lambda may not capture a binding in Clang 14
        auto protocolOf = [&](const std::string& rule) {
            const std::string cell = AclCell(rules, Ipv4, 7, rule);
            const ToolResult read = tools_.Get(SnmpVersion::V2c, {cell});
            return ParseVarbinds(read.out)[cell];
        };
        const std::string otherRule = "2.1";
        const std::string otherBefore = protocolOf(otherRule);

        ASSERT_EQ(tools_.Set(SnmpVersion::V2c, {AclCell(profiles, Ipv4, 7, "1"), "i", "6"}).exitCode, 0);
        EXPECT_EQ(protocolOf("1.1"), "INTEGER: 6");
        EXPECT_EQ(protocolOf("1.2"), "INTEGER: 6");
        EXPECT_EQ(protocolOf(otherRule), otherBefore) << "a rule of another profile keeps its protocol";

        // A new profile (udp) and then a rule under it, which takes the profile's type.
        ASSERT_EQ(tools_.Set(SnmpVersion::V2c, {RowStatus(profiles, Ipv4, "7"), "i", "4",
                                                AclCell(profiles, Ipv4, 7, "7"), "i", "5"}).exitCode, 0);
        ASSERT_EQ(tools_.Set(SnmpVersion::V2c, {RowStatus(rules, Ipv4, "7.9"), "i", "4",
                                                AclCell(rules, Ipv4, 11, "7.9"), "i", "53"}).exitCode, 0);
        EXPECT_EQ(protocolOf("7.9"), "INTEGER: 5");
    }

    // Columns a creating set leaves out: sizes kept (MAC six zero octets, port list 96).
    const std::string ports = AclCell(IngressRules, Ipv4, 21, "7.9");
    EXPECT_EQ(HexOctets(ParseVarbinds(tools_.Get(SnmpVersion::V2c, {ports}).out)[ports]), std::vector<unsigned>(96, 0));
    ASSERT_EQ(tools_.Set(SnmpVersion::V2c, {RowStatus(IngressProfiles, Ethernet, "9"), "i", "4"}).exitCode, 0);
    const std::string mac = AclCell(IngressProfiles, Ethernet, 4, "9");
    EXPECT_EQ(HexOctets(ParseVarbinds(tools_.Get(SnmpVersion::V2c, {mac}).out)[mac]), std::vector<unsigned>(6, 0));
}

}  // namespace
