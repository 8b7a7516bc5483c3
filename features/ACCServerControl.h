#pragma once
// The server group member form: adds an authentication server (address and
// protocol) to a named server group, or removes it, by writing the member
// row's state. It has no list: after a write it reads the member table
// again and its fields show the table's last row.
//
// Reads and writes block. The status bar says what became of a write, and
// then of the read after it. A refused write is also reported in a message
// box; a write that the agent took stays reported as written, also when the
// read after it fails (that failure has a message box of its own).

#include "dialogbase/DialogFrame.h"

class TfrmACCServerCtrl : public TDialogFrame {
public:
    explicit TfrmACCServerCtrl(TComponent* owner);

    void FormCreate(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);

    TEdit* edtGroupName;
    TEdit* edtIPAddr;
    TComboBox* cbAuthProtocol;
    TComboBox* cbRowState;
    TButton* Button1;
    TButton* Button2;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* MemberRequest = nullptr;

private:
    void ShowStatus(const std::string& text);
};

extern TfrmACCServerCtrl* frmACCServerCtrl;
