// What the access-control editors write, decided from a snapshot of the
// form: the sixteen table records against the catalogue, the IPv4 profile and
// rule leave-outs as tables of cases, the checks before a write.

#include <gtest/gtest.h>

#include <string>

#include "acl/Ipv4AclWrites.h"
#include "common/VxOptionList.h"
#include "framework/SnmpVarItem.h"
#include "tests/acl/AclWriteCases.h"

namespace {

using namespace acl_cases;

int CatalogueLength(const SnmpVarItem* items) {
    int n = 0;
    while (items[n].ObjectId) ++n;
    return n;
}

std::string Label(const AclTable& table, int item) { return table.Items[item].Label; }

// Every item position a record names lies in its table and is the item it
// means; the CPU-filter twin of a table is never longer than the ingress one.
TEST(AclTableRecords, MatchTheCatalogue) {
    ASSERT_EQ(AclTables().size(), 16u);
    for (const AclTable& table : AclTables()) {
        SCOPED_TRACE(table.Oid);
        EXPECT_EQ(table.ItemCount, CatalogueLength(table.Items));
        EXPECT_EQ(std::string(table.Items[0].ObjectId), std::string(table.Oid) + ".1.1");
        EXPECT_EQ(table.IndexCount, table.IsRule ? 2 : 1);
        EXPECT_EQ(table.RowStatusItem, table.ItemCount - 1);
        const auto* rowStatus = dynamic_cast<const VxOptionList*>(table.Items[table.RowStatusItem].Options);
        ASSERT_NE(rowStatus, nullptr);
        EXPECT_EQ(RowStatusEntry(*rowStatus, RowCreateAndGo), 1);
        EXPECT_EQ(RowStatusEntry(*rowStatus, RowDestroy), 2);
        for (int item : {table.PermitItem, table.FirstActionItem, table.LastActionItem, table.PortItem})
            EXPECT_TRUE(item == -1 || (item >= table.IndexCount && item < table.RowStatusItem)) << item;
        EXPECT_EQ(table.IsRule, table.PermitItem >= 0);
        if (table.PermitItem >= 0) {
            EXPECT_NE(Label(table, table.PermitItem).find("Permit"), std::string::npos);
        }
        if (table.PortItem >= 0) {
            EXPECT_EQ(Label(table, table.PortItem), "Port");
            EXPECT_EQ(table.Items[table.PortItem].Syntax, static_cast<uint32_t>(sxBitStr));
        }
        if (table.FirstActionItem >= 0) {
            EXPECT_NE(Label(table, table.FirstActionItem).find("Enable Priority"), std::string::npos);
            EXPECT_LT(table.FirstActionItem, table.LastActionItem);
            EXPECT_LT(table.LastActionItem, table.PermitItem);
        }
        // Ingress rules act and name ports; CPU-filter rules do neither.
        const bool ingressRule = table.IsRule && table.Filter == AclFilter::Ingress;
        EXPECT_EQ(ingressRule, table.PortItem >= 0);
        EXPECT_EQ(ingressRule, table.FirstActionItem >= 0);
        EXPECT_EQ(table.Type == AclPacketType::Ipv4 && !table.IsRule, table.DuplicateMessage == nullptr);
        // The IPv6 tables' source and destination address or mask, octet strings of no given length.
        EXPECT_EQ(table.Ipv6AddressItems.size(), table.Type == AclPacketType::Ipv6 ? 2u : 0u);
        for (int item : table.Ipv6AddressItems) {
            EXPECT_NE(Label(table, item).find("IPv6"), std::string::npos) << item;
            EXPECT_EQ(table.Items[item].Syntax, static_cast<uint32_t>(sxOctetStr)) << item;
        }
    }
    for (size_t k = 0; k < 8; ++k) {
        const AclTable& ingress = AclTables()[k];
        const AclTable& cpu = AclTables()[k + 8];
        EXPECT_EQ(ingress.Type, cpu.Type);
        EXPECT_EQ(ingress.IsRule, cpu.IsRule);
        EXPECT_EQ(cpu.Filter, AclFilter::Cpu);
        EXPECT_LE(cpu.ItemCount, ingress.ItemCount) << cpu.Oid;
    }
    EXPECT_EQ(&cpuFilterIpv4RuleTable, &AclTables()[13].get());
}

const AclTable& IngressProfiles() { return aclIpv4ProfileTable; }
const AclTable& IngressRules() { return aclIpv4RuleTable; }
const AclTable& CpuRules() { return cpuFilterIpv4RuleTable; }

// A profile form: both address masks, both port masks, the flag mask and
// the protocol-ID mask filled, as the case's combos say.
RowSnapshot ProfileForm(const std::map<int, RowCombo>& combos, std::map<int, std::string> edits = {
                                {ipProfileId, "7"}, {ipSrcMask, "255.255.0.0"}, {ipDstMask, "255.0.0.0"},
                                {ipSrcPortMask, "FFFF"}, {ipDstPortMask, "FF00"}, {ipTcpFlagMask, "63"},
                                {ipProtocolIdMask, "000000FF"}}) {
    RowSnapshot form;
    form.Combos = {{ipUseVlan, {"disabled", 1}}, {ipMaskState, {"dst-src-ip-addr", 3}}, {ipUseDscp, {"disabled", 1}},
                   {ipIcmpOption, {"none", 0}}, {ipIgmpOption, {"disable", 1}}, {ipTcpOption, {"other", 0}},
                   {ipUdpOption, {"other", 0}}, {ipTcpFlag, {"disable", 1}}, {ipProtocolIdOption, {"disable", 1}},
                   {ipProfileRowStatus, {"active", 0}}};
    for (const auto& [item, combo] : combos) form.Combos[item] = combo;
    form.Edits = std::move(edits);
    return form;
}

const RowCombo Tcp{"tcp", 3}, Udp{"udp", 4}, Icmp{"icmp", 1}, Igmp{"igmp", 2}, ProtocolId{"protocolId", 5};

struct ProfileCase {
    const char* Name;
    std::map<int, RowCombo> Combos;
    RowItems Carried;
};

// Set and Add of a profile: 1, 2, 5, 6 and the row status always go; the
// rest as the mask state, options, protocol type and edits choose.
TEST(Ipv4ProfileLeftOut, CarriesWhatTheProtocolAndOptionsChoose) {
    const RowItems always{ipUseVlan, ipMaskState, ipUseDscp, ipProtocolType, ipProfileRowStatus};
    auto with = [&](RowItems more) {
        more.merge(RowItems(always));
        return more;
    };
    const ProfileCase cases[] = {
        {"tcp, destination port option: the destination mask, not the source one",
         {{ipProtocolType, Tcp}, {ipTcpOption, {"dst-addr", 1}}, {ipTcpFlag, {"enable", 0}}},
         with({ipSrcMask, ipDstMask, ipTcpOption, ipDstPortMask, ipTcpFlag, ipTcpFlagMask})},
        {"tcp with the flag bits disabled: no flag mask",
         {{ipProtocolType, Tcp}, {ipTcpOption, {"src-addr", 2}}},
         with({ipSrcMask, ipDstMask, ipTcpOption, ipSrcPortMask, ipTcpFlag})},
        {"udp, both port options: both masks, nothing of tcp",
         {{ipProtocolType, Udp}, {ipUdpOption, {"dst-src-addr", 3}}, {ipMaskState, {"other", 0}},
          {ipTcpFlag, {"enable", 0}}},
         with({ipUdpOption, ipSrcPortMask, ipDstPortMask})},
        {"icmp without an option: nothing of 7 to 16", {{ipProtocolType, Icmp}}, with({ipSrcMask, ipDstMask})},
        {"icmp with an option", {{ipProtocolType, Icmp}, {ipIcmpOption, {"type", 1}}},
         with({ipSrcMask, ipDstMask, ipIcmpOption})},
        {"igmp", {{ipProtocolType, Igmp}, {ipMaskState, {"src-ip-addr", 2}}}, with({ipSrcMask, ipIgmpOption})},
        {"protocol ID enabled", {{ipProtocolType, ProtocolId}, {ipProtocolIdOption, {"enable", 0}}},
         with({ipSrcMask, ipDstMask, ipProtocolIdOption, ipProtocolIdMask})},
        {"protocol ID disabled: no protocol-ID mask", {{ipProtocolType, ProtocolId}},
         with({ipSrcMask, ipDstMask, ipProtocolIdOption})},
        {"destination addresses only", {{ipMaskState, {"dst-ip-addr", 1}}, {ipProtocolType, {"none", 0}}},
         with({ipDstMask})},
        {"no protocol type chosen: nothing of 7 to 16", {{ipMaskState, {"other", 0}}}, always},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const RowSnapshot form = ProfileForm(c.Combos);
        for (const AclTable* table : {&IngressProfiles(), &cpuFilterIpv4ProfileTable}) {
            EXPECT_EQ(Carried(*table, Ipv4ProfileLeftOut(*table, form, RowWrite::Set)), c.Carried);
            EXPECT_EQ(Carried(*table, Ipv4ProfileLeftOut(*table, form, RowWrite::Add)), c.Carried);
        }
    }
}

TEST(Ipv4ProfileLeftOut, EmptyEditsAreNotSent) {
    const RowSnapshot form = ProfileForm(
        {{ipProtocolType, ProtocolId}, {ipProtocolIdOption, {"enable", 0}}}, {{ipProfileId, "7"}, {ipDstMask, "255.0.0.0"}});
    EXPECT_EQ(Carried(IngressProfiles(), Ipv4ProfileLeftOut(IngressProfiles(), form, RowWrite::Set)),
              (RowItems{ipUseVlan, ipMaskState, ipDstMask, ipUseDscp, ipProtocolType, ipProtocolIdOption,
                        ipProfileRowStatus}));
}

// Delete names the row and destroys it; Set with "destroy" shown is a
// Delete, Add with "destroy" shown (as after every Delete) still carries
// its fields.
TEST(Ipv4ProfileLeftOut, DeleteAndTheDestroyChoice) {
    const AclTable& table = IngressProfiles();
    EXPECT_EQ(Carried(table, Ipv4ProfileLeftOut(table, ProfileForm({}), RowWrite::Delete)),
              RowItems{ipProfileRowStatus});
    const RowSnapshot destroy = ProfileForm({{ipProfileRowStatus, {"destroy", 2}}, {ipProtocolType, Tcp}});
    EXPECT_EQ(ProfileWriteOfSelected(table, destroy), RowWrite::Delete);
    EXPECT_EQ(ProfileWriteOfSelected(table, ProfileForm({})), RowWrite::Set);
    EXPECT_EQ(Ipv4ProfileLeftOut(table, destroy, RowWrite::Add), Ipv4ProfileLeftOut(table, destroy, RowWrite::Set));
    EXPECT_TRUE(Carried(table, Ipv4ProfileLeftOut(table, destroy, RowWrite::Add)).count(ipTcpFlag));
}

TEST(Ipv4ProfileChecks, AddNeedsAnId) {
    RowSnapshot form = ProfileForm({}, {});
    EXPECT_EQ(CheckIpv4Profile(IngressProfiles(), form, RowWrite::Add), (RowRefusal{"IP ID must be set.", 0}));
    EXPECT_EQ(CheckIpv4Profile(cpuFilterIpv4ProfileTable, form, RowWrite::Add),
              (RowRefusal{"Profile ID must be set.", 0}));
    form.Edits[ipProfileId] = "9";
    EXPECT_EQ(CheckIpv4Profile(IngressProfiles(), form, RowWrite::Add), std::nullopt);
}

// A rule form with the given boxes ticked and combos chosen.
RowSnapshot RuleForm(RowItems ticked, std::map<int, RowCombo> combos = {}, bool anyPort = false) {
    RowSnapshot form;
    form.Edits = {{ipRuleProfileId, "1"}, {ipRuleAccessId, "5"}};
    form.Ticked = std::move(ticked);
    form.Combos = std::move(combos);
    form.AnyPortTicked = anyPort;
    return form;
}

TEST(Ipv4RuleLeftOut, CarriesTickedFieldsThatTheProtocolUses) {
    const AclTable& in = IngressRules();
    const AclTable& cpu = CpuRules();
    const RuleCase cases[] = {
        {"Edit with nothing ticked: the port list only", &in, RowWrite::Set, RuleForm({}), {20}},
        {"Add with nothing ticked and no port: the row status only", &in, RowWrite::Add, RuleForm({}), {21}},
        {"Add with a port ticked: the port list too", &in, RowWrite::Add, RuleForm({}, {}, true), {20, 21}},
        {"tcp: ports and flag bits, not type and code", &in, RowWrite::Add,
         RuleForm(Range(7, 11), {{ipRuleProtocol, Tcp}}), {9, 10, 11, 21}},
        {"udp: ports only", &cpu, RowWrite::Add, RuleForm(Range(2, 15), {{ipRuleProtocol, Udp}}),
         {2, 3, 4, 5, 6, 9, 10, 14, 15}},
        {"none: no match item, ticked or not", &in, RowWrite::Set,
         RuleForm(Range(2, 21), {{ipRuleProtocol, {"none", 0}}}), {2, 3, 4, 5, 6, 14, 15, 16, 17, 18, 19, 20, 21}},
        {"icmp: type and code", &cpu, RowWrite::Set, RuleForm(Range(7, 13), {{ipRuleProtocol, Icmp}}), {7, 8}},
        {"igmp: type", &cpu, RowWrite::Set, RuleForm(Range(7, 13), {{ipRuleProtocol, Igmp}}), {7}},
        {"protocol ID: the ID and the user mask", &cpu, RowWrite::Set,
         RuleForm(Range(7, 13), {{ipRuleProtocol, ProtocolId}}), {12, 13}},
        {"no protocol chosen: as ticked", &cpu, RowWrite::Set, RuleForm({8, 13}), {8, 13}},
        {"a ticked deny drops the actions, ticked or not", &in, RowWrite::Add,
         RuleForm(Range(14, 19), {{19, {"deny", 0}}}), {19, 21}},
        {"an unticked deny keeps ticked actions", &in, RowWrite::Add, RuleForm(Range(14, 18), {{19, {"deny", 0}}}),
         {14, 15, 16, 17, 18, 21}},
        {"permit keeps the actions", &in, RowWrite::Set, RuleForm(Range(14, 19), {{19, {"permit", 1}}}),
         {14, 15, 16, 17, 18, 19, 20}},
        {"Edit carries a ticked row status", &in, RowWrite::Set, RuleForm({21}), {20, 21}},
        {"Delete: the row status only", &in, RowWrite::Delete, RuleForm(Range(2, 21), {}, true), {21}},
        {"Delete on the CPU filter", &cpu, RowWrite::Delete, RuleForm(Range(2, 15)), {15}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Carried(*c.Table, Ipv4RuleLeftOut(*c.Table, c.Form, c.Write)), c.Carried);
    }
}

TEST(Ipv4RuleLeftOut, EditWithATickedDestroyDeletes) {
    const AclTable& table = IngressRules();
    EXPECT_EQ(RuleWriteOfSelected(table, RuleForm({21}, {{21, {"destroy", 2}}})), RowWrite::Delete);
    EXPECT_EQ(RuleWriteOfSelected(table, RuleForm({}, {{21, {"destroy", 2}}})), RowWrite::Set);
    EXPECT_EQ(RuleWriteOfSelected(table, RuleForm({21}, {{21, {"active", 0}}})), RowWrite::Set);
}

struct CheckCase {
    const char* Name;
    const AclTable* Table;
    RowWrite Write;
    RowSnapshot Form;
    std::optional<RowRefusal> Refusal;
};

// An Edit that would carry no field is refused; a port list (ingress) or a
// row status (Add) is something to carry.
TEST(Ipv4RuleLeftOut, AWriteThatCarriesNoFieldIsRefused) {
    const AclTable& in = IngressRules();
    const AclTable& cpu = CpuRules();
    const std::optional<RowRefusal> refused = RowRefusal{NoFieldChosen};
    const CheckCase cases[] = {
        {"CPU Edit, nothing ticked", &cpu, RowWrite::Set, RuleForm({}), refused},
        {"CPU Edit, a ticked field the protocol drops", &cpu, RowWrite::Set,
         RuleForm({7}, {{ipRuleProtocol, Udp}}), refused},
        {"CPU Edit, one field ticked", &cpu, RowWrite::Set, RuleForm({8}), std::nullopt},
        {"CPU Add, nothing ticked: the row status", &cpu, RowWrite::Add, RuleForm({}), std::nullopt},
        {"ingress Edit, nothing ticked: the ports", &in, RowWrite::Set, RuleForm({}), std::nullopt},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CheckRuleCarriesAField(*c.Table, Ipv4RuleLeftOut(*c.Table, c.Form, c.Write)), c.Refusal);
    }
    RowItems everything;
    LeaveOutRange(everything, 0, IngressProfiles().ItemCount - 1);
    EXPECT_EQ(CheckRuleCarriesAField(IngressProfiles(), everything), std::nullopt) << "profiles are not rules";
}

TEST(Ipv4RuleChecks, RefuseInTheirOrder) {
    const AclTable& in = IngressRules();
    const AclTable& cpu = CpuRules();
    auto form = [](std::map<int, std::string> edits, RowItems ticked = {}, std::map<int, RowCombo> combos = {}) {
        RowSnapshot f;
        f.Edits = std::move(edits);
        f.Ticked = std::move(ticked);
        f.Combos = std::move(combos);
        f.ListedKeys = {{"1", "1"}, {"1", "2"}, {"3", "1"}};
        return f;
    };
    const std::string duplicate = in.DuplicateMessage;
    const CheckCase cases[] = {
        {"Add without a profile ID", &in, RowWrite::Add, form({{1, "4"}}), RowRefusal{"IP Rule ID must be set.", 0}},
        {"Add without an access ID", &in, RowWrite::Add, form({{0, "1"}}),
         RowRefusal{"IP Rule Access ID must be set.", 1}},
        {"Edit without an ID moves no focus", &cpu, RowWrite::Set, form({{1, "4"}}),
         RowRefusal{"IP Rule ID must be set.", -1}},
        {"a listed pair, whatever the fields", &in, RowWrite::Add, form({{0, "1"}, {1, "2"}, {2, "v10"}}),
         RowRefusal{duplicate, 0}},
        {"a listed pair is no fault on Edit", &in, RowWrite::Set, form({{0, "1"}, {1, "2"}}), std::nullopt},
        {"the same profile under another access ID", &in, RowWrite::Add, form({{0, "1"}, {1, "3"}}), std::nullopt},
        {"the key texts compare exactly", &in, RowWrite::Add, form({{0, "01"}, {1, "2"}}), std::nullopt},
        {"a ticked protocol without a choice", &cpu, RowWrite::Set, form({{0, "1"}, {1, "9"}}, {6}),
         RowRefusal{"Rule Protocol must be chosed.", 6}},
        {"Add with a ticked row status other than createAndGo", &in, RowWrite::Add,
         form({{0, "2"}, {1, "1"}}, {21}, {{21, {"active", 0}}}), RowRefusal{"Row State must be createAndGo.", 21}},
        {"CPU row status", &cpu, RowWrite::Add, form({{0, "2"}, {1, "1"}}, {15}, {{15, {"destroy", 2}}}),
         RowRefusal{"Row State must be createAndGo.", 15}},
        {"an unticked row status is Add's own business", &in, RowWrite::Add,
         form({{0, "2"}, {1, "1"}}, {}, {{21, {"destroy", 2}}}), std::nullopt},
        {"Delete checks nothing", &in, RowWrite::Delete, form({}), std::nullopt},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CheckIpv4Rule(*c.Table, c.Form, c.Write), c.Refusal);
    }
}

// Addresses and octets are checked as the set would carry them: the
// framework's own reading of a bad text would send zeros or shifted octets.
TEST(AclTextChecks, CarriedAddressesAndOctetsMustBeWhole) {
    const AclTable& profiles = IngressProfiles();
    struct Case {
        int Item;
        const char* Text;
        bool Good;
    };
    const Case cases[] = {
        {ipSrcMask, "255.255.0.0", true},   {ipSrcMask, "0.0.0.0", true},    {ipSrcMask, "10.0.0", false},
        {ipSrcMask, "256.1.1.1", false},    {ipSrcMask, "1.2.3.4.5", false}, {ipSrcMask, "1.2.3.", false},
        {ipSrcMask, " 1.2.3.4", true},      {ipSrcMask, "1.2.3.x", false},   {ipSrcPortMask, "FFFF", true},
        {ipSrcPortMask, "00 ff", true},     {ipSrcPortMask, "", false},       {ipSrcPortMask, "FFF", false},
        {ipSrcPortMask, "0G", false},       {ipSrcPortMask, "F F", false},   {ipTcpFlagMask, "63", true},
        {ipTcpFlagMask, "6x", false},       {ipTcpFlagMask, "99999999999", false},  // would wrap to 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Item) + " '" + c.Text + "'");
        RowSnapshot form;
        form.Edits[c.Item] = c.Text;
        const auto refusal = CheckCarriedTexts(profiles, form, {});
        EXPECT_EQ(!refusal.has_value(), c.Good);
        if (refusal) {
            EXPECT_EQ(refusal->FocusItem, c.Item);
        }
        EXPECT_EQ(CheckCarriedTexts(profiles, form, {c.Item}), std::nullopt) << "left out: not looked at";
    }
    RowSnapshot form;
    form.Edits = {{ipSrcMask, "10.1"}};
    EXPECT_EQ(CheckCarriedTexts(profiles, form, {})->Message,
              "IP Address Mask Source must be an IP address: four numbers from 0 to 255 joined by dots, such as "
              "10.90.90.90.");
    // A ticked field left empty is refused rather than sent as zero or as
    // no value, which the switch refuses with the whole set.
    form.Edits = {{ipRuleDscp, ""}};
    EXPECT_EQ(CheckCarriedTexts(IngressRules(), form, {}), (RowRefusal{"DSCP must be set.", ipRuleDscp}));
    form.Edits = {{ipRuleUserMask, ""}};
    EXPECT_EQ(CheckCarriedTexts(IngressRules(), form, {}), (RowRefusal{"User Mask must be set.", ipRuleUserMask}));
}

}  // namespace
