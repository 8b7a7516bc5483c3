#pragma once
// The SNMP community table editor: lists the agent's community rows (an
// index text with a community name and a security name), and creates,
// changes and deletes them. A row editor (RowEditor.h) that keeps the
// table's own ways: the rows arrive while the dialog shows, the result lines
// go to Memo1, Set and Add always take input and Delete only with a row
// selected, and the fields follow the reads. Every write sends every column:
// Set with the row status shown, Add with createAndGo, Delete with destroy
// (the name and security name in the same request). The row's index goes
// into its instance as its characters, without a length.

#include "dialogbase/RowEditor.h"

class TCommunityStringTableForm : public TRowEditor {
public:
    explicit TCommunityStringTableForm(TComponent* owner);

    void CloseBtnClick(TObject* sender);

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

protected:
    // Every write names its row by the index ("Index must be set."), but a
    // Set without a loaded row, which the write itself refuses for the row
    // status it lacks.
    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
    RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
};

extern TCommunityStringTableForm* CommunityStringTableForm;
