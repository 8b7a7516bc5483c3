// The dialog rows of the main menu carried out, apart from the main window.

#include <memory>
#include <string>

#include "features/DialogHost.h"
#include "main/MenuCommand.h"
#include "platform/Forms.h"

namespace {

// Sets the dialog's global back to null once the dialog is gone, whatever
// way the command ends.
struct ForgetDialog {
    const DialogLink& Link;
    ~ForgetDialog() { Link.Forget(); }
};

}  // namespace

void RunDialogCommand(const MenuCommand& command, TComponent* mainWindow) {
    if (!command.Link) return;
    TComponent* owner = command.Owner == OwnedByMainWindow ? mainWindow : Application;
    ForgetDialog forget{*command.Link};
    std::unique_ptr<TForm> dialog(command.Link->Create(owner));
    if (command.Title) {
        dialog->SetCaption(command.Title + (":" + HostAgentAddress()));
    } else if (command.DialogCaption) {
        dialog->SetCaption(command.DialogCaption + (command.CaptionAddsAgent ? HostAgentAddress() : std::string()));
    }
    dialog->ShowModal();
}
