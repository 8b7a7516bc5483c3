#include "features/Md5EditForm.h"

#include "platform/Layout.h"

TMd5EditForm* Md5EditForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {12, 16, 0, 0}, .Caption = "Key ID [1..255]"},
    {.Class = "TEdit", .Name = "KeyIDEdit", .Bounds = {112, 12, 136, 21}, .TabOrder = 0, .Enabled = false},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {12, 46, 0, 0}, .Caption = "Key"},
    {.Class = "TEdit", .Name = "KeyEdit", .Bounds = {112, 42, 136, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {12, 76, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "ComboBox1", .Bounds = {112, 72, 136, 21}, .TabOrder = 2,
     .Props = "Style=csDropDownList"},
    {.Class = "TButton", .Name = "SetButton", .Bounds = {46, 110, 80, 25}, .Caption = "Set", .TabOrder = 3},
    {.Class = "TButton", .Name = "CloseButton", .Bounds = {136, 110, 80, 25}, .Caption = "Close", .TabOrder = 4},
};

constexpr FormLayout kLayout{.Name = "Md5EditForm", .Caption = "Md5 Edit", .ClientWidth = 262, .ClientHeight = 146,
                             .BorderStyle = bsDialog, .Position = poOwnerFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TMd5EditForm::TMd5EditForm(TComponent* owner) : TModalEditor(owner, kLayout) {
    KX_BIND(KeyIDEdit);
    KX_BIND(KeyEdit);
    KX_BIND(ComboBox1);
    KX_BIND(SetButton);
    KX_BIND(CloseButton);
    SetButton->OnClick = TNotifyEvent(this, &TMd5EditForm::SetButtonClick);
    CloseButton->OnClick = TNotifyEvent(this, &TMd5EditForm::CloseButtonClick);
    // Prepared each time it is shown, not on every activation: its own
    // message boxes hand the activation back and would empty a typed add.
    OnShow = TNotifyEvent(this, &TMd5EditForm::FormActivate);
    DoCreate();
}

void TMd5EditForm::FormActivate(TObject*) {
    KeyIDEdit->SetEnabled(EditMode == RowWrite::Add);
    if (EditMode != RowWrite::Add) return;
    KeyIDEdit->SetText("");
    KeyEdit->SetText("");
}

void TMd5EditForm::SetButtonClick(TObject*) {
    Guard(nullptr, [&] {
        if (EditMode == RowWrite::Add) {
            RowSnapshot form = FormWithListedRows();
            form.Edits = {{md5KeyId, KeyIDEdit->Text()}, {md5Key, KeyEdit->Text()}};
            if (auto refusal = CheckNewMd5Key(form))
                return RefuseInput(refusal->FocusItem == md5Key ? KeyEdit : KeyIDEdit, refusal->Message);
        }
        WriteAndClose();
    });
}

void TMd5EditForm::CloseButtonClick(TObject*) { Close(); }
