// The main of every GUI test: a QApplication on the offscreen platform
// (unless QT_QPA_PLATFORM says otherwise), the application's look, and no
// real message box or beep: a box that no test answers is logged and
// answered with its first button.

#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application->Initialize();
    ::testing::InitGoogleTest(&argc, argv);
    SetMessageBoxHandler([](const MessageBoxCall& call) {
        std::fprintf(stderr, "[message box, not answered by the test] %s: %s\n", call.Caption.c_str(),
                     call.Text.c_str());
        return DefaultMessageBoxAnswer(call.Flags);
    });
    SetBeepHandler([](DWORD, DWORD) {});
    int result = RUN_ALL_TESTS();
    Application->DestroyComponents();
    return result;
}
