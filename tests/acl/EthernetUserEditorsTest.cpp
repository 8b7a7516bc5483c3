// The Ethernet and user-defined (packet-content) access-control editors
// against the simulated stack's seeded profiles and rules, driven as a user
// drives them and checked in the set trace. (What every row editor does is
// RowEditorTest's.)

#include <gtest/gtest.h>

#include "acl/CPUEthernetInformationRuleUnit.h"
#include "acl/CPUEthernetMaskInformationFormUnit.h"
#include "acl/CPUUserDefinedRuleUnit.h"
#include "acl/CPUUserMaskInforUnit.h"
#include "acl/EthernetInformationRuleUnit.h"
#include "acl/EthernetMaskInformationFormUnit.h"
#include "acl/UserDefinedRuleUnit.h"
#include "acl/UserMaskInforUnit.h"
#include "tests/acl/AclEditorFixture.h"

namespace {

constexpr const char* EthernetProfiles = "1.3.6.1.4.1.171.12.9.2.1.1.";
constexpr const char* EthernetRules = "1.3.6.1.4.1.171.12.9.3.1.1.";
constexpr const char* CpuEthernetProfiles = "1.3.6.1.4.1.171.12.9.4.1.1.";
constexpr const char* CpuEthernetRules = "1.3.6.1.4.1.171.12.9.5.1.1.";
constexpr const char* UserProfiles = "1.3.6.1.4.1.171.12.9.2.3.1.";
constexpr const char* UserRules = "1.3.6.1.4.1.171.12.9.3.3.1.";
constexpr const char* CpuUserProfiles = "1.3.6.1.4.1.171.12.9.4.3.1.";
constexpr const char* CpuUserRules = "1.3.6.1.4.1.171.12.9.5.3.1.";

// The column and index of each traced set, without the value.
Trace Names(const Trace& trace) {
    Trace names;
    for (const std::string& line : trace) names.push_back(line.substr(0, line.find(' ')));
    return names;
}

class ContentAclEditors : public AclEditors {};

// ---- Ethernet profiles --------------------------------------------------------------------------

// The checks of Add in their order; IDs compare as text, so "01" goes to the
// agent, which refuses to create the listed profile 1: its message in panel 0.
TEST_F(ContentAclEditors, EthernetProfileAddChecks) {
    auto* editor = Open<TEthernetMaskInformationForm>();
    EXPECT_EQ(editor->Caption(), "Ethernet Mask Information :" + Host->AgentIP);
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);
    EXPECT_EQ(Named<TComboBox>(editor, "UseVLanComBo")->Text(), "disabled");
    EXPECT_EQ(Named<TComboBox>(editor, "MacMaskStateComBo")->Text(), "other");
    ExpectRefused(editor, "BT_Set", "Ethernet Mask ID must be set.");
    Type(editor, "IDEdit", "1");
    ExpectRefused(editor, "BT_Set", "There is already a record with the same Ethernet Mask ID. Please modified it.");
    Type(editor, "IDEdit", "9");
    ExpectRefused(editor, "BT_Set", "Row Status must be createAndGo.");

    Type(editor, "IDEdit", "01");
    Choose(editor, "RowStatusComBo", "createAndGo");
    Stack->ClearTrace();
    Press(editor, "BT_Set");
    EXPECT_EQ(Names(Written(EthernetProfiles)), (Trace{"2.1", "3.1", "6.1", "7.1", "8.1"}));
    EXPECT_NE(Panel0(editor), "");
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
}

// Add with "dst-mac-addr" and an empty destination sends neither mask;
// Delete sends the row status alone and leaves "destroy" shown, so the next
// Add is refused until createAndGo is chosen again.
TEST_F(ContentAclEditors, EthernetProfileAddAndDelete) {
    auto* editor = Open<TEthernetMaskInformationForm>();
    Type(editor, "IDEdit", "5");
    Choose(editor, "MacMaskStateComBo", "dst-mac-addr");
    Type(editor, "MacAddMaskSourceEdit", "FFFFFF000000");
    Choose(editor, "RowStatusComBo", "createAndGo");
    Stack->ClearTrace();
    Press(editor, "BT_Set");
    EXPECT_EQ(Written(EthernetProfiles),
              (Trace{"2.5 integer 2", "3.5 integer 2", "6.5 integer 2", "7.5 integer 2", "8.5 integer 4"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);

    SelectRow(editor->ListView1, 2);
    Stack->ClearTrace();
    Press(editor, "BT_Delete");
    EXPECT_EQ(Written(EthernetProfiles), Trace{"8.5 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
    Type(editor, "IDEdit", "6");
    ExpectRefused(editor, "BT_Set", "Row Status must be createAndGo.");
}

// Set on the CPU twin: the masks as the state names them, whole octets only;
// "destroy" deletes.
TEST_F(ContentAclEditors, CpuEthernetProfileSet) {
    auto* editor = Open<TCPUEthernetMaskInformationForm>();
    EXPECT_EQ(editor->Caption(), "CPU Ethernet Mask Information :" + Host->AgentIP);
    SelectRow(editor->ListView1, 0);  // src-mac-addr
    EXPECT_EQ(Named<TComboBox>(editor, "MacMaskStateComBo")->Text(), "src-mac-addr");
    Type(editor, "MacAddMaskSourceEdit", "FFFFFFFFFFF");
    ExpectRefused(editor, "SetBtn",
                  "MAC Address Mask Source must be a MAC address: six octets as 12 hexadecimal digits, such as "
                  "00802F1A2B3C.");

    SelectRow(editor->ListView1, 0);
    Type(editor, "MacAddMaskSourceEdit", "FFFFFF000000");
    Stack->ClearTrace();
    Press(editor, "SetBtn");
    EXPECT_EQ(Names(Written(CpuEthernetProfiles)), (Trace{"2.1", "3.1", "4.1", "6.1", "7.1", "8.1"}));
    EXPECT_EQ(Written(CpuEthernetProfiles)[2], "4.1 string \"\\xff\\xff\\xff\\x00\\x00\\x00\"");

    SelectRow(editor->ListView1, 1);
    Choose(editor, "RowStatusComBo", "destroy");
    Stack->ClearTrace();
    Press(editor, "SetBtn");
    EXPECT_EQ(Written(CpuEthernetProfiles), Trace{"8.2 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 1u);
}

// ---- Ethernet rules --------------------------------------------------------------------------------

// Edit always writes the port list; "deny" disables and unticks the actions,
// and Check All does not bring them into the set.
TEST_F(ContentAclEditors, EthernetRuleEdit) {
    auto* editor = Open<TEthernetInformationRuleForm>();
    EXPECT_EQ(editor->Caption(), "Ethernet Rule");
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);
    SelectRow(editor->ListView1, 0);  // 1.1: ports 1-4 of unit 1
    EXPECT_EQ(Named<TEdit>(editor, "MaskIDEdit")->Text(), "1");
    EXPECT_EQ(Named<TEdit>(editor, "AccessEdit")->Text(), "1");
    EXPECT_EQ(TickedPorts(editor), (std::vector<int>{0, 1, 2, 3}));
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(EthernetRules), Trace{"14.1.1 bits 0 1 2 3"});

    SelectRow(editor->ListView1, 0);
    Choose(editor, "PermitComboBox", "deny");
    EXPECT_FALSE(Enabled(editor, "PriorityEdit"));
    EXPECT_FALSE(Enabled(editor, "cbxRuleReplace"));
    Press(editor, "AddCheckButton");
    EXPECT_TRUE(Named<TCheckBox>(editor, "cbxPriority")->Checked());
    Type(editor, "EthTypeEdit", "0806");
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Names(Written(EthernetRules)), (Trace{"3.1.1", "4.1.1", "5.1.1", "6.1.1", "7.1.1", "13.1.1",
                                                    "14.1.1", "15.1.1"}));
    EXPECT_EQ(Written(EthernetRules)[4], "7.1.1 string \"\\x08\\x06\"");
    EXPECT_EQ(Written(EthernetRules)[5], "13.1.1 integer 1");

    SelectRow(editor->ListView1, 0);
    Tick(editor, {"cbxPriority"});
    Choose(editor, "PermitComboBox", "deny");
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxPriority")->Checked());
    Choose(editor, "PermitComboBox", "mirror");
    EXPECT_TRUE(Enabled(editor, "PriorityEdit"));
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxPriority")->Checked());
}

// Add: the same access ID under another mask ID is accepted; no port ticked
// sends no Port item; the unticked row status still creates.
TEST_F(ContentAclEditors, EthernetRuleAddAndDelete) {
    auto* editor = Open<TEthernetInformationRuleForm>();
    SelectRow(editor->ListView1, 2);
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(EthernetRules), Trace{"15.2.1 integer 6"});

    Type(editor, "MaskIDEdit", "1");
    Type(editor, "AccessEdit", "2");
    ExpectRefused(editor, "AddButton",
                  "Has already a record with the same Mask ID and Access ID. Please change eithor of them.");
    Type(editor, "MaskIDEdit", "2");
    Tick(editor, {"cbxSource", "cbxPermit"});
    Type(editor, "SourceMACEdit", "001b213a4f99");
    Choose(editor, "PermitComboBox", "permit");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(EthernetRules), (Trace{"4.2.2 string \"\\x00\\x1b!:O\\x99\"", "13.2.2 integer 2",
                                             "15.2.2 integer 4"}));
    EXPECT_EQ(Rows(editor->ListView1).size(), 3u);

    Type(editor, "MaskIDEdit", "2");
    Type(editor, "AccessEdit", "3");
    Tick(editor, {"cbxEtherType"});
    Type(editor, "EthTypeEdit", "800");
    ExpectRefused(editor, "AddButton",
                  "Ethernet Type Rule must be hexadecimal text in whole octets, two digits each, such as 001AFF.");
    // Ticked and left empty: the switch would refuse the whole set.
    Type(editor, "MaskIDEdit", "2");
    Type(editor, "AccessEdit", "3");
    Tick(editor, {"cbxEtherType", "cbxSource"});
    Type(editor, "EthTypeEdit", "");
    Type(editor, "SourceMACEdit", "001b213a4f99");
    ExpectRefused(editor, "AddButton", "Ethernet Type Rule must be set.");
}

// A rule under a missing profile: the agent refuses, its message goes to
// panel 0, and the list stays as it was.
TEST_F(ContentAclEditors, EthernetRuleUnderAMissingProfile) {
    auto* editor = Open<TEthernetInformationRuleForm>();
    Type(editor, "MaskIDEdit", "9");
    Type(editor, "AccessEdit", "1");
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Written(EthernetRules), Trace{"15.9.1 integer 4"});
    EXPECT_NE(Panel0(editor), "");
    EXPECT_EQ(Rows(editor->ListView1).size(), 3u);
}

// The CPU twin: no actions and no ports, a plain-text Ethernet type, Delete
// of the row status alone.
TEST_F(ContentAclEditors, CpuEthernetRule) {
    auto* editor = Open<TCPUEthernetInformationRuleForm>();
    EXPECT_EQ(editor->Caption(), "CPU Ethernet Rule Information");
    EXPECT_EQ(editor->PortPicker, nullptr);
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);
    SelectRow(editor->ListView1, 0);
    Tick(editor, {"cbxEtherType", "cbxPermit"});
    Type(editor, "EthTypeEdit", "IPv4");
    Choose(editor, "PermitComboBox", "deny");
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(CpuEthernetRules), (Trace{"7.1.1 string \"IPv4\"", "8.1.1 integer 1"}));
    SelectRow(editor->ListView1, 1);
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(CpuEthernetRules), Trace{"9.1.2 integer 6"});
}

// ---- user-defined profiles -------------------------------------------------------------------------

// Only the filled window goes; a listed ID and a row status other than
// createAndGo are refused; Edit sends the row status the combo shows.
TEST_F(ContentAclEditors, UserProfiles) {
    OpenHostOn();
    for (const char* prefix : {UserProfiles, CpuUserProfiles}) {
        SCOPED_TRACE(prefix);
        TAclEditor* editor = prefix == UserProfiles ? static_cast<TAclEditor*>(OpenDialog<TUserMaskInfoForm>())
                                                    : OpenDialog<TCPUUserMaskInfoForm>();
        ASSERT_EQ(Rows(editor->ListView1).size(), 1u);
        EXPECT_EQ(Named<TComboBox>(editor, "ComboBox1")->Text(), "createAndGo");
        Type(editor, "Edit1", "1");
        ExpectRefused(editor, "AddButton", "Mask Entry ID must be different.");
        Type(editor, "Edit1", "4");
        Type(editor, "Edit5", "FFFF0000");
        Stack->ClearTrace();
        Press(editor, "AddButton");
        EXPECT_EQ(Written(prefix), (Trace{"2.4 string \"\\xff\\xff\\x00\\x00\"", "7.4 integer 4"}));
        ASSERT_EQ(Rows(editor->ListView1).size(), 2u);

        SelectRow(editor->ListView1, 1);
        for (const char* window : {"Edit5", "Edit3", "Edit4", "Edit6", "Edit7"}) Type(editor, window, "");
        Type(editor, "Edit4", "00FF");
        Choose(editor, "ComboBox1", "active");
        Stack->ClearTrace();
        Press(editor, "OperButton");
        EXPECT_EQ(Written(prefix), (Trace{"4.4 string \"\\x00\\xff\"", "7.4 integer 1"}));

        SelectRow(editor->ListView1, 1);
        Stack->ClearTrace();
        Press(editor, "DeleteButton");
        EXPECT_EQ(Written(prefix), Trace{"7.4 integer 6"});
        Type(editor, "Edit1", "5");
        ExpectRefused(editor, "AddButton", "Row State must be createAndGo.");
        Type(editor, "Edit7", "F");
        Choose(editor, "ComboBox1", "createAndGo");
        // Both filters' editors name the field by its label, which they share.
        ExpectRefused(editor, "AddButton",
                      "Filtered Port(s) [64 to 79] must be hexadecimal text in whole octets, two digits each, such as "
                      "001AFF.");
        CloseAndDelete(editor);
    }
}

// ---- user-defined rules ------------------------------------------------------------------------------

// Five windows are refused with nothing sent, four go; Edit with a ticked
// createAndGo runs Add and is refused as a duplicate; the port boxes stay
// ticked across writes.
TEST_F(ContentAclEditors, UserRuleWindowsAndPorts) {
    auto* editor = Open<TUserDefinedInformationRuleForm>();
    EXPECT_EQ(editor->Caption(), "User Defined Rule");
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);
    Type(editor, "ProfileIDEdit", "1");
    Type(editor, "AccessIDEdit", "3");
    const char* windows[] = {"OffsetGroupFirstEdit", "OffsetGroupSecondEdit", "OffsetGroupThirdEdit",
                             "OffsetGroupForthEdit", "OffsetGroupFifthEdit"};
    for (const char* window : windows) Type(editor, window, "00000800");
    Tick(editor, {"cbxGroupFirst", "cbxGroupSecond", "cbxGroupThird", "cbxGroupForth", "cbxGroupFifth"});
    ExpectRefused(editor, "AddButton", "The offset number is too much.");

    Named<TCheckBox>(editor, "cbxGroupThird")->SetChecked(false);
    Type(editor, "OffsetGroupSecondEdit", "");
    ExpectRefused(editor, "AddButton", "Packet(s) Offset [16 to 31] must be set.");
    Type(editor, "OffsetGroupSecondEdit", "00000800");
    Click(editor->PortPicker->Box(2));
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Names(Written(UserRules)), (Trace{"3.1.3", "4.1.3", "6.1.3", "7.1.3", "14.1.3", "15.1.3"}));
    EXPECT_EQ(Written(UserRules)[0], "3.1.3 string \"\\x00\\x00\\x08\\x00\"");
    EXPECT_EQ(Rows(editor->ListView1).size(), 3u);
    EXPECT_EQ(TickedPorts(editor), std::vector<int>{2}) << "the ports stay ticked";
    EXPECT_FALSE(Named<TCheckBox>(editor, "cbxGroupFirst")->Checked());

    SelectRow(editor->ListView1, 0);
    Tick(editor, {"cbxRow"});
    Choose(editor, "RowComboBox", "createAndGo");
    ExpectRefused(editor, "EditButton",
                  "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.");

    SelectRow(editor->ListView1, 0);
    Tick(editor, {"cbxRow"});
    Choose(editor, "RowComboBox", "destroy");
    Stack->ClearTrace();
    Press(editor, "EditButton");
    EXPECT_EQ(Written(UserRules), Trace{"15.1.1 integer 6"});
}

// The CPU twin writes all five windows, and its Delete carries Permit.
TEST_F(ContentAclEditors, CpuUserRule) {
    auto* editor = Open<TCPUUserDefinedInformationRuleForm>();
    EXPECT_EQ(editor->Caption(), "CPU User Defined Rule Information");
    EXPECT_EQ(editor->PortPicker, nullptr);
    ASSERT_EQ(Rows(editor->ListView1).size(), 1u);
    Type(editor, "ProfileIDEdit", "1");
    Type(editor, "AccessIDEdit", "2");
    for (const char* window : {"OffsetGroupFirstEdit", "OffsetGroupSecondEdit", "OffsetGroupThirdEdit",
                               "OffsetGroupForthEdit", "OffsetGroupFifthEdit"})
        Type(editor, window, "FF");
    Press(editor, "CheckButton");
    Named<TCheckBox>(editor, "cbxPermit")->SetChecked(false);
    Stack->ClearTrace();
    Press(editor, "AddButton");
    EXPECT_EQ(Names(Written(CpuUserRules)), (Trace{"3.1.2", "4.1.2", "5.1.2", "6.1.2", "7.1.2", "9.1.2"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);

    SelectRow(editor->ListView1, 0);  // 1.1: deny
    Stack->ClearTrace();
    Press(editor, "DeleteButton");
    EXPECT_EQ(Written(CpuUserRules), (Trace{"8.1.1 integer 1", "9.1.1 integer 6"}));
    EXPECT_EQ(Rows(editor->ListView1).size(), 1u);
}

}  // namespace
