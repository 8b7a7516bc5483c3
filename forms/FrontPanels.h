#pragma once
// Geometry of the front panels: for every unit model and plug-in module the
// size of its picture, the rectangle and port of every port button, and the
// LED groups with their byte positions in the unit's LED string. The panel
// forms lay their buttons and LEDs out from it, and the drawing tool draws
// each picture from it, so that every button stands over a port cage and
// every LED in its window.
//
// Plain data: no widgets, so the drawing tool links it alone.

#include <optional>
#include <string>
#include <vector>

struct PanelRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

// What the picture shows under a port button.
enum class PortCage {
    Rj45Up,    // copper jack of the upper row, latch at the top
    Rj45Down,  // copper jack of the lower row, latch at the bottom
    Sfp,       // small fibre cage
    Xfp,       // wide 10G cage
};

struct PortButtonGeometry {
    std::string Name;  // "SpeedButton7", "SpeedButtonX"
    PanelRect Bounds;
    // The unit's port the button stands for (1-based); a module's ports
    // follow its host's fixed ports.
    int Port = 0;
    PortCage Cage = PortCage::Rj45Up;
};

enum class LedColours { Port, System };

// Where the picture prints an LED group's caption.
enum class CaptionSide { None, Right, Below, Above, Left };

// One LED group: a panel holding one LED per byte position; the k-th LED
// stands at Left = (Width + Gap) * k + Left0, Top 1 in the panel.
struct LedGroupGeometry {
    std::string Panel;      // "LedPanel1", "PowerLedPanel"
    PanelRect Bounds;       // the panel in the form
    std::string Positions;  // byte positions in the LED string: "4,6,8"
    LedColours Colours = LedColours::Port;
    int Width = 0, Height = 0, Left0 = 0, Gap = 0;
    std::string Caption;    // printed beside the panel on the picture
    CaptionSide Side = CaptionSide::None;

    int Count() const;
    // The k-th LED in form coordinates.
    PanelRect Led(int k) const;
};

// A text the picture prints (model names, port numbers).
struct PanelText {
    std::string Text;
    int X = 0, Y = 0;      // top-left corner, or the centre with Centred
    int PixelSize = 8;
    bool Bold = false;
    bool Centred = false;
};

enum class PanelKind { Kestrix, Brovan, Tallix, Morvek, Selvor, Pirell };

struct PanelGeometry {
    PanelKind Kind = PanelKind::Kestrix;
    std::string FormClass;  // "TPanelKestrixForm"
    std::string Picture;    // file name of the picture among the forms' pictures
    int Width = 0, Height = 0;
    // Unit panels: buttons 1..Ports stand for ports 1..Ports; the Extra
    // buttons after them repeat the unit's last Extra ports (combination
    // ports).
    int Ports = 0, Extra = 0;
    std::vector<PortButtonGeometry> Buttons;
    std::vector<LedGroupGeometry> LedGroups;
    // `Panel1` holding the unit-number picture `StackImage`; the Tallix
    // has none.
    std::optional<PanelRect> StackImage;
    std::vector<PanelText> Texts;

    bool IsModule() const { return Kind == PanelKind::Selvor || Kind == PanelKind::Pirell; }
    const PortButtonGeometry* Button(const std::string& name) const;
    const LedGroupGeometry* LedGroup(const std::string& panel) const;
};

const PanelGeometry& UnitPanelGeometry(PanelKind kind);

// Which unit a module panel stands beside: its two ports follow that unit's
// fixed ports (Brovan 24, Kestrix 48), and its LEDs are those ports' link
// LEDs in the unit's LED string.
enum class ModuleHost { Brovan, Kestrix };
int ModulePortBase(ModuleHost host);
const PanelGeometry& ModulePanelGeometry(PanelKind kind, ModuleHost host);

// Every panel a picture is drawn for: the four units, and each module as
// it stands beside a Kestrix.
std::vector<const PanelGeometry*> AllPanelGeometries();

// The byte of a port's link/activity LED in its unit's LED string.
constexpr int PortLedPosition(int port) { return 4 + 2 * (port - 1); }

// The unit-number pictures: one strip of twelve, unit u at (u - 1) * Width.
struct UnitNumberGeometry {
    std::string Picture;
    int Width, Height, Count;
};
const UnitNumberGeometry& UnitNumbers();
