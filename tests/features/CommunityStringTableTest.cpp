// The community table editor against the simulated stack, driven as a user
// drives it, checked in the set trace.

#include <gtest/gtest.h>

#include "features/CommunityStringTableForm.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

constexpr const char* Column = "1.3.6.1.6.3.18.1.1.1.";

class CommunityStringTable : public DialogFixture {
protected:
    TCommunityStringTableForm* Open() {
        OpenHostOn();
        return OpenDialog<TCommunityStringTableForm>();
    }
};

TEST_F(CommunityStringTable, OpensWithTheAgentsRows) {
    TCommunityStringTableForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "CommunityStringTableForm");
    EXPECT_EQ(Rows(dialog->ListView1),
              (std::vector<std::string>{"monitor|mirabo|monitor|active", "operator|quesnal|operator|active"}));
    EXPECT_EQ(dialog->ComboBox2->Items()->Count(), 3);
}

TEST_F(CommunityStringTable, AddCreatesTheRowOnTheIndexCharactersWithoutALength) {
    TCommunityStringTableForm* dialog = Open();
    dialog->Edit1->SetText("abc");
    dialog->Edit2->SetText("lab-ro");
    dialog->Edit3->SetText("lab");
    Press(dialog, dialog->AddBtn);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.97.98.99 string \"lab-ro\"", "3.97.98.99 string \"lab\"",
                                                  "8.97.98.99 integer 4"}));
    EXPECT_EQ(Rows(dialog->ListView1).front(), "abc|lab-ro|lab|active");
}

TEST_F(CommunityStringTable, AddOnAnExistingIndexShowsTheAgentsRefusal) {
    TCommunityStringTableForm* dialog = Open();
    dialog->Edit1->SetText("monitor");
    dialog->Edit2->SetText("other");
    dialog->Edit3->SetText("monitor");
    const int lines = dialog->Memo1->Lines()->Count();
    Press(dialog, dialog->AddBtn);
    PumpUntil([] { return false; }, 300);
    ASSERT_FALSE(Stack->TraceLines().empty());
    EXPECT_EQ(Written(Column).back(), "8.109.111.110.105.116.111.114 integer 4");
    ASSERT_EQ(dialog->Memo1->Lines()->Count(), lines + 1);
    EXPECT_NE(LastLine(dialog->Memo1).find("Set"), std::string::npos);
    EXPECT_EQ(Rows(dialog->ListView1).front(), "monitor|mirabo|monitor|active");
}

TEST_F(CommunityStringTable, DeleteIsEnabledOnlyWhileARowIsSelectedAndSendsTheRowWithDestroy) {
    TCommunityStringTableForm* dialog = Open();
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    SelectRow(dialog->ListView1, 1);
    EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    SelectRow(dialog->ListView1, -1);
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    SelectRow(dialog->ListView1, 1);
    Press(dialog, dialog->DeleteBtn);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.111.112.101.114.97.116.111.114 string \"quesnal\"",
                                                  "3.111.112.101.114.97.116.111.114 string \"operator\"",
                                                  "8.111.112.101.114.97.116.111.114 integer 6"}));
    EXPECT_EQ(Rows(dialog->ListView1), (std::vector<std::string>{"monitor|mirabo|monitor|active"}));
}

TEST_F(CommunityStringTable, SetChangesTheSelectedRow) {
    TCommunityStringTableForm* dialog = Open();
    SelectRow(dialog->ListView1, 0);
    dialog->Edit2->SetText("watcher");
    Press(dialog, dialog->SetBtn);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"2.109.111.110.105.116.111.114 string \"watcher\"",
                                                  "3.109.111.110.105.116.111.114 string \"monitor\"",
                                                  "8.109.111.110.105.116.111.114 integer 1"}));
    EXPECT_EQ(Rows(dialog->ListView1).front(), "monitor|watcher|monitor|active");
}

TEST_F(CommunityStringTable, AnIndexTooLongForAnInstanceSendsNothing) {
    TCommunityStringTableForm* dialog = Open();
    dialog->Edit1->SetText(std::string(130, 'x'));
    dialog->Edit2->SetText("long");
    dialog->Edit3->SetText("long");
    const int lines = dialog->Memo1->Lines()->Count();
    Press(dialog, dialog->AddBtn);
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(dialog->Memo1->Lines()->Count(), lines + 1);
    EXPECT_EQ(Rows(dialog->ListView1).size(), 2u);
}

// A write without an index names no row: the field says so, and nothing
// goes out (not an instance the agent cannot read).
TEST_F(CommunityStringTable, AWriteWithoutAnIndexSaysTheIndexMustBeSet) {
    OpenHostOn();
    FromMenu<TCommunityStringTableForm>("CommunityStringTable1Click", [&](TCommunityStringTableForm& dialog) {
        struct Case {
            const char* what;
            int row;  // selected first; -1: none
            TButton* button;
        };
        for (const Case& c : {Case{"Add", -1, dialog.AddBtn}, Case{"Delete", 1, dialog.DeleteBtn},
                              Case{"Set", 0, dialog.SetBtn}}) {
            SCOPED_TRACE(c.what);
            SelectRow(dialog.ListView1, c.row);
            dialog.Edit1->SetText("");
            dialog.Edit2->SetText("guest");
            const int lines = dialog.Memo1->Lines()->Count();
            MessageBoxRecorder boxes;
            Press(&dialog, c.button);
            EXPECT_TRUE(Stack->TraceLines().empty());
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Last().Text, "Index must be set.");
            EXPECT_EQ(dialog.ActiveControl(), dialog.Edit1);
            EXPECT_EQ(dialog.Memo1->Lines()->Count(), lines);
        }
    });
}

}  // namespace
