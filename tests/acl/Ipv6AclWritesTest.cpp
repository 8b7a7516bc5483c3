// What the IPv6 rule editors write, decided from a snapshot of the form: the
// leave-outs of each button on both filters' positions, the Edit that goes
// by the row-status combo, the checks in their order with the focus they
// give, and the whole-octet addresses and flow labels.

#include <gtest/gtest.h>

#include <string>

#include "acl/Ipv6AclWrites.h"
#include "tests/acl/AclWriteCases.h"

namespace {

using namespace acl_cases;

const AclTable& Ipv6Rules() { return aclIpv6RuleTable; }
const AclTable& CpuIpv6Rules() { return cpuFilterIpv6RuleTable; }

// Ingress: Class 2 to Dst 5, Enable Priority 6, Priority 7, Replace Priority
// 8, Permit 9, Port 10, Row Status 11. CPU: Permit 6, Row Status 7.
TEST(Ipv6RuleLeftOut, WhatEachButtonSends) {
    const AclTable& in = Ipv6Rules();
    const AclTable& cpu = CpuIpv6Rules();
    const RowCombo deny{"deny", 0}, permit{"permit", 1}, mirror{"mirror", 2};
    const RowCombo enabled{"enabled", 0}, disabled{"disabled", 1}, active{"active", 0};
    const RuleCase cases[] = {
        {"Edit, nothing ticked: the port list only", &in, RowWrite::Set, RuleForm({}), {10}},
        {"Add, nothing ticked, no port: the row status only", &in, RowWrite::Add, RuleForm({}), {11}},
        {"Add with a port ticked", &in, RowWrite::Add, RuleForm({}, {}, true), {10, 11}},
        {"ticked match fields", &in, RowWrite::Set, RuleForm({2, 3, 4, 5}), {2, 3, 4, 5, 10}},
        {"Check All with permit", &in, RowWrite::Set, RuleForm(Range(2, 11), {{6, enabled}, {9, permit}}),
         Range(2, 11)},
        {"Check All with deny: no action", &in, RowWrite::Set, RuleForm(Range(2, 11), {{9, deny}}),
         {2, 3, 4, 5, 9, 10, 11}},
        {"Add, Check All with deny", &in, RowWrite::Add, RuleForm(Range(2, 11), {{9, deny}}), {2, 3, 4, 5, 9, 11}},
        {"an unticked deny keeps ticked actions", &in, RowWrite::Set, RuleForm({6, 7, 8}, {{6, enabled}, {9, deny}}),
         {6, 7, 8, 10}},
        {"mirror keeps the actions", &in, RowWrite::Set, RuleForm({6, 7, 9}, {{6, enabled}, {9, mirror}}),
         {6, 7, 9, 10}},
        {"a ticked disabled drops Priority", &in, RowWrite::Set, RuleForm({6, 7}, {{6, disabled}}), {6, 10}},
        {"an unticked disabled keeps Priority", &in, RowWrite::Add, RuleForm({7}, {{6, disabled}}), {7, 11}},
        {"Replace Priority by its box", &in, RowWrite::Add, RuleForm({8}), {8, 11}},
        {"Edit with a ticked row status", &in, RowWrite::Set, RuleForm({11}, {{11, active}}), {10, 11}},
        {"Delete: the row status alone", &in, RowWrite::Delete, RuleForm(Range(2, 11), {}, true), {11}},
        {"CPU Edit, all ticked", &cpu, RowWrite::Set, RuleForm(Range(2, 7)), Range(2, 7)},
        {"CPU Edit, row status unticked", &cpu, RowWrite::Set, RuleForm({3, 6}), {3, 6}},
        {"CPU Add always carries the row status", &cpu, RowWrite::Add, RuleForm({4}), {4, 7}},
        {"CPU Add with deny ticked", &cpu, RowWrite::Add, RuleForm({2, 6}, {{6, deny}}), {2, 6, 7}},
        {"CPU Delete", &cpu, RowWrite::Delete, RuleForm(Range(2, 7)), {7}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Carried(*c.Table, Ipv6RuleLeftOut(*c.Table, c.Form, c.Write)), c.Carried);
    }
    // The access ID is left out of Delete too; the instance is built from
    // the index items all the same.
    for (const AclTable* table : {&in, &cpu})
        EXPECT_EQ(Ipv6RuleLeftOut(*table, RuleForm({}), RowWrite::Delete), Range(1, table->RowStatusItem - 1));
}

// The combo decides, whether its box is ticked or not.
TEST(Ipv6RuleWrites, EditGoesByTheRowStatusCombo) {
    for (const AclTable* table : {&Ipv6Rules(), &CpuIpv6Rules()}) {
        SCOPED_TRACE(table->Oid);
        const int row = table->RowStatusItem;
        struct Case {
            RowCombo Combo;
            RowItems Ticked;
            RowWrite Write;
        };
        const Case cases[] = {
            {{"active", 0}, {row}, RowWrite::Set},
            {{"createAndGo", 1}, {}, RowWrite::Add},
            {{"createAndGo", 1}, {row}, RowWrite::Add},
            {{"destroy", 2}, {}, RowWrite::Delete},
            {{"destroy", 2}, {row}, RowWrite::Delete},
            {{}, {}, RowWrite::Set},
        };
        for (const Case& c : cases)
            EXPECT_EQ(Ipv6RuleWriteOfSelected(*table, RuleForm(c.Ticked, {{row, c.Combo}})), c.Write) << c.Combo.Text;
    }
}

// The checks table, each row with its refusal on Add and on Edit (null:
// the row is not checked there). Every case ticks its field with the value
// missing; the rows before it pass.
TEST(Ipv6RuleChecks, RefuseInTheirOrderWithTheirFocus) {
    struct Case {
        const char* Name;
        RowSnapshot Form;
        std::optional<RowRefusal> OnAdd, OnEdit;
        bool OnCpu;  // the case holds for the CPU twin too, at its own positions
    };
    auto keyed = [](std::map<int, std::string> edits, RowItems ticked = {}, std::map<int, RowCombo> combos = {}) {
        RowSnapshot form;
        form.Edits = std::move(edits);
        form.Ticked = std::move(ticked);
        form.Combos = std::move(combos);
        form.ListedKeys = {{"1", "1"}, {"2", "15"}};
        return form;
    };
    const std::map<int, std::string> key{{0, "2"}, {1, "16"}};
    const RowCombo active{"active", 0};
    const Case cases[] = {
        {"1 no profile ID", keyed({{1, "3"}}), RowRefusal{"IPv6 Rule ID must be set.", 0},
         RowRefusal{"IPv6 Rule ID must be set.", -1}, true},
        {"2 no access ID", keyed({{0, "2"}}), RowRefusal{"IPv6 Rule Access ID must be set.", 1},
         RowRefusal{"IPv6 Rule Access ID must be set.", -1}, true},
        {"3 a listed pair", keyed({{0, "2"}, {1, "15"}}),
         RowRefusal{"Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.", 0},
         std::nullopt, true},
        {"3 the pair compares as text", keyed({{0, "2"}, {1, "015"}}), std::nullopt, std::nullopt, true},
        {"4 class", keyed(key, {2}), RowRefusal{"Class should not be null.", 2},
         RowRefusal{"Class should not be null.", 2}, true},
        {"5 flow label", keyed(key, {3}), RowRefusal{"Flow Label should not be null.", 3},
         RowRefusal{"Flow Label should not be null.", 3}, true},
        {"6 source", keyed(key, {4}), RowRefusal{"IPv6 Source Address should not be null.", 4},
         RowRefusal{"IPv6 Source Address should not be null.", 4}, true},
        {"7 destination", keyed(key, {5}), RowRefusal{"IPv6 Destination Address should not be null.", 5},
         RowRefusal{"IPv6 Destination Address should not be null.", 5}, true},
        {"8 enable priority", keyed(key, {6}), RowRefusal{"Enable Priority should be chosed.", 6},
         RowRefusal{"Enable Priority should be chosed.", 6}, false},
        {"9 priority", keyed(key, {7}), RowRefusal{"Priority should not be null.", 7},
         RowRefusal{"Priority should not be null.", 7}, false},
        {"10 replace priority", keyed(key, {8}), RowRefusal{"Replace Priority should be chosed.", 8},
         RowRefusal{"Replace Priority should be chosed.", 8}, false},
        {"11 permit", keyed(key, {9}), RowRefusal{"Permit should be chosed.", 9},
         RowRefusal{"Permit should be chosed.", 9}, true},
        {"12 a ticked active", keyed(key, {11}, {{11, active}}), RowRefusal{"Row State must choose createAndGo.", 11},
         std::nullopt, true},
        {"12 an unticked active", keyed(key, {}, {{11, active}}), std::nullopt, std::nullopt, true},
        {"the earlier row first", keyed(key, {3, 9}), RowRefusal{"Flow Label should not be null.", 3},
         RowRefusal{"Flow Label should not be null.", 3}, true},
        {"ticked fields with values", keyed({{0, "2"}, {1, "16"}, {2, "7"}, {7, "3"}}, {2, 6, 7}, {{6, {"enabled", 0}}}),
         std::nullopt, std::nullopt, false},
    };
    const AclTable& in = Ipv6Rules();
    const AclTable& cpu = CpuIpv6Rules();
    // The ingress positions from Enable Priority on, as the CPU twin has them.
    auto toCpu = [](int item) { return item == 9 ? 6 : item == 11 ? 7 : item; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, RowWrite::Add), c.OnAdd);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, RowWrite::Set), c.OnEdit);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, RowWrite::Delete), std::nullopt);
        RowSnapshot cpuForm = c.Form;
        cpuForm.Ticked.clear();
        for (int item : c.Form.Ticked) cpuForm.Ticked.insert(toCpu(item));
        cpuForm.Combos.clear();
        for (const auto& [item, combo] : c.Form.Combos) cpuForm.Combos[toCpu(item)] = combo;
        if (!c.OnCpu) continue;
        auto onCpu = [&](std::optional<RowRefusal> refusal) {
            if (refusal) refusal->FocusItem = toCpu(refusal->FocusItem);
            return refusal;
        };
        EXPECT_EQ(CheckIpv6Rule(cpu, cpuForm, RowWrite::Add), onCpu(c.OnAdd));
        EXPECT_EQ(CheckIpv6Rule(cpu, cpuForm, RowWrite::Set), onCpu(c.OnEdit));
    }
}

// Flow labels are hex digits in whole octets and addresses are 16 octets: a
// typed "2001:db8::" would go out with its colons read as zeros, "ff02" as
// part of an address.
TEST(Ipv6RuleTextChecks, AddressesAreSixteenOctetsAndFlowLabelsWholeOctets) {
    struct Case {
        int Item;
        const char* Text;
        bool Good;
    };
    const Case cases[] = {
        {ipv6RuleSrcAddress, "20010DB8000000010000000000000000", true},
        {ipv6RuleDstAddress, "ff02", false},
        {ipv6RuleSrcAddress, "2001:db8::", false},
        {ipv6RuleDstAddress, "FF02000000000000000000000000001", false},
        {ipv6RuleDstAddress, "FF0200000000000000000000000000010", false},
        {ipv6RuleDstAddress, "FF0200000000000000000000000000010000", false},
        {ipv6RuleFlowLabel, "000123", true},
        {ipv6RuleFlowLabel, "12345", false},
        {ipv6RuleFlowLabel, "0x12", false},
    };
    for (const AclTable* table : {&Ipv6Rules(), &CpuIpv6Rules()})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(table->Oid) + " '" + c.Text + "'");
            RowSnapshot form;
            form.Edits[c.Item] = c.Text;
            const auto refusal = CheckCarriedTexts(*table, form, {});
            EXPECT_EQ(!refusal.has_value(), c.Good);
            if (refusal) {
                EXPECT_EQ(refusal->FocusItem, c.Item);
            }
        }
    RowSnapshot form;
    form.Edits[ipv6RuleSrcAddress] = "2001:db8::";
    EXPECT_EQ(CheckCarriedTexts(Ipv6Rules(), form, {ipv6RuleSrcAddress}), std::nullopt) << "not carried";
}

}  // namespace
