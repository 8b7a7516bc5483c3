#pragma once
// The editor of one table's rows: the one way to write a dialog that lists a
// table above an entry of its fields and adds, changes and deletes rows from
// that entry (the access-control editors, acl/AclEditor.h; the login and
// enable method lists, the authentication servers, the protocol VLANs and the
// SNMP community table). Such a dialog is three things on this base:
//
// - its record (RowEditorRecord): its fields (RowField: the item, the
//   control, its binding format and its label), its buttons, its count text
//   and the few ways it differs from most editors;
// - its rules, overrides of the hooks below on a snapshot of the form
//   (RowWrites.h): which writes it refuses (CheckWrite), which items a write
//   leaves out (LeftOut), and, where it differs from the shared rules, what
//   its write button does (WriteOfSelected), a question before a write
//   (ConfirmWrite), checks of what a write carries (CheckCarried) and what
//   its fields do after a click (FollowFields). Rules longer than a line go
//   into a window-free file of their own beside the dialog (features/*Rules.h)
//   and are tested there without a window;
// - its layout, built from the same fields (RowLayout.h), so that a field's
//   control and label are named once.
//
// The base gives every one of them (what follows is the way of most; the
// record's last fields say where an editor differs):
//
// - a blocking page controller bound to the list view and to every field of
//   the record;
// - the button state: with no row selected only Add writes and the key's
//   controls take input; with a row selected the write of the selected row
//   and Delete are enabled and the key's are not;
// - every write (the selected row, Add, Delete) in one frame: the dialog's
//   checks, the question it asks, the items its rules leave out, the row
//   status (Add createAndGo, Delete destroy, by value, whatever the combo
//   showed), one set, every access word back, a read of the whole table;
//   then, whether the set went or failed, no row selected and the fields
//   emptied, the combo boxes keeping their choices for the next Add;
// - the result lines of every read and write, failures included, in panel 0
//   of StatusBar1: after a write the write's own line first, then the
//   read's (DialogLines.h);
// - the row count in the record's count text ("0" for an empty list), the
//   field check boxes with Check All and Clear Checks where the record has
//   them, and the dialog's FollowFields after every click on the list and
//   every return to no row selected.
//
// A table dialog, header and source. The menu opens it through its row in
// main/MenuCommands.def (below; main/MenuCommands.cpp includes its header),
// its unit goes into features/CMakeLists.txt and its tests into a file of
// its own in tests/features/; nothing here changes:
//
//   class THostTableForm : public TRowEditor {
//   public:
//       explicit THostTableForm(TComponent* owner);
//   protected:
//       std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
//       RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
//   };
//   extern THostTableForm* HostTableForm;
//
//   THostTableForm* HostTableForm = nullptr;
//   namespace {
//   enum : int { hIndex, hAddress, hState, hRowStatus };  // the positions of HostItems
//   const RowTable kTable{HostItems, 1, hRowStatus, "There is already a host with the same Index."};
//   constexpr RowField kFields[] = {
//       {hIndex, "IndexEdit", "%i{n1x64}", "Index"},
//       {hAddress, "AddressEdit", "%s", "IP Address"},
//       {hState, "StateCombo", nullptr, "State"},
//       RowStatusField(hRowStatus, "RowStatusCombo", "Row Status", nullptr, RowCreateAndGo),
//   };
//   constexpr LayoutControl kControls[] = {  // all but the fields' labels and controls
//       {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {0, 0, 96, 0}, .Align = alRight, ...},
//       {.Class = "TStaticText", .Name = "CountText", .Parent = "ButtonPanel", ...},
//       {.Class = "TButton", .Name = "RefreshButton", .Parent = "ButtonPanel", ..., .Caption = "Refresh"},
//       ... EditButton, AddButton, DeleteButton ...
//       {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {0, 0, 0, 120}, .Align = alBottom, ...},
//       {.Class = "TListView", .Name = "ListView1", .Align = alClient, ...},
//       {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
//   };
//   constexpr FormLayout kFrame{.Name = "HostTableForm", .Caption = "Host Table", ...,
//                               .LargeFonts = DialogScaling::WidthHeight, .Controls = kControls};
//   constexpr RowLayout kLayout{&kFrame, kFields, {.Parent = "EntryPanel", .Columns = {{8, 120}}}};
//   constexpr RowEditorRecord kRecord{.Fields = kFields,
//                                     .Buttons = {"RefreshButton", "EditButton", "Edit", "AddButton", "DeleteButton"},
//                                     .CountText = "CountText"};
//   }  // namespace
//
//   THostTableForm::THostTableForm(TComponent* owner)
//       : TRowEditor(owner, BuiltRowLayout(kLayout), kTable, kRecord) {
//       DoCreate();
//   }
//   std::optional<RowRefusal> THostTableForm::CheckWrite(const RowSnapshot& form, RowWrite write) const {
//       static constexpr const char* missing[] = {"Index must be set."};
//       return CheckKeysAndCreation(Rows, missing, form, write);
//   }
//   RowItems THostTableForm::LeftOut(const RowSnapshot&, RowWrite write) const {
//       return write == RowWrite::Delete ? DeleteLeftOut(Rows) : RowItems{};
//   }
//
//   MENU_COMMAND(HostTable1Click, Dialog(OwnedByMainWindow, &LinkDialog<THostTableForm, &HostTableForm>))
//
// The dialog keeps pointers to its own controls where its code or its tests
// use them (KX_BIND), and wires what the base does not know (a Close
// button, a combo box whose change enables others).

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "dialogbase/DialogFrame.h"
#include "dialogbase/RowWrites.h"

// One labelled control of an editor, bound to one item.
struct RowField {
    int Item;
    const char* Control;             // the edit's or combo box's name
    const char* Format;              // an edit's binding format; null for a combo box
    const char* Caption;             // the label's
    const char* CheckBox = nullptr;  // the field's check box (rule editors)
    int InitialIndex = -1;           // a combo box's first selection
    int InitialStatus = 0;           // or, for the row status, the status first shown
    // Where the layout is built from the fields (RowLayout.h): the control's
    // width (0: the layout's own) and its properties (null: the layout's own
    // for an edit or a combo box).
    int Width = 0;
    const char* Props = nullptr;
};

// The row-status field, first showing `status`.
constexpr RowField RowStatusField(int item, const char* control, const char* caption, const char* box,
                                  int status) {
    return {item, control, nullptr, caption, box, -1, status};
}

// Field arrays joined into one record's fields (shared rows of twins).
template <size_t... N>
constexpr std::array<RowField, (N + ...)> JoinFields(const std::array<RowField, N>&... parts) {
    std::array<RowField, (N + ...)> all{};
    size_t k = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + k), k += N), ...);
    return all;
}

// The buttons' names; null where the editor has no such button.
struct RowButtons {
    const char* Refresh;
    const char* Write;
    const char* WriteCaption;  // "Set" or "Edit"
    const char* Add;
    const char* Delete;
    const char* CheckAll = nullptr;
    const char* ClearChecks = nullptr;
};

// Where an editor's result lines go.
enum class RowResults {
    StatusPanel,  // panel 0 of StatusBar1
    Memo,         // a new line of Memo1 each
};

struct RowEditorRecord {
    std::span<const RowField> Fields;
    RowButtons Buttons;
    const char* CountText = nullptr;  // the static text of the row count; null: none
    // A click on a row copies its caption (and, for 2, its first sub-item)
    // into the first key edits, besides the selection's own loading.
    int KeysCopiedOnClick = 0;
    // A write that the checks refuse also returns to no row selected with
    // the fields emptied, as a sent one does.
    bool ClearsAfterRefusal = false;

    // Where an editor differs from most; the defaults are theirs.
    //
    // Reads and writes return once the agent answered. False: the rows
    // arrive while the dialog shows, and a write returns once sent, its
    // controller reading the table again after the agent took it.
    bool Blocking = true;
    // Where the result lines of every read and write go, failures included.
    RowResults Results = RowResults::StatusPanel;
    // A selected row is written, not keyed anew: with one, its write and
    // Delete take input, Add and the key's controls do not; with none, the
    // other way round. False: the write, Add and the key's controls always
    // take input (a write names its row by the key shown, a Set without a
    // row status shown sends nothing); Delete still waits for a row.
    bool SelectionLocksKey = true;
    // The editor empties its fields itself after every write and Refresh,
    // its combo boxes keeping their choices for the next Add. False: the
    // fields follow the table's reads, as in the other table dialogs: a read
    // empties every field, combo boxes too, and a write leaves them as they
    // are until the read after it (a write the agent refused, for good).
    bool EmptiesFields = true;
};

// Caption and first sub-item of every row of a list.
std::vector<std::pair<std::string, std::string>> ListedKeysOf(const TListView* list);

class TRowEditor : public TDialogFrame {
public:
    ~TRowEditor() override;

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

    // Empties every edit of the fields, unticks every field box and shows
    // "0" as the count of an empty list. An editor with more to empty (port
    // boxes) overrides it and calls this one.
    virtual void ClearEdits();
    // The form as a write finds it. An editor whose rules see more (a port
    // ticked) overrides it and calls this one.
    virtual RowSnapshot Snapshot() const;

    // By item: the field's control and check box (null where none).
    TWinControl* FieldControl(int item) const;
    TCheckBox* FieldBox(int item) const;

    const RowTable Rows;
    const RowEditorRecord RowRecord;

    TListView* ListView1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;  // where the result lines go to its panel 0
    TStaticText* CountText = nullptr;
    TButton* RefreshButton = nullptr;
    TButton* WriteButton = nullptr;
    TButton* AddRowButton = nullptr;
    TButton* DeleteRowButton = nullptr;

    VxSNMPRequest2Edits* Controller = nullptr;

protected:
    TRowEditor(TComponent* owner, const FormLayout& layout, const RowTable& table, const RowEditorRecord& record);

    // ---- The dialog's rules: virtual overrides, on the form as a write
    // finds it (RowWrites.h has the rules every editor shares). ----

    // The checks before a write; nothing is sent when one refuses (a message
    // box, the focus on the refused field).
    virtual std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const = 0;
    // The items a write leaves out (Delete: DeleteLeftOut for the key and
    // the row status alone).
    virtual RowItems LeftOut(const RowSnapshot& form, RowWrite write) const = 0;
    // What the write button does; by default a Delete while destroy is
    // shown (WriteOfSelectedRow).
    virtual RowWrite WriteOfSelected(const RowSnapshot& form) const;
    // A question the dialog asks before a write its checks let go; false:
    // nothing is sent. An answer to go on is noted in the form. By default
    // none.
    virtual bool ConfirmWrite(RowSnapshot& form, RowWrite write);
    // The checks of what a write carries, once its leave-outs are known. By
    // default none.
    virtual std::optional<RowRefusal> CheckCarried(const RowSnapshot& form, const RowItems& leftOut) const;
    // The bindings: the list view, then every field in record order. An
    // editor with more to bind (a port list) calls this one first.
    virtual void BindFields(VxSNMPRequest2Edits& controller);
    // What the dialog's fields do after a click on the list and after every
    // return to no row selected (a permit or protocol choice enabling others).
    virtual void FollowFields() {}

    // ---- The base's own steps. ----

    // The frame of every write; an editor that keeps something across it
    // (port ticks) overrides it and calls this one.
    virtual void Write(RowWrite write);
    // No row selected (the list's selection cleared), or the state of the
    // list's selection.
    void ShowNoSelection();
    void ShowSelectionState();
    // After every write and every Refresh, whatever came of it.
    void ReturnToNoSelection();
    void ShowRowCount();
    // A read took the selected row away (an editor whose fields follow the
    // reads): the buttons and the fields follow.
    void NoRowShown(TObject* list) override;

private:
    void WireControls();
    void Refuse(const RowRefusal& refusal);
    TComboBox* RowStatusCombo() const;
    // The set of a write that its checks let go: blocking, then a read of
    // the table apart from it; or asynchronous, the controller reading the
    // table once the agent took the set.
    void Send(RowWrite write, const RowItems& leftOut);

    std::vector<TWinControl*> Controls;  // by item
    std::vector<TCheckBox*> Boxes;       // by item
};
