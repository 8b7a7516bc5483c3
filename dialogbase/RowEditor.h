#pragma once
// The editor of one table's rows, written once for every dialog that lists a
// table above an entry of its fields and adds, changes and deletes rows from
// that entry: the access-control editors (acl/AclEditor.h), the login and
// enable method lists, the authentication servers and the protocol VLANs.
// Such a dialog is its record (RowEditorRecord: its fields, its buttons, its
// count text, where its result lines go) and its own window-free rules
// (RowWrites.h: which writes it refuses, which items a write leaves out, what
// its write button does) on this base. The base gives every one of them:
//
// - a blocking page controller bound to the list view and to every field of
//   the record;
// - the button state: with no row selected only Add writes and the key's
//   controls take input; with a row selected the write of the selected row
//   and Delete are enabled and the key's are not;
// - every write (the selected row, Add, Delete) in one frame: the dialog's
//   checks, the warning it asks about, the items its rules leave out, the
//   row status (Add createAndGo, Delete destroy, by value), one set, every
//   access word back, a read of the whole table; then, whether the set went
//   or failed, no row selected and the fields emptied;
// - the result lines of every read and write, failures included, in panel 0
//   of StatusBar1: after a write the write's own line first, then the
//   read's (DialogLines.h);
// - the row count in the record's count text ("0" for an empty list), the
//   field check boxes with Check All and Clear Checks where the record has
//   them, and the dialog's own follow-up of its fields (FollowFields) after
//   every click on the list and every return to no row selected.

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
    const char* Caption;             // the label's (where the layout is built from the fields)
    const char* CheckBox = nullptr;  // the field's check box (rule editors)
    int InitialIndex = -1;           // a combo box's first selection
    int InitialStatus = 0;           // or, for the row status, the status first shown
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
    // "0" as the count of an empty list.
    virtual void ClearEdits();
    // The form as a write finds it.
    virtual RowSnapshot Snapshot() const;

    // By item: the field's control and check box (null where none).
    TWinControl* FieldControl(int item) const;
    TCheckBox* FieldBox(int item) const;

    const RowTable Rows;
    const RowEditorRecord RowRecord;

    TListView* ListView1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TStaticText* CountText = nullptr;
    TButton* RefreshButton = nullptr;
    TButton* WriteButton = nullptr;
    TButton* AddRowButton = nullptr;
    TButton* DeleteRowButton = nullptr;

    VxSNMPRequest2Edits* Controller = nullptr;

protected:
    TRowEditor(TComponent* owner, const FormLayout& layout, const RowTable& table, const RowEditorRecord& record);

    // The dialog's own rules (RowWrites.h), on the form as a write finds it:
    // the checks before a write (nothing is sent when one refuses), the
    // items a write leaves out, and what the write button does (by default
    // a Delete while destroy is shown).
    virtual std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const = 0;
    virtual RowItems LeftOut(const RowSnapshot& form, RowWrite write) const = 0;
    virtual RowWrite WriteOfSelected(const RowSnapshot& form) const;
    // A question the dialog asks before a write its checks let go; false:
    // nothing is sent. An answer to go on is noted in the form.
    virtual bool ConfirmWrite(RowSnapshot& form, RowWrite write);
    // The checks of what a write carries, once its leave-outs are known.
    virtual std::optional<RowRefusal> CheckCarried(const RowSnapshot& form, const RowItems& leftOut) const;
    // The bindings: the list view, then every field in record order.
    virtual void BindFields(VxSNMPRequest2Edits& controller);
    // What the dialog's fields do after a click on the list and after every
    // return to no row selected (a permit or protocol choice enabling others).
    virtual void FollowFields() {}

    // The frame of every write.
    virtual void Write(RowWrite write);
    // No row selected (the list's selection cleared), or the state of the
    // list's selection.
    void ShowNoSelection();
    void ShowSelectionState();
    // After every write and every Refresh, whatever came of it.
    void ReturnToNoSelection();
    void ShowRowCount();

private:
    void WireControls();
    void Refuse(const RowRefusal& refusal);

    std::vector<TWinControl*> Controls;  // by item
    std::vector<TCheckBox*> Boxes;       // by item
};
