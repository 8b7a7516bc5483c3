#pragma once
// The main window: the whole start-up of the module (scale, SNMP session,
// help path and error messages, the cfg directory, the command line and the
// per-device file, then the device view), the window that shows the stack,
// and the exit.
//
// Start-up runs in the constructor, in this order: the controls; the main
// menu (BuildMainMenu); the large-font flag and Scale; InitSnmpSession with
// the boot counter file in the current directory; the help path and the
// error-message files; the cfg directory; the command line and the ".cfg"
// file (see AgentSettings.h; no argument at all shows "No parameter input"
// and asks the application to end); last the device view (InitDeviceView).
// A conversion error of the command line or the file, or a failed session
// start, leaves the constructor; the device view catches its own failures.
//
// Parts of the class live in files of their own: the device view in
// DeviceView.cpp and its helpers (members declared in DeviceViewMembers.inc),
// the menu commands in the menu's files (BuildMainMenu and the handlers
// declared in MainMenuHandlers.inc), the tool launcher in ToolLauncher.cpp.
//
// The window is the dialogs' host (dialogbase/DialogHost.h) from the start of
// its constructor until it is destroyed: the dialogs read its large-font
// flag, agent address and unit table through that interface only.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialogbase/DialogHost.h"
#include "main/AgentSettings.h"
#include "platform/Vcl.h"

class VxSNMPRequest2Edits;
class VxStatusLine;
struct SnmpVarItem;

class TMainForm : public TForm, public TAgentTexts, public VxDialogHost {
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    // The dialogs' host: LargeFonts, AgentIP, and the unit table of the
    // device view (UnitListView, UnitRequest, ModelNames).
    bool UsesLargeFonts() const override { return LargeFonts != 0; }
    std::string AgentAddress() const override { return AgentIP; }
    StackUnitTable UnitTable() const override;

    // Asks "Exit Kestrix Management Module"; on OK ends the work of every
    // controller of the program (VxSNMPRequest2Controls::EndAllWork), stops
    // the device view's walks, deletes its controllers, closes every panel
    // and lets the window (and with it the application) go.
    void FormClose(TObject* sender, TCloseAction& action);
    // Closes and deletes every module panel, then every unit panel.
    void ClosePanels();

    // The device view (DeviceView.cpp): built once, as start-up's last step.
    void InitDeviceView();
    // Reads the RMON state again and enables or disables the RMON items.
    void UpdateRmonMenu();

    // Starts the host's MIB tool named by `page` ("/T" + module + "_" +
    // page) with this module's agent and credentials; mode 0 is the only one.
    // A tool that cannot be started is named on the message line, with why.
    void LaunchMibTool(const std::string& page, int mode);
    // The tool's command: its name, then " /I" agent, " /R" and " /W"
    // communities, the page, and for version 3 the session's v3 settings.
    std::string BuildToolCommandLine(const std::string& page);

    // Controls.
    TStatusBar* StatusBar;        // one panel; panel 0 takes the device view's messages
    // Panel 0 as the message line: what of the messages and LED lines it
    // shows, and for how long (StatusLine.h).
    std::unique_ptr<VxStatusLine> StatusLine;
    TScrollBox* ScrollBox1;       // holds the front panels
    TLabel* ST_RmonState;         // bound to the RMON state item
    TLabel* ST_StackNum;
    TListView* UnitListView;      // data holders, never shown
    TListView* PortInfoListView;
    TListView* lvSubUnit;
    TListView* lvPortIndex;
    TMainMenu* MainMenu1;
    TImageList* ImageList1;       // unit-number pictures, index unit - 1
    TPopupMenu* PortInfoPopupMenu;

    // The device view's state; created by it, deleted by FormClose.
    TForm* LastPanel = nullptr;
    TList* PortButtons = nullptr;
    TList* UnitPanels = nullptr;
    TList* ModulePanels = nullptr;
    VxSNMPRequest2Edits* UnitRequest = nullptr;
    VxSNMPRequest2Edits* RmonRequest = nullptr;
    VxSNMPRequest2Edits* SubUnitRequest = nullptr;
    VxSNMPRequest2Edits* PortRequest = nullptr;

    uint8_t LargeFonts = 0;  // 1 when the screen is not at 96 pixels per inch
    float Scale = 1.0f;      // 1.25 with large fonts

    // The agent and credentials as given: see TAgentTexts.

    std::string ModelNames[9];  // filled by the device view
    std::string PageTitle;      // the page a menu command is opening

    // Start-up's findings, kept for the menu and for tests.
    std::string HelpPath;
    std::string CfgDirectory;

private:
    void CreateControls();
    void ReadHostFiles();
    void ReadCommandLine();
    void StopDeviceView();
    // The tool's program and arguments; tells on the status bar when the
    // host's tools are not registered.
    std::vector<std::string> ToolCommand(const std::string& page);
    // The main menu and the popup's items (the menu's own file).
    void BuildMainMenu();

public:
#include "main/DeviceViewMembers.inc"
#include "main/MainMenuHandlers.inc"
};

extern TMainForm* MainForm;
