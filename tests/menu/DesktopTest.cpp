// The main window on a Linux desktop: its size against the screen it opens
// on and the width of its rows of panels.

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>

#include <string>
#include <vector>

#include "main/FrontPanelForms.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/MainWindowFixture.h"

namespace {

// Twelve units, a module beside some of them.
std::string TwelveUnits() {
    std::string units;
    for (int id = 1; id <= 12; ++id) {
        const char* module = id % 4 == 1 ? R"(, "module": "Selvor")" : id % 4 == 3 ? R"(, "module": "Pirell")" : "";
        units += std::string(id > 1 ? ", " : "") + R"({"id": )" + std::to_string(id) + R"(, "model": "Kestrix-50")" +
                 module + "}";
    }
    return R"({"units": [)" + units + "]}";
}

class Desktop : public MainWindowFixture {
protected:
    TFrontPanelForm* Panel(TList* list, int index) const { return list->Item<TFrontPanelForm>(index); }
};

// The window stays within the screen's work area, the scroll box scrolls
// through the stack, and the status bar stays in view at the bottom.
TEST_F(Desktop, TwelveUnitsOpenWithinTheScreenAndScroll) {
    struct Screen {
        int Width, Height;
        const char* Picture;
    };
    StartStack(TwelveUnits());
    for (const Screen screen : {Screen{1400, 1000, "main-12-units-1400x1000.png"},
                                Screen{1920, 1080, "main-12-units-1920x1080.png"}}) {
        SCOPED_TRACE(screen.Height);
        ::Screen->SetWorkArea(0, 24, screen.Width, screen.Height - 24);  // a top bar of 24 px
        TMainForm* window = OpenMainWindow();
        ASSERT_EQ(window->UnitPanels->Count(), 12);
        window->Show();
        // (Where the window system puts the frame may move it by a pixel or two.)
        EXPECT_LE(window->Height(), screen.Height - 24);
        EXPECT_LE(window->Width(), screen.Width);
        EXPECT_LE(window->Top() + window->Height(), screen.Height);
        EXPECT_GE(window->Top(), 0);
        EXPECT_LE(window->Left() + window->Width(), screen.Width);

        // The status bar closes the client area, in view.
        EXPECT_TRUE(window->StatusBar->Visible());
        EXPECT_EQ(window->StatusBar->Top() + window->StatusBar->Height(), window->ClientHeight());
        EXPECT_EQ(window->ScrollBox1->Top() + window->ScrollBox1->Height(), window->StatusBar->Top());

        // Scrolled to the end, the last unit shows whole; nothing scrolls sideways.
        Application->ProcessMessages();  // the scroll bars follow the layout
        QScrollArea* area = window->ScrollBox1->Widget();
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
        ASSERT_GT(area->verticalScrollBar()->maximum(), 0);
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QRect last = Panel(window->UnitPanels, 11)->Widget()->geometry();
        const QPoint bottomRight = area->widget()->mapTo(area->viewport(), last.bottomRight());
        EXPECT_LT(bottomRight.y(), area->viewport()->height());
        EXPECT_LT(bottomRight.x(), area->viewport()->width());
        area->verticalScrollBar()->setValue(0);
        EXPECT_FALSE(SaveScreenshot(window, screen.Picture).empty());
        delete Window;
        Window = nullptr;
    }
}

// The window is as wide as its widest row: a Pirell further down does not cut
// the wider Selvor beside the unit above, whichever comes first.
TEST_F(Desktop, TheWindowFitsTheWidestRowOfPanels) {
    const std::pair<const char*, const char*> orders[] = {{"Selvor", "Pirell"}, {"Pirell", "Selvor"}};
    for (const auto& [first, second] : orders) {
        SCOPED_TRACE(first);
        StartStack(std::string(R"({"units": [{"id": 1, "model": "Kestrix-50", "module": ")") + first +
                   R"("}, {"id": 2, "model": "Kestrix-50", "module": ")" + second +
                   R"("}, {"id": 3, "model": "Tallix-24"}]})");
        TMainForm* window = OpenMainWindow();
        ASSERT_EQ(window->ModulePanels->Count(), 2);
        int widest = 0;
        for (int i = 0; i < 2; ++i) {
            TFrontPanelForm* module = Panel(window->ModulePanels, i);
            widest = std::max(widest, module->ClientWidth());
            EXPECT_LE(module->Left() + module->Width(), window->ScrollBox1->ClientWidth()) << module->Name();
        }
        EXPECT_EQ(widest, 120);  // the Selvor
        EXPECT_EQ(window->ClientWidth(), 780 + widest + 8);
        window->Show();
        EXPECT_FALSE(SaveScreenshot(window, std::string("main-modules-") + first + "-first.png").empty());
        delete Window;
        Window = nullptr;
        Stack.reset();
    }
}

}  // namespace
