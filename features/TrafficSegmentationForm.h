#pragma once
// Traffic segmentation ("Traffic Segmentation Table"): for every stack port
// the ports that frames received on it may be forwarded to. The table is
// walked in the background into the list; a selected row shows its port as
// unit and port and ticks its forward ports in the stack port picker, and
// Set writes the ticked ports back for that row's port. A walk that starts
// (Refresh, the read after a Set) shows no row: no port, no box ticked.
//
// A walk of a whole stack is long, so Refresh and Set wait for the walk the
// dialog started (Ready) and Stop ends it after the reply in flight.

#include "dialogbase/DialogFrame.h"

class TStackingPortUitForm;

class TTrafficSegmentationForm : public TDialogFrame {
public:
    explicit TTrafficSegmentationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_SetClick(TObject* sender);
    void StopBtnClick(TObject* sender);
    void LV_TrafficForwardClick(TObject* sender);
    void LV_TrafficForwardChange(TObject* sender, TListItem* item, TItemChange change);
    void SegmentationRefreshDone(VxSNMPRequest2Controls* controller, VxSNMPError* reply);

    TListView* LV_TrafficForward;
    TStaticText* ST_Port;
    TEdit* Combo_Unit;
    TEdit* Combo_Port;
    TPanel* Panel4;
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* StopBtn;
    TStaticText* StaticText1;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* SegmentationRequest = nullptr;
    TStackingPortUitForm* ForwardPicker = nullptr;
    // 1 while no walk that the dialog started is running.
    uint8_t Ready = 0;
    // Set with Ready when a walk ends or is stopped.
    uint8_t Stopped = 0;

private:
    // False, after saying so, while the dialog's walk runs.
    bool WalkOver();
    // No row: no port shown as unit and port either.
    void NoRowShown(TObject* list) override;
};
