#pragma once
// The MD5 key editor: changes the key of the row selected in the MD5 key
// table, or adds a key. It has no controller of its own: its controls are
// bound to the table dialog's (its owner's), and its Set writes through it.

#include "features/DialogFrame.h"

class TMd5InformationForm;

class TMd5EditForm : public TDialogFrame {
public:
    // The owner is the MD5 key table dialog.
    explicit TMd5EditForm(TComponent* owner);

    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormActivate(TObject* sender);

    TEdit* KeyIDEdit;
    TEdit* KeyEdit;
    TComboBox* ComboBox1;
    TButton* SetButton;
    TButton* CloseButton;

    // 1: change the selected key; 2: add a key.
    int EditMode = 0;

private:
    TMd5InformationForm* Table() const;
    // The add's checks, in order; false after a message box.
    bool NewKeyIsAcceptable();
};

extern TMd5EditForm* Md5EditForm;
