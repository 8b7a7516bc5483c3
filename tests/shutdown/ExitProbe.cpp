// The module as the host starts it, for the tests of the ways it ends
// (ExitPathsTest.cpp): the program entry of kestrix-module, with a stand-in
// for the user:
// - every message box is answered with its first button (OK) and logged on
//   stdout as "BOX <caption>: <text>";
// - "RUNNING" goes to stdout once the main window is up in the message loop;
//   with KX_PROBE_EXIT set, File > Exit is chosen then; with KX_PROBE_OPEN
//   set to a menu item's name, that item is chosen then, and "OPEN" follows
//   once its window shows modally;
// - once the program entry has returned, while the application object still
//   stands: "FORMS <n>", the forms still there, and "GLOBALS cleared" when
//   the global form pointers (MainForm, Form1, ConfigForm) no longer point
//   at one ("GLOBALS left" otherwise).

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "features/Form1.h"
#include "framework/GUIConfigForm.h"
#include "main/Main.h"
#include "main/Program.h"
#include "platform/SysUtils.h"

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
                 When(ModalWindowShows, [] { Say("OPEN"); });
                 Choose(item);
             }
         });
    const int status = RunKestrixModule();
    Say("FORMS " + std::to_string(TForm::Forms().size()));
    Say(std::string("GLOBALS ") + (MainForm || Form1 || ConfigForm ? "left" : "cleared"));
    return status;
}
