#pragma once
// "802.1P Basic Configure": the bridge's device capabilities (shown) and
// whether traffic classes are enabled (set).

#include "dialogbase/DialogFrame.h"

class TPBridgeConfigForm : public TDialogFrame {
public:
    explicit TPBridgeConfigForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_SetClick(TObject* sender);

    TStaticText* Edit_DeviceCapabilities;
    TComboBox* TrafficClassesState;
    TComboBox* GmrpStatus;
    TButton* BT_Get;
    TButton* BT_Set;
    TMemo* Memo1;

    VxSNMPRequest2Edits* DeviceCapabilitiesRequest = nullptr;
    VxSNMPRequest2Edits* TrafficClassesRequest = nullptr;
};

extern TPBridgeConfigForm* PBridgeConfigForm;
