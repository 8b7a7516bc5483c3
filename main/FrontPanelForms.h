#pragma once
// The front-panel forms: one small borderless form per stack unit, showing
// the picture of the unit's front with a button over every port and a small
// shape over every LED; and the module panels that stand beside a Kestrix or
// Brovan unit fitted with a plug-in module. All follow one design and differ
// only in their geometry (forms/FrontPanels.h).
//
// The device view creates a panel with the main window as owner, sets its
// Unit, calls SetupLeds and RegisterPortButtons, places it and starts its
// LEDs with Leds->StartPolling(300). Closing the panel (or StopLeds) stops
// the poller; the panel's port buttons carry their stack port number
// (unit - 1) * 64 + port in Tag.

#include <cstdint>
#include <string>

#include "forms/FrontPanels.h"
#include "platform/Vcl.h"

class VxMessageSink;
class VxSNMPRequest2Leds;

// What a panel uses of the main window: the message target of its LED
// poller, the unit-number pictures (index unit - 1) and the list every port
// button is appended to.
struct FrontPanelHost {
    TStatusPanel* Messages = nullptr;
    TImageList* UnitNumbers = nullptr;
    TList* PortButtons = nullptr;
    // Takes the LED lines instead of Messages when set: the main window's
    // message line, which decides what of them its status-bar panel 0 shows.
    VxMessageSink* Lines = nullptr;
};

// The main window's.
FrontPanelHost MainWindowPanelHost();

// Fills the image list with the twelve unit-number pictures, index unit - 1.
void LoadUnitNumberPictures(TImageList* list);

class TFrontPanelForm : public TForm {
public:
    TFrontPanelForm(TComponent* owner, const PanelGeometry& layout, const FrontPanelHost& host);
    ~TFrontPanelForm() override;

    // Creates the LED poller of unit Unit with one LED per byte position of
    // the panel's LED groups (not started), and shows the unit number.
    void SetupLeds();
    // Gives every port button its stack port in Tag and appends it to the
    // host's list.
    void RegisterPortButtons();
    // Stops the LEDs and frees the panel.
    void FormClose(TObject* sender, TCloseAction& action);
    // Stops polling at once: every LED black, replies on their way dropped;
    // the poller stays until the panel goes.
    void StopLeds();

    TSpeedButton* PortButton(const std::string& name) const;
    TPanel* LedPanel(const std::string& name) const;
    // The geometry that lays the panel out.
    const PanelGeometry& Layout() const { return layout_; }

    int Unit = 0;
    VxSNMPRequest2Leds* Leds = nullptr;  // owned by the panel
    TImage* Image1 = nullptr;
    TPanel* Panel1 = nullptr;        // holds StackImage; none on the Tallix
    TImage* StackImage = nullptr;

protected:
    // The ports of the buttons and the positions of the LEDs: the unit's
    // own; a module's follow the unit it stands beside.
    virtual const PanelGeometry& Wiring() const { return layout_; }

private:
    void BuildFromLayout();
    void ShowUnitNumber();

    const PanelGeometry& layout_;
    FrontPanelHost host_;
};

class TPanelKestrixForm : public TFrontPanelForm {
public:
    explicit TPanelKestrixForm(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};

class TPanelBrovanForm : public TFrontPanelForm {
public:
    explicit TPanelBrovanForm(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};

class TPanelTallixForm : public TFrontPanelForm {
public:
    explicit TPanelTallixForm(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};

class TPanelMorvekForm : public TFrontPanelForm {
public:
    explicit TPanelMorvekForm(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};

// A plug-in module beside a unit: set one of the two flags before
// SetupLeds and RegisterPortButtons (beside a Kestrix its ports are the
// unit's 49 and 50, beside a Brovan 25 and 26).
class TModulePanelForm : public TFrontPanelForm {
public:
    TModulePanelForm(TComponent* owner, PanelKind kind, const FrontPanelHost& host);

    uint8_t BesideBrovan = 0;
    uint8_t BesideKestrix = 0;

protected:
    const PanelGeometry& Wiring() const override;

private:
    PanelKind kind_;
};

class TfrmSelvor : public TModulePanelForm {
public:
    explicit TfrmSelvor(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};

class TfrmPirell : public TModulePanelForm {
public:
    explicit TfrmPirell(TComponent* owner, const FrontPanelHost& host = MainWindowPanelHost());
};
