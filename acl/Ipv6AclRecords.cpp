#include "acl/Ipv6AclRecords.h"

#include <array>

#include "acl/Ipv6AclWrites.h"

// ---- profiles -----------------------------------------------------------------------

namespace {

constexpr const char* Combo = nullptr;

// No combo starts with a choice: what the user leaves unchosen Add leaves out.
constexpr RowField ProfileFields[] = {
    {ip6ProfileId, "edtIPv6MaskID", "%i{n1x8l1}", "IPv6 Mask ID"},
    {ip6Class, "cbxClass", Combo, "Class"},
    {ip6FlowLabel, "cbxFlowLabel", Combo, "Flow Label"},
    {ip6MaskState, "cbxIPv6MaskState", Combo, "IPv6 Address Mask State"},
    {ip6SrcMask, "edtIPv6SrcMask", "%s{l32}", "IPv6 Source Address Mask"},
    {ip6DstMask, "edtIPv6DstMask", "%s{l32}", "IPv6 Destination Address Mask"},
    {ip6ProfileRowStatus, "cbxRowStatus", Combo, "RowStatus"},
};

constexpr RowButtons ProfileButtons{"btnRefresh", "btnModify", "Set", "btnAdd", "btnDelete"};

// The menu command sets the caption, the stored one followed by the agent
// address.
constexpr AclEditorRecord ProfileRecord(const AclTable& table, const char* name, const char* caption) {
    return {.Table = table,
            .Name = name,
            .Caption = caption,
            .Captioning = CaptionRule::MenuSetsTitleAndAgent,
            .Fields = ProfileFields,
            .Buttons = ProfileButtons,
            .LeftColumnRows = 4,
            .ClearsAfterRefusal = true};
}

}  // namespace

const AclEditorRecord IPv6MaskInformationRecord =
    ProfileRecord(aclIpv6ProfileTable, "IPv6MaskInformationForm", "IPV6 Mask Information : ");
const AclEditorRecord CPUIPv6MaskInformationRecord =
    ProfileRecord(cpuFilterIpv6ProfileTable, "CPUIPv6MaskInformationForm", "CPU IPV6 Mask Information : ");

// ---- rules --------------------------------------------------------------------------

namespace {

// The IDs and the match fields that both rule tables share; only the access
// IDs they take differ.
constexpr std::array<RowField, 6> RuleKeyAndMatchFields(const char* accessFormat) {
    return {{
        {ipv6RuleProfileId, "edtIPv6ProfileID", "%i{n1x8l1}", "IPv6 Rule ID"},
        {ipv6RuleAccessId, "edtIPv6AccessID", accessFormat, "IPv6 Rule Access ID"},
        {ipv6RuleClass, "edtClass", "%i{n1x255l3}", "Class", "ckClass"},
        {ipv6RuleFlowLabel, "edtFlowLabel", "%s{l8}", "Flow Label", "ckFlowLabel"},
        {ipv6RuleSrcAddress, "edtIPv6SrcAddr", "%s{l32}", "IPv6 Source Address", "ckIPv6SrcAdd"},
        {ipv6RuleDstAddress, "edtIPv6DstAddr", "%s{l32}", "IPv6 Destination Address", "ckIPv6DstAdd"},
    }};
}

constexpr auto IngressRuleFields = JoinFields(
    RuleKeyAndMatchFields("%i{n0x65535l5}"),
    std::array<RowField, 5>{{
        {ipv6RuleEnablePriority, "cbxEnablePriority", Combo, "Enable Priority", "ckEnablePriority"},
        {ipv6RulePriority, "edtPriority", "%i{n0x7l1}", "Priority", "ckPriority"},
        {ipv6RuleReplacePriority, "cbxReplacePriority", Combo, "Replace Priority", "ckReplacePriority"},
        {9, "cbxPermit", Combo, "Permit", "ckPermit"},
        RowStatusField(11, "cbxRowStatus", "Row Status", "ckRowStatus", RowCreateAndGo),
    }});

constexpr auto CpuRuleFields = JoinFields(
    RuleKeyAndMatchFields("%i{n1x100l3}"),
    std::array<RowField, 2>{{
        {6, "cbxPermit", Combo, "Permit", "ckPermit"},
        RowStatusField(7, "cbxRowStatus", "Row Status", "ckRowStatus", RowCreateAndGo),
    }});

constexpr RowButtons RuleButtons{"GetButton", "EditButton",  "Edit", "AddButton", "DeleteButton",
                                 "CheckButton", "UncheckButton"};

// A refused check empties the fields and unticks every box, as a write does.
constexpr AclEditorRecord RuleRecord(const AclTable& table, const char* name, const char* caption,
                                     std::span<const RowField> fields) {
    return {.Table = table,
            .Name = name,
            .Caption = caption,
            .Captioning = CaptionRule::Stored,
            .Fields = fields,
            .Buttons = RuleButtons,
            .LeftColumnRows = 6,
            .ClearsAfterRefusal = true};
}

}  // namespace

const AclEditorRecord IPv6RuleRecord = RuleRecord(aclIpv6RuleTable, "IPv6RuleForm", "IPv6 Rule", IngressRuleFields);
const AclEditorRecord CPUIPv6RuleRecord =
    RuleRecord(cpuFilterIpv6RuleTable, "CPUIPv6RuleForm", "CPU IPv6 Rule Information", CpuRuleFields);
