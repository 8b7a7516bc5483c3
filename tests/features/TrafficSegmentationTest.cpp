// The traffic segmentation dialog against the simulated stack: the walk in
// the background with its Ready guard and Stop, a row's port as unit and
// port, and Set for the selected row only.

#include <gtest/gtest.h>

#include "dialogbase/StackingPortUit.h"
#include "features/TrafficSegmentationForm.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Ports 1, 2, 64 and 65 (port 1 of unit 2); port 65 may forward to ports 1
// and 2 of unit 1.
const char* const SegmentationStack = R"({
  "units": [
    {"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"},
    {"id": 2, "model": "Brovan-26", "portRange": 26, "mode": "slave"}
  ],
  "tables": [
    {"entry": "1.3.6.1.4.1.171.11.59.8.2.14.1.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "read-only", "range": [1, 768]},
                 {"id": 2, "type": "string", "access": "read-write", "size": [0, 96]}],
     "rows": [{"values": {"1": 1, "2": {"hex": "ff ff"}}},
              {"values": {"1": 2, "2": {"hex": "ff ff"}}},
              {"values": {"1": 64, "2": {"hex": "00 00 00 00 00 00 00 01"}}},
              {"values": {"1": 65, "2": {"hex": "c0"}}}]}
  ]
})";

constexpr const char* Column = "1.3.6.1.4.1.171.11.59.8.2.14.1.1.";

class TrafficSegmentation : public DialogFixture {
protected:
    TTrafficSegmentationForm* Open() {
        OpenHostOn(SegmentationStack);
        return OpenDialog<TTrafficSegmentationForm>();
    }
    static int RowCount(TTrafficSegmentationForm* d) { return d->LV_TrafficForward->Items()->Count(); }
};

TEST_F(TrafficSegmentation, RefreshDuringTheFirstWalkIsRefusedAndStopLetsANewWalkStart) {
    OpenHostOn(SegmentationStack);
    Stack->Control("delay 300");
    auto* dialog = new TTrafficSegmentationForm(Window);
    Dialog = dialog;
    dialog->Show();
    // The count follows the walk row by row.
    ASSERT_TRUE(PumpUntil([&] { return RowCount(dialog) == 1; }));
    EXPECT_EQ(dialog->StaticText1->Caption(), "1");
    ASSERT_TRUE(PumpUntil([&] { return RowCount(dialog) == 2; }));
    EXPECT_EQ(dialog->StaticText1->Caption(), "2");

    MessageBoxRecorder boxes;
    for (TButton* button : {dialog->BT_Get, dialog->BT_Set}) button->Click();
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Calls()[0].Text, "Refresh not complete");
    EXPECT_EQ(boxes.Calls()[1].Text, "Refresh not complete");

    dialog->StopBtn->Click();
    WaitIdle(dialog);
    EXPECT_LT(RowCount(dialog), 4);
    Stack->Control("delay 0");
    dialog->BT_Get->Click();
    EXPECT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(dialog->Ready, 0);
    WaitIdle(dialog);
    EXPECT_EQ(RowCount(dialog), 4);
    EXPECT_EQ(dialog->Ready, 1);
    EXPECT_EQ(dialog->StaticText1->Caption(), "4");
}

TEST_F(TrafficSegmentation, ASelectedRowShowsItsPortAsUnitAndPortAndItsForwardPorts) {
    TTrafficSegmentationForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Traffic Segmentation Table:" + Stack->Address());
    struct Case { int row; const char* unit; const char* port; std::vector<int> forward; };
    for (const Case& c : {Case{0, "1", "1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}, Case{2, "1", "64", {63}}, Case{3, "2", "1", {0, 1}}}) {
        SCOPED_TRACE(c.row);
        SelectRow(dialog->LV_TrafficForward, c.row);
        EXPECT_EQ(dialog->Combo_Unit->Text(), c.unit);
        EXPECT_EQ(dialog->Combo_Port->Text(), c.port);
        EXPECT_EQ(Checked(BoxesOf(dialog->ForwardPicker)), c.forward);
    }
    dialog->BT_Get->Click();
    EXPECT_TRUE(Checked(BoxesOf(dialog->ForwardPicker)).empty());
    WaitIdle(dialog);
    SelectRow(dialog->LV_TrafficForward, -1);
    EXPECT_EQ(dialog->Combo_Unit->Text(), "");
    EXPECT_EQ(dialog->Combo_Port->Text(), "");
}

TEST_F(TrafficSegmentation, SetWritesTheTickedPortsForTheSelectedPortOnly) {
    TTrafficSegmentationForm* dialog = Open();
    MessageBoxRecorder boxes;
    Stack->ClearTrace();
    dialog->BT_Set->Click();  // nothing selected yet
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Please select a port first.");
    EXPECT_TRUE(Stack->TraceLines().empty());

    SelectRow(dialog->LV_TrafficForward, 3);
    dialog->ForwardPicker->Box(1)->SetChecked(false);
    dialog->ForwardPicker->Box(66)->SetChecked(true);
    dialog->BT_Set->Click();
    WaitIdle(dialog);
    ASSERT_EQ(Stack->TraceLines().size(), 1u);
    const std::string line = Stack->TraceLines()[0];
    EXPECT_EQ(line.rfind(std::string(Column) + "2.65 string ", 0), 0u) << line;
    EXPECT_EQ(BitsOf(TracedOctets(line)), (std::vector<int>{0, 66}));
    EXPECT_EQ(RowCount(dialog), 4);
}

}  // namespace
