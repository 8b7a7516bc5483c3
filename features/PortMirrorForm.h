#pragma once
// Port mirroring ("Port Mirror Table"): the one target port, given as unit
// and port, the source ports whose received frames are mirrored (ingress)
// and those whose sent frames are (egress), each in a stack port picker, and
// the mirroring state. Read and written as a whole; the requests block.
//
// Every port stays selectable as a source: the dialog does not read the
// trunk table to hold back trunk members.

#include "dialogbase/DialogFrame.h"

class TStackingPortUitForm;

class TPortMirrorForm : public TDialogFrame {
public:
    explicit TPortMirrorForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void BT_RefreshClick(TObject* sender);
    void BT_SetClick(TObject* sender);
    void ET_TargetPortChange(TObject* sender);
    void UnitEditKeyPress(TObject* sender, char& key);
    void PortEditKeyPress(TObject* sender, char& key);

    TEdit* UnitEdit;
    TEdit* PortEdit;
    TCheckBox* CK_Status;
    TGroupBox* GroupBox1;
    TGroupBox* IngressPortGB;
    TGroupBox* EgressPortGB;
    TEdit* ET_TargetPort;
    TButton* BT_Refresh;
    TButton* BT_Set;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* MirrorRequest = nullptr;
    TStackingPortUitForm* IngressPicker = nullptr;
    TStackingPortUitForm* EgressPicker = nullptr;

private:
    bool AnyPortTicked() const;
    bool TargetIsSource(int target) const;
};
