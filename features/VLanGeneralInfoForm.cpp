#include "features/VLanGeneralInfoForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;

namespace {

// Items of the Q-bridge base scalars.
enum : int { VersionItem, MaxVlanIdItem, MaxSupportedItem, CurrentCountItem, GvrpStatusItem };

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {16, 20, 0, 0}, .Caption = "VLAN Version Number"},
    {.Class = "TStaticText", .Name = "VlanVersionNumber", .Bounds = {180, 20, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {16, 44, 0, 0}, .Caption = "Max VLAN ID"},
    {.Class = "TStaticText", .Name = "MaxVlanId", .Bounds = {180, 44, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {16, 68, 0, 0}, .Caption = "Max Supported VLANs"},
    {.Class = "TStaticText", .Name = "MaxSupportedVlans", .Bounds = {180, 68, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {16, 92, 0, 0}, .Caption = "Current Num Of VLANs"},
    {.Class = "TStaticText", .Name = "CurrentNumOfVlans", .Bounds = {180, 92, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label5", .Bounds = {16, 120, 0, 0}, .Caption = "GVRP Status"},
    {.Class = "TComboBox", .Name = "GvrpStatus", .Bounds = {180, 116, 140, 21}, .TabOrder = 0,
     .Props = "Style=csDropDownList"},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {164, 152, 75, 25}, .Caption = "Refresh", .TabOrder = 1},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {245, 152, 75, 25}, .Caption = "Set", .TabOrder = 2},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 188, 320, 64}, .TabOrder = 3,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "VLanGeneralInfoForm", .Caption = "802.1Q Basic Configure", .ClientWidth = 336,
                             .ClientHeight = 260, .BorderStyle = bsDialog, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(VlanVersionNumber);
    KX_BIND(MaxVlanId);
    KX_BIND(MaxSupportedVlans);
    KX_BIND(CurrentNumOfVlans);
    KX_BIND(GvrpStatus);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanGeneralInfoForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVLanGeneralInfoForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TVLanGeneralInfoForm::FormCreate);
    DoCreate();
}

void TVLanGeneralInfoForm::FormCreate(TObject*) {
    OpenController(QBridgeRequest, {.Items = Dot1qBaseItems, .Bind = [this](VxSNMPRequest2Edits& c) {
                                        c.BindStaticText(VersionItem, VlanVersionNumber);
                                        c.BindStaticText(MaxVlanIdItem, MaxVlanId);
                                        c.BindStaticText(MaxSupportedItem, MaxSupportedVlans);
                                        c.BindStaticText(CurrentCountItem, CurrentNumOfVlans);
                                        c.BindComboBox(GvrpStatusItem, GvrpStatus);
                                    }});
}

void TVLanGeneralInfoForm::RefreshBtnClick(TObject*) {
    Guard(QBridgeRequest, [&] { QBridgeRequest->Refresh(); });
}

// One set of the GVRP status, the only writable item; the static texts are
// not read again until Refresh.
void TVLanGeneralInfoForm::SetBtnClick(TObject*) {
    Guard(QBridgeRequest, [&] { QBridgeRequest->SetValues(true, true); });
}
