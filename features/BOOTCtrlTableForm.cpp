#include "features/BOOTCtrlTableForm.h"

#include "features/NewBootpCtrlForm.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/Layer3Mib.h"
#include "platform/Layout.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 372, 200}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TBitBtn", .Name = "RefreshBtn", .Bounds = {392, 8, 80, 25}, .Caption = "Refresh", .TabOrder = 1,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "AddBtn", .Bounds = {392, 40, 80, 25}, .Caption = "Add", .TabOrder = 2,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "DeleteBtn", .Bounds = {392, 72, 80, 25}, .Caption = "Delete", .TabOrder = 3,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "CloseBtn", .Bounds = {392, 104, 80, 25}, .Caption = "Close", .TabOrder = 4,
     .Anchors = akTop | akRight},
    {.Class = "TComboBox", .Name = "ComboBox1", .Bounds = {392, 140, 80, 21}, .Visible = false,
     .Props = "Style=csDropDownList"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 216, 464, 96}, .TabOrder = 5,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "BOOTCtrlTableForm", .Caption = "BOOTP Ctrl Table", .ClientWidth = 480,
                             .ClientHeight = 320, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::WidthHeight, .Captioning = CaptionRule::MenuSetsTitleAndAgent,
                             .Title = "BOOTP Ctrl Table : ", .Controls = kControls};

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Memo1);
    KX_BIND(RefreshBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(AddBtn);
    KX_BIND(CloseBtn);
    KX_BIND(ComboBox1);
    ButtonReporting = Reporting::MemoLine;
    RefreshBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::RefreshBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::DeleteBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::AddBtnClick);
    CloseBtn->OnClick = TNotifyEvent(this, &TBOOTCtrlTableForm::CloseBtnClick);
    OnCreate = TNotifyEvent(this, &TBOOTCtrlTableForm::FormCreate);
    DoCreate();
}

void TBOOTCtrlTableForm::FormCreate(TObject*) {
    Guard(nullptr, [&] {
        AddEditor(AddDialog, NewBootpCtrlForm);
        OpenController(BootpEdits, {.Items = BootpRelayInterfaceItems,
                                    .Kind = MVT_FMV,
                                    .IndexCount = 2,
                                    .Bind =
                                        [this](VxSNMPRequest2Edits& c) {
                                            c.BindListView(ListView1, 1);
                                            c.BindFormatted(bootpInterface, "%s", AddDialog->Edit1);
                                            c.BindFormatted(bootpServer, "%s", AddDialog->Edit2);
                                            c.BindComboBox(bootpState, ComboBox1);
                                        }});
        AddDialog->ListedRows = ListView1;
        AddDialog->WriteEntry = [this] {
            if (BootpEdits) WriteRowStatus(*BootpEdits, ComboBox1, BootpPairValid);
        };
    });
}

void TBOOTCtrlTableForm::RefreshBtnClick(TObject*) {
    Guard(BootpEdits, [&] { BootpEdits->Refresh(); });
}

void TBOOTCtrlTableForm::DeleteBtnClick(TObject*) {
    if (!RowChosen(ListView1, DeleteBtn)) return;
    Guard(BootpEdits, [&] {
        // The pair removed is the selected one, whatever the add dialog's
        // edits were left holding.
        ReloadSelectedRow(*BootpEdits);
        WriteRowStatus(*BootpEdits, ComboBox1, BootpPairInvalid);
    });
}

void TBOOTCtrlTableForm::AddBtnClick(TObject*) {
    Guard(BootpEdits, [&] { ShowEditor(*AddDialog, RowWrite::Add); });
}

void TBOOTCtrlTableForm::CloseBtnClick(TObject*) { Close(); }
