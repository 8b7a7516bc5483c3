#include "features/NewBootpCtrlForm.h"

#include "platform/Layout.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {12, 16, 0, 0}, .Caption = "Interface Name"},
    {.Class = "TEdit", .Name = "Edit1", .Bounds = {116, 12, 136, 21}, .TabOrder = 0},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {12, 46, 0, 0}, .Caption = "Bootp Server IP"},
    {.Class = "TEdit", .Name = "Edit2", .Bounds = {116, 42, 136, 21}, .TabOrder = 1},
    {.Class = "TBitBtn", .Name = "DeleteBtn", .Bounds = {50, 80, 80, 25}, .Caption = "Set", .TabOrder = 2},
    {.Class = "TBitBtn", .Name = "BitBtn1", .Bounds = {140, 80, 80, 25}, .Caption = "Close", .TabOrder = 3},
};

constexpr FormLayout kLayout{.Name = "NewBootpCtrlForm", .Caption = "New Bootp Ctrl Entry", .ClientWidth = 266,
                             .ClientHeight = 116, .BorderStyle = bsDialog, .Position = poOwnerFormCenter,
                             .LargeFonts = DialogScaling::WidthHeight, .Controls = kControls};

}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TComponent* owner) : TModalEditor(owner, kLayout) {
    KX_BIND(Edit1);
    KX_BIND(Edit2);
    KX_BIND(DeleteBtn);
    KX_BIND(BitBtn1);
    DeleteBtn->OnClick = TNotifyEvent(this, &TNewBootpCtrlForm::DeleteBtnClick);
    BitBtn1->OnClick = TNotifyEvent(this, &TNewBootpCtrlForm::BitBtn1Click);
    // Prepared each time it is shown, not on every activation: its own
    // message boxes hand the activation back.
    OnShow = TNotifyEvent(this, &TNewBootpCtrlForm::FormActivate);
    OnCreate = TNotifyEvent(this, &TNewBootpCtrlForm::FormCreate);
    DoCreate();
}

void TNewBootpCtrlForm::FormCreate(TObject*) { Activated = 0; }

void TNewBootpCtrlForm::FormActivate(TObject*) {
    Edit1->SetEnabled(true);
    Edit2->SetEnabled(true);
    if (Activated) return;
    Activated = 1;
    Edit1->SetText("");
    Edit2->SetText("");
}

void TNewBootpCtrlForm::DeleteBtnClick(TObject*) {
    Guard(nullptr, [&] {
        if (BootpInterfaceFull(FormWithListedRows(), Edit1->Text())) {
            MessageBoxA(nullptr, "One Interface Can Only With Four Bootp Servers", nullptr, MB_OK);
            return;
        }
        // The address becomes four sub-identifiers of the row's index: only
        // an exact IPv4 address names a row.
        if (!AcceptTypedValue(Edit2, sxIpAddress, "Bootp Server IP")) return;
        if (WriteEntry) WriteEntry();
        Edit1->SetText("");
        Edit2->SetText("");
        Close();
    });
}

void TNewBootpCtrlForm::BitBtn1Click(TObject*) { Close(); }
