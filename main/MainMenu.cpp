// The main menu: its items built from MainMenuLayout, and the one runner that
// carries out the rows of MenuCommands.def.

#include <memory>
#include <string>

#include "common/VxUtils.h"
#include "framework/GUIConfigForm.h"
#include "main/Main.h"
#include "main/MainMenuLayout.h"
#include "main/MenuCommand.h"
#include "main/StatusLine.h"
#include "platform/Help.h"

namespace {

using Handler = void (TMainForm::*)(TObject*);

struct HandlerEntry {
    const char* Name;
    Handler Method;
};

const HandlerEntry MenuHandlers[] = {
#define MENU_COMMAND(handler, row) {#handler, &TMainForm::handler},
#include "main/MenuCommands.def"
#undef MENU_COMMAND
};

Handler FindHandler(const std::string& name) {
    for (const HandlerEntry& entry : MenuHandlers)
        if (name == entry.Name) return entry.Method;
    return nullptr;
}

// Adds the items of a layout under `root`, binding each item to the handler
// named after it. A dialog that is not built yet leaves its item disabled.
void BuildMenu(TMainForm& main, TMenuItem* root, const MenuNode* nodes, size_t count) {
    std::vector<TMenuItem*> parents{root};
    for (size_t i = 0; i < count; ++i) {
        const MenuNode& node = nodes[i];
        parents.resize(static_cast<size_t>(node.Depth) + 1);
        auto* item = new TMenuItem(&main);
        item->SetName(node.Name);
        item->SetCaption(node.Caption);
        item->SetVisible(node.Visible);
        const std::string handler = std::string(node.Name) + "Click";
        if (Handler method = FindHandler(handler)) {
            item->OnClick = TNotifyEvent(&main, method);
            item->SetEnabled(FindMenuCommand(handler)->Available());
        }
        parents.back()->Add(item);
        parents.push_back(item);
    }
}

int Scaled(const TMainForm& main, const SizeStep& step) {
    return step.Scaling == ByScale ? ScaleBy(step.Pixels, main.Scale) : step.Pixels;
}

void ApplySizes(const TMainForm& main, const MenuCommand& command, TForm& window) {
    for (const SizeStep& step : command.Sizes) {
        switch (step.Change) {
        case SizeStep::None: break;
        case SizeStep::SetHeight: window.SetHeight(Scaled(main, step)); break;
        case SizeStep::AddHeight: window.SetHeight(window.Height() + Scaled(main, step)); break;
        case SizeStep::AddWidth: window.SetWidth(window.Width() + Scaled(main, step)); break;
        }
    }
}

// The red note under the spanning-tree page, owned by the main window; the
// page's window grew by the note's room before.
std::unique_ptr<TLabel> AddSpanningTreeNote(TMainForm& main, TForm& window) {
    auto note = std::make_unique<TLabel>(&main);
    note->SetCaption("Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))");
    note->Font()->SetColor(clRed);
    note->SetAlign(alBottom);
    note->SetParent(&window);
    return note;
}

// The clicked port's button, or null when the popup was not opened on one.
TSpeedButton* PopupButton(const TMainForm& main) {
    return dynamic_cast<TSpeedButton*>(main.PortInfoPopupMenu->PopupComponent());
}

// A generated page in its own editor window, shown modally and deleted.
// `instance` addresses the row of a single-row page.
void OpenPage(TMainForm& main, const MenuCommand& command, const std::string& instance = {}) {
    main.PageTitle = command.Title;
    std::unique_ptr<TConfigForm> window(new TConfigForm(Application));
    if (command.KeepsConfigForm) ConfigForm = window.get();

    auto controller = std::make_unique<VxSNMPRequest2Edits>(window.get());
    controller->Request.VarList = VxSNMPVarList(command.Table.Items, command.Kind, command.IndexCount);
    if (!instance.empty()) controller->Request.VarList.Instance = instance;
    if (command.Pattern == CommandPattern::TablePage) {
        window->AddListViewPage(controller.release(), command.RowStatusItem, command.AddValue,
                                command.RowStatusItem, command.DeleteValue);
    } else {
        window->AddEditorPage(controller.release());
    }

    ApplySizes(main, command, *window);
    std::unique_ptr<TLabel> note;
    if (command.ShowsSpanningTreeNote) note = AddSpanningTreeNote(main, *window);
    if (command.ReadsRmonStateOnClose) window->OnClose = TCloseEvent(&main, &TMainForm::RmonControlClose);
    if (command.CaptionSeparator) window->SetCaption(main.PageTitle + command.CaptionSeparator + ShownAgentAddress(main.AgentIP));

    window->ShowModal();
    note.reset();
    window.reset();
    // Nothing reads the global after start-up; it is not left pointing at a
    // window that is gone.
    if (command.KeepsConfigForm) ConfigForm = nullptr;
}

// The row of the right-clicked port: its button alone stays down.
void OpenPortPage(TMainForm& main, const MenuCommand& command) {
    TSpeedButton* button = PopupButton(main);
    if (!button) return;
    main.ReleasePortButtons();
    button->SetDown(true);
    OpenPage(main, command, std::to_string(button->Tag()));
}

// A dialog whose row has a title makes it the page title first.
void OpenDialog(TMainForm& main, const MenuCommand& command) {
    if (command.Link && command.Title) main.PageTitle = command.Title;
    RunDialogCommand(command, &main);
}

void OpenHelp() {
    WinHelpA(Application->Handle(), ExtractFilePath(Application->ExeName()) + "Kestrix zentrikhelp2.hlp",
             HELP_CONTENTS, 0);
}

}  // namespace

void TMainForm::BuildMainMenu() {
    BuildMenu(*this, MainMenu1->Items(), MainMenuLayout, MainMenuLayoutCount);
    BuildMenu(*this, PortInfoPopupMenu->Items(), PortPopupLayout, PortPopupLayoutCount);
}

#define MENU_COMMAND(handler, row) \
    void TMainForm::handler(TObject*) { RunMenuCommand(#handler); }
#include "main/MenuCommands.def"
#undef MENU_COMMAND

void TMainForm::RunMenuCommand(const char* handler) {
    const MenuCommand* command = FindMenuCommand(handler);
    if (!command) throw Exception(std::string("No menu command ") + handler);
    RunMenuCommand(*command);
}

void TMainForm::RunMenuCommand(const MenuCommand& command) {
    // One command's window at a time, as the modal windows enforce once one
    // shows: a click let through while one is built starts nothing but Exit.
    if (CommandWindowBeingBuilt() && command.Pattern != CommandPattern::Exit) return;
    StatusLine->UserActed();
    switch (command.Pattern) {
    case CommandPattern::ScalarPage:
    case CommandPattern::TablePage:
    case CommandPattern::RowPage: OpenPage(*this, command); break;
    case CommandPattern::PortRowPage: OpenPortPage(*this, command); break;
    case CommandPattern::Tool: LaunchMibTool(command.ToolPage, 0); break;
    case CommandPattern::Dialog: OpenDialog(*this, command); break;
    case CommandPattern::Help: OpenHelp(); break;
    case CommandPattern::Exit: Close(); break;
    }
}

void TMainForm::ReleasePortButtons() {
    if (!PortButtons) return;
    for (int i = 0; i < PortButtons->Count(); ++i) PortButtons->Item<TSpeedButton>(i)->SetDown(false);
}

void TMainForm::RmonControlClose(TObject* Sender, TCloseAction& Action) {
    if (auto* page = dynamic_cast<TConfigForm*>(Sender)) page->FormClose(Sender, Action);
    UpdateRmonMenu();
}
