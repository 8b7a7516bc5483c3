// The dialog rows of the main menu carried out, apart from the main window.

#include <memory>
#include <string>

#include "dialogbase/DialogFrame.h"
#include "framework/VxLifetime.h"
#include "main/MenuCommand.h"
#include "platform/Forms.h"

namespace {

// Sets the dialog's global back to null once the dialog is gone, whatever
// way the command ends.
struct ForgetDialog {
    const DialogLink& Link;
    ~ForgetDialog() { Link.Forget(); }
};

int WindowsBeingBuilt = 0;

// A command's window while it is built: its reads run before it shows and
// let held input through between their requests too, so that Exit or the
// main window's close box ends the build at its next request; no other
// command starts meanwhile (TMainForm::RunMenuCommand).
class WindowBuild {
public:
    WindowBuild() { ++WindowsBeingBuilt; }
    ~WindowBuild() { --WindowsBeingBuilt; }
    WindowBuild(const WindowBuild&) = delete;
    WindowBuild& operator=(const WindowBuild&) = delete;

private:
    VxInputBetweenRequests InputGoesThrough;
};

}  // namespace

bool CommandWindowBeingBuilt() { return WindowsBeingBuilt > 0; }

void RunDialogCommand(const MenuCommand& command, TComponent* mainWindow) {
    if (!command.Link) return;
    TComponent* owner = command.Owner == OwnedByMainWindow ? mainWindow : Application;
    ForgetDialog forget{*command.Link};
    std::unique_ptr<TForm> dialog;
    {
        const WindowBuild build;
        dialog.reset(command.Link->Create(owner));
    }
    if (auto* frame = dynamic_cast<TDialogFrame*>(dialog.get()))
        if (const auto caption = frame->MenuCaption(command.Title)) frame->SetCaption(*caption);
    dialog->ShowModal();
}
