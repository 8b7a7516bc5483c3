#include "forms/FrontPanels.h"

#include <sstream>
#include <stdexcept>

namespace {

// Every unit panel is 780 x 89 pixels, its picture too.
constexpr int UnitWidth = 780;
constexpr int UnitHeight = 89;

// Port buttons: the upper row at Top 20, 23 x 22; the lower row at Top 45,
// 23 x 23; one column every 25 pixels.
constexpr PanelRect UpperPort{0, 20, 23, 22};
constexpr PanelRect LowerPort{0, 45, 23, 23};
constexpr int ColumnPitch = 25;

PanelGeometry NewPanel(PanelKind kind, const char* formClass, const char* picture, int width, int ports, int extra) {
    PanelGeometry g;
    g.Kind = kind;
    g.FormClass = formClass;
    g.Picture = picture;
    g.Width = width;
    g.Height = UnitHeight;
    g.Ports = ports;
    g.Extra = extra;
    return g;
}

LedGroupGeometry Leds(const std::string& panel, PanelRect bounds, const std::string& positions, LedColours colours,
                      int width, int height, int left0, int gap, const std::string& caption = {},
                      CaptionSide side = CaptionSide::None) {
    return {panel, bounds, positions, colours, width, height, left0, gap, caption, side};
}

std::string ButtonName(int number) { return "SpeedButton" + std::to_string(number); }

PanelRect At(PanelRect shape, int left) {
    shape.Left = left;
    return shape;
}

// Copper ports in columns of two, odd above even, in groups of columns that
// start at the given lefts: column c holds buttons and ports 2c + 1, 2c + 2.
void AddCopperPorts(PanelGeometry& g, const std::vector<int>& groupLefts, int columnsPerGroup) {
    int column = 0;
    for (int left : groupLefts) {
        for (int c = 0; c < columnsPerGroup; ++c, ++column) {
            const int x = left + c * ColumnPitch;
            g.Buttons.push_back({ButtonName(2 * column + 1), At(UpperPort, x), 2 * column + 1, PortCage::Rj45Up});
            g.Buttons.push_back({ButtonName(2 * column + 2), At(LowerPort, x), 2 * column + 2, PortCage::Rj45Down});
        }
    }
}

// The combination ports' fibre cages, in columns of two from `left`: the
// extra buttons Ports + 1 .. Ports + Extra stand for the unit's last Extra
// ports.
void AddComboPorts(PanelGeometry& g, int left) {
    for (int i = 0; i < g.Extra; ++i) {
        const int x = left + (i / 2) * ColumnPitch;
        const PanelRect shape = i % 2 == 0 ? UpperPort : LowerPort;
        g.Buttons.push_back({ButtonName(g.Ports + i + 1), At(shape, x), g.Ports - g.Extra + i + 1, PortCage::Sfp});
    }
}

std::string PositionList(int first, int step, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += (k ? "," : "") + std::to_string(first + step * k);
    return text;
}

// One LED in a panel of its own, with one pixel of panel around it.
LedGroupGeometry SingleLed(const std::string& panel, int left, int top, int position, LedColours colours, int size,
                           const std::string& caption, CaptionSide side) {
    return Leds(panel, {left, top, size + 2, size + 2}, std::to_string(position), colours, size, size, 1, 10, caption,
                side);
}

// The four system LEDs (power, master, console, redundant power: bytes 0-3)
// at Left 40, one above the other.
void AddSystemLeds(PanelGeometry& g, LedColours colours, int size, const std::vector<int>& tops, int panelSize) {
    static const char* const names[] = {"PowerLedPanel", "MasterLedPanel", "ConsoleLedPanel", "RPowerLedPanel"};
    static const char* const captions[] = {"Power", "Master", "Console", "RPS"};
    for (int i = 0; i < 4; ++i)
        g.LedGroups.push_back(Leds(names[i], {40, tops[static_cast<size_t>(i)], panelSize, panelSize},
                               std::to_string(i), colours, size, size, 1, 10, captions[i], CaptionSide::Right));
}

// A bar of twelve LEDs, 6 x 5 every 12 pixels, in a 144 x 7 panel: the
// Tallix and Morvek matrices of four rows (link and speed of the odd ports,
// then of the even ports).
void AddFourRowMatrix(PanelGeometry& g) {
    const int tops[] = {22, 30, 48, 56};
    const LedColours colours[] = {LedColours::Port, LedColours::System, LedColours::Port, LedColours::System};
    const char* const captions[] = {"Link", "Speed", "Link", "Speed"};
    for (int row = 0; row < 4; ++row)
        g.LedGroups.push_back(Leds("LedPanel" + std::to_string(row + 1), {112, tops[row], 144, 7},
                               PositionList(4 + row, 4, 12), colours[row], 6, 5, 0, 6, captions[row],
                                   CaptionSide::Left));
}

std::vector<PanelText> ModelTexts(const std::string& brand, const std::string& model) {
    return {{brand, 8, 4, 10, true}, {model, 8, 16, 9, false}};
}

PanelGeometry Kestrix() {
    PanelGeometry g = NewPanel(PanelKind::Kestrix, "TPanelKestrixForm", "Kestrix.jpg", UnitWidth, 48, 4);
    AddCopperPorts(g, {95, 298, 502}, 8);
    AddComboPorts(g, 712);
    AddSystemLeds(g, LedColours::Port, 7, {29, 40, 51, 61}, 7);
    const int barLefts[] = {95, 298, 502};
    for (int bar = 0; bar < 3; ++bar)
        g.LedGroups.push_back(Leds("LedPanel" + std::to_string(bar + 1), {barLefts[bar], 8, 201, 7},
                               PositionList(PortLedPosition(16 * bar + 1), 2, 16), LedColours::Port, 7, 7, 0, 6));
    g.LedGroups.push_back(SingleLed("SIOPanel1", 764, 24, 104, LedColours::Port, 7, "S1", CaptionSide::Below));
    g.LedGroups.push_back(SingleLed("SIOPanel2", 764, 50, 106, LedColours::Port, 7, "S2", CaptionSide::Below));
    g.StackImage = PanelRect{8, 32, 24, 32};
    g.Texts = ModelTexts("KESTRIX", "50-port");
    return g;
}

PanelGeometry Brovan() {
    PanelGeometry g = NewPanel(PanelKind::Brovan, "TPanelBrovanForm", "Brovan.jpg", UnitWidth, 24, 4);
    AddCopperPorts(g, {290, 450}, 6);
    AddComboPorts(g, 622);
    AddSystemLeds(g, LedColours::Port, 7, {28, 39, 50, 61}, 9);
    // Two rows of twelve: the odd ports' LEDs, then the even ports'.
    g.LedGroups.push_back(Leds("LedPanel1", {112, 30, 156, 8}, PositionList(4, 4, 12), LedColours::Port, 6, 6, 0, 7,
                           "Odd", CaptionSide::Left));
    g.LedGroups.push_back(Leds("LedPanel2", {112, 48, 156, 8}, PositionList(6, 4, 12), LedColours::Port, 6, 6, 0, 7,
                           "Even", CaptionSide::Left));
    g.LedGroups.push_back(SingleLed("SIOPanel1", 700, 28, 56, LedColours::Port, 7, "Stack 1", CaptionSide::Right));
    g.LedGroups.push_back(SingleLed("SIOPanel2", 700, 52, 58, LedColours::Port, 7, "Stack 2", CaptionSide::Right));
    g.StackImage = PanelRect{8, 32, 24, 32};
    g.Texts = ModelTexts("BROVAN", "26-port");
    return g;
}

// The Tallix and Morvek share a front: 24 copper ports, the fibre cages of
// their combination ports, system LEDs of the system map and the four-row
// LED matrix; they differ in their extra cages and single LEDs.
PanelGeometry LinkSpeedPanel(PanelKind kind, const char* formClass, const char* picture, int extra,
                             const std::string& brand) {
    PanelGeometry g = NewPanel(kind, formClass, picture, UnitWidth, 24, extra);
    AddCopperPorts(g, {276, 436}, 6);
    AddComboPorts(g, 602);
    AddSystemLeds(g, LedColours::System, 5, {29, 40, 51, 62}, 7);
    AddFourRowMatrix(g);
    g.Texts = ModelTexts(brand, "24-port");
    return g;
}

PanelGeometry Tallix() {
    PanelGeometry g = LinkSpeedPanel(PanelKind::Tallix, "TPanelTallixForm", "Tallix.jpg", 8, "TALLIX");
    const char* const captions[] = {"Stk1", "Stk2", "Fan", "Temp", "PS1", "PS2"};
    for (int i = 0; i < 6; ++i)
        g.LedGroups.push_back(SingleLed("SIOPanel" + std::to_string(i + 1), 714 + 34 * (i / 3), 26 + 16 * (i % 3),
                                        52 + 2 * i, LedColours::System, 5, captions[i], CaptionSide::Right));
    return g;
}

PanelGeometry Morvek() {
    PanelGeometry g = LinkSpeedPanel(PanelKind::Morvek, "TPanelMorvekForm", "Morvek.jpg", 4, "MORVEK");
    g.LedGroups.push_back(SingleLed("SIOPanel1", 668, 30, 52, LedColours::System, 5, "Stack 1", CaptionSide::Right));
    g.LedGroups.push_back(SingleLed("SIOPanel2", 668, 52, 54, LedColours::System, 5, "Stack 2", CaptionSide::Right));
    g.StackImage = PanelRect{8, 32, 24, 32};
    return g;
}

// A module's two ports follow its host's fixed ports, and its two LEDs are
// those ports' link LEDs.
void AddModuleLeds(PanelGeometry& g, ModuleHost host, const PanelRect& x, const PanelRect& y) {
    const int base = ModulePortBase(host);
    for (PortButtonGeometry& b : g.Buttons) b.Port += base;
    g.LedGroups.push_back(SingleLed("LedPanelX", x.Left, x.Top, PortLedPosition(base + 1), LedColours::Port, 6,
                                    "X", CaptionSide::Right));
    g.LedGroups.push_back(SingleLed("LedPanelY", y.Left, y.Top, PortLedPosition(base + 2), LedColours::Port, 6,
                                    "Y", CaptionSide::Right));
}

// Two wide 10G cages side by side.
PanelGeometry Selvor(ModuleHost host) {
    PanelGeometry g = NewPanel(PanelKind::Selvor, "TfrmSelvor", "Selvor.jpg", 120, 2, 0);
    g.Buttons.push_back({"SpeedButtonX", {14, 34, 40, 24}, 1, PortCage::Xfp});
    g.Buttons.push_back({"SpeedButtonY", {66, 34, 40, 24}, 2, PortCage::Xfp});
    AddModuleLeds(g, host, {20, 20}, {72, 20});
    g.Texts = {{"SELVOR", 60, 70, 9, true, true}, {"10G", 60, 80, 7, false, true}};
    return g;
}

// Two fibre cages one above the other.
PanelGeometry Pirell(ModuleHost host) {
    PanelGeometry g = NewPanel(PanelKind::Pirell, "TfrmPirell", "Pirell.jpg", 96, 2, 0);
    g.Buttons.push_back({"SpeedButtonX", At(UpperPort, 36), 1, PortCage::Sfp});
    g.Buttons.push_back({"SpeedButtonY", At(LowerPort, 36), 2, PortCage::Sfp});
    AddModuleLeds(g, host, {64, 27}, {64, 53});
    g.Texts = {{"PIRELL", 48, 74, 9, true, true}, {"1G SFP", 48, 9, 7, false, true}};
    return g;
}

}  // namespace

int LedGroupGeometry::Count() const {
    int count = Positions.empty() ? 0 : 1;
    for (char c : Positions) count += c == ',';
    return count;
}

PanelRect LedGroupGeometry::Led(int k) const {
    return {Bounds.Left + (Width + Gap) * k + Left0, Bounds.Top + 1, Width, Height};
}

const PortButtonGeometry* PanelGeometry::Button(const std::string& name) const {
    for (const PortButtonGeometry& b : Buttons)
        if (b.Name == name) return &b;
    return nullptr;
}

const LedGroupGeometry* PanelGeometry::LedGroup(const std::string& panel) const {
    for (const LedGroupGeometry& l : LedGroups)
        if (l.Panel == panel) return &l;
    return nullptr;
}

const PanelGeometry& UnitPanelGeometry(PanelKind kind) {
    static const PanelGeometry kestrix = Kestrix(), brovan = Brovan(), tallix = Tallix(), morvek = Morvek();
    switch (kind) {
    case PanelKind::Kestrix: return kestrix;
    case PanelKind::Brovan: return brovan;
    case PanelKind::Tallix: return tallix;
    case PanelKind::Morvek: return morvek;
    default: throw std::invalid_argument("not a unit panel");
    }
}

int ModulePortBase(ModuleHost host) { return host == ModuleHost::Brovan ? 24 : 48; }

const PanelGeometry& ModulePanelGeometry(PanelKind kind, ModuleHost host) {
    static const PanelGeometry selvor[] = {Selvor(ModuleHost::Brovan), Selvor(ModuleHost::Kestrix)};
    static const PanelGeometry pirell[] = {Pirell(ModuleHost::Brovan), Pirell(ModuleHost::Kestrix)};
    const int i = host == ModuleHost::Brovan ? 0 : 1;
    switch (kind) {
    case PanelKind::Selvor: return selvor[i];
    case PanelKind::Pirell: return pirell[i];
    default: throw std::invalid_argument("not a module panel");
    }
}

std::vector<const PanelGeometry*> AllPanelGeometries() {
    return {&UnitPanelGeometry(PanelKind::Kestrix),
            &UnitPanelGeometry(PanelKind::Brovan),
            &UnitPanelGeometry(PanelKind::Tallix),
            &UnitPanelGeometry(PanelKind::Morvek),
            &ModulePanelGeometry(PanelKind::Selvor, ModuleHost::Kestrix),
            &ModulePanelGeometry(PanelKind::Pirell, ModuleHost::Kestrix)};
}

const UnitNumberGeometry& UnitNumbers() {
    static const UnitNumberGeometry numbers{"UnitNumbers.jpg", 24, 32, 12};
    return numbers;
}
