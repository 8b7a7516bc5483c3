// The port trunk dialog against the simulated stack, driven as a user drives
// it, checked in the set trace: the member rule, the master port as unit and
// port, Add, Set and Delete, and the unit and port keys.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "features/PortTrunkForm.h"
#include "dialogbase/StackingPortUit.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Trunk 1 has master port 64 (ports 63-64 of unit 1), trunk 2 master port 65
// (ports 1-2 of unit 2), trunk 3 master port 0 and no members.
const char* const TrunkStack = R"({
  "units": [
    {"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"},
    {"id": 2, "model": "Brovan-26", "portRange": 26, "mode": "slave"}
  ],
  "tables": [
    {"entry": "1.3.6.1.4.1.171.11.59.8.2.9.3.1", "index": [1], "rowStatus": 7,
     "columns": [{"id": 1, "type": "integer", "access": "read-only", "range": [1, 32]},
                 {"id": 2, "type": "string", "access": "read-write", "size": [0, 12]},
                 {"id": 3, "type": "integer", "access": "read-write", "range": [0, 768]},
                 {"id": 4, "type": "string", "access": "read-write", "size": [0, 96]},
                 {"id": 5, "type": "integer", "access": "read-only"},
                 {"id": 6, "type": "integer", "access": "read-write", "values": [2, 3], "default": 2},
                 {"id": 7, "type": "integer", "access": "read-write", "default": 1}],
     "rows": [{"values": {"1": 1, "2": "edge", "3": 64, "4": {"hex": "00 00 00 00 00 00 00 03"}, "5": 64,
                          "6": 2, "7": 1}},
              {"values": {"1": 2, "2": "core", "3": 65, "4": {"hex": "00 00 00 00 00 00 00 00 c0"}, "5": 65,
                          "6": 3, "7": 2}},
              {"values": {"1": 3, "2": "spare", "3": 0, "4": {"hex": "00"}, "5": 0, "6": 2, "7": 2}}]}
  ]
})";

constexpr const char* Column = "1.3.6.1.4.1.171.11.59.8.2.9.3.1.";

class PortTrunk : public DialogFixture {
protected:
    TPortTrunkForm* Open() {
        OpenHostOn(TrunkStack);
        auto* dialog = OpenDialog<TPortTrunkForm>();
        ActivateForm(dialog);
        return dialog;
    }
    // Fills the entry for a new trunk: index, unit and port of the master,
    // the type, and the member boxes ticked.
    static void Enter(TPortTrunkForm* d, const std::string& index, const std::string& unit, const std::string& port,
                      int type, const std::vector<int>& members) {
        d->ED_Index->SetText(index);
        d->UnitEdit->SetText(unit);
        d->PortEdit->SetText(port);
        d->Combo_Type->SetItemIndex(type);
        for (int k : members) d->MemberPicker->Box(k)->SetChecked(true);
    }
    std::string Panel0(TPortTrunkForm* d) { return d->StatusBar1->Panels()->Items(0)->Text(); }
    // The entry as shown: index (and whether it takes input), name, unit,
    // port, flooding port, type, status and the ticked member boxes.
    static std::string Entry(const TPortTrunkForm& d) {
        std::string shown = d.ED_Index->Text() + (d.ED_Index->Enabled() ? "" : " (locked)");
        for (const std::string& field : {d.ED_Name->Text(), d.UnitEdit->Text(), d.PortEdit->Text(),
                                         d.ST_FloodingPort->Caption(), d.Combo_Type->Text(), d.ComboBox1->Text()})
            shown += "|" + field;
        shown += "|";
        for (int k : Checked(BoxesOf(d.MemberPicker))) shown += " " + std::to_string(k);
        return shown;
    }
};

TEST_F(PortTrunk, OpensWithTheTableAndShowsEachMasterPortAsUnitAndPort) {
    TPortTrunkForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Port Trunk Table :" + Stack->Address());
    EXPECT_EQ(Rows(dialog->LV_PortTrunk),
              (std::vector<std::string>{"1|edge|64|0000000000000003|64|static|enable",
                                        "2|core|65|0000000000000000C0|65|lacp|disable",
                                        "3|spare|0|00|0|static|disable"}));
    EXPECT_TRUE(dialog->ED_Index->Enabled());

    struct Case { int row; const char* unit; const char* port; int status; std::vector<int> members; };
    for (const Case& c : {Case{0, "1", "64", 0, {62, 63}}, Case{1, "2", "1", 1, {64, 65}}, Case{2, "0", "0", 1, {}}}) {
        SCOPED_TRACE(c.row);
        SelectRow(dialog->LV_PortTrunk, c.row);
        EXPECT_EQ(dialog->UnitEdit->Text(), c.unit);
        EXPECT_EQ(dialog->PortEdit->Text(), c.port);
        EXPECT_EQ(dialog->ComboBox1->ItemIndex(), c.status);
        EXPECT_EQ(Checked(BoxesOf(dialog->MemberPicker)), c.members);
        EXPECT_FALSE(dialog->ED_Index->Enabled());
    }
    // A click beside the rows reads the table again and frees the index.
    SelectRow(dialog->LV_PortTrunk, -1);
    EXPECT_TRUE(dialog->ED_Index->Enabled());
    EXPECT_EQ(dialog->ED_Index->Text(), "");
}

TEST_F(PortTrunk, AddChecksRefuseInOrderAndSendNothing) {
    TPortTrunkForm* dialog = Open();
    struct Case {
        const char* what;
        std::string index, unit, port;
        int type;
        std::vector<int> members;
        std::string message;
        TWinControl* focus;
        std::vector<int> membersAfter;
    };
    const std::vector<int> eight = {0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<Case> cases = {
        {"no index", "", "1", "1", 0, {0, 1}, "The index should not be empty.", dialog->ED_Index, {0, 1}},
        {"index of a row", "2", "1", "1", 0, {0, 1}, "The Index must be different!", dialog->ED_Index, {0, 1}},
        {"no unit", "5", "", "1", 0, {0, 1}, "The Unit should not be empty.", dialog->UnitEdit, {0, 1}},
        {"no port", "5", "1", "", 0, {0, 1}, "The Port should not be empty.", dialog->PortEdit, {0, 1}},
        {"no type", "5", "1", "1", -1, {0, 1}, "Please choose trunk type.", dialog->Combo_Type, {0, 1}},
        {"master of row 1", "5", "1", "64", 0, {63}, "The master port must be different!", dialog->UnitEdit, {63}},
        {"master of row 2, as 65", "5", "2", "1", 0, {64}, "The master port must be different!", dialog->UnitEdit,
         {64}},
        {"master unticked", "5", "1", "3", 0, {0, 1}, "Master port must be checked.", dialog->PortEdit, {0, 1}},
        {"master alone", "5", "1", "1", 0, {0}, "You must choose at least two members!", nullptr, {0}},
        {"nine members", "5", "1", "1", 0, {0, 1, 2, 3, 4, 5, 6, 7, 9}, "The trunk member can't over eight!",
         nullptr, eight},
        {"nine over two units", "5", "1", "1", 0, {0, 1, 2, 3, 4, 5, 6, 64, 65}, "The trunk member can't over eight!",
         nullptr, {0, 1, 2, 3, 4, 5, 6, 64}},
    };
    Stack->ClearTrace();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageBoxRecorder boxes;
        dialog->SetActiveControl(dialog->ED_Name);
        for (TCheckBox* box : BoxesOf(dialog->MemberPicker)) box->SetChecked(false);
        Enter(dialog, c.index, c.unit, c.port, c.type, c.members);
        dialog->BT_Set->Click();
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.message);
        EXPECT_EQ(dialog->ActiveControl(), c.focus ? c.focus : dialog->ED_Name);
        EXPECT_EQ(Checked(BoxesOf(dialog->MemberPicker)), c.membersAfter);
    }
    EXPECT_TRUE(Stack->TraceLines().empty());
}

TEST_F(PortTrunk, AddCreatesTheTypedIndexInOneSet) {
    TPortTrunkForm* dialog = Open();
    dialog->ED_Name->SetText("lag5");
    // Port 10 of unit 1 and port 7 of unit 2: members on two units count alike.
    Enter(dialog, "5", "1", "10", 1, {9, 70});
    Stack->ClearTrace();
    dialog->BT_Set->Click();
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.5 string \"lag5\"", "3.5 integer 10", "4.5 bits 9 70",
                                                  "6.5 integer 3", "7.5 integer 4"}));
    ASSERT_EQ(Rows(dialog->LV_PortTrunk).size(), 4u);
    EXPECT_EQ(Rows(dialog->LV_PortTrunk)[3].substr(0, 12), "5|lag5|10|00");
}

// However the entry was freed after a trunk was loaded, a new trunk starts
// from no member: what goes out is exactly what was ticked for it.
TEST_F(PortTrunk, ANewTrunkCarriesOnlyThePortsTickedForIt) {
    OpenHostOn(TrunkStack);
    struct Case {
        const char* freedBy;
        std::function<void(TPortTrunkForm&)> free;
        std::string index, port;  // the new trunk's, its master port on unit 2
        std::vector<int> members;
    };
    const Case cases[] = {
        {"Refresh", [](TPortTrunkForm& d) { d.BT_Get->Click(); }, "5", "3", {66, 67}},
        {"a click beside the rows", [](TPortTrunkForm& d) { SelectRow(d.LV_PortTrunk, -1); }, "6", "5", {68, 69}},
        {"a Set of the loaded trunk", [](TPortTrunkForm& d) { d.SetBtn->Click(); }, "7", "7", {70, 71}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.freedBy);
        FromMenu<TPortTrunkForm>("PortTrunk2Click", [&](TPortTrunkForm& dialog) {
            SelectRow(dialog.LV_PortTrunk, 0);  // trunk 1: ports 63 and 64 of unit 1
            ASSERT_EQ(Checked(BoxesOf(dialog.MemberPicker)), (std::vector<int>{62, 63}));
            c.free(dialog);
            EXPECT_EQ(Checked(BoxesOf(dialog.MemberPicker)), std::vector<int>{});
            Enter(&dialog, c.index, "2", c.port, 0, c.members);
            Stack->ClearTrace();
            dialog.BT_Set->Click();
            std::string bits = "4." + c.index + " bits";
            for (int k : c.members) bits += " " + std::to_string(k);
            const std::string master = std::to_string(64 + std::stoi(c.port));
            EXPECT_EQ(Written(Column), (std::vector<std::string>{"2." + c.index + " string \"\"",
                                                          "3." + c.index + " integer " + master, bits,
                                                          "6." + c.index + " integer 2", "7." + c.index + " integer 4"}));
        });
    }
}

// Whenever the table is read again the entry shows no trunk: no field of
// the trunk that was selected stays beside the emptied ones.
TEST_F(PortTrunk, AfterAReadOfTheTableTheEntryShowsNoTrunk) {
    OpenHostOn(TrunkStack);
    struct Case {
        const char* what;
        std::function<void(TPortTrunkForm&)> read;
    };
    const Case cases[] = {
        {"Refresh", [](TPortTrunkForm& d) { d.BT_Get->Click(); }},
        {"a click beside the rows", [](TPortTrunkForm& d) { SelectRow(d.LV_PortTrunk, -1); }},
        {"a Set", [](TPortTrunkForm& d) { d.SetBtn->Click(); }},
        {"a refused Delete",
         [this](TPortTrunkForm& d) {
             Stack->Control("fail-next-set genErr");
             d.BT_Delete->Click();
         }},
        {"a Delete", [](TPortTrunkForm& d) { d.BT_Delete->Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FromMenu<TPortTrunkForm>("PortTrunk2Click", [&](TPortTrunkForm& dialog) {
            EXPECT_EQ(Entry(dialog), "|||||||");  // as it opens
            SelectRow(dialog.LV_PortTrunk, 0);
            ASSERT_EQ(Entry(dialog), "1 (locked)|edge|1|64|64|static|enable| 62 63");
            c.read(dialog);
            EXPECT_EQ(Entry(dialog), "|||||||");
        });
    }
}

TEST_F(PortTrunk, SetWritesTheSelectedTrunkWithTheChosenStatus) {
    TPortTrunkForm* dialog = Open();
    SelectRow(dialog->LV_PortTrunk, 0);
    dialog->ComboBox1->SetItemIndex(1);  // disable
    dialog->MemberPicker->Box(61)->SetChecked(true);
    Stack->ClearTrace();
    dialog->SetBtn->Click();
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.1 string \"edge\"", "3.1 integer 64", "4.1 bits 61 62 63",
                                                  "6.1 integer 2", "7.1 integer 2"}));
    const std::string row = Rows(dialog->LV_PortTrunk)[0];
    EXPECT_EQ(row.substr(0, 26), "1|edge|64|0000000000000007");
    EXPECT_EQ(row.substr(row.size() - 18), "|64|static|disable");
    EXPECT_TRUE(dialog->ED_Index->Enabled());
    EXPECT_EQ(dialog->ED_Index->Text(), "");
}

TEST_F(PortTrunk, DeleteSendsTypeAndDestroyAndReadsEveryColumnAgainAlsoWhenRefused) {
    TPortTrunkForm* dialog = Open();
    SelectRow(dialog->LV_PortTrunk, 1);
    Stack->Control("fail-next-set genErr");
    Stack->ClearTrace();
    dialog->BT_Delete->Click();
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"6.2 integer 3", "7.2 integer 6"}));
    ASSERT_EQ(Rows(dialog->LV_PortTrunk).size(), 3u);
    EXPECT_EQ(Rows(dialog->LV_PortTrunk)[1], "2|core|65|0000000000000000C0|65|lacp|disable");
    // The refusal is what the panel says first; the read's success follows.
    EXPECT_EQ(Panel0(dialog).rfind("(SNMP) Cannot perform operation, General Error!  Get: (VxSNMP++) Ok!", 0), 0u)
        << Panel0(dialog);

    SelectRow(dialog->LV_PortTrunk, 1);
    Stack->ClearTrace();
    dialog->BT_Delete->Click();
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"6.2 integer 3", "7.2 integer 6"}));
    EXPECT_EQ(Rows(dialog->LV_PortTrunk), (std::vector<std::string>{"1|edge|64|0000000000000003|64|static|enable",
                                                                    "3|spare|0|00|0|static|disable"}));
    EXPECT_NE(Panel0(dialog).find("Ok!"), std::string::npos) << Panel0(dialog);
}

TEST_F(PortTrunk, AMasterPortBeyondTheStackIsRefusedByThePickersListAndNothingIsSent) {
    TPortTrunkForm* dialog = Open();
    MessageBoxRecorder boxes;
    Enter(dialog, "5", "13", "1", 0, {0, 1});  // 769
    Stack->ClearTrace();
    dialog->BT_Set->Click();
    EXPECT_EQ(Panel0(dialog), "List index out of bounds (768)");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_TRUE(Stack->TraceLines().empty());
}

// The unit and port fields take digits only: another typed character, and
// Backspace, beep and change nothing. Delete, the arrows, Home and End type
// nothing: they edit as in every box, typed as a user types them.
TEST_F(PortTrunk, UnitAndPortTakeDigitsOnlyWhileDeleteAndTheCursorKeysEdit) {
    OpenHostOn(TrunkStack);
    struct Case {
        const char* typed;  // first
        std::vector<Qt::Key> keys;
        const char* then;   // typed after the keys
        const char* text;
        size_t beeps;
    };
    const Case cases[] = {
        {"13", {Qt::Key_Home, Qt::Key_Delete}, "", "3", 0},
        {"13", {Qt::Key_Left, Qt::Key_Delete}, "4", "14", 0},
        {"1", {Qt::Key_Home, Qt::Key_End}, "2", "12", 0},
        {"13", {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete}, "", "1", 0},
        {"13", {Qt::Key_Backspace}, "", "13", 1},
        {"1x2", {}, "", "12", 1},
        {"1", {Qt::Key_Space}, "-", "1", 2},
    };
    FromMenu<TPortTrunkForm>("PortTrunk2Click", [&](TPortTrunkForm& dialog) {
        for (TEdit* edit : {dialog.UnitEdit, dialog.PortEdit}) {
            for (const Case& c : cases) {
                SCOPED_TRACE(edit->Name() + " " + c.typed);
                BeepRecorder beeps;
                edit->SetText("");
                edit->SetFocus();
                QTest::keyClicks(edit->Widget(), c.typed);
                for (Qt::Key key : c.keys) PressKey(edit->Widget(), key);
                QTest::keyClicks(edit->Widget(), c.then);
                EXPECT_EQ(edit->Text(), c.text);
                EXPECT_EQ(beeps.Count(), c.beeps);
            }
        }
    });
}

}  // namespace
