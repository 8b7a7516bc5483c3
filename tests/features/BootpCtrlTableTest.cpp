// The BOOTP relay server table and its add dialog against the simulated
// stack, checked in the set trace.

#include <gtest/gtest.h>

#include "features/BOOTCtrlTableForm.h"
#include "features/NewBootpCtrlForm.h"
#include "tests/features/ServiceDialogFixture.h"

namespace {

constexpr const char* Entry = "1.3.6.1.4.1.171.11.59.8.3.3.1.4.1";
// The index of interface "System" (its length and characters).
constexpr const char* SystemIndex = "6.83.121.115.116.101.109";
constexpr const char* LowerSystemIndex = "6.115.121.115.116.101.109";

std::string StateOf(const std::string& interfaceIndex, const std::string& server, int state) {
    return "3." + interfaceIndex + "." + server + " integer " + std::to_string(state);
}

class BootpCtrlTable : public ServiceDialogFixture {
protected:
    TBOOTCtrlTableForm* Open() { return ServiceDialogFixture::Open<TBOOTCtrlTableForm>(); }

    // In the add dialog: these texts, then Set; whether it closed.
    bool Add(TBOOTCtrlTableForm* dialog, const std::string& interfaceName, const std::string& server) {
        Stack->ClearTrace();
        bool closed = false;
        WhileModal(
            dialog->AddDialog,
            [&] {
                dialog->AddDialog->Edit1->SetText(interfaceName);
                dialog->AddDialog->Edit2->SetText(server);
                dialog->AddDialog->DeleteBtn->Click();
                closed = !dialog->AddDialog->Modal() || dialog->AddDialog->ModalResult() != mrNone;
            },
            [&] { dialog->AddBtn->Click(); });
        WaitIdle(dialog);
        return closed;
    }
};

TEST_F(BootpCtrlTable, ListsThePairsAndOpensTheAddDialogEmptyOnlyTheFirstTime) {
    TBOOTCtrlTableForm* dialog = Open();
    EXPECT_EQ(Rows(dialog->ListView1), (std::vector<std::string>{"System|10.90.90.2|valid", "System|10.90.90.3|valid",
                                                                 "System|10.90.90.4|valid"}));
    SelectRow(dialog->ListView1, 1);
    WhileModal(
        dialog->AddDialog,
        [&] {
            EXPECT_EQ(dialog->AddDialog->Caption(), "New Bootp Ctrl Entry");
            EXPECT_TRUE(dialog->AddDialog->Edit1->Enabled());
            EXPECT_EQ(dialog->AddDialog->Edit1->Text(), "");
            EXPECT_EQ(dialog->AddDialog->Edit2->Text(), "");
        },
        [&] { dialog->AddBtn->Click(); });
    SelectRow(dialog->ListView1, 2);
    WhileModal(
        dialog->AddDialog, [&] { EXPECT_EQ(dialog->AddDialog->Edit2->Text(), "10.90.90.4"); },
        [&] { dialog->AddBtn->Click(); });
}

TEST_F(BootpCtrlTable, AFourthServerIsAddedAFifthRefusedUnsentAndLetterCaseNamesAnotherInterface) {
    TBOOTCtrlTableForm* dialog = Open();
    MessageBoxRecorder boxes;
    EXPECT_TRUE(Add(dialog, "System", "10.90.90.5"));
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{StateOf(SystemIndex, "10.90.90.5", 3)}));
    EXPECT_EQ(Rows(dialog->ListView1).size(), 4u);

    EXPECT_FALSE(Add(dialog, "System", "10.90.90.6"));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "One Interface Can Only With Four Bootp Servers");
    EXPECT_EQ(boxes.Last().Owner, nullptr);
    EXPECT_TRUE(Stack->TraceLines().empty());

    EXPECT_TRUE(Add(dialog, "system", "10.90.90.6"));
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{StateOf(LowerSystemIndex, "10.90.90.6", 3)}));
    EXPECT_EQ(Rows(dialog->ListView1).size(), 5u);
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(BootpCtrlTable, AServerThatIsNotAnIpv4AddressIsRefusedUnsentWithTheReason) {
    TBOOTCtrlTableForm* dialog = Open();
    for (const char* server : {"", "10.90.90", "256.1.1.1", "10.90.90.9x", "10.90.90.9.1"}) {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(Add(dialog, "lab", server)) << server;
        ASSERT_EQ(boxes.Count(), 1u) << server;
        EXPECT_NE(boxes.Last().Text.find("Bootp Server IP"), std::string::npos) << boxes.Last().Text;
        EXPECT_TRUE(Stack->TraceLines().empty()) << server;
    }
}

TEST_F(BootpCtrlTable, DeleteNeedsASelectedRowAndRemovesThatPairWhateverTheAddDialogHolds) {
    TBOOTCtrlTableForm* dialog = Open();
    {
        MessageBoxRecorder boxes;
        Press(dialog, dialog->DeleteBtn);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, "Choose the item first.");
        EXPECT_TRUE(Stack->TraceLines().empty());
    }
    SelectRow(dialog->ListView1, 2);
    WhileModal(
        dialog->AddDialog,
        [&] {
            dialog->AddDialog->Edit1->SetText("lab");
            dialog->AddDialog->Edit2->SetText("10.1.1.1");
            dialog->AddDialog->BitBtn1->Click();
        },
        [&] { dialog->AddBtn->Click(); });
    Press(dialog, dialog->DeleteBtn);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{StateOf(SystemIndex, "10.90.90.4", 2)}));
    EXPECT_EQ(Rows(dialog->ListView1).size(), 2u);
}

TEST_F(BootpCtrlTable, ClosingDuringASlowWalkDeletesTheControllerBeforeTheAddDialog) {
    for (const bool byCloseButton : {false, true}) {
        TBOOTCtrlTableForm* dialog = byCloseButton ? OpenDialog<TBOOTCtrlTableForm>() : Open();
        Stack->Control("delay 300");
        dialog->RefreshBtn->Click();
        ASSERT_TRUE(PumpUntil([&] { return dialog->ListView1->Items()->Count() == 1; }));
        if (byCloseButton) dialog->CloseBtn->Click();
        else dialog->Close();  // as the window frame closes it
        EXPECT_EQ(dialog->BootpEdits, nullptr);
        EXPECT_EQ(dialog->AddDialog, nullptr);
        EXPECT_EQ(NewBootpCtrlForm, nullptr);
        PumpUntil([] { return false; }, 700);  // a late reply finds nothing
        EXPECT_EQ(dialog->ListView1->Items()->Count(), 1);
        CloseAndDelete(dialog);
        Stack->Control("delay 0");
    }
}

}  // namespace
