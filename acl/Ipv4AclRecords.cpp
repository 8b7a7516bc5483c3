#include "acl/Ipv4AclRecords.h"

#include <array>

#include "acl/Ipv4AclWrites.h"

namespace {

constexpr const char* Combo = nullptr;

constexpr RowField ProfileFields[] = {
    {ipProfileId, "IPIDEdit", "%i{n1x255l3}", "IP ID"},
    {ipUseVlan, "UseVlanComBo", Combo, "Use VLAN", nullptr, 1},
    {ipMaskState, "IpAddMaskStateComboBox", Combo, "IP Address Mask State", nullptr, 0},
    {ipSrcMask, "IpAddMaskSrcEdit", "%s", "IP Address Mask Source"},
    {ipDstMask, "IpAddMaskDstEdit", "%s", "IP Address Mask Destination"},
    {ipUseDscp, "UseDSCPComBo", Combo, "Use DSCP", nullptr, 1},
    {ipProtocolType, "UseProTypeComBo", Combo, "Use Protocol Type", nullptr, 0},
    {ipIcmpOption, "ICMPOptionComBo", Combo, "ICMP Option", nullptr, 0},
    {ipIgmpOption, "IGMPOptionComBo", Combo, "IGMP Option", nullptr, 1},
    {ipTcpOption, "TCPOptionComBo", Combo, "TCP Option", nullptr, 0},
    {ipUdpOption, "UDPOptionComBo", Combo, "UDP Option", nullptr, 0},
    {ipSrcPortMask, "TCPUDPSrcMaskEdit", "%s", "TCP or UDP Srouce Port Mask"},
    {ipDstPortMask, "TCPUDPDstPortMaskEdit", "%s", "TCP or UDP Destination Port Mask"},
    {ipTcpFlag, "TCPFlagBitOptionComBo", Combo, "TCP Flag Bit Option", nullptr, 1},
    {ipTcpFlagMask, "TCPFlagBitMaskEdit", "%i", "TCP Flag Bit Mask"},
    {ipProtocolIdOption, "ProOptionComBo", Combo, "Protocol ID Option", nullptr, 1},
    {ipProtocolIdMask, "ProIDMaskEdit", "%s", "Protocol ID Mask"},
    RowStatusField(ipProfileRowStatus, "RowStatusComBo", "Row Status", nullptr, RowActive),
};

constexpr RowButtons ProfileButtons{"BT_Get", "SetBtn", "Set", "BT_Add", "BT_Delete"};

// The match fields that both rule tables share, between the IDs and the
// actions; only two captions differ.
constexpr std::array<RowField, 12> MatchFields(const char* sourceCaption, const char* destinationCaption) {
    return {{
        {ipRuleVlan, "ApplyVlanEdit", "%s{l32}", "Apply VLAN", "cbxVlan"},
        {ipRuleSrcAddress, "SourceIPEdit", "%s{l16}", sourceCaption, "cbxSourceIP"},
        {ipRuleDstAddress, "DestIPEdit", "%s{l16}", destinationCaption, "cbxDestIP"},
        {ipRuleDscp, "DSCPEdit", "%i{n0x63l2}", "DSCP", "cbxDscp"},
        {ipRuleProtocol, "ProtocolComboBox", Combo, "Rule Protocol", "cbxProtocol"},
        {ipRuleType, "RuleTypeEdit", "%i{n0x255l3}", "Rule Type", "cbxType"},
        {ipRuleCode, "RuleCodeEdit", "%i{n0x255l3}", "Rule Code", "cbxRuleCode"},
        {ipRuleSrcPort, "SourcePortEdit", "%i{n1x65535l5}", "Source Port", "cbxSourcePort"},
        {ipRuleDstPort, "DestPortEdit", "%i{n1x65535l5}", "Destination Port", "cbxDestPort"},
        {ipRuleFlagBits, "FlagEdit", "%i{n0x63l2}", "Flag Bits", "cbxFBs"},
        {ipRuleProtocolId, "ProtocolIDEdit", "%i{n0x255l3}", "Protocol ID", "cbxProtocolID"},
        {ipRuleUserMask, "UserMaskEdit", "%s{l8}", "User Mask", "cbxUserMask"},
    }};
}

constexpr auto IngressRuleFields = JoinFields(
    std::array<RowField, 2>{{{ipRuleProfileId, "IPRuleEdit", "%i{n1x255}", "IPv4 Rule ID"},
                             {ipRuleAccessId, "AccessIDEdit", "%i{n0x255}", "IPv4 Rule Access ID"}}},
    MatchFields("Source IPv4 Address", "Destination IPv4 address"),
    std::array<RowField, 7>{{
        {14, "PriorityComboBox", Combo, "Enable Priority", "cbxEnablePriority"},
        {15, "PriorityEdit", "%i{n0x7l1}", "Priority", "cbxPriority"},
        {16, "ReplaceComboBox", Combo, "Replace Priority", "cbxReplacePriority"},
        {17, "EnableReplComboBox", Combo, "Enable Replace DSCP", "cbxEnableReplaceDscp"},
        {18, "DSCPValueEdit", "%i{n0x63l2}", "Replace DSCP", "cbxValue"},
        {19, "PermitComboBox", Combo, "Permit", "cbxPermit"},
        RowStatusField(21, "RowComboBox", "Row Status", "cbxRow", RowCreateAndGo),
    }});

constexpr auto CpuRuleFields = JoinFields(
    std::array<RowField, 2>{{{ipRuleProfileId, "IPRuleEdit", "%i{n1x255}", "IP Rule ID"},
                             {ipRuleAccessId, "AccessIDEdit", "%i{n1x255}", "IP Rule Access ID"}}},
    MatchFields("Source IP Address", "Destination IP address"),
    std::array<RowField, 2>{{{14, "PermitComboBox", Combo, "Permit", "cbxPermit"},
                             RowStatusField(15, "RowComboBox", "Row Status", "cbxRow", RowCreateAndGo)}});

constexpr RowButtons RuleButtons{"GetButton", "EditButton",  "Edit", "AddButton", "DeleteButton",
                                 "CheckButton", "UncheckButton"};

}  // namespace

const AclEditorRecord IPMaskInformationRecord{
    .Table = aclIpv4ProfileTable, .Name = "IPMaskInformationForm", .Caption = "IP Mask MaskInformation :",
    .Captioning = CaptionRule::TitleAndAgent, .Fields = ProfileFields, .Buttons = ProfileButtons,
    .LeftColumnRows = 9};
const AclEditorRecord CPUIPMaskInformationRecord{
    .Table = cpuFilterIpv4ProfileTable, .Name = "CPUIPMaskInformationForm",
    .Caption = "CPU IP Mask MaskInformation :", .Captioning = CaptionRule::TitleAndAgent, .Fields = ProfileFields,
    .Buttons = ProfileButtons, .LeftColumnRows = 9};
const AclEditorRecord IPRuleRecord{
    .Table = aclIpv4RuleTable, .Name = "IPRuleForm", .Caption = "IPv4 Rule", .Captioning = CaptionRule::Stored,
    .Fields = IngressRuleFields, .Buttons = RuleButtons, .LeftColumnRows = 11, .CopiesKeysOnClick = true};
const AclEditorRecord CPUIPRuleRecord{
    .Table = cpuFilterIpv4RuleTable, .Name = "CPUIPRuleForm", .Caption = "CPU IPv4 Rule Information",
    .Captioning = CaptionRule::Stored, .Fields = CpuRuleFields, .Buttons = RuleButtons, .LeftColumnRows = 8,
    .CopiesKeysOnClick = true};
