#include "platform/Controls.h"
#include "platform/QtText.h"

#include "platform/Forms.h"
#include "platform/Menus.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

const char* const kControlProperty = "kxControl";

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

TMouseButton ButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return mbRight;
    if (button == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}

// The character a key press types, as the class library's key-press event
// hands it over: a printable character, Backspace (8) or Enter (13). Keys
// that type nothing are not handed over, so that no key filter drops them:
// Delete (whose text is "\x7f"), the arrows, Home, End, Tab, Escape (the
// window's key: it closes dialogs), and what Ctrl or Meta makes of a key.
bool KeyChar(const QKeyEvent* e, char& ch) {
    switch (e->key()) {
    case Qt::Key_Backspace: ch = 8; return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: ch = 13; return true;
    default: break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = e->text();
    if (text.size() != 1) return false;
    const char16_t c = text[0].unicode();
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c > 0xFF) return false;  // control characters, or beyond Latin-1
    ch = static_cast<char>(c);
    return true;
}

WORD VirtualKey(const QKeyEvent* e) {
    int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return WORD(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return WORD(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

// Focus moves that the class library reports as entering or leaving a
// control: not those caused by another window or a popup coming up.
bool IsControlFocusMove(const QFocusEvent* e) {
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

bool Contains(const QWidget* outer, const QWidget* inner) {
    return inner && (inner == outer || outer->isAncestorOf(inner));
}

}  // namespace

// Routes the widget's events to its control.
class ControlBridge : public QObject {
public:
    explicit ControlBridge(TControl* control) : control_(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        QPointer<QObject> alive(watched);
        bool stop = control_->HandleEvent(watched, event);
        // A handler may have destroyed the control and its widget.
        return stop || !alive;
    }

private:
    TControl* control_;
};

void ShowCurrentException() {
    std::string message;
    try {
        throw;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    Application->ShowException(message);
}

const QEvent::Type kMessageEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

bool PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!window) return false;
    QApplication::postEvent(window, new MessageEvent(TMessage{msg, wParam, lParam, 0}));
    return true;
}

LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* control = TControl::FromWidget(window);
    return control ? control->Perform(msg, wParam, lParam) : 0;
}

// ---------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), widget_(widget) {
    bridge_ = new ControlBridge(this);
    widget_->setProperty(kControlProperty, QVariant::fromValue<void*>(this));
    widget_->installEventFilter(bridge_);
    widget_->hide();
}

TControl::~TControl() {
    DetachWidget();
    if (parent_) {
        TWinControl* parent = parent_;
        parent_ = nullptr;
        parent->RemoveControl(this);
    }
    delete widget_;
}

void TControl::DetachWidget() {
    if (!bridge_) return;
    delete bridge_;
    bridge_ = nullptr;
    widget_->setProperty(kControlProperty, QVariant());
}

QObject* TControl::Context() const { return bridge_; }

void TControl::Watch(QObject* object) {
    if (bridge_) object->installEventFilter(bridge_);
}

TControl* TControl::FromWidget(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

void TControl::NameChanged() { widget_->setObjectName(QString::fromStdString(Name())); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot have itself as its parent");
    if (parent_) {
        TWinControl* old = parent_;
        parent_ = nullptr;
        old->RemoveControl(this);
    }
    if (parent) {
        parent_ = parent;
        parent->InsertControl(this);
        RecordAnchorOrigin();
    } else {
        widget_->hide();
        widget_->setParent(nullptr);
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    // Bounds given by the program are where anchoring starts from again.
    if (!parent_ || !parent_->anchoring_) RecordAnchorOrigin();
    ApplyBounds();
    BoundsChanged(sized);
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    RecordAnchorOrigin();
}

void TControl::RecordAnchorOrigin() {
    anchorKnown_ = false;
    if (anchors_ == akTopLeft || !parent_) return;
    QSize parentSize(parent_->ClientWidth(), parent_->ClientHeight());
    if (parentSize.width() <= 0 || parentSize.height() <= 0) return;
    anchorOrigin_ = QRect(left_, top_, width_, height_);
    anchorParentSize_ = parentSize;
    anchorKnown_ = true;
}

void TControl::FollowAnchors() {
    if (anchors_ == akTopLeft || align_ != alNone) return;
    if (!anchorKnown_) {
        RecordAnchorOrigin();
        return;
    }
    // One axis: anchored at both ends it stretches, at the far end only it
    // moves, at neither it keeps its centre's share of the parent.
    auto follow = [](int pos, int size, int grown, bool nearEdge, bool farEdge) {
        if (nearEdge && farEdge) return std::pair(pos, size + grown);
        if (farEdge) return std::pair(pos + grown, size);
        if (!nearEdge) return std::pair(pos + grown / 2, size);
        return std::pair(pos, size);
    };
    const QRect& o = anchorOrigin_;
    auto [left, width] = follow(o.left(), o.width(), parent_->ClientWidth() - anchorParentSize_.width(),
                                anchors_ & akLeft, anchors_ & akRight);
    auto [top, height] = follow(o.top(), o.height(), parent_->ClientHeight() - anchorParentSize_.height(),
                                anchors_ & akTop, anchors_ & akBottom);
    SetBounds(left, top, width, height);
}

void TControl::SetClientWidth(int value) { SetWidth(value + (width_ - ClientWidth())); }
void TControl::SetClientHeight(int value) { SetHeight(value + (height_ - ClientHeight())); }

void TControl::ApplyBounds() { widget_->setGeometry(left_, top_, width_, height_); }

void TControl::BoundsChanged(bool sizeChanged) {
    if (parent_) parent_->ChildBoundsChanged(this);
    if (sizeChanged) Fire(OnResize, this);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ApplyVisible();
    if (parent_) parent_->ChildBoundsChanged(this);
}

void TControl::ApplyVisible() { widget_->setVisible(visible_ && parent_ != nullptr); }

bool TControl::Showing() const { return widget_->isVisible(); }

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->AlignControls();
}

void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    QString tip = showHint_ ? ShownText(hint) : QString();
    widget_->setToolTip(tip);
    // A hint that changes under the pointer shows its new text at once.
    if (QToolTip::isVisible() && widget_->underMouse()) {
        if (tip.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(QCursor::pos(), tip, widget_);
    }
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    SetHint(hint_);
}

TFont* TControl::Font() {
    if (!font_) {
        font_ = std::make_unique<TFont>();
        font_->Inherit(widget_->font());
        font_->OnChanged = [this] { ApplyFont(); };
    } else if (!font_->Explicit()) {
        font_->Inherit(widget_->font());
    }
    return font_.get();
}

void TControl::ApplyFont() {
    widget_->setFont(font_->Font());
    QPalette p = widget_->palette();
    QColor c = ColorToQColor(font_->Color());
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Active, role, c);
        p.setColor(QPalette::Inactive, role, c);
    }
    widget_->setPalette(p);
}

void TControl::SetColor(TColor color) {
    color_ = color;
    ApplyColor();
}

void TControl::ApplyColor() {
    QWidget* w = ColorWidget();
    QPalette p = w->palette();
    QColor c = ColorToQColor(color_);
    p.setColor(QPalette::Active, w->backgroundRole(), c);
    p.setColor(QPalette::Inactive, w->backgroundRole(), c);
    p.setColor(QPalette::Disabled, w->backgroundRole(), c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    w->update();
}

void TControl::BringToFront() {
    widget_->raise();
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    parent_->AlignControls();
}

void TControl::SendToBack() {
    widget_->lower();
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin(), this);
    parent_->AlignControls();
}

void TControl::Repaint() { widget_->repaint(); }
void TControl::Invalidate() { widget_->update(); }
void TControl::Update() { widget_->update(); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    Dispatch(m);
    return m.Result;
}

void TControl::Dispatch(TMessage&) {}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

bool TControl::HandleEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
        // Widgets that Qt places itself (tab pages) report their geometry.
        if (watched == widget_ && !widget_->isWindow()) {
            QRect g = widget_->geometry();
            if (g != QRect(left_, top_, width_, height_)) {
                bool sized = g.width() != width_ || g.height() != height_;
                left_ = g.x();
                top_ = g.y();
                width_ = g.width();
                height_ = g.height();
                BoundsChanged(sized);
            }
        }
        return false;
    case QEvent::ContextMenu:
        if (popupMenu_ && watched == widget_) {
            auto* e = static_cast<QContextMenuEvent*>(event);
            popupMenu_->SetPopupComponent(this);
            popupMenu_->Popup(e->globalPos().x(), e->globalPos().y());
            return true;
        }
        return false;
    default:
        break;
    }
    if (event->type() == kMessageEventType) {
        TMessage m = static_cast<MessageEvent*>(event)->Message;
        Guarded([&] { Dispatch(m); });
        return true;
    }
    return HandleMouse(watched, event);
}

bool TControl::HandleMouse(QObject* watched, QEvent* event) {
    auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return false;
    auto* e = static_cast<QMouseEvent*>(event);
    auto* source = qobject_cast<QWidget*>(watched);
    if (!source) return false;
    QPoint p = source == widget_ ? e->position().toPoint()
                                 : source->mapTo(widget_, e->position().toPoint());
    TShiftState shift = ShiftOf(e->modifiers(), e->buttons());
    switch (type) {
    case QEvent::MouseButtonPress:
        pressed_ = e->button() == Qt::LeftButton;
        afterDoubleClick_ = false;
        Fire(OnMouseDown, this, ButtonOf(e->button()), shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonDblClick:
        afterDoubleClick_ = true;
        Fire(OnMouseDown, this, ButtonOf(e->button()), shift | ssDouble, p.x(), p.y());
        if (e->button() == Qt::LeftButton) Fire(OnDblClick, this);
        break;
    case QEvent::MouseButtonRelease: {
        bool click = pressed_ && !afterDoubleClick_ && e->button() == Qt::LeftButton &&
                     widget_->rect().contains(p) && MouseClicks();
        pressed_ = false;
        afterDoubleClick_ = false;
        Fire(OnMouseUp, this, ButtonOf(e->button()), shift, p.x(), p.y());
        if (click) Fire(OnClick, this);
        break;
    }
    default:
        Fire(OnMouseMove, this, shift, p.x(), p.y());
        break;
    }
    return false;
}

// ---------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {}

TWinControl::~TWinControl() {
    destroyingChildren_ = true;
    while (!controls_.empty()) delete controls_.back();
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) ThrowListIndexError(index);
    return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
    AttachChildWidget(control);
    control->ApplyBounds();
    control->ApplyVisible();
    ChildBoundsChanged(control);
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (auto tab = std::find(tabList_.begin(), tabList_.end(), control); tab != tabList_.end())
        tabList_.erase(tab);
    if (destroyingChildren_) return;
    DetachChildWidget(control);
    if (control->Align() != alNone) AlignControls();
    else ChildrenChanged();
}

void TWinControl::AttachChildWidget(TControl* child) { child->Widget()->setParent(ClientWidget()); }

void TWinControl::DetachChildWidget(TControl*) {}

void TWinControl::ChildBoundsChanged(TControl* child) {
    if (aligning_ || destroyingChildren_) return;
    if (child->Align() != alNone) AlignControls();
    else ChildrenChanged();
}

QRect TWinControl::AlignRect() const {
    int b = borderWidth_;
    return QRect(b, b, std::max(0, ClientWidth() - 2 * b), std::max(0, ClientHeight() - 2 * b));
}

void TWinControl::SetBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    AlignControls();
}

void TWinControl::AnchorControls() {
    anchoring_ = true;
    for (TControl* c : controls_) c->FollowAnchors();
    anchoring_ = false;
}

void TWinControl::AlignControls() {
    if (aligning_ || destroyingChildren_) return;
    aligning_ = true;
    AnchorControls();
    QRect r = AlignRect();
    int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible()) continue;
            int w = std::max(0, right - left), h = std::max(0, bottom - top);
            switch (pass) {
            case alTop: c->SetBounds(left, top, w, c->Height()); top += c->Height(); break;
            case alBottom: c->SetBounds(left, bottom - c->Height(), w, c->Height()); bottom -= c->Height(); break;
            case alLeft: c->SetBounds(left, top, c->Width(), h); left += c->Width(); break;
            case alRight: c->SetBounds(right - c->Width(), top, c->Width(), h); right -= c->Width(); break;
            default: c->SetBounds(left, top, w, h); break;
            }
        }
    }
    aligning_ = false;
    ChildrenChanged();
}

void TWinControl::BoundsChanged(bool sizeChanged) {
    TControl::BoundsChanged(sizeChanged);
    if (sizeChanged) AlignControls();
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    QWidget* w = FocusWidget();
    if (w->focusPolicy() != Qt::NoFocus) w->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    const auto& list = parent_->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
    TWinControl* top = this;
    while (top->parent_) top = top->parent_;
    top->ApplyTabOrder();
}

void TWinControl::CollectTabWidgets(std::vector<QWidget*>& chain) const {
    for (const TWinControl* child : tabList_) {
        QWidget* focus = child->FocusWidget();
        if (focus->focusPolicy() != Qt::NoFocus) {
            chain.push_back(focus);
        } else {
            // A control that takes no focus itself may hold widgets of its
            // own that do (the buttons of a radio group).
            for (QWidget* w : focus->findChildren<QWidget*>())
                if (w->focusPolicy() != Qt::NoFocus && w->window() == focus->window() &&
                    TControl::FromWidget(w) == child)
                    chain.push_back(w);
        }
        child->CollectTabWidgets(chain);
    }
}

void TWinControl::ApplyTabOrder() {
    std::vector<QWidget*> chain;
    CollectTabWidgets(chain);
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

bool TWinControl::Focused() const { return FocusWidget()->hasFocus(); }

bool TWinControl::CanFocus() const { return widget_->isVisible() && widget_->isEnabled(); }

void TWinControl::SetFocus() {
    if (!CanFocus()) return;
    QWidget* window = widget_->window();
    if (!window->isActiveWindow()) window->activateWindow();
    FocusWidget()->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::HandleEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched == FocusWidget() && HandleKey(event)) return true;
        break;
    case QEvent::FocusIn:
        if (watched == FocusWidget() && IsControlFocusMove(static_cast<QFocusEvent*>(event)))
            Fire(OnEnter, this);
        break;
    case QEvent::FocusOut:
        if (watched == FocusWidget() && IsControlFocusMove(static_cast<QFocusEvent*>(event)) &&
            !Contains(widget_, QApplication::focusWidget()))
            Fire(OnExit, this);
        break;
    default:
        break;
    }
    return TControl::HandleEvent(watched, event);
}

bool TWinControl::HandleKey(QEvent* event) {
    if (resending_) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    TShiftState shift = ShiftOf(e->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        WORD key = VirtualKey(e);
        if (!OnKeyUp || !key) return false;
        Fire(OnKeyUp, this, key, shift);
        return key == 0;
    }
    if (OnKeyDown) {
        WORD key = VirtualKey(e);
        if (key) {
            Fire(OnKeyDown, this, key, shift);
            if (key == 0) return true;
        }
    }
    char typed = 0;
    if (!OnKeyPress || !KeyChar(e, typed)) return false;
    char key = typed;
    QPointer<QWidget> target(FocusWidget());
    Fire(OnKeyPress, this, key);
    if (key == 0 || !target) return true;
    if (key == typed) return false;
    // The handler typed another character in place of this one.
    QKeyEvent replaced(QEvent::KeyPress, 0, e->modifiers(),
                       QString(QChar(static_cast<unsigned char>(key))));
    resending_ = true;
    QApplication::sendEvent(target, &replaced);
    resending_ = false;
    return true;
}
