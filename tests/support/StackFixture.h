#pragma once
// A simulated stack as the host system sets the module up for it: a working
// directory of the test's own (the current directory while the test runs, so
// the SNMPv3 boot counter file lands there), a registry file whose MibFile
// path is the cfg directory in it, and a per-device file "127.0.0.1.cfg" that
// gives the stack's port. The screen's work area is a 1920 x 1080 desktop's
// unless a test pretends another. The main window's fixture and the dialogs'
// stand on it.

#include <gtest/gtest.h>

#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/GUIConfigForm.h"
#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "simstack/SimStackProcess.h"
#include "tests/support/TempFiles.h"

class StackFixture : public ::testing::Test {
protected:
    // How long a request waits for each answer, in 10 ms units, in the
    // suites that open windows: a loaded machine answers slowly, and a
    // request sent again would trace its set twice. A test of a silent
    // agent sets a shorter one of its own.
    static constexpr uint32_t AnswerTimeout = 500;

    void SetUp() override;
    void TearDown() override;

    // Starts the stack from a description text (empty: the default stack) and
    // writes the per-device file with its port.
    void StartStack(const std::string& description = {});
    // Replaces the per-device file of 127.0.0.1.
    void WriteCfgFile(const std::string& text) const;
    // Replaces the registry file.
    void WriteRegistry(const std::string& text) const;

    // The top-most window of that class being shown modally, or null.
    template <class T>
    static T* ModalWindow() {
        T* shown = nullptr;
        for (TForm* form : TForm::Forms())
            if (auto* window = dynamic_cast<T*>(form); window && window->Modal()) shown = window;
        return shown;
    }

    // Runs `command`, which shows a window of class T modally; inside its
    // modal loop, once `ready` says so, runs `act` on it and closes it as its
    // close box does (unless `act` closed it). A failure when no such window
    // came up or one is still up afterwards; true when `act` ran.
    template <class T>
    static bool WhileModal(const std::function<void()>& command, const std::function<bool(T&)>& ready,
                           const std::function<void(T&)>& act) {
        bool acted = false;
        QTimer poll;  // goes with this call: nothing of it runs once the command is over
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            T* window = ModalWindow<T>();
            if (!window || !ready(*window)) return;
            poll.stop();
            acted = true;
            Guarded([&] { act(*window); });
            if (TForm::Exists(window) && window->Modal()) window->Close();
        });
        poll.start();
        command();
        poll.stop();
        EXPECT_TRUE(acted) << "no window came up";
        EXPECT_EQ(ModalWindow<T>(), nullptr) << "a window is still up";
        return acted;
    }

    // The application's main window's menu item of that name (a failure when
    // there is none).
    static TMenuItem* FindMenuItem(const char* name);

    // Chooses the menu item `name` as the user does (it must be there and
    // enabled); once its dialog, of class T, is up modally and its first
    // reads are over, runs `act` on it and closes it.
    template <class T>
    static bool WithDialogOf(const char* name, const std::function<void(T&)>& act) {
        TMenuItem* item = FindMenuItem(name);
        if (!item) return false;
        EXPECT_TRUE(item->Enabled()) << name;
        return WhileModal<T>([&] { item->Action()->trigger(); }, [](T& dialog) { return !dialog.Busy(); }, act);
    }

    // Runs `command`, which shows an editor window modally; once its first
    // page has been read, runs `act` on it and closes it.
    static bool WithPage(const std::function<void()>& command, const std::function<void(TConfigForm&)>& act) {
        return WhileModal<TConfigForm>(
            command,
            [](TConfigForm& page) {
                return page.FormType != 0 && page.CurrentController == page.Controllers.front() &&
                       !page.CurrentController->IsBusy();
            },
            act);
    }

    std::unique_ptr<TempDir> Dir;
    std::filesystem::path CfgDir;    // ends in "/"
    std::filesystem::path Registry;
    std::unique_ptr<SimStackProcess> Stack;

private:
    std::filesystem::path previousDirectory_;
};
