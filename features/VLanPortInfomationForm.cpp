#include "features/VLanPortInfomationForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {

// Items of the 802.1Q port table.
enum : int { PortItem, PvidItem, FrameTypesItem, IngressFilteringItem, GvrpStatusItem };

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1qPortVlanEntry", .Bounds = {8, 8, 704, 250}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 272, 0, 0}, .Caption = "Port VLAN ID",
     .Anchors = akLeft | akBottom},
    {.Class = "TEdit", .Name = "PortVLanID", .Bounds = {8, 290, 120, 21}, .TabOrder = 1,
     .Anchors = akLeft | akBottom},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {144, 272, 0, 0}, .Caption = "Acceptable Frame Types",
     .Anchors = akLeft | akBottom},
    {.Class = "TComboBox", .Name = "AcceptableFrameTypes", .Bounds = {144, 290, 170, 21}, .TabOrder = 2,
     .Anchors = akLeft | akBottom, .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {330, 272, 0, 0}, .Caption = "Ingress Filtering",
     .Anchors = akLeft | akBottom},
    {.Class = "TComboBox", .Name = "IngressFiltering", .Bounds = {330, 290, 120, 21}, .TabOrder = 3,
     .Anchors = akLeft | akBottom, .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {466, 272, 0, 0}, .Caption = "GVRP Status",
     .Anchors = akLeft | akBottom},
    {.Class = "TComboBox", .Name = "GvrpStatus", .Bounds = {466, 290, 120, 21}, .TabOrder = 4,
     .Anchors = akLeft | akBottom, .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label5", .Bounds = {8, 328, 0, 0}, .Caption = "Total Entries:",
     .Anchors = akLeft | akBottom},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {90, 328, 0, 0}, .Caption = "0",
     .Anchors = akLeft | akBottom},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {556, 322, 75, 25}, .Caption = "Refresh", .TabOrder = 5,
     .Anchors = akRight | akBottom},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {637, 322, 75, 25}, .Caption = "Set", .TabOrder = 6,
     .Anchors = akRight | akBottom},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 354, 704, 72}, .TabOrder = 7,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "VLanPortInfomationForm", .Caption = "VLAN Port Information Form",
                             .ClientWidth = 720, .ClientHeight = 434, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_dot1qPortVlanEntry);
    KX_BIND(PortVLanID);
    KX_BIND(AcceptableFrameTypes);
    KX_BIND(IngressFiltering);
    KX_BIND(GvrpStatus);
    KX_BIND(ST_Count);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanPortInfomationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVLanPortInfomationForm::SetBtnClick);
    LV_dot1qPortVlanEntry->OnChange = TLVChangeEvent(this, &TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange);
    OnCreate = TNotifyEvent(this, &TVLanPortInfomationForm::FormCreate);
    DoCreate();
}

void TVLanPortInfomationForm::FormCreate(TObject*) {
    OpenController(PortVlanRequest, {.Items = Dot1qPortVlanItems,
                                     .Kind = MVT_FMV,
                                     .IndexCount = 1,
                                     .Bind =
                                         [this](VxSNMPRequest2Edits& c) {
                                             c.BindListView(LV_dot1qPortVlanEntry, 1);
                                             c.BindFormatted(PvidItem, "%i{}", PortVLanID);
                                             c.BindComboBox(FrameTypesItem, AcceptableFrameTypes);
                                             c.BindComboBox(IngressFilteringItem, IngressFiltering);
                                             c.BindComboBox(GvrpStatusItem, GvrpStatus);
                                         },
                                     .CountText = ST_Count});
    PortVLanID->SetText("");
}

void TVLanPortInfomationForm::RefreshBtnClick(TObject*) {
    if (Busy()) return;
    Guard(PortVlanRequest, [&] {
        PortVlanRequest->Refresh();
        ShowRowCount(ST_Count, PortVlanRequest);
    });
}

void TVLanPortInfomationForm::SetBtnClick(TObject*) {
    // Without a selected row the fields belong to no port.
    const TListItem* selected = LV_dot1qPortVlanEntry->Selected();
    if (!selected) return RefuseInput(LV_dot1qPortVlanEntry, "Please select a port first.");
    const std::string port = selected->Caption();
    Guard(PortVlanRequest, [&] { PortVlanRequest->SetValues(true, true); });
    // The table is read again once the set is answered; until then the
    // port just set stays selected.
    SelectPortAgain(port);
    ShowRowCount(ST_Count, PortVlanRequest);
}

void TVLanPortInfomationForm::SelectPortAgain(const std::string& port) {
    TListItems* rows = LV_dot1qPortVlanEntry->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        if (rows->Item(i)->Caption() == port) {
            LV_dot1qPortVlanEntry->SetItemIndex(i);
            return;
        }
    }
    PortVLanID->SetText("");
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(ST_Count, PortVlanRequest);
}
