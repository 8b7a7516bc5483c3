// The module as the host starts it, for the tests of the ways it ends
// (ExitPathsTest.cpp): the program entry of kestrix-module, with a stand-in
// for the user:
// - every message box is answered with its first button (OK) and logged on
//   stdout as "BOX <caption>: <text>";
// - "RUNNING" goes to stdout once the main window is up in the message loop;
//   with KX_PROBE_EXIT set, File > Exit is chosen then; with KX_PROBE_OPEN
//   set to a menu item's name, that item is chosen then, and "OPEN" follows
//   once its window shows modally;
// - with KX_PROBE_EXIT_WHILE_BUILT set as well, the item and then, while
//   its window is built (its first read on its way: "EXIT CHOSEN"), File >
//   Exit are chosen by keys pressed through the X server (under X11) on the
//   main window; should the window show all the same, it is closed and Exit
//   chosen again, so that the program still ends;
// - once the program entry has returned, while the application object still
//   stands: "FORMS <n>", the forms still there, and "GLOBALS cleared" when
//   the global form pointers (MainForm, Form1, ConfigForm) no longer point
//   at one ("GLOBALS left" otherwise).

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dialogbase/DialogFrame.h"
#include "dialogbase/Form1.h"
#include "framework/GUIConfigForm.h"
#include "main/Main.h"
#include "main/Program.h"
#include "platform/SysUtils.h"

// From Xlib (whose header's macros would clash with Qt's names).
extern "C" int XFlush(Display* display);

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void When(const std::function<bool()>& condition, const std::function<void()>& then) {
    QTimer::singleShot(10, [condition, then] {
        if (condition()) then();
        else When(condition, then);
    });
}

bool ModalWindowShows() {
    for (TForm* form : TForm::Forms())
        if (form->Modal() && form->Visible()) return true;
    return false;
}

void Choose(const char* item) { dynamic_cast<TMenuItem*>(MainForm->FindComponent(item))->Action()->trigger(); }

// A window being built: there, not shown yet, reading.
bool WindowBeingBuiltReads() {
    for (TForm* form : TForm::Forms())
        if (auto* dialog = dynamic_cast<TDialogFrame*>(form); dialog && !dialog->Visible() && dialog->Busy()) return true;
    return false;
}

// Keys of their own on the main window stand for the menu's own handling of
// a click: what reaches the window as input, as a click would, chooses the
// item (so the chosen window is built beneath the handling of that input).
struct MenuKey {
    unsigned KeyCode;
    std::string Item;
};

class MenuKeys : public QObject {
public:
    explicit MenuKeys(std::vector<MenuKey> keys) : Keys(std::move(keys)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        for (const MenuKey& key : Keys)
            if (static_cast<QKeyEvent*>(event)->nativeScanCode() == key.KeyCode) {
                Choose(key.Item.c_str());
                return true;
            }
        return false;
    }

private:
    std::vector<MenuKey> Keys;
};

constexpr unsigned OpenKeyCode = 190, ExitKeyCode = 191;

// A key pressed and released as a keyboard does, through the X server's
// test extension (loaded as the X libraries are, when the program runs on
// X11), with the input focus on the window.
void PressKeyThroughTheWindowSystem(TForm* window, unsigned keycode) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    void* xtest = x11 ? dlopen("libXtst.so.6", RTLD_NOW) : nullptr;
    if (!xtest) return;
    using FakeKey = int (*)(Display*, unsigned, int, unsigned long);
    const auto fakeKey = reinterpret_cast<FakeKey>(dlsym(xtest, "XTestFakeKeyEvent"));
    if (!fakeKey) return;
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT,
                        static_cast<xcb_window_t>(window->Widget()->winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
    fakeKey(x11->display(), keycode, 1, 0);
    fakeKey(x11->display(), keycode, 0, 0);
    XFlush(x11->display());
}

}  // namespace

int main(int argc, char** argv) {
    SetCommandLine(std::vector<std::string>(argv, argv + argc));
    QApplication application(argc, argv);
    SetMessageBoxHandler([](const MessageBoxCall& call) {
        Say("BOX " + call.Caption + ": " + call.Text);
        return DefaultMessageBoxAnswer(call.Flags);
    });
    When([] { return MainForm && MainForm->Visible(); },
         [] {
             Say("RUNNING");
             if (std::getenv("KX_PROBE_EXIT")) Choose("Exit1");
             if (const char* item = std::getenv("KX_PROBE_OPEN")) {
                 const bool exitWhileBuilt = std::getenv("KX_PROBE_EXIT_WHILE_BUILT") != nullptr;
                 When(ModalWindowShows, [exitWhileBuilt] {
                     Say("OPEN");
                     if (!exitWhileBuilt) return;
                     for (TForm* form : TForm::Forms())
                         if (form->Modal()) form->Close();
                     QTimer::singleShot(0, [] { Choose("Exit1"); });
                 });
                 if (!exitWhileBuilt) return Choose(item);
                 qApp->installEventFilter(new MenuKeys({{OpenKeyCode, item}, {ExitKeyCode, "Exit1"}}));
                 When(WindowBeingBuiltReads, [] {
                     Say("EXIT CHOSEN");
                     PressKeyThroughTheWindowSystem(MainForm, ExitKeyCode);
                 });
                 PressKeyThroughTheWindowSystem(MainForm, OpenKeyCode);
             }
         });
    const int status = RunKestrixModule();
    Say("FORMS " + std::to_string(TForm::Forms().size()));
    Say(std::string("GLOBALS ") + (MainForm || Form1 || ConfigForm ? "left" : "cleared"));
    return status;
}
