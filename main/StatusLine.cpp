#include "main/StatusLine.h"

#include "framework/VxSNMPRequest2Leds.h"
#include "platform/ComCtrls.h"

void VxStatusLine::Show(const std::string& text, Hold hold, const VxSNMPRequest2Controls* from) {
    Panel->SetText(text);
    Shown = text;
    Held = hold;
    FailedPoller = hold == Hold::LedFailure ? from : nullptr;
}

void VxStatusLine::Notice(const std::string& text) { Show(text, Hold::Notice); }

void VxStatusLine::TakeForeignText() {
    // A text that another hand wrote into the panel is a notice too.
    if (Panel->Text() == Shown) return;
    Shown = Panel->Text();
    Held = Hold::Notice;
}

void VxStatusLine::PutLine(const std::string& line, bool ok, const VxSNMPRequest2Controls* from) {
    TakeForeignText();
    const bool poller = dynamic_cast<const VxSNMPRequest2Leds*>(from) != nullptr;
    if (!ok) {
        if (!poller) Show(line, Hold::Notice);
        else if (Held != Hold::Notice) Show(line, Hold::LedFailure, from);
        return;
    }
    if (Held == Hold::Nothing || (Held == Hold::LedFailure && from == FailedPoller)) Show(line, Hold::Nothing);
}

void VxStatusLine::UserActed() {
    TakeForeignText();
    if (Held == Hold::Notice) Held = Hold::Nothing;
}

void VxStatusLine::ForgetPollers() {
    if (Held == Hold::LedFailure) Held = Hold::Nothing;
}

bool VxStatusLine::HoldsNotice() {
    TakeForeignText();
    return Held == Hold::Notice;
}
