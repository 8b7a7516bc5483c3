// The IPv6 rule editors against the simulated stack's seeded rules, driven
// as a user drives them and checked in the set trace: the access IDs each
// editor takes, what each button sends, the Edit that goes by the
// row-status combo, the permit handler, and the refusals before and after a
// set. (What every row editor does is RowEditorTest's.)

#include <gtest/gtest.h>

#include <functional>

#include <QLineEdit>
#include <QTest>

#include "acl/CPUIPv6RuleUnit.h"
#include "acl/IPv6RuleUnit.h"
#include "tests/acl/AclEditorFixture.h"

namespace {

// A traced run of zero octets.
std::string Zeros(int count) {
    std::string shown;
    for (int k = 0; k < count; ++k) shown += "\\x00";
    return shown;
}

constexpr const char* IngressRules = "1.3.6.1.4.1.171.12.9.3.4.1.";
constexpr const char* CpuRules = "1.3.6.1.4.1.171.12.9.5.4.1.";

class Ipv6RuleEditors : public AclEditors {
protected:
    // Typed key by key into the edit and left with Tab, as a user does:
    // whether the edit's input constraint kept the text (a refusal shows one
    // message box and brings the last accepted text back).
    static bool TypedAndKept(TAclEditor* editor, const char* edit, const char* text) {
        auto* box = Named<TEdit>(editor, edit);
        EXPECT_TRUE(ActivateForm(editor));
        box->SetText("");
        box->SetFocus();
        MessageBoxRecorder boxes;
        QTest::keyClicks(box->Widget(), text);
        QTest::keyClick(box->Widget(), Qt::Key_Tab);
        Application->ProcessMessages();
        return boxes.Count() == 0 && box->Text() == text;
    }
    static bool Ticked(TAclEditor* editor, const char* box) { return Named<TCheckBox>(editor, box)->Checked(); }
};

// The seeded rules with their fields and ports; an access ID from 0 to
// 65535 is taken, and Add with nothing ticked sends the row status alone:
// createAndGo, whatever the unticked row-status combo shows.
TEST_F(Ipv6RuleEditors, TheIngressEditorListsRulesAndAddsAnyAccessId) {
    auto* editor = Open<TIPv6RuleForm>();
    EXPECT_EQ(editor->Caption(), "IPv6 Rule");
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);
    EXPECT_EQ(Named<TComboBox>(editor, "cbxRowStatus")->Text(), "createAndGo");

    SelectRow(editor->ListView1, 0);  // 1.1: 2001:db8:0:1:: to ff02::1, priority 6, ports 1-2 of unit 3
    EXPECT_EQ(Named<TEdit>(editor, "edtIPv6ProfileID")->Text(), "1");
    EXPECT_EQ(Named<TEdit>(editor, "edtIPv6AccessID")->Text(), "1");
    EXPECT_EQ(Named<TEdit>(editor, "edtIPv6SrcAddr")->Text(), "20010DB8000000010000000000000000");
    EXPECT_EQ(Named<TEdit>(editor, "edtPriority")->Text(), "6");
    EXPECT_EQ(Named<TComboBox>(editor, "cbxEnablePriority")->Text(), "enabled");
    EXPECT_EQ(TickedPorts(editor), (std::vector<int>{128, 129}));
    EXPECT_FALSE(Ticked(editor, "ckIPv6SrcAdd")) << "a selection ticks no box";
    Press(editor, "GetButton");
    EXPECT_TRUE(TickedPorts(editor).empty()) << "Refresh unticks the ports";

    for (const char* accessId : {"0", "65535"}) {
        SCOPED_TRACE(accessId);
        Type(editor, "edtIPv6ProfileID", "1");
        ASSERT_TRUE(TypedAndKept(editor, "edtIPv6AccessID", accessId));
        Choose(editor, "cbxRowStatus", "active");
        Stack->ClearTrace();
        Press(editor, "AddButton");
        EXPECT_EQ(Written(IngressRules), Trace{"12.1." + std::string(accessId) + " integer 4"});
    }
    EXPECT_EQ(Rows(editor->ListView1).size(), 4u);
}

// The CPU twin takes access IDs 1 to 100 only; it has no actions and no
// ports, and its Delete sends the row status alone.
TEST_F(Ipv6RuleEditors, TheCpuEditorTakesAccessIds1To100) {
    auto* editor = Open<TCPUIPv6RuleForm>();
    EXPECT_EQ(editor->Caption(), "CPU IPv6 Rule Information");
    EXPECT_EQ(editor->PortPicker, nullptr);
    ASSERT_EQ(Rows(editor->ListView1).size(), 1u);
    EXPECT_FALSE(TypedAndKept(editor, "edtIPv6AccessID", "0"));
    EXPECT_FALSE(TypedAndKept(editor, "edtIPv6AccessID", "101"));
    ASSERT_TRUE(TypedAndKept(editor, "edtIPv6AccessID", "100"));
    Type(editor, "edtIPv6ProfileID", "1");
    Tick(editor, {"ckIPv6DstAdd", "ckPermit"});
    Type(editor, "edtIPv6DstAddr", "FF020000000000000000000000000002");
    Choose(editor, "cbxPermit", "deny");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(CpuRules), (Trace{"6.1.100 string \"\\xff\\x02\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00"
                                        "\\x00\\x00\\x00\\x02\"",
                                        "7.1.100 integer 1", "8.1.100 integer 4"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);

    SelectRow(editor->ListView1, 1);
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(CpuRules), Trace{"8.1.100 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 1u);
}

// Check All with "deny": Permit 1 and none of the three priority items,
// though Check All ticked their boxes; a ticked "disabled" keeps Priority
// out; Edit with no port ticked writes an empty port list.
TEST_F(Ipv6RuleEditors, EditCarriesTheTickedFieldsAndAlwaysThePorts) {
    auto* editor = Open<TIPv6RuleForm>();
    SelectRow(editor->ListView1, 1);  // 2.15: deny a flow label, port 10 of unit 1
    EXPECT_EQ(Named<TComboBox>(editor, "cbxPermit")->Text(), "deny");
    EXPECT_FALSE(Enabled(editor, "edtPriority"));
    Press(editor, "CheckButton");
    EXPECT_TRUE(Ticked(editor, "ckPriority"));
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules),
              (Trace{"3.2.15 integer 0", "4.2.15 string \"\\x00\\x01#E\"",
                     "5.2.15 string \"\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\"",
                     "6.2.15 string \"\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\"",
                     "10.2.15 integer 1", "11.2.15 bits 9", "12.2.15 integer 1"}));
    EXPECT_FALSE(Ticked(editor, "ckClass")) << "every write states anew what it carries";

    SelectRow(editor->ListView1, 0);  // 1.1: permit
    Tick(editor, {"ckEnablePriority", "ckPriority"});
    Choose(editor, "cbxEnablePriority", "disabled");
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules), (Trace{"7.1.1 integer 2", "11.1.1 bits 128 129"}));

    SelectRow(editor->ListView1, 1);
    Click(editor->PortPicker->Box(9));
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules), Trace{"11.2.15 bits"});
    EXPECT_TRUE(TickedPorts(editor).empty());
}

// Edit goes by the row-status combo alone: destroy deletes with its box
// unticked; createAndGo runs Add, which finds the selected pair listed.
// Delete addresses the rule by both IDs.
TEST_F(Ipv6RuleEditors, EditByTheRowStatusComboAndDelete) {
    auto* editor = Open<TIPv6RuleForm>();
    SelectRow(editor->ListView1, 0);
    Choose(editor, "cbxRowStatus", "createAndGo");
    ExpectRefused(editor, "EditButton",
                  "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.");

    SelectRow(editor->ListView1, 0);
    Choose(editor, "cbxRowStatus", "destroy");
    EXPECT_FALSE(Ticked(editor, "ckRowStatus"));
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules), Trace{"12.1.1 integer 6"});
    ASSERT_EQ(Rows(editor->ListView1).size(), 1u);

    SelectRow(editor->ListView1, 0);  // 2.15
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(IngressRules), Trace{"12.2.15 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 0u);
}

// "deny" disables and unticks the actions; "mirror" right after keeps them
// disabled; "permit" enables them, still unticked.
TEST_F(Ipv6RuleEditors, ThePermitChoiceAndTheActions) {
    auto* editor = Open<TIPv6RuleForm>();
    const char* actions[] = {"cbxEnablePriority", "edtPriority", "cbxReplacePriority",
                             "ckEnablePriority", "ckPriority", "ckReplacePriority"};
    auto actionsEnabled = [&](bool enabled) {
        for (const char* name : actions) EXPECT_EQ(Enabled(editor, name), enabled) << name;
    };
    Tick(editor, {"ckPriority", "ckReplacePriority"});
    Choose(editor, "cbxPermit", "mirror");
    actionsEnabled(true);
    Choose(editor, "cbxPermit", "deny");
    actionsEnabled(false);
    EXPECT_FALSE(Ticked(editor, "ckPriority"));
    Choose(editor, "cbxPermit", "mirror");
    actionsEnabled(false);
    Choose(editor, "cbxPermit", "permit");
    actionsEnabled(true);
    EXPECT_FALSE(Ticked(editor, "ckReplacePriority"));
}

// Refusals before a set, in the order of the checks: the message, nothing
// sent, and the fields emptied with every box unticked, as after a write.
// An address typed with colons, which would otherwise go out with them read
// as zeros, is refused with the typing kept, to be put right.
TEST_F(Ipv6RuleEditors, InputRefusedBeforeASet) {
    auto* editor = Open<TIPv6RuleForm>();
    struct Case {
        const char* AccessId;
        std::function<void()> More;
        const char* Message;
    };
    const Case cases[] = {
        {"", [] {}, "IPv6 Rule Access ID must be set."},
        {"15", [] {}, "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."},
        {"16", [&] { Tick(editor, {"ckIPv6SrcAdd", "ckRowStatus"}); }, "IPv6 Source Address should not be null."},
        {"16", [&] { Tick(editor, {"ckPriority"}); }, "Priority should not be null."},
        {"16", [&] { Tick(editor, {"ckRowStatus"}); Choose(editor, "cbxRowStatus", "active"); },
         "Row State must choose createAndGo."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        Type(editor, "edtIPv6ProfileID", "2");
        Type(editor, "edtIPv6AccessID", c.AccessId);
        c.More();
        ExpectRefused(editor, "AddButton", c.Message);
        EXPECT_EQ(Named<TEdit>(editor, "edtIPv6ProfileID")->Text(), "");
        EXPECT_FALSE(Ticked(editor, "ckRowStatus"));
    }

    Choose(editor, "cbxRowStatus", "createAndGo");
    Type(editor, "edtIPv6ProfileID", "2");
    Type(editor, "edtIPv6AccessID", "16");
    Tick(editor, {"ckIPv6SrcAdd"});
    for (const char* address : {"2001:db8::", "20010DB8"}) {
        Type(editor, "edtIPv6SrcAddr", address);
        ExpectRefused(editor, "AddButton",
                      "IPv6 Source Address must be an IPv6 address: sixteen octets as 32 hexadecimal digits, "
                      "such as FE800000000000000000000000000001.");
        EXPECT_EQ(Named<TEdit>(editor, "edtIPv6AccessID")->Text(), "16");
    }
    Type(editor, "edtIPv6SrcAddr", "20010DB8000000000000000000000001");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(IngressRules), (Trace{"5.2.16 string \" \\x01\\x0d\\xb8" + Zeros(11) + "\\x01\"",
                                            "12.2.16 integer 4"}));
    EXPECT_EQ(Rows(editor->ListView1).size(), 3u);
}

// A rule under a profile that is not there: the agent refuses, its message
// goes to panel 0, and the list stays as it was.
TEST_F(Ipv6RuleEditors, ARuleUnderAMissingProfileIsRefusedByTheAgent) {
    auto* editor = Open<TIPv6RuleForm>();
    Type(editor, "edtIPv6ProfileID", "5");
    Type(editor, "edtIPv6AccessID", "1");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(IngressRules), Trace{"12.5.1 integer 4"});
    EXPECT_NE(Panel0(editor), "");
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
}

}  // namespace
