#pragma once
// The main window started as the host starts it, against a simulated stack
// set up as the host does (StackFixture.h).
//
//   StartStack();                        // the default three-unit stack
//   TMainForm* window = OpenMainWindow(); // /I127.0.0.1 /Rmirabo /Wquesnal
//   window->StatusBar->Panels()->Items(0)->Text();
//
// The menu's windows are opened as the user opens them, modally, and acted
// on inside their modal loop:
//
//   WithDialogOf<TVlanStaticForm>("StaticForm1", [&](TVlanStaticForm& dialog) { ... });
//   WithPage([&] { window->RunMenuCommand("UnitTable1Click"); }, [&](TConfigForm& page) { ... });

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/Main.h"
#include "tests/support/StackFixture.h"

// The arguments the host gives the module for the stack's agent.
inline const std::vector<std::string> StackAgentArguments = {"/I127.0.0.1", "/Rmirabo", "/Wquesnal"};

// Builds the main window (the whole start-up) with these arguments, the
// program name in front, as the application's main window.
TMainForm* StartMainWindow(const std::vector<std::string>& arguments = StackAgentArguments);

class MainWindowFixture : public StackFixture {
protected:
    void TearDown() override;

    // Builds the main window (StartMainWindow) into Window.
    TMainForm* OpenMainWindow(const std::vector<std::string>& arguments = StackAgentArguments);

    // What the message line shows: the notice given, or, when none is
    // given, the failure line of a read.
    static void ExpectNoticeOrFailure(const std::string& shown, const std::string& notice) {
        if (notice.empty()) {
            EXPECT_EQ(shown.rfind("Get: ", 0), 0u) << shown;
            EXPECT_EQ(shown.find("Ok!"), std::string::npos) << shown;
        } else {
            EXPECT_EQ(shown, notice);
        }
    }

    TMainForm* Window = nullptr;
};
