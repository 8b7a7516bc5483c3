#pragma once
// "Forward Unregistered Information": the ports to which each VLAN forwards
// multicast frames of unregistered groups (in use, static, forbidden); the
// static and forbidden lists of the selected VLAN are set as ticked.
// Refresh clears the ticks.

#include "features/VlanForwardPorts.h"

class TForwardUnregisteredInformationForm : public TVlanForwardPortsForm {
public:
    explicit TForwardUnregisteredInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);

    void ClearPortChecks();

    TListView* LV_dot1qForwardUnregisteredEntry;
};

extern TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm;
