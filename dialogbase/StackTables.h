#pragma once
// The stack tables the device view reads (units, ports, modules) are kept in
// hidden data-holder list views of the main window, where the port pickers
// read them again.

#include "framework/VxSNMPRequest2Edits.h"

#include <string>

struct SnmpVarItem;
class TListItem;
class TListView;
class TStatusPanel;

// Sub-items of a unit-table row (its caption is the unit id).
inline constexpr int UnitStatusColumn = 0;     // "exist", "not-exist"
inline constexpr int UnitPortRangeColumn = 3;
inline constexpr int UnitModelColumn = 7;
// Sub-item of a sub-unit row (its caption is the unit id).
inline constexpr int SubUnitModuleColumn = 0;  // "-" when none

// A row's sub-item, empty when the row has no such column.
std::string RowText(TListItem* row, int subItem);

// A controller owned by `owner` that walks one stack table (read-only, one
// index item) into `view`, one row per table row, asynchronously, and
// writes its result lines to `messages`.
VxSNMPRequest2Edits* NewStackTableReader(TWinControl* owner, const SnmpVarItem* items, TListView* view,
                                         TStatusPanel* messages);
// Sets a controller up as such a reader.
void SetUpStackTableReader(VxSNMPRequest2Edits& reader, const SnmpVarItem* items, TListView* view,
                           TStatusPanel* messages);
