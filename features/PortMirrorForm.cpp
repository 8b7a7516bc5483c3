#include "features/PortMirrorForm.h"

#include "common/VxNumbers.h"
#include "dialogbase/StackPortFields.h"
#include "dialogbase/StackingPortUit.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"
#include "platform/SysUtils.h"

namespace {

// Items of the mirror group.
enum : int { TargetItem, IngressItem, EgressItem, StateItem };

constexpr int MaxUnit = 12;
constexpr int MaxTargetPort = 50;

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "LB_Target", .Bounds = {12, 24, 0, 0}, .Caption = "Target Port "},
    {.Class = "TGroupBox", .Name = "TargetGB", .Bounds = {90, 4, 260, 48}, .TabOrder = 0},
    {.Class = "TLabel", .Name = "LB_Unit", .Parent = "TargetGB", .Bounds = {10, 20, 0, 0}, .Caption = "Unit : "},
    {.Class = "TEdit", .Name = "UnitEdit", .Parent = "TargetGB", .Bounds = {50, 16, 60, 21}, .TabOrder = 0,
     .Props = "MaxLength=2"},
    {.Class = "TLabel", .Name = "LB_Port", .Parent = "TargetGB", .Bounds = {130, 20, 0, 0}, .Caption = "Port : "},
    {.Class = "TEdit", .Name = "PortEdit", .Parent = "TargetGB", .Bounds = {170, 16, 60, 21}, .TabOrder = 1,
     .Props = "MaxLength=2"},
    {.Class = "TCheckBox", .Name = "CK_Status", .Bounds = {380, 22, 140, 17}, .Caption = "Mirroring Status",
     .TabOrder = 1},
    {.Class = "TEdit", .Name = "ET_TargetPort", .Bounds = {530, 20, 40, 21}, .Visible = false},
    {.Class = "TButton", .Name = "BT_Refresh", .Bounds = {556, 64, 75, 25}, .Caption = "Refresh", .TabOrder = 3,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "BT_Set", .Bounds = {556, 96, 75, 25}, .Caption = "Set", .TabOrder = 4,
     .Anchors = akTop | akRight},
    {.Class = "TGroupBox", .Name = "GroupBox1", .Bounds = {8, 58, 540, 500}, .Caption = "Source Port", .TabOrder = 2,
     .Anchors = akLeft | akTop | akRight | akBottom},
    {.Class = "TGroupBox", .Name = "EgressPortGB", .Parent = "GroupBox1", .Bounds = {0, 250, 540, 240},
     .Caption = "Egress Port", .TabOrder = 1, .Align = alBottom},
    {.Class = "TGroupBox", .Name = "IngressPortGB", .Parent = "GroupBox1", .Caption = "Ingress Port", .TabOrder = 0,
     .Align = alClient},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kLayout{.Name = "PortMirrorForm", .Caption = "Port Mirror Table", .ClientWidth = 640,
                             .ClientHeight = 585, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Captioning = CaptionRule::TitleAndAgent, .Title = "Port Mirror Table:",
                             .Controls = kControls};

bool AnyTicked(const TStackingPortUitForm* picker) {
    for (int k = 0; k < picker->CheckBoxes.Count(); ++k)
        if (picker->Box(k)->Checked()) return true;
    return false;
}

}  // namespace

TPortMirrorForm::TPortMirrorForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(UnitEdit);
    KX_BIND(PortEdit);
    KX_BIND(CK_Status);
    KX_BIND(GroupBox1);
    KX_BIND(IngressPortGB);
    KX_BIND(EgressPortGB);
    KX_BIND(ET_TargetPort);
    KX_BIND(BT_Refresh);
    KX_BIND(BT_Set);
    KX_BIND(StatusBar1);
    BT_Refresh->OnClick = TNotifyEvent(this, &TPortMirrorForm::BT_RefreshClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPortMirrorForm::BT_SetClick);
    ET_TargetPort->OnChange = TNotifyEvent(this, &TPortMirrorForm::ET_TargetPortChange);
    UnitEdit->OnKeyPress = TKeyPressEvent(this, &TPortMirrorForm::UnitEditKeyPress);
    PortEdit->OnKeyPress = TKeyPressEvent(this, &TPortMirrorForm::PortEditKeyPress);
    OnCreate = TNotifyEvent(this, &TPortMirrorForm::FormCreate);
    DoCreate();
}

void TPortMirrorForm::FormCreate(TObject*) {
    AddPortPickers({{&IngressPicker, IngressPortGB}, {&EgressPicker, EgressPortGB}});
    OpenController(MirrorRequest, {.Items = MirrorItems,
                                   .Bind =
                                       [this](VxSNMPRequest2Edits& c) {
                                           c.BindFormatted(TargetItem, "%i{n1x208l3}", ET_TargetPort);
                                           BindPortList(c, IngressItem, IngressPicker);
                                           BindPortList(c, EgressItem, EgressPicker);
                                           c.BindCheckBox(StateItem, CK_Status);
                                       },
                                   .Blocking = true});
}

// Runs on every write of the target, the controller's reads included.
void TPortMirrorForm::ET_TargetPortChange(TObject*) {
    const std::string text = ET_TargetPort->Text();
    if (IsWholeNumber(text) && text.size() < 10) ShowUnitAndPort(StrToInt(text), UnitEdit, PortEdit);
}

void TPortMirrorForm::UnitEditKeyPress(TObject*, char& key) { DigitsOnlyKey(key); }
void TPortMirrorForm::PortEditKeyPress(TObject*, char& key) { DigitsOnlyKey(key); }

void TPortMirrorForm::BT_RefreshClick(TObject*) {
    Guard(MirrorRequest, [&] {
        MirrorRequest->Refresh();
        // The fields show the agent's target even when the hidden one kept
        // its text (and so did not change).
        ET_TargetPortChange(nullptr);
    });
}

bool TPortMirrorForm::AnyPortTicked() const { return AnyTicked(IngressPicker) || AnyTicked(EgressPicker); }

bool TPortMirrorForm::TargetIsSource(int target) const {
    return IngressPicker->CheckBoxes.Item<TCheckBox>(target - 1)->Checked() ||
           EgressPicker->CheckBoxes.Item<TCheckBox>(target - 1)->Checked();
}

void TPortMirrorForm::BT_SetClick(TObject*) {
    Guard(MirrorRequest, [&] {
        if (!AnyPortTicked()) {
            Application->MessageBox("Ingress Ports and Egress Ports can not be empty ", "Confirm", MB_OK);
            return;
        }
        const int unit = StrToInt(UnitEdit->Text());
        if (unit < 1 || unit > MaxUnit) return RefuseInput(UnitEdit, "Set valid target port");
        const int port = StrToInt(PortEdit->Text());
        if (port < 1 || port > MaxTargetPort) return RefuseInput(PortEdit, "Set valid target port");
        const int target = StackPortOf(unit, port);
        ET_TargetPort->SetText(std::to_string(target));
        if (TargetIsSource(target)) return RefuseInput(nullptr, "Mirror port can not be member port!");
        MirrorRequest->SetValues(true, true);
    });
}
