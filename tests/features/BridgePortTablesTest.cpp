// The per-port bridge dialogs against the simulated stack: the GARP and
// port capability viewers taking turns on Form1's ready flags, and the
// 802.1Q port settings set for the selected port.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "dialogbase/Form1.h"
#include "features/GARPForm.h"
#include "features/PortCapabilities8021dForm.h"
#include "features/VLanPortInfomationForm.h"
#include "framework/VxSNMPSession.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/DialogFixture.h"

namespace {

// One unit whose first six ports carry the three per-port tables: port 5
// has GVRP on and VLAN 10 as its port VLAN.
const char* const SixPorts = R"({
  "units": [{"id": 1, "model": "Brovan-26", "portRange": 26, "mode": "master"}],
  "tables": [
    {"entry": "1.3.6.1.2.1.17.6.1.3.1.1", "externalIndex": [{"type": "integer"}],
     "columns": [{"id": 1, "type": "integer", "access": "read-write"},
                 {"id": 2, "type": "integer", "access": "read-write"},
                 {"id": 3, "type": "integer", "access": "read-write"}],
     "rows": [{"index": "1", "values": {"1": 20, "2": 60, "3": 1000}},
              {"index": "2", "values": {"1": 20, "2": 60, "3": 1000}},
              {"index": "3", "values": {"1": 20, "2": 60, "3": 1000}},
              {"index": "4", "values": {"1": 20, "2": 60, "3": 1000}},
              {"index": "5", "values": {"1": 30, "2": 90, "3": 1500}},
              {"index": "6", "values": {"1": 20, "2": 60, "3": 1000}}]},
    {"entry": "1.3.6.1.2.1.17.6.1.1.4.1", "externalIndex": [{"type": "integer"}],
     "columns": [{"id": 1, "type": "string"}],
     "rows": [{"index": "1", "values": {"1": {"hex": "e0"}}}, {"index": "2", "values": {"1": {"hex": "e0"}}},
              {"index": "3", "values": {"1": {"hex": "e0"}}}, {"index": "4", "values": {"1": {"hex": "e0"}}},
              {"index": "5", "values": {"1": {"hex": "c0"}}}, {"index": "6", "values": {"1": {"hex": "e0"}}}]},
    {"entry": "1.3.6.1.2.1.17.7.1.4.5.1", "externalIndex": [{"type": "integer"}],
     "columns": [{"id": 1, "type": "unsigned", "access": "read-write", "range": [1, 4094]},
                 {"id": 2, "type": "integer", "access": "read-write", "values": [1, 2]},
                 {"id": 3, "type": "integer", "access": "read-write", "values": [1, 2]},
                 {"id": 4, "type": "integer", "access": "read-write", "values": [1, 2]},
                 {"id": 5, "type": "counter"},
                 {"id": 6, "type": "string", "size": [6, 6]}],
     "rows": [{"index": "1", "values": {"1": 1, "2": 1, "3": 2, "4": 2, "5": 0, "6": {"hex": "000000000000"}}},
              {"index": "2", "values": {"1": 1, "2": 1, "3": 2, "4": 2, "5": 0, "6": {"hex": "000000000000"}}},
              {"index": "3", "values": {"1": 1, "2": 1, "3": 2, "4": 2, "5": 0, "6": {"hex": "000000000000"}}},
              {"index": "4", "values": {"1": 1, "2": 1, "3": 2, "4": 2, "5": 0, "6": {"hex": "000000000000"}}},
              {"index": "5", "values": {"1": 10, "2": 1, "3": 1, "4": 1, "5": 3, "6": {"hex": "001b213a4f10"}}},
              {"index": "6", "values": {"1": 1, "2": 1, "3": 2, "4": 2, "5": 0, "6": {"hex": "000000000000"}}}]}
  ]
})";
constexpr size_t Ports = 6;

class BridgePortTables : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        Form1 = new TForm1(Application);
    }
    void TearDown() override {
        DialogFixture::TearDown();
        delete Form1;
        Form1 = nullptr;
    }
    static bool Ready() { return Form1->Ready1 && Form1->Ready2; }
    static int ResultLines(const TMemo* memo, const std::string& start) {
        int count = 0;
        for (const std::string& line : Lines(memo)) count += line.rfind(start, 0) == 0;
        return count;
    }
};

TEST_F(BridgePortTables, TheGarpViewerListsEveryPortAndIgnoresARefreshWhileItReads) {
    OpenHostOn(SixPorts);
    auto* dialog = OpenDialog<TGARPForm>();
    ASSERT_EQ(Rows(dialog->LV_dot1dPortGarpEntry).size(), Ports);
    EXPECT_EQ(Rows(dialog->LV_dot1dPortGarpEntry).front(), "1|20|60|1000");
    EXPECT_EQ(dialog->ST_Count->Caption(), "6");
    EXPECT_TRUE(Ready());
    EXPECT_EQ(ResultLines(dialog->Memo1, "Get: (VxSNMP++) Ok!"), 1);

    Stack->Control("delay 200");
    dialog->RefreshBtn->Click();
    EXPECT_FALSE(Form1->Ready1);
    dialog->RefreshBtn->Click();  // ignored: the first read still runs
    WaitIdle(dialog);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(ResultLines(dialog->Memo1, "Get: (VxSNMP++) Ok!"), 2);
    EXPECT_EQ(dialog->ST_Count->Caption(), "6");
}

TEST_F(BridgePortTables, ASilentAgentsTimeOutLetsRefreshWorkAgain) {
    OpenHostOn(SixPorts);
    SessionParameters.Timeout = 50;
    Stack->Control("silent on");
    auto* dialog = OpenDialog<TGARPForm>();
    EXPECT_TRUE(Ready());
    EXPECT_EQ(Rows(dialog->LV_dot1dPortGarpEntry).size(), 0u);
    ASSERT_FALSE(Lines(dialog->Memo1).empty());
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Get: ", 0), 0u);
    EXPECT_EQ(LastLine(dialog->Memo1).find("Ok!"), std::string::npos);

    Stack->Control("silent off");
    dialog->RefreshBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Rows(dialog->LV_dot1dPortGarpEntry).size(), Ports);
    EXPECT_TRUE(Ready());
}

TEST_F(BridgePortTables, TheFlagsComeBackWhenShowingAReplyRaises) {
    OpenHostOn(SixPorts);
    auto* dialog = OpenDialog<TGARPForm>();
    // An item of a syntax the engine does not know: taking in the reply raises.
    SnmpVar* joinTime = dialog->PortTable->Request.VarList.GetItem(1);
    const uint32_t syntax = joinTime->Syntax;
    joinTime->Syntax = 0;
    dialog->RefreshBtn->Click();
    WaitIdle(dialog);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Get: ", 0), 0u);
    EXPECT_EQ(LastLine(dialog->Memo1).find("Ok!"), std::string::npos);

    joinTime->Syntax = syntax;
    dialog->RefreshBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Rows(dialog->LV_dot1dPortGarpEntry).size(), Ports);
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Get: (VxSNMP++) Ok!", 0), 0u);
}

TEST_F(BridgePortTables, AReadCutShortByTheCloseLeavesRefreshAlive) {
    OpenHostOn(SixPorts);
    Stack->Control("delay 300");
    auto* garp = new TGARPForm(Window);
    garp->Show();
    EXPECT_FALSE(Form1->Ready1);
    CloseAndDelete(garp);
    EXPECT_TRUE(Form1->Ready1);

    Stack->Control("delay 0");
    auto* capabilities = OpenDialog<TPortCapabilities8021dForm>();
    EXPECT_EQ(Rows(capabilities->LV_dot1dPortCapabilitiesEntry).size(), Ports);
    EXPECT_EQ(Rows(capabilities->LV_dot1dPortCapabilitiesEntry).front(), "1|E0");
    EXPECT_TRUE(Ready());
}

// Until a first read of either viewer has ended, only the port capability
// viewer's Refresh works.
TEST_F(BridgePortTables, GarpRefreshNeedsBothFlagsPortCapabilityRefreshOnlyTheFirst) {
    OpenHostOn(SixPorts);
    auto* garp = OpenDialog<TGARPForm>();
    Form1->Ready2 = 0;
    garp->RefreshBtn->Click();
    EXPECT_TRUE(Form1->Ready1);
    EXPECT_FALSE(garp->Busy());
    CloseAndDelete(garp);

    auto* capabilities = OpenDialog<TPortCapabilities8021dForm>();
    Form1->Ready2 = 0;
    capabilities->RefreshBtn->Click();
    EXPECT_FALSE(Form1->Ready1);
    WaitIdle(capabilities);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(capabilities->ST_Count->Caption(), "6");
}

TEST_F(BridgePortTables, VlanPortSetWritesTheSelectedPortsFourSettingsAndKeepsItSelected) {
    OpenHostOn(SixPorts);
    auto* dialog = OpenDialog<TVLanPortInfomationForm>();
    EXPECT_EQ(dialog->ST_Count->Caption(), "6");
    EXPECT_EQ(dialog->PortVLanID->Text(), "");
    EXPECT_FALSE(dialog->PortVLanID->Enabled());

    SelectRow(dialog->LV_dot1qPortVlanEntry, 4);
    EXPECT_EQ(dialog->PortVLanID->Text(), "10");
    EXPECT_EQ(dialog->GvrpStatus->Text(), "enabled");
    ASSERT_TRUE(dialog->PortVLanID->Enabled());
    // The integer filter removes letters as they are typed.
    ASSERT_TRUE(ActivateForm(dialog));
    dialog->PortVLanID->SetText("");
    QTest::keyClicks(dialog->PortVLanID->Widget(), "2a0x");
    EXPECT_EQ(dialog->PortVLanID->Text(), "20");
    dialog->AcceptableFrameTypes->SetItemIndex(1);  // admitOnlyVLANTagged
    dialog->IngressFiltering->SetItemIndex(1);      // false
    dialog->GvrpStatus->SetItemIndex(1);            // disabled

    Stack->ClearTrace();
    dialog->SetBtn->Click();
    ASSERT_NE(dialog->LV_dot1qPortVlanEntry->Selected(), nullptr);
    EXPECT_EQ(dialog->LV_dot1qPortVlanEntry->Selected()->Caption(), "5");
    WaitIdle(dialog);
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.2.1.17.7.1.4.5.1.1.5 unsigned 20",
                                                            "1.3.6.1.2.1.17.7.1.4.5.1.2.5 integer 2",
                                                            "1.3.6.1.2.1.17.7.1.4.5.1.3.5 integer 2",
                                                            "1.3.6.1.2.1.17.7.1.4.5.1.4.5 integer 2"}));
    EXPECT_EQ(Rows(dialog->LV_dot1qPortVlanEntry)[4].rfind("5|20|admitOnlyVLANTagged|false|disabled|", 0), 0u);
}

}  // namespace
