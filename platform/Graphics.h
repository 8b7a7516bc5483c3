#pragma once
// Fonts, brushes, pens and bitmaps. Each tells its control when it changes
// (the control passes a callback), so Shape1->Brush()->SetColor(clRed)
// repaints the shape.

#include "platform/Classes.h"

#include <QColor>
#include <QFont>
#include <QImage>

#include <functional>
#include <string>

QColor ColorToQColor(TColor color);

// Changes of a graphics object reach its control through this callback.
class TGraphicsObject : public TObject {
public:
    std::function<void()> OnChanged;

protected:
    void Changed() { if (OnChanged) OnChanged(); }
};

class TFont : public TGraphicsObject {
public:
    TFont();
    std::string Name() const;
    void SetName(const std::string& name);
    int Size() const;             // points
    void SetSize(int points);
    int Height() const;           // negative: character height in pixels
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    void Assign(const TFont& other);

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    // Takes the font a control inherits, without marking it as changed.
    void Inherit(const QFont& font) { font_ = font; }
    // Whether the program changed it from the font the control inherits.
    bool Explicit() const { return explicit_; }

private:
    void Touch();
    QFont font_;
    TColor color_ = clWindowText;
    bool explicit_ = false;
};

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { if (color_ != color) { color_ = color; Changed(); } }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { if (style_ != style) { style_ = style; Changed(); } }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { if (color_ != color) { color_ = color; Changed(); } }
    int Width() const { return width_; }
    void SetWidth(int width) { if (width_ != width) { width_ = width; Changed(); } }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { if (style_ != style) { style_ = style; Changed(); } }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

// A picture in memory. LoadFromFile reads any format Qt reads (bmp, png,
// jpeg); a file that cannot be read raises an Exception.
class TBitmap : public TGraphicsObject {
public:
    void LoadFromFile(const std::string& fileName);
    void Assign(const QImage& image);
    void Assign(const TBitmap& other) { Assign(other.image_); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    const QImage& Image() const { return image_; }
    // The image with its bottom-left pixel's colour made transparent, as
    // button glyphs are drawn.
    QImage TransparentImage() const;

private:
    QImage image_;
};

// What a TImage shows.
class TPicture : public TGraphicsObject {
public:
    TPicture();
    void LoadFromFile(const std::string& fileName) { bitmap_.LoadFromFile(fileName); }
    void Assign(const QImage& image) { bitmap_.Assign(image); }
    TBitmap* Bitmap() { return &bitmap_; }
    const QImage& Image() const { return bitmap_.Image(); }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

private:
    TBitmap bitmap_;
};
