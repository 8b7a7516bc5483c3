// The main menu of the running main window against the simulated stack: the
// items as built, every generic page opened and read, the sizes and captions
// the rows give, the port popup, the RMON Control close, and failures.

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "acl/CPUIPv6MaskInformationUnit.h"
#include "acl/IPRuleUnit.h"
#include "acl/IPv6MaskInformationUnit.h"
#include "common/VxValueMarkers.h"
#include "features/AboutForm.h"
#include "features/AggregatorPortTableForm.h"
#include "features/Form1.h"
#include "features/MSInformationForm.h"
#include "features/PortMirrorForm.h"
#include "features/PortTrunkForm.h"
#include "features/ProtocolVlanForm.h"
#include "features/SummerTimeConfigForm.h"
#include "features/TrafficSegmentationForm.h"
#include "features/GARPForm.h"
#include "features/VlanStaticForm.h"
#include "features/BOOTCtrlTableForm.h"
#include "features/Md5InformationForm.h"
#include "features/RouteRedistributForm.h"
#include "features/ACCServerControl.h"
#include "features/ServerInfoUnit.h"
#include "framework/GUIConfigForm.h"
#include "framework/VxSNMPSession.h"
#include "framework/VxSyntax.h"
#include "main/MainMenuLayout.h"
#include "main/MenuCommand.h"
#include "mibdefs/SystemMib.h"
#include "platform/Help.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/StubTool.h"

namespace {

const std::string OkLine = "Get: (VxSNMP++) Ok!";

// The class of a window, as its name is written ("TPortTrunkForm").
std::string ClassNameOf(const TForm& form) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(form).name(), nullptr, nullptr, &status);
    const std::string text = status == 0 ? name : typeid(form).name();
    std::free(name);
    return text;
}

class MainMenu : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartStack();
        // SNMPv2c: SNMPv1 has no Counter64, which some pages show.
        OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
    }

    TMenuItem* Item(const std::string& name) const {
        return dynamic_cast<TMenuItem*>(Window->FindComponent(name));
    }

    // The same for an editor window, once its first read is over.
    void WithPage(const std::function<void()>& command, const std::function<void(TConfigForm&)>& check) {
        WhileModal<TConfigForm>(
            command,
            [](TConfigForm& page) {
                return page.FormType != 0 && page.CurrentController == page.Controllers.front() &&
                       !page.CurrentController->IsBusy();
            },
            check);
    }

    // Runs the menu item `name`, which must be there and enabled; once its
    // dialog is up and its first read over, runs `check` on it and closes it.
    void WithDialogOf(const char* name, const std::function<void(TDialogFrame&)>& check) {
        TMenuItem* item = Item(name);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->Enabled());
        WhileModal<TDialogFrame>(
            [&] { item->Action()->trigger(); }, [](TDialogFrame& dialog) { return !dialog.Busy(); }, check);
    }

    static TSNMPPanel* PageOf(TConfigForm& window) {
        for (int i = 0; i < window.ControlCount(); ++i)
            if (auto* page = dynamic_cast<TSNMPPanel*>(window.Controls(i))) return page;
        return nullptr;
    }

    static std::vector<std::string> Lines(TConfigForm& window) {
        std::vector<std::string> lines;
        TStrings* memo = PageOf(window)->MsgPanel->Memo->Lines();
        for (int i = 0; i < memo->Count(); ++i) lines.push_back(memo->Get(i));
        return lines;
    }

    // One text the page shows: a cell of the list, or a value field.
    struct ShownText {
        const SnmpVar* Item;
        std::string Text;
    };

    // Every text the page shows: the list's cells, or the value fields of
    // the items read.
    static std::vector<ShownText> Shown(TConfigForm& window) {
        std::vector<ShownText> texts;
        VxSNMPRequest2Edits& controller = *window.Controllers.front();
        const VxSNMPVarList& list = controller.Request.VarList;
        if (auto* table = dynamic_cast<TSNMPListViewPanel*>(PageOf(window))) {
            TListItems* rows = table->ListViewPanel->ListView->Items();
            for (int r = 0; r < rows->Count(); ++r) {
                TStrings* cells = rows->Item(r)->SubItems();
                for (size_t c = 0; c < controller.ColumnItems.size(); ++c) {
                    const SnmpVar* item = list.GetItem(controller.ColumnItems[c]);
                    if (c == 0) texts.push_back({item, rows->Item(r)->Caption()});
                    else if (static_cast<int>(c) - 1 < cells->Count()) texts.push_back({item, cells->Get(static_cast<int>(c) - 1)});
                }
            }
        } else if (auto* page = dynamic_cast<TSNMPEditorPanel*>(PageOf(window))) {
            for (int i = 0; i < page->EditsPanel->RowCount(); ++i) {
                if (!list.IsReadable(i) || !list.IsVisible(i)) continue;
                TWinControl* value = page->EditsPanel->Vars[static_cast<size_t>(i)].ValueCtrl;
                if (auto* edit = dynamic_cast<TEdit*>(value)) texts.push_back({list.GetItem(i), edit->Text()});
                if (auto* combo = dynamic_cast<TComboBox*>(value))
                    texts.push_back({list.GetItem(i), combo->ItemIndex() < 0 ? combo->PlaceholderText() : combo->Text()});
            }
        }
        return texts;
    }

    // A field that always holds something when the agent answered: a value
    // of fixed size (numbers, addresses, times) or one chosen from a list.
    static bool Required(const SnmpVar& item) {
        const VxSyntax* syntax = FindSyntax(static_cast<int>(item.Syntax));
        return item.OptionList() || (syntax && syntax->Size > 0);
    }

    // What is wrong with a text the page shows after a read that said "Ok!":
    // every field the stack serves holds a value.
    static std::string FaultOf(const ShownText& shown) {
        if (IsValueMarker(shown.Text)) return "shows " + shown.Text;
        if (shown.Text.empty() && Required(*shown.Item)) return "is empty";
        return {};
    }

    static int RowCount(TConfigForm& window) {
        auto* table = dynamic_cast<TSNMPListViewPanel*>(PageOf(window));
        return table ? table->ListViewPanel->ListView->Items()->Count() : -1;
    }
};

// ---------------------------------------------------------------- the items

TEST_F(MainMenu, ItemsCarryTheirCaptionsVisibilityAndHandlers) {
    struct Case {
        const char* Name;
        const char* Caption;
        bool Visible;
        bool Enabled;
    };
    const Case cases[] = {
        {"Configuration1", "Basic Configuration", true, true},
        {"MoudleBasicConfig", "Moudle Basic Configuration", false, true},
        {"NotifyManagement1", "System Serverity Control", true, true},
        {"Information2", "STP Control ", true, true},
        {"LsdbInfo1", "Lsdb  Info", true, true},
        {"DualImageFile1", "Dual Image File", false, true},
        {"N3", "-", false, true},
        {"SummerTime1", "Daylight Saving Time", true, true},   // a built dialog
        {"StaticForm1", "Static Table", true, true},            // a built dialog
        {"PortInformation2", "Port Information", true, true},
    };
    for (const Case& c : cases) {
        TMenuItem* item = Item(c.Name);
        ASSERT_NE(item, nullptr) << c.Name;
        EXPECT_EQ(item->Caption(), c.Caption) << c.Name;
        EXPECT_EQ(item->Visible(), c.Visible) << c.Name;
        EXPECT_EQ(item->Enabled(), c.Enabled) << c.Name;
    }
    EXPECT_EQ(Window->MainMenu1->Items()->Count(), 10);
    EXPECT_EQ(Item("UnitTable1")->Parent(), Item("DeviceEquipmentManagement1"));
    EXPECT_EQ(Item("PortConfiguration1")->Parent(), Window->PortInfoPopupMenu->Items());
    EXPECT_TRUE(Item("UnitTable1")->OnClick);
    EXPECT_FALSE(Item("PhysicalTable1")->OnClick);
}

// ---------------------------------------------------------------- every generic page

// The page commands of one menu of the bar (or, for "Unbound", the handlers no
// item calls), each with its menu item when it has one.
struct PageCommand {
    const MenuCommand* Command;
    const char* Item;
};

// The commands of one menu of the bar that `wanted` picks, with their items.
std::vector<PageCommand> CommandsOfMenu(const std::string& menu, bool (*wanted)(const MenuCommand&)) {
    std::vector<PageCommand> commands;
    std::string current;
    for (size_t i = 0; i < MainMenuLayoutCount; ++i) {
        const MenuNode& node = MainMenuLayout[i];
        if (node.Depth == 0) current = node.Name;
        const MenuCommand* command = FindMenuCommand(std::string(node.Name) + "Click");
        if (current == menu && command && wanted(*command)) commands.push_back({command, node.Name});
    }
    return commands;
}

std::vector<PageCommand> PagesOfMenu(const std::string& menu) {
    std::vector<PageCommand> pages = CommandsOfMenu(menu, [](const MenuCommand& c) { return c.IsPage(); });
    if (menu == "Unbound") {
        for (const char* handler : {"PortTable1Click", "PortTable2Click"}) pages.push_back({FindMenuCommand(handler), nullptr});
    }
    return pages;
}

class EveryPage : public MainMenu, public testing::WithParamInterface<const char*> {};

TEST_P(EveryPage, OpensWithRowsAndNoErrorAndCloses) {
    const std::vector<PageCommand> pages = PagesOfMenu(GetParam());
    ASSERT_FALSE(pages.empty());
    for (const PageCommand& page : pages) {
        SCOPED_TRACE(page.Command->Handler);
        WithPage(
            [&] {
                if (page.Item) {
                    Item(page.Item)->Click();
                } else {
                    Window->RunMenuCommand(page.Command->Handler);
                }
            },
            [&](TConfigForm& window) {
                // The hidden "Add Member Switch" names no row to read.
                if (page.Command->Pattern == CommandPattern::RowPage) return;
                const std::vector<std::string> lines = Lines(window);
                ASSERT_FALSE(lines.empty());
                for (const std::string& line : lines) EXPECT_EQ(line.rfind(OkLine, 0), 0u) << line;
                if (page.Command->Pattern == CommandPattern::TablePage) {
                    EXPECT_GT(RowCount(window), 0);
                }
                for (const ShownText& shown : Shown(window))
                    EXPECT_EQ(FaultOf(shown), "") << shown.Item->Label << " (" << shown.Item->ObjectId << ")";
                EXPECT_EQ(Window->PageTitle, page.Command->Title);
            });
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, EveryPage,
                         testing::Values("Configuration1", "Menu_RMON", "Bridge1", "VLAN1", "VACM1",
                                         "SecurityManagement1", "Layer2Management2", "Layer3Management1",
                                         "SingleIP1", "Unbound"));

// ---------------------------------------------------------------- sizes and captions

TEST_F(MainMenu, SizesFollowTheScaleWhereTheRowSaysSo) {
    struct Case {
        const char* Handler;
        float Scale;
        int Height;
    };
    const Case cases[] = {
        {"UnitTable1Click", 1.0f, 450},
        {"UnitTable1Click", 1.25f, 562},
        {"IFXTable1Click", 1.25f, 450},
        {"CBSRInformation1Click", 1.25f, 200},
        {"RegisterChecksumIncludingDataInformation1Click", 1.25f, 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Handler) + " at " + std::to_string(c.Scale));
        Window->Scale = c.Scale;
        WithPage([&] { Window->RunMenuCommand(c.Handler); },
                 [&](TConfigForm& window) { EXPECT_EQ(window.Height(), c.Height); });
    }
}

TEST_F(MainMenu, CaptionsJoinTitleAndAgentAsTheRowSays) {
    const std::pair<const char*, const char*> cases[] = {
        {"BandwidthControlTable1Click", "Bandwidth Control Table ::127.0.0.1"},
        {"CPUInterfacefilterState1Click", "CPU Interface Filter Control: 127.0.0.1"},
        {"SystemLogHost1Click", "System Log Host Table:127.0.0.1"},
        {"PortTable2Click", "ConfigForm"},
    };
    for (const auto& [handlerName, captionText] : cases) {
        const char* handler = handlerName;  // named copies: a lambda may not capture a binding in Clang 14
        const char* caption = captionText;
        WithPage([&] { Window->RunMenuCommand(handler); },
                 [&](TConfigForm& window) { EXPECT_EQ(window.Caption(), caption) << handler; });
    }
}

TEST_F(MainMenu, TheSpanningTreeNoteStandsUnderItsPageAndGoesWithIt) {
    const int componentsBefore = Window->ComponentCount();
    WithPage([&] { Window->RunMenuCommand("Information2Click"); },
             [&](TConfigForm& window) {
                 TLabel* note = nullptr;
                 for (int i = 0; i < window.ControlCount(); ++i)
                     if (auto* label = dynamic_cast<TLabel*>(window.Controls(i))) note = label;
                 ASSERT_NE(note, nullptr);
                 EXPECT_EQ(note->Caption(), "Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))");
                 EXPECT_EQ(note->Font()->Color(), clRed);
                 EXPECT_EQ(note->Owner(), Window);
                 EXPECT_GE(window.ClientHeight(), PageOf(window)->Height() + note->Height());
             });
    EXPECT_EQ(Window->ComponentCount(), componentsBefore);
}

TEST_F(MainMenu, PicturesOfPages) {
    for (const auto& [handlerName, fileName] : {std::pair{"UnitTable1Click", "menu-unit-table.png"},
                                                std::pair{"Information2Click", "menu-stp-control.png"},
                                                std::pair{"BandwidthControlTable1Click", "menu-bandwidth.png"}}) {
        const char* handler = handlerName;  // named copies: a lambda may not capture a binding in Clang 14
        const char* file = fileName;
        WithPage([&] { Window->RunMenuCommand(handler); },
                 [&](TConfigForm& window) {
                     PumpUntil([] { return false; }, 200);  // the list paints its rows in batches
                     EXPECT_FALSE(SaveScreenshot(&window, file).empty()) << file;
                 });
    }
}

// ---------------------------------------------------------------- RMON Control

// Closing the page reads the RMON state again: the RMON items follow what
// was written while it was up.
TEST_F(MainMenu, ClosingRmonControlMakesTheRmonItemsFollowTheState) {
    const std::vector<TMenuItem*> items = {Item("Statistics1"), Item("History1"), Item("AlarmEvent1")};
    for (const char* state : {"disabled", "enabled"}) {
        SCOPED_TRACE(state);
        WithPage([&] { Item("RMONSetting1")->Click(); },
                 [&](TConfigForm&) {
                     VxSNMPRequest set;
                     set.VarList = VxSNMPVarList(RmonStateItems, SVT_SV, 0);
                     set.VarList.GetItem(0)->Value = state;
                     set.SyncSet(false);
                 });
        for (TMenuItem* item : items) EXPECT_EQ(item->Enabled(), std::string(state) == "enabled") << item->Name();
    }
}

// ---------------------------------------------------------------- the port popup

// A stack whose unit 2 is present, so that port 3 of unit 2 (row 67) exists.
const char* const TwoUnitStack = R"({"units": [
    {"id": 1, "model": "Kestrix-50", "mode": "master", "portRange": 50},
    {"id": 2, "model": "Brovan-26", "mode": "slave", "portRange": 26}]})";

class PortPopup : public MainMenu {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartStack(TwoUnitStack);
        OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
    }

    // A port button of the device view with the popup on it.
    TSpeedButton* AddPortButton(int tag) {
        auto* button = new TSpeedButton(Window);
        button->SetTag(tag);
        Window->PortButtons->Add(button);
        return button;
    }
};

TEST_F(PortPopup, OpensTheRowOfTheClickedPortAndLeavesOnlyItsButtonDown) {
    TSpeedButton* earlier = AddPortButton(3);
    TSpeedButton* clicked = AddPortButton(67);
    earlier->SetDown(true);
    Window->PortInfoPopupMenu->SetPopupComponent(clicked);
    struct Case {
        const char* Item;
        const char* Caption;
    };
    for (const Case& c : {Case{"PortConfiguration1", "Port Configuration:127.0.0.1"},
                          Case{"PortInformation2", "Port Information:127.0.0.1"}}) {
        SCOPED_TRACE(c.Item);
        WithPage([&] { Item(c.Item)->Click(); },
                 [&](TConfigForm& window) {
                     EXPECT_EQ(window.Caption(), c.Caption);
                     const VxSNMPVarList& row = window.Controllers.front()->Request.VarList;
                     EXPECT_EQ(row.Instance, "67");
                     // The row's own index and unit columns answer for port 3 of unit 2.
                     EXPECT_EQ(row.GetItem(0)->Value, "67");
                     EXPECT_EQ(row.GetItem(1)->Value, "2");
                     for (const std::string& line : Lines(window)) EXPECT_EQ(line.rfind(OkLine, 0), 0u) << line;
                 });
        for (int i = 0; i < Window->PortButtons->Count(); ++i) {
            auto* button = Window->PortButtons->Item<TSpeedButton>(i);
            EXPECT_EQ(button->Down(), button == clicked) << "button of port " << button->Tag();
        }
    }
}

// ---------------------------------------------------------------- tools, help and exit

TEST_F(MainMenu, ToolsHelpAndExitRunFromTheirItems) {
    {
        StubTool rmon("Rmon");
        Item("Statistics1")->Click();
        const std::vector<std::string> arguments = rmon.Arguments();
        ASSERT_FALSE(arguments.empty());
        EXPECT_EQ(arguments.back(), "/TRmon_Statistics");
    }
    {
        // The help file lies beside the program (the build puts it there),
        // shown in a help window of the module's own.
        MessageBoxRecorder boxes;
        Item("Help2")->Click();
        THelpForm* help = nullptr;
        for (TForm* form : TForm::Forms())
            if (auto* h = dynamic_cast<THelpForm*>(form)) help = h;
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->File, ExtractFilePath(Application->ExeName()) + "Kestrix zentrikhelp2.hlp");
        EXPECT_TRUE(help->Visible());
        EXPECT_EQ(boxes.Count(), 0u);
        delete help;
    }
    MessageBoxRecorder boxes;
    boxes.Answer(IDCANCEL);
    Item("Exit1")->Click();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Exit Kestrix Management Module");
    EXPECT_FALSE(Application->Terminated());
}

// ---------------------------------------------------------------- dialogs

class TTestDialog : public TForm {
public:
    explicit TTestDialog(TComponent* owner) : TForm(owner) { SetCaption("Stored caption"); }
};
TTestDialog* TestDialog = nullptr;

TEST_F(MainMenu, ADialogCommandKeepsItsDialogInItsGlobalWhileItIsUp) {
    using namespace MenuRows;
    constexpr const DialogLink* link = &LinkDialog<TTestDialog, &TestDialog>;
    struct Case {
        MenuCommand Row;
        TComponent* Owner;
        std::string Caption;
    };
    const Case cases[] = {
        {Dialog(OwnedByMainWindow, link).CaptionWithAgent("BOOTP Ctrl Table : "), Window,
         "BOOTP Ctrl Table : 127.0.0.1"},
        {Dialog(OwnedByMainWindow, link).FixedCaption("Member Switch Information Table"), Window,
         "Member Switch Information Table"},
        {Dialog(OwnedByApplication, link).Titled("Traffic Segmentation Table"), Application,
         "Traffic Segmentation Table:127.0.0.1"},
        {Dialog(OwnedByApplication, link), Application, "Stored caption"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption);
        WhileModal<TTestDialog>(
            [&] { Window->RunMenuCommand(c.Row); },
            [](TTestDialog&) { return true; },
            [&](TTestDialog& dialog) {
                EXPECT_EQ(TestDialog, &dialog);
                EXPECT_EQ(dialog.Owner(), c.Owner);
                EXPECT_EQ(dialog.Caption(), c.Caption);
            });
        EXPECT_EQ(TestDialog, nullptr);
    }
    EXPECT_EQ(Window->PageTitle, "Traffic Segmentation Table");
}

// The IPv4 access-control commands and the IPv6 rule commands open their
// editors over the application, read and ready.
TEST_F(MainMenu, TheIpv4AndIpv6RuleCommandsOpenTheirEditors) {
    struct Command {
        const char* Name;
        std::string Caption;
        int SeededRows;
    };
    const Command commands[] = {
        {"IPMaskInformation1", "IP Mask MaskInformation :127.0.0.1", 2},
        {"IPRule1", "IPv4 Rule", 2},
        {"CPUIPMaskInformation1", "CPU IP Mask MaskInformation :127.0.0.1", 2},
        {"CPUIPRule1", "CPU IPv4 Rule Information", 2},
        {"IPV6Rule1", "IPv6 Rule", 2},
        {"CPUIPv6Rule1", "CPU IPv6 Rule Information", 1},
    };
    SessionParameters.Timeout = 500;  // a loaded machine answers slowly
    for (const Command& command : commands) {
        const char* name = command.Name;  // named copies: a lambda may not capture a binding in Clang 14
        const std::string& caption = command.Caption;
        const int rows = command.SeededRows;
        SCOPED_TRACE(name);
        TMenuItem* item = Item(name);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->Enabled());
        WhileModal<TAclEditor>(
            [&] { item->Action()->trigger(); }, [](TAclEditor& editor) { return !editor.Busy(); },
            [&](TAclEditor& editor) {
                EXPECT_EQ(editor.Caption(), caption);
                EXPECT_EQ(editor.Owner(), Application);
                EXPECT_GE(editor.ListView1->Items()->Count(), rows);
            });
    }
    EXPECT_EQ(IPRuleForm, nullptr);
}

// The IPv6 profile commands open their editors over the main window, captioned
// by the command with the agent's address, kept in their globals while up.
TEST_F(MainMenu, TheIpv6ProfileCommandsOpenTheirEditors) {
    SessionParameters.Timeout = 500;  // a loaded machine answers slowly
    auto open = [&](const char* name, const std::string& caption, const std::function<TAclEditor*()>& global) {
        SCOPED_TRACE(name);
        TMenuItem* item = Item(name);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->Enabled());
        WhileModal<TAclEditor>(
            [&] { item->Action()->trigger(); }, [](TAclEditor& editor) { return !editor.Busy(); },
            [&](TAclEditor& editor) {
                EXPECT_EQ(editor.Caption(), caption);
                EXPECT_EQ(editor.Owner(), Window);
                EXPECT_EQ(global(), &editor);
                EXPECT_GE(editor.ListView1->Items()->Count(), 1);
            });
        EXPECT_EQ(global(), nullptr);
    };
    open("IPV6MaskInformation1", "IPV6 Mask Information : " + Window->AgentIP,
         [] { return IPv6MaskInformationForm; });
    open("CPUIPv6MaskInformation1", "CPU IPV6 Mask Information : " + Window->AgentIP,
         [] { return CPUIPv6MaskInformationForm; });
}

// "Static Table" opens the static VLAN editor over the main window, its
// table read; the command keeps it in its global while it is up.
TEST_F(MainMenu, StaticTableOpensTheStaticVlanEditor) {
    WhileModal<TVlanStaticForm>(
        [&] { Item("StaticForm1")->Action()->trigger(); },
        [](TVlanStaticForm& dialog) { return !dialog.Busy(); },
        [&](TVlanStaticForm& dialog) {
            EXPECT_EQ(VlanStaticForm, &dialog);
            EXPECT_EQ(dialog.Owner(), Window);
            EXPECT_EQ(dialog.Caption(), "VLAN Static Form");
            std::vector<std::string> vlans;
            for (int i = 0; i < dialog.LV_dot1qVlanStaticEntry->Items()->Count(); ++i)
                vlans.push_back(dialog.LV_dot1qVlanStaticEntry->Items()->Item(i)->Caption());
            EXPECT_EQ(vlans, (std::vector<std::string>{"1", "10"}));
            EXPECT_EQ(dialog.ST_Count2->Caption(), "2");
        });
    EXPECT_EQ(VlanStaticForm, nullptr);
}

// The port trunk, mirror, traffic segmentation, protocol VLAN and LACP port
// commands open their dialogs, read and ready, with their owners and captions.
TEST_F(MainMenu, TheLayer2PortCommandsOpenTheirDialogs) {
    struct Case {
        const char* Item;
        std::string Caption;
        TComponent* Owner;
        const std::type_info& Class;
    };
    const Case cases[] = {
        {"PortTrunk2", "Port Trunk Table :127.0.0.1", Application, typeid(TPortTrunkForm)},
        {"PortMirrorTable1", "Port Mirror Table:127.0.0.1", Application, typeid(TPortMirrorForm)},
        {"TrafficSegmentationTable1", "Traffic Segmentation Table:127.0.0.1", Application,
         typeid(TTrafficSegmentationForm)},
        {"ProtocolVLAN1", "Protocol VLAN : 127.0.0.1", Window, typeid(TProtocolVlanForm)},
        {"AggreatorPortTable1", "Aggregator Port Table", Window, typeid(TAggregatorPortTableForm)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        WithDialogOf(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(typeid(dialog), c.Class);
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), c.Owner);
            if (auto* list = dynamic_cast<TListView*>(dialog.FindComponent("ListView1"))) {
                EXPECT_GT(list->Items()->Count(), 0);
            }
        });
    }
    EXPECT_EQ(Window->PageTitle, "Traffic Segmentation Table");
    EXPECT_EQ(ProtocolVlanForm, nullptr);
    EXPECT_EQ(AggregatorPortTableForm, nullptr);
}

// The layer-3 service commands open their table dialogs, read, owned by the
// main window, and forget them once closed.
TEST_F(MainMenu, TheLayer3ServiceCommandsOpenTheirDialogs) {
    struct Case {
        const char* Item;
        const char* ItemCaption;
        const char* Caption;
    };
    const Case cases[] = {
        {"MD5Information1", "MD5 Information ", "MD5 Information Table : 127.0.0.1"},
        {"BOOTPCtrlTable1", "BOOTP Ctrl Table", "BOOTP Ctrl Table : 127.0.0.1"},
        {"RouteRedistributionTable1", "Route Redistribution Table", "Route Redistribution Table"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        ASSERT_NE(Item(c.Item), nullptr);
        EXPECT_EQ(Item(c.Item)->Caption(), c.ItemCaption);
        WithDialogOf(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), Window);
            const auto* list = dynamic_cast<TListView*>(dialog.FindComponent("ListView1"));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->Items()->Count(), 3);
        });
    }
    EXPECT_EQ(Md5InformationForm, nullptr);
    EXPECT_EQ(BOOTCtrlTableForm, nullptr);
    EXPECT_EQ(RouteRedistributForm, nullptr);
}

// The daylight saving time, member switch and about commands open their
// dialogs, each with its owner and caption, and keep them in their globals.
TEST_F(MainMenu, TheTimeMemberAndAboutCommandsOpenTheirDialogs) {
    struct Case {
        const char* Item;
        const char* Caption;
        TComponent* Owner;
        TForm* (*Global)();  // the dialog's global
    };
    const Case cases[] = {
        {"SummerTime1", "Summer Time Configuration ", Application, []() -> TForm* { return SummerTimeConfigForm; }},
        {"MemberSwitch1", "Member Switch Information Table", Window, []() -> TForm* { return MSInformationForm; }},
        {"About1", "About Kestrix Module", Application, []() -> TForm* { return AboutForm; }},
    };
    SessionParameters.Timeout = 500;  // a loaded machine answers slowly
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        WithDialogOf(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), c.Owner);
            EXPECT_EQ(c.Global(), &dialog);
        });
        EXPECT_EQ(c.Global(), nullptr);
    }
}

// The bridge and VLAN commands open their dialogs, each with its owner and
// its first read answered.
TEST_F(MainMenu, TheBridgeAndVlanCommandsOpenTheirDialogs) {
    Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    struct Case {
        const char* Item;
        const char* Caption;
        bool OwnedByWindow;
    };
    const Case cases[] = {
        {"Test1", "Equipment Basic Information", true},
        {"BasicConfigure2", "802.1P Basic Configure", false},
        {"GVRP1", "GARP Form", false},
        {"PortCapbility1", "Port Capability Form", false},
        {"BasicConfigure", "802.1Q Basic Configure", false},
        {"PortsInfo1", "VLAN Port Information Form", false},
        {"TpGroupDestinationForwarded1", "Tp Group Destination Forwarded", true},
        {"MulticastForwardingInformation1", "Multicast Forwarding Information", true},
        {"ForwardUnregisteredInformation1", "Forward Unregistered Information", true},
        {"CurrentForm1", "VLAN Current Table", true},
        {"UnicastInformation1", "Unicast Filter Information", true},
        {"MulticastInformation1", "Multicast Filter Information", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        WithDialogOf(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), c.OwnedByWindow ? static_cast<TComponent*>(Window) : Application);
            const auto* memo = dynamic_cast<TMemo*>(dialog.FindComponent("Memo1"));
            ASSERT_NE(memo, nullptr);
            ASSERT_GT(memo->Lines()->Count(), 0);
            EXPECT_EQ(memo->Lines()->Get(memo->Lines()->Count() - 1).rfind("Get: (VxSNMP++) Ok!", 0), 0u);
        });
    }
    EXPECT_EQ(GARPForm, nullptr);
    delete Form1;
    Form1 = nullptr;
}

// The authentication server commands open their dialogs, read and ready.
TEST_F(MainMenu, TheAuthenticationServerCommandsOpenTheirDialogs) {
    struct Case {
        const char* Item;
        std::string Caption;
        const std::type_info& Class;
    };
    const Case cases[] = {
        {"ServerInformation1", "Server Information Table", typeid(TServerInformationForm)},
        {"ServerControl", "ACC Server Control Table : 127.0.0.1", typeid(TfrmACCServerCtrl)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        WithDialogOf(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(typeid(dialog), c.Class);
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), Application);
        });
    }
    EXPECT_EQ(ServerInformationForm, nullptr);
    EXPECT_EQ(frmACCServerCtrl, nullptr);
}

// Every dialog command of one menu opens its dialog from its item, as the
// user chooses it: modal, of the class its row names, owned as the row says,
// its first reads over with nothing but success shown, and gone once closed.
class EveryDialog : public MainMenu, public testing::WithParamInterface<const char*> {};

TEST_P(EveryDialog, OpensModallyFromItsItemReadsAndCloses) {
    Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    SessionParameters.Timeout = 500;  // a loaded machine answers slowly
    MessageBoxRecorder boxes;
    const std::vector<PageCommand> dialogs =
        CommandsOfMenu(GetParam(), [](const MenuCommand& c) { return c.Pattern == CommandPattern::Dialog; });
    ASSERT_FALSE(dialogs.empty());
    for (const PageCommand& dialog : dialogs) {
        SCOPED_TRACE(dialog.Item);
        WithDialogOf(dialog.Item, [&](TDialogFrame& window) {
            EXPECT_TRUE(typeid(window) == dialog.Command->Link->Class()) << ClassNameOf(window);
            EXPECT_EQ(window.Owner(), dialog.Command->Owner == OwnedByMainWindow ? static_cast<TComponent*>(Window)
                                                                                 : Application);
            // Where the dialog reports: its memo's lines, its status bar's panel 0.
            auto success = [](const std::string& text) { return text.empty() || text.rfind(OkLine, 0) == 0; };
            if (const auto* memo = dynamic_cast<TMemo*>(window.FindComponent("Memo1"))) {
                for (int i = 0; i < memo->Lines()->Count(); ++i)
                    EXPECT_TRUE(success(memo->Lines()->Get(i))) << memo->Lines()->Get(i);
            }
            const auto* bar = dynamic_cast<TStatusBar*>(window.FindComponent("StatusBar1"));
            if (bar && bar->Panels()->Count() > 0) {
                EXPECT_TRUE(success(bar->Panels()->Items(0)->Text())) << bar->Panels()->Items(0)->Text();
            }
        });
    }
    EXPECT_EQ(boxes.Count(), 0u);
    delete Form1;
    Form1 = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Menus, EveryDialog,
                         testing::Values("Configuration1", "VLAN1", "VACM1", "SecurityManagement1",
                                         "Layer2Management2", "Layer3Management1", "SingleIP1", "Help1"));

// ---------------------------------------------------------------- failures

TEST_F(MainMenu, AFailingCommandShowsItsMessageAndTheWindowGoesOn) {
    // A dialog whose construction fails (as one whose first read fails would).
    static const DialogLink failing = {[](TComponent*) -> TForm* { throw Exception("The agent did not answer."); },
                                       [] {}, []() -> const std::type_info& { return typeid(TForm); }};
    const MenuCommand broken = MenuRows::Dialog(OwnedByMainWindow, &failing);
    auto* item = new TMenuItem(Window);
    item->SetCaption("Broken");
    item->OnClick = TNotifyEvent::Func([&](TObject*) { Window->RunMenuCommand(broken); });
    Window->MainMenu1->Items()->Add(item);
    MessageBoxRecorder boxes;
    item->Action()->trigger();  // as choosing it does
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "The agent did not answer.");
    // The window goes on: the next command opens its page.
    WithPage([&] { Item("AlarmControl1")->Click(); },
             [&](TConfigForm& window) { EXPECT_EQ(window.Caption(), "Alarm Control:127.0.0.1"); });
}

}  // namespace
