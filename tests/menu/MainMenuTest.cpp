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

#include "acl/CPUIPMaskInformationFormUnit.h"
#include "acl/CPUIPRuleUnit.h"
#include "acl/CPUIPv6MaskInformationUnit.h"
#include "acl/CPUIPv6RuleUnit.h"
#include "acl/IPMaskInformationFormUnit.h"
#include "acl/IPRuleUnit.h"
#include "acl/IPv6MaskInformationUnit.h"
#include "acl/IPv6RuleUnit.h"
#include "common/VxValueMarkers.h"
#include "dialogbase/DialogFrame.h"
#include "features/ACCServerControl.h"
#include "features/AboutForm.h"
#include "features/AggregatorPortTableForm.h"
#include "features/BOOTCtrlTableForm.h"
#include "features/EquipmentBasicInfoForm.h"
#include "dialogbase/Form1.h"
#include "features/ForwardUnregisteredInformationForm.h"
#include "features/GARPForm.h"
#include "features/MSInformationForm.h"
#include "features/Md5InformationForm.h"
#include "features/MulticastFilterInformationForm.h"
#include "features/MulticastForwardingInformationForm.h"
#include "features/PBridgeConfigForm.h"
#include "features/PortCapabilities8021dForm.h"
#include "features/PortMirrorForm.h"
#include "features/PortTrunkForm.h"
#include "features/ProtocolVlanForm.h"
#include "features/RouteRedistributForm.h"
#include "features/ServerInfoUnit.h"
#include "features/SummerTimeConfigForm.h"
#include "features/TpGroupDestinationForwardedForm.h"
#include "features/TrafficSegmentationForm.h"
#include "features/UnicastFilterInformationForm.h"
#include "features/VLanCurrentTableForm.h"
#include "features/VLanGeneralInfoForm.h"
#include "features/VLanPortInfomationForm.h"
#include "features/VlanStaticForm.h"
#include "framework/GUIConfigForm.h"
#include "framework/VxSNMPSession.h"
#include "framework/VxSyntax.h"
#include "main/MainMenuLayout.h"
#include "main/MenuCommand.h"
#include "mibdefs/SystemMib.h"
#include "platform/Help.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Picture.h"
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
        {"MD5Information1", "MD5 Information ", true, true},
        {"BOOTPCtrlTable1", "BOOTP Ctrl Table", true, true},
        {"RouteRedistributionTable1", "Route Redistribution Table", true, true},
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
                     ExpectPicture(&window, file);
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

// ---------------------------------------------------------------- a write that carries nothing

// An agent that serves only its units: the values of the other groups show
// as missing.
class BareAgent : public MainMenu {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartStack(R"({"units": [{"id": 1, "model": "Kestrix-50", "mode": "master", "portRange": 50}]})");
        OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
    }
};

const char* const NothingToWrite = "Set: (VxSNMP++) Nothing was sent: the agent has none of these values to write!";

// A Set whose chosen values the agent has none of sends nothing, and the
// page or dialog ends on the line that says so, never on "Ok!".
TEST_F(BareAgent, ASetThatCarriesNothingSendsNothingAndSaysSo) {
    struct Case {
        const char* Item;
        std::function<void(TSNMPEditorPanel&)> Choose;
    };
    const Case cases[] = {
        {"AlarmControl1", [](TSNMPEditorPanel& page) { page.BtnPanel->CheckAllBtn->Click(); }},
        {"ProbeBasicinformation1",
         [](TSNMPEditorPanel& page) { page.EditsPanel->Vars[4].CheckBox->SetChecked(true); }},  // Download File
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Item);
        WithPage([&] { Item(c.Item)->Click(); },
                 [&](TConfigForm& window) {
                     auto* page = dynamic_cast<TSNMPEditorPanel*>(PageOf(window));
                     ASSERT_NE(page, nullptr);
                     c.Choose(*page);
                     Stack->ClearTrace();
                     page->BtnPanel->SetCheckedBtn->Click();
                     PumpUntil([&] { return !window.CurrentController->IsBusy(); });
                     EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{});
                     EXPECT_EQ(Lines(window).back().rfind(NothingToWrite, 0), 0u) << Lines(window).back();
                 });
    }
    // A dialog, through its frame.
    WithDialogOf<TPBridgeConfigForm>("BasicConfigure2", [&](TPBridgeConfigForm& dialog) {
        Stack->ClearTrace();
        dialog.BT_Set->Click();
        PumpUntil([&] { return !dialog.Busy(); });
        EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{});
        TStrings* lines = dialog.Memo1->Lines();
        EXPECT_EQ(lines->Get(lines->Count() - 1).rfind(NothingToWrite, 0), 0u) << lines->Get(lines->Count() - 1);
    });
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

// The global a dialog command keeps its dialog in while it is up.
template <auto* Global>
TForm* Held() {
    return *Global;
}

// A dialog of a stored caption and a caption rule, nothing else; its global.
template <const FormLayout& Layout>
class TTestDialog : public TDialogFrame {
public:
    explicit TTestDialog(TComponent* owner) : TDialogFrame(owner, Layout) {}
};
template <const FormLayout& Layout>
TTestDialog<Layout>* TestDialog = nullptr;

constexpr FormLayout StoredCaption{.Caption = "Stored caption", .LargeFonts = DialogScaling::None};
constexpr FormLayout MenuSetsTitleAndAgent{.Caption = "Stored caption", .LargeFonts = DialogScaling::None,
                                           .Captioning = CaptionRule::MenuSetsTitleAndAgent,
                                           .Title = "BOOTP Ctrl Table : "};
constexpr FormLayout MenuSetsTitle{.Caption = "Stored caption", .LargeFonts = DialogScaling::None,
                                   .Captioning = CaptionRule::MenuSetsTitle,
                                   .Title = "Member Switch Information Table"};
constexpr FormLayout MenuTitleAndAgent{.Caption = "Stored caption", .LargeFonts = DialogScaling::None,
                                       .Captioning = CaptionRule::MenuTitleAndAgent};

template <const FormLayout& Layout>
constexpr const DialogLink* TestLink = &LinkDialog<TTestDialog<Layout>, &TestDialog<Layout>>;
template <const FormLayout& Layout>
constexpr auto TestDialogHeld = Held<&TestDialog<Layout>>;

TEST_F(MainMenu, ADialogCommandKeepsItsDialogInItsGlobalWhileItIsUp) {
    using namespace MenuRows;
    struct Case {
        MenuCommand Row;
        TForm* (*Global)();
        TComponent* Owner;
        std::string Caption;
    };
    const Case cases[] = {
        {Dialog(OwnedByMainWindow, TestLink<MenuSetsTitleAndAgent>), TestDialogHeld<MenuSetsTitleAndAgent>, Window,
         "BOOTP Ctrl Table : 127.0.0.1"},
        {Dialog(OwnedByMainWindow, TestLink<MenuSetsTitle>), TestDialogHeld<MenuSetsTitle>, Window,
         "Member Switch Information Table"},
        {Dialog(OwnedByApplication, TestLink<MenuTitleAndAgent>).Titled("Traffic Segmentation Table"),
         TestDialogHeld<MenuTitleAndAgent>, Application, "Traffic Segmentation Table:127.0.0.1"},
        {Dialog(OwnedByApplication, TestLink<StoredCaption>), TestDialogHeld<StoredCaption>, Application,
         "Stored caption"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption);
        WhileModal<TDialogFrame>(
            [&] { Window->RunMenuCommand(c.Row); },
            [](TDialogFrame&) { return true; },
            [&](TDialogFrame& dialog) {
                EXPECT_EQ(c.Global(), &dialog);
                EXPECT_EQ(dialog.Owner(), c.Owner);
                EXPECT_EQ(dialog.Caption(), c.Caption);
            });
        EXPECT_EQ(c.Global(), nullptr);
    }
    EXPECT_EQ(Window->PageTitle, "Traffic Segmentation Table");
}

// What a dialog command opens, once its first reads are over.
struct OpenedDialog {
    const char* Item;
    const std::type_info& Class;
    const char* Caption;
    bool OwnedByWindow;                // else by the application
    TForm* (*Global)() = nullptr;      // holds the dialog while it is up, then nothing
    const char* List = nullptr;        // the list of the rows read,
    int Rows = 0;                      // with this many rows,
    std::vector<std::string> Keys{};   // the captions of the first ones,
    const char* Counter = nullptr;     // and the text that counts them
    bool Reports = false;              // its memo ends in the read's success
    const char* Title = nullptr;       // the page title the command sets; others leave it
};

// The dialog commands open their dialogs from their items, read and ready:
// of their class, with their captions and owners, their lists filled once,
// their globals holding them while they are up.
TEST_F(MainMenu, DialogCommandsOpenTheirDialogsReadAndReady) {
    const OpenedDialog cases[] = {
        // The access-control editors.
        {.Item = "IPMaskInformation1", .Class = typeid(TIPMaskInformationForm),
         .Caption = "IP Mask MaskInformation :127.0.0.1", .OwnedByWindow = false, .List = "ListView1", .Rows = 3},
        {.Item = "IPRule1", .Class = typeid(TIPRuleForm), .Caption = "IPv4 Rule", .OwnedByWindow = false,
         .Global = Held<&IPRuleForm>, .List = "ListView1", .Rows = 4, .Counter = "StaticText1"},
        {.Item = "CPUIPMaskInformation1", .Class = typeid(TCPUIPMaskInformationForm),
         .Caption = "CPU IP Mask MaskInformation :127.0.0.1", .OwnedByWindow = false, .List = "ListView1", .Rows = 2},
        {.Item = "CPUIPRule1", .Class = typeid(TCPUIPRuleForm), .Caption = "CPU IPv4 Rule Information",
         .OwnedByWindow = false, .Global = Held<&CPUIPRuleForm>, .List = "ListView1", .Rows = 3,
         .Counter = "StaticText1"},
        {.Item = "IPV6Rule1", .Class = typeid(TIPv6RuleForm), .Caption = "IPv6 Rule", .OwnedByWindow = false,
         .Global = Held<&IPv6RuleForm>, .List = "ListView1", .Rows = 2, .Counter = "StaticText1"},
        {.Item = "CPUIPv6Rule1", .Class = typeid(TCPUIPv6RuleForm), .Caption = "CPU IPv6 Rule Information",
         .OwnedByWindow = false, .Global = Held<&CPUIPv6RuleForm>, .List = "ListView1", .Rows = 1,
         .Counter = "StaticText1"},
        {.Item = "IPV6MaskInformation1", .Class = typeid(TIPv6MaskInformationForm),
         .Caption = "IPV6 Mask Information : 127.0.0.1", .OwnedByWindow = true, .Global = Held<&IPv6MaskInformationForm>,
         .List = "ListView1", .Rows = 2},
        {.Item = "CPUIPv6MaskInformation1", .Class = typeid(TCPUIPv6MaskInformationForm),
         .Caption = "CPU IPV6 Mask Information : 127.0.0.1", .OwnedByWindow = true,
         .Global = Held<&CPUIPv6MaskInformationForm>, .List = "ListView1", .Rows = 1},
        // The layer-2 port dialogs.
        {.Item = "StaticForm1", .Class = typeid(TVlanStaticForm), .Caption = "VLAN Static Form", .OwnedByWindow = true,
         .Global = Held<&VlanStaticForm>, .List = "LV_dot1qVlanStaticEntry", .Rows = 2, .Keys = {"1", "10"},
         .Counter = "ST_Count2", .Reports = true},
        {.Item = "PortTrunk2", .Class = typeid(TPortTrunkForm), .Caption = "Port Trunk Table :127.0.0.1",
         .OwnedByWindow = false, .List = "LV_PortTrunk", .Rows = 1},
        {.Item = "PortMirrorTable1", .Class = typeid(TPortMirrorForm), .Caption = "Port Mirror Table:127.0.0.1",
         .OwnedByWindow = false},
        {.Item = "TrafficSegmentationTable1", .Class = typeid(TTrafficSegmentationForm),
         .Caption = "Traffic Segmentation Table:127.0.0.1", .OwnedByWindow = false, .List = "LV_TrafficForward",
         .Rows = 74, .Counter = "StaticText1", .Title = "Traffic Segmentation Table"},
        {.Item = "ProtocolVLAN1", .Class = typeid(TProtocolVlanForm), .Caption = "Protocol VLAN : 127.0.0.1",
         .OwnedByWindow = true, .Global = Held<&ProtocolVlanForm>, .List = "ListView1", .Rows = 2,
         .Counter = "StaticText1"},
        {.Item = "AggreatorPortTable1", .Class = typeid(TAggregatorPortTableForm), .Caption = "Aggregator Port Table",
         .OwnedByWindow = true, .Global = Held<&AggregatorPortTableForm>, .List = "ListView1", .Rows = 74,
         .Counter = "StaticText1", .Reports = true},
        // The layer-3 service tables.
        {.Item = "MD5Information1", .Class = typeid(TMd5InformationForm), .Caption = "MD5 Information Table : 127.0.0.1",
         .OwnedByWindow = true, .Global = Held<&Md5InformationForm>, .List = "ListView1", .Rows = 3,
         .Counter = "StaticText1", .Reports = true},
        {.Item = "BOOTPCtrlTable1", .Class = typeid(TBOOTCtrlTableForm), .Caption = "BOOTP Ctrl Table : 127.0.0.1",
         .OwnedByWindow = true, .Global = Held<&BOOTCtrlTableForm>, .List = "ListView1", .Rows = 3, .Reports = true},
        {.Item = "RouteRedistributionTable1", .Class = typeid(TRouteRedistributForm),
         .Caption = "Route Redistribution Table", .OwnedByWindow = true, .Global = Held<&RouteRedistributForm>,
         .List = "ListView1", .Rows = 3, .Reports = true},
        // Daylight saving time, the member switches and the about box.
        {.Item = "SummerTime1", .Class = typeid(TSummerTimeConfigForm), .Caption = "Summer Time Configuration ",
         .OwnedByWindow = false, .Global = Held<&SummerTimeConfigForm>, .Reports = true},
        {.Item = "MemberSwitch1", .Class = typeid(TMSInformationForm), .Caption = "Member Switch Information Table",
         .OwnedByWindow = true, .Global = Held<&MSInformationForm>, .List = "ListView1", .Rows = 2,
         .Counter = "StaticText1", .Reports = true},
        {.Item = "About1", .Class = typeid(TAboutForm), .Caption = "About Kestrix Module", .OwnedByWindow = false,
         .Global = Held<&AboutForm>},
        // The bridge and VLAN dialogs.
        {.Item = "Test1", .Class = typeid(TEquipmentBasicInfoForm), .Caption = "Equipment Basic Information",
         .OwnedByWindow = true, .Global = Held<&EquipmentBasicInfoForm>, .Reports = true},
        {.Item = "BasicConfigure2", .Class = typeid(TPBridgeConfigForm), .Caption = "802.1P Basic Configure",
         .OwnedByWindow = false, .Global = Held<&PBridgeConfigForm>, .Reports = true},
        {.Item = "GVRP1", .Class = typeid(TGARPForm), .Caption = "GARP Form", .OwnedByWindow = false,
         .Global = Held<&GARPForm>, .List = "LV_dot1dPortGarpEntry", .Rows = 74, .Counter = "ST_Count",
         .Reports = true},
        {.Item = "PortCapbility1", .Class = typeid(TPortCapabilities8021dForm), .Caption = "Port Capability Form",
         .OwnedByWindow = false, .Global = Held<&PortCapabilities8021dForm>, .List = "LV_dot1dPortCapabilitiesEntry",
         .Rows = 74, .Counter = "ST_Count", .Reports = true},
        {.Item = "BasicConfigure", .Class = typeid(TVLanGeneralInfoForm), .Caption = "802.1Q Basic Configure",
         .OwnedByWindow = false, .Global = Held<&VLanGeneralInfoForm>, .Reports = true},
        {.Item = "PortsInfo1", .Class = typeid(TVLanPortInfomationForm), .Caption = "VLAN Port Information Form",
         .OwnedByWindow = false, .Global = Held<&VLanPortInfomationForm>, .List = "LV_dot1qPortVlanEntry", .Rows = 74,
         .Counter = "ST_Count", .Reports = true},
        {.Item = "TpGroupDestinationForwarded1", .Class = typeid(TTpGroupDestinationForwardedForm),
         .Caption = "Tp Group Destination Forwarded", .OwnedByWindow = true,
         .Global = Held<&TpGroupDestinationForwardedForm>, .List = "LV_dot1qTpGroupEntry", .Rows = 2, .Reports = true},
        {.Item = "MulticastForwardingInformation1", .Class = typeid(TMulticastForwardingInformationForm),
         .Caption = "Multicast Forwarding Information", .OwnedByWindow = true,
         .Global = Held<&MulticastForwardingInformationForm>, .List = "LV_dot1qForwardAllEntry", .Rows = 2,
         .Counter = "ST_Count", .Reports = true},
        {.Item = "ForwardUnregisteredInformation1", .Class = typeid(TForwardUnregisteredInformationForm),
         .Caption = "Forward Unregistered Information", .OwnedByWindow = true,
         .Global = Held<&ForwardUnregisteredInformationForm>, .List = "LV_dot1qForwardUnregisteredEntry", .Rows = 2,
         .Counter = "ST_Count", .Reports = true},
        {.Item = "CurrentForm1", .Class = typeid(TVLanCurrentTableForm), .Caption = "VLAN Current Table",
         .OwnedByWindow = true, .Global = Held<&VLanCurrentTableForm>, .List = "LV_dot1qVlanCurrentEntry", .Rows = 2,
         .Counter = "ST_Count2", .Reports = true},
        {.Item = "UnicastInformation1", .Class = typeid(TUnicastFilterInformationForm),
         .Caption = "Unicast Filter Information", .OwnedByWindow = true, .Global = Held<&UnicastFilterInformationForm>,
         .List = "LV_dot1qStaticUnicastEntry", .Rows = 2, .Counter = "ST_Count", .Reports = true},
        {.Item = "MulticastInformation1", .Class = typeid(TMulticastFilterInformationForm),
         .Caption = "Multicast Filter Information", .OwnedByWindow = true,
         .Global = Held<&MulticastFilterInformationForm>, .List = "LV_dot1qStaticMulticastEntry", .Rows = 2,
         .Counter = "ST_Count", .Reports = true},
        // The authentication servers.
        {.Item = "ServerInformation1", .Class = typeid(TServerInformationForm), .Caption = "Server Information Table",
         .OwnedByWindow = false, .Global = Held<&ServerInformationForm>, .List = "ListView1", .Rows = 3,
         .Counter = "Static"},
        {.Item = "ServerControl", .Class = typeid(TfrmACCServerCtrl), .Caption = "ACC Server Control Table : 127.0.0.1",
         .OwnedByWindow = false, .Global = Held<&frmACCServerCtrl>},
    };
    Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    SessionParameters.Timeout = AnswerTimeout;
    for (const OpenedDialog& c : cases) {
        SCOPED_TRACE(c.Item);
        const std::string title = Window->PageTitle;
        WithDialogOf<TDialogFrame>(c.Item, [&](TDialogFrame& dialog) {
            EXPECT_EQ(typeid(dialog), c.Class);
            EXPECT_EQ(dialog.Caption(), c.Caption);
            EXPECT_EQ(dialog.Owner(), c.OwnedByWindow ? static_cast<TComponent*>(Window) : Application);
            if (c.Global) {
                EXPECT_EQ(c.Global(), &dialog);
            }
            if (c.List) {
                const auto* list = dynamic_cast<TListView*>(dialog.FindComponent(c.List));
                ASSERT_NE(list, nullptr) << c.List;
                EXPECT_EQ(list->Items()->Count(), c.Rows);
                for (size_t i = 0; i < c.Keys.size() && i < static_cast<size_t>(list->Items()->Count()); ++i)
                    EXPECT_EQ(list->Items()->Item(static_cast<int>(i))->Caption(), c.Keys[i]);
                if (c.Counter) {
                    const auto* counter = dynamic_cast<TStaticText*>(dialog.FindComponent(c.Counter));
                    ASSERT_NE(counter, nullptr) << c.Counter;
                    EXPECT_EQ(counter->Caption(), std::to_string(c.Rows));
                }
            }
            if (c.Reports) {
                const auto* memo = dynamic_cast<TMemo*>(dialog.FindComponent("Memo1"));
                ASSERT_NE(memo, nullptr);
                ASSERT_GT(memo->Lines()->Count(), 0);
                EXPECT_EQ(memo->Lines()->Get(memo->Lines()->Count() - 1).rfind(OkLine, 0), 0u);
            }
        });
        if (c.Global) {
            EXPECT_EQ(c.Global(), nullptr);
        }
        EXPECT_EQ(Window->PageTitle, c.Title ? c.Title : title);
    }
    delete Form1;
    Form1 = nullptr;
}

// Every dialog command of one menu opens its dialog from its item, as the
// user chooses it: modal, of the class its row names, owned as the row says,
// its first reads over with nothing but success shown, and gone once closed.
class EveryDialog : public MainMenu, public testing::WithParamInterface<const char*> {};

TEST_P(EveryDialog, OpensModallyFromItsItemReadsAndCloses) {
    Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    SessionParameters.Timeout = AnswerTimeout;
    MessageBoxRecorder boxes;
    const std::vector<PageCommand> dialogs =
        CommandsOfMenu(GetParam(), [](const MenuCommand& c) { return c.Pattern == CommandPattern::Dialog; });
    ASSERT_FALSE(dialogs.empty());
    for (const PageCommand& dialog : dialogs) {
        SCOPED_TRACE(dialog.Item);
        WithDialogOf<TDialogFrame>(dialog.Item, [&](TDialogFrame& window) {
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
