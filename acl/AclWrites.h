#pragma once
// What an access-control editor writes, decided without its window: from a
// snapshot of the form (combo texts and indexes, edit texts, ticked field
// boxes, whether a port is ticked, the keys of the listed rows) and the write
// asked for, the checks say whether the write may go and the leave-outs
// which items it must not carry. The editors (AclEditor.h) take the snapshot,
// call these through their record and send what is left.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "acl/AclTables.h"

// The three writes of every editor. Set stands for the write of the selected
// row ('Set', or 'Edit' in the rule editors).
enum class AclWrite { Set, Add, Delete };

// Items a write leaves out.
using AclItems = std::set<int>;

struct AclCombo {
    std::string Text;  // the shown label; empty without a selection
    int Index = -1;    // -1 without a selection
};

// The form as a write finds it, by item. An item missing from Combos or
// Edits has no selection or an empty text.
struct AclFormSnapshot {
    std::map<int, AclCombo> Combos;
    std::map<int, std::string> Edits;
    std::set<int> Ticked;  // items whose field check box is ticked
    bool AnyPortTicked = false;
    // Caption and first sub-item of every listed row.
    std::vector<std::pair<std::string, std::string>> ListedKeys;

    const AclCombo& Combo(int item) const;
    const std::string& Edit(int item) const;
    bool EditEmpty(int item) const { return Edit(item).empty(); }
    bool IsTicked(int item) const { return Ticked.count(item) != 0; }
};

// A write refused before anything is sent: the message, and the item whose
// control takes the focus (-1: none).
struct AclRefusal {
    std::string Message;
    int FocusItem = -1;
    bool operator==(const AclRefusal&) const = default;
};

// The row-status values and their combo positions (active, createAndGo,
// destroy in map order).
inline constexpr int AclRowActive = 1;
inline constexpr int AclRowCreateAndGo = 4;
inline constexpr int AclRowDestroy = 6;
inline constexpr int AclRowDestroyIndex = 2;
inline constexpr int AclRowCreateAndGoIndex = 1;

// ---- shared rules ---------------------------------------------------------------

// Items first to last, both included.
void LeaveOutRange(AclItems& out, int first, int last);

// Delete carries the index items and the row status only.
AclItems DeleteLeftOut(const AclTable& table);

// The rule editors' leave-outs for Set (Edit) and Add: every field whose box
// is unticked (all items between the index items and the permit item; the
// port has no box); with "deny" ticked the actions; on Set an unticked row
// status; on Add the port list when no port is ticked. The port list is
// always carried by Set.
AclItems RuleLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write);

// The rule editors' Edit with the row status ticked at "destroy" deletes.
AclWrite RuleWriteOfSelected(const AclTable& table, const AclFormSnapshot& form);

// The rule editors' checks of the two ID edits (empty) and, on Add, of a key
// already listed and of a ticked row status other than createAndGo. Messages
// of the IDs are the editor's own; the others come from the table.
struct AclRuleIdTexts {
    const char* ProfileIdMissing;
    const char* AccessIdMissing;
};
std::optional<AclRefusal> CheckRuleKeys(const AclTable& table, const AclRuleIdTexts& texts,
                                        const AclFormSnapshot& form, AclWrite write);
std::optional<AclRefusal> CheckRuleRowStatus(const AclTable& table, const AclFormSnapshot& form, AclWrite write);

// The profile editors' Set with "destroy" in the row-status combo deletes.
AclWrite ProfileWriteOfSelected(const AclTable& table, const AclFormSnapshot& form);

// The checks of a profile editor that compares its ID with the listed rows:
// the ID edit empty; on Add, an ID listed as a row's caption (as text, so
// "01" is not "1") and a row-status combo that does not show createAndGo.
std::optional<AclRefusal> CheckProfileKeys(const AclTable& table, const char* idMissing,
                                           const AclFormSnapshot& form, AclWrite write);

// Whether a row with the key is listed (exact text).
bool KeyListed(const AclFormSnapshot& form, const std::string& caption, const std::string& firstSubItem);

// The texts of the edits that a write carries, checked against their item's
// syntax before anything is sent, by the syntax's own check (CheckValueText):
// an IPv4 address is four numbers 0 to 255 joined by dots; octets are hex
// digits, two per octet (a MAC address six octets, an IPv6 address
// sixteen); a number is one its syntax holds; an empty field is refused
// unless it is plain text. Items left out and items without an edit are not
// looked at.
std::optional<AclRefusal> CheckCarriedTexts(const AclTable& table, const AclFormSnapshot& form,
                                            const AclItems& leftOut);

