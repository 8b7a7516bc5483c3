#pragma once
// "802.1Q Basic Configure": the Q-bridge's version, largest VLAN id and
// VLAN counts (shown) and the global GVRP status (set).

#include "dialogbase/DialogFrame.h"

class TVLanGeneralInfoForm : public TDialogFrame {
public:
    explicit TVLanGeneralInfoForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);

    TStaticText* VlanVersionNumber;
    TStaticText* MaxVlanId;
    TStaticText* MaxSupportedVlans;
    TStaticText* CurrentNumOfVlans;
    TComboBox* GvrpStatus;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;

    VxSNMPRequest2Edits* QBridgeRequest = nullptr;
};

extern TVLanGeneralInfoForm* VLanGeneralInfoForm;
