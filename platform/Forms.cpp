#include "platform/Forms.h"
#include "platform/QtText.h"

#include "platform/Menus.h"

#include <QApplication>
#include <QPointer>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

std::vector<TForm*>& LiveForms() {
    static std::vector<TForm*> forms;
    return forms;
}

const QEvent::Type kReleaseEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

// Carries the form's widget too: a form destroyed before the event arrives,
// and another one created at the same address meanwhile, is not the one
// released.
struct ReleaseEvent : QEvent {
    explicit ReleaseEvent(TForm* form) : QEvent(kReleaseEventType), Form(form), Widget(form->Widget()) {}
    TForm* Form;
    QPointer<QWidget> Widget;
};

// Destroys released forms from the message loop.
class FormReleaser : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != kReleaseEventType) return QObject::event(e);
        auto* release = static_cast<ReleaseEvent*>(e);
        if (release->Widget && TForm::Exists(release->Form) && release->Form->Widget() == release->Widget)
            delete release->Form;
        return true;
    }
};

FormReleaser* Releaser() {
    static FormReleaser* releaser = new FormReleaser;
    return releaser;
}

bool Contains(const QWidget* outer, const QWidget* inner) {
    return inner && (inner == outer || outer->isAncestorOf(inner));
}

bool IsHeldInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Keeps the input of the windows that were open when the hold began.
class InputHolder : public QObject {
public:
    void Hold() {
        if (depth_++ > 0) return;
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!app) return;
        for (QWidget* w : QApplication::topLevelWidgets()) windows_.emplace_back(w);
        app->installEventFilter(this);
    }
    void Release() {
        if (depth_ == 0 || --depth_ > 0) return;
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
        windows_.clear();
        auto held = std::move(held_);
        held_.clear();
        for (auto& [receiver, event] : held)
            if (receiver) QCoreApplication::postEvent(receiver, event.release());
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!IsHeldInput(event->type()) || !InHeldWindow(receiver)) return false;
        held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    bool InHeldWindow(QObject* receiver) const {
        for (const QPointer<QWidget>& w : windows_) {
            if (!w) continue;
            if (receiver->isWidgetType() ? static_cast<QWidget*>(receiver)->window() == w
                                         : receiver->isWindowType() && static_cast<QObject*>(w->windowHandle()) == receiver)
                return true;
        }
        return false;
    }

    int depth_ = 0;
    std::vector<QPointer<QWidget>> windows_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

InputHolder& Holder() {
    static InputHolder* holder = new InputHolder;
    return *holder;
}

TApplication theApplication;
TScreen theScreen;

}  // namespace

TApplication* Application = &theApplication;
TScreen* Screen = &theScreen;

// ---------------------------------------------------------------------------
// TForm

TForm::TForm(TComponent* owner)
    : TWinControl(owner, new QWidget(nullptr, Qt::Window)),
      client_(new QWidget(widget_)) {
    LiveForms().push_back(this);
    visible_ = false;
    client_->show();
    ApplyWindowFlags();
    SetBounds(0, 0, 320 + FrameWidth, 240 + FrameHeight);
}

TForm::~TForm() {
    auto& forms = LiveForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (menu_) menu_->DetachFromForm();
}

const std::vector<TForm*>& TForm::Forms() { return LiveForms(); }

bool TForm::Exists(const TForm* form) {
    if (!form) return false;
    const auto& forms = LiveForms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    widget_->setWindowTitle(ShownText(caption));
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = style;
    ApplyWindowFlags();
    // The client area keeps its size; the frame around it changes.
    SetBounds(left_, top_, cw + FrameW(), ch + FrameH() + MenuHeight());
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    int cw = ClientWidth(), ch = ClientHeight();
    if (menu_) menu_->DetachFromForm();
    menu_ = menu;
    if (menu_) menu_->AttachToForm(this, widget_);
    SetBounds(left_, top_, cw + FrameW(), ch + FrameH() + MenuHeight());
    LayoutWindow();
}

int TForm::FrameW() const { return Embedded() || borderStyle_ == bsNone ? 0 : FrameWidth; }
int TForm::FrameH() const { return Embedded() || borderStyle_ == bsNone ? 0 : FrameHeight; }
int TForm::MenuHeight() const { return menu_ ? menu_->BarHeight() : 0; }

int TForm::ClientWidth() const { return std::max(0, width_ - FrameW()); }
int TForm::ClientHeight() const { return std::max(0, height_ - FrameH() - MenuHeight()); }
QWidget* TForm::ClientWidget() const { return client_; }

void TForm::ApplyWindowFlags() {
    if (Embedded()) return;
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    default: break;
    }
    bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (shown) widget_->show();
}

void TForm::ApplyBounds() {
    syncing_ = true;
    if (Embedded()) {
        widget_->setGeometry(left_, top_, width_, height_);
    } else {
        QSize size(std::max(0, width_ - FrameW()), std::max(0, height_ - FrameH()));
        bool fixed = borderStyle_ == bsDialog || borderStyle_ == bsSingle || borderStyle_ == bsToolWindow;
        widget_->setMinimumSize(fixed ? size : QSize(0, 0));
        widget_->setMaximumSize(fixed ? size : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        widget_->move(left_, top_);
        widget_->resize(size);
    }
    LayoutWindow();
    syncing_ = false;
}

void TForm::LayoutWindow() {
    int menuHeight = MenuHeight();
    if (menu_) menu_->PlaceBar(0, 0, widget_->width(), menuHeight);
    client_->setGeometry(0, menuHeight, ClientWidth(), ClientHeight());
}

void TForm::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    if (!parent) {
        ApplyWindowFlags();
        ApplyBounds();
    }
    ApplyVisible();
}

void TForm::ApplyVisible() { widget_->setVisible(visible_); }

void TForm::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (visible) {
        DoCreate();
        if (!Embedded()) PlaceOnScreen();
    } else if (modal_ && modalResult_ == mrNone) {
        modalResult_ = mrCancel;
    }
    visible_ = visible;
    ApplyVisible();
    if (parent_) parent_->ChildBoundsChanged(this);
    Fire(visible ? OnShow : OnHide, this);
}

void TForm::DoCreate() {
    if (created_) return;
    created_ = true;
    Fire(OnCreate, this);
}

void TForm::PlaceOnScreen() {
    const QRect area(Screen->WorkAreaLeft(), Screen->WorkAreaTop(), Screen->WorkAreaWidth(), Screen->WorkAreaHeight());
    auto centreOn = [&](const QRect& r) {
        int left = r.x() + (r.width() - width_) / 2;
        int top = r.y() + (r.height() - height_) / 2;
        SetBounds(std::max(area.x(), left), std::max(area.y(), top), width_, height_);
    };
    TForm* reference = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        centreOn(area);
        return;
    case poMainFormCenter: reference = Application->MainForm(); break;
    case poOwnerFormCenter: reference = dynamic_cast<TForm*>(Owner()); break;
    default: return;
    }
    if (reference && reference != this)
        centreOn(QRect(reference->Left(), reference->Top(), reference->Width(), reference->Height()));
    else
        centreOn(area);
}

int TForm::ShowModal() {
    if (visible_ || modal_ || Embedded()) throw Exception("Cannot make a visible window modal");
    // A program that is ending shows no window any more.
    if (Application->Terminated()) return mrCancel;
    modalResult_ = mrNone;
    modal_ = true;
    closeStepRan_ = false;
    freeWhenShown_ = false;
    widget_->setWindowModality(Qt::ApplicationModal);
    QPointer<QWidget> alive(widget_);
    // OnCreate may read the agent for long; the program may end meanwhile.
    DoCreate();
    if (!alive) return mrCancel;
    if (!Application->Terminated()) {
        SetVisible(true);
        widget_->activateWindow();
    }
    while (true) {
        if (!alive) return mrCancel;
        if (Application->Terminated()) modalResult_ = mrCancel;
        else if (modalResult_ != mrNone && !closeStepRan_ && !RunModalCloseStep()) modalResult_ = mrNone;
        if (modalResult_ != mrNone) break;
        Application->HandleMessage();
    }
    TModalResult result = modalResult_;
    modal_ = false;
    SetVisible(false);
    widget_->setWindowModality(Qt::NonModal);
    if (freeWhenShown_) Release();
    return result;
}

bool TForm::RunModalCloseStep() {
    closeStepRan_ = true;  // a Close from inside the step does not run it again
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) {
        closeStepRan_ = false;
        return false;
    }
    // Freed once the modal loop is over, not beneath a handler that runs.
    freeWhenShown_ = action == caFree;
    return true;
}

void TForm::Close() {
    if (modal_) {
        // The close step runs now, as on a window that is not modal, so that
        // work running beneath this close (a blocking walk that lets the
        // close through after a row) learns of it at once; the modal loop
        // ends once that work has returned.
        if (!closeStepRan_ && RunModalCloseStep()) modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        Hide();
    } else if (action == caHide) {
        Hide();
    } else if (action == caMinimize) {
        widget_->showMinimized();
    } else {
        Release();
    }
}

void TForm::Release() { QApplication::postEvent(Releaser(), new ReleaseEvent(this)); }

bool TForm::CloseQuery() {
    bool canClose = true;
    Fire(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action) { Fire(OnClose, this, action); }

TWinControl* TForm::ActiveControl() const {
    QWidget* focus = widget_->focusWidget();
    if (!focus) return nullptr;
    return dynamic_cast<TWinControl*>(TControl::FromWidget(focus));
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control) control->SetFocus();
}

void TForm::SelectNext(bool forward) {
    QWidget* top = widget_->window();
    QWidget* current = top->focusWidget() ? top->focusWidget() : client_;
    QWidget* w = current;
    for (int guard = 0; guard < 100000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == current) return;
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled() &&
            Contains(widget_, w) && !w->focusProxy()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void TForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_NEXTDLGCTL:
        if (message.LParam && message.WParam) {
            if (auto* target = dynamic_cast<TWinControl*>(
                    TControl::FromWidget(reinterpret_cast<QWidget*>(message.WParam))))
                target->SetFocus();
        } else {
            SelectNext(message.WParam == 0);
        }
        break;
    case WM_CLOSE:
        Close();
        break;
    default:
        TWinControl::Dispatch(message);
        break;
    }
}

bool TForm::PressDialogButton(bool defaultButton) {
    const char* property = defaultButton ? "kxDefault" : "kxCancel";
    for (QPushButton* b : widget_->findChildren<QPushButton*>()) {
        if (b->property(property).toBool() && b->isVisible() && b->isEnabled()) {
            b->click();
            return true;
        }
    }
    return false;
}

bool TForm::HandleEvent(QObject* watched, QEvent* event) {
    if (watched == widget_) {
        switch (event->type()) {
        case QEvent::Close:
            // The window's close button: the form decides.
            event->ignore();
            Guarded([this] { Close(); });
            return true;
        case QEvent::Resize:
            if (!syncing_ && widget_->isWindow()) {
                int w = widget_->width() + FrameW(), h = widget_->height() + FrameH();
                if (w != width_ || h != height_) {
                    width_ = w;
                    height_ = h;
                    LayoutWindow();
                    BoundsChanged(true);
                }
            }
            if (!widget_->isWindow()) LayoutWindow();
            break;
        case QEvent::Move:
            if (!syncing_ && widget_->isWindow()) {
                left_ = widget_->x();
                top_ = widget_->y();
            }
            break;
        case QEvent::WindowActivate:
            Fire(OnActivate, this);
            break;
        case QEvent::KeyPress: {
            int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && PressDialogButton(true)) return true;
            if (key == Qt::Key_Escape && PressDialogButton(false)) return true;
            if (key == Qt::Key_Escape && modal_) {
                // A dialog or editor page without a Cancel button closes as
                // its close box closes it.
                Guarded([this] { Close(); });
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return TWinControl::HandleEvent(watched, event);
}

TForm* GetParentForm(TControl* control) {
    TForm* form = nullptr;
    for (TControl* c = control; c; c = c->Parent())
        if (auto* f = dynamic_cast<TForm*>(c)) form = f;
    return form;
}

// ---------------------------------------------------------------------------
// TApplication

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    // The forms go where the program ends its message loop (Run) or its
    // start-up, while Qt stands. This object goes with the static objects,
    // after Qt's own state: a form still here now is left to the process,
    // never destroyed. That is the case when Qt ends the process with exit()
    // from inside the message loop, as it does when the display goes away.
    static auto* left = new std::vector<TComponent*>;  // kept, so the process ends with them
    for (int i = 0; i < ComponentCount(); ++i) left->push_back(Components(i));
    ForgetComponents();
}

void TApplication::Initialize() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
    font.setPointSize(8);
    QApplication::setFont(font);
}

void TApplication::FormCreated(TForm* form) {
    if (!MainForm()) mainForm_ = form;
    form->DoCreate();
}

void TApplication::Run() {
    if (MainForm() && ShowMainForm && !terminated_) MainForm()->Show();
    while (!terminated_) HandleMessage();
    DestroyComponents();
}

void TApplication::ProcessMessages() { QApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::HandleMessage() { QApplication::processEvents(QEventLoop::WaitForMoreEvents); }

void TApplication::HoldInput() { Holder().Hold(); }

void TApplication::ReleaseInput() { Holder().Release(); }

void TApplication::Terminate() {
    terminated_ = true;
    if (QApplication::instance()) QApplication::postEvent(QApplication::instance(), new QEvent(QEvent::User));
}

std::string TApplication::ExeName() const {
    if (!QApplication::instance()) return std::string();
    return QApplication::applicationFilePath().toStdString();
}

const std::string& TApplication::Title() const {
    if (!title_.empty()) return title_;
    defaultTitle_ = ExtractFileName(ExeName());
    if (defaultTitle_.size() > 4 && defaultTitle_.compare(defaultTitle_.size() - 4, 4, ".exe") == 0)
        defaultTitle_.resize(defaultTitle_.size() - 4);
    return defaultTitle_;
}

HWND TApplication::Handle() const { return MainForm() ? MainForm()->Handle() : nullptr; }

void TApplication::ShowException(const std::string& message) {
    MessageBoxA(nullptr, message, ExtractFileName(ExeName()), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(Handle(), text, caption.empty() ? Title() : caption, flags);
}

// ---------------------------------------------------------------------------
// TScreen

int TScreen::PixelsPerInch() const {
    if (pixelsPerInch_) return pixelsPerInch_;
    QScreen* s = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    return s ? int(std::lround(s->logicalDotsPerInch())) : 96;
}

int TScreen::Width() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

TScreen::Area TScreen::WorkArea() const {
    if (pretendWorkArea_.Width > 0) return pretendWorkArea_;
    QScreen* s = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    if (!s) return {0, 0, 1024, 768};
    const QRect r = s->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

int TScreen::WorkAreaLeft() const { return WorkArea().Left; }
int TScreen::WorkAreaTop() const { return WorkArea().Top; }
int TScreen::WorkAreaWidth() const { return WorkArea().Width; }
int TScreen::WorkAreaHeight() const { return WorkArea().Height; }

void TScreen::SetWorkArea(int left, int top, int width, int height) { pretendWorkArea_ = {left, top, width, height}; }

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    if (cursor_ != crDefault) QApplication::restoreOverrideCursor();
    cursor_ = cursor;
    if (cursor == crHourGlass) QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (cursor != crDefault) QApplication::setOverrideCursor(Qt::ArrowCursor);
}

int TScreen::FormCount() const { return static_cast<int>(TForm::Forms().size()); }

TForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) ThrowListIndexError(index);
    return TForm::Forms()[static_cast<size_t>(index)];
}

TForm* TScreen::ActiveForm() const {
    QWidget* w = QApplication::activeWindow();
    return w ? dynamic_cast<TForm*>(TControl::FromWidget(w)) : nullptr;
}

// ---------------------------------------------------------------------------

bool LargeFontsInUse() { return Screen->PixelsPerInch() != 96; }

int ScaleForLargeFonts(int value, bool largeFonts) { return largeFonts ? ScaleBy(value, 1.25) : value; }

int ScaleBy(int value, double scale) { return static_cast<int>(value * scale); }
