#include "tests/support/MainWindowFixture.h"

#include "platform/SysUtils.h"

TMainForm* StartMainWindow(const std::vector<std::string>& arguments) {
    std::vector<std::string> commandLine = {"kestrix-module"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    SetCommandLine(commandLine);
    auto* window = new TMainForm(Application);
    Application->SetMainForm(window);
    return window;
}

void MainWindowFixture::TearDown() {
    // Closing the window may have released it already.
    if (TForm::Exists(Window)) delete Window;
    Window = nullptr;
    Application->SetMainForm(nullptr);
    StackFixture::TearDown();
}

TMainForm* MainWindowFixture::OpenMainWindow(const std::vector<std::string>& arguments) {
    Window = StartMainWindow(arguments);
    return Window;
}
