// The member switch table and its member editor against the simulated stack,
// driven as a user drives them, checked in the set trace.

#include <gtest/gtest.h>

#include <QTimer>

#include "features/MSEditForm.h"
#include "features/MSInformationForm.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

constexpr const char* Column = "1.3.6.1.4.1.171.12.8.1.3.1.";

class MemberSwitchTable : public DialogFixture {
protected:
    TMSInformationForm* Open() {
        OpenHostOn();
        return OpenDialog<TMSInformationForm>();
    }
    // Add, with the editor filled in and Set pressed while it is up.
    void Add(TMSInformationForm* dialog, const std::string& id, const std::string& password) {
        Stack->ClearTrace();
        QTimer::singleShot(0, [=] {
            ASSERT_NE(MSEditForm, nullptr);
            EXPECT_TRUE(MSEditForm->Modal());
            EXPECT_EQ(MSEditForm->Caption(), "MS Add");
            EXPECT_TRUE(MSEditForm->KeyIDEdit->Enabled());
            EXPECT_FALSE(MSEditForm->Row_Status->Enabled());
            MSEditForm->KeyIDEdit->SetText(id);
            MSEditForm->MS_Password->SetText(password);
            MSEditForm->SetButton->Click();
        });
        dialog->AddButton->Click();
        WaitIdle(dialog);
    }
    void Delete(TMSInformationForm* dialog, int row) {
        SelectRow(dialog->ListView1, row);
        Stack->ClearTrace();
        dialog->DeleteButton->Click();
        WaitIdle(dialog);
    }
    static std::vector<std::string> Ids(const TListView* list) {
        std::vector<std::string> ids;
        for (const std::string& row : Rows(list)) ids.push_back(row.substr(0, row.find('|')));
        return ids;
    }
};

TEST_F(MemberSwitchTable, OpensWithTheMembersOfTheSwitch) {
    TMSInformationForm* dialog = Open();
    EXPECT_EQ(Rows(dialog->ListView1),
              (std::vector<std::string>{
                  "1|edge-sw-1|024B58001000|2.10.B021|Layer 2 Switch|Tallix-24 L2 Switch|100|1||createAndGo",
                  "2|edge-sw-2|024B58001100|2.10.B021|Layer 2 Switch|Morvek-24 L2 Switch|100|2||createAndGo"}));
    EXPECT_EQ(dialog->StaticText1->Caption(), "2");
    EXPECT_FALSE(dialog->EditButton->Visible());
    SelectRow(dialog->ListView1, 0);
    EXPECT_FALSE(dialog->EditButton->Visible());
    ASSERT_NE(MSEditForm, nullptr);
    EXPECT_EQ(MSEditForm->Owner(), dialog);
}

TEST_F(MemberSwitchTable, AddSendsTheIdAsCandidateSourceWithThePasswordOnItsRowAndReadsAgain) {
    TMSInformationForm* dialog = Open();
    Add(dialog, "3", "s3cret");
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"8.3 integer 3", "9.3 string \"s3cret\"", "10.3 integer 4"}));
    EXPECT_EQ(Ids(dialog->ListView1), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(MSEditForm->Visible());
    // An empty password box sends an empty password.
    Add(dialog, "4", "");
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"8.4 integer 4", "9.4 string \"\"", "10.4 integer 4"}));
}

TEST_F(MemberSwitchTable, AddWithoutAnIdSaysSoAndKeepsTheEditorOpen) {
    TMSInformationForm* dialog = Open();
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    QTimer::singleShot(0, [&] {
        MSEditForm->SetButton->Click();
        EXPECT_TRUE(MSEditForm->Visible());
        MSEditForm->CloseButton->Click();
    });
    dialog->AddButton->Click();
    WaitIdle(dialog);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "MSID is needed.");
    EXPECT_TRUE(Stack->TraceLines().empty());
}

// The typed ID is the row written to: anything but a member ID from 1 to 32
// is refused, nothing is sent and the editor stays open.
TEST_F(MemberSwitchTable, AddTakesOnlyAWholeMemberIdAsTheRow) {
    OpenHostOn();
    FromMenu<TMSInformationForm>("MemberSwitch1Click", [&](TMSInformationForm& dialog) {
        for (const char* id : {"3.5", "0", "33", "-1", "3a", "4294967299"}) {
            SCOPED_TRACE(id);
            MessageBoxRecorder boxes;
            Stack->ClearTrace();
            QTimer::singleShot(0, [&] {
                MSEditForm->KeyIDEdit->SetText(id);
                MSEditForm->SetButton->Click();
                EXPECT_TRUE(MSEditForm->Visible());
                MSEditForm->CloseButton->Click();
            });
            dialog.AddButton->Click();
            WaitIdle(&dialog);
            EXPECT_TRUE(Stack->TraceLines().empty());
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Last().Text, "MSID must be a whole number from 1 to 32.");
        }
        Add(&dialog, "32", "pw");
        EXPECT_EQ(Written(Column),
                  (std::vector<std::string>{"8.32 integer 32", "9.32 string \"pw\"", "10.32 integer 4"}));
    });
}

TEST_F(MemberSwitchTable, DeleteSendsOnlyDestroyOnTheSelectedMember) {
    TMSInformationForm* dialog = Open();
    Delete(dialog, 1);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"10.2 integer 6"}));
    EXPECT_EQ(Ids(dialog->ListView1), (std::vector<std::string>{"1"}));

    MessageBoxRecorder boxes;
    Delete(dialog, -1);
    EXPECT_TRUE(Stack->TraceLines().empty());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Choose the item first.");
}

// A refused Delete leaves every item of the editor's request in place, so
// the next Add sends the password again (and never the member ID).
TEST_F(MemberSwitchTable, AfterARefusedDeleteAddStillSendsThePassword) {
    TMSInformationForm* dialog = Open();
    MessageBoxRecorder boxes;
    Stack->Control("fail-next-set genErr");
    Delete(dialog, 0);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"10.1 integer 6"}));
    ASSERT_TRUE(PumpUntil([] { return !MSEditForm->MSEdits->IsBusy(); }));
    EXPECT_EQ(boxes.Count(), 1u);  // the agent's refusal: the editor has no memo
    EXPECT_EQ(Ids(dialog->ListView1), (std::vector<std::string>{"1", "2"}));

    Add(dialog, "5", "pw5");
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"8.5 integer 5", "9.5 string \"pw5\"", "10.5 integer 4"}));
}

// Closed by its frame while the table is walked slowly: the table's request
// and the editor go, and nothing late reaches them.
TEST_F(MemberSwitchTable, ACloseDuringASlowWalkStopsTheRequestsAndDeletesTheEditor) {
    TMSInformationForm* dialog = Open();
    Stack->Control("delay 400");
    dialog->GetButton->Click();
    ASSERT_TRUE(dialog->Busy());
    CloseAndDelete(dialog);
    EXPECT_EQ(MSEditForm, nullptr);
    PumpUntil([] { return false; }, 1000);  // a late reply would arrive meanwhile
}

}  // namespace
