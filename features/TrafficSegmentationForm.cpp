#include "features/TrafficSegmentationForm.h"

#include "common/VxNumbers.h"
#include "dialogbase/StackPortFields.h"
#include "dialogbase/StackingPortUit.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"
#include "platform/SysUtils.h"

namespace {

// Items of the segmentation table.
enum : int { PortItem, ForwardItem };

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr LayoutControl kControls[] = {
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {552, 0, 88, 500}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TButton", .Name = "BT_Get", .Parent = "ButtonPanel", .Bounds = {6, 10, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TButton", .Name = "BT_Set", .Parent = "ButtonPanel", .Bounds = {6, 42, 75, 25}, .Caption = "Set",
     .TabOrder = 1},
    {.Class = "TButton", .Name = "StopBtn", .Parent = "ButtonPanel", .Bounds = {6, 74, 75, 25}, .Caption = "Stop",
     .TabOrder = 2},
    {.Class = "TStaticText", .Name = "StaticText1", .Parent = "ButtonPanel", .Bounds = {6, 112, 75, 20},
     .Caption = "0", .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"},
    {.Class = "TListView", .Name = "LV_TrafficForward", .Bounds = {0, 0, 552, 170}, .TabOrder = 0, .Align = alTop,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"},
    {.Class = "TPanel", .Name = "PortPanel", .Bounds = {0, 170, 552, 52}, .TabOrder = 1, .Align = alTop,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TGroupBox", .Name = "PortGB", .Parent = "PortPanel", .Bounds = {8, 2, 300, 46}, .Caption = "Port"},
    {.Class = "TLabel", .Name = "LB_Unit", .Parent = "PortGB", .Bounds = {12, 20, 0, 0}, .Caption = "Unit : "},
    {.Class = "TEdit", .Name = "Combo_Unit", .Parent = "PortGB", .Bounds = {56, 16, 70, 21},
     .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "LB_Port", .Parent = "PortGB", .Bounds = {150, 20, 0, 0}, .Caption = "Port : "},
    {.Class = "TEdit", .Name = "Combo_Port", .Parent = "PortGB", .Bounds = {194, 16, 70, 21},
     .Props = "ReadOnly"},
    {.Class = "TStaticText", .Name = "ST_Port", .Parent = "PortPanel", .Bounds = {330, 20, 40, 17}, .Caption = "",
     .Visible = false},
    {.Class = "TPanel", .Name = "Panel4", .Bounds = {0, 222, 552, 278}, .TabOrder = 2, .Align = alClient,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kLayout{.Name = "TrafficSegmentationForm", .Caption = "Traffic Segmentation Table",
                             .ClientWidth = 640, .ClientHeight = 519, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Captioning = CaptionRule::MenuTitleAndAgent, .Controls = kControls};

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_TrafficForward);
    KX_BIND(ST_Port);
    KX_BIND(Combo_Unit);
    KX_BIND(Combo_Port);
    KX_BIND(Panel4);
    KX_BIND(BT_Get);
    KX_BIND(BT_Set);
    KX_BIND(StopBtn);
    KX_BIND(StaticText1);
    KX_BIND(StatusBar1);
    ButtonReporting = Reporting::StatusPanel;
    BT_Get->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::BT_SetClick);
    StopBtn->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::StopBtnClick);
    LV_TrafficForward->OnClick = TNotifyEvent(this, &TTrafficSegmentationForm::LV_TrafficForwardClick);
    LV_TrafficForward->OnChange = TLVChangeEvent(this, &TTrafficSegmentationForm::LV_TrafficForwardChange);
    OnCreate = TNotifyEvent(this, &TTrafficSegmentationForm::FormCreate);
    DoCreate();
}

void TTrafficSegmentationForm::FormCreate(TObject*) {
    AddPortPickers({{&ForwardPicker, Panel4}});
    OpenController(SegmentationRequest,
                   {.Items = TrafficSegmentationItems,
                    .Kind = MVT_UMV,
                    .IndexCount = 1,
                    .Bind =
                        [this](VxSNMPRequest2Edits& c) {
                            c.BindListView(LV_TrafficForward, 1);
                            c.BindStaticText(PortItem, ST_Port);
                            BindPortList(c, ForwardItem, ForwardPicker);
                        },
                    .OnRefreshDone = TRefreshDoneEvent(this, &TTrafficSegmentationForm::SegmentationRefreshDone),
                    .CountText = StaticText1,
                    .Failures = Reporting::ResultLine});
    // A first read that could not start leaves nothing to wait for.
    if (!SegmentationRequest || !SegmentationRequest->IsBusy()) Ready = Stopped = 1;
}

void TTrafficSegmentationForm::SegmentationRefreshDone(VxSNMPRequest2Controls*, VxSNMPError*) {
    Ready = 1;
    Stopped = 1;
}

bool TTrafficSegmentationForm::WalkOver() {
    if (Ready) return true;
    RefuseInput(nullptr, "Refresh not complete");
    return false;
}

void TTrafficSegmentationForm::BT_GetClick(TObject*) {
    if (!WalkOver()) return;
    Guard(SegmentationRequest, [&] {
        SegmentationRequest->Resume();
        Ready = 0;
        try {
            SegmentationRequest->Refresh();
        } catch (...) {
            Ready = 1;  // nothing runs that would set it again
            throw;
        }
    });
}

void TTrafficSegmentationForm::BT_SetClick(TObject*) {
    if (!WalkOver()) return;
    // Without a selected row the picker's boxes belong to no port.
    if (!LV_TrafficForward->Selected()) return RefuseInput(LV_TrafficForward, "Please select a port first.");
    Guard(SegmentationRequest, [&] {
        SegmentationRequest->Resume();
        SegmentationRequest->SetValues(true, true);
    });
}

void TTrafficSegmentationForm::StopBtnClick(TObject*) {
    Ready = 1;
    Stopped = 1;
    if (SegmentationRequest) SegmentationRequest->Stop();
}

void TTrafficSegmentationForm::NoRowShown(TObject*) {
    Combo_Unit->SetText("");
    Combo_Port->SetText("");
}

void TTrafficSegmentationForm::LV_TrafficForwardClick(TObject*) {
    if (!LV_TrafficForward->Selected()) return NoRowShown(LV_TrafficForward);
    const std::string port = ST_Port->Caption();
    if (IsWholeNumber(port) && port.size() < 10) ShowUnitAndPort(StrToInt(port), Combo_Unit, Combo_Port);
}

void TTrafficSegmentationForm::LV_TrafficForwardChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(StaticText1, SegmentationRequest);
}
