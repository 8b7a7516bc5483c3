#pragma once
// What the method list editors send, decided from a snapshot of their
// controls: a method list holds four methods in order, each a type (type
// item 2n-1) and, for a server group, the group's name (item 2n). A method
// after the first "local" (or "local-enable") or "none" method is never
// used: the order check finds such methods, and a write may leave them out.

#include <array>
#include <string>
#include <vector>

#include "dialogbase/RowWrites.h"

// Combo positions of the two methods that end a list.
inline constexpr int LocalMethodPosition = 5;
inline constexpr int NoneMethodPosition = 6;

// One method's type combo as the user left it.
struct MethodChoice {
    std::string TypeText;  // empty when nothing is chosen
    int Position = -1;     // the combo's position
};
using MethodSnapshot = std::array<MethodChoice, 4>;

// Each method's combo position, -1 for a method that is absent (no type,
// or "other").
std::array<int, 4> MethodPositions(const MethodSnapshot& methods);

// True when no method follows the first local or none method.
bool MethodOrderHolds(const std::array<int, 4>& positions);

// The items a write leaves out: both items of an absent method, the
// server-group item of a method that is not "server-group", and, when
// ineffective methods are dropped, both items of every method after the
// first local or none method.
std::vector<int> MethodItemsLeftOut(const MethodSnapshot& methods, bool dropIneffective);

// ---- the editor's writes ---------------------------------------------------------

// Items of a method list row besides the methods.
enum MethodListItem : int { mlName = 0, mlRowStatus = 9 };

// The four methods' type combos (items 1, 3, 5, 7) of a form.
MethodSnapshot MethodsOf(const RowSnapshot& form);

// What the editor asks before an Add or an Edit whose methods fail the order
// check; going on (No) leaves the ineffective methods out.
inline constexpr const char* MethodOrderQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
bool MethodOrderWarned(const RowSnapshot& form, RowWrite write);

// Edit and Add need the name (missingName); Add also a name not listed yet
// (the table's duplicate message) and createAndGo chosen.
std::optional<RowRefusal> CheckMethodList(const RowTable& table, const char* missingName, const RowSnapshot& form,
                                          RowWrite write);
// Edit and Add: the methods' items as MethodItemsLeftOut says (dropping the
// ineffective ones when the user went on after the question), and on Edit
// the row status; Delete: all but the name, Method 1 Type and the row status
// (Method 1 Type goes with the destroy).
RowItems MethodListLeftOut(const RowSnapshot& form, RowWrite write);
