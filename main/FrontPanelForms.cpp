#include "main/FrontPanelForms.h"

#include "dialogbase/StackUnits.h"
#include "forms/PanelPictures.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"

#include <vector>

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QToolButton>

namespace {

const VxSNMPLedColorMapList& ColourMap(LedColours colours) {
    return colours == LedColours::System ? SystemLedColorMap : PortLedColorMap;
}

// The stored layout of a panel, from its geometry: the picture at the back,
// a flat button over every port cage, a black panel over every LED window,
// and the unit-number picture; all at the picture's pixels whatever the
// screen's pixels per inch.
std::vector<LayoutControl> PanelControls(const PanelGeometry& g) {
    std::vector<LayoutControl> controls;
    controls.push_back({.Class = "TImage", .Name = "Image1", .Bounds = {0, 0, g.Width, g.Height}});
    for (const PortButtonGeometry& b : g.Buttons)
        controls.push_back({.Class = "TSpeedButton", .Name = b.Name.c_str(),
                            .Bounds = {b.Bounds.Left, b.Bounds.Top, b.Bounds.Width, b.Bounds.Height},
                            .Props = "Flat"});
    for (const LedGroupGeometry& l : g.LedGroups)
        controls.push_back({.Class = "TPanel", .Name = l.Panel.c_str(),
                            .Bounds = {l.Bounds.Left, l.Bounds.Top, l.Bounds.Width, l.Bounds.Height},
                            .Props = "Color=clBlack; BevelOuter=bvNone"});
    if (const auto& r = g.StackImage) {
        controls.push_back({.Class = "TPanel", .Name = "Panel1", .Bounds = {r->Left, r->Top, r->Width, r->Height},
                            .Props = "Color=clBlack; BevelOuter=bvNone"});
        controls.push_back({.Class = "TImage", .Name = "StackImage", .Parent = "Panel1",
                            .Bounds = {0, 0, r->Width, r->Height}});
    }
    return controls;
}

// A port button shows the cage of the picture under it: nothing of its own
// but a frame under the mouse and a lit frame over the selected port.
class PortButtonStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (control != CC_ToolButton) return QProxyStyle::drawComplexControl(control, option, painter, widget);
        const QRect r = option->rect;
        if (option->state & State_On) {
            painter->fillRect(r, QColor(79, 195, 247, 70));
            painter->setPen(QPen(QColor(0x4f, 0xc3, 0xf7), 2));
            painter->drawRect(r.adjusted(1, 1, -1, -1));
        } else if (option->state & State_MouseOver) {
            painter->setPen(QColor(255, 255, 255, 150));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
};

QStyle* PortButtonLook() {
    static PortButtonStyle* look = new PortButtonStyle;
    return look;
}

}  // namespace

void LoadUnitNumberPictures(TImageList* list) {
    const UnitNumberGeometry& numbers = UnitNumbers();
    list->Clear();
    list->SetWidth(numbers.Width);
    list->SetHeight(numbers.Height);
    list->Add(PanelPicture(numbers.Picture));
}

TFrontPanelForm::TFrontPanelForm(TComponent* owner, const PanelGeometry& layout, const FrontPanelHost& host)
    : TForm(owner), layout_(layout), host_(host) {
    BuildFromLayout();
    OnClose = TCloseEvent(this, &TFrontPanelForm::FormClose);
    DoCreate();
}

TFrontPanelForm::~TFrontPanelForm() {
    // The poller paints the LED shapes, which the form owns: it goes first.
    delete Leds;
    Leds = nullptr;
}

void TFrontPanelForm::BuildFromLayout() {
    const std::string name = layout_.FormClass.substr(1);
    const std::vector<LayoutControl> controls = PanelControls(layout_);
    LoadLayout(this, {.Name = name.c_str(), .ClientWidth = layout_.Width, .ClientHeight = layout_.Height,
                      .BorderStyle = bsNone, .Controls = controls});
    KX_BIND(Image1);
    Image1->Picture()->Assign(PanelPicture(layout_.Picture));
    for (const PortButtonGeometry& b : layout_.Buttons) PortButton(b.Name)->Widget()->setStyle(PortButtonLook());
    if (layout_.StackImage) {
        KX_BIND(Panel1);
        KX_BIND(StackImage);
    }
}

TSpeedButton* TFrontPanelForm::PortButton(const std::string& name) const { return FindChild<TSpeedButton>(this, name); }

TPanel* TFrontPanelForm::LedPanel(const std::string& name) const { return FindChild<TPanel>(this, name); }

void TFrontPanelForm::SetupLeds() {
    delete Leds;
    Leds = new VxSNMPRequest2Leds(this);
    Leds->Request.VarList = VxSNMPVarList(UnitLedItems, MVT_SV, 0);
    Leds->Request.VarList.Instance = std::to_string(Unit);
    Leds->Request.VarList.Name = " Led Status";
    Leds->Request.Timeout = 500;
    for (const LedGroupGeometry& g : Wiring().LedGroups)
        Leds->AddLed(0, g.Positions, ColourMap(g.Colours), LedPanel(g.Panel), g.Left0, g.Gap, stRectangle, g.Width,
                     g.Height);
    if (host_.Lines) Leds->SetMsgCtrl(host_.Lines);
    else if (host_.Messages) Leds->SetMsgCtrl(host_.Messages);
    ShowUnitNumber();
}

void TFrontPanelForm::ShowUnitNumber() {
    if (!StackImage || !host_.UnitNumbers || Unit < 1 || Unit > host_.UnitNumbers->Count()) return;
    StackImage->Picture()->Assign(host_.UnitNumbers->Image(Unit - 1));
}

void TFrontPanelForm::RegisterPortButtons() {
    for (const PortButtonGeometry& b : Wiring().Buttons) {
        TSpeedButton* button = PortButton(b.Name);
        button->SetTag(StackPort(Unit, b.Port));
        if (host_.PortButtons) host_.PortButtons->Add(button);
    }
}

void TFrontPanelForm::StopLeds() {
    if (Leds) Leds->StopPolling();
}

void TFrontPanelForm::FormClose(TObject*, TCloseAction& action) {
    StopLeds();
    delete Leds;
    Leds = nullptr;
    action = caFree;
}

TPanelKestrixForm::TPanelKestrixForm(TComponent* owner, const FrontPanelHost& host)
    : TFrontPanelForm(owner, UnitPanelGeometry(PanelKind::Kestrix), host) {}

TPanelBrovanForm::TPanelBrovanForm(TComponent* owner, const FrontPanelHost& host)
    : TFrontPanelForm(owner, UnitPanelGeometry(PanelKind::Brovan), host) {}

TPanelTallixForm::TPanelTallixForm(TComponent* owner, const FrontPanelHost& host)
    : TFrontPanelForm(owner, UnitPanelGeometry(PanelKind::Tallix), host) {}

TPanelMorvekForm::TPanelMorvekForm(TComponent* owner, const FrontPanelHost& host)
    : TFrontPanelForm(owner, UnitPanelGeometry(PanelKind::Morvek), host) {}

// Both placements share one layout; the Kestrix one is as good as the other.
TModulePanelForm::TModulePanelForm(TComponent* owner, PanelKind kind, const FrontPanelHost& host)
    : TFrontPanelForm(owner, ModulePanelGeometry(kind, ModuleHost::Kestrix), host), kind_(kind) {}

const PanelGeometry& TModulePanelForm::Wiring() const {
    return ModulePanelGeometry(kind_, BesideKestrix ? ModuleHost::Kestrix : ModuleHost::Brovan);
}

TfrmSelvor::TfrmSelvor(TComponent* owner, const FrontPanelHost& host)
    : TModulePanelForm(owner, PanelKind::Selvor, host) {}

TfrmPirell::TfrmPirell(TComponent* owner, const FrontPanelHost& host)
    : TModulePanelForm(owner, PanelKind::Pirell, host) {}
