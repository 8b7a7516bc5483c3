#include "main/FrontPanelForms.h"

#include "forms/PanelPictures.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "main/StackUnits.h"
#include "mibdefs/SystemMib.h"

namespace {

const VxSNMPLedColorMapList& ColourMap(LedColours colours) {
    return colours == LedColours::System ? SystemLedColorMap : PortLedColorMap;
}

void Place(TControl* control, TWinControl* parent, const std::string& name, const PanelRect& r) {
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width, r.Height);
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

// The picture at the back, a flat button over every port cage and a black
// panel over every LED window, all at the picture's pixels whatever the
// screen's pixels per inch.
void TFrontPanelForm::BuildFromLayout() {
    SetName(layout_.FormClass.substr(1));
    SetBorderStyle(bsNone);
    SetBounds(0, 0, layout_.Width, layout_.Height);
    Image1 = new TImage(this);
    Place(Image1, this, "Image1", {0, 0, layout_.Width, layout_.Height});
    Image1->Picture()->Assign(PanelPicture(layout_.Picture));
    for (const PortButtonGeometry& b : layout_.Buttons) {
        auto* button = new TSpeedButton(this);
        Place(button, this, b.Name, b.Bounds);
        button->SetFlat(true);
    }
    for (const LedGroupGeometry& g : layout_.LedGroups) {
        auto* panel = new TPanel(this);
        Place(panel, this, g.Panel, g.Bounds);
        panel->SetColor(clBlack);
    }
    if (layout_.StackImage) {
        const PanelRect& r = *layout_.StackImage;
        Panel1 = new TPanel(this);
        Place(Panel1, this, "Panel1", r);
        Panel1->SetBevelOuter(bvNone);
        Panel1->SetColor(clBlack);
        StackImage = new TImage(this);
        Place(StackImage, Panel1, "StackImage", {0, 0, r.Width, r.Height});
    }
}

TSpeedButton* TFrontPanelForm::PortButton(const std::string& name) const {
    return dynamic_cast<TSpeedButton*>(FindComponent(name));
}

TPanel* TFrontPanelForm::LedPanel(const std::string& name) const { return dynamic_cast<TPanel*>(FindComponent(name)); }

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
    if (host_.Messages) Leds->SetMsgCtrl(host_.Messages);
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
