#include "main/Main.h"

#include <vector>

#include "framework/VxSNMPRequest2Edits.h"
#include "framework/VxSNMPSession.h"
#include "main/HostFiles.h"
#include "main/StatusLine.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr LayoutPanel kStatusPanels[] = {{"", 50}};

// The front panels go into ScrollBox1; the list views only hold the rows of
// the stack's tables and are never shown.
constexpr LayoutControl kMainControls[] = {
    {.Class = "TStatusBar", .Name = "StatusBar", .Panels = kStatusPanels},
    {.Class = "TScrollBox", .Name = "ScrollBox1", .Align = alClient},
    {.Class = "TLabel", .Name = "ST_RmonState", .Visible = false},
    {.Class = "TLabel", .Name = "ST_StackNum", .Visible = false},
    {.Class = "TListView", .Name = "UnitListView", .Visible = false, .Props = "ViewStyle=vsReport"},
    {.Class = "TListView", .Name = "PortInfoListView", .Visible = false, .Props = "ViewStyle=vsReport"},
    {.Class = "TListView", .Name = "lvSubUnit", .Visible = false, .Props = "ViewStyle=vsReport"},
    {.Class = "TListView", .Name = "lvPortIndex", .Visible = false, .Props = "ViewStyle=vsReport"},
    {.Class = "TImageList", .Name = "ImageList1"},
};

constexpr FormLayout kMainFormLayout{.Name = "MainForm", .Caption = "Kestrix", .ClientWidth = 784,
                                     .ClientHeight = 300, .Position = poScreenCenter, .Controls = kMainControls};

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    // Forms created during start-up (the front panels) reach the main window
    // through the global before the constructor is over.
    MainForm = this;
    SetDialogHost(this);
    try {
        CreateControls();
        BuildMainMenu();
        LargeFonts = LargeFontsInUse() ? 1 : 0;
        Scale = LargeFonts ? 1.25f : 1.0f;
        // The SNMPv3 boot counter file lies in the current directory.
        InitSnmpSession("");
        SessionParameters.Security.Version = 0;
        ReadHostFiles();
        ReadCommandLine();
        InitDeviceView();
    } catch (...) {
        StopDeviceView();
        SetDialogHost(nullptr);
        MainForm = nullptr;
        throw;
    }
    DoCreate();
}

TMainForm::~TMainForm() {
    StopDeviceView();
    if (DialogHost() == this) SetDialogHost(nullptr);
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::CreateControls() {
    LoadLayout(this, kMainFormLayout);
    KX_BIND(StatusBar);
    StatusLine = std::make_unique<VxStatusLine>(StatusBar->Panels()->Items(0));
    KX_BIND(ScrollBox1);
    KX_BIND(ST_RmonState);
    KX_BIND(ST_StackNum);
    KX_BIND(UnitListView);
    KX_BIND(PortInfoListView);
    KX_BIND(lvSubUnit);
    KX_BIND(lvPortIndex);
    KX_BIND(ImageList1);
    // The menus are the main menu's own data (BuildMainMenu fills them).
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    PortInfoPopupMenu = new TPopupMenu(this);
    PortInfoPopupMenu->SetName("PortInfoPopupMenu");
    OnClose = TCloseEvent(this, &TMainForm::FormClose);
}

void TMainForm::ReadHostFiles() {
    HelpPath = ReadHelpPath();
    LoadErrorMessageFiles(ErrorMessageDirectory(HelpPath));
    CfgDirectory = FindCfgDirectory();
}

void TMainForm::ReadCommandLine() {
    if (ParamCount() == 0) {
        ShowMessage("No parameter input");
        // The device view is still built, against the session's defaults.
        Application->Terminate();
        return;
    }
    std::vector<std::string> arguments;
    for (int i = 1; i <= ParamCount(); ++i) arguments.push_back(ParamStr(i));
    ApplyCommandLine(arguments, CfgDirectory, *this, SessionParameters);
}

void TMainForm::FormClose(TObject*, TCloseAction& action) {
    if (MessageBoxA(nullptr, "Exit Kestrix Management Module", "Confirm", MB_OKCANCEL) != IDOK) {
        action = caNone;
        return;
    }
    // Whatever reads or writes now, in any window, ends: a blocking walk of a
    // dialog being built ends at its next row.
    VxSNMPRequest2Controls::EndAllWork();
    StopDeviceView();
    action = caFree;
}

void TMainForm::StopDeviceView() {
    // The LEDs stop before anything else: their polls on the way are
    // withdrawn, as are the walks still running, so nothing is waited for.
    StopPanelLeds();
    for (VxSNMPRequest2Edits** controller : {&UnitRequest, &SubUnitRequest, &PortRequest, &RmonRequest})
        VxSNMPRequest2Controls::StopAndDelete(*controller);
    ClosePanels();
    for (TList** list : {&ModulePanels, &UnitPanels, &PortButtons}) {
        delete *list;
        *list = nullptr;
    }
    LastPanel = nullptr;
}
