#include "platform/ExtCtrls.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

QString Q(const std::string& s) { return ShownText(s); }

// Draws a raised or lowered frame of the given width just inside r and
// returns the rectangle inside it.
QRect DrawBevel(QPainter& p, QRect r, TBevelCut cut, int width, const QPalette& palette) {
    if (cut == bvNone) return r;
    QColor light = palette.color(QPalette::Light), dark = palette.color(QPalette::Dark);
    if (cut == bvLowered) std::swap(light, dark);
    for (int i = 0; i < width; ++i) {
        if (cut != bvSpace) {
            p.setPen(light);
            p.drawLine(r.left(), r.top(), r.right(), r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
            p.setPen(dark);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

// Entries of a radio group: kept here, the buttons follow.
class RadioGroupStrings : public TStrings {
public:
    explicit RadioGroupStrings(TRadioGroup* group) : group_(group) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return items_[static_cast<size_t>(index)];
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        items_[static_cast<size_t>(index)] = text;
        Changed();
    }
    void Insert(int index, const std::string& text) override {
        CheckIndex(index, Count() + 1);
        items_.insert(items_.begin() + index, text);
        Changed();
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        items_.erase(items_.begin() + index);
        Changed();
    }
    void Clear() override {
        items_.clear();
        Changed();
    }
    void BeginUpdate() override { ++updates_; }
    void EndUpdate() override {
        if (--updates_ == 0) Changed();
    }

private:
    void Changed() {
        if (updates_ == 0) group_->ItemsChanged();
    }
    TRadioGroup* group_;
    std::vector<std::string> items_;
    int updates_ = 0;
};

}  // namespace

// ---------------------------------------------------------------------------
// Widgets that draw the class library's own looks.

class PanelWidget : public QWidget {
public:
    QString Caption;
    TBevelCut Outer = bvRaised, Inner = bvNone;
    int BevelWidth = 1, BorderWidth = 0;
    Qt::Alignment Alignment = Qt::AlignCenter;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QRect r = DrawBevel(p, rect(), Outer, BevelWidth, palette());
        r.adjust(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
        r = DrawBevel(p, r, Inner, BevelWidth, palette());
        if (Caption.isEmpty()) return;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(r.adjusted(2, 0, -2, 0), int(Alignment | Qt::AlignVCenter), Caption);
    }
};

class ShapeWidget : public QWidget {
public:
    TShapeType Shape = stRectangle;
    QColor Fill = Qt::white, Line = Qt::black;
    bool Filled = true, Lined = true;
    int LineWidth = 1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        int pen = Lined ? std::max(1, LineWidth) : 0;
        QRectF r(pen / 2.0, pen / 2.0, width() - pen, height() - pen);
        if (Shape == stSquare || Shape == stRoundSquare || Shape == stCircle) {
            double side = std::min(r.width(), r.height());
            r = QRectF(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
        }
        p.setPen(Lined ? QPen(Line, pen) : QPen(Qt::NoPen));
        p.setBrush(Filled ? QBrush(Fill) : QBrush(Qt::NoBrush));
        switch (Shape) {
        case stEllipse:
        case stCircle:
            p.setRenderHint(QPainter::Antialiasing);
            p.drawEllipse(r);
            break;
        case stRoundRect:
        case stRoundSquare: {
            double radius = std::min(r.width(), r.height()) / 4;
            p.setRenderHint(QPainter::Antialiasing);
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        default:
            p.drawRect(r);
            break;
        }
    }
};

class ImageWidget : public QWidget {
public:
    QImage Image;
    bool Stretch = false, Center = false, Proportional = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (Image.isNull()) return;
        QPainter p(this);
        QSize size = Image.size();
        if (Stretch) size = Proportional ? size.scaled(this->size(), Qt::KeepAspectRatio) : this->size();
        QPoint at(0, 0);
        if (Center) at = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
        p.setRenderHint(QPainter::SmoothPixmapTransform, Stretch);
        p.drawImage(QRect(at, size), Image);
    }
};

class BevelWidget : public QWidget {
public:
    TBevelShape Shape = bsBox;
    TBevelStyle Style = bsLowered;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor first = palette().color(QPalette::Dark), second = palette().color(QPalette::Light);
        if (Style == bsRaised) std::swap(first, second);
        QRect r = rect();
        auto line = [&](int x1, int y1, int x2, int y2, int dx, int dy) {
            p.setPen(first);
            p.drawLine(x1, y1, x2, y2);
            p.setPen(second);
            p.drawLine(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
        };
        switch (Shape) {
        case bsTopLine: line(0, 0, r.right(), 0, 0, 1); break;
        case bsBottomLine: line(0, r.bottom() - 1, r.right(), r.bottom() - 1, 0, 1); break;
        case bsLeftLine: line(0, 0, 0, r.bottom(), 1, 0); break;
        case bsRightLine: line(r.right() - 1, 0, r.right() - 1, r.bottom(), 1, 0); break;
        case bsFrame:
            p.setPen(first);
            p.drawRect(r.adjusted(0, 0, -2, -2));
            p.setPen(second);
            p.drawRect(r.adjusted(1, 1, -1, -1));
            break;
        case bsBox:
            DrawBevel(p, r, Style == bsLowered ? bvLowered : bvRaised, 1, palette());
            break;
        default:
            break;
        }
    }
};

// ---------------------------------------------------------------------------
// TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner, new PanelWidget) {
    widget_->setAutoFillBackground(true);
    SetTabStop(false);
    InitBounds(185, 41);
}

PanelWidget* TPanel::Panel() const { return static_cast<PanelWidget*>(widget_); }

void TPanel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}
void TPanel::SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    Changed();
}
void TPanel::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Changed();
}
void TPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(1, width);
    Changed();
}
void TPanel::SetBorderWidth(int width) {
    TWinControl::SetBorderWidth(width);
    Changed();
}
void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TPanel::Changed() {
    PanelWidget* w = Panel();
    w->Caption = Q(caption_);
    w->Outer = bevelOuter_;
    w->Inner = bevelInner_;
    w->BevelWidth = bevelWidth_;
    w->BorderWidth = BorderWidth();
    w->Alignment = alignment_ == taLeftJustify ? Qt::AlignLeft
                   : alignment_ == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
    w->update();
    AlignControls();
}

QRect TPanel::AlignRect() const {
    int inset = BorderWidth() + (bevelOuter_ != bvNone ? bevelWidth_ : 0) +
                (bevelInner_ != bvNone ? bevelWidth_ : 0);
    return QRect(inset, inset, std::max(0, ClientWidth() - 2 * inset), std::max(0, ClientHeight() - 2 * inset));
}

// ---------------------------------------------------------------------------
// TRadioGroup

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner, new QGroupBox) {
    items_ = std::make_unique<RadioGroupStrings>(this);
    group_ = new QButtonGroup(widget_);
    group_->setExclusive(true);
    QObject::connect(group_, &QButtonGroup::idToggled, Context(), [this](int id, bool on) {
        if (!on || updating_) return;
        itemIndex_ = id;
        Fire(OnClick, this);
    });
    SetTabStop(false);
    InitBounds(185, 105);
}

TRadioGroup::~TRadioGroup() { DetachWidget(); }

QGroupBox* TRadioGroup::Widget() const { return static_cast<QGroupBox*>(widget_); }

std::string TRadioGroup::Caption() const { return WidgetBytes(Widget(), Widget()->title()); }
void TRadioGroup::SetCaption(const std::string& caption) {
    KeepBytes(Widget(), caption);
    Widget()->setTitle(Q(caption));
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1) index = -1;
    if (index >= items_->Count()) index = items_->Count() - 1;
    if (index == itemIndex_) return;
    if (index < 0) {
        if (QAbstractButton* b = group_->button(itemIndex_)) {
            group_->setExclusive(false);
            b->setChecked(false);
            group_->setExclusive(true);
        }
        itemIndex_ = -1;
        return;
    }
    group_->button(index)->setChecked(true);  // runs OnClick
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void TRadioGroup::ItemsChanged() {
    updating_ = true;
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < items_->Count(); ++i) {
        auto* b = new QRadioButton(Q(items_->Get(i)), widget_);
        group_->addButton(b, i);
        b->show();
    }
    if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
    if (itemIndex_ >= 0) group_->button(itemIndex_)->setChecked(true);
    updating_ = false;
    ArrangeButtons();
}

void TRadioGroup::BoundsChanged(bool sizeChanged) {
    TWinControl::BoundsChanged(sizeChanged);
    if (sizeChanged) ArrangeButtons();
}

void TRadioGroup::ApplyFont() {
    TWinControl::ApplyFont();
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    QList<QAbstractButton*> buttons = group_->buttons();
    if (buttons.isEmpty()) return;
    // The buttons share the area below the caption in columns, top to bottom.
    int count = int(buttons.size());
    int perColumn = (count + columns_ - 1) / columns_;
    int buttonWidth = (width_ - 10) / columns_;
    int textHeight = QFontMetrics(widget_->font()).height();
    int area = height_ - textHeight - 5;
    int buttonHeight = area / perColumn;
    int topMargin = textHeight + 1 + (area % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        QAbstractButton* b = group_->button(i);
        b->setGeometry((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                       buttonWidth, buttonHeight);
    }
}

// ---------------------------------------------------------------------------
// TSplitter

TSplitter::TSplitter(TComponent* owner) : TControl(owner, new QWidget) {
    InitBounds(3, 100);
    SetAlign(alLeft);
    UpdateCursor();
}

void TSplitter::UpdateCursor() {
    bool vertical = align_ == alTop || align_ == alBottom;
    widget_->setCursor(vertical ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

TControl* TSplitter::FindTarget() const {
    if (!parent_) return nullptr;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        TControl* c = parent_->Controls(i);
        if (c == this || !c->Visible() || c->Align() != align_) continue;
        bool beside = false;
        switch (align_) {
        case alLeft: beside = c->Left() + c->Width() == left_; break;
        case alRight: beside = c->Left() == left_ + width_; break;
        case alTop: beside = c->Top() + c->Height() == top_; break;
        case alBottom: beside = c->Top() == top_ + height_; break;
        default: break;
        }
        if (beside) return c;
    }
    return nullptr;
}

bool TSplitter::HandleEvent(QObject* watched, QEvent* event) {
    if (watched == widget_) {
        auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            QPoint at = e->globalPosition().toPoint();
            bool vertical = align_ == alTop || align_ == alBottom;
            if (type == QEvent::MouseButtonPress && e->button() == Qt::LeftButton) {
                UpdateCursor();
                target_ = FindTarget();
                start_ = at;
                if (target_) startSize_ = vertical ? target_->Height() : target_->Width();
            } else if (type == QEvent::MouseMove && target_) {
                int delta = vertical ? at.y() - start_.y() : at.x() - start_.x();
                if (align_ == alRight || align_ == alBottom) delta = -delta;
                int size = std::max(minSize_, startSize_ + delta);
                if (vertical) target_->SetHeight(size);
                else target_->SetWidth(size);
            } else if (type == QEvent::MouseButtonRelease && target_) {
                target_ = nullptr;
                Fire(OnMoved, this);
            }
        }
    }
    return TControl::HandleEvent(watched, event);
}

// ---------------------------------------------------------------------------
// TShape

TShape::TShape(TComponent* owner) : TControl(owner, new ShapeWidget) {
    brush_.OnChanged = [this] { Changed(); };
    pen_.OnChanged = [this] { Changed(); };
    InitBounds(65, 65);
    Changed();
}

void TShape::SetShape(TShapeType shape) {
    shape_ = shape;
    Changed();
}

void TShape::Changed() {
    auto* w = static_cast<ShapeWidget*>(widget_);
    w->Shape = shape_;
    w->Fill = ColorToQColor(brush_.Color());
    w->Filled = brush_.Style() != bsClear;
    w->Line = ColorToQColor(pen_.Color());
    w->Lined = pen_.Style() != psClear && pen_.Width() > 0;
    w->LineWidth = pen_.Width();
    w->update();
}

// ---------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* owner) : TControl(owner, new ImageWidget) {
    picture_.OnChanged = [this] { Changed(); };
    InitBounds(105, 105);
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Changed();
}
void TImage::SetCenter(bool center) {
    center_ = center;
    Changed();
}
void TImage::SetProportional(bool proportional) {
    proportional_ = proportional;
    Changed();
}
void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Changed();
}

void TImage::Changed() {
    auto* w = static_cast<ImageWidget*>(widget_);
    w->Image = picture_.Image();
    w->Stretch = stretch_;
    w->Center = center_;
    w->Proportional = proportional_;
    w->update();
    if (autoSize_ && !w->Image.isNull()) SetBounds(left_, top_, w->Image.width(), w->Image.height());
}

// ---------------------------------------------------------------------------
// TBevel

TBevel::TBevel(TComponent* owner) : TControl(owner, new BevelWidget) {
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
    InitBounds(50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    Changed();
}
void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    Changed();
}

void TBevel::Changed() {
    auto* w = static_cast<BevelWidget*>(widget_);
    w->Shape = shape_;
    w->Style = style_;
    w->update();
}

// ---------------------------------------------------------------------------
// TScrollBox

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner, new QScrollArea), content_(new QWidget) {
    Widget()->setWidgetResizable(false);
    Widget()->setWidget(content_);
    Widget()->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    content_->show();
    SetTabStop(false);
    InitBounds(185, 41);
}

QScrollArea* TScrollBox::Widget() const { return static_cast<QScrollArea*>(widget_); }

int TScrollBox::ClientWidth() const { return std::max(0, width_ - 2 * Widget()->frameWidth()); }
int TScrollBox::ClientHeight() const { return std::max(0, height_ - 2 * Widget()->frameWidth()); }

void TScrollBox::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    Widget()->setFrameStyle(style == bsNoBorder ? QFrame::NoFrame : (QFrame::StyledPanel | QFrame::Sunken));
    AlignControls();
}

int TScrollBox::ScrollBarSize() const { return Widget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget_); }

void TScrollBox::ChildrenChanged() {
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone) continue;
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    // The contents fill the box, less the room of a scroll bar that the
    // other direction needs: filling it all would make that bar need the
    // other one too.
    const int width = ClientWidth() - (bottom > ClientHeight() ? ScrollBarSize() : 0);
    const int height = ClientHeight() - (right > ClientWidth() ? ScrollBarSize() : 0);
    content_->resize(std::max(right, width), std::max(bottom, height));
}

// ---------------------------------------------------------------------------
// TTimer

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Restart(); }

TTimer::~TTimer() { delete timer_; }

void TTimer::SetInterval(int ms) {
    interval_ = std::max(0, ms);
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart() {
    if (timer_) timer_->stop();
    if (!enabled_ || interval_ <= 0 || !QApplication::instance()) return;
    if (!timer_) {
        timer_ = new QTimer;
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(OnTimer, this); });
    }
    timer_->start(interval_);
}
