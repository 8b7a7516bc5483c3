#include "features/UnicastFilterInformationForm.h"

#include "dialogbase/DialogHost.h"
#include "framework/VxItemsLeftOut.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1qStaticUnicastEntry", .Bounds = {8, 8, 624, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 171, 0, 0}, .Caption = "VID"},
    {.Class = "TEdit", .Name = "ED_UnicastVID", .Bounds = {40, 167, 70, 21}, .TabOrder = 1, .Enabled = false,
     .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {128, 171, 0, 0}, .Caption = "MAC Address"},
    {.Class = "TEdit", .Name = "UnicastAddress", .Bounds = {208, 167, 130, 21}, .TabOrder = 2, .Enabled = false,
     .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {356, 171, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "UStatus", .Bounds = {400, 167, 110, 21}, .TabOrder = 3, .Enabled = false,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {530, 171, 0, 0}, .Caption = "Total:"},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {570, 171, 0, 0}, .Caption = "0"},
    {.Class = "TGroupBox", .Name = "GroupBox1", .Bounds = {8, 196, 624, 222}, .Caption = "Allow To Go To Port",
     .TabOrder = 4, .Anchors = akLeft | akTop | akRight},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {476, 426, 75, 25}, .Caption = "Refresh", .TabOrder = 5,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {395, 426, 75, 25}, .Caption = "Set", .TabOrder = 6,
     .Anchors = akTop | akRight, .Visible = false},
    {.Class = "TButton", .Name = "DeleteBtn", .Bounds = {557, 426, 75, 25}, .Caption = "Delete", .TabOrder = 7,
     .Anchors = akTop | akRight},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 458, 624, 72}, .TabOrder = 8,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "UnicastFilterInformationForm", .Caption = "Unicast Filter Information",
                             .ClientWidth = 640, .ClientHeight = 538, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(TComponent* owner)
    : TStaticFilterTableForm(owner, kLayout) {
    KX_BIND(LV_dot1qStaticUnicastEntry);
    KX_BIND(ED_UnicastVID);
    KX_BIND(UnicastAddress);
    KX_BIND(UStatus);
    KX_BIND(ST_Count);
    KX_BIND(GroupBox1);
    KX_BIND(RefreshBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    Entry = {LV_dot1qStaticUnicastEntry, ED_UnicastVID, UnicastAddress, UStatus, ST_Count};
    RefreshBtn->OnClick = TNotifyEvent(this, &TUnicastFilterInformationForm::RefreshBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TUnicastFilterInformationForm::DeleteBtnClick);
    LV_dot1qStaticUnicastEntry->OnClick =
        TNotifyEvent(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick);
    LV_dot1qStaticUnicastEntry->OnChange =
        TLVChangeEvent(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange);
    OnCreate = TNotifyEvent(this, &TUnicastFilterInformationForm::FormCreate);
    DoCreate();
}

void TUnicastFilterInformationForm::FormCreate(TObject*) {
    BuildUnitPages();
    OpenFilterTable(Dot1qStaticUnicastItems);
}

void TUnicastFilterInformationForm::BuildUnitPages() {
    AddPortPickers({{&PortsPicker, GroupBox1}});
    const TListView* units = HostUnitTable().Units;
    if (!units || units->Items()->Count() == 0) Memo1->Lines()->Add("no device unit information");
}

void TUnicastFilterInformationForm::RefreshBtnClick(TObject*) {
    Guard(FilterRequest, [&] {
        FilterRequest->Refresh();
        ShowFilterCount();
    });
}

// One set of the status "invalid" for the selected filter's instance (FDB
// id, address, receive port): the port list is left out of it, and back in
// the next reads whatever the answer.
void TUnicastFilterInformationForm::DeleteBtnClick(TObject*) {
    Guard(FilterRequest, [&] {
        VxItemsLeftOut out(*FilterRequest);
        out.LeaveOut(PortsItem);
        SelectRowStatus(*FilterRequest, UStatus, FilterInvalid);
        out.Write(true);
    });
    ClearFilterEntry();
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick(TObject*) { KeepStatusReadOnly(); }

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange(TObject*, TListItem*, TItemChange) {
    ShowFilterCount();
}
