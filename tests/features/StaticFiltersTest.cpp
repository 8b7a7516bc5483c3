// The static unicast and multicast filter dialogs against the simulated
// stack, checked in the set trace.

#include <gtest/gtest.h>

#include "features/MulticastFilterInformationForm.h"
#include "dialogbase/StackingPortUit.h"
#include "features/UnicastFilterInformationForm.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

constexpr const char* UnicastEntry = "1.3.6.1.2.1.17.7.1.3.1.1.";
constexpr const char* MulticastEntry = "1.3.6.1.2.1.17.7.1.3.2.1.";

class StaticFilters : public DialogFixture {
protected:
    static std::vector<int> Ports(TStackingPortUitForm* picker) {
        std::vector<TCheckBox*> boxes;
        for (int k = 0; k < picker->CheckBoxes.Count(); ++k) boxes.push_back(picker->Box(k));
        return Checked(boxes);
    }
};

TEST_F(StaticFilters, UnicastDeleteSendsOnlyTheStatusInvalidOfTheSelectedFilter) {
    OpenHostOn();
    auto* dialog = OpenDialog<TUnicastFilterInformationForm>();
    EXPECT_EQ(dialog->ST_Count->Caption(), "2");
    SelectRow(dialog->LV_dot1qStaticUnicastEntry, 1);
    EXPECT_EQ(dialog->ED_UnicastVID->Text(), "10");
    EXPECT_EQ(dialog->UnicastAddress->Text(), "005056A10042");
    EXPECT_EQ(dialog->UStatus->Text(), "permanent");
    EXPECT_FALSE(dialog->UStatus->Enabled());
    EXPECT_EQ(Ports(dialog->PortsPicker), (std::vector<int>{0, 1, 128}));

    Stack->ClearTrace();
    dialog->DeleteBtn->Click();
    EXPECT_EQ(dialog->ED_UnicastVID->Text(), "");
    EXPECT_EQ(Ports(dialog->PortsPicker), std::vector<int>{});
    WaitIdle(dialog);
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{std::string(UnicastEntry) + "4.10.0.80.86.161.0.66.5 integer 2"}));
    EXPECT_EQ(Rows(dialog->LV_dot1qStaticUnicastEntry).size(), 1u);
    EXPECT_EQ(dialog->ST_Count->Caption(), "1");
}

TEST_F(StaticFilters, AfterARefusedUnicastDeleteTheNextReadShowsThePortList) {
    OpenHostOn();
    auto* dialog = OpenDialog<TUnicastFilterInformationForm>();
    const std::vector<std::string> before = Rows(dialog->LV_dot1qStaticUnicastEntry);
    Stack->Control("fail-next-set genErr");
    SelectRow(dialog->LV_dot1qStaticUnicastEntry, 0);
    dialog->DeleteBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Set: ", 0), 0u);
    EXPECT_EQ(LastLine(dialog->Memo1).find("Ok!"), std::string::npos);
    dialog->RefreshBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Rows(dialog->LV_dot1qStaticUnicastEntry), before);
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].substr(0, 27), "1|001B213A4F20|0|0080000000");
}

TEST_F(StaticFilters, MulticastDeleteSendsTheEgressPortsAndTheStatusInvalid) {
    OpenHostOn();
    auto* dialog = OpenDialog<TMulticastFilterInformationForm>();
    SelectRow(dialog->LV_dot1qStaticMulticastEntry, 0);
    EXPECT_EQ(dialog->ED_MulticastVID->Text(), "1");
    EXPECT_EQ(dialog->ED_MACAddress->Text(), "01005E010203");
    EXPECT_EQ(Ports(dialog->PortsPicker), (std::vector<int>{4, 8}));

    Stack->ClearTrace();
    dialog->Button1->Click();
    EXPECT_TRUE(dialog->ED_MulticastVID->ReadOnly());
    EXPECT_FALSE(dialog->Status->Enabled());
    WaitIdle(dialog);
    const std::vector<std::string> trace = Stack->TraceLines();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].rfind(std::string(MulticastEntry) + "3.1.1.0.94.1.2.3.0 string ", 0), 0u);
    EXPECT_EQ(BitsOf(TracedOctets(trace[0])), (std::vector<int>{4, 8}));
    EXPECT_EQ(trace[1], std::string(MulticastEntry) + "5.1.1.0.94.1.2.3.0 integer 2");
    EXPECT_EQ(Rows(dialog->LV_dot1qStaticMulticastEntry).size(), 1u);
}

TEST_F(StaticFilters, OnlyTheUnicastDialogSaysWhenTheStackHasNoUnits) {
    OpenHostOn(R"({"units": []})");
    auto* unicast = OpenDialog<TUnicastFilterInformationForm>();
    EXPECT_EQ(Lines(unicast->Memo1).front(), "no device unit information");
    CloseAndDelete(unicast);
    auto* multicast = OpenDialog<TMulticastFilterInformationForm>();
    for (const std::string& line : Lines(multicast->Memo1)) EXPECT_NE(line, "no device unit information");
}

TEST_F(StaticFilters, ClosingDuringASlowWalkIsClean) {
    OpenHostOn();
    Stack->Control("delay 400");
    auto closeWhileReading = [&](TDialogFrame* dialog) {
        dialog->Show();
        EXPECT_TRUE(dialog->Busy());
        CloseAndDelete(dialog);
    };
    closeWhileReading(new TUnicastFilterInformationForm(Window));
    closeWhileReading(new TMulticastFilterInformationForm(Window));
    PumpUntil([] { return false; }, 600);  // the late replies find no one
}

}  // namespace
