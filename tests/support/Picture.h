#pragma once
// Pictures of windows for a look at the results (under screenshots/), taken
// once the window shows what it holds.

#include <gtest/gtest.h>

#include <QLabel>
#include <QList>
#include <QWidget>

#include <string>

#include "platform/QtText.h"
#include "platform/Vcl.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"

// Whether the window shows what it holds: every list view in it has painted
// its rows (rows that come in quick succession are painted together, a
// moment later, with their columns fitted) and every static text shows its
// caption (a caption that changes quickly is shown a moment later).
inline bool Painted(TControl* window) {
    QWidget* top = dynamic_cast<TForm*>(window) ? window->Widget()->window() : window->Widget();
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        TControl* control = TControl::FromWidget(widget);
        if (!control || control->TControl::Widget() != widget) continue;
        if (dynamic_cast<TListView*>(control) && !widget->updatesEnabled()) return false;
        if (auto* text = dynamic_cast<TStaticText*>(control); text && text->Widget()->text() != ShownText(text->Caption()))
            return false;
    }
    return true;
}

// Pumps until the window shows what it holds; false when it did not within ms.
inline bool WaitUntilPainted(TControl* window, int ms = 10000) {
    return PumpUntil([&] { return Painted(window); }, ms);
}

// Saves a picture of the window once it shows what it holds.
inline void ExpectPicture(TControl* window, const std::string& fileName) {
    EXPECT_TRUE(WaitUntilPainted(window)) << fileName << ": the window did not finish painting";
    EXPECT_FALSE(SaveScreenshot(window, fileName).empty()) << fileName;
}
