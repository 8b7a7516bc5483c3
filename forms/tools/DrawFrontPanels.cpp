// Draws the front-panel pictures from the panel geometry and writes them as
// JPEG: one picture per unit model and plug-in module, and the strip of
// twelve unit-number displays.
//
//   QT_QPA_PLATFORM=offscreen kx_draw_front_panels forms/pictures [preview folder]
//
// With a preview folder it also writes each picture there as PNG at twice
// its size, to look at.
//
// Every port button of a panel stands over the cage drawn here, every LED
// group over its window, so a change of the geometry needs the pictures
// drawn again (and committed).

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cstdio>
#include <fstream>
#include <string>

#include "forms/FrontPanels.h"
#include "platform/Jpeg.h"

namespace {

const QColor ChassisTop(0x3b, 0x3f, 0x45);
const QColor ChassisBottom(0x26, 0x28, 0x2c);
const QColor ModuleTop(0x4a, 0x4e, 0x55);
const QColor ModuleBottom(0x31, 0x34, 0x39);
const QColor Ink(0xd4, 0xd7, 0xdc);
const QColor Accent(0xf2, 0xa3, 0x3a);
const QColor Hole(0x08, 0x08, 0x09);

QRectF Rect(const PanelRect& r) { return QRectF(r.Left, r.Top, r.Width, r.Height); }

QFont Font(int pixelSize, bool bold) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Text(QPainter& p, const std::string& text, QPointF at, int pixelSize, bool bold, const QColor& colour,
          Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    p.setFont(Font(pixelSize, bold));
    p.setPen(colour);
    QRectF box(at.x(), at.y(), 200, pixelSize + 4);
    if (align & Qt::AlignHCenter) box.moveLeft(at.x() - 100);
    if (align & Qt::AlignRight) box.moveRight(at.x());
    if (align & Qt::AlignVCenter) box.moveTop(at.y() - (pixelSize + 4) / 2.0);
    p.drawText(box, static_cast<int>(align), QString::fromStdString(text));
}

// Brushed metal: a vertical gradient with faint horizontal streaks.
void Chassis(QPainter& p, int width, int height, const QColor& top, const QColor& bottom, bool rackEars) {
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, width, height, g);
    QRandomGenerator random(20240611);
    for (int y = 0; y < height; ++y) {
        const int alpha = static_cast<int>(random.bounded(10));
        p.setPen(QColor(255, 255, 255, alpha));
        p.drawLine(0, y, width, y);
    }
    p.setPen(QColor(255, 255, 255, 60));
    p.drawLine(0, 0, width, 0);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawLine(0, height - 1, width, height - 1);
    if (!rackEars) return;
    // Rack ears with their mounting slots.
    for (int x : {0, width - 6}) {
        p.fillRect(x, 0, 6, height, QColor(0x55, 0x59, 0x60));
        p.setPen(QColor(0, 0, 0, 120));
        p.drawLine(x == 0 ? 6 : x - 1, 0, x == 0 ? 6 : x - 1, height);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Hole);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(x + 1.5, 12, 3, 9), 1.5, 1.5);
        p.drawRoundedRect(QRectF(x + 1.5, height - 21, 3, 9), 1.5, 1.5);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
    }
}

// A recessed plate around a block of ports.
void PortBlock(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.setBrush(QColor(0x1d, 0x1f, 0x22));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 35), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(r.bottomLeft() + QPointF(2, 0.5), r.bottomRight() + QPointF(-2, 0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
}

QLinearGradient Metal(const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xcf, 0xd3, 0xd8));
    g.setColorAt(0.5, QColor(0xa4, 0xa9, 0xb0));
    g.setColorAt(1, QColor(0x7c, 0x81, 0x88));
    return g;
}

// A copper jack: metal shield, black opening, the latch notch towards the
// outer edge of its row and eight contacts on the other side.
void Rj45(QPainter& p, const QRectF& r, bool latchUp) {
    p.fillRect(r.adjusted(0, 0, 0, 0), Metal(r));
    p.setPen(QColor(0x4a, 0x4d, 0x52));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRectF opening = r.adjusted(2.5, 3, -2.5, -3);
    p.fillRect(opening, Hole);
    const double notchW = 9, notchH = 3;
    const double nx = opening.center().x() - notchW / 2;
    const QRectF notch = latchUp ? QRectF(nx, r.top() + 1, notchW, notchH) : QRectF(nx, r.bottom() - 1 - notchH, notchW, notchH);
    p.fillRect(notch, Hole);
    p.setPen(QColor(0xb8, 0x94, 0x3c));
    const double pinY1 = latchUp ? opening.bottom() - 5 : opening.top() + 1;
    for (int i = 0; i < 8; ++i) {
        const double x = opening.left() + 2.5 + i * (opening.width() - 5) / 7.0;
        p.drawLine(QPointF(x, pinY1), QPointF(x, pinY1 + 3));
    }
}

// A fibre cage: pressed metal with a dark slot and the cage's vent holes.
void Cage(QPainter& p, const QRectF& r, bool wide) {
    p.fillRect(r, Metal(r));
    p.setPen(QColor(0x4a, 0x4d, 0x52));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRectF slot = r.adjusted(3, wide ? 6 : 5, -3, wide ? -6 : -5);
    p.fillRect(slot, Hole);
    p.setPen(QColor(0x30, 0x32, 0x36));
    p.drawLine(QPointF(slot.left() + 2, slot.center().y()), QPointF(slot.right() - 2, slot.center().y()));
    p.setPen(QColor(0x6a, 0x6e, 0x75));
    for (double x = r.left() + 4; x < r.right() - 4; x += 4) {
        p.drawPoint(QPointF(x, r.top() + 2));
        p.drawPoint(QPointF(x, r.bottom() - 2.5));
    }
    if (!wide) return;
    // Thumb screws of the 10G cage.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(QColor(0x5a, 0x5e, 0x64));
    p.setPen(QColor(0x2a, 0x2c, 0x30));
    p.drawEllipse(QPointF(r.left() + 5, r.center().y()), 1.8, 1.8);
    p.drawEllipse(QPointF(r.right() - 5, r.center().y()), 1.8, 1.8);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

void PortCages(QPainter& p, const PanelGeometry& g) {
    for (const PortButtonGeometry& b : g.Buttons) {
        const QRectF r = Rect(b.Bounds);
        switch (b.Cage) {
        case PortCage::Rj45Up: Rj45(p, r, true); break;
        case PortCage::Rj45Down: Rj45(p, r, false); break;
        case PortCage::Sfp: Cage(p, r, false); break;
        case PortCage::Xfp: Cage(p, r, true); break;
        }
    }
}

// The recessed plates behind runs of neighbouring cages of one kind.
void PortBlocks(QPainter& p, const PanelGeometry& g) {
    QRectF block;
    bool copper = false;
    auto flush = [&] {
        if (!block.isNull()) PortBlock(p, block.adjusted(-3, -3, 3, 3));
        block = QRectF();
    };
    for (const PortButtonGeometry& b : g.Buttons) {
        const QRectF r = Rect(b.Bounds);
        const bool isCopper = b.Cage == PortCage::Rj45Up || b.Cage == PortCage::Rj45Down;
        if (!block.isNull() && (isCopper != copper || r.left() > block.right() + 6)) flush();
        block = block.isNull() ? r : block.united(r);
        copper = isCopper;
    }
    flush();
}

bool LedAbove(const PanelGeometry& g, const PanelRect& r) {
    for (const LedGroupGeometry& l : g.LedGroups)
        if (l.Bounds.Bottom() > r.Top - 10 && l.Bounds.Top < r.Top && l.Bounds.Right() > r.Left &&
            l.Bounds.Left < r.Right())
            return true;
    return false;
}

// Port numbers: an upper port's above it, a lower port's below it; where an
// LED bar takes the room above, both stand below their column, the upper
// port's first.
void PortNumbers(QPainter& p, const PanelGeometry& g) {
    if (g.IsModule()) return;
    for (const PortButtonGeometry& b : g.Buttons) {
        const PanelRect& r = b.Bounds;
        const bool upper = r.Top < 40;
        const double cx = r.Left + r.Width / 2.0;
        const bool stacked = LedAbove(g, upper ? r : PanelRect{r.Left, 20, r.Width, 22});
        double y = upper ? r.Top - 10 : r.Bottom() + 1;
        if (stacked) y = upper ? 69 : 77;
        Text(p, std::to_string(b.Port), QPointF(cx, y), 7, false, Ink, Qt::AlignHCenter | Qt::AlignTop);
    }
}

// A black window around each LED group, the LEDs dark in it, and the
// group's caption.
void LedWindows(QPainter& p, const PanelGeometry& g) {
    for (const LedGroupGeometry& l : g.LedGroups) {
        const QRectF r = Rect(l.Bounds);
        p.fillRect(r.adjusted(-1, -1, 1, 1), QColor(0x05, 0x05, 0x05));
        p.setPen(QColor(255, 255, 255, 45));
        p.drawLine(r.bottomLeft() + QPointF(-1, 1), r.bottomRight() + QPointF(1, 1));
        for (int k = 0; k < l.Count(); ++k) p.fillRect(Rect(l.Led(k)), QColor(0x1a, 0x1a, 0x1a));
        const int size = 7;
        switch (l.Side) {
        case CaptionSide::None: break;
        case CaptionSide::Right:
            Text(p, l.Caption, QPointF(r.right() + 3, r.center().y()), size, false, Ink, Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case CaptionSide::Left:
            Text(p, l.Caption, QPointF(r.left() - 3, r.center().y()), size, false, Ink, Qt::AlignRight | Qt::AlignVCenter);
            break;
        case CaptionSide::Below:
            Text(p, l.Caption, QPointF(r.center().x(), r.bottom() + 2), size, false, Ink, Qt::AlignHCenter | Qt::AlignTop);
            break;
        case CaptionSide::Above:
            Text(p, l.Caption, QPointF(r.center().x(), r.top() - 10), size, false, Ink, Qt::AlignHCenter | Qt::AlignTop);
            break;
        }
    }
}

// The numbers of the ports an LED matrix row shows, over its first row and
// under its last.
void MatrixNumbers(QPainter& p, const PanelGeometry& g) {
    const LedGroupGeometry* first = g.LedGroup("LedPanel1");
    if (!first || first->Count() != 12) return;
    const LedGroupGeometry* last = g.LedGroup(g.Kind == PanelKind::Brovan ? "LedPanel2" : "LedPanel4");
    for (int k = 0; k < 12; ++k) {
        const PanelRect a = first->Led(k), b = last->Led(k);
        Text(p, std::to_string(2 * k + 1), QPointF(a.Left + a.Width / 2.0, first->Bounds.Top - 10), 7, false, Ink,
             Qt::AlignHCenter | Qt::AlignTop);
        Text(p, std::to_string(2 * k + 2), QPointF(b.Left + b.Width / 2.0, last->Bounds.Bottom() + 1), 7, false, Ink,
             Qt::AlignHCenter | Qt::AlignTop);
    }
}

void Texts(QPainter& p, const PanelGeometry& g) {
    bool first = true;
    for (const PanelText& t : g.Texts) {
        const QColor colour = first ? QColor(Qt::white) : Accent;
        Text(p, t.Text, QPointF(t.X, t.Y), t.PixelSize, t.Bold, colour,
             t.Centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        first = false;
    }
}

// The unit-number display's window.
void StackWindow(QPainter& p, const PanelGeometry& g) {
    if (!g.StackImage) return;
    const QRectF r = Rect(*g.StackImage);
    p.fillRect(r.adjusted(-2, -2, 2, 2), QColor(0x12, 0x12, 0x13));
    p.setPen(QColor(255, 255, 255, 50));
    p.drawLine(r.bottomLeft() + QPointF(-2, 2), r.bottomRight() + QPointF(2, 2));
    Text(p, "Unit", QPointF(r.center().x(), r.bottom() + 3), 7, false, Ink, Qt::AlignHCenter | Qt::AlignTop);
}

// The serial console of a unit without a unit-number display.
void ConsolePort(QPainter& p, const PanelGeometry& g) {
    if (g.Kind != PanelKind::Tallix) return;
    PortBlock(p, QRectF(7, 33, 25, 24));
    Rj45(p, QRectF(9, 35, 21, 20), true);
    Text(p, "Console", QPointF(19.5, 59), 7, false, Ink, Qt::AlignHCenter | Qt::AlignTop);
}

void ModuleScrews(QPainter& p, const PanelGeometry& g) {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (double x : {7.0, g.Width - 7.0}) {
        for (double y : {7.0, g.Height - 8.0}) {
            QRadialGradient shine(QPointF(x - 1, y - 1), 4);
            shine.setColorAt(0, QColor(0xe0, 0xe3, 0xe8));
            shine.setColorAt(1, QColor(0x70, 0x74, 0x7a));
            p.setBrush(shine);
            p.setPen(QColor(0x20, 0x22, 0x25));
            p.drawEllipse(QPointF(x, y), 3.5, 3.5);
            p.drawLine(QPointF(x - 2, y), QPointF(x + 2, y));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

QImage DrawPanel(const PanelGeometry& g) {
    QImage image(g.Width, g.Height, QImage::Format_RGB32);
    QPainter p(&image);
    if (g.IsModule()) {
        Chassis(p, g.Width, g.Height, ModuleTop, ModuleBottom, false);
        ModuleScrews(p, g);
    } else {
        Chassis(p, g.Width, g.Height, ChassisTop, ChassisBottom, true);
    }
    Texts(p, g);
    PortBlocks(p, g);
    PortCages(p, g);
    PortNumbers(p, g);
    LedWindows(p, g);
    MatrixNumbers(p, g);
    StackWindow(p, g);
    ConsolePort(p, g);
    return image;
}

// A seven-segment digit in the box: segments a-g as the usual letters.
void Digit(QPainter& p, const QRectF& box, int digit) {
    static const char* const lit[] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                                      "abcdfg"};
    const double w = box.width(), h = box.height(), t = std::max(2.0, w / 5.5);
    const double x = box.left(), y = box.top(), mid = y + h / 2;
    struct Segment { char Name; QRectF Bar; };
    const Segment segments[] = {
        {'a', QRectF(x + t * 0.6, y, w - 1.2 * t, t)},
        {'b', QRectF(x + w - t, y + t * 0.6, t, h / 2 - t * 0.6)},
        {'c', QRectF(x + w - t, mid + t * 0.1, t, h / 2 - t * 0.6)},
        {'d', QRectF(x + t * 0.6, y + h - t, w - 1.2 * t, t)},
        {'e', QRectF(x, mid + t * 0.1, t, h / 2 - t * 0.6)},
        {'f', QRectF(x, y + t * 0.6, t, h / 2 - t * 0.6)},
        {'g', QRectF(x + t * 0.6, mid - t / 2, w - 1.2 * t, t)},
    };
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (const Segment& s : segments) {
        const bool on = std::string(lit[digit]).find(s.Name) != std::string::npos;
        p.setBrush(on ? QColor(0xff, 0x3a, 0x1e) : QColor(0x2c, 0x0c, 0x08));
        p.drawRoundedRect(s.Bar, t / 2.5, t / 2.5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

QImage DrawUnitNumbers(const UnitNumberGeometry& n) {
    QImage image(n.Width * n.Count, n.Height, QImage::Format_RGB32);
    image.fill(QColor(0x0a, 0x0a, 0x0b));
    QPainter p(&image);
    for (int unit = 1; unit <= n.Count; ++unit) {
        const double left = (unit - 1) * n.Width;
        if (unit < 10) {
            Digit(p, QRectF(left + 6, 4, 12, n.Height - 8), unit);
        } else {
            Digit(p, QRectF(left + 2, 6, 9, n.Height - 12), unit / 10);
            Digit(p, QRectF(left + 13, 6, 9, n.Height - 12), unit % 10);
        }
    }
    return image;
}

std::string PreviewFolder;

bool Write(const std::string& path, const QImage& image) {
    if (!PreviewFolder.empty()) {
        const std::string name = path.substr(path.find_last_of('/') + 1);
        image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QString::fromStdString(PreviewFolder + "/" + name.substr(0, name.rfind('.')) + ".png"));
    }
    std::ofstream out(path, std::ios::binary);
    const std::string octets = EncodeJpeg(image, 92);
    out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s %dx%d\n", path.c_str(), image.width(), image.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <picture folder> [preview folder]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::string folder = argv[1];
    if (argc == 3) PreviewFolder = argv[2];
    bool ok = true;
    for (const PanelGeometry* g : AllPanelGeometries()) ok = Write(folder + "/" + g->Picture, DrawPanel(*g)) && ok;
    ok = Write(folder + "/" + UnitNumbers().Picture, DrawUnitNumbers(UnitNumbers())) && ok;
    return ok ? 0 : 1;
}
