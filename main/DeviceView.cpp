// Stand-in for the device view until it is built: the window's caption and
// the device view's lists, no panels.
#include "main/Main.h"

void TMainForm::InitDeviceView() {
    SetCaption("Kestrix : " + AgentIP);
    PortButtons = new TList;
    UnitPanels = new TList;
    ModulePanels = new TList;
}

void TMainForm::UpdateRmonMenu() {}
