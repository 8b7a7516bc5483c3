#include "platform/Graphics.h"

#include "platform/SysUtils.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace {

// System colour index -> palette colour of the running style.
QColor SystemColor(unsigned index) {
    QPalette p = QApplication::palette();
    switch (index) {
    case 5: return p.color(QPalette::Base);                 // window background
    case 8: return p.color(QPalette::Text);                 // window text
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 16: return p.color(QPalette::Dark);                // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);
    case 18: return p.color(QPalette::ButtonText);
    case 20: return p.color(QPalette::Light);               // button highlight
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);              // button face and the rest
    }
}

// The platform's dialog fonts, and the family that stands in for them.
bool IsDialogFontName(const std::string& name) {
    static const char* const names[] = {"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg",
                                        "MS Shell Dlg 2", "Tahoma", "Arial", "Segoe UI"};
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

int ScreenDpi() {
    return 96;  // fonts are given for the class library's 96 pixels per inch
}

}  // namespace

QColor ColorToQColor(TColor color) {
    if (color & 0x80000000u) return SystemColor(color & 0xFF);
    if (color == clNone || color == clDefault) return QColor(Qt::transparent);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// ---------------------------------------------------------------------------
// TFont

TFont::TFont() : font_(QApplication::font()) {}

std::string TFont::Name() const { return font_.family().toStdString(); }

void TFont::SetName(const std::string& name) {
    if (IsDialogFontName(name)) font_.setFamilies(QApplication::font().families());
    else font_.setFamily(QString::fromStdString(name));
    Touch();
}

int TFont::Size() const {
    if (font_.pointSize() > 0) return font_.pointSize();
    return int(std::lround(font_.pixelSize() * 72.0 / ScreenDpi()));
}

void TFont::SetSize(int points) {
    if (points <= 0) return;
    font_.setPointSize(points);
    Touch();
}

int TFont::Height() const { return -int(std::lround(Size() * ScreenDpi() / 72.0)); }

void TFont::SetHeight(int height) {
    int pixels = height < 0 ? -height : height;
    if (pixels == 0) return;
    SetSize(int(std::lround(pixels * 72.0 / ScreenDpi())));
}

void TFont::SetColor(TColor color) {
    color_ = color;
    Touch();
}

TFontStyles TFont::Style() const {
    TFontStyles s = 0;
    if (font_.bold()) s |= fsBold;
    if (font_.italic()) s |= fsItalic;
    if (font_.underline()) s |= fsUnderline;
    if (font_.strikeOut()) s |= fsStrikeOut;
    return s;
}

void TFont::SetStyle(TFontStyles style) {
    font_.setBold(style & fsBold);
    font_.setItalic(style & fsItalic);
    font_.setUnderline(style & fsUnderline);
    font_.setStrikeOut(style & fsStrikeOut);
    Touch();
}

void TFont::Assign(const TFont& other) {
    font_ = other.font_;
    color_ = other.color_;
    Touch();
}

void TFont::SetFont(const QFont& font) {
    font_ = font;
    Touch();
}

void TFont::Touch() {
    explicit_ = true;
    Changed();
}

// ---------------------------------------------------------------------------
// TBitmap, TPicture

void TBitmap::LoadFromFile(const std::string& fileName) {
    QImage image;
    if (!image.load(QString::fromStdString(NativePath(fileName))))
        throw Exception("Cannot open file \"" + fileName + "\".");
    image_ = image;
    Changed();
}

void TBitmap::Assign(const QImage& image) {
    image_ = image;
    Changed();
}

QImage TBitmap::TransparentImage() const {
    if (image_.isNull()) return image_;
    QImage out = image_.convertToFormat(QImage::Format_ARGB32);
    QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
    }
    return out;
}

TPicture::TPicture() {
    bitmap_.OnChanged = [this] { Changed(); };
}
