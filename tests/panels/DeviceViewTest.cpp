// The device view of the main window against the simulated stack: which
// panels are built and where they stand, the module panels, the port
// buttons, the RMON items, a silent agent, and closing the panels.

#include <gtest/gtest.h>

#include <QTimer>

#include <string>
#include <vector>

#include "dialogbase/StackTables.h"
#include "framework/VxSNMPRequest.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "main/FrontPanelForms.h"
#include "mibdefs/SystemMib.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/MainWindowFixture.h"

namespace {

constexpr int PanelHeight = 89;

// A Brovan with a Pirell module, a Tallix whose sub-unit row names a module,
// the ninth model text, and a model that only looks like it.
const char* const MixedStack = R"({"units": [
    {"id": 1, "model": "Brovan-26", "mode": "master", "module": "Pirell"},
    {"id": 2, "model": "Tallix-24", "module": "Selvor"},
    {"id": 3, "model": "Morvek-24*"},
    {"id": 4, "model": "Morvek-24 *"}
], "rmonState": "disabled"})";

class DeviceView : public MainWindowFixture {
protected:
    std::vector<TFrontPanelForm*> Panels(TList* list) const {
        std::vector<TFrontPanelForm*> panels;
        for (int i = 0; i < list->Count(); ++i) panels.push_back(list->Item<TFrontPanelForm>(i));
        return panels;
    }
    std::string Message() const { return Window->StatusBar->Panels()->Items(0)->Text(); }
    int ButtonsDown() const {
        int down = 0;
        for (int i = 0; i < Window->PortButtons->Count(); ++i) down += Window->PortButtons->Item<TSpeedButton>(i)->Down();
        return down;
    }
    // The RMON items of the main menu.
    std::vector<TMenuItem*> RmonItems() {
        std::vector<TMenuItem*> items;
        for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
            items.push_back(dynamic_cast<TMenuItem*>(Window->FindComponent(name)));
            EXPECT_NE(items.back(), nullptr) << name;
        }
        return items;
    }
};

TEST_F(DeviceView, BuildsAPanelPerPresentUnitOneUnderTheOtherWithItsModuleBeside) {
    StartStack();  // unit 1 Kestrix with a Selvor, unit 2 absent, unit 3 Tallix
    TMainForm* window = OpenMainWindow();
    EXPECT_EQ(window->Caption(), "Kestrix : 127.0.0.1");
    const auto units = Panels(window->UnitPanels);
    const auto modules = Panels(window->ModulePanels);
    ASSERT_EQ(units.size(), 2u);
    ASSERT_EQ(modules.size(), 1u);
    EXPECT_EQ(units[0]->Name(), "PanelKestrixForm");
    EXPECT_EQ(units[1]->Name(), "PanelTallixForm");
    EXPECT_EQ(modules[0]->Name(), "frmSelvor");
    EXPECT_EQ(units[0]->Unit, 1);
    EXPECT_EQ(units[1]->Unit, 3);
    for (TFrontPanelForm* panel : {units[0], units[1], modules[0]}) {
        EXPECT_EQ(panel->Parent(), window->ScrollBox1);
        EXPECT_TRUE(panel->Visible());
        EXPECT_TRUE(panel->Leds->PollTimer()->Enabled());
        EXPECT_EQ(panel->Leds->PollTimer()->Interval(), 3000);
    }
    EXPECT_EQ(units[0]->Top(), 0);
    EXPECT_EQ(units[1]->Top(), PanelHeight + 1);
    EXPECT_EQ(units[1]->Left(), 0);
    EXPECT_EQ(modules[0]->Top(), 0);
    EXPECT_EQ(modules[0]->Left(), 780 + 1);
    EXPECT_EQ(window->ClientWidth(), 780 + modules[0]->ClientWidth() + 8);
    EXPECT_EQ(window->ClientHeight(), units[1]->Top() + PanelHeight + window->StatusBar->Height() + 1 + 4);
    EXPECT_EQ(window->ScrollBox1->Align(), alClient);
    EXPECT_EQ(window->LastPanel, units[1]);
    EXPECT_EQ(window->ModelNames[8], "Morvek-24*");

    // The module's ports follow the Kestrix's 48, its LEDs their bytes.
    EXPECT_EQ(modules[0]->PortButton("SpeedButtonX")->Tag(), 49);
    EXPECT_EQ(modules[0]->Leds->Leds()[0].Position, 100);
    EXPECT_EQ(window->PortButtons->Count(), 52 + 2 + 32);
    EXPECT_EQ(window->UnitListView->Items()->Count(), 3);
    EXPECT_EQ(window->lvSubUnit->Items()->Item(0)->Caption(), "1");
    EXPECT_EQ(RowText(window->lvSubUnit->Items()->Item(0), SubUnitModuleColumn), "Selvor");
    EXPECT_GT(window->lvPortIndex->Items()->Count(), 70);

    // The LEDs show the stack: unit 1's power LED lights after the first poll.
    ASSERT_TRUE(PumpUntil([&] { return units[0]->Leds->Leds()[0].Color == 0x00FF00; }));
}

TEST_F(DeviceView, ModelsChooseThePanelsAndOnlyKestrixAndBrovanTakeAModule) {
    StartStack(MixedStack);
    TMainForm* window = OpenMainWindow();
    const auto units = Panels(window->UnitPanels);
    const auto modules = Panels(window->ModulePanels);
    ASSERT_EQ(units.size(), 3u);  // "Morvek-24 *" is no model of the table
    EXPECT_EQ(units[0]->Name(), "PanelBrovanForm");
    EXPECT_EQ(units[1]->Name(), "PanelTallixForm");
    EXPECT_EQ(units[2]->Name(), "PanelMorvekForm");
    ASSERT_EQ(modules.size(), 1u);  // none beside the Tallix
    EXPECT_EQ(modules[0]->Name(), "frmPirell");
    EXPECT_EQ(modules[0]->Left(), units[0]->Left() + units[0]->Width() + 1);
    EXPECT_EQ(modules[0]->Top(), units[0]->Top());
    EXPECT_EQ(modules[0]->PortButton("SpeedButtonY")->Tag(), 26);
    EXPECT_EQ(window->ClientWidth(), 780 + modules[0]->ClientWidth() + 8);
    // Three panels: one pixel for each of the two placed before the last.
    EXPECT_EQ(units[2]->Top(), 2 * (PanelHeight + 1));
    EXPECT_EQ(window->ClientHeight(), units[2]->Top() + PanelHeight + window->StatusBar->Height() + 2 + 4);
}

TEST_F(DeviceView, RmonStateDisablesAndEnablesTheRmonItems) {
    StartStack(MixedStack);
    TMainForm* window = OpenMainWindow();
    EXPECT_EQ(window->ST_RmonState->Caption(), "disabled");
    const std::vector<TMenuItem*> items = RmonItems();
    for (TMenuItem* item : items) EXPECT_FALSE(item->Enabled()) << item->Name();

    VxSNMPRequest set;
    set.VarList = VxSNMPVarList(RmonStateItems, SVT_SV, 0);
    set.VarList.GetItem(0)->Value = "enabled";
    set.SyncSet(false);
    window->UpdateRmonMenu();
    EXPECT_EQ(window->ST_RmonState->Caption(), "enabled");
    for (TMenuItem* item : items) EXPECT_TRUE(item->Enabled()) << item->Name();
}

TEST_F(DeviceView, OnePortButtonIsDownInTheWholeStackAndEveryOneOpensThePortPopup) {
    StartStack();
    TMainForm* window = OpenMainWindow();
    const auto units = Panels(window->UnitPanels);
    const auto modules = Panels(window->ModulePanels);
    TSpeedButton* port5 = units[0]->PortButton("SpeedButton5");
    TSpeedButton* tallix17 = units[1]->PortButton("SpeedButton25");
    TSpeedButton* moduleY = modules[0]->PortButton("SpeedButtonY");
    for (TSpeedButton* button : {port5, tallix17, moduleY, port5}) {
        button->Click();
        EXPECT_TRUE(button->Down());
        EXPECT_EQ(ButtonsDown(), 1);
    }
    // Every port button, a module's too, opens the port popup, whose
    // commands read the port from the button's Tag.
    for (TSpeedButton* button : {port5, tallix17, moduleY}) EXPECT_EQ(button->PopupMenu(), window->PortInfoPopupMenu);
    EXPECT_EQ(tallix17->Tag(), 2 * 64 + 17);
    EXPECT_EQ(moduleY->Tag(), 50);
}

TEST_F(DeviceView, AModulePanelStandsBesideTheUnitItsSubUnitRowNames) {
    StartStack(R"({"units": [{"id": 1, "model": "Kestrix-50"}, {"id": 2, "model": "Brovan-26", "module": "Pirell"}]})");
    TMainForm* window = OpenMainWindow();
    ASSERT_EQ(window->ModulePanels->Count(), 1);
    window->ClosePanels();
    // The sub-unit rows in another order than the unit rows.
    TListItems* rows = window->lvSubUnit->Items();
    rows->Clear();
    for (auto [id, name] : {std::pair{"2", "Pirell"}, std::pair{"1", "-"}}) {
        TListItem* row = rows->Add();
        row->SetCaption(id);
        row->SubItems()->Add(name);
    }
    window->AddUnitPanel("Kestrix-50", "1", 0);
    EXPECT_EQ(window->ModulePanels->Count(), 0);
    window->AddUnitPanel("Brovan-26", "2", 1);
    ASSERT_EQ(window->ModulePanels->Count(), 1);
    EXPECT_EQ(window->ModulePanels->Item<TFrontPanelForm>(0)->Unit, 2);
    EXPECT_EQ(window->ModulePanels->Item<TFrontPanelForm>(0)->Top(), PanelHeight + 1);
}

TEST_F(DeviceView, UnitIdsOutsideTheStackAreLeftOutWithAMessage) {
    StartStack(R"({"units": [{"id": 1, "model": "Kestrix-50"}]})");
    TMainForm* window = OpenMainWindow();
    window->ClosePanels();
    for (const char* id : {"13", "0", "-2", "1x", ""}) {
        window->StatusBar->Panels()->Items(0)->SetText("");
        window->AddUnitPanel("Kestrix-50", id, 0);
        EXPECT_EQ(window->UnitPanels->Count(), 0) << id;
        EXPECT_EQ(Message(), std::string("Unit id \"") + id + "\" from the agent is not 1 to 12: that unit is left out.");
    }
    window->AddUnitPanel("Kestrix-50", "12", 0);
    EXPECT_EQ(window->UnitPanels->Count(), 1);
}

TEST_F(DeviceView, ASilentAgentGivesAWindowWithoutPanelsAndTheErrorOnTheStatusBar) {
    StartStack();
    Stack->Control("silent on");
    TMainForm* window = OpenMainWindow();
    EXPECT_EQ(window->UnitPanels->Count(), 0);
    EXPECT_EQ(window->ModulePanels->Count(), 0);
    EXPECT_EQ(window->UnitListView->Items()->Count(), 0);
    EXPECT_FALSE(Message().empty());
    EXPECT_EQ(window->Caption(), "Kestrix : 127.0.0.1");
}

// A stack that gives no front panel says why on the message line, last (an
// agent without the stack's objects has no RMON state either), and the
// notice holds against the routine lines that follow (a re-read of the unit
// table); a failure that said why already stays.
TEST_F(DeviceView, AWindowWithoutPanelsSaysWhyAndTheNoticeHolds) {
    struct Case {
        const char* Name;
        const char* Stack;
        const char* Control;
        std::string Notice;  // empty: a failure line of the unit table
    };
    const std::string noUnit = "The agent lists no stack unit: no front panel to show.";
    const Case cases[] = {
        {"no unit table", R"({"units": []})", nullptr, noUnit},
        {"no unit table, no RMON state", R"({"units": []})", "fail-next-read 1.3.6.1.4.1.171.11.59.8.2.1.2.3 noSuchName",
         noUnit},
        {"every unit absent", R"({"units": [{"id": 1, "model": "Kestrix-50", "status": "not-exist"}]})", nullptr,
         noUnit},
        {"no known model", R"({"units": [{"id": 1, "model": "Morvek-24 *"}]})", nullptr,
         "The agent lists no stack unit of a known model: no front panel to show."},
        {"unit table refused", R"({"units": [{"id": 1, "model": "Kestrix-50"}]})",
         "fail-next-read 1.3.6.1.4.1.171.12.11.1.9.4.1 genErr", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartStack(c.Stack);
        if (c.Control) Stack->Control(c.Control);
        TMainForm* window = OpenMainWindow();
        EXPECT_EQ(window->UnitPanels->Count(), 0);
        const std::string shown = Message();
        ExpectNoticeOrFailure(shown, c.Notice);
        window->UnitRequest->Refresh();
        ASSERT_TRUE(PumpUntil([&] { return !window->UnitRequest->IsBusy(); }));
        EXPECT_EQ(Message(), shown);
        delete Window;
        Window = nullptr;
        Stack.reset();
    }
}

// The unit table walk ends at its first answer: the status bar says why
// there are no panels.
TEST_F(DeviceView, AnAgentThatRepeatsTheOidAskedGivesNoPanelsAndSaysSo) {
    StartStack();
    Stack->Control("repeat-getnext on");
    TMainForm* window = OpenMainWindow();
    EXPECT_EQ(window->UnitPanels->Count(), 0);
    EXPECT_EQ(Message().rfind("Get: (VxSNMP++) The agent answered a get-next with the OID asked for", 0), 0u)
        << Message();
}

TEST_F(DeviceView, ClosingThePanelsStopsEveryPollerBeforeAnyGoes) {
    StartStack();
    TMainForm* window = OpenMainWindow();
    std::vector<TFrontPanelForm*> panels = Panels(window->UnitPanels);
    for (TFrontPanelForm* module : Panels(window->ModulePanels)) panels.push_back(module);
    ASSERT_EQ(panels.size(), 3u);
    Stack->Control("silent on");
    for (TFrontPanelForm* panel : panels) {
        panel->Leds->Refresh();  // a poll the silent agent never answers
        ASSERT_GT(panel->Leds->Request.Pending, 0);
    }
    // Nothing is waited for: the polls on their way are withdrawn, not
    // awaited one poller after the other.
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    window->ClosePanels();
    EXPECT_FALSE(loopRan);
    for (TFrontPanelForm* panel : panels) EXPECT_FALSE(TForm::Exists(panel));
    EXPECT_EQ(window->UnitPanels->Count(), 0);
}

}  // namespace
