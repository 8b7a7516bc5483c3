#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cctype>

#include "framework/VxSNMPRequest2Controls.h"
#include "platform/Vcl.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"

namespace {

const SnmpVarItem UnitItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1", "Unit", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.10", "Model", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem PortItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.1", "Port", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem RmonItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.3", "RMON", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem PriorityItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1", "Unit", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.14", "Priority", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0}};

// Records the controller's virtual calls in order.
class Recorder : public VxSNMPRequest2Controls {
public:
    using VxSNMPRequest2Controls::VxSNMPRequest2Controls;
    void BeforeRefresh() override { Calls.push_back("BeforeRefresh"); }
    void BeforeSet() override { Calls.push_back("BeforeSet"); }
    void ShowRow() override {
        Calls.push_back("ShowRow " + Request.VarList.GetItem(Request.VarList.GetCount() - 1)->Value);
        if (OnRow) OnRow();
    }
    void ReadControls() override { Calls.push_back("ReadControls"); }
    void ShowError(VxSNMPError* reply) override {
        Calls.push_back("ShowError " + std::to_string(reply->Code));
        VxSNMPRequest2Controls::ShowError(reply);
    }
    void ShowSetError(VxSNMPError* reply) override {
        Calls.push_back("ShowSetError " + std::to_string(reply->Code));
        VxSNMPRequest2Controls::ShowSetError(reply);
    }
    void AfterRefresh() override { Calls.push_back("AfterRefresh"); }
    void AfterSet() override { Calls.push_back("AfterSet"); }

    void Done(VxSNMPRequest2Controls*, VxSNMPError* reply) {
        Calls.push_back("Done " + std::to_string(reply->Code));
        ++DoneCount;
    }

    std::vector<std::string> Calls;
    std::function<void()> OnRow;
    int DoneCount = 0;
};

class Controller : public AgentFixture {
protected:
    void SetUp() override {
        StartAgent();
        form = std::make_unique<TForm>(nullptr);
        memo = new TMemo(form.get());
        memo->SetParent(form.get());
    }
    void TearDown() override {
        form.reset();
        AgentFixture::TearDown();
    }
    std::unique_ptr<Recorder> Make(const SnmpVarItem* items, uint8_t kind, uint32_t indexes, bool async) {
        auto c = std::make_unique<Recorder>(form.get());
        c->Request.VarList = VxSNMPVarList(items, kind, indexes);
        c->Async = async;
        c->SetMsgCtrl(memo);
        c->OnRefreshDone = TRefreshDoneEvent(c.get(), &Recorder::Done);
        return c;
    }
    void Wait(Recorder& c) { ASSERT_TRUE(PumpUntil([&] { return !c.IsBusy(); })); }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i));
        return lines;
    }

    std::unique_ptr<TForm> form;
    TMemo* memo = nullptr;
};

using Calls = std::vector<std::string>;

// A UDP port on loopback that takes every datagram and never answers.
class SilentPort {
public:
    SilentPort() : Fd(socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(Fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(Fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("no silent port");
        Port = ntohs(address.sin_port);
    }
    ~SilentPort() { close(Fd); }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;

    uint16_t Port = 0;

private:
    int Fd;
};

// Counts its paints.
class PaintProbe : public QWidget {
public:
    std::function<void()> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override {
        if (OnPaint) OnPaint();
    }
};

// `line` is `head` followed by " Receive at hh:nn:ss AM." (or PM).
bool IsResultLine(const std::string& line, const std::string& head) {
    const std::string at = head + " Receive at ";
    if (line.rfind(at, 0) != 0) return false;
    const std::string time = line.substr(at.size());
    if (time.size() != 12) return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!std::isdigit(static_cast<unsigned char>(time[static_cast<size_t>(i)]))) return false;
    return time[2] == ':' && time[5] == ':' && (time.substr(8) == " AM." || time.substr(8) == " PM.");
}
const Calls UnitWalk = {"BeforeRefresh", "ShowRow Kestrix-50", "ShowRow Brovan-26", "ShowRow Tallix-24",
                        "AfterRefresh"};

TEST_F(Controller, BlockingRefreshOfATable) {
    auto c = Make(UnitItems, MVT_FMV, 1, false);
    c->Request.VarList.Name = "Units";
    c->Refresh();
    EXPECT_EQ(c->Calls, UnitWalk);  // no OnRefreshDone for a blocking refresh
    EXPECT_FALSE(c->IsBusy());
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(IsResultLine(Lines()[0], "Get: (VxSNMP++) Ok! Request:Units.")) << Lines()[0];
}

TEST_F(Controller, AsynchronousRefreshEndsWithTheDoneEvent) {
    auto c = Make(UnitItems, MVT_FMV, 1, true);
    c->Refresh();
    EXPECT_TRUE(c->IsBusy());
    Wait(*c);
    Calls expected = UnitWalk;
    expected.push_back("Done 0");
    EXPECT_EQ(c->Calls, expected);
    // Without a list name " Request:[VARLIST]" is cut from the line.
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(IsResultLine(Lines()[0], "Get: (VxSNMP++) Ok!.")) << Lines()[0];
}

TEST_F(Controller, ScalarSetIsNotFollowedByARefreshButATableSetIs) {
    for (bool async : {false, true}) {
        auto scalar = Make(RmonItems, SVT_SV, 0, async);
        scalar->Request.VarList.GetItem(0)->Value = "3";
        scalar->SetValues(true, true);
        Wait(*scalar);
        EXPECT_EQ(scalar->Calls, (Calls{"BeforeSet", "ReadControls", "AfterSet"})) << async;

        auto table = Make(PriorityItems, MVT_UMV, 1, async);
        table->Request.VarList.GetItem(0)->Value = "3";
        table->Request.VarList.GetItem(1)->Value = "5";
        memo->Lines()->Clear();
        table->SetValues(true, false);
        Wait(*table);
        ASSERT_GE(table->Calls.size(), 3u) << async;
        EXPECT_EQ((Calls{table->Calls[0], table->Calls[1], table->Calls[2]}),
                  (Calls{"BeforeSet", "AfterSet", "BeforeRefresh"}))
            << async;
        ASSERT_EQ(Lines().size(), 2u) << async;
        EXPECT_EQ(Lines()[0].substr(0, 4), "Set:");
        EXPECT_EQ(Lines()[1].substr(0, 4), "Get:");
    }
}

TEST_F(Controller, FailedWritesReportAndAreNeverFollowedByARefresh) {
    auto sync = Make(PriorityItems, MVT_UMV, 1, false);
    sync->Request.VarList.GetItem(0)->Value = "3";
    sync->Request.VarList.GetItem(1)->Value = "5";
    Stack->Control("fail-next-set 10");
    try {
        sync->SetValues(true, false);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -110);
    }
    EXPECT_EQ(sync->Calls, Calls{"BeforeSet"});
    EXPECT_FALSE(sync->IsBusy());

    auto async = Make(PriorityItems, MVT_UMV, 1, true);
    async->Request.VarList.GetItem(0)->Value = "3";
    async->Request.VarList.GetItem(1)->Value = "5";
    Stack->Control("fail-next-set 10");
    async->SetValues(true, false);
    Wait(*async);
    EXPECT_EQ(async->Calls, (Calls{"BeforeSet", "ShowSetError -110"}));
    ASSERT_FALSE(Lines().empty());
    EXPECT_EQ(Lines().back().rfind("Set: (SNMP) Cannot create/set variable, Wrong Value!", 0), 0u) << Lines().back();
}

TEST_F(Controller, TimeOutInTheMiddleOfAWalkKeepsTheRowsAndReportsIt) {
    auto c = Make(UnitItems, MVT_FMV, 1, true);
    // The next row is asked for before a row is shown: the agent holds its
    // answers a while (within the time-out), so that it drops the one asked
    // for meanwhile.
    c->Request.Timeout = 50;
    Stack->Control("delay 250");
    c->OnRow = [&] {
        if (c->Calls.size() == 2) Stack->Control("silent on");
    };
    c->Refresh();
    Wait(*c);
    EXPECT_EQ(c->Calls, (Calls{"BeforeRefresh", "ShowRow Kestrix-50", "ShowError -405", "Done -405"}));
    EXPECT_EQ(Lines().back().rfind("Get: (SNMPClass) SNMP request timed out!", 0), 0u);
}

TEST_F(Controller, AStoppedControllerSendsNothingAndAStoppedWalkEndsSilentlyAtOnce) {
    auto idle = Make(UnitItems, MVT_FMV, 1, true);
    idle->Stop();
    idle->Refresh();
    EXPECT_FALSE(idle->IsBusy());
    EXPECT_EQ(idle->Calls, Calls{"BeforeRefresh"});
    EXPECT_EQ(idle->Request.Pending, 0);

    // Stopped from inside its first row: nothing more of the walk is shown,
    // and nothing is left to wait for.
    for (bool async : {true, false}) {
        auto c = Make(UnitItems, MVT_FMV, 1, async);
        c->OnRow = [&] { c->Stop(); };
        c->Refresh();
        ASSERT_TRUE(PumpUntil([&] { return c->Calls.size() >= 2; })) << async;
        EXPECT_FALSE(c->IsBusy()) << async;
        EXPECT_TRUE(c->WaitWhileBusy(0)) << async;
        PumpUntil([] { return false; }, 200);
        EXPECT_EQ(c->Calls, (Calls{"BeforeRefresh", "ShowRow Kestrix-50"})) << async;
        EXPECT_EQ(c->Request.Pending, 0) << async;
    }
    EXPECT_TRUE(Lines().empty());

    // Resumed, it reads again.
    idle->Resume();
    idle->Refresh();
    EXPECT_TRUE(idle->WaitWhileBusy(10000));
    EXPECT_EQ(idle->DoneCount, 1);
}

TEST_F(Controller, AHandlerOfOnRefreshDoneMayDeleteItsController) {
    struct Case {
        const char* Name;
        const SnmpVarItem* Items;
        uint8_t Kind;
        uint32_t Indexes;
        bool Silent;
    };
    const Case cases[] = {
        {"scalar read", RmonItems, SVT_SV, 0, false},
        {"table walk", UnitItems, MVT_FMV, 1, false},
        {"time-out", RmonItems, SVT_SV, 0, true},
    };
    for (const Case& k : cases) {
        Stack->Control(k.Silent ? "silent on" : "silent off");
        auto c = Make(k.Items, k.Kind, k.Indexes, true);
        c->Request.Timeout = 10;
        int code = 1;
        c->OnRefreshDone = TRefreshDoneEvent::Func([&](VxSNMPRequest2Controls*, VxSNMPError* reply) {
            code = reply->Code;
            c.reset();
        });
        c->Refresh();
        ASSERT_TRUE(PumpUntil([&] { return !c; })) << k.Name;
        EXPECT_EQ(code, k.Silent ? -405 : 0) << k.Name;
    }
}

TEST_F(Controller, AReplyThatCannotBeShownStillEndsTheReadWithOnRefreshDone) {
    struct Case {
        const SnmpVarItem* Items;
        uint8_t Kind;
        uint32_t Indexes;
        const char* Row;
    };
    for (const Case& k : {Case{RmonItems, SVT_SV, 0, "ShowRow 3"}, Case{UnitItems, MVT_FMV, 1, "ShowRow Kestrix-50"}}) {
        memo->Lines()->Clear();
        auto c = Make(k.Items, k.Kind, k.Indexes, true);
        c->OnRow = [] { throw Exception("(VxSNMP++) Bad syntax of a SNMP variable's (partial) data!", -517); };
        c->Refresh();
        Wait(*c);
        EXPECT_EQ(c->Calls, (Calls{"BeforeRefresh", k.Row, "Done -517"})) << k.Row;
        ASSERT_EQ(Lines().size(), 1u);
        EXPECT_EQ(Lines()[0].rfind("Get: (VxSNMP++) Bad syntax", 0), 0u) << Lines()[0];
    }
}

// The agent answers the next row while a row goes into the window; a row
// that cannot be shown ends the walk, and the row asked for meanwhile is
// never shown.
TEST_F(Controller, AnAsynchronousWalkAsksForTheNextRowBeforeShowingOne) {
    auto c = Make(PortItems, MVT_FMV, 0, true);
    std::vector<int> pending;
    c->OnRow = [&] { pending.push_back(c->Request.Pending); };
    c->Refresh();
    Wait(*c);
    ASSERT_EQ(pending.size(), 74u);
    EXPECT_EQ(std::count(pending.begin(), pending.end(), 1), 74);
    EXPECT_EQ(c->Calls.back(), "Done 0");

    auto raising = Make(PortItems, MVT_FMV, 0, true);
    raising->OnRow = [&] {
        if (raising->Calls.size() == 3) throw Exception("(VxSNMP++) Bad syntax of a SNMP variable's (partial) data!", -517);
    };
    raising->Refresh();
    Wait(*raising);
    PumpUntil([] { return false; }, 200);  // a reply on its way would show here
    EXPECT_EQ(raising->Calls, (Calls{"BeforeRefresh", "ShowRow 1", "ShowRow 2", "Done -517"}));
    EXPECT_EQ(raising->Request.Pending, 0);
}

TEST_F(Controller, ARereadStopsTheRunningWalkSoNoRowIsShownTwiceOrMixed) {
    auto c = Make(PortItems, MVT_FMV, 0, true);
    int rows = 0;
    c->OnRow = [&] {
        if (++rows == 3) c->Refresh();  // the user presses Refresh again
    };
    c->Refresh();
    Wait(*c);
    // The first walk ends silently at its third row; the second shows all 74.
    const auto second = std::find(c->Calls.begin() + 1, c->Calls.end(), "BeforeRefresh");
    ASSERT_NE(second, c->Calls.end());
    EXPECT_EQ(second - c->Calls.begin(), 4);
    EXPECT_EQ(std::count_if(second, c->Calls.end(), [](const std::string& s) { return s.rfind("ShowRow", 0) == 0; }),
              74);
    EXPECT_EQ(*(second + 1), "ShowRow 1");
    EXPECT_EQ(c->Calls.back(), "Done 0");
    EXPECT_EQ(c->DoneCount, 1);
}

TEST_F(Controller, ABlockingRequestToASilentAgentLetsTimersPaintsAndRepliesGoOnButHoldsInput) {
    SilentPort silent;
    auto blocking = Make(RmonItems, SVT_SV, 0, false);
    blocking->Request.Device.Port = silent.Port;
    blocking->Request.Timeout = 40;  // two attempts of 400 ms
    auto other = Make(UnitItems, MVT_FMV, 1, true);  // another window's walk, agent answering

    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(0, 0, 80, 24);
    form->Show();
    PaintProbe probe;
    probe.resize(40, 40);
    probe.show();

    bool waiting = false;
    int ticks = 0, paints = 0, clicks = 0, closes = 0;
    int inputDuringWait = 0;
    button->OnClick = TNotifyEvent::Func([&](TObject*) { ++clicks, inputDuringWait += waiting; });
    form->OnClose = TCloseEvent::Func([&](TObject*, TCloseAction&) { ++closes, inputDuringWait += waiting; });
    probe.OnPaint = [&] { paints += waiting; };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!waiting) return;
        if (ticks++ == 0) {  // the user clicks the button and closes the window meanwhile
            const QPointF at(10, 10);
            QWidget* w = button->Widget();
            QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at),
                                                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, w->mapToGlobal(at),
                                                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
            QCoreApplication::postEvent(form->Widget(), new QCloseEvent);
        }
        probe.update();
    });
    timer.start(10);

    other->Refresh();
    waiting = true;
    EXPECT_EQ(CodeOf([&] { blocking->Refresh(); }), -405);
    waiting = false;

    // A timer of 10 ms ticks about 80 times in the wait; a loaded machine
    // (the suites run side by side under the sanitizers) can starve it to a
    // few, but a wait that holds timers would give at most the first.
    EXPECT_GE(ticks, 3);
    EXPECT_GE(paints, 1);
    EXPECT_EQ(other->DoneCount, 1);  // its whole walk came in meanwhile
    EXPECT_EQ(inputDuringWait, 0);
    // The held input arrives once the request is over, in its order.
    ASSERT_TRUE(PumpUntil([&] { return closes == 1; }));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(inputDuringWait, 0);
}

TEST_F(Controller, ResultLinesGoToAStatusPanelOrAStatusBar) {
    auto* bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    bar->Panels()->Add();
    auto c = Make(RmonItems, SVT_SV, 0, false);
    c->Request.VarList.Name = " Led Status";
    c->SetMsgCtrl(bar->Panels()->Items(0));
    c->Refresh();
    EXPECT_EQ(bar->Panels()->Items(0)->Text().rfind("Get: (VxSNMP++) Ok! Request: Led Status. Receive at ", 0), 0u);
    c->SetMsgCtrl(bar);
    c->Refresh();
    EXPECT_EQ(bar->SimpleText().rfind("Get: (VxSNMP++) Ok! Request: Led Status.", 0), 0u);
}

TEST_F(Controller, WithoutATargetFailuresGoToAMessageBoxAndSuccessIsSilent) {
    MessageBoxRecorder boxes;
    auto c = Make(UnitItems, MVT_FMV, 1, true);
    c->SetMsgCtrl(static_cast<TMemo*>(nullptr));
    c->Refresh();
    Wait(*c);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(c->DoneCount, 1);

    Stack->Control("silent on");
    c->Request.Timeout = 10;
    c->Refresh();
    Wait(*c);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(boxes.Last().Caption, ExtractFileName(Application->ExeName()));
    EXPECT_EQ(boxes.Last().Flags, static_cast<UINT>(MB_OK));
}

// A reply handler that raises shows the standard exception box, as an
// exception from any other event of the window does.
TEST_F(Controller, AReplyHandlerThatRaisesShowsTheExceptionBox) {
    MessageBoxRecorder boxes;
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(RmonItems, SVT_SV, 0);
    request.AsyncGet([](VxSNMPError*, VxSNMPVarList*) { throw Exception("taking in the reply failed", -1); }, true);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() > 0; }));
    EXPECT_EQ(boxes.Last().Text, "taking in the reply failed");
    EXPECT_EQ(boxes.Last().Caption, ExtractFileName(Application->ExeName()));
}

}  // namespace
