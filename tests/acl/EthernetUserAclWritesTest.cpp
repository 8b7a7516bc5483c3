// What the Ethernet and user-defined (packet-content) editors write, decided
// from a snapshot of the form: their leave-outs as tables of cases on both
// filters' positions, and the checks before a write.

#include <gtest/gtest.h>

#include <string>

#include "acl/EthernetAclWrites.h"
#include "acl/UserAclWrites.h"
#include "tests/acl/AclWriteCases.h"

namespace {

using namespace acl_cases;

const AclTable& EthernetProfiles() { return AclTableOf("TEthernetMaskInformationForm"); }
const AclTable& CpuEthernetProfiles() { return AclTableOf("TCPUEthernetMaskInformationForm"); }
const AclTable& EthernetRules() { return AclTableOf("TEthernetInformationRuleForm"); }
const AclTable& CpuEthernetRules() { return AclTableOf("TCPUEthernetInformationRuleForm"); }
const AclTable& UserProfiles() { return AclTableOf("TUserMaskInfoForm"); }
const AclTable& CpuUserProfiles() { return AclTableOf("TCPUUserMaskInfoForm"); }
const AclTable& UserRules() { return AclTableOf("TUserDefinedInformationRuleForm"); }
const AclTable& CpuUserRules() { return AclTableOf("TCPUUserDefinedInformationRuleForm"); }

AclFormSnapshot EthernetProfileForm(const char* state, int stateIndex, std::map<int, std::string> edits) {
    AclFormSnapshot form;
    form.Combos = {{ethUseVlan, {"disabled", 1}}, {ethMaskState, {state, stateIndex}},
                   {ethUse8021p, {"disabled", 1}}, {ethUseType, {"enabled", 0}},
                   {ethProfileRowStatus, {"createAndGo", 1}}};
    form.Edits = std::move(edits);
    form.Edits[ethProfileId] = "3";
    return form;
}

// The profile's "what a set sends" by mask state, on both filters: the uses
// and the row status always; Add drops the one named mask when it is empty.
TEST(EthernetProfileLeftOut, TheMasksByStateForSetAndAdd) {
    const AclItems always{ethUseVlan, ethMaskState, ethUse8021p, ethUseType, ethProfileRowStatus};
    auto with = [&](AclItems more) {
        more.merge(AclItems(always));
        return more;
    };
    const std::map<int, std::string> both{{ethSrcMask, "FFFFFF000000"}, {ethDstMask, "FFFFFFFFFFFF"}};
    const std::map<int, std::string> none{};
    struct Case {
        const char* State;
        int Index;
        std::map<int, std::string> Edits;
        AclItems Set, Add;
    };
    const Case cases[] = {
        {"other", 0, both, always, always},
        {"dst-mac-addr", 1, both, with({ethDstMask}), with({ethDstMask})},
        {"dst-mac-addr", 1, none, with({ethDstMask}), always},
        {"src-mac-addr", 2, both, with({ethSrcMask}), with({ethSrcMask})},
        {"src-mac-addr", 2, none, with({ethSrcMask}), always},
        {"dst-src-mac-addr", 3, both, with({ethSrcMask, ethDstMask}), with({ethSrcMask, ethDstMask})},
        {"dst-src-mac-addr", 3, none, with({ethSrcMask, ethDstMask}), with({ethSrcMask, ethDstMask})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.State) + (c.Edits.empty() ? ", empty masks" : ""));
        const AclFormSnapshot form = EthernetProfileForm(c.State, c.Index, c.Edits);
        for (const AclTable* table : {&EthernetProfiles(), &CpuEthernetProfiles()}) {
            EXPECT_EQ(Carried(*table, EthernetProfileLeftOut(*table, form, AclWrite::Set)), c.Set);
            EXPECT_EQ(Carried(*table, EthernetProfileLeftOut(*table, form, AclWrite::Add)), c.Add);
        }
    }
    const AclTable& table = EthernetProfiles();
    EXPECT_EQ(Carried(table, EthernetProfileLeftOut(table, EthernetProfileForm("other", 0, both), AclWrite::Delete)),
              AclItems{ethProfileRowStatus});
    AclFormSnapshot destroy = EthernetProfileForm("other", 0, both);
    destroy.Combos[ethProfileRowStatus] = {"destroy", 2};
    EXPECT_EQ(ProfileWriteOfSelected(table, destroy), AclWrite::Delete);
}

struct CheckCase {
    const char* Name;
    const AclTable* Table;
    AclWrite Write;
    AclFormSnapshot Form;
    std::optional<AclRefusal> Refusal;
};

AclFormSnapshot Listed(std::map<int, std::string> edits, std::map<int, AclCombo> combos = {}, AclItems ticked = {}) {
    AclFormSnapshot f;
    f.Edits = std::move(edits);
    f.Combos = std::move(combos);
    f.Ticked = std::move(ticked);
    f.ListedKeys = {{"1", "1"}, {"1", "2"}, {"2", "1"}};
    return f;
}

// Both profile kinds compare the ID with the listed captions as text.
TEST(EthernetAndUserProfileChecks, RefuseInTheirOrder) {
    const AclTable& eth = EthernetProfiles();
    const AclTable& user = UserProfiles();
    const std::map<int, AclCombo> create{{7, {"createAndGo", 1}}}, active{{7, {"active", 0}}};
    const std::map<int, AclCombo> userCreate{{6, {"createAndGo", 1}}}, userDestroy{{6, {"destroy", 2}}};
    const CheckCase cases[] = {
        {"Add without an ID", &eth, AclWrite::Add, Listed({}, create), AclRefusal{"Ethernet Mask ID must be set.", 0}},
        {"Set without an ID moves no focus", &eth, AclWrite::Set, Listed({}, create),
         AclRefusal{"Ethernet Mask ID must be set.", -1}},
        {"a listed ID", &eth, AclWrite::Add, Listed({{0, "1"}}, create), AclRefusal{eth.DuplicateMessage, 0}},
        {"\"01\" is not \"1\"", &eth, AclWrite::Add, Listed({{0, "01"}}, create), std::nullopt},
        {"Add on active", &eth, AclWrite::Add, Listed({{0, "9"}}, active),
         AclRefusal{"Row Status must be createAndGo.", 7}},
        {"the CPU twin says Ethernet Mask ID too", &CpuEthernetProfiles(), AclWrite::Add, Listed({}, create),
         AclRefusal{"Ethernet Mask ID must be set.", 0}},
        {"Set of a listed ID", &eth, AclWrite::Set, Listed({{0, "1"}}, active), std::nullopt},
        {"user: Add without an ID", &user, AclWrite::Add, Listed({}, userCreate),
         AclRefusal{"Mask Entry ID must be set.", 0}},
        {"user: a listed ID", &CpuUserProfiles(), AclWrite::Add, Listed({{0, "2"}}, userCreate),
         AclRefusal{"Mask Entry ID must be different.", 0}},
        {"user: Add after a Delete", &user, AclWrite::Add, Listed({{0, "5"}}, userDestroy),
         AclRefusal{"Row State must be createAndGo.", 6}},
        {"user: Edit without an ID", &user, AclWrite::Set, Listed({}), AclRefusal{"Mask Entry ID must be set.", -1}},
        {"Delete checks nothing", &user, AclWrite::Delete, Listed({}), std::nullopt},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const bool ethernet = c.Table->Type == AclPacketType::Ethernet;
        EXPECT_EQ(ethernet ? CheckEthernetProfile(*c.Table, c.Form, c.Write) : CheckUserProfile(*c.Table, c.Form, c.Write),
                  c.Refusal);
    }
}

// Empty windows stay out of Set and Add; Edit never deletes by itself.
TEST(UserProfileLeftOut, EmptyWindowsAreNotSent) {
    for (const AclTable* table : {&UserProfiles(), &CpuUserProfiles()}) {
        AclFormSnapshot form;
        form.Edits = {{0, "4"}, {1, "FFFFFFFFFFFF00000000000000000000"}};
        form.Combos = {{6, {"destroy", 2}}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, AclWrite::Add)), (AclItems{1, 6}));
        form.Edits = {{0, "4"}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, AclWrite::Set)), AclItems{6});
        form.Edits = {{0, "4"}, {1, "FF"}, {2, "FF"}, {3, "FF"}, {4, "FF"}, {5, "FF"}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, AclWrite::Delete)), AclItems{6});
        EXPECT_EQ(UserProfileWriteOfSelected(*table, form), AclWrite::Set);
    }
}

// "What each button sends" of the Ethernet rules (the shared rule
// leave-outs) and the user-defined rules' own, on both filters' positions:
// ingress Permit 12, Port 13, Row Status 14; CPU Permit 7, Row Status 8.
TEST(EthernetAndUserRuleLeftOut, WhatEachButtonSends) {
    const AclTable& eth = EthernetRules();
    const AclTable& cpuEth = CpuEthernetRules();
    const AclTable& user = UserRules();
    const AclTable& cpuUser = CpuUserRules();
    const AclCombo deny{"deny", 0}, permit{"permit", 1}, destroy{"destroy", 2};
    const RuleCase cases[] = {
        {"Edit, nothing ticked: the port list only", &eth, AclWrite::Set, RuleForm({}), {13}},
        {"Add, nothing ticked, no port: the row status only", &eth, AclWrite::Add, RuleForm({}), {14}},
        {"Add with a port ticked", &eth, AclWrite::Add, RuleForm({}, {}, true), {13, 14}},
        {"ticked match fields", &eth, AclWrite::Set, RuleForm({2, 4, 6}), {2, 4, 6, 13}},
        {"a ticked deny drops the actions", &eth, AclWrite::Add, RuleForm(Range(2, 14), {{12, deny}}),
         {2, 3, 4, 5, 6, 12, 14}},
        {"an unticked deny keeps ticked actions", &eth, AclWrite::Add, RuleForm(Range(7, 11), {{12, deny}}),
         {7, 8, 9, 10, 11, 14}},
        {"permit keeps the actions", &eth, AclWrite::Set, RuleForm(Range(7, 12), {{12, permit}}),
         {7, 8, 9, 10, 11, 12, 13}},
        {"Edit with a ticked row status", &eth, AclWrite::Set, RuleForm({14}), {13, 14}},
        {"Delete", &eth, AclWrite::Delete, RuleForm(Range(2, 14), {}, true), {14}},
        {"CPU Edit, all ticked", &cpuEth, AclWrite::Set, RuleForm(Range(2, 8)), {2, 3, 4, 5, 6, 7, 8}},
        {"CPU Edit, row status unticked", &cpuEth, AclWrite::Set, RuleForm({3, 7}), {3, 7}},
        {"CPU Add always carries the row status", &cpuEth, AclWrite::Add, RuleForm({5}), {5, 8}},
        {"CPU Delete", &cpuEth, AclWrite::Delete, RuleForm(Range(2, 8)), {8}},
        {"user: one window ticked", &user, AclWrite::Add, RuleForm({2}), {2, 14}},
        {"user: Edit after Clear Checks writes the port list", &user, AclWrite::Set, RuleForm({}), {13}},
        {"user: a ticked deny", &user, AclWrite::Set, RuleForm(Range(2, 12), {{12, deny}}), {2, 3, 4, 5, 6, 12, 13}},
        {"user: Delete", &user, AclWrite::Delete, RuleForm(Range(2, 14)), {14}},
        {"user CPU: five windows", &cpuUser, AclWrite::Add, RuleForm(Range(2, 6)), {2, 3, 4, 5, 6, 8}},
        {"user CPU: Delete carries Permit", &cpuUser, AclWrite::Delete, RuleForm({}), {7, 8}},
        {"user CPU: Edit with a ticked destroy", &cpuUser, AclWrite::Set, RuleForm(Range(2, 8), {{8, destroy}}),
         {8}},
        {"user CPU: Edit, row status unticked", &cpuUser, AclWrite::Set, RuleForm({4, 7}, {{8, destroy}}), {4, 7}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const AclItems leftOut = c.Table->Type == AclPacketType::Ethernet ? RuleLeftOut(*c.Table, c.Form, c.Write)
                                                                         : UserRuleLeftOut(*c.Table, c.Form, c.Write);
        EXPECT_EQ(Carried(*c.Table, leftOut), c.Carried);
    }
}

// The ingress Edit with a ticked createAndGo is an Add, with a ticked destroy
// a Delete; the CPU twin's Edit stays an Edit.
TEST(UserRuleWrites, EditBecomesAddOrDelete) {
    const AclCombo create{"createAndGo", 1}, destroy{"destroy", 2};
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({14}, {{14, create}})), AclWrite::Add);
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({14}, {{14, destroy}})), AclWrite::Delete);
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({}, {{14, create}})), AclWrite::Set);
    EXPECT_EQ(UserRuleWriteOfSelected(CpuUserRules(), RuleForm({8}, {{8, create}})), AclWrite::Set);
    EXPECT_EQ(UserRuleWriteOfSelected(CpuUserRules(), RuleForm({8}, {{8, destroy}})), AclWrite::Set);
}

TEST(EthernetAndUserRuleChecks, RefuseInTheirOrder) {
    const AclTable& eth = EthernetRules();
    const AclTable& user = UserRules();
    const AclTable& cpuUser = CpuUserRules();
    const AclCombo active{"active", 0};
    const CheckCase cases[] = {
        {"Add without a mask ID", &eth, AclWrite::Add, Listed({{1, "4"}}), AclRefusal{"Mask ID must be set.", 0}},
        {"Add without an access ID", &CpuEthernetRules(), AclWrite::Add, Listed({{0, "1"}}),
         AclRefusal{"Access ID must be set.", 1}},
        {"a listed pair", &eth, AclWrite::Add, Listed({{0, "1"}, {1, "2"}}), AclRefusal{eth.DuplicateMessage, 0}},
        {"the same access ID under another mask ID", &eth, AclWrite::Add, Listed({{0, "2"}, {1, "2"}}), std::nullopt},
        {"a ticked active", &eth, AclWrite::Add, Listed({{0, "2"}, {1, "2"}}, {{14, active}}, {14}),
         AclRefusal{"Row State must be createAndGo.", 14}},
        {"an unticked active", &eth, AclWrite::Add, Listed({{0, "2"}, {1, "2"}}, {{14, active}}), std::nullopt},
        {"user: without a profile ID", &user, AclWrite::Add, Listed({}), AclRefusal{"Profile ID must be set.", 0}},
        {"user: a listed pair", &user, AclWrite::Add, Listed({{0, "1"}, {1, "1"}}),
         AclRefusal{user.DuplicateMessage, 0}},
        {"user: five windows on Add", &user, AclWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 6)),
         AclRefusal{"The offset number is too much."}},
        {"user: five windows on Edit", &user, AclWrite::Set, Listed({{0, "1"}, {1, "1"}}, {}, Range(2, 6)),
         AclRefusal{"The offset number is too much."}},
        {"user: four windows", &user, AclWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 5)), std::nullopt},
        {"user CPU: five windows", &cpuUser, AclWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 6)),
         std::nullopt},
        {"user CPU: a ticked active", &cpuUser, AclWrite::Add, Listed({{0, "3"}, {1, "1"}}, {{8, active}}, {8}),
         AclRefusal{"Row State must be createAndGo.", 8}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const bool ethernet = c.Table->Type == AclPacketType::Ethernet;
        EXPECT_EQ(ethernet ? CheckEthernetRule(*c.Table, c.Form, c.Write) : CheckUserRule(*c.Table, c.Form, c.Write),
                  c.Refusal);
    }
}

// MAC addresses, the ingress Ethernet type and the windows are whole octets,
// at least one; the CPU filter's Ethernet type is plain text.
TEST(EthernetAndUserTextChecks, OctetsMustBeWhole) {
    struct Case {
        const AclTable* Table;
        int Item;
        const char* Text;
        bool Good;
    };
    const Case cases[] = {
        {&EthernetRules(), ethRuleSrcMac, "001B213A4F10", true},
        {&EthernetRules(), ethRuleSrcMac, "001B213A4F1", false},
        {&EthernetRules(), ethRuleSrcMac, "001B213A4F", false},
        {&EthernetProfiles(), ethDstMask, "", false},
        {&EthernetRules(), ethRuleType, "0800", true},
        {&EthernetRules(), ethRuleType, "800", false},
        {&EthernetRules(), ethRuleType, "", false},
        {&EthernetRules(), ethRuleVlan, "", true},  // plain text may be empty
        {&CpuEthernetRules(), ethRuleType, "IPv4", true},
        {&CpuEthernetRules(), ethRuleType, "", true},
        {&UserRules(), 2, "001B213A4F1000000000000000000000", true},
        {&UserRules(), 2, "00FF", true},
        {&UserRules(), 2, "", false},
        {&CpuUserRules(), 6, "", false},
        {&UserProfiles(), 1, "FFF", false},
        {&CpuUserRules(), 6, "0x12", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Table->ClassName) + " " + std::to_string(c.Item) + " '" + c.Text + "'");
        AclFormSnapshot form;
        form.Edits[c.Item] = c.Text;
        EXPECT_EQ(!CheckCarriedTexts(*c.Table, form, {}).has_value(), c.Good);
    }
}

}  // namespace
