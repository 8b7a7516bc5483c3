#pragma once
// The enable method list editor: the method lists that authenticate the
// switch's privileged (enable) mode, in order.

#include "features/MethodListForm.h"

class TEnableMethodForm : public TMethodListForm {
public:
    explicit TEnableMethodForm(TComponent* owner);

    TEdit* NameEdit;
    TComboBox* Type1ComboBox;
    TComboBox* Type2ComboBox;
    TComboBox* Type3ComboBox;
    TComboBox* Type4ComboBox;
    TEdit* ServerGroupEdit1;
    TEdit* ServerGroupEdit2;
    TEdit* ServerGroupEdit3;
    TEdit* ServerGroupEdit4;
};
