#pragma once
// What the IPv6 profile and rule editors write: their checks and leave-outs,
// functions of the form's snapshot (AclWrites.h). The ingress and CPU-filter
// tables of a kind share them.

#include "acl/AclWrites.h"

// ---- profiles -----------------------------------------------------------------------

// Items of both IPv6 profile tables.
enum Ipv6ProfileItem : int {
    ip6ProfileId, ip6Class, ip6FlowLabel, ip6MaskState, ip6SrcMask, ip6DstMask, ip6ProfileRowStatus,
};

// The address masks that the chosen mask state does not name ("other"
// names neither); nothing while no state is chosen.
RowItems Ipv6MasksLeftOutByState(const RowSnapshot& form);
// Add carries the class, flow label and state when chosen and the masks the
// state names when filled (no state: no mask), with the row status. Set
// carries the class, flow label, state and the masks the state names, never
// the row status. Delete carries the row status alone.
RowItems Ipv6ProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// Set with createAndGo chosen is an Add (and so refused as a duplicate of the
// selected row), with destroy a Delete.
RowWrite Ipv6ProfileWriteOfSelected(const AclTable& table, const RowSnapshot& form);
// Add: the ID (the CPU filter's message names it), the ID not listed yet,
// createAndGo chosen. Set: the ID, the class, flow label and state chosen,
// and the masks that the state names filled.
std::optional<RowRefusal> CheckIpv6Profile(const AclTable& table, const RowSnapshot& form, RowWrite write);

// ---- rules --------------------------------------------------------------------------

// Items that both IPv6 rule tables share (the rest differ: AclTable).
enum Ipv6RuleItem : int {
    ipv6RuleProfileId, ipv6RuleAccessId, ipv6RuleClass, ipv6RuleFlowLabel, ipv6RuleSrcAddress, ipv6RuleDstAddress,
};
// The ingress table's QoS actions.
enum Ipv6RuleAction : int { ipv6RuleEnablePriority = 6, ipv6RulePriority, ipv6RuleReplacePriority };

// The shared rule leave-outs, and Priority also when a ticked enable
// priority shows "disabled". Delete carries the row status alone: the
// access ID is left out too, the row's instance still naming it.
RowItems Ipv6RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// Edit goes by the row-status combo alone, ticked or not: createAndGo is an
// Add, destroy a Delete.
RowWrite Ipv6RuleWriteOfSelected(const AclTable& table, const RowSnapshot& form);
// Both IDs; on Add a key not listed yet; every ticked field with a value
// (a text or a choice); on Add a ticked row status at createAndGo.
// Addresses and flow labels are hex digits in whole octets, checked with
// every carried text (CheckCarriedTexts).
std::optional<RowRefusal> CheckIpv6Rule(const AclTable& table, const RowSnapshot& form, RowWrite write);
