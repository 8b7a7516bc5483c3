#pragma once
// What the user-defined (packet-content) profile and rule editors write:
// their checks and leave-outs, functions of the form's snapshot
// (AclWrites.h). A profile and its rules cover five 16-byte windows of the
// packet; the ingress rule table has the QoS actions and the ports, the
// CPU-filter one has neither.

#include "acl/AclWrites.h"

// The five packet windows: profile items 1 to 5, rule items 2 to 6.
inline constexpr int UserWindows = 5;
inline constexpr int UserProfileFirstWindow = 1;
inline constexpr int UserRuleFirstWindow = 2;
// One ingress write carries at most this many windows.
inline constexpr int UserRuleMaxWindows = 4;

// Profiles: the windows whose edit is empty are left out (Set and Add).
RowItems UserProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// The profile editors' Edit writes the row status the combo shows: it never
// deletes by itself.
RowWrite UserProfileWriteOfSelected(const AclTable& table, const RowSnapshot& form);
std::optional<RowRefusal> CheckUserProfile(const AclTable& table, const RowSnapshot& form, RowWrite write);

// Rules: the shared rule leave-outs; the CPU filter's Delete carries Permit
// beside the row status; its Edit with a ticked "destroy" carries neither
// windows nor Permit.
RowItems UserRuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// Ingress: Edit with a ticked createAndGo is an Add (with all of Add's
// checks), with a ticked destroy a Delete. CPU filter: always Edit.
RowWrite UserRuleWriteOfSelected(const AclTable& table, const RowSnapshot& form);
// The IDs, the duplicate key and the row status of Add; ingress writes also
// the number of ticked windows.
std::optional<RowRefusal> CheckUserRule(const AclTable& table, const RowSnapshot& form, RowWrite write);
// Whether more windows are ticked than one ingress write may carry.
bool OffsetNumberTooMuch(const RowSnapshot& form);
