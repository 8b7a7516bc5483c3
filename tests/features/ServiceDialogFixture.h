#pragma once
// The layer-3 service dialogs (MD5 keys, BOOTP relay servers, route
// redistribution) against the simulated stack: opening, pressing buttons and
// acting inside an editor shown modally.

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

class ServiceDialogFixture : public DialogFixture {
protected:
    template <class T>
    T* Open() {
        OpenHostOn();
        return OpenDialog<T>();
    }

    // Runs `open` (a click that shows `editor` modally) and, inside the
    // editor's modal loop, `act`; the editor is closed after `act` unless
    // `act` closed it.
    static void WhileModal(TForm* editor, const std::function<void()>& act, const std::function<void()>& open) {
        auto ran = std::make_shared<bool>(false);
        QTimer::singleShot(0, [editor, act, ran] {
            if (!TForm::Exists(editor) || !editor->Modal()) return;
            *ran = true;
            act();
            if (TForm::Exists(editor) && editor->Modal()) editor->Close();
        });
        open();
        QCoreApplication::processEvents();
        EXPECT_TRUE(*ran) << "the editor was not shown";
    }
};
