#pragma once
// Panels, radio groups, splitters, shapes, images, bevels, scroll boxes and
// timers.
//
// TRadioGroup::OnClick runs whenever ItemIndex changes, the program's
// changes included. TTimer::OnTimer runs every Interval ms while Enabled.

#include "platform/Controls.h"

#include <memory>
#include <string>

class QButtonGroup;
class QGroupBox;
class QScrollArea;
class QTimer;
class PanelWidget;
class ShapeWidget;
class ImageWidget;
class BevelWidget;

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    QRect AlignRect() const override;

private:
    void Changed();
    PanelWidget* Panel() const;
    std::string caption_;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    TAlignment alignment_ = taCenter;
};

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;
    QGroupBox* Widget() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // One radio button per entry; changing the entries keeps ItemIndex when
    // it still exists.
    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    // Used by the item list.
    void ItemsChanged();

protected:
    void BoundsChanged(bool sizeChanged) override;
    void ApplyFont() override;
    bool MouseClicks() const override { return false; }

private:
    void ArrangeButtons();
    std::unique_ptr<TStrings> items_;
    QButtonGroup* group_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

// Drag it to resize the control it stands beside (aligned to the same side).
class TSplitter : public TControl {
public:
    explicit TSplitter(TComponent* owner);
    int MinSize() const { return minSize_; }
    void SetMinSize(int size) { minSize_ = size; }
    TNotifyEvent OnMoved;

protected:
    bool HandleEvent(QObject* watched, QEvent* event) override;
    bool MouseClicks() const override { return false; }

private:
    TControl* FindTarget() const;
    void UpdateCursor();
    TControl* target_ = nullptr;
    QPoint start_;
    int startSize_ = 0;
    int minSize_ = 30;
};

class TShape : public TControl {
public:
    explicit TShape(TComponent* owner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }

private:
    void Changed();
    TShapeType shape_ = stRectangle;
    TBrush brush_;
    TPen pen_;
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    // Load or assign the picture through it: Image1->Picture()->LoadFromFile(...).
    TPicture* Picture() { return &picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

private:
    void Changed();
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool autoSize_ = false;
};

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    bool MouseClicks() const override { return false; }

private:
    void Changed();
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

// Scrolls its children: the scrolled area grows to hold every child placed
// by position; aligned children share the visible area.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    QScrollArea* Widget() const;
    QWidget* ClientWidget() const override { return content_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // How wide a scroll bar is: the room the box takes from its contents
    // once they are taller (or wider) than the box.
    int ScrollBarSize() const;

protected:
    void ChildrenChanged() override;

private:
    QWidget* content_;
    TBorderStyle borderStyle_ = bsSingleBorder;
};

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TNotifyEvent OnTimer;

private:
    void Restart();
    QTimer* timer_ = nullptr;
    int interval_ = 1000;
    bool enabled_ = true;
};
