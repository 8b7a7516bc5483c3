// The bridge and stacking scalar pages against the simulated stack.

#include <gtest/gtest.h>

#include "features/EquipmentBasicInfoForm.h"
#include "features/PBridgeConfigForm.h"
#include "features/VLanGeneralInfoForm.h"
#include "tests/support/DialogFixture.h"

namespace {

class BridgeScalarPages : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        OpenHostOn();
    }
    // The memo's lines from `first` on that begin "Get:" or "Set:".
    static std::vector<std::string> Operations(const TMemo* memo, size_t first) {
        std::vector<std::string> operations;
        const std::vector<std::string> lines = Lines(memo);
        for (size_t i = first; i < lines.size(); ++i) operations.push_back(lines[i].substr(0, 4));
        return operations;
    }
};

TEST_F(BridgeScalarPages, TheEquipmentPageShowsThreeNumbersAndAnEmptyDisabledCapacity) {
    auto* dialog = OpenDialog<TEquipmentBasicInfoForm>();
    EXPECT_EQ(dialog->Edit4->Text(), "1");   // stacking version
    EXPECT_EQ(dialog->Edit2->Text(), "12");  // max supported units
    EXPECT_EQ(dialog->Edit3->Text(), "2");   // units in the stack
    EXPECT_EQ(dialog->Edit1->Text(), "");
    EXPECT_FALSE(dialog->Edit1->Enabled());
    EXPECT_TRUE(dialog->Edit2->ReadOnly());
    // The capacity is read all the same.
    EXPECT_EQ(dialog->StackingRequest->Request.VarList.GetItem(0)->Value, "A0");
}

TEST_F(BridgeScalarPages, The8021QSetSendsOnlyTheGvrpStatusAndReadsNothingAgain) {
    auto* dialog = OpenDialog<TVLanGeneralInfoForm>();
    EXPECT_EQ(dialog->VlanVersionNumber->Caption(), "1");
    EXPECT_EQ(dialog->MaxVlanId->Caption(), "4094");
    EXPECT_EQ(dialog->MaxSupportedVlans->Caption(), "255");
    EXPECT_EQ(dialog->CurrentNumOfVlans->Caption(), "2");
    EXPECT_EQ(dialog->GvrpStatus->Text(), "disabled");
    dialog->GvrpStatus->SetItemIndex(1);  // "disabled", as the agent has it
    const size_t before = Lines(dialog->Memo1).size();
    Stack->ClearTrace();
    dialog->SetBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.2.1.17.7.1.1.5.0 integer 2"}));
    EXPECT_EQ(Operations(dialog->Memo1, before), (std::vector<std::string>{"Set:"}));
}

// Set writes only the traffic classes, and reports that one write once: as
// taken, or as the agent's refusal.
TEST_F(BridgeScalarPages, The8021PSetSendsOnlyTrafficClassesEnabledAndReportsItOnce) {
    FromMenu<TPBridgeConfigForm>("BasicConfigure2Click", [&](TPBridgeConfigForm& dialog) {
        EXPECT_EQ(dialog.Edit_DeviceCapabilities->Caption(), "F0");
        EXPECT_EQ(dialog.TrafficClassesState->Text(), "true");
        EXPECT_FALSE(dialog.GmrpStatus->Visible());
        dialog.TrafficClassesState->SetItemIndex(1);
        struct Case {
            const char* Fault;
            const char* Line;
        };
        for (const Case& c : {Case{"off", "Set: (VxSNMP++) Ok!"},
                              Case{"wrongValue", "Set: (SNMP) Cannot modify variable: Bad Value!"}}) {
            SCOPED_TRACE(c.Fault);
            Stack->Control(std::string("fail-next-set ") + c.Fault);
            const size_t before = Lines(dialog.Memo1).size();
            Stack->ClearTrace();
            dialog.BT_Set->Click();
            WaitIdle(&dialog);
            EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.2.1.17.6.1.1.2.0 integer 2"}));
            const std::vector<std::string> lines = Lines(dialog.Memo1);
            ASSERT_EQ(lines.size(), before + 1);
            EXPECT_EQ(lines.back().rfind(c.Line, 0), 0u) << lines.back();
        }
        dialog.BT_Get->Click();
        WaitIdle(&dialog);
        EXPECT_EQ(dialog.TrafficClassesState->Text(), "false");
    });
}

}  // namespace
