#include "main/Main.h"

#include <vector>

#include "framework/VxSNMPRequest2Edits.h"
#include "framework/VxSNMPSession.h"
#include "main/HostFiles.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    // Forms created during start-up (the front panels) reach the main window
    // through the global before the constructor is over.
    MainForm = this;
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
        MainForm = nullptr;
        throw;
    }
    DoCreate();
}

TMainForm::~TMainForm() {
    StopDeviceView();
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::CreateControls() {
    SetName("MainForm");
    SetCaption("Kestrix");
    SetPosition(poScreenCenter);
    OnClose = TCloseEvent(this, &TMainForm::FormClose);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    PortInfoPopupMenu = new TPopupMenu(this);
    PortInfoPopupMenu->SetName("PortInfoPopupMenu");
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->Panels()->Add()->SetWidth(50);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);

    auto hiddenLabel = [this](const char* name) {
        auto* label = new TLabel(this);
        label->SetName(name);
        label->SetVisible(false);
        label->SetParent(this);
        return label;
    };
    ST_RmonState = hiddenLabel("ST_RmonState");
    ST_StackNum = hiddenLabel("ST_StackNum");

    auto dataHolder = [this](const char* name) {
        auto* view = new TListView(this);
        view->SetName(name);
        view->SetViewStyle(vsReport);
        view->SetVisible(false);
        view->SetParent(this);
        return view;
    };
    UnitListView = dataHolder("UnitListView");
    PortInfoListView = dataHolder("PortInfoListView");
    lvSubUnit = dataHolder("lvSubUnit");
    lvPortIndex = dataHolder("lvPortIndex");

    SetClientWidth(784);
    SetClientHeight(300);
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
    StopDeviceView();
    action = caFree;
}

void TMainForm::StopDeviceView() {
    VxSNMPRequest2Edits** controllers[] = {&UnitRequest, &SubUnitRequest, &PortRequest, &RmonRequest};
    // Every walk is told to stop first, so that the waits below overlap.
    for (VxSNMPRequest2Edits** controller : controllers)
        if (*controller) (*controller)->Request.Alive = 0;
    for (VxSNMPRequest2Edits** controller : controllers) {
        if (!*controller) continue;
        while ((*controller)->Busy) Application->HandleMessage();
        delete *controller;
        *controller = nullptr;
    }
    ClosePanels();
    for (TList** list : {&ModulePanels, &UnitPanels, &PortButtons}) {
        delete *list;
        *list = nullptr;
    }
    LastPanel = nullptr;
}

void TMainForm::ClosePanels() {
    for (TList* panels : {ModulePanels, UnitPanels}) {
        if (!panels) continue;
        for (int i = 0; i < panels->Count(); ++i) {
            auto* panel = panels->Item<TForm>(i);
            // A panel's close stops its LED poller.
            if (TForm::Exists(panel)) panel->Close();
            if (TForm::Exists(panel)) delete panel;
        }
        panels->Clear();
    }
}
