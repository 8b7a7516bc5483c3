#pragma once
// The main window's message line: status-bar panel 0, where the device view,
// the port pickers, the tool launcher and every LED poller write. The LED
// pollers write a line with every poll, so the line decides what may
// overwrite what, and a message stays readable while the polls go on:
//
// - a notice (a message of the device view, a page or the tool launcher, a
//   failed read of the stack's tables, or a text written to the panel
//   directly) holds until the user's next action (a menu command, a port
//   chosen); only another notice replaces it meanwhile;
// - an LED poller's failure holds until that poller succeeds again: another
//   unit's success never hides it, another failure replaces it;
// - a success line replaces only another success line (or nothing).

#include <string>

#include "framework/VxSNMPRequest2Controls.h"

class TStatusPanel;

class VxStatusLine : public VxMessageSink {
public:
    explicit VxStatusLine(TStatusPanel* panel) : Panel(panel) {}

    void Notice(const std::string& text);
    void PutLine(const std::string& line, bool ok, const VxSNMPRequest2Controls* from) override;
    // The user chose a command or a port: the notice may go with the next line.
    void UserActed();
    // The LED pollers are gone: a failure of theirs holds no longer.
    void ForgetPollers();
    // Whether a notice holds the line now (something was said that stays).
    bool HoldsNotice();

private:
    enum class Hold { Nothing, Notice, LedFailure };
    void Show(const std::string& text, Hold hold, const VxSNMPRequest2Controls* from = nullptr);
    void TakeForeignText();

    TStatusPanel* Panel;
    std::string Shown;  // what this line last wrote
    Hold Held = Hold::Nothing;
    const VxSNMPRequest2Controls* FailedPoller = nullptr;
};
