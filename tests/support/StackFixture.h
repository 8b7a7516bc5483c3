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

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/Forms.h"
#include "simstack/SimStackProcess.h"
#include "tests/support/TempFiles.h"

class StackFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the stack from a description text (empty: the default stack) and
    // writes the per-device file with its port.
    void StartStack(const std::string& description = {});
    // Replaces the per-device file of 127.0.0.1.
    void WriteCfgFile(const std::string& text) const;
    // Replaces the registry file.
    void WriteRegistry(const std::string& text) const;

    // The window of that class being shown modally, or null.
    template <class T>
    static T* ModalWindow() {
        for (TForm* form : TForm::Forms()) {
            auto* window = dynamic_cast<T*>(form);
            if (window && window->Modal()) return window;
        }
        return nullptr;
    }

    // Runs `command` (a menu command, which shows its window modally); once a
    // window of class T is up modally and `ready` says so, runs `check` on it
    // and closes it, as its close box does.
    template <class T>
    static void WhileModal(const std::function<void()>& command, const std::function<bool(T&)>& ready,
                           const std::function<void(T&)>& check) {
        bool checked = false;
        std::function<void()> poll = [&] {
            T* window = ModalWindow<T>();
            if (!window || !ready(*window)) {
                QTimer::singleShot(5, poll);
                return;
            }
            Guarded([&] { check(*window); });
            checked = true;
            window->Close();
        };
        QTimer::singleShot(0, poll);
        command();
        EXPECT_TRUE(checked) << "no window came up";
        EXPECT_EQ(ModalWindow<T>(), nullptr);
    }

    std::unique_ptr<TempDir> Dir;
    std::filesystem::path CfgDir;    // ends in "/"
    std::filesystem::path Registry;
    std::unique_ptr<SimStackProcess> Stack;

private:
    std::filesystem::path previousDirectory_;
};
