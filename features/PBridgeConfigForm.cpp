#include "features/PBridgeConfigForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

namespace {

// The GMRP status is part of the stored form but bound to nothing.
constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {16, 20, 0, 0}, .Caption = "Device Capabilities"},
    {.Class = "TStaticText", .Name = "Edit_DeviceCapabilities", .Bounds = {170, 20, 150, 17}, .Caption = "",
     .Props = "AutoSize=false; BorderStyle=sbsSunken"},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {16, 52, 0, 0}, .Caption = "Traffic Classes State"},
    {.Class = "TComboBox", .Name = "TrafficClassesState", .Bounds = {170, 48, 150, 21}, .TabOrder = 0,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {16, 84, 0, 0}, .Caption = "GMRP Status", .Visible = false},
    {.Class = "TComboBox", .Name = "GmrpStatus", .Bounds = {170, 80, 150, 21}, .Visible = false,
     .Props = "Style=csDropDownList"},
    {.Class = "TButton", .Name = "BT_Get", .Bounds = {164, 112, 75, 25}, .Caption = "Refresh", .TabOrder = 1},
    {.Class = "TButton", .Name = "BT_Set", .Bounds = {245, 112, 75, 25}, .Caption = "Set", .TabOrder = 2},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 148, 320, 64}, .TabOrder = 3,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "PBridgeConfigForm", .Caption = "802.1P Basic Configure", .ClientWidth = 336,
                             .ClientHeight = 220, .BorderStyle = bsDialog, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(Edit_DeviceCapabilities);
    KX_BIND(TrafficClassesState);
    KX_BIND(GmrpStatus);
    KX_BIND(BT_Get);
    KX_BIND(BT_Set);
    KX_BIND(Memo1);
    BT_Get->OnClick = TNotifyEvent(this, &TPBridgeConfigForm::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPBridgeConfigForm::BT_SetClick);
    OnCreate = TNotifyEvent(this, &TPBridgeConfigForm::FormCreate);
    DoCreate();
}

void TPBridgeConfigForm::FormCreate(TObject*) {
    OpenController(DeviceCapabilitiesRequest,
                   {.Items = DeviceCapabilitiesItems,
                    .Bind = [this](VxSNMPRequest2Edits& c) { c.BindStaticText(0, Edit_DeviceCapabilities); }});
    OpenController(TrafficClassesRequest,
                   {.Items = TrafficClassesEnabledItems,
                    .Bind = [this](VxSNMPRequest2Edits& c) { c.BindComboBox(0, TrafficClassesState); }});
}

void TPBridgeConfigForm::BT_GetClick(TObject*) {
    Guard(DeviceCapabilitiesRequest, [&] { DeviceCapabilitiesRequest->Refresh(); });
    Guard(TrafficClassesRequest, [&] { TrafficClassesRequest->Refresh(); });
}

void TPBridgeConfigForm::BT_SetClick(TObject*) {
    // The device capabilities are read only: a set of them would carry no
    // variable and report a success of its own beside the one write there is.
    Guard(TrafficClassesRequest, [&] { TrafficClassesRequest->SetValues(true, true); });
}
