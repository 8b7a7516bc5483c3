// The writes of the table dialogs that change the selected row, opened from
// the main menu as a user opens them: without a selected row each says so
// and nothing reaches the switch (no write to instance 0, no row status 0).

#include <gtest/gtest.h>

#include "features/CommunityStringTableForm.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

class WritesNeedASelectedRow : public DialogFixture {};

TEST_F(WritesNeedASelectedRow, WithoutOneTheDialogSaysSoAndSendsNothing) {
    OpenHostOn();
    struct Case {
        const char* command;
        const char* button;
        const char* message;
    };
    const Case cases[] = {
        {"PortsInfo1Click", "SetBtn", "Please select a port first."},
        {"MulticastForwardingInformation1Click", "SetBtn", "Please select a VLAN first."},
        {"ForwardUnregisteredInformation1Click", "SetBtn", "Please select a VLAN first."},
        {"StaticForm1Click", "SetBtn", "Please select a VLAN first."},
        {"RouteRedistributionTable1Click", "EditBtn", "Choose the item first."},
        {"RouteRedistributionTable1Click", "DeleteBtn", "Choose the item first."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.button);
        FromMenu<TDialogFrame>(c.command, [&](TDialogFrame& dialog) {
            auto* button = dynamic_cast<TControl*>(dialog.FindComponent(c.button));
            ASSERT_NE(button, nullptr);
            MessageBoxRecorder boxes;
            Stack->ClearTrace();
            button->Click();
            WaitIdle(&dialog);
            EXPECT_TRUE(Stack->TraceLines().empty());
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Last().Text, c.message);
        });
    }
}

// A Set that writes the row status shown, typed over no loaded row: the
// frame sends no status 0 (nor anything else).
TEST_F(WritesNeedASelectedRow, NoRowStatusOfNoRowGoesOut) {
    OpenHostOn();
    FromMenu<TCommunityStringTableForm>("CommunityStringTable1Click", [&](TCommunityStringTableForm& dialog) {
        dialog.Edit1->SetText("guest");
        dialog.Edit2->SetText("guest");
        ASSERT_EQ(dialog.ComboBox2->ItemIndex(), -1);
        Stack->ClearTrace();
        dialog.SetBtn->Click();
        WaitIdle(&dialog);
        EXPECT_TRUE(Stack->TraceLines().empty());
        EXPECT_NE(LastLine(dialog.Memo1).find("nothing was sent"), std::string::npos) << LastLine(dialog.Memo1);
    });
}

}  // namespace
