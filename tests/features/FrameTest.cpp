// The dialog frame on a small dialog of the test's own, against the
// simulated stack: scaling, controller blocks, reporting, items left out of
// one write, the close step, a silent agent.

#include <gtest/gtest.h>

#include <QTimer>

#include <map>
#include <memory>
#include <optional>

#include "acl/CPUIPv6RuleUnit.h"
#include "features/ACCServerControl.h"
#include "features/AboutForm.h"
#include "dialogbase/DialogFrame.h"
#include "dialogbase/DialogLines.h"
#include "features/MSEditForm.h"
#include "features/ProtocolVlanForm.h"
#include "features/VlanStaticForm.h"
#include "framework/VxItemsLeftOut.h"
#include "framework/VxRowStatusCombo.h"
#include "platform/Layout.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/HostTable.h"
#include "tests/support/DialogFixture.h"

namespace {

const SnmpVarItem NumberItems[] = {
    {"1.3.6.1.4.1.99.1.1", "Number", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};

constexpr LayoutPanel kPanels[] = {{"", 200}};
constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_hostEntry", .Bounds = {8, 8, 470, 120}},
    {.Class = "TEdit", .Name = "ED_Index", .Bounds = {8, 136, 60, 21}},
    {.Class = "TEdit", .Name = "ED_Address", .Bounds = {76, 136, 120, 21}},
    {.Class = "TComboBox", .Name = "Status", .Bounds = {204, 136, 100, 21}},
    {.Class = "TStaticText", .Name = "ST_Number", .Bounds = {312, 140, 0, 0}},
    {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {400, 140, 0, 0}},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {8, 166, 75, 25}, .Caption = "Refresh"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 198, 470, 70}},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};
// The large-font rule comes with the options.
constexpr FormLayout kLayout{.Name = "HostTestForm", .Caption = "Hosts", .Left = 100, .Top = 40,
                             .ClientWidth = 495, .ClientHeight = 300, .Controls = kControls};

FormLayout LayoutScaledBy(std::optional<DialogScaling> rule) {
    FormLayout layout = kLayout;
    layout.LargeFonts = rule;
    return layout;
}

// A table dialog of hosts and a number, on the frame.
class THostTestForm : public TDialogFrame {
public:
    struct Options {
        std::optional<DialogScaling> Scaling = DialogScaling::LeftTopWidthHeight;
        bool Blocking = false;
        bool BrokenBinding = false;  // the table block binds its combo to an item without names
        Reporting Reports = Reporting::ResultLine;
    };

    THostTestForm(TComponent* owner, Options options)
        : TDialogFrame(owner, LayoutScaledBy(options.Scaling)), Opts(options) {
        KX_BIND(LV_hostEntry);
        KX_BIND(ED_Index);
        KX_BIND(ED_Address);
        KX_BIND(Status);
        KX_BIND(ST_Number);
        KX_BIND(ST_Count);
        KX_BIND(RefreshBtn);
        KX_BIND(Memo1);
        KX_BIND(StatusBar1);
        ButtonReporting = options.Reports;
        RefreshBtn->OnClick = TNotifyEvent(this, &THostTestForm::RefreshBtnClick);
        OnCreate = TNotifyEvent(this, &THostTestForm::FormCreate);
        DoCreate();
    }

    void FormCreate(TObject*) {
        OpenController(Hosts, {.Items = HostItems,
                               .Kind = MVT_UMV,
                               .IndexCount = 1,
                               .Bind =
                                   [this](VxSNMPRequest2Edits& c) {
                                       c.BindListView(LV_hostEntry, 1);
                                       c.BindFormatted(0, "%s", ED_Index);
                                       c.BindFormatted(1, "%s", ED_Address);
                                       c.BindComboBox(Opts.BrokenBinding ? 1 : 3, Status);
                                   },
                               .Blocking = Opts.Blocking,
                               .CountText = ST_Count});
        OpenController(Number, {.Items = NumberItems,
                                .Bind = [this](VxSNMPRequest2Edits& c) { c.BindStaticText(0, ST_Number); }});
    }
    void RefreshBtnClick(TObject*) {
        Guard(Hosts, [&] {
            Hosts->Refresh();
            ShowRowCount(ST_Count, Hosts);
        });
    }

    using TDialogFrame::Guard;
    using TDialogFrame::Report;
    using TDialogFrame::WriteThenRead;

    TListView* LV_hostEntry;
    TEdit* ED_Index;
    TEdit* ED_Address;
    TComboBox* Status;
    TStaticText* ST_Number;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TMemo* Memo1;
    TStatusBar* StatusBar1;
    VxSNMPRequest2Edits* Hosts = nullptr;
    VxSNMPRequest2Edits* Number = nullptr;
    Options Opts;
};

// A dialog with nowhere of its own to report to: no memo, no status bar.
constexpr LayoutControl kBareControls[] = {
    {.Class = "TButton", .Name = "CloseBtn", .Bounds = {8, 8, 75, 25}, .Caption = "Close"},
};
constexpr FormLayout kBareLayout{.Name = "BareTestForm", .Caption = "Bare", .ClientWidth = 100, .ClientHeight = 40,
                                 .LargeFonts = DialogScaling::None, .Controls = kBareControls};

class TBareTestForm : public TDialogFrame {
public:
    explicit TBareTestForm(TComponent* owner) : TDialogFrame(owner, kBareLayout) {}
    using TDialogFrame::Report;
};

class Frame : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        StartStack(HostStack);
        OpenHost();
    }
    THostTestForm* Open(THostTestForm::Options options = {}) {
        auto* dialog = new THostTestForm(Window, options);
        Dialog = dialog;
        Show(dialog);
        return dialog;
    }
};

TEST(LargeFontScaling, RoundsToTheNearestPixel) {
    EXPECT_EQ(ScaleForDialog(503), 629);
    EXPECT_EQ(ScaleForLargeFonts(503, true), 628);  // the front panels' forms truncate
    EXPECT_EQ(ScaleForDialog(40), 50);
}

// Real dialogs of each rule grow by the rule their own layout gives, while
// the host uses large fonts.
class DialogRules : public DialogFixture {
protected:
    template <class T>
    static TDialogFrame* Make(TComponent* owner) {
        return new T(owner);
    }
};

TEST_F(DialogRules, EachDialogGrowsByItsLayoutsRule) {
    OpenHostOn();
    struct Case {
        const char* Name;
        TDialogFrame* (*Make)(TComponent*);
        DialogScaling Rule;
    };
    const Case cases[] = {
        {"TVlanStaticForm", &Make<TVlanStaticForm>, DialogScaling::LeftTopWidthHeight},
        {"TMSEditForm", &Make<TMSEditForm>, DialogScaling::LeftTopWidthHeight},
        {"TProtocolVlanForm", &Make<TProtocolVlanForm>, DialogScaling::WidthHeight},
        {"TCPUIPv6RuleForm", &Make<TCPUIPv6RuleForm>, DialogScaling::WidthHeight},
        {"TAboutForm", &Make<TAboutForm>, DialogScaling::None},
        {"TfrmACCServerCtrl", &Make<TfrmACCServerCtrl>, DialogScaling::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Host->LargeFonts = false;
        const std::unique_ptr<TDialogFrame> plain(c.Make(Window));
        Host->LargeFonts = true;
        const std::unique_ptr<TDialogFrame> large(c.Make(Window));
        EXPECT_EQ(large->LargeFontRule(), c.Rule);
        const bool moves = c.Rule == DialogScaling::LeftTopWidthHeight;
        const bool grows = c.Rule != DialogScaling::None;
        EXPECT_EQ(large->Left(), moves ? ScaleForDialog(plain->Left()) : plain->Left());
        EXPECT_EQ(large->Top(), moves ? ScaleForDialog(plain->Top()) : plain->Top());
        EXPECT_EQ(large->Width(), grows ? ScaleForDialog(plain->Width()) : plain->Width());
        EXPECT_EQ(large->Height(), grows ? ScaleForDialog(plain->Height()) : plain->Height());
    }
}

TEST_F(Frame, LargeFontsScaleByTheDialogsRule) {
    Host->LargeFonts = true;
    struct Case {
        DialogScaling Rule;
        int Left, Top, Width, Height;
    };
    // Stored: Left 100, Top 40, Width 495 + 8 = 503, Height 300 + 27 = 327.
    for (const Case& c : {Case{DialogScaling::LeftTopWidthHeight, 125, 50, 629, 409},
                          Case{DialogScaling::WidthHeight, 100, 40, 629, 409},
                          Case{DialogScaling::None, 100, 40, 503, 327}}) {
        THostTestForm dialog(Window, {.Scaling = c.Rule});
        EXPECT_EQ(dialog.Left(), c.Left);
        EXPECT_EQ(dialog.Top(), c.Top);
        EXPECT_EQ(dialog.Width(), c.Width);
        EXPECT_EQ(dialog.Height(), c.Height);
    }
    Host->LargeFonts = false;
    THostTestForm plain(Window, {});
    EXPECT_EQ(plain.Width(), 503);
    // A dialog must say how it grows.
    EXPECT_THROW(THostTestForm(Window, {.Scaling = std::nullopt}), Exception);
}

TEST_F(Frame, ABlockThatFailsToBindReportsAndTheNextStillReads) {
    THostTestForm* dialog = Open({.BrokenBinding = true});
    EXPECT_EQ(dialog->ST_Number->Caption(), "42");
    const std::string failure = Lines(dialog->Memo1).front();
    EXPECT_EQ(failure.rfind("Get: (VxSNMP++) No reference option list", 0), 0u) << failure;
    EXPECT_TRUE(Rows(dialog->LV_hostEntry).empty());
}

// A block reports its failure, and its controller its result lines, where
// the dialog's reporting says, unless the block says otherwise.
TEST_F(Frame, ABlockReportsAsTheDialogsReportingSays) {
    const std::string failure = "(VxSNMP++) No reference option list";
    for (Reporting how : {Reporting::MemoLine, Reporting::StatusPanel}) {
        const bool memo = how == Reporting::MemoLine;
        SCOPED_TRACE(memo ? "memo line" : "status panel");
        auto* dialog = new THostTestForm(Window, {.BrokenBinding = true, .Reports = how});
        Dialog = dialog;
        TStatusPanel* panel = dialog->StatusBar1->Panels()->Items(0);
        TObject* target = memo ? static_cast<TObject*>(dialog->Memo1) : panel;
        for (VxSNMPRequest2Controls* controller : {dialog->Hosts, dialog->Number}) {
            auto* lines = dynamic_cast<TDialogLines*>(controller->MsgCtrl());
            ASSERT_NE(lines, nullptr);
            EXPECT_EQ(lines->Target(), target);
        }
        // The number's answer is still on its way: what shows is the failure, bare.
        const std::string shown = memo ? LastLine(dialog->Memo1) : panel->Text();
        EXPECT_EQ(shown.rfind(failure, 0), 0u) << shown;
        Show(dialog);
        EXPECT_EQ(dialog->ST_Number->Caption(), "42");
        EXPECT_EQ(dialog->Memo1->Lines()->Count() > 0, memo);
        CloseAndDelete(dialog);
    }
}

TEST_F(Frame, AFailureIsReportedInTheDialogsOneWay) {
    THostTestForm* dialog = Open();
    ASSERT_EQ(Rows(dialog->LV_hostEntry), AllHosts);
    TStatusPanel* panel = dialog->StatusBar1->Panels()->Items(0);
    struct Case {
        Reporting How;
        std::string MemoLine;  // the new last line; empty: none
        std::string PanelText;
    };
    for (const Case& c : {Case{Reporting::ResultLine, "Get: it broke. Receive at ", ""},
                          Case{Reporting::StatusPanel, "", "it broke"}, Case{Reporting::MemoLine, "it broke", ""},
                          Case{Reporting::Silent, "", ""}}) {
        dialog->Memo1->Clear();
        panel->SetText("");
        dialog->ButtonReporting = c.How;
        dialog->Guard(dialog->Hosts, [] { throw Exception("it broke"); });
        EXPECT_EQ(LastLine(dialog->Memo1).substr(0, c.MemoLine.size()), c.MemoLine);
        EXPECT_EQ(dialog->Memo1->Lines()->Count(), c.MemoLine.empty() ? 0 : 1);
        EXPECT_EQ(panel->Text(), c.PanelText);
    }
}

// A way of reporting that the dialog lacks (no controller, or one without a
// message target; no memo; no status bar) still shows the failure, as a bare
// message: in Memo1, else in panel 0 of StatusBar1, else in a message box.
TEST_F(Frame, AReportNeverDropsTheMessage) {
    THostTestForm* dialog = Open();
    VxSNMPRequest2Edits untargeted(dialog);
    for (VxSNMPRequest2Controls* controller : {static_cast<VxSNMPRequest2Controls*>(nullptr),
                                               static_cast<VxSNMPRequest2Controls*>(&untargeted)}) {
        dialog->Memo1->Clear();
        dialog->Report(Reporting::ResultLine, "it broke", controller);
        EXPECT_EQ(Lines(dialog->Memo1), std::vector<std::string>{"it broke"}) << (controller ? "untargeted" : "none");
    }
    TBareTestForm bare(Window);
    MessageBoxRecorder boxes;
    for (Reporting how : {Reporting::ResultLine, Reporting::MemoLine, Reporting::StatusPanel}) {
        boxes.Clear();
        bare.Report(how, "it broke", nullptr);
        ASSERT_EQ(boxes.Count(), 1u) << static_cast<int>(how);
        EXPECT_EQ(boxes.Last().Text, "it broke");
    }
}

TEST_F(Frame, AMiddleItemLeftOutStillWritesTheSelectedRow) {
    THostTestForm* dialog = Open();
    SelectRow(dialog->LV_hostEntry, 1);
    dialog->ED_Address->SetText("10.90.90.22");
    Stack->ClearTrace();
    dialog->Guard(dialog->Hosts, [&] {
        VxItemsLeftOut out(*dialog->Hosts);
        out.LeaveOut(2);
        out.Write(true);
    });
    WaitIdle(dialog);
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{"1.3.6.1.4.1.99.5.1.2.2 ipaddress 10.90.90.22",
                                                            "1.3.6.1.4.1.99.5.1.4.2 integer 1"}));
    EXPECT_EQ(Rows(dialog->LV_hostEntry)[1], "2|10.90.90.22|disabled|active");
}

// Every row-status write goes through the row-status combo's writes, which
// never let a status of 0 out: a status the table lacks, or a box that shows
// none.
TEST_F(Frame, TheRowStatusWriteSendsOnlyAStatusOfTheTable) {
    THostTestForm* dialog = Open();
    const std::string column = "1.3.6.1.4.1.99.5.1.4.";
    struct Case {
        const char* what;
        int row;  // selected first; -1: none
        std::optional<int> status;  // none: the status shown
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"no row loaded", -1, std::nullopt, {}},
        {"a status the table lacks", 1, 2, {}},
        {"the loaded row's own", 1, std::nullopt, {column + "2 integer 1"}},
        {"destroy", 1, RowDestroy, {column + "2 integer 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectRow(dialog->LV_hostEntry, c.row);
        if (c.row < 0) dialog->Status->SetItemIndex(-1);
        Stack->ClearTrace();
        const int lines = dialog->Memo1->Lines()->Count();
        dialog->Guard(dialog->Hosts, [&] {
            if (c.status) WriteRowStatus(*dialog->Hosts, dialog->Status, *c.status);
            else WriteShownRowStatus(*dialog->Hosts, dialog->Status);
        });
        WaitIdle(dialog);
        std::vector<std::string> statuses;
        for (const std::string& line : Stack->TraceLines())
            if (line.rfind(column, 0) == 0) statuses.push_back(line);
        EXPECT_EQ(statuses, c.sent);
        if (c.sent.empty()) {
            EXPECT_TRUE(Stack->TraceLines().empty());
            ASSERT_EQ(dialog->Memo1->Lines()->Count(), lines + 1);
            EXPECT_NE(LastLine(dialog->Memo1).find("nothing was sent"), std::string::npos) << LastLine(dialog->Memo1);
        }
    }
}

// A write and the read after it fail apart; the write's own result is the
// last word, after the read's own result line, unless the read failed.
TEST_F(Frame, AWriteAndTheReadAfterItReportInTheirOrder) {
    THostTestForm* dialog = Open({.Blocking = true, .Reports = Reporting::MemoLine});
    struct Case {
        const char* what;
        const char* fault;     // for the simulated stack, before the write
        bool readWhenRefused;
        std::vector<std::string> lines;  // the memo's new lines, each's start
        bool refused, readFailed;
    };
    const std::string set = "Set: (VxSNMP++) Ok!", get = "Get: (VxSNMP++) Ok!", genErr = "(SNMP) Cannot perform operation, General Error!";
    const Case cases[] = {
        {"taken", "", false, {get, set}, false, false},
        {"refused, read all the same", "fail-next-set genErr", true, {get, genErr}, true, false},
        {"refused, not read", "fail-next-set genErr", false, {genErr}, true, false},
        {"taken, the read fails", "fail-next-read 1.3.6.1.4.1.99.5 genErr", false, {set, genErr}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectRow(dialog->LV_hostEntry, 0);
        dialog->Memo1->Clear();
        if (*c.fault) Stack->Control(c.fault);
        const auto outcome = dialog->WriteThenRead(
            dialog->Hosts, [&] { dialog->Hosts->SetValues(false, true); }, [&] { dialog->Hosts->Refresh(); },
            c.readWhenRefused);
        const std::vector<std::string> lines = Lines(dialog->Memo1);
        ASSERT_EQ(lines.size(), c.lines.size()) << ::testing::PrintToString(lines);
        for (size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].rfind(c.lines[k], 0), 0u) << lines[k];
        EXPECT_EQ(outcome.Refusal.has_value(), c.refused);
        EXPECT_EQ(outcome.ReadFailure.has_value(), c.readFailed);
    }
}

TEST_F(Frame, ARefusedWriteLeavesNoItemOutOfLaterReads) {
    THostTestForm* dialog = Open();
    SelectRow(dialog->LV_hostEntry, 0);
    for (bool blocking : {false, true}) {
        Stack->Control("fail-next-set genErr");
        dialog->Hosts->Async = blocking ? 0 : 1;
        dialog->Guard(dialog->Hosts, [&] {
            VxItemsLeftOut out(*dialog->Hosts);
            out.LeaveOutBetween(1, 2);
            out.Write(true);
        });
        WaitIdle(dialog);
        EXPECT_NE(LastLine(dialog->Memo1).find("Set: "), std::string::npos) << blocking;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(dialog->Hosts->Request.VarList.GetItem(i)->Access, HostItems[i].Access) << i;
    }
    dialog->RefreshBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Rows(dialog->LV_hostEntry), AllHosts);
}

// What the owner left out before a write stays out after it; what the
// write left out comes back.
TEST_F(Frame, AnItemLeftOutByItsOwnerStaysOutAfterTheWrite) {
    THostTestForm* dialog = Open({.Blocking = true});
    SelectRow(dialog->LV_hostEntry, 0);
    VxSNMPVarList& list = dialog->Hosts->Request.VarList;
    list.LeaveOut(2);
    Stack->ClearTrace();
    dialog->Guard(dialog->Hosts, [&] {
        VxItemsLeftOut out(*dialog->Hosts);
        out.LeaveOutBetween(1, 2);
        out.Write(true);
    });
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.5.1.4.1 integer 1"});
    EXPECT_FALSE(list.IsLeftOut(1));
    EXPECT_TRUE(list.IsLeftOut(2));
    EXPECT_EQ(list.GetItem(2)->Access, HostItems[2].Access | acInvalid);
}

TEST_F(Frame, ClosingDuringASlowWalkDropsWhatIsStillOnItsWay) {
    Stack->Control("delay 300");
    auto* dialog = new THostTestForm(Window, {});
    Dialog = dialog;
    dialog->Show();
    ASSERT_TRUE(PumpUntil([&] { return dialog->LV_hostEntry->Items()->Count() == 1; }));
    dialog->Close();
    EXPECT_EQ(dialog->Hosts, nullptr);
    EXPECT_EQ(dialog->Number, nullptr);
    EXPECT_FALSE(dialog->Busy());
    PumpUntil([] { return false; }, 700);  // a late reply finds nothing
    EXPECT_EQ(dialog->LV_hostEntry->Items()->Count(), 1);
    CloseAndDelete(dialog);
    PumpUntil([] { return false; }, 300);
}

TEST_F(Frame, ClosingDuringABlockingWalkEndsItWhenItsHandlerReturns) {
    THostTestForm* dialog = Open({.Blocking = true});
    ASSERT_EQ(Rows(dialog->LV_hostEntry), AllHosts);
    Stack->Control("delay 200");
    // The close arrives while the walk lets messages through after a row.
    QTimer::singleShot(0, [dialog] { dialog->Close(); });
    dialog->RefreshBtn->Click();
    EXPECT_EQ(dialog->Hosts, nullptr);
    EXPECT_LT(dialog->LV_hostEntry->Items()->Count(), 3);
    CloseAndDelete(dialog);
}

TEST_F(Frame, ClosingDuringAWriteLetsGoOfTheControllerOnceItsReportsAreOver) {
    THostTestForm* dialog = Open({.Blocking = true});
    SelectRow(dialog->LV_hostEntry, 0);
    Stack->Control("delay 200");
    Stack->Control("fail-next-set genErr");
    QTimer::singleShot(0, [dialog] { dialog->Close(); });
    const auto outcome = dialog->WriteThenRead(
        dialog->Hosts, [&] { dialog->Hosts->SetValues(false, true); }, [&] { dialog->Hosts->Refresh(); }, true);
    EXPECT_TRUE(outcome.Refusal);
    EXPECT_EQ(dialog->Hosts, nullptr);
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Set: (SNMP) Cannot perform operation", 0), 0u) << LastLine(dialog->Memo1);
    CloseAndDelete(dialog);
}

// What the fields of a window show, each by its place among the components
// (name and number): an edit's, combo box's or static text's text, whether a
// box or radio button is ticked.
std::map<std::string, std::string> FieldsShown(const TComponent* owner, const std::string& path = "") {
    std::map<std::string, std::string> shown;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* c = owner->Components(i);
        const std::string place = path + "/" + c->Name() + "#" + std::to_string(i);
        std::optional<std::string> value;
        if (auto* edit = dynamic_cast<TEdit*>(c)) value = edit->Text();
        else if (auto* combo = dynamic_cast<TComboBox*>(c)) value = combo->Text();
        else if (auto* text = dynamic_cast<TStaticText*>(c)) value = text->Caption();
        else if (auto* box = dynamic_cast<TCheckBox*>(c)) value = box->Checked() ? "ticked" : "";
        else if (auto* radio = dynamic_cast<TRadioButton*>(c)) value = radio->Checked() ? "checked" : "";
        if (value) shown[place] = *value;
        shown.merge(FieldsShown(c, place));
    }
    return shown;
}

// The places where two showings differ, as "place: before / after".
std::vector<std::string> Differences(const std::map<std::string, std::string>& before,
                                     const std::map<std::string, std::string>& after) {
    std::vector<std::string> differ;
    for (const auto& [place, value] : before)
        if (after.count(place) && after.at(place) != value) differ.push_back(place + ": " + value + " / " + after.at(place));
    return differ;
}

class ReadAgain : public DialogFixture {};

// A table read again takes the selected row away: every table dialog then
// shows its fields as it opened (no row), never some of the row before. (The
// row editors' combo boxes keep their choices for the next Add.)
TEST_F(ReadAgain, TheTableDialogsShowTheirFieldsAsTheyOpenedAfterARefresh) {
    OpenHostOn();
    SessionParameters.Timeout = 2000;
    struct Case {
        const char* Command;
        const char* List;
        const char* Refresh;
    };
    const Case cases[] = {
        {"PortTrunk2Click", "LV_PortTrunk", "BT_Get"},
        {"StaticForm1Click", "LV_dot1qVlanStaticEntry", "RefreshBtn"},
        {"UnicastInformation1Click", "LV_dot1qStaticUnicastEntry", "RefreshBtn"},
        {"CommunityStringTable1Click", "ListView1", "RefreshBtn"},
        {"RouteRedistributionTable1Click", "ListView1", "RefreshBtn"},
        {"MD5Information1Click", "ListView1", "GetButton"},
        {"PortsInfo1Click", "LV_dot1qPortVlanEntry", "RefreshBtn"},
        {"TpGroupDestinationForwarded1Click", "LV_dot1qTpGroupEntry", "RefreshBtn"},
        {"MulticastInformation1Click", "LV_dot1qStaticMulticastEntry", "RefreshBtn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Command);
        FromMenu<TDialogFrame>(c.Command, [&](TDialogFrame& dialog) {
            auto* list = dynamic_cast<TListView*>(dialog.FindComponent(c.List));
            auto* refresh = dynamic_cast<TControl*>(dialog.FindComponent(c.Refresh));
            ASSERT_TRUE(list && refresh);
            ASSERT_GT(list->Items()->Count(), 0) << "the stack holds no row of the table";
            const auto opened = FieldsShown(&dialog);
            SelectRow(list, 0);
            ASSERT_FALSE(Differences(opened, FieldsShown(&dialog)).empty()) << "the row shows nothing";
            refresh->Click();
            WaitIdle(&dialog);
            EXPECT_EQ(Differences(opened, FieldsShown(&dialog)), std::vector<std::string>{});
        });
    }
}

TEST_F(Frame, ASilentAgentLeavesTheDialogEmptyAndUsable) {
    SessionParameters.Timeout = 50;
    Stack->Control("silent on");
    THostTestForm* dialog = Open();
    EXPECT_TRUE(Rows(dialog->LV_hostEntry).empty());
    EXPECT_EQ(dialog->ST_Number->Caption(), "");
    const std::vector<std::string> lines = Lines(dialog->Memo1);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) EXPECT_NE(line.find("timed out"), std::string::npos) << line;
    EXPECT_TRUE(dialog->RefreshBtn->Enabled());
    dialog->RefreshBtn->Click();  // returns at once; the reply is awaited by the loop
    EXPECT_TRUE(dialog->Busy());
    WaitIdle(dialog);
    EXPECT_EQ(dialog->Memo1->Lines()->Count(), 3);
}

}  // namespace
