#pragma once
// The member editor of the member switch table: the values of one member
// (its ID, candidate source, password and row status), written with a
// single-row request of its own on the member's row. The table dialog sets
// its mode and fields before it shows it (ModalEditor.h), and has it remove
// a member without showing it. Set takes a member ID from 1 to 32 only.

#include "dialogbase/ModalEditor.h"
#include "features/MemberSwitchRules.h"

class TMSEditForm : public TModalEditor {
public:
    explicit TMSEditForm(TComponent* owner);

    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormActivate(TObject* sender);
    // The editor is shown again and again: closing only hides it, and its
    // request stays until the editor is deleted.
    void FormClose(TObject* sender, TCloseAction& action) override;

    // The row status a write sends: createAndGo for an add or a change
    // (the table has no other), destroy for a delete.
    void ShowStatusOf(RowWrite write);
    // The next write goes to the row of this member ID: the ID becomes the
    // row's instance through the index check of every table (a text that is
    // no whole number is refused with an exception).
    void AddressMember(const std::string& id);
    // Removes the member: only its row status destroy goes, on its row;
    // every item is back in the request afterwards, whatever the agent
    // answers.
    void DeleteMember(const std::string& id);

    TLabel* MSID;
    TEdit* KeyIDEdit;
    TEdit* ED_MCS;
    TEdit* MS_Password;
    TComboBox* Row_Status;
    TButton* SetButton;
    TButton* CloseButton;

    VxSNMPRequest2Edits* MSEdits = nullptr;
};

extern TMSEditForm* MSEditForm;
