#include "MainWindowFixture.h"

#include <stdlib.h>

#include <fstream>

#include "framework/VxSNMPRequest2Edits.h"
#include "platform/SysUtils.h"

void MainWindowFixture::SetUp() {
    Dir = std::make_unique<TempDir>("kx-main");
    CfgDir = Dir->Path() / "cfg" / "";
    std::filesystem::create_directories(CfgDir);
    Registry = Dir->Path() / "registry.reg";
    ::setenv("KESTRIX_REGISTRY", Registry.c_str(), 1);
    WriteRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]\n\"Path\"=\"" + CfgDir.string() +
                  "\"\n");
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(Dir->Path());
    Screen->SetPixelsPerInch(96);
    // A desktop screen: the headless one is smaller than a stack's window.
    Screen->SetWorkArea(0, 0, 1920, 1080);
}

void MainWindowFixture::TearDown() {
    // Closing the window may have released it already.
    if (TForm::Exists(Window)) delete Window;
    Window = nullptr;
    Application->SetMainForm(nullptr);
    Stack.reset();
    std::filesystem::current_path(previousDirectory_);
    Dir.reset();
    Screen->SetWorkArea(0, 0, 0, 0);
}

void MainWindowFixture::StartStack(const std::string& description) {
    std::string path = SimStackProcess::DefaultDescriptionPath();
    if (!description.empty()) {
        path = (Dir->Path() / "stack.json").string();
        std::ofstream(path) << description;
    }
    Stack = std::make_unique<SimStackProcess>(path);
    WriteCfgFile("[Program Information]\nAgentPort=" + std::to_string(Stack->Port()) + "\n");
}

TMainForm* MainWindowFixture::OpenMainWindow(const std::vector<std::string>& arguments) {
    std::vector<std::string> commandLine = {"kestrix-module"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    SetCommandLine(commandLine);
    Window = new TMainForm(Application);
    Application->SetMainForm(Window);
    return Window;
}

void MainWindowFixture::WriteCfgFile(const std::string& text) const {
    std::ofstream(CfgDir / "127.0.0.1.cfg", std::ios::trunc) << text;
}

void MainWindowFixture::WriteRegistry(const std::string& text) const {
    std::ofstream(Registry, std::ios::trunc) << text;
}

TMenuItem* MainWindowFixture::FindMenuItem(const char* name) const {
    auto* item = dynamic_cast<TMenuItem*>(Window->FindComponent(name));
    EXPECT_NE(item, nullptr) << name;
    return item;
}

bool MainWindowFixture::WithPage(const std::function<void()>& command, const std::function<void(TConfigForm&)>& act) {
    return WhileModal<TConfigForm>(
        command,
        [](TConfigForm& page) {
            return page.FormType != 0 && page.CurrentController == page.Controllers.front() &&
                   !page.CurrentController->IsBusy();
        },
        act);
}
