// The static VLAN editor against the simulated stack, driven as a user
// drives it, checked in the set trace; its port pickers from the unit table.

#include <gtest/gtest.h>

#include <algorithm>

#include "dialogbase/StackTables.h"
#include "dialogbase/StackingPortUit.h"
#include "features/VlanStaticForm.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Two present units of 26 and 50 ports, a Brovan configured but absent, a
// slot whose model says it is not configured. VLAN 20 holds port 3 of unit 2
// (bit 66) and forbids port 2 of unit 2 (bit 65).
const char* const VlanStack = R"({
  "units": [
    {"id": 1, "model": "Brovan-26", "portRange": 26, "mode": "master"},
    {"id": 2, "model": "Kestrix-50", "portRange": 50, "mode": "slave"},
    {"id": 3, "model": "Brovan-26", "status": "not-exist"},
    {"id": 4, "model": "usr-not-cfg", "status": "not-exist"}
  ],
  "objects": [{"oid": "1.3.6.1.2.1.17.7.1.4.4.0", "type": "integer", "value": 4097}],
  "tables": [
    {"entry": "1.3.6.1.2.1.17.7.1.4.3.1", "externalIndex": [{"type": "unsigned", "range": [1, 4094]}],
     "rowStatus": 5,
     "columns": [{"id": 1, "type": "string", "access": "read-create"},
                 {"id": 2, "type": "string", "access": "read-create"},
                 {"id": 3, "type": "string", "access": "read-create"},
                 {"id": 4, "type": "string", "access": "read-create"},
                 {"id": 5, "type": "integer", "access": "read-create"}],
     "rows": [{"index": "1", "values": {"1": "default", "2": {"hex": "ff ff ff c0"}, "3": {"hex": "00"},
                                        "4": {"hex": "ff ff ff c0"}, "5": 1}},
              {"index": "20", "values": {"1": "lab", "2": {"hex": "30 00 00 00 00 00 00 00 20"},
                                         "3": {"hex": "00 00 00 00 00 00 00 00 40"}, "4": {"hex": "10"}, "5": 1}}]}
  ]
})";

constexpr const char* Column = "1.3.6.1.2.1.17.7.1.4.3.1.";

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int k = first; k <= last; ++k) numbers.push_back(k);
    return numbers;
}

class VlanStatic : public DialogFixture {
protected:
    TVlanStaticForm* Open(const std::string& description = VlanStack) {
        OpenHostOn(description);
        return OpenDialog<TVlanStaticForm>();
    }
    static std::vector<TCheckBox*> BoxesOf(TStackingPortUitForm* picker) {
        std::vector<TCheckBox*> boxes;
        for (int k = 0; k < picker->CheckBoxes.Count(); ++k) boxes.push_back(picker->Box(k));
        return boxes;
    }
    static std::vector<std::string> ShownTabs(TStackingPortUitForm* picker) {
        std::vector<std::string> tabs;
        for (int i = 0; i < picker->TabSheets.Count(); ++i) {
            auto* sheet = picker->TabSheets.Item<TTabSheet>(i);
            if (sheet->TabVisible()) tabs.push_back(sheet->Caption() + " (" + std::to_string(ShownBoxes(picker, i + 1)) + ")");
        }
        return tabs;
    }
    static int ShownBoxes(TStackingPortUitForm* picker, int unit) {
        int shown = 0;
        for (int k = (unit - 1) * 64; k < unit * 64; ++k) shown += picker->Box(k)->Visible();
        return shown;
    }
    // The ports each picker holds: egress, forbidden, untagged.
    static std::vector<std::vector<int>> Ports(TVlanStaticForm* d) {
        return {Checked(BoxesOf(d->EgressPicker)), Checked(BoxesOf(d->ForbiddenPicker)),
                Checked(BoxesOf(d->UntaggedPicker))};
    }
};

TEST_F(VlanStatic, OpensWithTheTableAndAPagePerUnitOfTheStack) {
    TVlanStaticForm* dialog = Open();
    EXPECT_EQ(Rows(dialog->LV_dot1qVlanStaticEntry).size(), 2u);
    EXPECT_EQ(dialog->ST_Count2->Caption(), "2");
    EXPECT_EQ(dialog->NextFreeLocalVlanIndex->Caption(), "4097");
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
    EXPECT_FALSE(dialog->Status->Enabled());
    EXPECT_TRUE(Lines(dialog->Memo1).size() >= 2u);
    for (TStackingPortUitForm* picker : {dialog->EgressPicker, dialog->ForbiddenPicker, dialog->UntaggedPicker}) {
        ASSERT_EQ(picker->CheckBoxes.Count(), 768);
        EXPECT_EQ(ShownTabs(picker), (std::vector<std::string>{"Unit1 Brovan-26 (26)", "Unit2 Kestrix-50 (50)",
                                                               "Unit3 Brovan-26 (26)"}));
    }
    const std::vector<std::string> tabs = {"Egress Ports", "Forbidden Egress Ports", "Untagged Ports"};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog->PageControl1->Pages(i)->Caption(), tabs[static_cast<size_t>(i)]);
}

TEST_F(VlanStatic, AUnitRowThatCannotBeShownIsReportedAndThePagesSoFarStay) {
    OpenHostOn(VlanStack);
    Host->UnitListView->Items()->Item(1)->SubItems()->Put(UnitPortRangeColumn, "2x");
    auto* dialog = OpenDialog<TVlanStaticForm>();
    EXPECT_EQ(ShownTabs(dialog->EgressPicker).front(), "Unit1 Brovan-26 (26)");
    EXPECT_EQ(ShownBoxes(dialog->EgressPicker, 2), 0);
    EXPECT_EQ(Lines(dialog->Memo1).front(),
              "Port range \"2x\" of unit 2 from the agent is not 1 to 64: that unit is left out.");
}

TEST_F(VlanStatic, AddCreatesTheVlanWithItsPortListsInOneSet) {
    TVlanStaticForm* dialog = Open();
    dialog->ED_VLANID->SetText("10");
    dialog->ED_VLANName->SetText("sales");
    Click(dialog->EgressPicker->Box(0));
    Click(dialog->UntaggedPicker->Box(1));  // ticks egress port 2 too
    Click(dialog->EgressPicker->Box(66));   // port 3 of unit 2
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{{0, 1, 66}, {}, {1}}));
    Stack->ClearTrace();
    dialog->AddBtn->Click();
    // The entry is cleared at once; the table is read again.
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{{}, {}, {}}));
    EXPECT_EQ(dialog->ED_VLANID->Text(), "");
    WaitIdle(dialog);
    ASSERT_EQ(Written(Column), (std::vector<std::string>{"1.10 string \"sales\"", "2.10 bits 0 1 66", "3.10 bits",
                                                     "4.10 bits 1", "5.10 integer 4"}));
    const std::string egress = TracedOctets(Stack->TraceLines()[1]);
    EXPECT_EQ(egress.size(), 96u);
    EXPECT_EQ(egress[8], '\x20');
    EXPECT_EQ(dialog->ST_Count2->Caption(), "3");
    EXPECT_EQ(dialog->LV_dot1qVlanStaticEntry->Items()->Item(1)->Caption(), "10");
}

TEST_F(VlanStatic, DeleteSendsTheLoadedRowWithDestroy) {
    TVlanStaticForm* dialog = Open();
    SelectRow(dialog->LV_dot1qVlanStaticEntry, 1);
    EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    EXPECT_EQ(dialog->ED_VLANID->Text(), "20");
    EXPECT_EQ(dialog->Status->Text(), "Active");
    Stack->ClearTrace();
    dialog->DeleteBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"1.20 string \"lab\"", "2.20 bits 2 3 66", "3.20 bits 65",
                                                     "4.20 bits 3", "5.20 integer 6"}));
    EXPECT_EQ(Rows(dialog->LV_dot1qVlanStaticEntry).size(), 1u);
    EXPECT_EQ(dialog->ST_Count2->Caption(), "1");
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
}

TEST_F(VlanStatic, UntaggedPortsStayWithinTheEgressPorts) {
    TVlanStaticForm* dialog = Open();
    // A loaded row shows as the agent sent it, whatever was shown before.
    SelectRow(dialog->LV_dot1qVlanStaticEntry, 0);
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{Range(0, 25), {}, Range(0, 25)}));
    SelectRow(dialog->LV_dot1qVlanStaticEntry, 1);
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{{2, 3, 66}, {65}, {3}}));

    Click(dialog->EgressPicker->Box(3));      // clears untagged 3 as well
    Click(dialog->EgressPicker->Box(5));      // untagged 5 stays clear
    Click(dialog->UntaggedPicker->Box(7));    // ticks egress 7
    Click(dialog->UntaggedPicker->Box(7));    // egress 7 stays
    Click(dialog->ForbiddenPicker->Box(2));   // forbidden is free
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{{2, 5, 7, 66}, {2, 65}, {}}));

    // A click beside the rows clears the entry.
    SelectRow(dialog->LV_dot1qVlanStaticEntry, -1);
    EXPECT_EQ(Ports(dialog), (std::vector<std::vector<int>>{{}, {}, {}}));
    EXPECT_EQ(dialog->ED_VLANID->Text(), "");
    EXPECT_EQ(dialog->ED_VLANName->Text(), "");
    EXPECT_EQ(dialog->Status->ItemIndex(), -1);
    EXPECT_FALSE(dialog->DeleteBtn->Enabled());
}

// VLAN 30 holds port 6 untagged but not in egress, as an agent may send it.
TEST_F(VlanStatic, ALoadedRowShowsWhatTheAgentSentAndAnUntouchedSetWritesItBack) {
    std::string description = VlanStack;
    const std::string lastRow = R"("4": {"hex": "10"}, "5": 1}})";
    description.insert(description.find(lastRow) + lastRow.size(),
                       R"(, {"index": "30", "values": {"1": "odd", "2": {"hex": "80"}, "3": {"hex": "00"},
                                                       "4": {"hex": "84"}, "5": 1}})");
    OpenHostOn(description);
    FromMenu<TVlanStaticForm>("StaticForm1Click", [&](TVlanStaticForm& dialog) {
        SelectRow(dialog.LV_dot1qVlanStaticEntry, 0);  // VLAN 1 on every port first
        SelectRow(dialog.LV_dot1qVlanStaticEntry, 2);
        ASSERT_EQ(dialog.ED_VLANID->Text(), "30");
        EXPECT_EQ(Ports(&dialog), (std::vector<std::vector<int>>{{0}, {}, {0, 5}}));
        Stack->ClearTrace();
        dialog.SetBtn->Click();
        WaitIdle(&dialog);
        EXPECT_EQ(Written(Column), (std::vector<std::string>{"1.30 string \"odd\"", "2.30 bits 0", "3.30 bits",
                                                         "4.30 bits 0 5", "5.30 integer 1"}));
    });
}

TEST_F(VlanStatic, ARefusedAddIsReportedAndNothingIsReadAgain) {
    TVlanStaticForm* dialog = Open();
    dialog->ED_VLANID->SetText("20");  // there already
    const int lines = dialog->Memo1->Lines()->Count();
    Stack->ClearTrace();
    dialog->AddBtn->Click();
    WaitIdle(dialog);
    PumpUntil([] { return false; }, 300);
    ASSERT_FALSE(Stack->TraceLines().empty());
    EXPECT_EQ(Stack->TraceLines().back(), std::string(Column) + "5.20 integer 4");
    ASSERT_EQ(dialog->Memo1->Lines()->Count(), lines + 1);
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Set: ", 0), 0u);
    EXPECT_EQ(dialog->ST_Count2->Caption(), "2");
}

TEST_F(VlanStatic, AVlanIdThatIsNoWholeNumberIsRefusedBeforeAnythingIsSent) {
    TVlanStaticForm* dialog = Open();
    SelectRow(dialog->LV_dot1qVlanStaticEntry, 1);  // Set changes a selected VLAN
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    for (const char* id : {"", "1.5", "10a", " 7", "4294967297"}) {  // the last would wrap to VLAN 1
        for (TButton* button : {dialog->AddBtn, dialog->SetBtn}) {
            dialog->ED_VLANID->SetText(id);
            button->Click();
        }
    }
    EXPECT_EQ(boxes.Count(), 10u);
    EXPECT_EQ(boxes.Last().Text, "The VLAN ID must be a whole number.");
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_FALSE(dialog->Busy());
}

// A read of the table that fails, on opening or on Refresh, is the last
// word: the next-free index read's success does not stand under it.
TEST_F(VlanStatic, AFailedReadOfTheTableEndsWhatTheDialogSays) {
    OpenHostOn(VlanStack);
    const std::string table = "1.3.6.1.2.1.17.7.1.4.3";
    struct Case {
        const char* fault;
        const char* failure;  // what the last line holds
    };
    const Case cases[] = {
        {"fail-next-read 1.3.6.1.2.1.17.7.1.4.3 tooBig", "Too Big"},
        {"fail-next-read 1.3.6.1.2.1.17.7.1.4.3 genErr", "General Error"},
        {"repeat-getnext on", "the OID asked for"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        auto expectFailureLast = [&](TVlanStaticForm& dialog) {
            const std::vector<std::string> lines = Lines(dialog.Memo1);
            ASSERT_FALSE(lines.empty());
            const std::string last = lines.back();
            EXPECT_EQ(last.find("Ok!"), std::string::npos) << ::testing::PrintToString(lines);
            EXPECT_NE(last.find(c.failure), std::string::npos) << ::testing::PrintToString(lines);
            // The next-free index was read, and said so above the failure.
            EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& line) { return line.find("Ok!") != std::string::npos; }),
                      lines.end());
        };
        Stack->Control(c.fault);
        FromMenu<TVlanStaticForm>("StaticForm1Click", [&](TVlanStaticForm& dialog) {
            expectFailureLast(dialog);
            Stack->Control(c.fault);
            dialog.RefreshBtn->Click();
            WaitIdle(&dialog);
            expectFailureLast(dialog);
        });
        Stack->Control("reset");
    }
}

}  // namespace
