#pragma once
// "VLAN Current Table": the VLANs currently active, each with its FDB id,
// egress and untagged ports, status and creation time, and the number of
// VLAN deletions. A selected row shows its VLAN index and its two port
// lists in stack port pickers; a click beside the rows clears them. The
// dialog only shows.

#include "dialogbase/DialogFrame.h"

class TVLanCurrentTableForm : public TDialogFrame {
public:
    explicit TVLanCurrentTableForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void LV_dot1qVlanCurrentEntryClick(TObject* sender);
    void LV_dot1qVlanCurrentEntryChange(TObject* sender, TListItem* item, TItemChange change);

    void BuildUnitPages();
    void ClearPortChecks();

    TListView* LV_dot1qVlanCurrentEntry;
    TStaticText* VlanNumDeletes;
    TStaticText* StaticText1;
    TStaticText* ST_Count2;
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;

    VxSNMPRequest2Edits* DeletesRequest = nullptr;
    VxSNMPRequest2Edits* CurrentRequest = nullptr;
    TStackingPortUitForm* EgressPicker = nullptr;
    TStackingPortUitForm* UntaggedPicker = nullptr;
};

extern TVLanCurrentTableForm* VLanCurrentTableForm;
