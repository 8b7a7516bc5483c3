#pragma once
// What a write of a table-row editor carries, decided without its window
// (the editor itself: RowEditor.h). From a snapshot of the form (combo texts
// and entries, edit texts, ticked field boxes, whether a port is ticked, the
// keys of the listed rows) and the write asked for, an editor's rules say
// whether the write may go and which items it must not carry. The rules
// shared by every such editor are here; each editor adds its own beside it
// (the access-control editors in acl/*Writes.h, the feature dialogs in
// features/*Rules.h).

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/VxRowStatus.h"

struct SnmpVarItem;

// The three writes of a row editor. Set stands for the write of the selected
// row ('Set', or 'Edit').
enum class RowWrite { Set, Add, Delete };

// Items a write leaves out.
using RowItems = std::set<int>;

struct RowCombo {
    std::string Text;  // the shown label; empty without a selection
    int Index = -1;    // -1 without a selection
};

// The form as a write finds it, by item. An item missing from Combos or
// Edits has no selection or an empty text.
struct RowSnapshot {
    std::map<int, RowCombo> Combos;
    std::map<int, std::string> Edits;
    std::set<int> Ticked;  // items whose field check box is ticked
    std::map<int, std::string> Labels;  // the label the user sees beside a field
    bool AnyPortTicked = false;
    // Caption and first sub-item of every listed row.
    std::vector<std::pair<std::string, std::string>> ListedKeys;
    // The editor asked before the write (a warning of its own rules) and the
    // user chose to go on.
    bool WentOnAfterWarning = false;

    const RowCombo& Combo(int item) const;
    const std::string& Edit(int item) const;
    bool EditEmpty(int item) const { return Edit(item).empty(); }
    bool IsTicked(int item) const { return Ticked.count(item) != 0; }
    // A key item's text: its edit's, or the label its combo shows.
    const std::string& KeyText(int item) const;
    // What a message calls an item's field: its label, else `fallback` (the
    // catalogue's label).
    std::string LabelOf(int item, const char* fallback) const;
};

// A write refused before anything is sent: the message, and the item whose
// control takes the focus (-1: none).
struct RowRefusal {
    std::string Message;
    int FocusItem = -1;
    bool operator==(const RowRefusal&) const = default;
};

// The refusal of an Add whose row status is not createAndGo, as most tables
// word it.
inline constexpr const char* RowStateMustBeCreateAndGo = "Row State must be createAndGo.";

// What the shared rules know of a table: its items (the row status's
// value-name map among them), the key and the row status.
struct RowTable {
    const SnmpVarItem* Items;
    int IndexCount;  // the key: the first items
    int RowStatusItem;
    // Add of a key already listed; null: not checked.
    const char* DuplicateMessage = nullptr;
    // Add while the row status shows another than createAndGo; null: not checked.
    const char* RowStatusMessage = RowStateMustBeCreateAndGo;
};

// ---- shared rules ---------------------------------------------------------------

// The row status a write sends: Add createAndGo, Delete destroy; 0 for Set,
// which sends the status shown (a loaded row's own).
int StatusWrittenBy(RowWrite write);

// The status the row-status combo shows, by value (0: none).
int RowStatusShown(const RowTable& table, const RowSnapshot& form);

// Items first to last, both included.
void LeaveOutRange(RowItems& out, int first, int last);

// Delete carries the key and the row status only.
RowItems DeleteLeftOut(const RowTable& table);

// The write of the selected row: with destroy shown, a Delete.
RowWrite WriteOfSelectedRow(const RowTable& table, const RowSnapshot& form);

// Whether every key item has a text (an edit's, or a combo's choice).
bool KeySet(const RowTable& table, const RowSnapshot& form);
// The same, once the key is set: without its key the write names no row, so
// it stays a Set, which the key checks refuse.
RowWrite WriteOfKeyedRow(const RowTable& table, const RowSnapshot& form);

// Whether a row with the key is listed (exact text: "01" is not "1").
bool KeyListed(const RowSnapshot& form, const std::string& caption, const std::string& firstSubItem);

// The checks of the key before a write (none before a Delete): each key
// item set (missing[k] for item k; the focus moves to it on an Add only,
// since the other writes name the selected row), and on an Add no listed
// row with the same key (the table's DuplicateMessage: caption, and first
// sub-item for a key of two items).
std::optional<RowRefusal> CheckKeys(const RowTable& table, std::span<const char* const> missing,
                                    const RowSnapshot& form, RowWrite write);

// Add creates the row with createAndGo: another status shown is refused
// with the table's RowStatusMessage, the focus on the row status.
std::optional<RowRefusal> CheckCreatesRow(const RowTable& table, const RowSnapshot& form);

// The checks of most editors: the key's (CheckKeys), then on an Add the
// row status's (CheckCreatesRow).
std::optional<RowRefusal> CheckKeysAndCreation(const RowTable& table, std::span<const char* const> missing,
                                               const RowSnapshot& form, RowWrite write);
