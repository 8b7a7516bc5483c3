#include "features/Md5EditForm.h"

#include "features/Md5InformationForm.h"
#include "platform/Layout.h"

TMd5EditForm* Md5EditForm = nullptr;

namespace {

enum : int { ChangeKey = 1, AddKey = 2 };

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

TMd5EditForm::TMd5EditForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
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

TMd5InformationForm* TMd5EditForm::Table() const { return dynamic_cast<TMd5InformationForm*>(Owner()); }

void TMd5EditForm::FormActivate(TObject*) {
    KeyIDEdit->SetEnabled(EditMode == AddKey);
    if (EditMode != AddKey) return;
    KeyIDEdit->SetText("");
    KeyEdit->SetText("");
}

bool TMd5EditForm::NewKeyIsAcceptable() {
    if (KeyIDEdit->Text().empty()) {
        RefuseInput(KeyIDEdit, "KeyID is needed.");
        return false;
    }
    // The IDs are compared as the list shows them: "07" is not "7".
    const TListItems* rows = Table()->ListView1->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        if (rows->Item(i)->Caption() == KeyIDEdit->Text()) {
            RefuseInput(KeyIDEdit, "KeyID must be different.");
            return false;
        }
    }
    if (KeyEdit->Text().empty()) {
        RefuseInput(KeyEdit, "Key is needed.");
        return false;
    }
    return true;
}

void TMd5EditForm::SetButtonClick(TObject*) {
    TMd5InformationForm* table = Table();
    if (!table) return;
    table->GuardEditor([&] {
        if (EditMode == AddKey && !NewKeyIsAcceptable()) return;
        if (!table->KeyEdits) return;
        table->KeyEdits->SetValues(true, true);
        Close();
    });
}

void TMd5EditForm::CloseButtonClick(TObject*) { Close(); }
