#pragma once
// The main window as far as the panels and pickers use it: a form with a
// status bar of one panel, panel 0 taking their messages. The simulated
// stack is started by the tests that need it.

#include <memory>
#include <string>

#include "platform/Vcl.h"
#include "tests/support/AgentFixture.h"

class StatusWindowFixture : public AgentFixture {
protected:
    void SetUp() override {
        window = std::make_unique<TForm>(nullptr);
        status = new TStatusBar(window.get());
        status->SetParent(window.get());
        status->Panels()->Add();
    }
    void TearDown() override {
        window.reset();
        AgentFixture::TearDown();
    }
    TStatusPanel* Messages() const { return status->Panels()->Items(0); }

    std::unique_ptr<TForm> window;
    TStatusBar* status = nullptr;
};
