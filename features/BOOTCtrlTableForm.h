#pragma once
// The BOOTP relay servers of the IP interfaces: lists the (interface,
// server) pairs and removes them (State invalid); a pair is added through
// the add dialog (TNewBootpCtrlForm), whose two edits are bound to this
// dialog's controller. Failures go to Memo1 as bare lines.

#include "features/BootpRelayRules.h"
#include "dialogbase/DialogFrame.h"

class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TDialogFrame {
public:
    explicit TBOOTCtrlTableForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);

    TListView* ListView1;
    TMemo* Memo1;
    TBitBtn* RefreshBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* AddBtn;
    TBitBtn* CloseBtn;
    TComboBox* ComboBox1;

    VxSNMPRequest2Edits* BootpEdits = nullptr;
    TNewBootpCtrlForm* AddDialog = nullptr;  // also in NewBootpCtrlForm
};

extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
