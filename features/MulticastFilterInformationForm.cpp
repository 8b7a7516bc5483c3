#include "features/MulticastFilterInformationForm.h"

#include "framework/VxRowStatusCombo.h"
#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1qStaticMulticastEntry", .Bounds = {8, 8, 624, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 171, 0, 0}, .Caption = "VID"},
    {.Class = "TEdit", .Name = "ED_MulticastVID", .Bounds = {40, 167, 70, 21}, .TabOrder = 1, .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {128, 171, 0, 0}, .Caption = "MAC Address"},
    {.Class = "TEdit", .Name = "ED_MACAddress", .Bounds = {208, 167, 130, 21}, .TabOrder = 2, .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {356, 171, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "Status", .Bounds = {400, 167, 110, 21}, .TabOrder = 3, .Enabled = false,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {530, 171, 0, 0}, .Caption = "Total:"},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {570, 171, 0, 0}, .Caption = "0"},
    {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {8, 196, 624, 222}, .TabOrder = 4,
     .Anchors = akLeft | akTop | akRight, .Props = "ActivePage=TabSheet1"},
    {.Class = "TTabSheet", .Name = "TabSheet1", .Parent = "PageControl1", .Caption = "Egress Ports"},
    {.Class = "TScrollBox", .Name = "ScrollBox1", .Parent = "TabSheet1", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {476, 426, 75, 25}, .Caption = "Refresh", .TabOrder = 5,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {395, 426, 75, 25}, .Caption = "Set", .TabOrder = 6,
     .Anchors = akTop | akRight, .Visible = false},
    {.Class = "TButton", .Name = "Button1", .Bounds = {557, 426, 75, 25}, .Caption = "Delete", .TabOrder = 7,
     .Anchors = akTop | akRight},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 458, 624, 72}, .TabOrder = 8,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "MulticastFilterInformationForm", .Caption = "Multicast Filter Information",
                             .ClientWidth = 640, .ClientHeight = 538, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(TComponent* owner)
    : TStaticFilterTableForm(owner, kLayout) {
    KX_BIND(LV_dot1qStaticMulticastEntry);
    KX_BIND(ED_MulticastVID);
    KX_BIND(ED_MACAddress);
    KX_BIND(Status);
    KX_BIND(ST_Count);
    KX_BIND(PageControl1);
    KX_BIND(ScrollBox1);
    KX_BIND(RefreshBtn);
    KX_BIND(Button1);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    Entry = {LV_dot1qStaticMulticastEntry, ED_MulticastVID, ED_MACAddress, Status, ST_Count};
    RefreshBtn->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::SetBtnClick);
    Button1->OnClick = TNotifyEvent(this, &TMulticastFilterInformationForm::Button1Click);
    LV_dot1qStaticMulticastEntry->OnClick =
        TNotifyEvent(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick);
    LV_dot1qStaticMulticastEntry->OnChange =
        TLVChangeEvent(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange);
    OnCreate = TNotifyEvent(this, &TMulticastFilterInformationForm::FormCreate);
    DoCreate();
}

void TMulticastFilterInformationForm::FormCreate(TObject*) {
    BuildUnitPages();
    OpenFilterTable(Dot1qStaticMulticastItems);
}

void TMulticastFilterInformationForm::BuildUnitPages() { AddPortPickers({{&PortsPicker, ScrollBox1}}); }

void TMulticastFilterInformationForm::ClearEntry() {
    ClearFilterEntry();
    ED_MulticastVID->SetReadOnly(true);
    ED_MACAddress->SetReadOnly(true);
    Status->SetEnabled(false);
}

void TMulticastFilterInformationForm::RefreshBtnClick(TObject*) {
    Guard(FilterRequest, [&] { FilterRequest->Refresh(); });
    ClearEntry();
}

void TMulticastFilterInformationForm::SetBtnClick(TObject*) {
    Guard(FilterRequest, [&] { WriteShownRowStatus(*FilterRequest, Status); });
    ClearEntry();
}

// Nothing is left out: the set carries the egress ports as shown with the
// status "invalid".
void TMulticastFilterInformationForm::Button1Click(TObject*) {
    Guard(FilterRequest, [&] { WriteRowStatus(*FilterRequest, Status, FilterInvalid); });
    ClearEntry();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick(TObject*) { KeepStatusReadOnly(); }

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange(TObject*, TListItem*, TItemChange) {
    ShowFilterCount();
}
