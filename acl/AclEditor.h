#pragma once
// What the sixteen access-control editors share beyond every row editor
// (dialogbase/RowEditor.h: the list, the button state, the frame of every
// write, result lines in panel 0, the row count): each editor class is its record
// (AclEditorRecord: its table, its caption, its labelled controls, its
// buttons) on this base. It adds:
//
// - the layout, built from the record: the list of rows on top, one row per
//   field below (a field check box in the rule editors, the label, the
//   control) in two columns, the port picker of ingress rules at the bottom,
//   the buttons on the right and StatusBar1 with its one panel, and the
//   caption with its rule;
// - the checks, leave-outs and write of the selected row of the table's
//   packet type and kind (AclWrites.h), and the typed texts of every write
//   checked against their items' syntax;
// - the rule editors' field check boxes with Check All and Clear Checks,
//   the row count in StaticText1, the ingress rules' port picker and their
//   permit handler ("deny" disables and unticks the actions).
//
// An editor of a later packet type adds its table (AclTables.h), its rules
// (the checks and leave-outs, the write of the selected row, chosen in
// AclWrites.cpp), its record and a class that is only a constructor; it
// overrides PermitComboBoxChange or ClearEdits where its type differs.

#include <span>
#include <vector>

#include "acl/AclWrites.h"
#include "dialogbase/RowEditor.h"

class TStackingPortUitForm;

struct AclEditorRecord {
    const AclTable& Table;
    const char* Name;     // the layout's, and so the window's
    const char* Caption;  // the stored caption, and the title of its rule
    CaptionRule Captioning;
    std::span<const RowField> Fields;
    RowButtons Buttons;
    int LeftColumnRows;  // fields in the left column; the rest go right
    // A click on a row copies its caption and first sub-item into the two ID
    // edits (besides the selection's own loading of every field).
    bool CopiesKeysOnClick = false;
    // The port boxes keep their ticks when the fields are emptied after a
    // write, so that one port list serves several rules in a row.
    bool KeepsPortTicks = false;
    // A write that the record's checks refuse also returns to no row
    // selected with the fields emptied, as a sent one does. (A typed value
    // that its syntax cannot hold leaves the form as it is, to be mended.)
    bool ClearsAfterRefusal = false;
};

class TAclEditor : public TRowEditor {
public:
    ~TAclEditor() override;

    void FormCreate(TObject* sender);
    // Ingress rules: "deny" disables the action controls and their boxes
    // and unticks the boxes; any other text enables them.
    virtual void PermitComboBoxChange(TObject* sender);

    // Rule editors also untick every port (unless the record keeps them).
    void ClearEdits() override;
    RowSnapshot Snapshot() const override;

    const AclTable& Table;
    const AclEditorRecord& Record;

    TStaticText* StaticText1 = nullptr;  // rule editors: the row count
    TGroupBox* PortGroup = nullptr;      // ingress rules
    TStackingPortUitForm* PortPicker = nullptr;

protected:
    TAclEditor(TComponent* owner, const AclEditorRecord& record);

    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
    RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
    RowWrite WriteOfSelected(const RowSnapshot& form) const override;
    std::optional<RowRefusal> CheckCarried(const RowSnapshot& form, const RowItems& leftOut) const override;
    void BindFields(VxSNMPRequest2Edits& controller) override;
    void FollowFields() override;
    void Write(RowWrite write) override;

private:
    // The port boxes' ticks, in the picker's order, and shown again.
    std::vector<bool> PortTicks() const;
    void ShowPortTicks(const std::vector<bool>& ticks);
};

// The layout of an editor, built once from its record and kept.
const FormLayout& AclLayoutOf(const AclEditorRecord& record);
