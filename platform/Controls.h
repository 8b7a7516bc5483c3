#pragma once
// TControl and TWinControl: a control is a component that stands for one Qt
// widget. Geometry is in pixels relative to the parent's client area, as the
// class library gives it; Align lays children out in the order they were
// given their parent (alTop, alBottom, alLeft, alRight, then alClient fills
// what is left), again on every resize of the parent; alNone children keep
// their absolute positions, or, with Anchors other than left and top, their
// distances to the anchored edges of the parent (see SetAnchors).
//
// Tab order: the child windowed controls of a parent are in a tab list,
// in the order they were given the parent; Tab moves through a form depth
// first along these lists. SetTabOrder moves a control within its list.
//
// Ownership: the owner destroys its components, and a parent destroys its
// child controls; whichever comes first, the control leaves both lists.
//
// Event dispatch from the toolkit runs through Fire(), which never lets an
// exception through: it shows it in the standard exception box instead.

#include "platform/Classes.h"
#include "platform/Graphics.h"

#include <QEvent>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

class QEvent;
class QObject;
class QWidget;
class TWinControl;
class TPopupMenu;
class ControlBridge;

// Shows the exception being handled in the standard exception box; only to
// be called from inside a catch block.
void ShowCurrentException();

// Runs fn and shows any exception it raises instead of passing it on.
template <class F>
void Guarded(F&& fn) {
    try {
        fn();
    } catch (...) {
        ShowCurrentException();
    }
}

// Calls an event's handler, when it has one, under Guarded.
template <class E, class... A>
void Fire(const E& event, A&&... args) {
    if (event) Guarded([&] { event(std::forward<A>(args)...); });
}

class TControl : public TComponent {
public:
    TControl(TComponent* owner, QWidget* widget);
    ~TControl() override;

    // The widget that stands for the control ("window handle").
    HWND Handle() const { return widget_; }
    QWidget* Widget() const { return widget_; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int value);
    virtual void SetClientHeight(int value);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Whether the control is on screen: visible itself and all its parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // A control anchored right (or bottom) keeps its distance to that edge
    // of the parent, anchored on both sides it stretches, from the bounds it
    // was last given while the parent had a size.
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    TFont* Font();
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    void BringToFront();
    void SendToBack();
    void Repaint();
    void Refresh() { Repaint(); }
    void Invalidate();
    void Update();

    // Sends a message to the control at once (the posted kind: PostMessageA).
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control's message handler: programs override it to handle their own
    // messages and pass the others on to the inherited Dispatch.
    virtual void Dispatch(TMessage& message);
    // Runs OnClick as a user click would (exceptions pass to the caller).
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // The control that stands for a widget (or one of the widget's parents).
    static TControl* FromWidget(const QWidget* widget);

protected:
    friend class ControlBridge;
    friend class TWinControl;

    // Every event of the widget (and of objects passed to Watch) comes here
    // first; return true to stop the event.
    virtual bool HandleEvent(QObject* watched, QEvent* event);
    void Watch(QObject* object);
    // The context object of the control's signal connections: when it goes,
    // they go.
    QObject* Context() const;
    // Stops every callback from the widget. Destructors of controls whose
    // signal handlers use members of their own call it first.
    void DetachWidget();

    void InitBounds(int width, int height) { SetBounds(left_, top_, width, height); }
    virtual void ApplyBounds();
    virtual void ApplyVisible();
    virtual void ApplyFont();
    virtual void ApplyColor();
    // After the control's position or size changed.
    virtual void BoundsChanged(bool sizeChanged);
    // Whether a mouse click on the widget means OnClick (controls with a
    // click signal of their own say no).
    virtual bool MouseClicks() const { return true; }
    // The widget whose palette takes the control's Color.
    virtual QWidget* ColorWidget() const { return widget_; }
    void NameChanged() override;

    QWidget* widget_;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TAnchors anchors_ = akTopLeft;
    TColor color_ = clBtnFace;
    std::string hint_;
    bool showHint_ = false;
    std::unique_ptr<TFont> font_;
    TPopupMenu* popupMenu_ = nullptr;

private:
    bool HandleMouse(QObject* watched, QEvent* event);
    // The bounds that anchoring starts from, and the parent's client size
    // then; unknown until the parent has a size.
    void RecordAnchorOrigin();
    void FollowAnchors();
    QRect anchorOrigin_;
    QSize anchorParentSize_;
    bool anchorKnown_ = false;
    ControlBridge* bridge_ = nullptr;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};

// A window message on its way to a control (PostMessageA).
extern const QEvent::Type kMessageEventType;
struct MessageEvent : QEvent {
    explicit MessageEvent(const TMessage& message) : QEvent(kMessageEventType), Message(message) {}
    TMessage Message;
};

// Queues a message for the control of the window handle; its Dispatch runs
// once the message loop gets to it. False when there is no such window.
bool PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Hands a message to the control of the window handle at once.
LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

class TWinControl : public TControl {
public:
    TWinControl(TComponent* owner, QWidget* widget);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The widget that holds the child controls.
    virtual QWidget* ClientWidget() const { return widget_; }

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // The position in the parent's tab list (-1 without a parent); setting
    // it moves the control there (clamped to the list) and the others up.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Room kept free inside the control's edges, around aligned children.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    bool Focused() const;
    bool CanFocus() const;
    // Moves the keyboard focus here; a hidden or disabled control is left
    // alone.
    virtual void SetFocus();

    // Lays the aligned children out again.
    void AlignControls();
    // A child moved, resized, showed or hid itself.
    void ChildBoundsChanged(TControl* child);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // Key is the typed character: a printable one, 8 Backspace or 13 Enter.
    // Keys that type nothing (Delete, the arrows, Home, End, Escape, Ctrl
    // combinations) never come here: they act as in every control. A
    // handler that sets the key to 0 drops it, another character replaces it.
    TKeyPressEvent OnKeyPress;
    // Key is the virtual key code; 0 drops the key.
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;

protected:
    friend class TControl;
    friend class LayoutLoader;
    bool HandleEvent(QObject* watched, QEvent* event) override;
    void BoundsChanged(bool sizeChanged) override;
    // The area the aligned children share, in client coordinates.
    virtual QRect AlignRect() const;
    // Called after the children were laid out or one of them moved.
    virtual void ChildrenChanged() {}
    // Puts a child's widget into this control.
    virtual void AttachChildWidget(TControl* child);
    virtual void DetachChildWidget(TControl* child);
    // The widget whose focus and keys are this control's.
    virtual QWidget* FocusWidget() const { return widget_; }

private:
    bool HandleKey(QEvent* event);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void AnchorControls();
    // Gives the toolkit's focus chain the order of the tab lists, from the
    // outermost parent down.
    void ApplyTabOrder();
    void CollectTabWidgets(std::vector<QWidget*>& chain) const;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = true;
    int borderWidth_ = 0;
    bool aligning_ = false;
    bool anchoring_ = false;
    bool destroyingChildren_ = false;
    bool resending_ = false;
};
