#include <gtest/gtest.h>

#include "common/VxValueMarkers.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/pages/PageFixture.h"
#include "tests/support/HostTable.h"
#include "tests/support/Picture.h"

namespace {

// The pages' stack; HOST_TABLES stands for its two host tables.
const char* const PageStack = R"({
  "objects": [
    {"oid": "1.3.6.1.4.1.99.1.1.0", "type": "integer", "value": 42},
    {"oid": "1.3.6.1.4.1.99.1.2.0", "type": "string", "value": "kestrix", "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.3.0", "type": "integer", "value": 3, "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.4.0", "type": "ipaddress", "value": "10.0.0.1", "access": "read-write"}
  ],
  "tables": [
    HOST_TABLES,
    {"entry": "1.3.6.1.4.1.99.6.1", "index": [1],
     "validInvalid": {"column": 3, "valid": 3, "invalid": 2},
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "ipaddress", "access": "read-create"},
                 {"id": 3, "type": "integer", "access": "read-create"}],
     "rows": [{"values": {"1": 7, "2": "10.1.1.7", "3": 3}}]},
    {"entry": "1.3.6.1.4.1.99.7.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "ipaddress", "access": "read-write"},
                 {"id": 3, "type": "integer", "access": "read-write"}],
     "rows": [{"values": {"1": 1, "2": "10.1.1.1", "3": 3}},
              {"values": {"1": 2, "3": 2}, "absent": [2]},
              {"values": {"1": 3, "2": "10.1.1.3"}, "absent": [3]},
              {"values": {"1": 4, "2": "10.1.1.4", "3": 3}}]},
    {"entry": "1.3.6.1.4.1.99.9.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "integer", "access": "read-only"},
                 {"id": 3, "type": "integer", "access": "read-write"}],
     "rows": [{"values": {"1": 1, "2": 5}, "absent": [3]}]}
  ]
})";

// The description with the 30 rows of the long table in place.
std::string PageStackDescription() {
    std::string rows;
    for (int i = 1; i <= 30; ++i)
        rows += std::string(i > 1 ? "," : "") + R"({"values": {"1": )" + std::to_string(i) + R"(, "2": "10.7.0.)" +
                std::to_string(i) + R"(", "3": 3, "4": 1}})";
    // The host table of two rows, and one of many beside it.
    const std::string hostTables =
        HostTableDescription("1.3.6.1.4.1.99.5.1", R"({"values": {"1": 1, "2": "10.90.90.1", "3": 3, "4": 1}},
              {"values": {"1": 2, "2": "10.90.90.2", "3": 2, "4": 1}})") +
        ",\n    " + HostTableDescription("1.3.6.1.4.1.99.8.1", rows);
    std::string description = PageStack;
    description.replace(description.find("HOST_TABLES"), 11, hostTables);
    return description;
}

const VxIntPair Validity[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VxOptionList ValidityNames(Validity);

const SnmpVarItem ScalarItems[] = {
    {"1.3.6.1.4.1.99.1.1", "Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.1.2", "System Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.1.3", "State", sxInteger, acReadWrite, &StateNames},
    {"1.3.6.1.4.1.99.1.4", "Server Address", sxIpAddress, acReadWrite},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem LongTableItems[] = {
    {"1.3.6.1.4.1.99.8.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.8.1.2", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.99.8.1.3", "State", sxInteger, acReadWrite, &StateNames},
    {"1.3.6.1.4.1.99.8.1.4", "Row Status", sxInteger, acReadWrite, &RowStatusNames},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem ServerItems[] = {
    {"1.3.6.1.4.1.99.6.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.6.1.2", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.99.6.1.3", "State", sxInteger, acReadWrite, &ValidityNames},
    {nullptr, nullptr, 0, 0}};

// A table whose rows lack some columns.
const SnmpVarItem SparseItems[] = {
    {"1.3.6.1.4.1.99.7.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.7.1.2", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.99.7.1.3", "State", sxInteger, acReadWrite, &StateNames},
    {nullptr, nullptr, 0, 0}};

// A table whose one row lacks its one writable column.
const SnmpVarItem UnwritableRowItems[] = {
    {"1.3.6.1.4.1.99.9.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.9.1.2", "Count", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.9.1.3", "State", sxInteger, acReadWrite, &StateNames},
    {nullptr, nullptr, 0, 0}};

class Pages : public PageFixture {
protected:
    void SetUp() override { StartAgent(PageStackDescription()); }
    TSNMPEditorPanel* ScalarPage() { return ScalarPageOf(ScalarItems); }
};

TEST_F(Pages, ScalarPageShowsTheGroupAndSetCheckedSendsOnlyTickedRows) {
    TSNMPEditorPanel* page = ScalarPage();
    TEditsPanel* edits = page->EditsPanel;
    EXPECT_EQ(Edit(edits, 0)->Text(), "42");
    EXPECT_TRUE(Edit(edits, 0)->ReadOnly());
    EXPECT_EQ(Edit(edits, 1)->Text(), "kestrix");
    EXPECT_EQ(Combo(edits, 2)->Text(), "enabled");
    EXPECT_EQ(page->BtnPanel->SetCheckedBtn->Caption(), "Set Checked");
    EXPECT_FALSE(page->BtnPanel->SetCheckedBtn->Enabled());

    Edit(edits, 1)->SetText("core-switch");
    edits->Vars[1].CheckBox->SetChecked(true);
    EXPECT_TRUE(page->BtnPanel->SetCheckedBtn->Enabled());
    Stack->ClearTrace();
    page->BtnPanel->SetCheckedBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{R"(1.3.6.1.4.1.99.1.2.0 string "core-switch")"});
    // The one-request changes are undone.
    EXPECT_EQ(form->CurrentController->Async, 1);
    for (uint32_t i = 0; i < 4; ++i)
        EXPECT_FALSE(form->CurrentController->Request.VarList.GetItem(static_cast<int>(i))->Access & acInvalid);
    TStrings* lines = page->MsgPanel->Memo->Lines();
    EXPECT_EQ(lines->Get(lines->Count() - 1).rfind("Set: (VxSNMP++) Ok!. Receive at ", 0), 0u);
}

TEST_F(Pages, ATickedEmptyRowIsRefusedWithoutARequest) {
    TSNMPEditorPanel* page = ScalarPage();
    TEditsPanel* edits = page->EditsPanel;
    Edit(edits, 1)->SetText("filled");
    Edit(edits, 3)->SetText("");
    edits->Vars[1].CheckBox->SetChecked(true);
    edits->Vars[3].CheckBox->SetChecked(true);
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    page->BtnPanel->SetCheckedBtn->Click();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Some items are empty!");
    EXPECT_EQ(boxes.Last().Caption, "Warning");
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(form->CurrentController->Async, 1);
}

TEST_F(Pages, CheckAllTicksEnabledRowsOnly) {
    TSNMPEditorPanel* page = ScalarPage();
    page->BtnPanel->CheckAllBtn->Click();
    EXPECT_FALSE(page->EditsPanel->Vars[0].CheckBox->Checked());  // read-only row
    EXPECT_TRUE(page->EditsPanel->Vars[1].CheckBox->Checked());
    EXPECT_TRUE(page->BtnPanel->SetCheckedBtn->Enabled());
    page->BtnPanel->ClearChecksBtn->Click();
    EXPECT_EQ(page->EditsPanel->CountChecked(), 0);
    EXPECT_FALSE(page->BtnPanel->SetCheckedBtn->Enabled());
}

TEST_F(Pages, TablePageFillsItsRowsAndCounter) {
    TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
    EXPECT_EQ(Rows(page), (std::vector<std::string>{"1|10.90.90.1|enabled|active", "2|10.90.90.2|disabled|active"}));
    EXPECT_EQ(page->BtnPanel->SamplesCount->Caption(), "2");
    EXPECT_TRUE(page->BtnPanel->AddBtn->Visible());
    EXPECT_TRUE(page->BtnPanel->DeleteBtn->Visible());
    EXPECT_FALSE(page->BtnPanel->EditBtn->Enabled());
    EXPECT_FALSE(page->EditsPanel->Visible());
}

TEST_F(Pages, ARowThatLacksAColumnShowsNoValueThereAndNoOtherRowsValue) {
    TSNMPListViewPanel* page = TablePage(SparseItems, -1, nullptr, nullptr);
    const std::string none(NoSuchInstanceText);
    EXPECT_EQ(Rows(page), (std::vector<std::string>{"1|10.1.1.1|enabled", "2|" + none + "|disabled",
                                                    "3|10.1.1.3|" + none, "4|10.1.1.4|enabled"}));
    // The page's own edits, and an address split over four edits as dialogs bind it.
    std::vector<TControl*> parts;
    for (int k = 0; k < 4; ++k) parts.push_back(new TEdit(form));
    form->CurrentController->AddBinding(1, 0, sxIpAddress, nullptr, "", parts);
    auto partTexts = [&] {
        std::string text;
        for (TControl* part : parts) text += dynamic_cast<TEdit*>(part)->Text() + ";";
        return text;
    };
    TListView* list = page->ListViewPanel->ListView;
    list->SetItemIndex(0);
    EXPECT_EQ(partTexts(), "10;1;1;1;");
    list->SetItemIndex(1);
    EXPECT_EQ(Edit(page->EditsPanel, 1)->Text(), none);
    EXPECT_EQ(Combo(page->EditsPanel, 2)->Text(), "disabled");
    EXPECT_EQ(partTexts(), none + ";;;;");
    list->SetItemIndex(2);
    EXPECT_EQ(Combo(page->EditsPanel, 2)->ItemIndex(), -1);
    EXPECT_EQ(Combo(page->EditsPanel, 2)->PlaceholderText(), none);
    EXPECT_EQ(partTexts(), "10;1;1;3;");
    list->SetItemIndex(3);
    EXPECT_EQ(Combo(page->EditsPanel, 2)->PlaceholderText(), "");
}

// Edit of a row that lacks a column: every row ticked, the missing value
// untouched, only the values there are go; a value typed in its place goes.
TEST_F(Pages, AValueTheRowLacksIsWrittenOnlyOnceTheUserGivesOne) {
    TSNMPListViewPanel* page = TablePage(SparseItems, -1, nullptr, nullptr);
    TEditsPanel* edits = page->EditsPanel;
    MessageBoxRecorder boxes;
    struct Case {
        int Row;
        std::function<void()> Change;
        std::vector<std::string> Sent;
    };
    const Case cases[] = {
        {2, [&] { Edit(edits, 1)->SetText("10.1.1.30"); }, {"1.3.6.1.4.1.99.7.1.2.3 ipaddress 10.1.1.30"}},
        {1, [] {}, {"1.3.6.1.4.1.99.7.1.3.2 integer 2"}},
        {1, [&] { Edit(edits, 1)->SetText("10.1.1.2"); },
         {"1.3.6.1.4.1.99.7.1.2.2 ipaddress 10.1.1.2", "1.3.6.1.4.1.99.7.1.3.2 integer 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Row);
        WaitIdle();
        page->ListViewPanel->ListView->SetItemIndex(c.Row);
        page->ListViewPanel->ListView->OnClick(page->ListViewPanel->ListView);
        Stack->ClearTrace();
        WhenModal([&] {
            c.Change();
            DialogPage(edits)->BtnPanel->CheckAllBtn->Click();
            const size_t refusals = boxes.Count();
            DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
            if (boxes.Count() > refusals) DialogPage(edits)->BtnPanel->CloseBtn->Click();  // refused: still up
        });
        page->BtnPanel->EditBtn->Click();
        EXPECT_EQ(Stack->TraceLines(), c.Sent);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

// The edit dialog's Set of a row that lacks the value sends nothing and says
// so; nothing changed, so the table is not read again and that line stays last.
TEST_F(Pages, AnEditThatCarriesNothingSendsNothingAndItsLineStaysLast) {
    TSNMPListViewPanel* page = TablePage(UnwritableRowItems, -1, nullptr, nullptr);
    TEditsPanel* edits = page->EditsPanel;
    page->ListViewPanel->ListView->SetItemIndex(0);
    page->ListViewPanel->ListView->OnClick(page->ListViewPanel->ListView);
    Stack->ClearTrace();
    WhenModal([&] {
        TSNMPPanel* dialog = DialogPage(edits);
        EXPECT_EQ(dialog->BtnPanel->SetCheckedBtn->Caption(), "Set");
        dialog->BtnPanel->SetCheckedBtn->Click();
        EXPECT_NE(dialog->Form->ModalResult(), mrNone);  // the dialog closes, as after every Set tried
        if (dialog->Form->ModalResult() == mrNone) dialog->BtnPanel->CloseBtn->Click();
    });
    page->BtnPanel->EditBtn->Click();
    WaitIdle();
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{});
    TStrings* lines = page->MsgPanel->Memo->Lines();
    const std::string last = lines->Get(lines->Count() - 1);
    EXPECT_EQ(last.rfind("Set: (VxSNMP++) Nothing was sent: the agent has none of these values to write!", 0), 0u)
        << last;
}

TEST_F(Pages, AddCreatesARowWithCreateAndGoAndReadsTheTableAgain) {
    TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
    TEditsPanel* edits = page->EditsPanel;
    Stack->ClearTrace();
    WhenModal([&] {
        EXPECT_EQ(DialogPage(edits)->Form->Caption(), "Page:127.0.0.1 (Add)");
        EXPECT_TRUE(edits->Vars[0].CheckBox->Checked());   // index rows are always sent
        EXPECT_FALSE(edits->Vars[0].CheckBox->Enabled());
        EXPECT_EQ(Combo(edits, 3)->Text(), "createAndGo");
        Edit(edits, 0)->SetText("9");
        Edit(edits, 1)->SetText("10.90.90.9");
        edits->Vars[1].CheckBox->SetChecked(true);
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->AddBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.4.1.99.5.1.2.9 ipaddress 10.90.90.9",
                                                            "1.3.6.1.4.1.99.5.1.4.9 integer 4"}));
    WaitIdle();
    EXPECT_EQ(Rows(page).size(), 3u);
    EXPECT_EQ(Rows(page).back(), "9|10.90.90.9|enabled|active");
    EXPECT_FALSE(edits->Visible());
}

TEST_F(Pages, AnEmptyIndexOrAnUnselectedListInTheAddDialogIsRefused) {
    TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
    TEditsPanel* edits = page->EditsPanel;
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    WhenModal([&] {
        Edit(edits, 0)->SetText("9");
        edits->Vars[2].CheckBox->SetChecked(true);  // "State" left unselected
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
        EXPECT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, "Some items are empty!");
        DialogPage(edits)->BtnPanel->CloseBtn->Click();  // sends nothing
    });
    page->BtnPanel->AddBtn->Click();
    EXPECT_TRUE(Stack->TraceLines().empty());
    WaitIdle();
    EXPECT_EQ(Rows(page).size(), 2u);
}

TEST_F(Pages, EditWritesOnlyTheChangedRowOfTheSelectedTableRow) {
    TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
    TEditsPanel* edits = page->EditsPanel;
    page->ListViewPanel->ListView->SetItemIndex(1);
    page->ListViewPanel->ListView->OnClick(page->ListViewPanel->ListView);
    EXPECT_TRUE(page->BtnPanel->EditBtn->Enabled());
    Stack->ClearTrace();
    WhenModal([&] {
        EXPECT_EQ(Edit(edits, 1)->Text(), "10.90.90.2");
        EXPECT_TRUE(Edit(edits, 0)->ReadOnly());  // the key cannot change
        // The row status cannot create or destroy from here.
        EXPECT_EQ(Combo(edits, 3)->Items()->IndexOf("createAndGo"), -1);
        EXPECT_EQ(Combo(edits, 3)->Items()->IndexOf("destroy"), -1);
        Combo(edits, 2)->SetItemIndex(1);
        edits->Vars[2].CheckBox->SetChecked(true);
        DialogPage(edits)->BtnPanel->SetCheckedBtn->Click();
    });
    page->BtnPanel->EditBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.5.1.3.2 integer 3"});
    EXPECT_EQ(Combo(edits, 3)->Items()->Count(), 3);  // every label back, in order
    EXPECT_EQ(Combo(edits, 3)->Items()->Get(1), "createAndGo");
    WaitIdle();
    EXPECT_EQ(Rows(page)[1], "2|10.90.90.2|enabled|active");
}

TEST_F(Pages, DeleteDestroysTheSelectedRowAfterConfirmation) {
    TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
    page->ListViewPanel->ListView->SetItemIndex(0);
    MessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    Stack->ClearTrace();
    page->BtnPanel->DeleteBtn->Click();
    EXPECT_TRUE(Stack->TraceLines().empty());
    page->ListViewPanel->ListView->SetItemIndex(0);
    page->BtnPanel->DeleteBtn->Click();
    EXPECT_EQ(boxes.Last().Text, "Are you sure to delete ?");
    EXPECT_EQ(boxes.Last().Caption, "Delete");
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.5.1.4.1 integer 6"});
    EXPECT_EQ(Rows(page), std::vector<std::string>{"2|10.90.90.2|disabled|active"});  // read again at once
    EXPECT_EQ(form->CurrentController->Async, 1);
}

TEST_F(Pages, ValidInvalidTableHidesItsStatusRowInTheEditDialog) {
    TSNMPListViewPanel* page = TablePage(ServerItems, 2, "valid", "invalid");
    TEditsPanel* edits = page->EditsPanel;
    page->ListViewPanel->ListView->SetItemIndex(0);
    WhenModal([&] {
        EXPECT_FALSE(edits->Vars[2].ValueCtrl->Visible());
        DialogPage(edits)->BtnPanel->CloseBtn->Click();
    });
    page->BtnPanel->EditBtn->Click();
    EXPECT_EQ(Combo(edits, 2)->Items()->Count(), 2);
    EXPECT_EQ(Combo(edits, 2)->Items()->Get(0), "invalid");
    EXPECT_FALSE(form->CurrentController->Request.VarList.GetItem(2)->Access & acHidden);

    MessageBoxRecorder boxes;
    WaitIdle();
    page->ListViewPanel->ListView->SetItemIndex(0);
    Stack->ClearTrace();
    page->BtnPanel->DeleteBtn->Click();
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.6.1.3.7 integer 2"});
    EXPECT_TRUE(Rows(page).empty());
}

TEST_F(Pages, AWrongStatusValueIsRefused) {
    form = new TConfigForm(Application);
    auto* c = new VxSNMPRequest2Edits(form);
    c->Request.VarList = VxSNMPVarList(HostItems, MVT_FMV, 1);
    try {
        form->AddListViewPage(c, 3, "create", -1, nullptr);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create");
    }
    // A second page is refused; its controller stays the caller's.
    auto second = std::make_unique<VxSNMPRequest2Edits>(form);
    EXPECT_THROW(form->AddEditorPage(second.get()), Exception);
    EXPECT_EQ(form->Controllers.size(), 1u);
}

TEST_F(Pages, ClosingDuringASlowWalkWithdrawsItAndDestroysTheControllerAtOnce) {
    Stack->Control("delay 200");
    VxSNMPRequest2Edits* c = Controller(HostItems, MVT_FMV, 1);
    form->AddListViewPage(c, -1, nullptr, -1, nullptr);
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return form->CurrentController && form->CurrentController->IsBusy(); }));
    form->Close();
    EXPECT_TRUE(form->Controllers.empty());
    EXPECT_TRUE(controllerGone);
    delete form;
    form = nullptr;
    PumpUntil([] { return false; }, 500);  // a late reply must find nothing
}

TEST_F(Pages, AReadOnItsWayWhenASetStartsNeverOverwritesTheControls) {
    TSNMPEditorPanel* page = ScalarPage();
    TEditsPanel* edits = page->EditsPanel;
    Stack->Control("delay 300");
    page->BtnPanel->RefreshBtn->Click();  // a read on its way
    ASSERT_TRUE(form->CurrentController->IsBusy());
    Edit(edits, 1)->SetText("core-switch");
    edits->Vars[1].CheckBox->SetChecked(true);
    page->BtnPanel->SetCheckedBtn->Click();
    EXPECT_FALSE(form->CurrentController->IsBusy());
    PumpUntil([] { return false; }, 800);  // the read's reply comes and goes
    EXPECT_EQ(Edit(edits, 1)->Text(), "core-switch");

    Stack->Control("delay 0");
    page->BtnPanel->RefreshBtn->Click();
    WaitIdle();
    EXPECT_EQ(Edit(edits, 1)->Text(), "core-switch");  // what the agent holds now
}

TEST_F(Pages, ClosingWhileTheTableIsReadAgainAfterADeleteEndsTheWalkAndThenDeletesTheController) {
    TSNMPListViewPanel* page = TablePage(LongTableItems, 3, "createAndGo", "destroy");
    TListView* list = page->ListViewPanel->ListView;
    ASSERT_EQ(list->Items()->Count(), 30);
    // The user closes the window while the blocking re-read lets the
    // message loop run after its third row.
    bool closing = false;
    const TLVChangeEvent counter = list->OnChange;
    list->OnChange = TLVChangeEvent::Func([&](TObject* sender, TListItem* item, TItemChange change) {
        counter(sender, item, change);
        if (closing || list->Items()->Count() != 3) return;
        closing = true;
        QTimer::singleShot(0, [&] { form->Close(); });
    });
    list->SetItemIndex(0);
    MessageBoxRecorder boxes;
    page->BtnPanel->DeleteBtn->Click();

    EXPECT_TRUE(closing);
    EXPECT_EQ(list->Items()->Count(), 3);  // the walk ended there
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Controllers.empty());
    EXPECT_TRUE(controllerGone);  // once the walk had returned
}

TEST_F(Pages, ClosingWhileAddEditOrDeleteStopsAWalkFreesTheControllerOnlyAfterThem) {
    using Button = TBitBtn* TCtrlBtnPanel::*;
    for (Button button : {&TCtrlBtnPanel::AddBtn, &TCtrlBtnPanel::EditBtn, &TCtrlBtnPanel::DeleteBtn}) {
        Stack->Control("delay 0");
        TSNMPListViewPanel* page = TablePage(HostItems, 3, "createAndGo", "destroy");
        TEditsPanel* edits = page->EditsPanel;
        Stack->Control("delay 300");
        page->BtnPanel->RefreshBtn->Click();
        ASSERT_TRUE(PumpUntil([&] { return Rows(page).size() == 1; }));  // the walk runs on
        page->ListViewPanel->ListView->SetItemIndex(0);
        MessageBoxRecorder boxes;
        // The window is closed as soon as the message loop runs; an Add or
        // Edit dialog is closed then too.
        QTimer::singleShot(0, [&] { form->Close(); });
        if (button != &TCtrlBtnPanel::DeleteBtn) WhenModal([&] { DialogPage(edits)->BtnPanel->CloseBtn->Click(); });
        (page->BtnPanel->*button)->Click();
        PumpUntil([] { return false; }, 400);  // what was on its way comes and goes

        EXPECT_TRUE(form->Controllers.empty());
        EXPECT_TRUE(controllerGone);
        delete form;
        form = nullptr;
    }
}

TEST_F(Pages, PicturesOfAScalarPageAndATablePage) {
    ScalarPage();
    ExpectPicture(form, "scalar-page.png");
    delete form;
    form = nullptr;
    TablePage(HostItems, 3, "createAndGo", "destroy");
    ExpectPicture(form, "table-page.png");
}

}  // namespace
