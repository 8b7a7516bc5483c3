#pragma once
// The row-status combo box of a table editor, chosen and written by value
// (VxRowStatus.h): the status's entry is found through the value-name map
// the combo is bound with, never by its position in the box. A status the
// map does not hold would go out as 0: it raises instead, and nothing is
// sent; the refusal is said as the write's result.
//
//   SelectRowStatus(*Table, Status, RowDestroy);     // then a write of its own
//   WriteRowStatus(*Table, Status, RowCreateAndGo);  // select it and write the row
//   WriteShownRowStatus(*Table, Status);             // write the loaded row's own status

class TComboBox;
class VxSNMPRequest2Edits;

// Selects the entry of `status` (RowCreateAndGo, RowDestroy, a row's own
// status, or a table's own valid/invalid values) in the combo.
void SelectRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo, int status);
// Selects it and writes the row: SetValues(1, 1).
void WriteRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo, int status);
// Writes the entry the combo shows (a loaded row's own status); a combo
// showing none (no row loaded) is refused.
void WriteShownRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo);
// The status the combo shows, by value; 0 for none.
int ShownRowStatus(const VxSNMPRequest2Edits& controller, const TComboBox* combo);
