#include "VxSNMPRequest2Leds.h"

#include "common/VxNumList.h"
#include "framework/VxSNMPLedColorMapList.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxValueConversion.h"
#include "platform/ExtCtrls.h"

namespace {

constexpr int BlinkIntervalMs = 60;

}  // namespace

VxSNMPRequest2Leds::VxSNMPRequest2Leds(TWinControl* owner)
    // The timers' handlers belong to this poller, so the timers do too, and
    // go with it whichever of it and its owner form goes first.
    : VxSNMPRequest2Controls(owner),
      PollTimer_(std::make_unique<TTimer>(nullptr)),
      BlinkTimer_(std::make_unique<TTimer>(nullptr)) {
    PollTimer_->SetEnabled(false);
    PollTimer_->OnTimer = TNotifyEvent(this, &VxSNMPRequest2Leds::PollTick);
    BlinkTimer_->SetInterval(BlinkIntervalMs);
    BlinkTimer_->OnTimer = TNotifyEvent(this, &VxSNMPRequest2Leds::BlinkTick);
    BlinkTimer_->SetEnabled(true);
}

VxSNMPRequest2Leds::~VxSNMPRequest2Leds() {
    StopPolling();
}

void VxSNMPRequest2Leds::AddLed(int item, const std::string& positions, const VxSNMPLedColorMapList& colorMap,
                                TPanel* parent, int left0, int gap, TShapeType shape, int width, int height) {
    VxNumList<int> list;
    list.Separator = ',';
    list.Parse(positions);
    for (int k = 0; k < list.Count(); ++k) {
        auto* led = new TShape(Owner);
        led->SetParent(parent);
        led->SetShape(shape);
        led->SetBounds((width + gap) * k + left0, 1, width, height);
        led->SetVisible(true);
        VxLedEntry entry{item, list[k], &colorMap, led, 0, colorMap.BaseColor};
        Paint(entry, entry.Color);
        Entries.push_back(entry);
    }
    if (parent) {
        parent->SetBevelInner(bvNone);
        parent->SetBevelOuter(bvNone);
    }
}

void VxSNMPRequest2Leds::StartPolling(int interval) {
    Stopped_ = false;
    Resume();
    BlinkTimer_->SetEnabled(true);
    PollTimer_->SetInterval(interval * 10);
    PollTimer_->SetEnabled(true);
    try {
        Refresh();
    } catch (const Exception&) {
        ResetLeds();
        throw;
    }
}

void VxSNMPRequest2Leds::StopPolling() {
    PollTimer_->SetEnabled(false);
    BlinkTimer_->SetEnabled(false);
    // Polls overlap, so requests may still be on their way; they are
    // withdrawn: none of them repaints the LEDs or writes a line, and nothing
    // is left to wait for (deleting the poller goes at once).
    Stopped_ = true;
    Stop();
    ResetLeds();
}

void VxSNMPRequest2Leds::PollTick(TObject*) {
    // A tick does not wait for a pending poll: to a silent agent polls
    // overlap, and each one reports its own time-out.
    try {
        Refresh();
    } catch (const Exception& e) {
        ResetLeds();
        ShowMsg(e.Message());
    }
}

void VxSNMPRequest2Leds::BlinkTick(TObject*) {
    BlinkStep();
    // Once no LED changes any more, the timer rests until the next result:
    // an idle module does not wake every 60 ms per unit.
    if (BlinkResting()) BlinkTimer_->SetEnabled(false);
}

bool VxSNMPRequest2Leds::BlinkResting() const {
    for (const VxLedEntry& entry : Entries)
        if (entry.Blink) return BlinkCounter > BlinkLimit + 1;
    return true;
}

void VxSNMPRequest2Leds::ShowRow() {
    if (Stopped_) return;
    BlinkCounter = 0;
    try {
        for (VxLedEntry& entry : Entries) DecodeLed(entry);
    } catch (const Exception&) {
        // A value that cannot be shown is a failed poll: no LED keeps a
        // state half decoded from it.
        ResetLeds();
        throw;
    }
    BlinkStep();
    if (!BlinkResting()) BlinkTimer_->SetEnabled(true);
}

void VxSNMPRequest2Leds::ShowError(VxSNMPError* reply) {
    if (Stopped_) return;
    ResetLeds();
    VxSNMPRequest2Controls::ShowError(reply);
}

void VxSNMPRequest2Leds::DecodeLed(VxLedEntry& entry) {
    if (entry.Item < 0 || entry.Item >= static_cast<int>(Request.VarList.GetCount()))
        ThrowListIndexError(entry.Item);
    const SnmpVar& item = *Request.VarList.GetItem(entry.Item);
    const Octets bytes = TextToOctets(RawValueText(item), static_cast<int>(item.Syntax));
    const VxSNMPLedColorMapList& map = *entry.ColorMap;
    if (entry.Position < 0 || bytes.size() <= static_cast<size_t>(entry.Position)) {
        if (map.DefaultColor == LedNoDefault) ThrowVxSNMP(vxPartOutOfRange);
        entry.Color = map.DefaultColor;
        entry.Blink = 0;
        return;
    }
    const auto state = static_cast<uint8_t>(bytes[static_cast<size_t>(entry.Position)]);
    entry.Color = map.Lookup(state & map.ValueMask);
    entry.Blink = (state & map.BlinkMask) != 0;
}

void VxSNMPRequest2Leds::BlinkStep() {
    bool blinking = false;
    for (const VxLedEntry& entry : Entries) {
        TColor color = entry.Color;
        if (entry.Blink) {
            blinking = true;
            const TColor base = entry.ColorMap->BaseColor;
            if (entry.Shape->Brush()->Color() != base && BlinkCounter <= BlinkLimit) color = base;
        }
        Paint(entry, color);
    }
    if (blinking) ++BlinkCounter;
}

void VxSNMPRequest2Leds::ResetLeds() {
    for (VxLedEntry& entry : Entries) {
        entry.Blink = 0;
        entry.Color = entry.ColorMap->BaseColor;
        Paint(entry, entry.Color);
        entry.Shape->Show();
    }
}

void VxSNMPRequest2Leds::Paint(const VxLedEntry& entry, TColor color) {
    entry.Shape->Brush()->SetColor(color);
    entry.Shape->Pen()->SetColor(color);
}
