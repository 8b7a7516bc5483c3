#pragma once
// The MD5 key editor: changes the key of the row selected in the MD5 key
// table, or adds a key. It has no controller of its own: its controls are
// bound to the table dialog's, which writes its entry (ModalEditor.h). What
// the pair writes is decided in Md5KeyRules.h.

#include "dialogbase/ModalEditor.h"
#include "features/Md5KeyRules.h"

class TMd5EditForm : public TModalEditor {
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
};

extern TMd5EditForm* Md5EditForm;
