#pragma once
// The modal editor of a table dialog: the MD5 key editor, the BOOTP relay
// add dialog, the member switch editor. Every pair is wired one way: the
// table dialog makes its editor (TDialogFrame::AddEditor), tells it what it
// needs of the table (the mode of the write, the listed rows for its checks,
// the write of its entry through the table's controller, where its controls
// are bound to it) and shows it; the editor knows nothing of the table
// dialog's class. Its handlers run as the table dialog's, so its failures are
// reported where the table dialog reports its own, and the table's close step
// ends and deletes it. What a pair writes is decided without windows in one
// header the two share (features/Md5KeyRules.h, MemberSwitchRules.h,
// BootpRelayRules.h).
//
//   void TMyTableForm::FormCreate(TObject*) {
//       AddEditor(Editor, MyEditForm);
//       OpenController(Table, {..., .Bind = [this](VxSNMPRequest2Edits& c) {
//                                  c.BindFormatted(0, "%i", Editor->KeyEdit); ... }});
//       Editor->ListedRows = ListView1;
//       Editor->WriteEntry = [this] { if (Table) Table->SetValues(true, true); };
//   }
//   void TMyTableForm::AddButtonClick(TObject*) { Guard(Table, [&] { ShowEditor(*Editor, RowWrite::Add); }); }

#include <functional>

#include "dialogbase/DialogFrame.h"
#include "dialogbase/RowWrites.h"

class TModalEditor : public TDialogFrame {
public:
    // What the editor is shown for: a change of the selected row (Set), an
    // add, or (without showing it) a delete.
    RowWrite EditMode = RowWrite::Set;
    // The table dialog's list, whose rows the editor's checks look at.
    const TListView* ListedRows = nullptr;
    // Writes the entry through the table dialog's controller.
    std::function<void()> WriteEntry;

protected:
    TModalEditor(TComponent* owner, const FormLayout& layout);

    // A form holding the keys (caption and first sub-item) of the listed
    // rows, for the editor's entry to be added to.
    RowSnapshot FormWithListedRows() const;
    // The entry written (WriteEntry), then the editor closed.
    void WriteAndClose();
};

// Shows the editor modally for a write of `mode`.
void ShowEditor(TModalEditor& editor, RowWrite mode);
