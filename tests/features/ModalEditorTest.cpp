// The three table dialogs with a modal editor (MD5 keys, BOOTP relay pairs,
// member switches), opened from their menu commands: a close of the table
// dialog while its editor is shown ends the editor's showing, and once the
// handler that showed it returns, the table's controller and the editor go.

#include <gtest/gtest.h>

#include <QTimer>

#include <functional>

#include "features/BOOTCtrlTableForm.h"
#include "features/MSEditForm.h"
#include "features/MSInformationForm.h"
#include "features/Md5EditForm.h"
#include "features/Md5InformationForm.h"
#include "features/NewBootpCtrlForm.h"
#include "platform/Layout.h"
#include "tests/support/DialogFixture.h"

namespace {

struct TableWithEditor {
    const char* Handler;  // the menu command
    const char* AddButton;
    std::function<TForm*()> Editor;  // the editor's global
    std::function<VxSNMPRequest2Edits*(TDialogFrame&)> Controller;
};

void PrintTo(const TableWithEditor& pair, std::ostream* out) { *out << pair.Handler; }

const TableWithEditor Pairs[] = {
    {"MD5Information1Click", "AddButton", [] { return static_cast<TForm*>(Md5EditForm); },
     [](TDialogFrame& d) { return dynamic_cast<TMd5InformationForm&>(d).KeyEdits; }},
    {"BOOTPCtrlTable1Click", "AddBtn", [] { return static_cast<TForm*>(NewBootpCtrlForm); },
     [](TDialogFrame& d) { return dynamic_cast<TBOOTCtrlTableForm&>(d).BootpEdits; }},
    {"MemberSwitch1Click", "AddButton", [] { return static_cast<TForm*>(MSEditForm); },
     [](TDialogFrame& d) { return dynamic_cast<TMSInformationForm&>(d).MSEdits; }},
};

class ModalEditors : public DialogFixture, public ::testing::WithParamInterface<TableWithEditor> {};

TEST_P(ModalEditors, ClosingTheTableWhileItsEditorIsShownEndsTheEditorAndDeletesIt) {
    const TableWithEditor& pair = GetParam();
    OpenHostOn();
    RunModally(pair.Handler, [&](TDialogFrame& table) {
        TForm* editor = pair.Editor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->Owner(), &table);
        bool shown = false, endedByTheClose = false;
        QTimer::singleShot(0, [&] {
            shown = editor->Modal();
            table.Close();  // as the program's exit closes it
            endedByTheClose = !editor->Modal() || editor->ModalResult() != mrNone;
            if (!endedByTheClose) editor->Close();  // so that the click below returns
        });
        FindChild<TButton>(&table, pair.AddButton)->Click();  // shows the editor until it ends
        EXPECT_TRUE(shown);
        EXPECT_TRUE(endedByTheClose);
        EXPECT_EQ(pair.Editor(), nullptr);
        EXPECT_EQ(pair.Controller(table), nullptr);
    });
}

INSTANTIATE_TEST_SUITE_P(Pairs, ModalEditors, ::testing::ValuesIn(Pairs),
                         [](const auto& info) { return std::string(info.param.Handler); });

}  // namespace
