// The row editor on a small editor of the test's own over the host table of
// the simulated stack, shown modally as the menu shows a dialog: what every
// table dialog with Add, Edit and Delete shares (the button state, the frame
// of every write, the row count) and the ways a record may differ.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogbase/RowLayout.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/DialogFixture.h"
#include "tests/support/HostTable.h"

namespace {

enum : int { hIndex, hAddress, hState, hRowStatus };

const RowTable kHosts{HostItems, 1, hRowStatus, "There is already a host with the same Index."};

constexpr RowField kFields[] = {
    {hIndex, "IndexEdit", "%s", "Index"},
    {hAddress, "AddressEdit", "%s", "IP Address"},
    {hState, "StateCombo", nullptr, "State"},
    RowStatusField(hRowStatus, "StatusCombo", "Row Status", nullptr, RowCreateAndGo),
};

constexpr LayoutPanel kPanels[] = {{"", 300}};
constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 400, 110},
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {8, 124, 400, 124}, .Props = "BevelOuter=bvNone"},
    {.Class = "TStaticText", .Name = "CountText", .Bounds = {416, 8, 75, 20}},
    {.Class = "TButton", .Name = "RefreshButton", .Bounds = {416, 40, 75, 25}, .Caption = "Refresh"},
    {.Class = "TButton", .Name = "SetButton", .Bounds = {416, 72, 75, 25}, .Caption = "Set"},
    {.Class = "TButton", .Name = "AddButton", .Bounds = {416, 104, 75, 25}, .Caption = "Add"},
    {.Class = "TButton", .Name = "DeleteButton", .Bounds = {416, 136, 75, 25}, .Caption = "Delete"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 254, 400, 60}},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};
constexpr FormLayout kFrame{.Name = "HostRowForm", .Caption = "Hosts", .ClientWidth = 500, .ClientHeight = 340,
                            .LargeFonts = DialogScaling::None, .Controls = kControls};
constexpr RowLayout kLayout{&kFrame, kFields, {.Parent = "EntryPanel", .Columns = {{8, 100}}}};

constexpr RowButtons kButtons{"RefreshButton", "SetButton", "Set", "AddButton", "DeleteButton"};
// Most editors.
constexpr RowEditorRecord kEditor{.Fields = kFields, .Buttons = kButtons, .CountText = "CountText"};
constexpr RowEditorRecord kClearing{
    .Fields = kFields, .Buttons = kButtons, .CountText = "CountText", .ClearsAfterRefusal = true};
// An editor that differs in every way a record can.
constexpr RowEditorRecord kFollowing{.Fields = kFields,
                                     .Buttons = kButtons,
                                     .CountText = "CountText",
                                     .Blocking = false,
                                     .Results = RowResults::Memo,
                                     .SelectionLocksKey = false,
                                     .EmptiesFields = false};

// Rules of its own: the index must be set, and an Add's not listed yet;
// Delete sends the key and the row status alone.
class THostRowForm : public TRowEditor {
public:
    THostRowForm(TComponent* owner, const RowEditorRecord& record)
        : TRowEditor(owner, BuiltRowLayout(kLayout), kHosts, record) {
        KX_BIND(Memo1);
        DoCreate();
    }

    TEdit* Edit(int item) const { return static_cast<TEdit*>(FieldControl(item)); }
    TComboBox* Combo(int item) const { return static_cast<TComboBox*>(FieldControl(item)); }
    std::string Panel0() const { return StatusBar1->Panels()->Items(0)->Text(); }
    // Which of the write of the selected row, Delete, Add and the key take
    // input, as "1" or "0" each.
    std::string States() const {
        std::string states;
        for (const TWinControl* c : {static_cast<TWinControl*>(WriteButton), static_cast<TWinControl*>(DeleteRowButton),
                                     static_cast<TWinControl*>(AddRowButton), FieldControl(hIndex)})
            states += c->Enabled() ? '1' : '0';
        return states;
    }

    TMemo* Memo1 = nullptr;

protected:
    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override {
        static constexpr const char* missing[] = {"Index must be set."};
        return CheckKeys(Rows, missing, form, write);
    }
    RowItems LeftOut(const RowSnapshot&, RowWrite write) const override {
        return write == RowWrite::Delete ? DeleteLeftOut(Rows) : RowItems{};
    }
};

constexpr const char* Column = "1.3.6.1.4.1.99.5.1.";

class RowEditor : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        StartStack(HostStack);
        OpenHost();
    }
    // Shows the editor modally, as the menu shows a dialog; once its first
    // read is over, runs `use` on it, then closes it.
    void Modally(const RowEditorRecord& record, const std::function<void(THostRowForm&)>& use) {
        WhileModal<THostRowForm>(
            [&] {
                const std::unique_ptr<THostRowForm> editor(new THostRowForm(Window, record));
                editor->ShowModal();
            },
            [](THostRowForm& editor) { return !editor.Busy(); }, use);
    }
    static void Fill(THostRowForm& editor, const std::string& index, const std::string& address) {
        editor.Edit(hIndex)->SetText(index);
        editor.Edit(hAddress)->SetText(address);
    }
};

// Most editors: a selected row is written or deleted, a new one keyed; the
// Refresh returns to no row. Where the record says otherwise, the write, Add
// and the key always take input; Delete waits for a row in both.
TEST_F(RowEditor, TheButtonsAndTheKeyFollowTheSelection) {
    struct Case {
        const char* what;
        const RowEditorRecord* record;
        const char* noRow;  // the write of the selected row, Delete, Add, the key
        const char* aRow;
    };
    for (const Case& c : {Case{"most editors", &kEditor, "0011", "1100"},
                          Case{"the key never locked", &kFollowing, "1011", "1111"}}) {
        SCOPED_TRACE(c.what);
        Modally(*c.record, [&](THostRowForm& editor) {
            ASSERT_EQ(Rows(editor.ListView1), AllHosts);
            EXPECT_EQ(editor.States(), c.noRow);
            SelectRow(editor.ListView1, 1);
            EXPECT_EQ(editor.Edit(hIndex)->Text(), "2");
            EXPECT_EQ(editor.States(), c.aRow);
            SelectRow(editor.ListView1, -1);
            EXPECT_EQ(editor.States(), c.noRow);
            SelectRow(editor.ListView1, 1);
            Press(&editor, editor.RefreshButton);
            EXPECT_EQ(editor.ListView1->Selected(), nullptr);
            EXPECT_EQ(editor.States(), c.noRow);
        });
    }
}

// Delete sends the key and destroy alone; Add sends createAndGo whatever the
// combo shows (destroy after a Delete, a row's own status). After each, no
// row is selected, the edits are empty, the combo boxes keep their choices,
// and the count follows the list, down to "0".
TEST_F(RowEditor, AddCreatesAndDeleteDestroysByTheKey) {
    Modally(kEditor, [&](THostRowForm& editor) {
        EXPECT_EQ(editor.CountText->Caption(), "3");
        SelectRow(editor.ListView1, 1);
        Press(&editor, editor.DeleteRowButton);
        EXPECT_EQ(Written(Column), std::vector<std::string>{"4.2 integer 6"});
        EXPECT_EQ(editor.CountText->Caption(), "2");
        EXPECT_EQ(editor.Combo(hRowStatus)->Text(), "destroy");
        EXPECT_EQ(editor.Panel0().rfind("Set: (VxSNMP++) Ok!", 0), 0u) << editor.Panel0();

        for (const char* shown : {"destroy", "active"}) {
            SCOPED_TRACE(shown);
            const std::string index = shown[0] == 'd' ? "7" : "8";
            Fill(editor, index, "10.0.0." + index);
            Choose(editor.Combo(hState), "disabled");
            Choose(editor.Combo(hRowStatus), shown);
            Press(&editor, editor.AddRowButton);
            EXPECT_EQ(Written(Column), (std::vector<std::string>{"2." + index + " ipaddress 10.0.0." + index,
                                                                 "3." + index + " integer 2", "4." + index + " integer 4"}));
            EXPECT_EQ(Rows(editor.ListView1).back(), index + "|10.0.0." + index + "|disabled|active");
            EXPECT_EQ(editor.ListView1->Selected(), nullptr);
            EXPECT_EQ(editor.Edit(hIndex)->Text(), "");
            EXPECT_EQ(editor.Edit(hAddress)->Text(), "");
            EXPECT_EQ(editor.Combo(hState)->Text(), "disabled");
            EXPECT_EQ(editor.Combo(hRowStatus)->Text(), "createAndGo");
        }
        EXPECT_EQ(editor.CountText->Caption(), "4");
        while (editor.ListView1->Items()->Count() > 0) {
            SelectRow(editor.ListView1, 0);
            Press(&editor, editor.DeleteRowButton);
        }
        EXPECT_EQ(editor.CountText->Caption(), "0");
    });
}

// A write the agent refuses: its message in panel 0, the fields emptied as
// after any write, and no item left out of the next read.
TEST_F(RowEditor, ARefusedWriteLeavesNoItemOut) {
    Modally(kEditor, [&](THostRowForm& editor) {
        SelectRow(editor.ListView1, 0);
        Stack->Control("fail-next-set genErr");
        Press(&editor, editor.DeleteRowButton);
        EXPECT_EQ(Written(Column), std::vector<std::string>{"4.1 integer 6"});
        EXPECT_NE(editor.Panel0().find("General Error"), std::string::npos) << editor.Panel0();
        EXPECT_EQ(editor.ListView1->Selected(), nullptr);
        EXPECT_EQ(editor.Edit(hAddress)->Text(), "");
        Press(&editor, editor.RefreshButton);
        EXPECT_EQ(Rows(editor.ListView1), AllHosts);
    });
}

// A write the checks refuse sends nothing and says why in a box, the focus
// on the field; the fields stay to be mended, or, where the record says so,
// are emptied with no row selected.
TEST_F(RowEditor, ARefusalEmptiesTheFieldsOnlyWhereTheRecordSaysSo) {
    struct Refusal {
        const char* index;
        const char* message;
    };
    for (const RowEditorRecord* record : {&kEditor, &kClearing}) {
        const bool clears = record->ClearsAfterRefusal;
        SCOPED_TRACE(clears ? "clearing" : "keeping");
        Modally(*record, [&](THostRowForm& editor) {
            for (const Refusal& r : {Refusal{"", "Index must be set."},
                                     Refusal{"2", "There is already a host with the same Index."}}) {
                SCOPED_TRACE(r.message);
                Fill(editor, r.index, "10.0.0.9");
                editor.SetActiveControl(editor.Edit(hAddress));
                MessageBoxRecorder boxes;
                Press(&editor, editor.AddRowButton);
                EXPECT_TRUE(Stack->TraceLines().empty());
                ASSERT_EQ(boxes.Count(), 1u);
                EXPECT_EQ(boxes.Last().Text, r.message);
                EXPECT_EQ(editor.ActiveControl(), editor.Edit(hIndex));
                EXPECT_EQ(editor.Edit(hAddress)->Text(), clears ? "" : "10.0.0.9");
            }
        });
    }
}

// Asynchronous, its lines in Memo1, its fields following the reads: a write
// returns once sent; the read after it empties every field, the combo boxes
// too, and Delete waits for a row again; a write the agent refuses leaves
// the fields as they were; a Set without a row status shown sends nothing.
TEST_F(RowEditor, AnEditorWhoseFieldsFollowTheReads) {
    Modally(kFollowing, [&](THostRowForm& editor) {
        ASSERT_EQ(Rows(editor.ListView1), AllHosts);
        EXPECT_EQ(editor.CountText->Caption(), "3");
        EXPECT_EQ(LastLine(editor.Memo1).rfind("Get: (VxSNMP++) Ok!", 0), 0u) << LastLine(editor.Memo1);
        EXPECT_EQ(editor.StatusBar1, nullptr);

        SelectRow(editor.ListView1, 1);
        editor.Edit(hAddress)->SetText("10.90.90.22");
        Stack->ClearTrace();
        editor.WriteButton->Click();
        EXPECT_TRUE(editor.Busy());
        WaitIdle(&editor);
        EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.2 ipaddress 10.90.90.22", "3.2 integer 2",
                                                             "4.2 integer 1"}));
        EXPECT_EQ(Rows(editor.ListView1)[1], "2|10.90.90.22|disabled|active");
        EXPECT_EQ(editor.Edit(hAddress)->Text(), "");
        EXPECT_EQ(editor.Combo(hState)->ItemIndex(), -1);
        EXPECT_EQ(editor.Combo(hRowStatus)->ItemIndex(), -1);
        EXPECT_EQ(editor.States(), "1011");

        Fill(editor, "9", "10.0.0.9");
        Stack->Control("fail-next-set genErr");
        Press(&editor, editor.AddRowButton);
        EXPECT_EQ(Written(Column).back(), "4.9 integer 4");
        EXPECT_NE(LastLine(editor.Memo1).find("General Error"), std::string::npos) << LastLine(editor.Memo1);
        EXPECT_EQ(editor.Edit(hAddress)->Text(), "10.0.0.9");

        editor.Combo(hRowStatus)->SetItemIndex(-1);
        const int lines = editor.Memo1->Lines()->Count();
        Press(&editor, editor.WriteButton);
        EXPECT_TRUE(Stack->TraceLines().empty());
        ASSERT_EQ(editor.Memo1->Lines()->Count(), lines + 1);
        EXPECT_NE(LastLine(editor.Memo1).find("No row status is chosen: nothing was sent."), std::string::npos)
            << LastLine(editor.Memo1);
    });
}

}  // namespace
