#pragma once
// "VLAN Port Information Form": every bridge port's 802.1Q settings (port
// VLAN id, acceptable frame types, ingress filtering, GVRP) with its GVRP
// counters; the selected port's four settings are edited and set (Set
// without a selected port says so and sends nothing).

#include "dialogbase/DialogFrame.h"

class TVLanPortInfomationForm : public TDialogFrame {
public:
    explicit TVLanPortInfomationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void LV_dot1qPortVlanEntryChange(TObject* sender, TListItem* item, TItemChange change);

    TListView* LV_dot1qPortVlanEntry;
    TEdit* PortVLanID;
    TComboBox* AcceptableFrameTypes;
    TComboBox* IngressFiltering;
    TComboBox* GvrpStatus;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;

    VxSNMPRequest2Edits* PortVlanRequest = nullptr;

private:
    // Selects the first row of that port again (loading it), or empties
    // the port VLAN id when no row has it.
    void SelectPortAgain(const std::string& port);
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;
