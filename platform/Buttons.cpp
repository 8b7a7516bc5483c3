#include "platform/Buttons.h"
#include "platform/QtText.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

// The first of the glyphs a bitmap holds side by side.
QImage FirstGlyph(const TBitmap& bitmap, int count) {
    QImage image = bitmap.TransparentImage();
    if (image.isNull() || count <= 1) return image;
    return image.copy(0, 0, image.width() / count, image.height());
}

int GlyphCount(const TBitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Height() == 0 || bitmap.Width() % bitmap.Height() != 0) return 1;
    int count = bitmap.Width() / bitmap.Height();
    return count >= 1 && count <= 4 ? count : 1;
}

}  // namespace

// ---------------------------------------------------------------------------
// TBitBtn

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    glyph_.OnChanged = [this] {
        numGlyphs_ = GlyphCount(glyph_);
        GlyphChanged();
    };
}

void TBitBtn::SetNumGlyphs(int count) {
    numGlyphs_ = count < 1 ? 1 : count;
    GlyphChanged();
}

void TBitBtn::GlyphChanged() {
    QImage image = FirstGlyph(glyph_, numGlyphs_);
    Widget()->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) Widget()->setIconSize(image.size());
}

// ---------------------------------------------------------------------------
// TSpeedButton

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner, new QToolButton) {
    Widget()->setCheckable(true);
    Widget()->setFocusPolicy(Qt::NoFocus);
    Widget()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    glyph_.OnChanged = [this] { GlyphChanged(); };
    InitBounds(23, 22);
    QObject::connect(Widget(), &QToolButton::clicked, Context(), [this] { Pressed(); });
}

QToolButton* TSpeedButton::Widget() const { return static_cast<QToolButton*>(widget_); }

std::string TSpeedButton::Caption() const { return WidgetBytes(Widget(), Widget()->text()); }
void TSpeedButton::SetCaption(const std::string& caption) {
    KeepBytes(Widget(), caption);
    Widget()->setText(ShownText(caption));
}
bool TSpeedButton::Flat() const { return Widget()->autoRaise(); }
void TSpeedButton::SetFlat(bool flat) { Widget()->setAutoRaise(flat); }

void TSpeedButton::SetDown(bool down) {
    down_ = down;
    Widget()->setChecked(down);
    if (!down || groupIndex_ == 0 || !parent_) return;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(parent_->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
    }
}

void TSpeedButton::Pressed() {
    // The toolkit toggled the button; the class library's rules decide.
    if (groupIndex_ == 0) Widget()->setChecked(down_);
    else if (down_ && allowAllUp_) SetDown(false);
    else SetDown(true);
    Fire(OnClick, this);
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) SetDown(!(down_ && allowAllUp_));
    TControl::Click();
}

void TSpeedButton::GlyphChanged() {
    QImage image = FirstGlyph(glyph_, GlyphCount(glyph_));
    Widget()->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) Widget()->setIconSize(image.size());
    Widget()->setToolButtonStyle(Widget()->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}
