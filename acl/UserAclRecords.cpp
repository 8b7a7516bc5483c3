#include "acl/UserAclRecords.h"

namespace {

constexpr const char* Combo = nullptr;
constexpr const char* Window = "%s{l32}";  // 16 octets as hex digits

constexpr RowField ProfileFields[] = {
    {0, "Edit1", "%i{n1x255l3}", "Mask Entry ID"},
    {1, "Edit5", Window, "Filtered Port(s) [0 to 15]"},
    {2, "Edit3", Window, "Filtered Port(s) [16 to 31]"},
    {3, "Edit4", Window, "Filtered Port(s) [32 to 47]"},
    {4, "Edit6", Window, "Filtered Port(s) [48 to 63]"},
    {5, "Edit7", Window, "Filtered Port(s) [64 to 79]"},
    RowStatusField(6, "ComboBox1", "Mask Row Status", nullptr, RowCreateAndGo),
};

constexpr RowButtons ProfileButtons{"GetButton", "OperButton", "Edit", "AddButton", "DeleteButton"};

constexpr std::array<RowField, 7> KeyAndWindowFields(const char* accessFormat) {
    return {{
        {0, "ProfileIDEdit", "%i{n1x255}", "Profile ID"},
        {1, "AccessIDEdit", accessFormat, "Access ID"},
        {2, "OffsetGroupFirstEdit", Window, "Packet(s) Offset [0 to 15]", "cbxGroupFirst"},
        {3, "OffsetGroupSecondEdit", Window, "Packet(s) Offset [16 to 31]", "cbxGroupSecond"},
        {4, "OffsetGroupThirdEdit", Window, "Packet(s) Offset [32 to 47]", "cbxGroupThird"},
        {5, "OffsetGroupForthEdit", Window, "Packet(s) Offset [48 to 63]", "cbxGroupForth"},
        {6, "OffsetGroupFifthEdit", Window, "Packet(s) Offset [64 to 79]", "cbxGroupFifth"},
    }};
}

constexpr auto IngressRuleFields = JoinFields(
    KeyAndWindowFields("%i{n0x255}"),
    std::array<RowField, 7>{{
        {7, "EnablePriComboBox", Combo, "Enable Priority", "cbxEnablePriority"},
        {8, "PriorityEdit", "%i{n0x7l1}", "Priority", "cbxPriority"},
        {9, "ReplPriyComboBox", Combo, "Replace Priority", "cbxReplace"},
        {10, "EnableReplComboBox", Combo, "Enable Replace DSCP", "cbxEnableReplace"},
        {11, "ReplDSCPEdit", "%i{n0x63l2}", "Replace DSCP", "cbxReplaceDscp"},
        {12, "PermitComboBox", Combo, "Permit", "cbxPermit"},
        RowStatusField(14, "RowComboBox", "Row Status", "cbxRow", RowCreateAndGo),
    }});

constexpr auto CpuRuleFields = JoinFields(
    KeyAndWindowFields("%i{n1x255}"),
    std::array<RowField, 2>{{{7, "PermitComboBox", Combo, "Permit", "cbxPermit"},
                             RowStatusField(8, "RowComboBox", "Row Status", "cbxRow", RowCreateAndGo)}});

constexpr RowButtons RuleButtons{"GetButton", "EditButton",  "Edit", "AddButton", "DeleteButton",
                                 "CheckButton", "UncheckButton"};

}  // namespace

const AclEditorRecord UserMaskInfoRecord{
    .Table = aclUserDefinedProfileTable, .Name = "UserMaskInfoForm", .Caption = "User Defined Mask Information :",
    .Captioning = CaptionRule::TitleAndAgent, .Fields = ProfileFields, .Buttons = ProfileButtons,
    .LeftColumnRows = 4};
const AclEditorRecord CPUUserMaskInfoRecord{
    .Table = cpuFilterUserDefinedProfileTable, .Name = "CPUUserMaskInfoForm",
    .Caption = "CPU User Defined Mask Information :", .Captioning = CaptionRule::TitleAndAgent,
    .Fields = ProfileFields, .Buttons = ProfileButtons, .LeftColumnRows = 4};
const AclEditorRecord UserDefinedInformationRuleRecord{
    .Table = aclUserDefinedRuleTable, .Name = "UserDefinedInformationRuleForm", .Caption = "User Defined Rule",
    .Captioning = CaptionRule::Stored, .Fields = IngressRuleFields, .Buttons = RuleButtons, .LeftColumnRows = 7,
    .CopiesKeysOnClick = true, .KeepsPortTicks = true};
const AclEditorRecord CPUUserDefinedInformationRuleRecord{
    .Table = cpuFilterUserDefinedRuleTable, .Name = "CPUUserDefinedInformationRuleForm",
    .Caption = "CPU User Defined Rule Information", .Captioning = CaptionRule::Stored, .Fields = CpuRuleFields,
    .Buttons = RuleButtons, .LeftColumnRows = 5, .CopiesKeysOnClick = true};
