#pragma once
// The static VLAN table editor ("Static Table"): lists, creates, changes and
// deletes the switch's static VLANs, each a VLAN id with a name and three
// stack port lists (egress, forbidden egress, untagged), and shows the
// agent's next free local VLAN index.
//
// Untagged ports stay within the egress ports as the user ticks them:
// ticking an untagged box ticks the egress box of the same port, clearing an
// egress box clears its untagged box; forbidden boxes are free. A loaded row
// shows exactly the lists the agent sent, so an untouched Set writes them
// back as they were. Set writes the selected VLAN only.

#include "dialogbase/DialogFrame.h"

class TStackingPortUitForm;

class TVlanStaticForm : public TDialogFrame {
public:
    explicit TVlanStaticForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void LV_dot1qVlanStaticEntryClick(TObject* sender);
    void LV_dot1qVlanStaticEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void UTagCheckBoxClick(TObject* sender);
    void EgressCheckBoxClick(TObject* sender);

    void BuildUnitPages();
    void ClearEntry();

    TListView* LV_dot1qVlanStaticEntry;
    TEdit* ED_VLANID;
    TEdit* ED_VLANName;
    TComboBox* Status;
    TStaticText* NextFreeLocalVlanIndex;
    TStaticText* ST_Count2;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TMemo* Memo1;
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;

    VxSNMPRequest2Edits* NextFreeRequest = nullptr;
    VxSNMPRequest2Edits* StaticRequest = nullptr;
    TStackingPortUitForm* EgressPicker = nullptr;
    TStackingPortUitForm* ForbiddenPicker = nullptr;
    TStackingPortUitForm* UntaggedPicker = nullptr;

private:
    // False, after saying so, when ED_VLANID holds no whole number.
    bool VlanIdIsNumber();
    void WriteRow(int status);
};

extern TVlanStaticForm* VlanStaticForm;
