#pragma once
// The static unicast filters: each address with the ports it may be
// forwarded to. Delete removes the selected filter by writing only its
// status "invalid".

#include "features/StaticFilterTable.h"

class TUnicastFilterInformationForm : public TStaticFilterTableForm {
public:
    explicit TUnicastFilterInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void LV_dot1qStaticUnicastEntryClick(TObject* sender);
    void LV_dot1qStaticUnicastEntryChange(TObject* sender, TListItem* item, TItemChange change);

    void BuildUnitPages();

    TListView* LV_dot1qStaticUnicastEntry;
    TEdit* ED_UnicastVID;
    TEdit* UnicastAddress;
    TComboBox* UStatus;
    TStaticText* ST_Count;
    TGroupBox* GroupBox1;
    TButton* RefreshBtn;
    TButton* DeleteBtn;
    TButton* SetBtn;
    TMemo* Memo1;
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
