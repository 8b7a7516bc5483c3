#pragma once
// The SNMP community table editor: lists the agent's community rows (an
// index text with a community name and a security name), and creates,
// changes and deletes them. The row's index goes into its instance as its
// characters, without a length.

#include "dialogbase/DialogFrame.h"
#include "dialogbase/RowWrites.h"

class TCommunityStringTableForm : public TDialogFrame {
public:
    explicit TCommunityStringTableForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);
    void ListView1Click(TObject* sender);

    TListView* ListView1;
    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TComboBox* ComboBox2;
    TMemo* Memo1;
    TPanel* Panel1;
    TBitBtn* RefreshBtn;
    TBitBtn* SetBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CloseBtn;

    VxSNMPRequest2Edits* CommunityRequest = nullptr;

private:
    // A write of the selected row (Set), of a new row (Add) or a Delete.
    void WriteRow(RowWrite write);
};

extern TCommunityStringTableForm* CommunityStringTableForm;
