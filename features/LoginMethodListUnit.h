#pragma once
// The login method list editor: the method lists that the switch's login
// authentication tries, in order.

#include "features/MethodListForm.h"

class TLoginMethodListForm : public TMethodListForm {
public:
    explicit TLoginMethodListForm(TComponent* owner);

    TEdit* ListnameEdit;
    TComboBox* ComboBoxType1;
    TComboBox* ComboBoxType2;
    TComboBox* ComboBoxType3;
    TComboBox* ComboBoxType4;
    TEdit* Server1Edit;
    TEdit* Server2Edit;
    TEdit* Server3Edit;
    TEdit* Server4Edit;
};
