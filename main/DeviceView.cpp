// The device view: the content of the main window, one front panel per unit
// of the stack, top to bottom in ScrollBox1, a module panel beside a unit
// fitted with a plug-in module, live LEDs and selectable port buttons; and
// the RMON menu items enabled by the agent's RMON state.
//
// Built once, as start-up's last step, from the unit, port and sub-unit
// tables, whose rows stay in the main window's data-holder list views for
// the port pickers. Every failure of its own work goes to status-bar panel 0;
// a silent agent leaves a window without panels, and so does an agent that
// lists no unit of a known model (which the message line then says).

#include <algorithm>

#include "common/KestrixModels.h"
#include "common/VxUtils.h"
#include "dialogbase/StackTables.h"
#include "dialogbase/StackUnits.h"
#include "framework/VxSNMPRequest2Edits.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "main/FrontPanelForms.h"
#include "main/Main.h"
#include "main/StatusLine.h"
#include "mibdefs/SystemMib.h"

namespace {

// The RMON commands that need the agent's RMON probe.
const char* const RmonMenuItems[] = {"Statistics1", "History1", "AlarmEvent1"};

// A walk ends by itself at the agent's first time-out; the limit only
// guards against one that never ends.
constexpr int TableWaitLimitMs = 60000;

void WaitWhileBusy(VxSNMPRequest2Edits* controller) {
    if (controller) controller->WaitWhileBusy(TableWaitLimitMs);
}

TMenuItem* FindMenuItem(TMenuItem* parent, const std::string& name) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (item->Name() == name) return item;
        if (TMenuItem* found = FindMenuItem(item, name)) return found;
    }
    return nullptr;
}

TFrontPanelForm* NewUnitPanel(UnitModel model, TComponent* owner) {
    switch (model) {
    case UnitModel::Kestrix: return new TPanelKestrixForm(owner);
    case UnitModel::Brovan: return new TPanelBrovanForm(owner);
    case UnitModel::Tallix: return new TPanelTallixForm(owner);
    case UnitModel::Morvek: return new TPanelMorvekForm(owner);
    case UnitModel::None: break;
    }
    return nullptr;
}

TModulePanelForm* NewModulePanel(const std::string& name, TComponent* owner) {
    if (name == "Selvor") return new TfrmSelvor(owner);
    if (name == "Pirell") return new TfrmPirell(owner);
    return nullptr;
}

// The sub-unit row of a unit: the one that carries the unit's id, wherever
// it stands in the table.
TListItem* SubUnitRowOf(TListView* subUnits, const std::string& unitId) {
    for (int i = 0; i < subUnits->Items()->Count(); ++i)
        if (subUnits->Items()->Item(i)->Caption() == unitId) return subUnits->Items()->Item(i);
    return nullptr;
}

// The first poll of a panel: a failure to send it is reported, and the
// poller tries again at its next tick.
void StartLeds(TFrontPanelForm* panel, TMainForm* window) {
    try {
        panel->Leds->StartPolling(300);
    } catch (const std::exception& e) {
        window->ShowDeviceViewMessage(e.what());
    }
}

// Why the agent's unit table gives no front panel.
std::string WhyNoPanel(TListView* units) {
    for (int i = 0; i < units->Items()->Count(); ++i)
        if (RowText(units->Items()->Item(i), UnitStatusColumn) != "not-exist")
            return "The agent lists no stack unit of a known model: no front panel to show.";
    return "The agent lists no stack unit: no front panel to show.";
}

std::vector<TForm*> PanelsOf(TList* list) {
    std::vector<TForm*> panels;
    for (int i = 0; list && i < list->Count(); ++i)
        if (TForm::Exists(list->Item<TForm>(i))) panels.push_back(list->Item<TForm>(i));
    return panels;
}

}  // namespace

FrontPanelHost MainWindowPanelHost() {
    if (!MainForm) return {};
    return {.UnitNumbers = MainForm->ImageList1, .PortButtons = MainForm->PortButtons,
            .Lines = MainForm->StatusLine.get()};
}

StackUnitTable TMainForm::UnitTable() const { return {UnitListView, UnitRequest, ModelNames}; }

void TMainForm::ShowDeviceViewMessage(const std::string& text) { StatusLine->Notice(text); }

void TMainForm::InitDeviceView() {
    SetCaption("Kestrix : " + ShownAgentAddress(AgentIP));
    PortButtons = new TList;
    UnitPanels = new TList;
    ModulePanels = new TList;
    for (size_t i = 0; i < std::size(ModelNames); ++i) ModelNames[i] = KestrixModelTexts[i];
    try {
        LoadUnitNumberPictures(ImageList1);
        ReadUnitTables();
        ReadSubUnitTable();
        CreateUnitPanels();
        HookPortButtons();
    } catch (const std::exception& e) {
        ShowDeviceViewMessage(e.what());
    }
    // Whether the window's panels need no word: there are some, or a failure
    // of the tables or a unit said why there are none.
    const bool panelsExplained = UnitPanels->Count() > 0 || StatusLine->HoldsNotice();
    RmonRequest = new VxSNMPRequest2Edits(this);
    RmonRequest->Request.VarList = VxSNMPVarList(RmonStateItems, SVT_SV, 0);
    RmonRequest->Async = 0;
    RmonRequest->BindLabel(0, ST_RmonState);
    UpdateRmonMenu();
    // An empty window says why, last: an agent without the stack's objects
    // lacks the RMON state too, and that failure would say less.
    if (!panelsExplained) ShowDeviceViewMessage(WhyNoPanel(UnitListView));
}

// A reader of one of the stack's tables, its result lines on the message line.
VxSNMPRequest2Edits* TMainForm::NewDeviceViewReader(const SnmpVarItem* items, TListView* view) {
    VxSNMPRequest2Edits* reader = NewStackTableReader(this, items, view, nullptr);
    reader->SetMsgCtrl(StatusLine.get());
    return reader;
}

// The unit and port tables are read at the same time: one round of waiting.
void TMainForm::ReadUnitTables() {
    UnitRequest = NewDeviceViewReader(SwUnitMgmtItems, UnitListView);
    UnitRequest->Refresh();
    PortRequest = NewDeviceViewReader(PortInfoItems, lvPortIndex);
    PortRequest->Refresh();
    WaitWhileBusy(PortRequest);
    WaitWhileBusy(UnitRequest);
}

void TMainForm::ReadSubUnitTable() {
    SubUnitRequest = NewDeviceViewReader(SubUnitItems, lvSubUnit);
    SubUnitRequest->Refresh();
    WaitWhileBusy(SubUnitRequest);
}

void TMainForm::CreateUnitPanels() {
    LastPanel = nullptr;
    TListItems* rows = UnitListView->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        if (RowText(row, UnitStatusColumn) == "not-exist") continue;
        try {
            AddUnitPanel(RowText(row, UnitModelColumn), row->Caption(), i);
        } catch (const std::exception& e) {
            ShowDeviceViewMessage(e.what());
        }
    }
    AssignPortPopup();
}

void TMainForm::AddUnitPanel(const std::string& model, const std::string& unitId, int /*row*/) {
    std::string message;
    const int unit = CheckedUnitId(unitId, message);
    if (!unit) {
        ShowDeviceViewMessage(message);
        return;
    }
    const UnitModel kind = ModelOf(ModelNames, model);
    TFrontPanelForm* panel = NewUnitPanel(kind, this);
    if (!panel) return;
    panel->Unit = unit;
    const int height = panel->ClientHeight();
    const int width = panel->ClientWidth();
    panel->SetupLeds();
    panel->RegisterPortButtons();
    StartLeds(panel, this);

    // A module stands beside the unit whose id its sub-unit row carries.
    TModulePanelForm* module = nullptr;
    if (kind == UnitModel::Kestrix || kind == UnitModel::Brovan) {
        if (TListItem* subUnit = SubUnitRowOf(lvSubUnit, unitId)) {
            const std::string name = RowText(subUnit, SubUnitModuleColumn);
            if (name != "-") module = NewModulePanel(name, this);
        }
        if (module) {
            module->Unit = unit;
            module->BesideKestrix = kind == UnitModel::Kestrix;
            module->BesideBrovan = kind == UnitModel::Brovan;
            module->SetupLeds();
            module->RegisterPortButtons();
            StartLeds(module, this);
        }
        AssignPortPopup();
    }

    ScrollBox1->SetAlign(alNone);
    panel->SetParent(ScrollBox1);
    panel->SetLeft(0);
    panel->SetTop(LastPanel ? LastPanel->Top() + height + 1 : 0);
    LastPanel = panel;
    if (module) {
        module->SetParent(ScrollBox1);
        module->SetTop(panel->Top());
        module->SetLeft(panel->Left() + panel->Width() + 1);
    }
    // The window is as wide as the widest row of panels: a narrower module
    // further down does not cut the one beside an earlier unit.
    WidestPanelRow = std::max(WidestPanelRow, module ? width + module->ClientWidth() + 8 : width + 4);
    FitWindowToPanels(WidestPanelRow, panel->Top() + height + StatusBar->Height() + UnitPanels->Count() + 4);
    ScrollBox1->SetAlign(alClient);

    panel->Show();
    if (module) {
        module->Show();
        ModulePanels->Add(module);
    }
    UnitPanels->Add(panel);
}

// The client size the panels ask for, as far as the screen's work area
// allows: a stack taller than the screen scrolls in the scroll box (which
// then takes the room of its scroll bar beside the panels), and the status
// bar, where the device view's messages go, stays on the screen.
void TMainForm::FitWindowToPanels(int clientWidth, int clientHeight) {
    const int frameWidth = Width() - ClientWidth();
    const int frameHeight = Height() - ClientHeight();  // the menu bar included
    const int roomWidth = Screen->WorkAreaWidth() - frameWidth;
    const int roomHeight = Screen->WorkAreaHeight() - frameHeight;
    if (clientHeight > roomHeight) {
        clientHeight = roomHeight;
        clientWidth += ScrollBox1->ScrollBarSize();
    }
    SetClientWidth(std::min(clientWidth, roomWidth));
    SetClientHeight(clientHeight);
}

void TMainForm::HookPortButtons() {
    for (int i = 0; i < PortButtons->Count(); ++i)
        PortButtons->Item<TSpeedButton>(i)->OnClick = TNotifyEvent(this, &TMainForm::PortButtonClick);
}

void TMainForm::PortButtonClick(TObject* sender) {
    StatusLine->UserActed();
    for (int i = 0; i < PortButtons->Count(); ++i) PortButtons->Item<TSpeedButton>(i)->SetDown(false);
    if (auto* button = dynamic_cast<TSpeedButton*>(sender)) button->SetDown(true);
}

void TMainForm::AssignPortPopup() {
    for (int i = 0; i < PortButtons->Count(); ++i) PortButtons->Item<TSpeedButton>(i)->SetPopupMenu(PortInfoPopupMenu);
}

void TMainForm::UpdateRmonMenu() {
    if (!RmonRequest) return;
    try {
        RmonRequest->Refresh();
    } catch (const std::exception& e) {
        ShowDeviceViewMessage(e.what());
        return;
    }
    const std::string state = ST_RmonState->Caption();
    if (state != "disabled" && state != "enabled") return;
    for (const char* name : RmonMenuItems)
        if (TMenuItem* item = FindMenuItem(MainMenu1->Items(), name)) item->SetEnabled(state == "enabled");
}

void TMainForm::StopPanelLeds() {
    for (TList* list : {ModulePanels, UnitPanels})
        for (TForm* panel : PanelsOf(list))
            if (auto* front = dynamic_cast<TFrontPanelForm*>(panel)) front->StopLeds();
}

// Every poller stops before any panel goes, so that no panel's close waits
// for the polls of the others.
void TMainForm::ClosePanels() {
    StopPanelLeds();
    const std::vector<TForm*> modules = PanelsOf(ModulePanels);
    const std::vector<TForm*> units = PanelsOf(UnitPanels);
    for (const auto* panels : {&modules, &units}) {
        for (TForm* panel : *panels) {
            panel->Close();
            if (TForm::Exists(panel)) delete panel;
        }
    }
    // The port buttons went with their panels.
    for (TList* list : {ModulePanels, UnitPanels, PortButtons})
        if (list) list->Clear();
    LastPanel = nullptr;
    WidestPanelRow = 0;
    StatusLine->ForgetPollers();
}
