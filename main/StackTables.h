#pragma once
// The stack tables the device view reads (units, ports, modules) are kept in
// hidden data-holder list views of the main window, where the port pickers
// read them again.

#include "framework/VxSNMPRequest2Edits.h"

struct SnmpVarItem;
class TListView;
class TStatusPanel;

// A controller owned by `owner` that walks one stack table (read-only, one
// index item) into `view`, one row per table row, asynchronously, and
// writes its result lines to `messages`.
VxSNMPRequest2Edits* NewStackTableReader(TWinControl* owner, const SnmpVarItem* items, TListView* view,
                                         TStatusPanel* messages);
// Sets a controller up as such a reader.
void SetUpStackTableReader(VxSNMPRequest2Edits& reader, const SnmpVarItem* items, TListView* view,
                           TStatusPanel* messages);
