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

const AclTable& Ipv6Rules() { return AclTableOf("TIPv6RuleForm"); }
const AclTable& CpuIpv6Rules() { return AclTableOf("TCPUIPv6RuleForm"); }

// Ingress: Class 2 to Dst 5, Enable Priority 6, Priority 7, Replace Priority
// 8, Permit 9, Port 10, Row Status 11. CPU: Permit 6, Row Status 7.
TEST(Ipv6RuleLeftOut, WhatEachButtonSends) {
    const AclTable& in = Ipv6Rules();
    const AclTable& cpu = CpuIpv6Rules();
    const AclCombo deny{"deny", 0}, permit{"permit", 1}, mirror{"mirror", 2};
    const AclCombo enabled{"enabled", 0}, disabled{"disabled", 1}, active{"active", 0};
    const RuleCase cases[] = {
        {"Edit, nothing ticked: the port list only", &in, AclWrite::Set, RuleForm({}), {10}},
        {"Add, nothing ticked, no port: the row status only", &in, AclWrite::Add, RuleForm({}), {11}},
        {"Add with a port ticked", &in, AclWrite::Add, RuleForm({}, {}, true), {10, 11}},
        {"ticked match fields", &in, AclWrite::Set, RuleForm({2, 3, 4, 5}), {2, 3, 4, 5, 10}},
        {"Check All with permit", &in, AclWrite::Set, RuleForm(Range(2, 11), {{6, enabled}, {9, permit}}),
         Range(2, 11)},
        {"Check All with deny: no action", &in, AclWrite::Set, RuleForm(Range(2, 11), {{9, deny}}),
         {2, 3, 4, 5, 9, 10, 11}},
        {"Add, Check All with deny", &in, AclWrite::Add, RuleForm(Range(2, 11), {{9, deny}}), {2, 3, 4, 5, 9, 11}},
        {"an unticked deny keeps ticked actions", &in, AclWrite::Set, RuleForm({6, 7, 8}, {{6, enabled}, {9, deny}}),
         {6, 7, 8, 10}},
        {"mirror keeps the actions", &in, AclWrite::Set, RuleForm({6, 7, 9}, {{6, enabled}, {9, mirror}}),
         {6, 7, 9, 10}},
        {"a ticked disabled drops Priority", &in, AclWrite::Set, RuleForm({6, 7}, {{6, disabled}}), {6, 10}},
        {"an unticked disabled keeps Priority", &in, AclWrite::Add, RuleForm({7}, {{6, disabled}}), {7, 11}},
        {"Replace Priority by its box", &in, AclWrite::Add, RuleForm({8}), {8, 11}},
        {"Edit with a ticked row status", &in, AclWrite::Set, RuleForm({11}, {{11, active}}), {10, 11}},
        {"Delete: the row status alone", &in, AclWrite::Delete, RuleForm(Range(2, 11), {}, true), {11}},
        {"CPU Edit, all ticked", &cpu, AclWrite::Set, RuleForm(Range(2, 7)), Range(2, 7)},
        {"CPU Edit, row status unticked", &cpu, AclWrite::Set, RuleForm({3, 6}), {3, 6}},
        {"CPU Add always carries the row status", &cpu, AclWrite::Add, RuleForm({4}), {4, 7}},
        {"CPU Add with deny ticked", &cpu, AclWrite::Add, RuleForm({2, 6}, {{6, deny}}), {2, 6, 7}},
        {"CPU Delete", &cpu, AclWrite::Delete, RuleForm(Range(2, 7)), {7}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Carried(*c.Table, Ipv6RuleLeftOut(*c.Table, c.Form, c.Write)), c.Carried);
    }
    // The access ID is left out of Delete too; the instance is built from
    // the index items all the same.
    for (const AclTable* table : {&in, &cpu})
        EXPECT_EQ(Ipv6RuleLeftOut(*table, RuleForm({}), AclWrite::Delete), Range(1, table->RowStatusItem - 1));
}

// The combo decides, whether its box is ticked or not.
TEST(Ipv6RuleWrites, EditGoesByTheRowStatusCombo) {
    for (const AclTable* table : {&Ipv6Rules(), &CpuIpv6Rules()}) {
        SCOPED_TRACE(table->ClassName);
        const int row = table->RowStatusItem;
        struct Case {
            AclCombo Combo;
            AclItems Ticked;
            AclWrite Write;
        };
        const Case cases[] = {
            {{"active", 0}, {row}, AclWrite::Set},
            {{"createAndGo", 1}, {}, AclWrite::Add},
            {{"createAndGo", 1}, {row}, AclWrite::Add},
            {{"destroy", 2}, {}, AclWrite::Delete},
            {{"destroy", 2}, {row}, AclWrite::Delete},
            {{}, {}, AclWrite::Set},
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
        AclFormSnapshot Form;
        std::optional<AclRefusal> OnAdd, OnEdit;
        bool OnCpu;  // the case holds for the CPU twin too, at its own positions
    };
    auto keyed = [](std::map<int, std::string> edits, AclItems ticked = {}, std::map<int, AclCombo> combos = {}) {
        AclFormSnapshot form;
        form.Edits = std::move(edits);
        form.Ticked = std::move(ticked);
        form.Combos = std::move(combos);
        form.ListedKeys = {{"1", "1"}, {"2", "15"}};
        return form;
    };
    const std::map<int, std::string> key{{0, "2"}, {1, "16"}};
    const AclCombo active{"active", 0};
    const Case cases[] = {
        {"1 no profile ID", keyed({{1, "3"}}), AclRefusal{"IPv6 Rule ID must be set.", 0},
         AclRefusal{"IPv6 Rule ID must be set.", -1}, true},
        {"2 no access ID", keyed({{0, "2"}}), AclRefusal{"IPv6 Rule Access ID must be set.", 1},
         AclRefusal{"IPv6 Rule Access ID must be set.", -1}, true},
        {"3 a listed pair", keyed({{0, "2"}, {1, "15"}}),
         AclRefusal{"Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.", 0},
         std::nullopt, true},
        {"3 the pair compares as text", keyed({{0, "2"}, {1, "015"}}), std::nullopt, std::nullopt, true},
        {"4 class", keyed(key, {2}), AclRefusal{"Class should not be null.", 2},
         AclRefusal{"Class should not be null.", 2}, true},
        {"5 flow label", keyed(key, {3}), AclRefusal{"Flow Label should not be null.", 3},
         AclRefusal{"Flow Label should not be null.", 3}, true},
        {"6 source", keyed(key, {4}), AclRefusal{"IPv6 Source Address should not be null.", 4},
         AclRefusal{"IPv6 Source Address should not be null.", 4}, true},
        {"7 destination", keyed(key, {5}), AclRefusal{"IPv6 Destination Address should not be null.", 5},
         AclRefusal{"IPv6 Destination Address should not be null.", 5}, true},
        {"8 enable priority", keyed(key, {6}), AclRefusal{"Enable Priority should be chosed.", 6},
         AclRefusal{"Enable Priority should be chosed.", 6}, false},
        {"9 priority", keyed(key, {7}), AclRefusal{"Priority should not be null.", 7},
         AclRefusal{"Priority should not be null.", 7}, false},
        {"10 replace priority", keyed(key, {8}), AclRefusal{"Replace Priority should be chosed.", 8},
         AclRefusal{"Replace Priority should be chosed.", 8}, false},
        {"11 permit", keyed(key, {9}), AclRefusal{"Permit should be chosed.", 9},
         AclRefusal{"Permit should be chosed.", 9}, true},
        {"12 a ticked active", keyed(key, {11}, {{11, active}}), AclRefusal{"Row State must choose createAndGo.", 11},
         std::nullopt, true},
        {"12 an unticked active", keyed(key, {}, {{11, active}}), std::nullopt, std::nullopt, true},
        {"the earlier row first", keyed(key, {3, 9}), AclRefusal{"Flow Label should not be null.", 3},
         AclRefusal{"Flow Label should not be null.", 3}, true},
        {"ticked fields with values", keyed({{0, "2"}, {1, "16"}, {2, "7"}, {7, "3"}}, {2, 6, 7}, {{6, {"enabled", 0}}}),
         std::nullopt, std::nullopt, false},
    };
    const AclTable& in = Ipv6Rules();
    const AclTable& cpu = CpuIpv6Rules();
    // The ingress positions from Enable Priority on, as the CPU twin has them.
    auto toCpu = [](int item) { return item == 9 ? 6 : item == 11 ? 7 : item; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, AclWrite::Add), c.OnAdd);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, AclWrite::Set), c.OnEdit);
        EXPECT_EQ(CheckIpv6Rule(in, c.Form, AclWrite::Delete), std::nullopt);
        AclFormSnapshot cpuForm = c.Form;
        cpuForm.Ticked.clear();
        for (int item : c.Form.Ticked) cpuForm.Ticked.insert(toCpu(item));
        cpuForm.Combos.clear();
        for (const auto& [item, combo] : c.Form.Combos) cpuForm.Combos[toCpu(item)] = combo;
        if (!c.OnCpu) continue;
        auto onCpu = [&](std::optional<AclRefusal> refusal) {
            if (refusal) refusal->FocusItem = toCpu(refusal->FocusItem);
            return refusal;
        };
        EXPECT_EQ(CheckIpv6Rule(cpu, cpuForm, AclWrite::Add), onCpu(c.OnAdd));
        EXPECT_EQ(CheckIpv6Rule(cpu, cpuForm, AclWrite::Set), onCpu(c.OnEdit));
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
            SCOPED_TRACE(std::string(table->ClassName) + " '" + c.Text + "'");
            AclFormSnapshot form;
            form.Edits[c.Item] = c.Text;
            const auto refusal = CheckCarriedTexts(*table, form, {});
            EXPECT_EQ(!refusal.has_value(), c.Good);
            if (refusal) {
                EXPECT_EQ(refusal->FocusItem, c.Item);
            }
        }
    AclFormSnapshot form;
    form.Edits[ipv6RuleSrcAddress] = "2001:db8::";
    EXPECT_EQ(CheckCarriedTexts(Ipv6Rules(), form, {ipv6RuleSrcAddress}), std::nullopt) << "not carried";
}

}  // namespace
