#pragma once
// The BOOTP relay servers of the IP interfaces: lists the (interface,
// server) pairs and removes them (State invalid); a pair is added through
// the add dialog (TNewBootpCtrlForm), whose two edits are bound to this
// dialog's controller. Failures go to Memo1 as bare lines.

#include "features/DialogFrame.h"

class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TDialogFrame {
public:
    explicit TBOOTCtrlTableForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);
    // Whether closed by Close or by the window frame: the controller goes
    // first (the frame's close step), then the add dialog whose edits it is
    // bound to.
    void FormClose(TObject* sender, TCloseAction& action) override;

    // Runs a handler of the add dialog in this dialog's guard: a failure
    // becomes a line of Memo1, and a close meanwhile waits for it.
    void GuardAddDialog(const std::function<void()>& body);

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

// State values of a relay pair.
inline constexpr int BootpPairInvalid = 2;
inline constexpr int BootpPairValid = 3;
// How many servers one interface relays to.
inline constexpr int BootpServersPerInterface = 4;
