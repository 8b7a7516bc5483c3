#pragma once
// The member editor of the member switch table: the values of one member
// (its ID, candidate source, password and row status), written with a
// single-row request of its own on the member's row. The table dialog sets
// its mode and fields before it shows it, and uses its request without
// showing it to remove a member. Set takes a member ID from 1 to 32 only.

#include "features/DialogFrame.h"

class TMSEditForm : public TDialogFrame {
public:
    explicit TMSEditForm(TComponent* owner);
    ~TMSEditForm() override;

    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormActivate(TObject* sender);
    // The editor is shown again and again: closing only hides it, and its
    // request stays until the editor is deleted.
    void FormClose(TObject* sender, TCloseAction& action) override;

    // Failures of Set are written as bare lines to this memo (the table
    // dialog's).
    void ReportFailuresTo(TMemo* memo);
    // The next write goes to the row of this member ID: the ID becomes the
    // row's instance through the index check of every table (a text that is
    // no whole number is refused with an exception).
    void AddressMember(const std::string& id);

    TLabel* MSID;
    TEdit* KeyIDEdit;
    TEdit* ED_MCS;
    TEdit* MS_Password;
    TComboBox* Row_Status;
    TButton* SetButton;
    TButton* CloseButton;

    // 1: change or delete an existing member; 2: add a member.
    int EditMode = 0;
    VxSNMPRequest2Edits* MSEdits = nullptr;
};

extern TMSEditForm* MSEditForm;
