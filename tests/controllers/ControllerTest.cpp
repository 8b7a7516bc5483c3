#include <gtest/gtest.h>

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
    void Wait(Recorder& c) { ASSERT_TRUE(PumpUntil([&] { return !c.Busy; })); }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i));
        return lines;
    }

    std::unique_ptr<TForm> form;
    TMemo* memo = nullptr;
};

using Calls = std::vector<std::string>;

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
    EXPECT_EQ(c->Busy, 0);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(IsResultLine(Lines()[0], "Get: (VxSNMP++) Ok! Request:Units.")) << Lines()[0];
}

TEST_F(Controller, AsynchronousRefreshEndsWithTheDoneEvent) {
    auto c = Make(UnitItems, MVT_FMV, 1, true);
    c->Refresh();
    EXPECT_EQ(c->Busy, 1);
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
    EXPECT_EQ(sync->Busy, 0);

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
    c->Request.Timeout = 20;
    c->OnRow = [&] {
        if (c->Calls.size() == 2) Stack->Control("silent on");
    };
    c->Refresh();
    Wait(*c);
    EXPECT_EQ(c->Calls, (Calls{"BeforeRefresh", "ShowRow Kestrix-50", "ShowError -405", "Done -405"}));
    EXPECT_EQ(Lines().back().rfind("Get: (SNMPClass) SNMP request timed out!", 0), 0u);
}

TEST_F(Controller, ClearedAliveSendsNothingOrEndsTheWalkAfterTheReplyOnItsWay) {
    auto idle = Make(UnitItems, MVT_FMV, 1, true);
    idle->Request.Alive = 0;
    idle->Refresh();
    EXPECT_EQ(idle->Busy, 0);
    EXPECT_EQ(idle->Calls, Calls{"BeforeRefresh"});
    EXPECT_TRUE(Lines().empty());

    auto c = Make(UnitItems, MVT_FMV, 1, true);
    c->OnRow = [&] { c->Request.Alive = 0; };
    c->Refresh();
    Wait(*c);
    EXPECT_EQ(c->Calls, (Calls{"BeforeRefresh", "ShowRow Kestrix-50", "AfterRefresh", "Done 0"}));
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
