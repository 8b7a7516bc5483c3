#pragma once
// "Tp Group Destination Forwarded": the multicast groups learnt per VLAN,
// each with its egress ports and the ports learnt by GMRP, shown in a stack
// port picker each. The dialog only shows.
//
// The rows are indexed by VLAN and group address: both index items come
// from the row instance, so the "Group Address" column shows each row's
// address.

#include "dialogbase/DialogFrame.h"

class TTpGroupDestinationForwardedForm : public TDialogFrame {
public:
    explicit TTpGroupDestinationForwardedForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);

    void BuildUnitPages();

    TListView* LV_dot1qTpGroupEntry;
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TButton* RefreshBtn;
    TMemo* Memo1;

    VxSNMPRequest2Edits* TpGroupRequest = nullptr;
    TStackingPortUitForm* EgressPicker = nullptr;
    TStackingPortUitForm* GmrpPicker = nullptr;
};

extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;
