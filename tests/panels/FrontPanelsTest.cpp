#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/FrontPanels.h"
#include "forms/PanelPictures.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "main/FrontPanelForms.h"
#include "mibdefs/SystemMib.h"
#include "platform/Jpeg.h"
#include "tests/panels/StatusWindowFixture.h"

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor Green = 0x00FF00;
constexpr TColor White = 0xFFFFFF;

bool Overlap(const PanelRect& a, const PanelRect& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

// The main window's status-bar panel 0, unit-number pictures and list of
// port buttons.
class FrontPanels : public StatusWindowFixture {
protected:
    void SetUp() override {
        StatusWindowFixture::SetUp();
        numbers = new TImageList(window.get());
        LoadUnitNumberPictures(numbers);
        host = {Messages(), numbers, &buttons};
    }

    TFrontPanelForm* Make(PanelKind kind, int unit, ModuleHost beside = ModuleHost::Brovan) {
        TFrontPanelForm* panel = nullptr;
        switch (kind) {
        case PanelKind::Kestrix: panel = new TPanelKestrixForm(window.get(), host); break;
        case PanelKind::Brovan: panel = new TPanelBrovanForm(window.get(), host); break;
        case PanelKind::Tallix: panel = new TPanelTallixForm(window.get(), host); break;
        case PanelKind::Morvek: panel = new TPanelMorvekForm(window.get(), host); break;
        case PanelKind::Selvor:
        case PanelKind::Pirell: {
            TModulePanelForm* module = kind == PanelKind::Selvor ? static_cast<TModulePanelForm*>(new TfrmSelvor(window.get(), host))
                                                                 : new TfrmPirell(window.get(), host);
            module->BesideBrovan = beside == ModuleHost::Brovan;
            module->BesideKestrix = beside == ModuleHost::Kestrix;
            panel = module;
            break;
        }
        }
        panel->Unit = unit;
        panel->SetupLeds();
        panel->RegisterPortButtons();
        return panel;
    }

    static std::vector<TColor> Colours(const TFrontPanelForm* panel) {
        std::vector<TColor> colours;
        for (const VxLedEntry& e : panel->Leds->Leds()) colours.push_back(e.Shape->Brush()->Color());
        return colours;
    }

    TImageList* numbers = nullptr;
    TList buttons;
    FrontPanelHost host;
};

TEST_F(FrontPanels, EveryPictureMatchesItsGeometry) {
    for (const PanelGeometry* g : AllPanelGeometries()) {
        SCOPED_TRACE(g->FormClass);
        const QImage picture = PanelPicture(g->Picture);
        EXPECT_EQ(picture.width(), g->Width);
        EXPECT_EQ(picture.height(), g->Height);
        const PanelRect whole{0, 0, g->Width, g->Height};
        for (size_t i = 0; i < g->Buttons.size(); ++i) {
            const PortButtonGeometry& b = g->Buttons[i];
            if (!g->IsModule()) {
                EXPECT_EQ(b.Name, "SpeedButton" + std::to_string(i + 1));
            }
            EXPECT_TRUE(Overlap(b.Bounds, whole) && b.Bounds.Right() <= g->Width && b.Bounds.Bottom() <= g->Height)
                << b.Name;
            for (size_t j = i + 1; j < g->Buttons.size(); ++j)
                EXPECT_FALSE(Overlap(b.Bounds, g->Buttons[j].Bounds)) << b.Name << " " << g->Buttons[j].Name;
            for (const LedGroupGeometry& l : g->LedGroups) EXPECT_FALSE(Overlap(b.Bounds, l.Bounds)) << l.Panel;
        }
        if (!g->IsModule()) {
            EXPECT_EQ(static_cast<int>(g->Buttons.size()), g->Ports + g->Extra);
        }
    }
    const UnitNumberGeometry& n = UnitNumbers();
    EXPECT_EQ(PanelPicture(n.Picture).size(), QSize(n.Width * n.Count, n.Height));
    EXPECT_EQ(numbers->Count(), 12);
}

TEST_F(FrontPanels, JpegPicturesRoundTripAndBrokenOnesRaise) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0xc0, 0x40));
    const std::string octets = EncodeJpeg(picture, 92);
    const QImage back = DecodeJpeg(octets);
    ASSERT_EQ(back.size(), picture.size());
    const QColor pixel = back.pixelColor(20, 10);
    EXPECT_NEAR(pixel.green(), 0xc0, 3);
    EXPECT_NEAR(pixel.red(), 0x20, 3);
    for (const std::string& broken : {octets.substr(0, octets.size() / 2), std::string("not a picture"), std::string()})
        EXPECT_THROW(DecodeJpeg(broken), Exception);
    EXPECT_THROW(PanelPicture("Missing.jpg"), Exception);
}

TEST_F(FrontPanels, PortButtonsCarryTheirStackPortInTag) {
    struct Case {
        PanelKind Kind;
        ModuleHost Beside;
        int Unit;
        const char* Button;
        int Tag;
    };
    const Case cases[] = {
        {PanelKind::Kestrix, {}, 3, "SpeedButton49", 173},  // a combination port: port 45
        {PanelKind::Kestrix, {}, 3, "SpeedButton48", 176},
        {PanelKind::Tallix, {}, 2, "SpeedButton25", 81},     // port 17
        {PanelKind::Tallix, {}, 2, "SpeedButton32", 88},
        {PanelKind::Brovan, {}, 12, "SpeedButton1", 705},
        {PanelKind::Morvek, {}, 1, "SpeedButton28", 24},
        {PanelKind::Selvor, ModuleHost::Brovan, 1, "SpeedButtonX", 25},
        {PanelKind::Selvor, ModuleHost::Brovan, 1, "SpeedButtonY", 26},
        {PanelKind::Pirell, ModuleHost::Kestrix, 2, "SpeedButtonX", 113},
        {PanelKind::Pirell, ModuleHost::Kestrix, 2, "SpeedButtonY", 114},
    };
    for (const Case& c : cases) {
        TFrontPanelForm* panel = Make(c.Kind, c.Unit, c.Beside);
        EXPECT_EQ(panel->PortButton(c.Button)->Tag(), c.Tag) << panel->Name() << " " << c.Button;
    }

    // The rule for every button of every unit model: button i of P ports and
    // E extra buttons is port i up to P, then port i - E.
    for (PanelKind kind : {PanelKind::Kestrix, PanelKind::Brovan, PanelKind::Tallix, PanelKind::Morvek}) {
        buttons.Clear();
        const PanelGeometry& g = UnitPanelGeometry(kind);
        const int unit = 7;
        TFrontPanelForm* panel = Make(kind, unit);
        ASSERT_EQ(buttons.Count(), g.Ports + g.Extra);
        for (int i = 1; i <= g.Ports + g.Extra; ++i) {
            auto* button = buttons.Item<TSpeedButton>(i - 1);
            EXPECT_EQ(button, panel->PortButton("SpeedButton" + std::to_string(i)));
            EXPECT_EQ(button->Tag(), (unit - 1) * 64 + (i <= g.Ports ? i : i - g.Extra)) << g.FormClass << " " << i;
        }
    }
}

TEST_F(FrontPanels, LedGroupsReadTheirBytesThroughTheirColourMaps) {
    struct Group {
        const char* Panel;
        const char* Positions;
        const VxSNMPLedColorMapList* Map;
        int Width, Height, Left0, Gap;
    };
    const auto* P = &PortLedColorMap;
    const auto* S = &SystemLedColorMap;
    const char* const tallixBars[] = {"4,8,12,16,20,24,28,32,36,40,44,48", "5,9,13,17,21,25,29,33,37,41,45,49",
                                      "6,10,14,18,22,26,30,34,38,42,46,50", "7,11,15,19,23,27,31,35,39,43,47,51"};
    struct Panel {
        PanelKind Kind;
        ModuleHost Beside;
        std::vector<Group> Groups;
    };
    const std::vector<Panel> panels = {
        {PanelKind::Kestrix, {}, {{"PowerLedPanel", "0", P, 7, 7, 1, 10}, {"MasterLedPanel", "1", P, 7, 7, 1, 10},
                                  {"ConsoleLedPanel", "2", P, 7, 7, 1, 10}, {"RPowerLedPanel", "3", P, 7, 7, 1, 10},
                                  {"LedPanel1", "4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34", P, 7, 7, 0, 6},
                                  {"LedPanel2", "36,38,40,42,44,46,48,50,52,54,56,58,60,62,64,66", P, 7, 7, 0, 6},
                                  {"LedPanel3", "68,70,72,74,76,78,80,82,84,86,88,90,92,94,96,98", P, 7, 7, 0, 6},
                                  {"SIOPanel1", "104", P, 7, 7, 1, 10}, {"SIOPanel2", "106", P, 7, 7, 1, 10}}},
        {PanelKind::Brovan, {}, {{"PowerLedPanel", "0", P, 7, 7, 1, 10}, {"MasterLedPanel", "1", P, 7, 7, 1, 10},
                                 {"ConsoleLedPanel", "2", P, 7, 7, 1, 10}, {"RPowerLedPanel", "3", P, 7, 7, 1, 10},
                                 {"LedPanel1", "4,8,12,16,20,24,28,32,36,40,44,48", P, 6, 6, 0, 7},
                                 {"LedPanel2", "6,10,14,18,22,26,30,34,38,42,46,50", P, 6, 6, 0, 7},
                                 {"SIOPanel1", "56", P, 7, 7, 1, 10}, {"SIOPanel2", "58", P, 7, 7, 1, 10}}},
        {PanelKind::Tallix, {}, {{"PowerLedPanel", "0", S, 5, 5, 1, 10}, {"MasterLedPanel", "1", S, 5, 5, 1, 10},
                                 {"ConsoleLedPanel", "2", S, 5, 5, 1, 10}, {"RPowerLedPanel", "3", S, 5, 5, 1, 10},
                                 {"LedPanel1", tallixBars[0], P, 6, 5, 0, 6}, {"LedPanel2", tallixBars[1], S, 6, 5, 0, 6},
                                 {"LedPanel3", tallixBars[2], P, 6, 5, 0, 6}, {"LedPanel4", tallixBars[3], S, 6, 5, 0, 6},
                                 {"SIOPanel1", "52", S, 5, 5, 1, 10}, {"SIOPanel2", "54", S, 5, 5, 1, 10},
                                 {"SIOPanel3", "56", S, 5, 5, 1, 10}, {"SIOPanel4", "58", S, 5, 5, 1, 10},
                                 {"SIOPanel5", "60", S, 5, 5, 1, 10}, {"SIOPanel6", "62", S, 5, 5, 1, 10}}},
        {PanelKind::Morvek, {}, {{"PowerLedPanel", "0", S, 5, 5, 1, 10}, {"MasterLedPanel", "1", S, 5, 5, 1, 10},
                                 {"ConsoleLedPanel", "2", S, 5, 5, 1, 10}, {"RPowerLedPanel", "3", S, 5, 5, 1, 10},
                                 {"LedPanel1", tallixBars[0], P, 6, 5, 0, 6}, {"LedPanel2", tallixBars[1], S, 6, 5, 0, 6},
                                 {"LedPanel3", tallixBars[2], P, 6, 5, 0, 6}, {"LedPanel4", tallixBars[3], S, 6, 5, 0, 6},
                                 {"SIOPanel1", "52", S, 5, 5, 1, 10}, {"SIOPanel2", "54", S, 5, 5, 1, 10}}},
        {PanelKind::Selvor, ModuleHost::Brovan, {{"LedPanelX", "52", P, 6, 6, 1, 10}, {"LedPanelY", "54", P, 6, 6, 1, 10}}},
        {PanelKind::Pirell, ModuleHost::Kestrix, {{"LedPanelX", "100", P, 6, 6, 1, 10}, {"LedPanelY", "102", P, 6, 6, 1, 10}}},
    };
    for (const Panel& expected : panels) {
        TFrontPanelForm* panel = Make(expected.Kind, 1, expected.Beside);
        SCOPED_TRACE(panel->Name());
        const std::vector<VxLedEntry>& leds = panel->Leds->Leds();
        size_t e = 0;
        for (const Group& g : expected.Groups) {
            TPanel* parent = panel->LedPanel(g.Panel);
            ASSERT_NE(parent, nullptr) << g.Panel;
            std::string positions;
            for (int k = 0; e < leds.size() && leds[e].Shape->Parent() == parent; ++e, ++k) {
                const VxLedEntry& led = leds[e];
                positions += (k ? "," : "") + std::to_string(led.Position);
                EXPECT_EQ(led.ColorMap, g.Map) << g.Panel;
                EXPECT_EQ(led.Shape->Left(), (g.Width + g.Gap) * k + g.Left0) << g.Panel;
                EXPECT_EQ(led.Shape->Top(), 1);
                EXPECT_EQ(led.Shape->Width(), g.Width);
                EXPECT_EQ(led.Shape->Height(), g.Height);
            }
            EXPECT_EQ(positions, g.Positions) << g.Panel;
        }
        EXPECT_EQ(e, leds.size());
        EXPECT_EQ(panel->Leds->Request.VarList.Instance, "1");
        EXPECT_EQ(panel->Leds->Request.Timeout, 500u);
    }
}

TEST_F(FrontPanels, LedsBeyondAShortLedValueShowWhite) {
    TFrontPanelForm* panel = Make(PanelKind::Kestrix, 1);
    std::string sixtyBytes;
    for (int i = 0; i < 60; ++i) sixtyBytes += "02";
    panel->Leds->Request.VarList.GetItem(0)->Value = sixtyBytes;
    panel->Leds->ShowRow();
    int white = 0;
    for (const VxLedEntry& led : panel->Leds->Leds()) {
        EXPECT_EQ(led.Shape->Brush()->Color(), led.Position >= 60 ? White : Green) << led.Position;
        white += led.Position >= 60;
    }
    EXPECT_EQ(white, 20 + 2);  // ports 29 to 48, and the two stacking LEDs
}

TEST_F(FrontPanels, UnitPanelsShowTheirUnitNumberExceptTheTallix) {
    TFrontPanelForm* kestrix = Make(PanelKind::Kestrix, 3);
    EXPECT_EQ(kestrix->StackImage->Picture()->Image(), numbers->Image(2));
    EXPECT_EQ(kestrix->Width(), 780);
    EXPECT_EQ(kestrix->Height(), 89);
    EXPECT_EQ(Make(PanelKind::Tallix, 3)->StackImage, nullptr);
}

TEST_F(FrontPanels, APortsLedFollowsItsLinkAfterTheNextPoll) {
    StartAgent();
    TFrontPanelForm* panel = Make(PanelKind::Kestrix, 1);
    panel->Leds->Request.LoadDefaults();
    panel->Leds->Request.Timeout = 500;
    auto port3 = [&] {
        for (const VxLedEntry& led : panel->Leds->Leds())
            if (led.Position == PortLedPosition(3)) return led.Color;
        return White;
    };
    panel->Leds->StartPolling(300);
    ASSERT_TRUE(PumpUntil([&] { return !Messages()->Text().empty(); }));
    EXPECT_EQ(port3(), Black);
    EXPECT_EQ(Colours(panel)[0], Green);  // power

    Stack->Control("link 1 3 up");
    EXPECT_TRUE(PumpUntil([&] { return port3() == Green; }, 8000));
    Stack->Control("link 1 3 down");
    EXPECT_TRUE(PumpUntil([&] { return port3() == Black; }, 8000));
}

TEST_F(FrontPanels, ClosingAPanelBlacksOutItsLedsAndFreesIt) {
    TFrontPanelForm* panel = Make(PanelKind::Brovan, 1);
    std::string lit;
    for (int i = 0; i < 60; ++i) lit += "82";
    panel->Leds->Request.VarList.GetItem(0)->Value = lit;
    panel->Leds->ShowRow();
    panel->Leds->BlinkStep();
    panel->StopLeds();
    EXPECT_EQ(Colours(panel), std::vector<TColor>(panel->Leds->Leds().size(), Black));

    panel->Close();
    EXPECT_EQ(panel->Leds, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !TForm::Exists(panel); }));
}

}  // namespace
