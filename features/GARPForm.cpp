#include "features/GARPForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TGARPForm* GARPForm = nullptr;

namespace {

// The Set button and the panel of timer edits are part of the stored form
// but take no part: the dialog only shows the timers.
constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1dPortGarpEntry", .Bounds = {8, 8, 504, 280}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TPanel", .Name = "Panel1", .Bounds = {8, 8, 504, 80}, .Visible = false},
    {.Class = "TEdit", .Name = "ED_JoinTime", .Parent = "Panel1", .Bounds = {120, 8, 80, 21}},
    {.Class = "TEdit", .Name = "ED_LeaveTime", .Parent = "Panel1", .Bounds = {120, 32, 80, 21}},
    {.Class = "TEdit", .Name = "ED_LeaveAllTime", .Parent = "Panel1", .Bounds = {120, 56, 80, 21}},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 302, 0, 0}, .Caption = "Total Entries:",
     .Anchors = akLeft | akBottom},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {90, 302, 0, 0}, .Caption = "0",
     .Anchors = akLeft | akBottom},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {356, 296, 75, 25}, .Caption = "Refresh", .TabOrder = 1,
     .Anchors = akRight | akBottom},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {437, 296, 75, 25}, .Caption = "Set", .TabOrder = 2,
     .Anchors = akRight | akBottom, .Visible = false},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 328, 504, 72}, .TabOrder = 3,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "GARPForm", .Caption = "GARP Form", .ClientWidth = 520, .ClientHeight = 408,
                             .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TGARPForm::TGARPForm(TComponent* owner) : TBridgePortViewerForm(owner, kLayout) {
    KX_BIND(LV_dot1dPortGarpEntry);
    KX_BIND(ST_Count);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TGARPForm::RefreshBtnClick);
    LV_dot1dPortGarpEntry->OnChange = TLVChangeEvent(this, &TGARPForm::LV_dot1dPortGarpEntryChange);
    OnCreate = TNotifyEvent(this, &TGARPForm::FormCreate);
    DoCreate();
}

void TGARPForm::FormCreate(TObject*) { OpenPortTable(PortGarpItems, LV_dot1dPortGarpEntry, ST_Count); }

void TGARPForm::RefreshBtnClick(TObject*) { RefreshWhenReady(ReadyFlags::Both); }

void TGARPForm::LV_dot1dPortGarpEntryChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(ST_Count, PortTable);
}
