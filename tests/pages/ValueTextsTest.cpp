// Value texts on generated pages against the simulated stack: octets that
// are not UTF-8 come back unchanged, and typed values that their syntax
// cannot hold are refused before anything is sent.

#include <gtest/gtest.h>

#include <QTreeWidgetItem>

#include "platform/testing/DialogRecorder.h"
#include "tests/pages/PageFixture.h"
#include "tests/support/HostTable.h"

namespace {

// "café" and "Müller" in Latin-1: not UTF-8.
const char* const ValueStack = R"({
  "objects": [
    {"oid": "1.3.6.1.4.1.99.1.2.0", "type": "string", "value": {"hex": "63 61 66 e9"}, "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.4.0", "type": "ipaddress", "value": "10.0.0.1", "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.5.0", "type": "integer", "value": 1, "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.6.0", "type": "timeticks", "value": 0, "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.7.0", "type": "string", "value": {"hex": "00 80 2f 1a 2b 3c"},
     "access": "read-write", "size": [6, 6]}
  ],
  "tables": [
    {"entry": "1.3.6.1.4.1.99.7.1", "index": [1], "rowStatus": 4,
     "columns": [{"id": 1, "type": "string", "access": "not-accessible"},
                 {"id": 2, "type": "string", "access": "read-create"},
                 {"id": 3, "type": "integer", "access": "read-create"},
                 {"id": 4, "type": "integer", "access": "read-create"}],
     "rows": [{"values": {"1": {"hex": "4d fc 6c 6c 65 72"}, "2": {"hex": "e9 74 e9"}, "3": 1, "4": 1}},
              {"values": {"1": "Muller", "2": "plain", "3": 1, "4": 1}}]},
    {"entry": "1.3.6.1.4.1.99.8.1", "index": [1], "rowStatus": 3,
     "columns": [{"id": 1, "type": "string", "access": "not-accessible", "size": [6, 6]},
                 {"id": 2, "type": "integer", "access": "read-create"},
                 {"id": 3, "type": "integer", "access": "read-create"}],
     "rows": [{"values": {"1": {"hex": "00 80 2f 1a 2b 3c"}, "2": 1, "3": 1}}]}
  ]
})";

const SnmpVarItem ScalarItems[] = {
    {"1.3.6.1.4.1.99.1.2", "System Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.1.4", "Server Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.99.1.5", "Level", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.99.1.6", "Hold Time", sxTimeTicks, acReadWrite},
    {"1.3.6.1.4.1.99.1.7", "Router MAC", sxMacAddress, acReadWrite},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem NameItems[] = {
    {"1.3.6.1.4.1.99.7.1.1", "Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.99.7.1.2", "Description", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.7.1.3", "Level", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.99.7.1.4", "Row Status", sxInteger, acReadWrite, &RowStatusNames},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem MacItems[] = {
    {"1.3.6.1.4.1.99.8.1.1", "MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.99.8.1.2", "VLAN", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.99.8.1.3", "Row Status", sxInteger, acReadWrite, &RowStatusNames},
    {nullptr, nullptr, 0, 0}};

const std::string Cafe = "caf\xE9";
const std::string Mueller = "M\xFCller";
const char* const MuellerRow = "1.3.6.1.4.1.99.7.1.%d.6.77.252.108.108.101.114";  // column, then the index

std::string MuellerOid(int column) {
    char oid[96];
    std::snprintf(oid, sizeof oid, MuellerRow, column);
    return oid;
}

class ValueTexts : public PageFixture {
protected:
    void SetUp() override { StartAgent(ValueStack); }
    // Ticks only `row` and sends the page.
    static void SetOnly(TSNMPEditorPanel* page, int row) {
        page->BtnPanel->ClearChecksBtn->Click();
        page->EditsPanel->Vars[static_cast<size_t>(row)].CheckBox->SetChecked(true);
        page->BtnPanel->SetCheckedBtn->Click();
    }
};

TEST_F(ValueTexts, ALatin1ValueIsShownAndWrittenBackUnchanged) {
    TSNMPEditorPanel* page = ScalarPageOf(ScalarItems);
    EXPECT_EQ(Edit(page->EditsPanel, 0)->Text(), Cafe);
    Stack->ClearTrace();
    SetOnly(page, 0);
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{R"(1.3.6.1.4.1.99.1.2.0 string "caf\xe9")"});
    Edit(page->EditsPanel, 0)->SetText("");
    page->BtnPanel->RefreshBtn->Click();
    WaitIdle();
    EXPECT_EQ(Edit(page->EditsPanel, 0)->Text(), Cafe);  // the agent holds the octets it had
}

TEST_F(ValueTexts, ALatin1IndexAddressesItsOwnRowInEditAndDelete) {
    TSNMPListViewPanel* page = TablePage(NameItems, 3, "createAndGo", "destroy");
    TEditsPanel* edits = page->EditsPanel;
    ASSERT_EQ(Rows(page), (std::vector<std::string>{"Muller|plain|1|active", Mueller + "|\xE9t\xE9|1|active"}));

    page->ListViewPanel->ListView->SetItemIndex(1);
    Stack->ClearTrace();
    WhenModal([&] {
        EXPECT_EQ(Edit(edits, 0)->Text(), Mueller);
        Edit(edits, 2)->SetText("2");
        edits->Vars[1].CheckBox->SetChecked(true);  // unedited: its octets go back as they came
        edits->Vars[2].CheckBox->SetChecked(true);
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->EditBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{MuellerOid(2) + R"( string "\xe9t\xe9")",
                                                            MuellerOid(3) + " integer 2"}));
    WaitIdle();
    EXPECT_EQ(Rows(page)[1], Mueller + "|\xE9t\xE9|2|active");

    MessageBoxRecorder boxes;
    page->ListViewPanel->ListView->SetItemIndex(1);
    Stack->ClearTrace();
    page->BtnPanel->DeleteBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{MuellerOid(4) + " integer 6"});
    EXPECT_EQ(Rows(page), std::vector<std::string>{"Muller|plain|1|active"});
}

TEST_F(ValueTexts, ATypedValueItsSyntaxCannotHoldIsRefusedAndNothingIsSent) {
    TSNMPEditorPanel* page = ScalarPageOf(ScalarItems);
    struct Case {
        int row;
        const char* text;
        const char* message;
    } refused[] = {
        {1, "300.1.1.1", "Server Address: \"300.1.1.1\" is not an IP address: four numbers from 0 to 255 joined by "
                         "dots, such as 10.90.90.90."},
        {1, "10.1.2", nullptr},
        {2, "4294967295", "Level: \"4294967295\" is not a whole number from -2147483648 to 2147483647."},
        {2, "12abc", nullptr},
        {3, "500", nullptr},
        {4, "00:11:22:33:44:55", nullptr},
        {4, "00802F1A2B", nullptr},
    };
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    for (const Case& c : refused) {
        boxes.Clear();
        TEdit* edit = Edit(page->EditsPanel, c.row);
        const std::string shown = edit->Text();
        edit->SetText(c.text);
        SetOnly(page, c.row);
        edit->SetText(shown);
        ASSERT_EQ(boxes.Count(), 1u) << c.text;
        EXPECT_EQ(boxes.Last().Text.rfind(page->EditsPanel->Vars[static_cast<size_t>(c.row)].LabelCtrl->Caption() +
                                              ": \"" + c.text + "\" is not ",
                                          0),
                  0u)
            << boxes.Last().Text;
        if (c.message) {
            EXPECT_EQ(boxes.Last().Text, c.message);
        }
    }
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(form->CurrentController->Async, 1);

    // What the syntaxes hold goes out as typed.
    struct Sent {
        int row;
        const char* text;
        const char* trace;
    } accepted[] = {
        {1, "10.1.2.3", "1.3.6.1.4.1.99.1.4.0 ipaddress 10.1.2.3"},
        {2, "-7", "1.3.6.1.4.1.99.1.5.0 integer -7"},
        {3, "0:00:05.00", "1.3.6.1.4.1.99.1.6.0 timeticks 500"},
        {4, "00 01 02 03 04 0a", R"(1.3.6.1.4.1.99.1.7.0 string "\x00\x01\x02\x03\x04\x0a")"},
    };
    for (const Sent& s : accepted) {
        boxes.Clear();
        Stack->ClearTrace();
        Edit(page->EditsPanel, s.row)->SetText(s.text);
        SetOnly(page, s.row);
        EXPECT_EQ(boxes.Count(), 0u) << s.text;
        EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{s.trace});
    }
}

TEST_F(ValueTexts, NumbersLineUpAtTheRightOfTheirColumnsLabelsAndTextsAtTheLeft) {
    TSNMPListViewPanel* page = TablePage(NameItems, 3, "createAndGo", "destroy");
    TListColumns* columns = page->ListViewPanel->ListView->Columns();
    const TAlignment expected[] = {taLeftJustify, taLeftJustify, taRightJustify, taLeftJustify};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(columns->Items(c)->Alignment(), expected[c]) << c;
    QTreeWidgetItem* cells = page->ListViewPanel->ListView->Items()->Item(0)->Row();
    EXPECT_TRUE(cells->data(2, Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_FALSE(cells->data(1, Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
}

TEST_F(ValueTexts, AnAddressIndexThatIsNoMacIsRefusedInTheAddDialog) {
    TSNMPListViewPanel* page = TablePage(MacItems, 2, "createAndGo", "destroy");
    TEditsPanel* edits = page->EditsPanel;
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    WhenModal([&] {
        Edit(edits, 0)->SetText("00-11-22-33-44-5A");
        Edit(edits, 1)->SetText("5");
        edits->Vars[1].CheckBox->SetChecked(true);
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
        EXPECT_EQ(boxes.Count(), 1u);
        EXPECT_TRUE(Stack->TraceLines().empty());
        ASSERT_TRUE(DialogPage(edits));  // the dialog stays open to mend the value
        Edit(edits, 0)->SetText("00112233445A");
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->AddBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.4.1.99.8.1.2.0.17.34.51.68.90 integer 5",
                                                            "1.3.6.1.4.1.99.8.1.3.0.17.34.51.68.90 integer 4"}));
    WaitIdle();
    EXPECT_EQ(Rows(page).front(), "00112233445A|5|active");
}

}  // namespace
