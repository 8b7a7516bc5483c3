#pragma once
// The port trunk table ("Port Trunk Table"): one row per trunk group (index
// 1..32) with a name, a master port shown as unit and port, the member ports
// ticked in a stack port picker, a type and a state. Add creates a trunk
// under a new index, Set changes the selected one, Delete removes it.
//
// A trunk holds two to eight ticked ports, the master port among them,
// counted over every unit: what is sent is what is ticked. Whenever the
// table is read again (Refresh, a click beside the rows, the read after a
// write) no row is shown: every field empty, no box ticked, the index free
// for a new trunk. The requests block: each button returns after the agent
// answered, its outcome in panel 0 of the status bar.

#include "dialogbase/DialogFrame.h"

class TStackingPortUitForm;

class TPortTrunkForm : public TDialogFrame {
public:
    explicit TPortTrunkForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void BT_AddClick(TObject* sender);
    void BT_DeleteClick(TObject* sender);
    void LV_PortTrunkClick(TObject* sender);
    void UnitEditKeyPress(TObject* sender, char& key);
    void Combo_StateChange(TObject* sender);

    TListView* LV_PortTrunk;
    TEdit* ED_Index;
    TStaticText* ST_FloodingPort;
    TComboBox* Combo_Type;
    TEdit* ED_Name;
    TGroupBox* LB_Master;
    TEdit* UnitEdit;
    TEdit* PortEdit;
    TComboBox* ComboBox1;
    TPanel* StackingPortPanel;
    TEdit* ED_MasterPort;
    TComboBox* Combo_State;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* BT_Set;
    TButton* BT_Delete;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* TrunkRequest = nullptr;
    TStackingPortUitForm* MemberPicker = nullptr;
    int MemberCount = 0;
    int MasterUnit = 0;
    int MasterPort = 0;

private:
    // The master port typed as unit and port.
    int TypedMasterPort() const;
    // False, after saying so, unless the master port's box is ticked.
    bool MasterPortTicked(int masterPort);
    // False, after saying so, unless two to eight boxes are ticked, on any
    // unit (a ninth is unticked again).
    bool MembersFit();
    bool AnyRowHas(int subItem, const std::string& text, bool numerically) const;
    void ShowStateInStatusBox();
    void NoRowShown(TObject* list) override;
};
