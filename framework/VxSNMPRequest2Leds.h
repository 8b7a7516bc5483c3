#pragma once
// The front-panel LED poller: reads one unit's LED string (one byte per LED
// position) periodically, decodes the listed bytes through colour maps into
// colours and blink flags, paints one shape per LED, and lets blinking LEDs
// flash for a short while after each result.
//
//   auto* leds = new VxSNMPRequest2Leds(panelForm);
//   leds->Request.VarList = VxSNMPVarList(UnitLedItems, MVT_SV, 0);
//   leds->Request.VarList.Instance = "3";            // the unit
//   leds->Request.Timeout = 500;                     // 5 s
//   leds->AddLed(0, "4,6,8", PortLedColorMap, LedPanel1, 0, 6, stRectangle, 7, 7);
//   leds->SetMsgCtrl(statusBar->Panels()->Items(0));
//   leds->StartPolling(300);                         // every 3 s
//   ...
//   leds->StopPolling();                             // LEDs black, polls on their way withdrawn
//   delete leds;                                     // at once, before its owner form goes
//
// The LED shapes belong to the owner form, so the poller goes before the
// form; its timers are its own. The colour maps must outlive the poller (the
// catalogue's shared maps do).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/VxSNMPRequest2Controls.h"
#include "platform/Types.h"

class TPanel;
class TShape;
class TTimer;
class VxSNMPLedColorMapList;

// One LED: a byte of an item's value, shown by one shape.
struct VxLedEntry {
    int Item = 0;      // position of the item in the poller's var list
    int Position = 0;  // byte position in the item's octets
    const VxSNMPLedColorMapList* ColorMap = nullptr;
    TShape* Shape = nullptr;
    uint8_t Blink = 0;
    TColor Color = 0;  // the state colour decoded from the last result
};

class VxSNMPRequest2Leds : public VxSNMPRequest2Controls {
public:
    explicit VxSNMPRequest2Leds(TWinControl* owner);
    ~VxSNMPRequest2Leds() override;

    // Decodes every LED of the result just received, then one blink step.
    void ShowRow() override;
    // A failed poll: every LED back to its base colour, then the message.
    void ShowError(VxSNMPError* reply) override;
    // Sets the entry's state colour and blink flag from the current value of
    // its item. A missing byte takes the map's default colour, or raises
    // -519 for a map without one.
    virtual void DecodeLed(VxLedEntry& entry);

    // One shape per position of `positions` ("4,6,8"), the k-th at
    // Left = (width + gap) * k + left0, Top 1, in the map's base colour. The
    // parent panel loses its bevels.
    void AddLed(int item, const std::string& positions, const VxSNMPLedColorMapList& colorMap, TPanel* parent,
                int left0, int gap, TShapeType shape, int width, int height);

    // Polls every interval x 10 ms, the first time at once. A failure to
    // send that first request resets the LEDs and is raised.
    void StartPolling(int interval);
    // Stops both timers, withdraws the polls still on their way (Stop) and
    // leaves every LED in its base colour.
    void StopPolling();

    // Every LED not blinking in its state colour; a blinking one alternates
    // with the base colour while the counter is at most BlinkLimit, then
    // rests in its state colour until the next result.
    void BlinkStep();
    void ResetLeds();
    // Whether further blink steps would change nothing: no LED blinks, or
    // every blinking one has come to rest in its state colour. The blink
    // timer stops then and starts again with the next result that blinks.
    bool BlinkResting() const;

    const std::vector<VxLedEntry>& Leds() const { return Entries; }
    TTimer* PollTimer() const { return PollTimer_.get(); }
    TTimer* BlinkTimer() const { return BlinkTimer_.get(); }
    // Set by StopPolling until the next StartPolling: results are not shown.
    bool Stopped() const { return Stopped_; }

    int BlinkLimit = 6;
    int BlinkCounter = 0;

private:
    void PollTick(TObject* sender);
    void BlinkTick(TObject* sender);
    static void Paint(const VxLedEntry& entry, TColor color);

    std::vector<VxLedEntry> Entries;
    std::unique_ptr<TTimer> PollTimer_;
    std::unique_ptr<TTimer> BlinkTimer_;
    bool Stopped_ = false;
};
