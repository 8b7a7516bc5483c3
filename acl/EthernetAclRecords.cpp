#include "acl/EthernetAclRecords.h"

#include "acl/EthernetAclWrites.h"

namespace {

constexpr const char* Combo = nullptr;

constexpr std::array<RowField, 8> ProfileFields(const char* idFormat) {
    return {{
        {ethProfileId, "IDEdit", idFormat, "Ethernet Mask ID"},
        {ethUseVlan, "UseVLanComBo", Combo, "Use VLAN", nullptr, 1},
        {ethMaskState, "MacMaskStateComBo", Combo, "MAC Address Mask State", nullptr, 0},
        {ethSrcMask, "MacAddMaskSourceEdit", "%s{l12}", "MAC Address Mask Source"},
        {ethDstMask, "MacMaskDstEdit", "%s{l12}", "MAC Address Mask Destination"},
        {ethUse8021p, "Use8021pComBo", Combo, "Use 8021p", nullptr, 1},
        {ethUseType, "UseEthTypeCombo", Combo, "Use Ethernet Type", nullptr, 1},
        RowStatusField(ethProfileRowStatus, "RowStatusComBo", "Row Status", nullptr, RowActive),
    }};
}
constexpr auto IngressProfileFields = ProfileFields("%i{n1x255l3}");
constexpr auto CpuProfileFields = ProfileFields("%i{n1x5l1}");

constexpr RowButtons ProfileButtons{"BT_Get", "SetBtn", "Set", "BT_Set", "BT_Delete"};

// The IDs and match fields of both rule tables; their formats differ.
constexpr std::array<RowField, 7> MatchFields(const char* accessFormat, const char* priorityFormat) {
    return {{
        {ethRuleMaskId, "MaskIDEdit", "%i{n1x255}", "Mask ID"},
        {ethRuleAccessId, "AccessEdit", accessFormat, "Access ID"},
        {ethRuleVlan, "VlanRuleEdit", "%s{l32}", "VLAN Rule", "cbxVlan"},
        {ethRuleSrcMac, "SourceMACEdit", "%s{l12}", "Source MAC Address Rule", "cbxSource"},
        {ethRuleDstMac, "DestMACEdit", "%s{l12}", "Destination MAC Address Rule", "cbxDestination"},
        {ethRule8021p, "IEEE8021pEdit", priorityFormat, "8021P Rule", "cbxIEEE802dot1P"},
        {ethRuleType, "EthTypeEdit", "%s{l4}", "Ethernet Type Rule", "cbxEtherType"},
    }};
}

constexpr auto IngressRuleFields = JoinFields(
    MatchFields("%i{n0x65535}", "%i{n0x7l1}"),
    std::array<RowField, 7>{{
        {7, "EnablePriorityComboBox", Combo, "Enable Priority Rule", "cbxEnablePriority"},
        {8, "PriorityEdit", "%i{n0x7l1}", "Priority Rule", "cbxPriority"},
        {9, "ReplacePriorityComboBox", Combo, "Replace Priority Rule", "cbxReplacePriority"},
        {10, "EnableReplDSCPComboBox", Combo, "Enable Replace DSCP Rule", "cbxEnableReplace"},
        {11, "ReplDSCPEdit", "%i{n0x63l2}", "Replace DSCP", "cbxRuleReplace"},
        {12, "PermitComboBox", Combo, "Permit", "cbxPermit"},
        RowStatusField(14, "RowComboBox", "Row Status Rule", "cbxRow", RowCreateAndGo),
    }});

constexpr auto CpuRuleFields = JoinFields(
    MatchFields("%i{n1x255}", "%i{n0x7}"),
    std::array<RowField, 2>{{{7, "PermitComboBox", Combo, "Permit", "cbxPermit"},
                             RowStatusField(8, "RowComboBox", "Row Status Rule", "cbxRow", RowCreateAndGo)}});

constexpr RowButtons RuleButtons{"GetButton", "EditButton",     "Edit", "AddButton", "DeleteButton",
                                 "AddCheckButton", "CleanCheButton"};

}  // namespace

const AclEditorRecord EthernetMaskInformationRecord{
    .Table = aclEthernetProfileTable, .Name = "EthernetMaskInformationForm",
    .Caption = "Ethernet Mask Information :", .Captioning = CaptionRule::TitleAndAgent,
    .Fields = IngressProfileFields, .Buttons = ProfileButtons, .LeftColumnRows = 4};
const AclEditorRecord CPUEthernetMaskInformationRecord{
    .Table = cpuFilterEthernetProfileTable, .Name = "CPUEthernetMaskInformationForm",
    .Caption = "CPU Ethernet Mask Information :", .Captioning = CaptionRule::TitleAndAgent,
    .Fields = CpuProfileFields, .Buttons = ProfileButtons, .LeftColumnRows = 4};
const AclEditorRecord EthernetInformationRuleRecord{
    .Table = aclEthernetRuleTable, .Name = "EthernetInformationRuleForm", .Caption = "Ethernet Rule",
    .Captioning = CaptionRule::Stored, .Fields = IngressRuleFields, .Buttons = RuleButtons, .LeftColumnRows = 7,
    .CopiesKeysOnClick = true};
const AclEditorRecord CPUEthernetInformationRuleRecord{
    .Table = cpuFilterEthernetRuleTable, .Name = "CPUEthernetInformationRuleForm",
    .Caption = "CPU Ethernet Rule Information", .Captioning = CaptionRule::Stored, .Fields = CpuRuleFields,
    .Buttons = RuleButtons, .LeftColumnRows = 5, .CopiesKeysOnClick = true};
