#pragma once
// The route redistribution table: lists which routes of a source protocol
// (rip, ospf, static, local) go into rip or ospf, with a route type and a
// metric, and changes, adds and deletes its rows. The metric range and the
// route types offered follow the chosen protocols (RouteRedistributionRules.h):
// a type the pair does not take is unchecked when the pair changes, and
// refused if it is still chosen. Set and Delete act on the selected row, Add
// on the pair the protocol boxes show. Once the table is read again (Refresh,
// the read after a write) no row is shown: every field empty, no type
// chosen.
// Failures of its handlers are not shown; the controller's own result lines
// and the editor's refusals go to Memo1.

#include "dialogbase/DialogFrame.h"

class TRouteRedistributForm : public TDialogFrame {
public:
    explicit TRouteRedistributForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void EditBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ComboBox1Change(TObject* sender);
    void RadioButton1Click(TObject* sender);

    TListView* ListView1;
    TMemo* Memo1;
    TGroupBox* GroupBox1;
    TComboBox* ComboBox1;
    TComboBox* ComboBox2;
    TEdit* Edit1;
    TLabel* Label5;
    TComboBox* StComboBox;
    TGroupBox* GroupBox2;
    TRadioButton* RadioButtons[10];  // RadioButton1 .. RadioButton10
    TComboBox* ComboBox3;
    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CloseBtn;

    VxSNMPRequest2Edits* RedistEdits = nullptr;

private:
    // The checks that Set and Add share: a metric within the destination's
    // range, a route type and both protocols chosen. False after the field or
    // Memo1 said why.
    bool EntryIsAcceptable();
    // The protocol boxes show the selected row's pair (its index) again; the
    // type boxes its type, unless a type that pair takes is still chosen.
    void ShowSelectedPair();
    // Checks the radio button of the type the (hidden) type box shows.
    void CheckRadioOfShownType();
    bool AnyTypeChecked() const;
    void NoRowShown(TObject* list) override;
    // The status Set writes: the selected row's own (active or notInService).
    int StatusOfSelectedRow();
};

extern TRouteRedistributForm* RouteRedistributForm;
