#include "dialogbase/RowEditor.h"

#include "framework/VxItemsLeftOut.h"
#include "framework/VxRowStatusCombo.h"
#include "platform/Layout.h"

namespace {

size_t ItemsOf(std::span<const RowField> fields) {
    int last = -1;
    for (const RowField& field : fields) last = std::max(last, field.Item);
    return static_cast<size_t>(last + 1);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ListedKeysOf(const TListView* list) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (int i = 0; i < list->Items()->Count(); ++i) {
        const TListItem* row = list->Items()->Item(i);
        keys.emplace_back(row->Caption(), row->SubItems()->Count() ? row->SubItems()->Get(0) : "");
    }
    return keys;
}

TRowEditor::TRowEditor(TComponent* owner, const FormLayout& layout, const RowTable& table,
                       const RowEditorRecord& record)
    : TDialogFrame(owner, layout), Rows(table), RowRecord(record) {
    WireControls();
    OnCreate = TNotifyEvent(this, &TRowEditor::FormCreate);
}

TRowEditor::~TRowEditor() = default;

void TRowEditor::WireControls() {
    KX_BIND(ListView1);
    if (RowRecord.Results == RowResults::StatusPanel) KX_BIND(StatusBar1);
    if (RowRecord.CountText) BindChild(this, CountText, RowRecord.CountText);
    Controls.assign(ItemsOf(RowRecord.Fields), nullptr);
    Boxes.assign(Controls.size(), nullptr);
    for (const RowField& field : RowRecord.Fields) {
        Controls[static_cast<size_t>(field.Item)] = FindChild<TWinControl>(this, field.Control);
        if (field.CheckBox) Boxes[static_cast<size_t>(field.Item)] = FindChild<TCheckBox>(this, field.CheckBox);
    }
    const RowButtons& b = RowRecord.Buttons;
    auto wire = [this](const char* name, void (TRowEditor::*handler)(TObject*)) -> TButton* {
        if (!name) return nullptr;
        auto* button = FindChild<TButton>(this, name);
        button->OnClick = TNotifyEvent(this, handler);
        return button;
    };
    RefreshButton = wire(b.Refresh, &TRowEditor::RefreshClick);
    WriteButton = wire(b.Write, &TRowEditor::WriteSelectedClick);
    AddRowButton = wire(b.Add, &TRowEditor::AddClick);
    DeleteRowButton = wire(b.Delete, &TRowEditor::DeleteClick);
    wire(b.CheckAll, &TRowEditor::CheckAllClick);
    wire(b.ClearChecks, &TRowEditor::ClearChecksClick);
    ListView1->OnClick = TNotifyEvent(this, &TRowEditor::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TRowEditor::ListView1Change);
}

TWinControl* TRowEditor::FieldControl(int item) const {
    return item >= 0 && static_cast<size_t>(item) < Controls.size() ? Controls[static_cast<size_t>(item)] : nullptr;
}

TCheckBox* TRowEditor::FieldBox(int item) const {
    return item >= 0 && static_cast<size_t>(item) < Boxes.size() ? Boxes[static_cast<size_t>(item)] : nullptr;
}

void TRowEditor::FormCreate(TObject*) {
    TObject* results = RowRecord.Results == RowResults::Memo ? static_cast<TObject*>(FrameMemo)
                                                             : StatusBar1->Panels()->Items(0);
    OpenController(Controller, {.Items = Rows.Items,
                                .Kind = MVT_UMV,
                                .IndexCount = static_cast<uint32_t>(Rows.IndexCount),
                                .Bind = [this](VxSNMPRequest2Edits& c) { BindFields(c); },
                                .Target = results,
                                .Blocking = RowRecord.Blocking,
                                .CountText = CountText,
                                // Else ReturnToNoSelection says what the fields keep.
                                .NoRowOnRead = !RowRecord.EmptiesFields});
    ReturnToNoSelection();
    ShowRowCount();
}

void TRowEditor::BindFields(VxSNMPRequest2Edits& controller) {
    controller.BindListView(ListView1, 1);
    for (const RowField& field : RowRecord.Fields) {
        TWinControl* control = FieldControl(field.Item);
        if (field.Format) {
            controller.BindFormatted(field.Item, field.Format, control);
            continue;
        }
        auto* combo = static_cast<TComboBox*>(control);
        controller.BindComboBox(field.Item, combo);
        if (field.InitialStatus) SelectRowStatus(controller, combo, field.InitialStatus);
        else combo->SetItemIndex(field.InitialIndex);
    }
}

// ---- selection and state ------------------------------------------------------------------

void TRowEditor::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TRowEditor::ListView1Click(TObject*) {
    TListItem* row = ListView1->Selected();
    if (row && RowRecord.KeysCopiedOnClick > 0) {
        static_cast<TEdit*>(FieldControl(0))->SetText(row->Caption());
        if (RowRecord.KeysCopiedOnClick > 1)
            static_cast<TEdit*>(FieldControl(1))->SetText(row->SubItems()->Count() ? row->SubItems()->Get(0) : "");
    }
    ShowSelectionState();
    FollowFields();
}

void TRowEditor::ShowSelectionState() {
    const bool selected = ListView1->Selected() != nullptr;
    const bool locks = RowRecord.SelectionLocksKey;
    if (WriteButton) WriteButton->SetEnabled(selected || !locks);
    if (DeleteRowButton) DeleteRowButton->SetEnabled(selected);
    if (AddRowButton) AddRowButton->SetEnabled(!selected || !locks);
    for (int item = 0; item < Rows.IndexCount; ++item)
        if (TWinControl* key = FieldControl(item)) key->SetEnabled(!selected || !locks);
}

void TRowEditor::ShowNoSelection() {
    ListView1->ClearSelection();
    ShowSelectionState();
}

void TRowEditor::ShowRowCount() { ::ShowRowCount(CountText, Controller); }

void TRowEditor::NoRowShown(TObject*) {
    ShowSelectionState();
    FollowFields();
}

void TRowEditor::ReturnToNoSelection() {
    ShowNoSelection();
    ClearEdits();
    FollowFields();
}

void TRowEditor::ClearEdits() {
    for (TWinControl* control : Controls)
        if (auto* edit = dynamic_cast<TEdit*>(control)) edit->SetText("");
    if (CountText && ListView1->Items()->Count() == 0) CountText->SetCaption("0");
    ClearChecksClick(this);
}

void TRowEditor::CheckAllClick(TObject*) {
    for (TCheckBox* box : Boxes)
        if (box) box->SetChecked(true);
}

void TRowEditor::ClearChecksClick(TObject*) {
    for (TCheckBox* box : Boxes)
        if (box) box->SetChecked(false);
}

RowSnapshot TRowEditor::Snapshot() const {
    RowSnapshot form;
    for (const RowField& field : RowRecord.Fields) {
        TWinControl* control = FieldControl(field.Item);
        if (auto* edit = dynamic_cast<TEdit*>(control)) form.Edits[field.Item] = edit->Text();
        else if (auto* combo = dynamic_cast<TComboBox*>(control); combo && combo->ItemIndex() >= 0)
            form.Combos[field.Item] = {combo->Text(), combo->ItemIndex()};
        if (TCheckBox* box = FieldBox(field.Item); box && box->Checked()) form.Ticked.insert(field.Item);
        if (field.Caption) form.Labels[field.Item] = field.Caption;
    }
    form.ListedKeys = ListedKeysOf(ListView1);
    return form;
}

// ---- the dialog's own rules: what they leave to the shared ones -------------------------------

RowWrite TRowEditor::WriteOfSelected(const RowSnapshot& form) const { return WriteOfSelectedRow(Rows, form); }

bool TRowEditor::ConfirmWrite(RowSnapshot&, RowWrite) { return true; }

std::optional<RowRefusal> TRowEditor::CheckCarried(const RowSnapshot&, const RowItems&) const {
    return std::nullopt;
}

// ---- reads and writes -------------------------------------------------------------------------

void TRowEditor::RefreshClick(TObject*) {
    Guard(Controller, [&] { Controller->Refresh(); });
    ReturnToNoSelection();
    ShowRowCount();
}

void TRowEditor::WriteSelectedClick(TObject*) { Write(WriteOfSelected(Snapshot())); }

void TRowEditor::AddClick(TObject*) { Write(RowWrite::Add); }

void TRowEditor::DeleteClick(TObject*) { Write(RowWrite::Delete); }

void TRowEditor::Write(RowWrite write) {
    if (!Controller) return;
    RowSnapshot form = Snapshot();
    if (auto refusal = CheckWrite(form, write)) {
        Refuse(*refusal);
        if (RowRecord.ClearsAfterRefusal) ReturnToNoSelection();
        return;
    }
    if (!ConfirmWrite(form, write)) return;
    const RowItems leftOut = LeftOut(form, write);
    if (auto refusal = CheckCarried(form, leftOut)) return Refuse(*refusal);
    Send(write, leftOut);
    if (!RowRecord.EmptiesFields) return;  // the read after the write empties them
    ReturnToNoSelection();
    ShowRowCount();
}

// Add always creates, whatever a selected row or a Delete left in the combo;
// Delete destroys; the write of the selected row sends the status shown.
void TRowEditor::Send(RowWrite write, const RowItems& leftOut) {
    const int status = StatusWrittenBy(write);
    if (!RowRecord.Blocking) {
        // The frame's row-status write: it sends no status the combo does
        // not show, and the controller reads the table once the agent took
        // the set, every access word back by then.
        return Guard(Controller, [&] {
            VxItemsLeftOut out(*Controller);
            for (int item : leftOut) out.LeaveOut(item);
            if (status) WriteRowStatus(*Controller, RowStatusCombo(), status);
            else WriteShownRowStatus(*Controller, RowStatusCombo());
        });
    }
    // A refused write reads nothing again; every column is read after a
    // taken one, the left-out items back.
    WriteThenRead(
        Controller,
        [&] {
            VxItemsLeftOut out(*Controller);
            for (int item : leftOut) out.LeaveOut(item);
            if (status) SelectRowStatus(*Controller, RowStatusCombo(), status);
            Controller->SetValues(false, true);
        },
        [&] { Controller->Refresh(); }, false);
}

TComboBox* TRowEditor::RowStatusCombo() const { return static_cast<TComboBox*>(FieldControl(Rows.RowStatusItem)); }

void TRowEditor::Refuse(const RowRefusal& refusal) { RefuseInput(FieldControl(refusal.FocusItem), refusal.Message); }
