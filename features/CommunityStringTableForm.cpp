#include "features/CommunityStringTableForm.h"

#include "framework/VxRowStatusCombo.h"
#include "mibdefs/SnmpV3Mib.h"
#include "platform/Layout.h"

TCommunityStringTableForm* CommunityStringTableForm = nullptr;

namespace {

// Items of the community table.
enum : int { IndexItem, NameItem, SecurityNameItem, StatusItem };

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 440, 160}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 182, 0, 0}, .Caption = "Index"},
    {.Class = "TEdit", .Name = "Edit1", .Bounds = {100, 178, 160, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {8, 210, 0, 0}, .Caption = "Name"},
    {.Class = "TEdit", .Name = "Edit2", .Bounds = {100, 206, 160, 21}, .TabOrder = 2},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {8, 238, 0, 0}, .Caption = "Security Name"},
    {.Class = "TEdit", .Name = "Edit3", .Bounds = {100, 234, 160, 21}, .TabOrder = 3},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {8, 266, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "ComboBox2", .Bounds = {100, 262, 160, 21}, .TabOrder = 4,
     .Props = "Style=csDropDownList"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 294, 440, 80}, .TabOrder = 5,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
    {.Class = "TPanel", .Name = "Panel1", .Bounds = {456, 0, 96, 382}, .Align = alRight, .Props = "BevelOuter=bvNone"},
    {.Class = "TBitBtn", .Name = "RefreshBtn", .Parent = "Panel1", .Bounds = {10, 8, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TBitBtn", .Name = "SetBtn", .Parent = "Panel1", .Bounds = {10, 40, 75, 25}, .Caption = "Set",
     .TabOrder = 1},
    {.Class = "TBitBtn", .Name = "AddBtn", .Parent = "Panel1", .Bounds = {10, 72, 75, 25}, .Caption = "Add",
     .TabOrder = 2},
    {.Class = "TBitBtn", .Name = "DeleteBtn", .Parent = "Panel1", .Bounds = {10, 104, 75, 25}, .Caption = "Delete",
     .TabOrder = 3, .Enabled = false},
    {.Class = "TBitBtn", .Name = "CloseBtn", .Parent = "Panel1", .Bounds = {10, 136, 75, 25}, .Caption = "Close",
     .TabOrder = 4},
};

constexpr FormLayout kLayout{.Name = "CommunityStringTableForm", .Caption = "CommunityStringTableForm",
                             .ClientWidth = 552, .ClientHeight = 382, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TCommunityStringTableForm::TCommunityStringTableForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Edit1);
    KX_BIND(Edit2);
    KX_BIND(Edit3);
    KX_BIND(ComboBox2);
    KX_BIND(Memo1);
    KX_BIND(Panel1);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(AddBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(CloseBtn);
    RefreshBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::SetBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::DeleteBtnClick);
    CloseBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::CloseBtnClick);
    ListView1->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TCommunityStringTableForm::FormCreate);
    DoCreate();
}

void TCommunityStringTableForm::FormCreate(TObject*) {
    OpenController(CommunityRequest, {.Items = SnmpCommunityItems,
                                      .Kind = MVT_UMV,
                                      .IndexCount = 1,
                                      .Bind = [this](VxSNMPRequest2Edits& c) {
                                          c.BindListView(ListView1, 1);
                                          c.BindFormatted(IndexItem, "%s", Edit1);
                                          c.BindFormatted(NameItem, "%s", Edit2);
                                          c.BindFormatted(SecurityNameItem, "%s", Edit3);
                                          c.BindComboBox(StatusItem, ComboBox2);
                                      }});
}

void TCommunityStringTableForm::RefreshBtnClick(TObject*) {
    Guard(CommunityRequest, [&] { CommunityRequest->Refresh(); });
}

void TCommunityStringTableForm::SetBtnClick(TObject*) { WriteRow(RowWrite::Set); }

void TCommunityStringTableForm::AddBtnClick(TObject*) { WriteRow(RowWrite::Add); }

void TCommunityStringTableForm::DeleteBtnClick(TObject*) { WriteRow(RowWrite::Delete); }

// Every column goes with the row status: the one shown for Set. A write
// names its row by the index (a Set without a loaded row is refused as
// such first).
void TCommunityStringTableForm::WriteRow(RowWrite write) {
    const bool namesARow = write != RowWrite::Set || ComboBox2->ItemIndex() >= 0;
    if (namesARow && Edit1->Text().empty()) return RefuseInput(Edit1, "Index must be set.");
    Guard(CommunityRequest, [&] {
        if (const int status = StatusWrittenBy(write)) WriteRowStatus(*CommunityRequest, ComboBox2, status);
        else WriteShownRowStatus(*CommunityRequest, ComboBox2);
    });
}

void TCommunityStringTableForm::CloseBtnClick(TObject*) { Close(); }

void TCommunityStringTableForm::ListView1Click(TObject*) { DeleteBtn->SetEnabled(ListView1->Selected() != nullptr); }
