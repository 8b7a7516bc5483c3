#pragma once
// What an access-control editor writes, decided without its window: the
// shared row rules (dialogbase/RowWrites.h) on the table's record, and what the
// access-control tables add to them (field boxes, actions, ports, two IDs).
// The editors (AclEditor.h) take the snapshot, call the rules of their
// table's packet type and kind (the end of this header) and send what is
// left.

#include <optional>
#include <string>

#include "acl/AclTables.h"
#include "dialogbase/RowWrites.h"

// ---- shared rules ---------------------------------------------------------------

// The rule editors' leave-outs for Set (Edit) and Add: every field whose box
// is unticked (all items between the index items and the permit item; the
// port has no box); with "deny" ticked the actions; on Set an unticked row
// status; on Add the port list when no port is ticked. The port list is
// always carried by Set.
RowItems RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);

// The rule editors' Edit with the row status ticked at "destroy" deletes.
RowWrite RuleWriteOfSelected(const AclTable& table, const RowSnapshot& form);

// The rule editors' checks of the two ID edits (empty) and, on Add, of a key
// already listed and of a ticked row status other than createAndGo. Messages
// of the IDs are the editor's own; the others come from the table.
struct AclRuleIdTexts {
    const char* ProfileIdMissing;
    const char* AccessIdMissing;
};
std::optional<RowRefusal> CheckRuleKeys(const AclTable& table, const AclRuleIdTexts& texts,
                                        const RowSnapshot& form, RowWrite write);
std::optional<RowRefusal> CheckRuleRowStatus(const AclTable& table, const RowSnapshot& form, RowWrite write);

// The profile editors' Set with "destroy" in the row-status combo deletes.
RowWrite ProfileWriteOfSelected(const AclTable& table, const RowSnapshot& form);

// The checks of a profile editor that compares its ID with the listed rows:
// the ID edit empty; on Add, an ID listed as a row's caption (as text, so
// "01" is not "1") and a row-status combo that does not show createAndGo.
std::optional<RowRefusal> CheckProfileKeys(const AclTable& table, const char* idMissing,
                                           const RowSnapshot& form, RowWrite write);

// The texts of the edits that a write carries, checked against their item's
// syntax before anything is sent, by the syntax's own check (CheckValueText):
// an IPv4 address is four numbers 0 to 255 joined by dots; octets are hex
// digits, two per octet (a MAC address six octets, an IPv6 address
// sixteen); a number is one its syntax holds; an empty field is refused
// unless it is plain text. A refusal names the field by its label. Items
// left out and items without an edit are not looked at.
std::optional<RowRefusal> CheckCarriedTexts(const AclTable& table, const RowSnapshot& form,
                                            const RowItems& leftOut);

// A rule write that carries no field (Edit with no field box ticked, and no
// port list to carry) is refused: it would change nothing.
inline constexpr const char* NoFieldChosen = "No field is chosen: tick the fields to write. Nothing was sent.";
std::optional<RowRefusal> CheckRuleCarriesAField(const AclTable& table, const RowItems& leftOut);

// ---- the rules of a table ------------------------------------------------------

// The checks, leave-outs and write of the selected row of the table's packet
// type and kind (Ipv4AclWrites.h, EthernetAclWrites.h, UserAclWrites.h,
// Ipv6AclWrites.h), chosen by the table's Type and IsRule.
std::optional<RowRefusal> CheckAclWrite(const AclTable& table, const RowSnapshot& form, RowWrite write);
RowItems AclLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
RowWrite AclWriteOfSelected(const AclTable& table, const RowSnapshot& form);
