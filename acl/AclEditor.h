#pragma once
// What the sixteen access-control editors share, written once: each editor
// class is its record (AclEditorRecord: its table, its labelled controls,
// its buttons, and the checks and leave-outs of its packet type) on this
// base. The base gives every editor:
//
// - its layout, built from the record: the list of rows on top, one row per
//   field below (a field check box in the rule editors, the label, the
//   control) in two columns, the port picker of ingress rules at the bottom,
//   the buttons on the right and StatusBar1 with its one panel;
// - a blocking page controller bound to the list view and to every field,
//   its result lines in the bar's simple text;
// - the button state: with no row selected only Add writes and the ID edits
//   take input; with a row selected the write of the selected row and
//   Delete are enabled and the ID edits are not;
// - every write (the selected row, Add, Delete) in one frame: the checks
//   (the record's, then the texts of what the write carries), the items the
//   record leaves out, the row status (Add createAndGo, Delete destroy), one
//   set, every access word back, a read of the whole table; then, whether
//   the set went or failed, no row selected and the fields emptied;
// - failures of a read or a write as bare text in panel 0 of StatusBar1;
// - the rule editors' field check boxes with Check All and Clear Checks,
//   the row count in StaticText1, and the ingress rules' permit handler
//   ("deny" disables and unticks the actions).
//
// An editor of a later packet type adds its record (controls, its checks
// and leave-outs, the write of the selected row) and a class that is only a
// constructor; it overrides PermitComboBoxChange or ClearEdits where its
// type differs.

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "acl/AclWrites.h"
#include "features/DialogFrame.h"

class TStackingPortUitForm;

// One labelled control of an editor, bound to one item.
struct AclField {
    int Item;
    const char* Control;             // the edit's or combo box's name
    const char* Format;              // an edit's binding format; null for a combo box
    const char* Caption;             // the label's
    const char* CheckBox = nullptr;  // the field's check box (rule editors)
    int InitialIndex = -1;           // a combo box's first selection
};

// Field arrays joined into one record's fields (shared rows of twins).
template <size_t... N>
constexpr std::array<AclField, (N + ...)> JoinFields(const std::array<AclField, N>&... parts) {
    std::array<AclField, (N + ...)> all{};
    size_t k = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + k), k += N), ...);
    return all;
}

// The buttons' names; null where the editor has no such button.
struct AclButtons {
    const char* Refresh;
    const char* Write;
    const char* WriteCaption;  // "Set" or "Edit"
    const char* Add;
    const char* Delete;
    const char* CheckAll = nullptr;
    const char* ClearChecks = nullptr;
};

struct AclEditorRecord {
    const char* ClassName;  // its AclTable's
    std::span<const AclField> Fields;
    AclButtons Buttons;
    int LeftColumnRows;  // fields in the left column; the rest go right
    // The checks of the record's type before a write; nothing sent when one
    // refuses.
    std::optional<AclRefusal> (*Check)(const AclTable&, const AclFormSnapshot&, AclWrite);
    // The items a write leaves out.
    AclItems (*LeftOut)(const AclTable&, const AclFormSnapshot&, AclWrite);
    // What the write button does with the form as it is (Set, or Delete).
    AclWrite (*WriteOfSelected)(const AclTable&, const AclFormSnapshot&);
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

class TAclEditor : public TDialogFrame {
public:
    ~TAclEditor() override;

    // Handlers; the buttons and the list view are wired to them.
    void FormCreate(TObject* sender);
    void RefreshClick(TObject* sender);
    void WriteSelectedClick(TObject* sender);
    void AddClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void CheckAllClick(TObject* sender);
    void ClearChecksClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);
    // Ingress rules: "deny" disables the action controls and their boxes
    // and unticks the boxes; any other text enables them.
    virtual void PermitComboBoxChange(TObject* sender);

    // Empties every edit; rule editors also untick every field box and every
    // port, and show "0" as the count of an empty list.
    virtual void ClearEdits();
    // The form as a write finds it.
    AclFormSnapshot Snapshot() const;

    const AclTable& Table;
    const AclEditorRecord& Record;

    TListView* ListView1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TStaticText* StaticText1 = nullptr;  // rule editors: the row count
    TButton* RefreshButton = nullptr;
    TButton* WriteButton = nullptr;
    TButton* AddRowButton = nullptr;
    TButton* DeleteRowButton = nullptr;
    TGroupBox* PortGroup = nullptr;  // ingress rules

    VxSNMPRequest2Edits* Controller = nullptr;
    TStackingPortUitForm* PortPicker = nullptr;

    // By item: the field's control and check box (null where none).
    TWinControl* FieldControl(int item) const;
    TCheckBox* FieldBox(int item) const;

protected:
    TAclEditor(TComponent* owner, const AclEditorRecord& record);

    // The frame of every write.
    void Write(AclWrite write);
    // No row selected (the list's selection cleared), or the state of the
    // list's selection.
    void ShowNoSelection();
    void ShowSelectionState();

private:
    void WireControls();
    void BindFields(VxSNMPRequest2Edits& controller);
    void SelectRowStatus(int value);
    void ShowRowCount();
    void Refuse(const AclRefusal& refusal);
    // After every write and every Refresh, whatever came of it.
    void ReturnToNoSelection();
    // The port boxes' ticks, in the picker's order, and shown again.
    std::vector<bool> PortTicks() const;
    void ShowPortTicks(const std::vector<bool>& ticks);

    std::vector<TWinControl*> Controls;  // by item
    std::vector<TCheckBox*> Boxes;       // by item
};

// The layout of an editor, built once from its record and kept.
const FormLayout& AclLayoutOf(const AclEditorRecord& record);
