// What the edit boxes of pages and dialogs hold, opened from the main menu as
// a user opens them (modally) against the simulated stack: values of any
// length read and written back whole, and what a refused entry leaves in its
// box once the box was emptied. Checked in the set trace.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "acl/IPRuleUnit.h"
#include "features/EquipmentBasicInfoForm.h"
#include "features/Md5EditForm.h"
#include "features/Md5InformationForm.h"
#include "framework/GUIConfigForm.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/Layout.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"
#include "tests/support/MainWindowFixture.h"

namespace {

const std::string RangeRefusal = "(VxCommon) Please enter a number between ";

class EditValues : public DialogFixture {
protected:
    // The pages and dialogs open from the main window's menu.
    void StartHost() override { Window = StartMainWindow(); }

    bool WithPageOf(const char* name, const std::function<void(TConfigForm&)>& act) {
        TMenuItem* item = FindMenuItem(name);
        return item && WithPage([&] { item->Action()->trigger(); }, act);
    }

    // As a user: types the text into the box, key by key, and leaves it with
    // Tab; the constraint's check runs as the focus goes.
    static void TypeAndLeave(TForm* window, TEdit* edit, const std::string& text) {
        ASSERT_TRUE(ActivateForm(window));
        edit->SetFocus();
        edit->SelectAll();
        QTest::keyClick(edit->Widget(), Qt::Key_Delete);
        QTest::keyClicks(edit->Widget(), QString::fromStdString(text));
        QTest::keyClick(edit->Widget(), Qt::Key_Tab);
        Application->ProcessMessages();
    }
};

// A value longer than Qt's line edit takes by default (32,767 characters)
// shows whole and goes back whole with an unchanged Set.
TEST_F(EditValues, AValueOfAnyLengthIsShownAndWrittenBackWhole) {
    std::string name;
    while (name.size() < 65000) name += "region-" + std::to_string(name.size()) + ";";
    name.resize(65000);
    OpenHostOn(R"({"units": [{"id": 1, "model": "Kestrix-50"}], "objects": [
        {"oid": "1.3.6.1.4.1.171.12.15.2.1.0", "type": "string", "value": ")" + name +
           R"(", "access": "read-write", "size": [0, 65535]},
        {"oid": "1.3.6.1.4.1.171.12.15.2.2.0", "type": "integer", "value": 3, "access": "read-write"}]})");
    const bool opened = WithPageOf("ConfigurationIdentification1", [&](TConfigForm& window) {
        TSNMPEditorPanel* page = nullptr;
        for (int i = 0; i < window.ControlCount() && !page; ++i) page = dynamic_cast<TSNMPEditorPanel*>(window.Controls(i));
        ASSERT_NE(page, nullptr);
        auto* shown = dynamic_cast<TEdit*>(page->EditsPanel->Vars[0].ValueCtrl);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Text().size(), name.size());
        EXPECT_TRUE(shown->Text() == name);
        Stack->ClearTrace();
        page->BtnPanel->ClearChecksBtn->Click();
        page->EditsPanel->Vars[0].CheckBox->SetChecked(true);
        page->BtnPanel->SetCheckedBtn->Click();
        const std::vector<std::string> trace = Stack->TraceLines();
        ASSERT_EQ(trace.size(), 1u);
        EXPECT_EQ(trace[0].rfind("1.3.6.1.4.1.171.12.15.2.1.0 string ", 0), 0u);
        EXPECT_EQ(TracedOctets(trace[0]).size(), name.size());
        EXPECT_TRUE(TracedOctets(trace[0]) == name);
    });
    EXPECT_TRUE(opened);
}

// An integer item that the agent answers with 8,000 octets shows them as
// 16,000 hex digits; the integer box keeps the decimal digits of that text,
// as dropping the letters one by one would, and the window opens at once.
TEST_F(EditValues, ALongHexTextInAnIntegerBoxIsFilteredAsAWhole) {
    std::string octets, hex;
    for (int i = 0; i < 8000; ++i) {
        static const char digits[] = "0123456789ABCDEF";
        const int octet = (i * 37 + 11) % 256;
        octets += (i ? " " : "") + std::string{digits[octet / 16], digits[octet % 16]};
        hex += {digits[octet / 16], digits[octet % 16]};
    }
    std::string kept = hex;
    std::erase_if(kept, [](char c) { return c >= 'A' && c <= 'F'; });
    OpenHostOn(R"({"units": [{"id": 1, "model": "Kestrix-50"}], "objects": [
        {"oid": "1.3.6.1.4.1.171.12.11.1.1.0", "type": "string", "value": {"hex": "a0"}},
        {"oid": "1.3.6.1.4.1.171.12.11.1.9.1.0", "type": "string", "value": {"hex": ")" + octets + R"("}},
        {"oid": "1.3.6.1.4.1.171.12.11.1.9.2.0", "type": "integer", "value": 12},
        {"oid": "1.3.6.1.4.1.171.12.11.1.9.3.0", "type": "integer", "value": 1}]})");
    BeepRecorder beeps;
    const bool opened = WithDialogOf<TEquipmentBasicInfoForm>("Test1", [&](TEquipmentBasicInfoForm& dialog) {
        EXPECT_EQ(dialog.Edit4->Text(), kept);
        EXPECT_EQ(dialog.Edit2->Text(), "12");
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(beeps.Count(), 1u);
}

// The MD5 key editor's ID box holds the ID of the last row selected until an
// add empties it: a refused ID then leaves it empty, never that row's ID,
// which a Set would write.
TEST_F(EditValues, ARefusedKeyIdAfterAnAddEmptiedTheBoxLeavesItEmpty) {
    OpenHostOn();
    const bool opened = WithDialogOf<TMd5InformationForm>("MD5Information1", [&](TMd5InformationForm& table) {
        SelectRow(table.ListView1, 2);  // key 7, whose ID the editor then holds
        ASSERT_EQ(table.Editor->KeyIDEdit->Text(), "7");
        table.DeleteButton->Click();
        ASSERT_TRUE(PumpUntil([&] { return !table.Busy(); }));
        ASSERT_EQ(Rows(table.ListView1), (std::vector<std::string>{"1|ospf-area0|active", "5|backbone|active"}));

        MessageBoxRecorder boxes;
        Stack->ClearTrace();
        auto shown = [](TMd5EditForm&) { return true; };
        const bool edited = WhileModal<TMd5EditForm>([&] { table.AddButton->Click(); }, shown, [&](TMd5EditForm& editor) {
            TypeAndLeave(&editor, editor.KeyIDEdit, "256");
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Last().Text, RangeRefusal + "1 and 255!");
            EXPECT_EQ(editor.KeyIDEdit->Text(), "");
            editor.KeyEdit->SetText("secret");
            editor.SetButton->Click();
            ASSERT_EQ(boxes.Count(), 2u);
            EXPECT_EQ(boxes.Last().Text, "KeyID is needed.");
        });
        EXPECT_TRUE(edited);
        EXPECT_TRUE(Stack->TraceLines().empty());
    });
    EXPECT_TRUE(opened);
}

// After an add the rule editor empties its fields: a refused DSCP for the
// next rule leaves its box empty, and that rule's Add is refused instead of
// carrying the DSCP of the rule before.
TEST_F(EditValues, ARefusedDscpAfterAnAddLeavesTheBoxEmptyAndIsNotSent) {
    OpenHostOn();
    const char* const Rules = "1.3.6.1.4.1.171.12.9.3.2.1";
    const bool opened = WithDialogOf<TIPRuleForm>("IPRule1", [&](TIPRuleForm& editor) {
        auto edit = [&](const char* name) { return FindChild<TEdit>(&editor, name); };
        auto addRule = [&](const char* accessId, const char* dscp) {
            edit("IPRuleEdit")->SetText("1");
            edit("AccessIDEdit")->SetText(accessId);
            FindChild<TCheckBox>(&editor, "cbxDscp")->SetChecked(true);
            TypeAndLeave(&editor, edit("DSCPEdit"), dscp);
            Stack->ClearTrace();
            FindChild<TButton>(&editor, "AddButton")->Click();
            ASSERT_TRUE(PumpUntil([&] { return !editor.Busy(); }));
        };
        MessageBoxRecorder boxes;
        addRule("20", "46");
        EXPECT_EQ(boxes.Count(), 0u);
        EXPECT_EQ(Written(Rules), (std::vector<std::string>{"6.1.20 integer 46", "22.1.20 integer 4"}));
        EXPECT_EQ(edit("DSCPEdit")->Text(), "");

        addRule("21", "99");
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(boxes.Calls()[0].Text, RangeRefusal + "0 and 63!");
        EXPECT_EQ(boxes.Calls()[1].Text, "DSCP must be set.");
        EXPECT_TRUE(Written(Rules).empty());
    });
    EXPECT_TRUE(opened);
}

}  // namespace
