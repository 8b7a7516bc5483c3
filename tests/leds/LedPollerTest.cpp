#include <gtest/gtest.h>

#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "framework/VxSNMPRequest2Leds.h"
#include "mibdefs/SystemMib.h"
#include "platform/Vcl.h"
#include "tests/support/AgentFixture.h"

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor Green = 0x00FF00;
constexpr TColor Red = 0x0000FF;
constexpr TColor White = 0xFFFFFF;

const std::string LedStatusOk = "Get: (VxSNMP++) Ok! Request: Led Status. Receive at ";

// A unit's front panel: an LED bar and the main window's status bar, and the
// poller of unit 1 set up as the panels set it up.
class LedPoller : public AgentFixture {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        bar = new TPanel(form.get());
        bar->SetParent(form.get());
        status = new TStatusBar(form.get());
        status->SetParent(form.get());
        status->Panels()->Add();
        leds = std::make_unique<VxSNMPRequest2Leds>(form.get());
        leds->Request.VarList = VxSNMPVarList(UnitLedItems, MVT_SV, 0);
        leds->Request.VarList.Instance = "1";
        leds->Request.VarList.Name = " Led Status";
        leds->Request.Timeout = 500;
        leds->SetMsgCtrl(status->Panels()->Items(0));
    }
    void TearDown() override {
        leds.reset();
        form.reset();
        AgentFixture::TearDown();
    }
    // The simulated stack, with the poller pointed at it.
    void StartStack(const std::string& commands) {
        StartAgent();
        leds->Request.LoadDefaults();
        leds->Request.Timeout = 500;
        Stack->Control(commands);
    }
    // A result with this LED string (hex) as the request would hand it over.
    void Show(const std::string& hex) {
        leds->Request.VarList.GetItem(0)->Value = hex;
        leds->ShowRow();
    }
    std::vector<TColor> StateColours() const {
        std::vector<TColor> colours;
        for (const VxLedEntry& e : leds->Leds()) colours.push_back(e.Color);
        return colours;
    }
    std::vector<int> Blinks() const {
        std::vector<int> blinks;
        for (const VxLedEntry& e : leds->Leds()) blinks.push_back(e.Blink);
        return blinks;
    }
    // What the shapes show; the pen always follows the brush.
    std::vector<TColor> Painted() const {
        std::vector<TColor> colours;
        for (const VxLedEntry& e : leds->Leds()) {
            EXPECT_EQ(e.Shape->Pen()->Color(), e.Shape->Brush()->Color());
            colours.push_back(e.Shape->Brush()->Color());
        }
        return colours;
    }
    void ExpectAllBlack() const {
        EXPECT_EQ(StateColours(), std::vector<TColor>(leds->Leds().size(), Black));
        EXPECT_EQ(Painted(), std::vector<TColor>(leds->Leds().size(), Black));
        EXPECT_EQ(Blinks(), std::vector<int>(leds->Leds().size(), 0));
    }
    std::string Message() const { return status->Panels()->Items(0)->Text(); }
    void AddBar(const std::string& positions, const VxSNMPLedColorMapList& map = PortLedColorMap) {
        leds->AddLed(0, positions, map, bar, 0, 6, stRectangle, 7, 7);
    }

    std::unique_ptr<TForm> form;
    TPanel* bar = nullptr;
    TStatusBar* status = nullptr;
    std::unique_ptr<VxSNMPRequest2Leds> leds;
};

bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

TEST_F(LedPoller, AddLedPlacesOneBlackShapePerPositionOnABevellessPanel) {
    bar->SetBevelInner(bvLowered);
    leds->AddLed(0, "4,8,12", PortLedColorMap, bar, 1, 10, stCircle, 6, 5);
    ASSERT_EQ(leds->Leds().size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const VxLedEntry& e = leds->Leds()[static_cast<size_t>(k)];
        EXPECT_EQ(e.Item, 0);
        EXPECT_EQ(e.Position, 4 * (k + 1));
        EXPECT_EQ(e.ColorMap, &PortLedColorMap);
        EXPECT_EQ(e.Shape->Owner(), form.get());
        EXPECT_EQ(e.Shape->Parent(), bar);
        EXPECT_EQ(e.Shape->Shape(), stCircle);
        EXPECT_EQ(e.Shape->Left(), 16 * k + 1);
        EXPECT_EQ(e.Shape->Top(), 1);
        EXPECT_EQ(e.Shape->Width(), 6);
        EXPECT_EQ(e.Shape->Height(), 5);
        EXPECT_TRUE(e.Shape->Visible());
    }
    ExpectAllBlack();
    EXPECT_EQ(bar->BevelInner(), bvNone);
    EXPECT_EQ(bar->BevelOuter(), bvNone);
}

TEST_F(LedPoller, EachByteIsDecodedThroughItsColourMapAndAMissingByteIsWhite) {
    struct Case {
        const VxSNMPLedColorMapList* Map;
        int Byte;  // -1: beyond the end of the value
        TColor Colour;
        int Blink;
    };
    const std::vector<Case> cases = {
        {&PortLedColorMap, 0x82, Green, 1},   {&PortLedColorMap, 0x02, Green, 0},
        {&PortLedColorMap, 0x03, Black, 0},   {&PortLedColorMap, 0x80, Black, 1},
        {&PortLedColorMap, 0x04, Green, 0},   {&PortLedColorMap, 0x0A, Green, 0},  // only the value bits count
        {&PortLedColorMap, 0x00, Black, 0},   {&SystemLedColorMap, 0x03, Green, 0},
        {&SystemLedColorMap, 0x85, Red, 1},   {&SystemLedColorMap, 0x01, Black, 0},
        {&SystemLedColorMap, 0x06, Black, 0}, {&PortLedColorMap, -1, White, 0},
        {&SystemLedColorMap, -1, White, 0},
    };
    std::string hex;
    std::vector<TColor> colours;
    std::vector<int> blinks;
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        if (c.Byte >= 0) {
            char text[3];
            std::snprintf(text, sizeof text, "%02X", c.Byte);
            hex += text;
        }
        leds->AddLed(0, std::to_string(i), *c.Map, bar, 0, 6, stRectangle, 7, 7);
        colours.push_back(c.Colour);
        blinks.push_back(c.Blink);
    }
    Show(hex);
    EXPECT_EQ(StateColours(), colours);
    EXPECT_EQ(Blinks(), blinks);
}

TEST_F(LedPoller, AMissingByteWithoutADefaultColourFailsTheResultAndBlacksOutEveryLed) {
    static const VxLedColorPair pairs[] = {{2, Green}, {0, LedColorEnd}};
    static const VxSNMPLedColorMapList noDefault(pairs, 7, 0x80, Black, LedNoDefault);
    AddBar("0");
    AddBar("1", noDefault);
    Show("8202");
    ASSERT_EQ(StateColours(), (std::vector<TColor>{Green, Green}));

    leds->Request.VarList.GetItem(0)->Value = "82";
    EXPECT_EQ(CodeOf([&] { leds->ShowRow(); }), -519);
    EXPECT_EQ(MessageOf([&] { leds->ShowRow(); }),
              "(VxSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!");
    ExpectAllBlack();
}

TEST_F(LedPoller, BlinkingLedsFlashAfterEachResultThenRestInTheirStateColour) {
    leds->BlinkTimer()->SetEnabled(false);  // the test takes the steps itself
    AddBar("0,1,2");
    const TColor B = Black, G = Green;
    // Ten steps: the one right after the result, then nine ticks. The
    // blinking LED's off phase depends on what it showed before the result.
    const std::vector<std::vector<TColor>> fromBlack = {{G, G, B}, {B, G, B}, {G, G, B}, {B, G, B}, {G, G, B},
                                                        {B, G, B}, {G, G, B}, {G, G, B}, {G, G, B}, {G, G, B}};
    const std::vector<std::vector<TColor>> fromGreen = {{B, G, B}, {G, G, B}, {B, G, B}, {G, G, B}, {B, G, B},
                                                        {G, G, B}, {B, G, B}, {G, G, B}, {G, G, B}, {G, G, B}};
    for (const auto* expected : {&fromBlack, &fromGreen}) {
        Show("820280");
        std::vector<std::vector<TColor>> steps = {Painted()};
        for (int i = 1; i < 10; ++i) {
            leds->BlinkStep();
            steps.push_back(Painted());
        }
        EXPECT_EQ(steps, *expected);
        EXPECT_EQ(leds->BlinkCounter, 10);
    }

    // Without a blinking LED the counter stands still.
    Show("020200");
    leds->BlinkStep();
    EXPECT_EQ(leds->BlinkCounter, 0);
    EXPECT_EQ(Painted(), (std::vector<TColor>{G, G, B}));
}

TEST_F(LedPoller, TheBlinkTimerRestsOnceNoLedChangesAndWakesWithAResultThatBlinks) {
    AddBar("0,1");
    Show("8202");
    EXPECT_TRUE(leds->BlinkTimer()->Enabled());
    ASSERT_TRUE(PumpUntil([&] { return !leds->BlinkTimer()->Enabled(); }));
    EXPECT_EQ(leds->BlinkCounter, leds->BlinkLimit + 2);
    EXPECT_EQ(Painted(), (std::vector<TColor>{Green, Green}));  // at rest in the state colour

    Show("0200");
    EXPECT_FALSE(leds->BlinkTimer()->Enabled());
    EXPECT_EQ(Painted(), (std::vector<TColor>{Green, Black}));
    Show("0282");
    EXPECT_TRUE(leds->BlinkTimer()->Enabled());
}

TEST_F(LedPoller, PollingShowsTheUnitsLedStringAndFollowsItsChanges) {
    StartStack("led 1 82020380");
    AddBar("0,1,2,3,4");
    leds->StartPolling(300);
    ASSERT_TRUE(PumpUntil([&] { return !Message().empty(); }));
    EXPECT_TRUE(StartsWith(Message(), LedStatusOk)) << Message();
    EXPECT_EQ(StateColours(), (std::vector<TColor>{Green, Green, Black, Black, White}));
    EXPECT_EQ(Blinks(), (std::vector<int>{1, 0, 0, 1, 0}));
    EXPECT_EQ(leds->PollTimer()->Interval(), 3000);
    EXPECT_TRUE(leds->PollTimer()->Enabled());
    EXPECT_EQ(leds->BlinkTimer()->Interval(), 60);

    // The blink timer flashes the LED, then lets it rest in green.
    ASSERT_TRUE(PumpUntil([&] { return leds->BlinkCounter > leds->BlinkLimit; }));
    EXPECT_EQ(Painted()[0], Green);

    Stack->Control("led 1 00");
    ASSERT_TRUE(PumpUntil([&] { return StateColours() == std::vector<TColor>{Black, White, White, White, White}; },
                          20000));

    leds->StopPolling();
    ExpectAllBlack();
    EXPECT_FALSE(leds->PollTimer()->Enabled());
    EXPECT_FALSE(leds->BlinkTimer()->Enabled());
}

// Polls that come faster than the time-out (here every 50 ms against 300 ms
// and one retry) must still let a silent agent's time-out through.
TEST_F(LedPoller, AFailedPollBlacksOutTheLedsAndReportsUntilTheAgentAnswersAgain) {
    StartStack("led 1 8202");
    leds->Request.Timeout = 30;
    AddBar("0,1");
    leds->StartPolling(5);
    ASSERT_TRUE(PumpUntil([&] { return StateColours() == std::vector<TColor>{Green, Green}; }));

    Stack->Control("silent on");
    ASSERT_TRUE(PumpUntil([&] { return Message().find("timed out") != std::string::npos; }, 30000));
    EXPECT_TRUE(StartsWith(Message(), "Get: (SNMPClass) SNMP request timed out! Request: Led Status. Receive at "))
        << Message();
    ExpectAllBlack();

    Stack->Control("silent off");
    ASSERT_TRUE(PumpUntil([&] { return StartsWith(Message(), LedStatusOk); }, 30000));
    EXPECT_EQ(StateColours(), (std::vector<TColor>{Green, Green}));
}

TEST_F(LedPoller, AFailureToSendIsRaisedByStartPollingAndReportedByTheTicks) {
    AddBar("0,1");
    Show("0202");
    leds->Request.Device.Address = "";  // refused before anything goes out
    const std::string failure = MessageOf([&] { leds->StartPolling(5); });
    EXPECT_EQ(CodeOf([&] { leds->StartPolling(5); }), -509);
    ExpectAllBlack();

    Show("0202");
    ASSERT_TRUE(PumpUntil([&] { return !Message().empty(); }));
    EXPECT_TRUE(StartsWith(Message(), "Get: " + failure + " Request: Led Status. Receive at ")) << Message();
    ExpectAllBlack();
}

TEST_F(LedPoller, StopPollingWithdrawsThePollOnItsWaySoThePollerGoesAtOnce) {
    StartStack("led 1 8202\ndelay 1000");
    AddBar("0,1");
    leds->StartPolling(300);
    ASSERT_EQ(leds->Request.Pending, 1);
    leds->StopPolling();
    EXPECT_EQ(leds->Request.Pending, 0);
    EXPECT_FALSE(leds->IsBusy());

    // Nothing is left to wait for: deleting runs no message loop (a posted
    // timer stays unfired) and the late reply reaches nothing.
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    const VxLedEntry first = leds->Leds()[0];
    leds.reset();
    EXPECT_FALSE(loopRan);
    PumpUntil([] { return false; }, 1300);
    EXPECT_EQ(first.Shape->Brush()->Color(), Black);
    EXPECT_EQ(Message(), "");
}

TEST_F(LedPoller, PollingStartsAgainCleanlyAfterAStop) {
    StartStack("led 1 8202\ndelay 1000");
    AddBar("0,1");
    const std::string before = leds->Request.VarList.GetItem(0)->Value;
    leds->StartPolling(300);
    leds->StopPolling();
    PumpUntil([] { return false; }, 1300);  // the withdrawn poll's reply comes and goes
    EXPECT_EQ(leds->Request.VarList.GetItem(0)->Value, before);  // not taken in
    ExpectAllBlack();
    EXPECT_EQ(Message(), "");

    Stack->Control("delay 0");
    leds->StartPolling(300);
    ASSERT_TRUE(PumpUntil([&] { return !Message().empty(); }));
    EXPECT_TRUE(StartsWith(Message(), LedStatusOk)) << Message();
    EXPECT_EQ(StateColours(), (std::vector<TColor>{Green, Green}));
}

TEST_F(LedPoller, DestroyingThePollerWithAReplyOnItsWayLeavesItsLedsBlack) {
    StartStack("led 1 0202\ndelay 500");
    AddBar("0,1");
    const VxLedEntry first = leds->Leds()[0];
    const int components = form->ComponentCount();
    leds->StartPolling(300);
    leds.reset();  // withdraws the poll on its way

    EXPECT_EQ(form->ComponentCount(), components);  // its timers were its own, its LEDs stay the form's
    EXPECT_EQ(first.Shape->Brush()->Color(), Black);
    EXPECT_EQ(Message(), "");
}

}  // namespace
