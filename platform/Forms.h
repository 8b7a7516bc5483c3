#pragma once
// Forms, the application object and the screen.
//
// A form's Width and Height include a fixed notional window frame (8 and 27
// pixels, plus the menu bar when it has one), so Width = ClientWidth + 8 as
// on the class library's platform; a borderless or embedded form has none.
// Position is applied each time the form is shown.
//
// OnCreate: the class library runs it after the whole constructor. A form
// class calls DoCreate() as the last statement of its constructor; a form
// that never did runs it before it is first shown. It runs once.

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <string>
#include <vector>

class QMenuBar;
class TMainMenu;

class TForm : public TWinControl {
public:
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 27;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    int ClientWidth() const override;
    int ClientHeight() const override;
    QWidget* ClientWidget() const override;
    // A form with a parent is embedded in it, without a frame.
    void SetParent(TWinControl* parent) override;
    void SetVisible(bool visible) override;

    // Shows the form modally and runs the message loop until ModalResult is
    // set (a button with a ModalResult, Close, or the program); returns it.
    // OnCreate, when it has not run yet, runs first; a program that is
    // ending (Terminate) shows nothing and gets mrCancel. Escape that no
    // control of the form takes presses its cancel button, or, without one,
    // closes it as its close box does (a form shown without a modal loop,
    // the main window among them, ignores Escape).
    int ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Asks OnCloseQuery and OnClose, then hides or frees the form by the
    // close action; on a modal form it ends the modal loop with mrCancel
    // (once the handlers running beneath have returned; a freed modal form
    // goes after its loop). Closing the main form ends the application.
    void Close();
    // Destroys the form once the message loop gets to it; nothing happens if
    // it was destroyed before.
    void Release();
    void DoCreate();

    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) control that takes it.
    void SelectNext(bool forward = true);

    void Dispatch(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Every form that exists.
    static const std::vector<TForm*>& Forms();
    static bool Exists(const TForm* form);

protected:
    bool HandleEvent(QObject* watched, QEvent* event) override;
    void ApplyBounds() override;
    void ApplyVisible() override;
    bool CloseQuery();
    void DoClose(TCloseAction& action);

private:
    bool Embedded() const { return parent_ != nullptr; }
    int FrameW() const;
    int FrameH() const;
    int MenuHeight() const;
    void LayoutWindow();
    void ApplyWindowFlags();
    void PlaceOnScreen();
    // OnCloseQuery and OnClose of a modal form: true when it may go.
    bool RunModalCloseStep();
    bool PressDialogButton(bool defaultButton);

    QWidget* client_;
    std::string caption_;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TMainMenu* menu_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool closeStepRan_ = false;   // this modal showing's OnClose has run
    bool freeWhenShown_ = false;  // its close action was caFree
    bool created_ = false;
    bool syncing_ = false;
};

// The form a control is on (the outermost one when forms are embedded).
TForm* GetParentForm(TControl* control);

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Gives the application its look: Qt's Fusion style and the default
    // font. Call once the QApplication exists.
    void Initialize();
    // Creates a form owned by the application, runs its OnCreate and stores
    // it; the first form created this way is the main form.
    template <class T>
    void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        FormCreated(form);
    }
    // Shows the main form and runs the message loop until Terminate; then
    // destroys every form the application owns. (The application object
    // itself, a static object, destroys none: forms it still owns when the
    // process ends are left to the process.)
    void Run();
    // Handles every pending event and returns at once.
    void ProcessMessages();
    // Waits for at least one event and handles it (and any others pending).
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // While input is held, mouse, key and close events for the windows open
    // when the hold began are kept, and delivered in their order once the
    // last hold is released; a window opened meanwhile (a message box)
    // takes its input as always. Holds nest.
    void HoldInput();
    void ReleaseInput();

    std::string ExeName() const;
    TForm* MainForm() const { return TForm::Exists(mainForm_) ? mainForm_ : nullptr; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    const std::string& Title() const;
    void SetTitle(const std::string& title) { title_ = title; }
    bool ShowMainForm = true;
    HWND Handle() const;

    // The standard exception box: the text, caption the program's file name.
    void ShowException(const std::string& message);
    // A message box owned by the main form; an empty caption gives the title.
    int MessageBox(const std::string& text, const std::string& caption = "", UINT flags = MB_OK);

private:
    void FormCreated(TForm* form);
    TForm* mainForm_ = nullptr;
    std::string title_;
    mutable std::string defaultTitle_;
    bool terminated_ = false;
};

class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    // The screen's pixels per inch; tests may pretend another (0 = real).
    int PixelsPerInch() const;
    void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
    int Width() const;
    int Height() const;
    // The work area: the primary screen less the desktop's panels and docks,
    // where windows go. Tests may pretend another (a width of 0 = real).
    int WorkAreaLeft() const;
    int WorkAreaTop() const;
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;
    void SetWorkArea(int left, int top, int width, int height);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    int FormCount() const;
    TForm* Forms(int index) const;
    TForm* ActiveForm() const;

private:
    struct Area {
        int Left = 0, Top = 0, Width = 0, Height = 0;
    };
    Area WorkArea() const;
    int pixelsPerInch_ = 0;
    Area pretendWorkArea_;
    TCursor cursor_ = crDefault;
};

extern TApplication* Application;
extern TScreen* Screen;

// Large fonts: a screen that is not at 96 pixels per inch.
bool LargeFontsInUse();
// value x 1.25 truncated toward zero under large fonts (450 gives 562);
// the value itself otherwise.
int ScaleForLargeFonts(int value, bool largeFonts);
// value x scale, truncated toward zero.
int ScaleBy(int value, double scale);
