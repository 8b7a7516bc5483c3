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

const AclTable& EthernetProfiles() { return aclEthernetProfileTable; }
const AclTable& CpuEthernetProfiles() { return cpuFilterEthernetProfileTable; }
const AclTable& EthernetRules() { return aclEthernetRuleTable; }
const AclTable& CpuEthernetRules() { return cpuFilterEthernetRuleTable; }
const AclTable& UserProfiles() { return aclUserDefinedProfileTable; }
const AclTable& CpuUserProfiles() { return cpuFilterUserDefinedProfileTable; }
const AclTable& UserRules() { return aclUserDefinedRuleTable; }
const AclTable& CpuUserRules() { return cpuFilterUserDefinedRuleTable; }

RowSnapshot EthernetProfileForm(const char* state, int stateIndex, std::map<int, std::string> edits) {
    RowSnapshot form;
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
    const RowItems always{ethUseVlan, ethMaskState, ethUse8021p, ethUseType, ethProfileRowStatus};
    auto with = [&](RowItems more) {
        more.merge(RowItems(always));
        return more;
    };
    const std::map<int, std::string> both{{ethSrcMask, "FFFFFF000000"}, {ethDstMask, "FFFFFFFFFFFF"}};
    const std::map<int, std::string> none{};
    struct Case {
        const char* State;
        int Index;
        std::map<int, std::string> Edits;
        RowItems Set, Add;
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
        const RowSnapshot form = EthernetProfileForm(c.State, c.Index, c.Edits);
        for (const AclTable* table : {&EthernetProfiles(), &CpuEthernetProfiles()}) {
            EXPECT_EQ(Carried(*table, EthernetProfileLeftOut(*table, form, RowWrite::Set)), c.Set);
            EXPECT_EQ(Carried(*table, EthernetProfileLeftOut(*table, form, RowWrite::Add)), c.Add);
        }
    }
    const AclTable& table = EthernetProfiles();
    EXPECT_EQ(Carried(table, EthernetProfileLeftOut(table, EthernetProfileForm("other", 0, both), RowWrite::Delete)),
              RowItems{ethProfileRowStatus});
    RowSnapshot destroy = EthernetProfileForm("other", 0, both);
    destroy.Combos[ethProfileRowStatus] = {"destroy", 2};
    EXPECT_EQ(ProfileWriteOfSelected(table, destroy), RowWrite::Delete);
}

struct CheckCase {
    const char* Name;
    const AclTable* Table;
    RowWrite Write;
    RowSnapshot Form;
    std::optional<RowRefusal> Refusal;
};

RowSnapshot Listed(std::map<int, std::string> edits, std::map<int, RowCombo> combos = {}, RowItems ticked = {}) {
    RowSnapshot f;
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
    const std::map<int, RowCombo> create{{7, {"createAndGo", 1}}}, active{{7, {"active", 0}}};
    const std::map<int, RowCombo> userCreate{{6, {"createAndGo", 1}}}, userDestroy{{6, {"destroy", 2}}};
    const CheckCase cases[] = {
        {"Add without an ID", &eth, RowWrite::Add, Listed({}, create), RowRefusal{"Ethernet Mask ID must be set.", 0}},
        {"Set without an ID moves no focus", &eth, RowWrite::Set, Listed({}, create),
         RowRefusal{"Ethernet Mask ID must be set.", -1}},
        {"a listed ID", &eth, RowWrite::Add, Listed({{0, "1"}}, create), RowRefusal{eth.DuplicateMessage, 0}},
        {"\"01\" is not \"1\"", &eth, RowWrite::Add, Listed({{0, "01"}}, create), std::nullopt},
        {"Add on active", &eth, RowWrite::Add, Listed({{0, "9"}}, active),
         RowRefusal{"Row Status must be createAndGo.", 7}},
        {"the CPU twin says Ethernet Mask ID too", &CpuEthernetProfiles(), RowWrite::Add, Listed({}, create),
         RowRefusal{"Ethernet Mask ID must be set.", 0}},
        {"Set of a listed ID", &eth, RowWrite::Set, Listed({{0, "1"}}, active), std::nullopt},
        {"user: Add without an ID", &user, RowWrite::Add, Listed({}, userCreate),
         RowRefusal{"Mask Entry ID must be set.", 0}},
        {"user: a listed ID", &CpuUserProfiles(), RowWrite::Add, Listed({{0, "2"}}, userCreate),
         RowRefusal{"Mask Entry ID must be different.", 0}},
        {"user: Add after a Delete", &user, RowWrite::Add, Listed({{0, "5"}}, userDestroy),
         RowRefusal{"Row State must be createAndGo.", 6}},
        {"user: Edit without an ID", &user, RowWrite::Set, Listed({}), RowRefusal{"Mask Entry ID must be set.", -1}},
        {"Delete checks nothing", &user, RowWrite::Delete, Listed({}), std::nullopt},
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
        RowSnapshot form;
        form.Edits = {{0, "4"}, {1, "FFFFFFFFFFFF00000000000000000000"}};
        form.Combos = {{6, {"destroy", 2}}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, RowWrite::Add)), (RowItems{1, 6}));
        form.Edits = {{0, "4"}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, RowWrite::Set)), RowItems{6});
        form.Edits = {{0, "4"}, {1, "FF"}, {2, "FF"}, {3, "FF"}, {4, "FF"}, {5, "FF"}};
        EXPECT_EQ(Carried(*table, UserProfileLeftOut(*table, form, RowWrite::Delete)), RowItems{6});
        EXPECT_EQ(UserProfileWriteOfSelected(*table, form), RowWrite::Set);
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
    const RowCombo deny{"deny", 0}, permit{"permit", 1}, destroy{"destroy", 2};
    const RuleCase cases[] = {
        {"Edit, nothing ticked: the port list only", &eth, RowWrite::Set, RuleForm({}), {13}},
        {"Add, nothing ticked, no port: the row status only", &eth, RowWrite::Add, RuleForm({}), {14}},
        {"Add with a port ticked", &eth, RowWrite::Add, RuleForm({}, {}, true), {13, 14}},
        {"ticked match fields", &eth, RowWrite::Set, RuleForm({2, 4, 6}), {2, 4, 6, 13}},
        {"a ticked deny drops the actions", &eth, RowWrite::Add, RuleForm(Range(2, 14), {{12, deny}}),
         {2, 3, 4, 5, 6, 12, 14}},
        {"an unticked deny keeps ticked actions", &eth, RowWrite::Add, RuleForm(Range(7, 11), {{12, deny}}),
         {7, 8, 9, 10, 11, 14}},
        {"permit keeps the actions", &eth, RowWrite::Set, RuleForm(Range(7, 12), {{12, permit}}),
         {7, 8, 9, 10, 11, 12, 13}},
        {"Edit with a ticked row status", &eth, RowWrite::Set, RuleForm({14}), {13, 14}},
        {"Delete", &eth, RowWrite::Delete, RuleForm(Range(2, 14), {}, true), {14}},
        {"CPU Edit, all ticked", &cpuEth, RowWrite::Set, RuleForm(Range(2, 8)), {2, 3, 4, 5, 6, 7, 8}},
        {"CPU Edit, row status unticked", &cpuEth, RowWrite::Set, RuleForm({3, 7}), {3, 7}},
        {"CPU Add always carries the row status", &cpuEth, RowWrite::Add, RuleForm({5}), {5, 8}},
        {"CPU Delete", &cpuEth, RowWrite::Delete, RuleForm(Range(2, 8)), {8}},
        {"user: one window ticked", &user, RowWrite::Add, RuleForm({2}), {2, 14}},
        {"user: Edit after Clear Checks writes the port list", &user, RowWrite::Set, RuleForm({}), {13}},
        {"user: a ticked deny", &user, RowWrite::Set, RuleForm(Range(2, 12), {{12, deny}}), {2, 3, 4, 5, 6, 12, 13}},
        {"user: Delete", &user, RowWrite::Delete, RuleForm(Range(2, 14)), {14}},
        {"user CPU: five windows", &cpuUser, RowWrite::Add, RuleForm(Range(2, 6)), {2, 3, 4, 5, 6, 8}},
        {"user CPU: Delete carries Permit", &cpuUser, RowWrite::Delete, RuleForm({}), {7, 8}},
        {"user CPU: Edit with a ticked destroy", &cpuUser, RowWrite::Set, RuleForm(Range(2, 8), {{8, destroy}}),
         {8}},
        {"user CPU: Edit, row status unticked", &cpuUser, RowWrite::Set, RuleForm({4, 7}, {{8, destroy}}), {4, 7}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const RowItems leftOut = c.Table->Type == AclPacketType::Ethernet ? RuleLeftOut(*c.Table, c.Form, c.Write)
                                                                         : UserRuleLeftOut(*c.Table, c.Form, c.Write);
        EXPECT_EQ(Carried(*c.Table, leftOut), c.Carried);
    }
}

// The ingress Edit with a ticked createAndGo is an Add, with a ticked destroy
// a Delete; the CPU twin's Edit stays an Edit.
TEST(UserRuleWrites, EditBecomesAddOrDelete) {
    const RowCombo create{"createAndGo", 1}, destroy{"destroy", 2};
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({14}, {{14, create}})), RowWrite::Add);
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({14}, {{14, destroy}})), RowWrite::Delete);
    EXPECT_EQ(UserRuleWriteOfSelected(UserRules(), RuleForm({}, {{14, create}})), RowWrite::Set);
    EXPECT_EQ(UserRuleWriteOfSelected(CpuUserRules(), RuleForm({8}, {{8, create}})), RowWrite::Set);
    EXPECT_EQ(UserRuleWriteOfSelected(CpuUserRules(), RuleForm({8}, {{8, destroy}})), RowWrite::Set);
}

TEST(EthernetAndUserRuleChecks, RefuseInTheirOrder) {
    const AclTable& eth = EthernetRules();
    const AclTable& user = UserRules();
    const AclTable& cpuUser = CpuUserRules();
    const RowCombo active{"active", 0};
    const CheckCase cases[] = {
        {"Add without a mask ID", &eth, RowWrite::Add, Listed({{1, "4"}}), RowRefusal{"Mask ID must be set.", 0}},
        {"Add without an access ID", &CpuEthernetRules(), RowWrite::Add, Listed({{0, "1"}}),
         RowRefusal{"Access ID must be set.", 1}},
        {"a listed pair", &eth, RowWrite::Add, Listed({{0, "1"}, {1, "2"}}), RowRefusal{eth.DuplicateMessage, 0}},
        {"the same access ID under another mask ID", &eth, RowWrite::Add, Listed({{0, "2"}, {1, "2"}}), std::nullopt},
        {"a ticked active", &eth, RowWrite::Add, Listed({{0, "2"}, {1, "2"}}, {{14, active}}, {14}),
         RowRefusal{"Row State must be createAndGo.", 14}},
        {"an unticked active", &eth, RowWrite::Add, Listed({{0, "2"}, {1, "2"}}, {{14, active}}), std::nullopt},
        {"user: without a profile ID", &user, RowWrite::Add, Listed({}), RowRefusal{"Profile ID must be set.", 0}},
        {"user: a listed pair", &user, RowWrite::Add, Listed({{0, "1"}, {1, "1"}}),
         RowRefusal{user.DuplicateMessage, 0}},
        {"user: five windows on Add", &user, RowWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 6)),
         RowRefusal{"The offset number is too much."}},
        {"user: five windows on Edit", &user, RowWrite::Set, Listed({{0, "1"}, {1, "1"}}, {}, Range(2, 6)),
         RowRefusal{"The offset number is too much."}},
        {"user: four windows", &user, RowWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 5)), std::nullopt},
        {"user CPU: five windows", &cpuUser, RowWrite::Add, Listed({{0, "3"}, {1, "1"}}, {}, Range(2, 6)),
         std::nullopt},
        {"user CPU: a ticked active", &cpuUser, RowWrite::Add, Listed({{0, "3"}, {1, "1"}}, {{8, active}}, {8}),
         RowRefusal{"Row State must be createAndGo.", 8}},
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
        SCOPED_TRACE(std::string(c.Table->Oid) + " " + std::to_string(c.Item) + " '" + c.Text + "'");
        RowSnapshot form;
        form.Edits[c.Item] = c.Text;
        EXPECT_EQ(!CheckCarriedTexts(*c.Table, form, {}).has_value(), c.Good);
    }
}

}  // namespace
