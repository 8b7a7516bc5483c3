#pragma once
// What the IPv4 profile and rule editors write: their checks and leave-outs,
// functions of the form's snapshot (AclWrites.h). The ingress and CPU-filter
// tables share them; a rule table's own positions come from its AclTable.

#include "acl/AclWrites.h"

// Items of both IPv4 profile tables.
enum Ipv4ProfileItem : int {
    ipProfileId, ipUseVlan, ipMaskState, ipSrcMask, ipDstMask, ipUseDscp, ipProtocolType, ipIcmpOption,
    ipIgmpOption, ipTcpOption, ipUdpOption, ipSrcPortMask, ipDstPortMask, ipTcpFlag, ipTcpFlagMask,
    ipProtocolIdOption, ipProtocolIdMask, ipProfileRowStatus,
};

// Items that both IPv4 rule tables share (the rest differ: AclTable).
enum Ipv4RuleItem : int {
    ipRuleProfileId, ipRuleAccessId, ipRuleVlan, ipRuleSrcAddress, ipRuleDstAddress, ipRuleDscp, ipRuleProtocol,
    ipRuleType, ipRuleCode, ipRuleSrcPort, ipRuleDstPort, ipRuleFlagBits, ipRuleProtocolId, ipRuleUserMask,
};

// Profiles: the items a write leaves out, by the mask state, the TCP and UDP
// options, the flag-bit and protocol-ID options, the protocol type and the
// empty edits. Add carries what Set would, whatever the row-status combo
// shows (Add itself sends createAndGo).
RowItems Ipv4ProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// The protocol type's share of it (no selection, "none" or an unknown
// position: every protocol item).
RowItems Ipv4ProfileProtocolLeftOut(const RowSnapshot& form);
// Add needs the profile ID.
std::optional<RowRefusal> CheckIpv4Profile(const AclTable& table, const RowSnapshot& form, RowWrite write);

// Rules: the shared rule leave-outs, then the match items that the chosen
// protocol does not use.
RowItems Ipv4RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
RowItems Ipv4RuleProtocolLeftOut(const RowSnapshot& form);
std::optional<RowRefusal> CheckIpv4Rule(const AclTable& table, const RowSnapshot& form, RowWrite write);
