#pragma once
// "Multicast Forwarding Information": the ports to which each VLAN forwards
// all multicast frames (in use, static, forbidden); the static and
// forbidden lists of the selected VLAN are set.

#include "features/VlanForwardPorts.h"

class TMulticastForwardingInformationForm : public TVlanForwardPortsForm {
public:
    explicit TMulticastForwardingInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);

    TListView* LV_dot1qForwardAllEntry;
};

extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;
