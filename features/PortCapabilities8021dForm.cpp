#include "features/PortCapabilities8021dForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1dPortCapabilitiesEntry", .Bounds = {8, 8, 344, 280}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 302, 0, 0}, .Caption = "Total Entries:",
     .Anchors = akLeft | akBottom},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {90, 302, 0, 0}, .Caption = "0",
     .Anchors = akLeft | akBottom},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {277, 296, 75, 25}, .Caption = "Refresh", .TabOrder = 1,
     .Anchors = akRight | akBottom},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 328, 344, 72}, .TabOrder = 2,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "PortCapabilities8021dForm", .Caption = "Port Capability Form",
                             .ClientWidth = 360, .ClientHeight = 408, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(TComponent* owner) : TBridgePortViewerForm(owner, kLayout) {
    KX_BIND(LV_dot1dPortCapabilitiesEntry);
    KX_BIND(ST_Count);
    KX_BIND(RefreshBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TPortCapabilities8021dForm::RefreshBtnClick);
    LV_dot1dPortCapabilitiesEntry->OnChanging =
        TLVChangingEvent(this, &TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging);
    OnCreate = TNotifyEvent(this, &TPortCapabilities8021dForm::FormCreate);
    DoCreate();
}

void TPortCapabilities8021dForm::FormCreate(TObject*) {
    OpenPortTable(PortCapabilitiesItems, LV_dot1dPortCapabilitiesEntry, ST_Count);
}

void TPortCapabilities8021dForm::RefreshBtnClick(TObject*) { RefreshWhenReady(ReadyFlags::FirstOnly); }

void TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging(TObject*, TListItem*, TItemChange, bool&) {
    ShowRowCount(ST_Count, PortTable);
}
