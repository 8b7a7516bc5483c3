#pragma once
// The static multicast filters: each group address with its egress ports.
// Delete removes the selected filter: one set of its egress ports as shown
// and the status "invalid".

#include "features/StaticFilterTable.h"

class TMulticastFilterInformationForm : public TStaticFilterTableForm {
public:
    explicit TMulticastFilterInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void Button1Click(TObject* sender);
    void LV_dot1qStaticMulticastEntryClick(TObject* sender);
    void LV_dot1qStaticMulticastEntryChange(TObject* sender, TListItem* item, TItemChange change);

    void BuildUnitPages();

    TListView* LV_dot1qStaticMulticastEntry;
    TEdit* ED_MulticastVID;
    TEdit* ED_MACAddress;
    TComboBox* Status;
    TStaticText* ST_Count;
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TButton* RefreshBtn;
    TButton* Button1;
    TButton* SetBtn;
    TMemo* Memo1;

private:
    // Clears the entry and leaves its fields read-only.
    void ClearEntry();
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
