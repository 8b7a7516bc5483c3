// The IPv4 access-control editors against the simulated stack's seeded
// profiles and rules, driven as a user drives them and checked in the set
// trace: reads, every write with what it leaves out, the refusals before a
// set and the agent's refusals after one. (What every row editor does, the
// button state and the fields emptied after a write among it, is
// RowEditorTest's.)

#include <gtest/gtest.h>

#include <functional>

#include "acl/CPUIPMaskInformationFormUnit.h"
#include "acl/CPUIPRuleUnit.h"
#include "acl/IPMaskInformationFormUnit.h"
#include "acl/IPRuleUnit.h"
#include "tests/acl/AclEditorFixture.h"

namespace {

constexpr const char* IngressProfiles = "1.3.6.1.4.1.171.12.9.2.2.1.";
constexpr const char* IngressRules = "1.3.6.1.4.1.171.12.9.3.2.1.";
constexpr const char* CpuProfiles = "1.3.6.1.4.1.171.12.9.4.2.1.";
constexpr const char* CpuRules = "1.3.6.1.4.1.171.12.9.5.2.1.";

// ---- profiles ------------------------------------------------------------------------------

TEST_F(AclEditors, AProfileEditorListsTheProfilesAndLoadsTheSelectedOne) {
    auto* editor = Open<TIPMaskInformationForm>();
    EXPECT_EQ(editor->Caption(), "IP Mask MaskInformation :" + Host->AgentIP);
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);
    EXPECT_EQ(editor->ListView1->Columns()->Count(), 18);
    EXPECT_EQ(editor->ListView1->Columns()->Items(11)->Caption(), "TCP or UDP Srouce Port Mask");
    EXPECT_EQ(Named<TComboBox>(editor, "UseVlanComBo")->Text(), "disabled");
    EXPECT_EQ(Named<TComboBox>(editor, "RowStatusComBo")->Text(), "active");

    SelectRow(editor->ListView1, 0);
    EXPECT_EQ(Named<TEdit>(editor, "IPIDEdit")->Text(), "1");
    EXPECT_EQ(Named<TComboBox>(editor, "UseProTypeComBo")->Text(), "tcp");
    EXPECT_EQ(Named<TComboBox>(editor, "TCPOptionComBo")->Text(), "dst-src-addr");
    EXPECT_EQ(Named<TEdit>(editor, "TCPUDPSrcMaskEdit")->Text(), "FFFF");
}

TEST_F(AclEditors, ProfileSetCarriesWhatTheProtocolAndOptionsChoose) {
    auto* editor = Open<TIPMaskInformationForm>();
    SelectRow(editor->ListView1, 0);  // tcp, both port masks, flag bits enabled
    Type(editor, "TCPFlagBitMaskEdit", "31");
    Choose(editor, "TCPOptionComBo", "dst-addr");
    Stack->ClearTrace();
    Press(editor, "SetBtn");
    EXPECT_EQ(Written(IngressProfiles),
              (Trace{"2.1 integer 2", "3.1 integer 4", "4.1 ipaddress 255.255.255.0", "5.1 ipaddress 255.255.255.0",
                     "6.1 integer 2", "7.1 integer 4", "10.1 integer 2", "13.1 string \"\\xff\\xff\"",
                     "14.1 integer 1", "15.1 integer 31", "18.1 integer 1"}));
    // Read again with every column.
    EXPECT_EQ(editor->ListView1->Items()->Item(0)->SubItems()->Get(13), "31");
    EXPECT_EQ(editor->ListView1->Items()->Item(0)->SubItems()->Get(8), "dst-addr");
}

// Both twins: Add creates with what the choices carry; Delete sends the row
// status alone; an Add after a Delete is not refused for the "destroy" that
// its combo shows.
TEST_F(AclEditors, ProfileAddAndDeleteOnBothFilters) {
    OpenHostOn();
    for (const char* prefix : {IngressProfiles, CpuProfiles}) {
        SCOPED_TRACE(prefix);
        TAclEditor* editor = prefix == IngressProfiles ? static_cast<TAclEditor*>(OpenDialog<TIPMaskInformationForm>())
                                                       : OpenDialog<TCPUIPMaskInformationForm>();
        const size_t rows = Rows(editor->ListView1).size();
        auto addProfile9 = [&] {
            Type(editor, "IPIDEdit", "9");
            Choose(editor, "IpAddMaskStateComboBox", "src-ip-addr");
            Type(editor, "IpAddMaskSrcEdit", "255.0.0.0");
            Type(editor, "IpAddMaskDstEdit", "255.255.0.0");
            Choose(editor, "UseProTypeComBo", "udp");
            Choose(editor, "UDPOptionComBo", "dst-addr");
            Type(editor, "TCPUDPSrcMaskEdit", "FF00");
            Type(editor, "TCPUDPDstPortMaskEdit", "00 FF");
            Stack->ClearTrace();
            Press(editor, "BT_Add");
            EXPECT_EQ(Written(prefix), (Trace{"2.9 integer 2", "3.9 integer 3", "4.9 ipaddress 255.0.0.0",
                                              "6.9 integer 2", "7.9 integer 5", "11.9 integer 2",
                                              "13.9 string \"\\x00\\xff\"", "18.9 integer 4"}));
            EXPECT_EQ(Rows(editor->ListView1).size(), rows + 1);
        };
        addProfile9();

        SelectRow(editor->ListView1, static_cast<int>(rows));
        Stack->ClearTrace();
        Press(editor, "BT_Delete");
        EXPECT_EQ(Written(prefix), Trace{"18.9 integer 6"});
        EXPECT_EQ(Rows(editor->ListView1).size(), rows);
        addProfile9();
        CloseAndDelete(editor);
    }
}

TEST_F(AclEditors, ProfileSetWithDestroyChosenDeletesTheRowAndItsRules) {
    auto* editor = Open<TIPMaskInformationForm>();
    SelectRow(editor->ListView1, 1);
    Choose(editor, "RowStatusComBo", "destroy");
    Stack->ClearTrace();
    Press(editor, "SetBtn");
    EXPECT_EQ(Written(IngressProfiles), Trace{"18.2 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
    CloseAndDelete(editor);
    auto* rules = OpenDialog<TIPRuleForm>();
    EXPECT_EQ(Rows(rules->ListView1).size(), 3u) << "rule 2.1 went with its profile";
}

struct Refusal {
    const char* Edit;
    const char* Text;
    const char* Message;
};

// Input that the framework's own reading would send as zeros or shifted
// octets is refused before anything is sent; so is an Add without an ID.
TEST_F(AclEditors, BadProfileInputIsRefusedBeforeASet) {
    auto* editor = Open<TCPUIPMaskInformationForm>();
    ExpectRefused(editor, "BT_Add", "IP ID must be set.");
    Choose(editor, "IpAddMaskStateComboBox", "dst-src-ip-addr");
    Choose(editor, "UseProTypeComBo", "tcp");
    Choose(editor, "TCPOptionComBo", "dst-src-addr");
    const Refusal refusals[] = {
        {"IpAddMaskSrcEdit", "10.0.0",
         "IP Address Mask Source must be an IP address: four numbers from 0 to 255 joined by dots, such as "
         "10.90.90.90."},
        {"IpAddMaskDstEdit", "1.2.3.256",
         "IP Address Mask Destination must be an IP address: four numbers from 0 to 255 joined by dots, such as "
         "10.90.90.90."},
        {"TCPUDPSrcMaskEdit", "FFF",
         "TCP or UDP Srouce Port Mask must be hexadecimal text in whole octets, two digits each, such as 001AFF."},
        {"TCPUDPDstPortMaskEdit", "0x12",
         "TCP or UDP Destination Port Mask must be hexadecimal text in whole octets, two digits each, such as 001AFF."},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.Edit);
        Type(editor, "IPIDEdit", "20");
        Type(editor, r.Edit, r.Text);
        ExpectRefused(editor, "BT_Add", r.Message);
        Type(editor, r.Edit, "");
    }
}

// ---- rules -------------------------------------------------------------------------------------

TEST_F(AclEditors, ARuleEditorShowsTheRulesWithTheirPorts) {
    auto* editor = Open<TIPRuleForm>();
    EXPECT_EQ(editor->Caption(), "IPv4 Rule");
    ASSERT_EQ(Rows(editor->ListView1).size(), 4u);
    EXPECT_EQ(editor->StaticText1->Caption(), "4");
    ASSERT_NE(editor->PortPicker, nullptr);
    EXPECT_EQ(Named<TComboBox>(editor, "RowComboBox")->Text(), "createAndGo");

    SelectRow(editor->ListView1, 0);  // 1.1: tcp port 80, priority 4, ports 5-8 of unit 1
    EXPECT_EQ(Named<TEdit>(editor, "IPRuleEdit")->Text(), "1");
    EXPECT_EQ(Named<TEdit>(editor, "AccessIDEdit")->Text(), "1");
    EXPECT_EQ(Named<TComboBox>(editor, "ProtocolComboBox")->Text(), "tcp");
    EXPECT_EQ(Named<TEdit>(editor, "DestPortEdit")->Text(), "80");
    EXPECT_EQ(TickedPorts(editor), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxDestPort")->Checked()) << "a selection ticks no box";

    Press(editor, "CheckButton");
    EXPECT_TRUE(Named<TCheckBox>(editor, "cbxRow")->Checked());
    Press(editor, "UncheckButton");
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxVlan")->Checked());
    EXPECT_EQ(TickedPorts(editor), (std::vector<int>{4, 5, 6, 7})) << "the check buttons leave the ports";
}

// Edit with nothing ticked writes the port list alone; with "deny" ticked
// the actions stay out, ticked before or not.
TEST_F(AclEditors, RuleEditCarriesTheTickedFieldsAndAlwaysThePorts) {
    auto* editor = Open<TIPRuleForm>();
    SelectRow(editor->ListView1, 1);  // 1.2: deny telnet, port 1 of units 1 and 3
    Click(editor->PortPicker->Box(1));
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules), Trace{"21.1.2 bits 0 1 128"});

    SelectRow(editor->ListView1, 0);
    Tick(editor, {"cbxPriority", "cbxDestPort", "cbxType", "cbxPermit"});
    Type(editor, "PriorityEdit", "6");
    Type(editor, "DestPortEdit", "8080");
    Choose(editor, "PermitComboBox", "deny");
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxPriority")->Checked());
    EXPECT_FALSE(Enabled(editor, "PriorityEdit"));
    EXPECT_FALSE(Enabled(editor, "cbxEnableReplaceDscp"));
    Tick(editor, {"cbxPriority"});  // a box ticked after "deny" stays out all the same
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(IngressRules), (Trace{"11.1.1 integer 8080", "20.1.1 integer 1", "21.1.1 bits 4 5 6 7"}));

    SelectRow(editor->ListView1, 0);
    Choose(editor, "PermitComboBox", "permit");
    EXPECT_TRUE(Enabled(editor, "PriorityEdit"));
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxPriority")->Checked());
}

// Add: what is ticked and the protocol uses, the port list when a port is
// ticked, and createAndGo with the row-status box unticked.
TEST_F(AclEditors, RuleAddAndDelete) {
    auto* editor = Open<TIPRuleForm>();
    SelectRow(editor->ListView1, 1);
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(IngressRules), Trace{"22.1.2 integer 6"});

    Type(editor, "IPRuleEdit", "1");
    Type(editor, "AccessIDEdit", "9");
    Tick(editor, {"cbxProtocol", "cbxType", "cbxDestPort", "cbxPermit"});
    Choose(editor, "ProtocolComboBox", "tcp");
    Type(editor, "RuleTypeEdit", "3");
    Type(editor, "DestPortEdit", "443");
    Choose(editor, "PermitComboBox", "permit");
    Click(editor->PortPicker->Box(10));
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(IngressRules),
              (Trace{"11.1.9 integer 443", "20.1.9 integer 2", "21.1.9 bits 10", "22.1.9 integer 4"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 4u);
    EXPECT_EQ(editor->ListView1->Items()->Item(1)->SubItems()->Get(5), "tcp") << "its profile's protocol";

    // Without a port ticked the port list is not sent.
    Type(editor, "IPRuleEdit", "3");
    Type(editor, "AccessIDEdit", "2");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(IngressRules), Trace{"22.3.2 integer 4"});
}

TEST_F(AclEditors, RuleEditWithDestroyTickedDeletes) {
    auto* editor = Open<TCPUIPRuleForm>();
    EXPECT_EQ(editor->Caption(), "CPU IPv4 Rule Information");
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);
    EXPECT_EQ(editor->PortPicker, nullptr);
    SelectRow(editor->ListView1, 2);
    Tick(editor, {"cbxRow"});
    Choose(editor, "RowComboBox", "destroy");
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(CpuRules), Trace{"16.2.1 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
}

TEST_F(AclEditors, RuleInputRefusedBeforeASet) {
    auto* editor = Open<TIPRuleForm>();
    MessageBoxRecorder boxes;
    struct Case {
        const char* Id;
        const char* AccessId;
        std::function<void()> More;
        const char* Message;
    };
    const Case cases[] = {
        {"", "4", [] {}, "IP Rule ID must be set."},
        {"1", "2", [] {}, "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
        {"1", "5", [&] { Tick(editor, {"cbxProtocol"}); }, "Rule Protocol must be chosed."},
        {"1", "5", [&] { Tick(editor, {"cbxRow"}); Choose(editor, "RowComboBox", "active"); },
         "Row State must be createAndGo."},
        {"1", "5", [&] { Tick(editor, {"cbxSourceIP"}); Type(editor, "SourceIPEdit", "10.1.1"); },
         "Source IPv4 Address must be an IP address: four numbers from 0 to 255 joined by dots, such as 10.90.90.90."},
        {"1", "5", [&] { Tick(editor, {"cbxUserMask"}); Type(editor, "UserMaskEdit", "00000G01"); },
         "User Mask must be hexadecimal text in whole octets, two digits each, such as 001AFF."},
        {"1", "5", [&] { Tick(editor, {"cbxDscp"}); }, "DSCP must be set."},
        {"1", "5", [&] { Tick(editor, {"cbxUserMask"}); Type(editor, "UserMaskEdit", ""); }, "User Mask must be set."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message);
        Press(editor, "UncheckButton");
        Choose(editor, "RowComboBox", "createAndGo");
        Type(editor, "IPRuleEdit", c.Id);
        Type(editor, "AccessIDEdit", c.AccessId);
        c.More();
        boxes.Clear();
        Press(editor, "AddButton");
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.Message);
        EXPECT_TRUE(Stack->TraceLines().empty());
    }
}

// Edit of a selected CPU rule with no field box ticked would change nothing:
// the editor says so and sends nothing. An ingress rule's Edit always
// carries its ports, so it goes.
TEST_F(AclEditors, ARuleEditWithNoFieldChosenSaysSo) {
    OpenHostOn();
    struct Case {
        const char* command;
        bool refused;
    };
    const Case cases[] = {{"CPUEthernetInformationRule1Click", true}, {"CPUIPRule1Click", true},
                          {"CPUUserDefinedInformationRule1Click", true}, {"CPUIPv6Rule1Click", true},
                          {"IPRule1Click", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        FromMenu<TAclEditor>(c.command, [&](TAclEditor& editor) {
            SelectRow(editor.ListView1, 0);
            MessageBoxRecorder boxes;
            Stack->ClearTrace();
            editor.WriteButton->Click();
            WaitIdle(&editor);
            EXPECT_EQ(Stack->TraceLines().empty(), c.refused);
            ASSERT_EQ(boxes.Count(), c.refused ? 1u : 0u);
            if (c.refused) {
                EXPECT_EQ(boxes.Last().Text, "No field is chosen: tick the fields to write. Nothing was sent.");
            }
        });
    }
}

// A rule under a profile that is not there: the agent refuses, its message
// goes to panel 0, and the list stays as it was.
TEST_F(AclEditors, ARuleUnderAMissingProfileIsRefusedByTheAgent) {
    auto* editor = Open<TIPRuleForm>();
    Type(editor, "IPRuleEdit", "7");
    Type(editor, "AccessIDEdit", "1");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(IngressRules), Trace{"22.7.1 integer 4"});
    EXPECT_NE(Panel0(editor), "");
    EXPECT_EQ(Rows(editor->ListView1).size(), 4u);
}

}  // namespace
