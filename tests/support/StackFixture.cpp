#include "tests/support/StackFixture.h"

#include <stdlib.h>

#include <fstream>

void StackFixture::SetUp() {
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

void StackFixture::TearDown() {
    Stack.reset();
    std::filesystem::current_path(previousDirectory_);
    Dir.reset();
    Screen->SetWorkArea(0, 0, 0, 0);
}

void StackFixture::StartStack(const std::string& description) {
    std::string path = SimStackProcess::DefaultDescriptionPath();
    if (!description.empty()) {
        path = (Dir->Path() / "stack.json").string();
        std::ofstream(path) << description;
    }
    Stack = std::make_unique<SimStackProcess>(path);
    WriteCfgFile("[Program Information]\nAgentPort=" + std::to_string(Stack->Port()) + "\n");
}

void StackFixture::WriteCfgFile(const std::string& text) const {
    std::ofstream(CfgDir / "127.0.0.1.cfg", std::ios::trunc) << text;
}

void StackFixture::WriteRegistry(const std::string& text) const {
    std::ofstream(Registry, std::ios::trunc) << text;
}

TMenuItem* StackFixture::FindMenuItem(const char* name) {
    TForm* main = Application->MainForm();
    auto* item = main ? dynamic_cast<TMenuItem*>(main->FindComponent(name)) : nullptr;
    EXPECT_NE(item, nullptr) << name;
    return item;
}
