#pragma once
// The layout of a row editor built from its fields (RowEditor.h): one row
// per field, its label and its control, in the panel of the entry, so that
// a field's control and label are named once, in its RowField. The rest of
// the layout (the list, the buttons, the panels, the status bar) is the
// dialog's own, as stored controls.
//
//   constexpr RowLayout kLayout{&kFrame, kFields, {.Parent = "EntryPanel", .Columns = {{8, 120}}}};
//   TMyForm::TMyForm(TComponent* owner) : TRowEditor(owner, BuiltRowLayout(kLayout), kTable, kRecord) {...}
//
// The labels are named Label1, Label2, ... in field order; a field's control
// is a TEdit where it has a binding format, else a TComboBox; the controls,
// and the field check boxes before them, take their tab order in field
// order.

#include <span>

#include "dialogbase/RowEditor.h"
#include "platform/Layout.h"

// Where one column's labels, controls and field check boxes stand.
struct FieldColumn {
    int Label = 0;
    int Control = 0;
    int Box = 0;    // a field check box's left (rule editors)
    int Width = 0;  // its controls' width; 0: the grid's
};

// Where the rows of the fields stand: top to bottom, in the first column
// until it holds RowsPerColumn of them, then in the second.
struct FieldGrid {
    const char* Parent;       // the panel the rows stand in
    int Top = 10;             // the first control's top
    int Pitch = 29;           // from one row's top to the next
    int LabelDrop = 3;        // a label's top below its control's
    int BoxDrop = 2;          // a field check box's top below its control's
    int LabelWidth = 0;       // 0: as wide as its caption
    int ControlWidth = 120;   // unless the field or its column has a width of its own
    int RowsPerColumn = 0;    // 0: one column for every field
    int FirstTabOrder = 0;    // the first control's; the others (and check boxes) follow in field order
    FieldColumn Columns[2] = {};
    // The controls' properties, unless the field has its own.
    const char* EditProps = nullptr;
    const char* ComboProps = "Style=csDropDownList";
};

// Adds the check box (where the field has one), the label and the control
// of every field, in field order; returns the tab order after the last.
int AddFieldRows(BuiltLayout& built, std::span<const RowField> fields, const FieldGrid& grid);

// A dialog's stored controls with the rows of its fields.
struct RowLayout {
    const FormLayout* Frame;  // the form and every control but the fields' labels and controls
    std::span<const RowField> Fields;
    FieldGrid Grid;
};

// The layout, built at its first use and kept for the program's life.
const FormLayout& BuiltRowLayout(const RowLayout& layout);
