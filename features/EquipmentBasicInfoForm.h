#pragma once
// "Equipment Basic Information": the stacking scalars of the switch
// (stacking version, largest number of units, units in the stack), shown
// only. The equipment capacity is read with them but not shown.

#include "dialogbase/DialogFrame.h"

class TEquipmentBasicInfoForm : public TDialogFrame {
public:
    explicit TEquipmentBasicInfoForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void BitBtn1Click(TObject* sender);

    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TEdit* Edit4;
    TBitBtn* BitBtn1;
    TMemo* Memo1;

    VxSNMPRequest2Edits* StackingRequest = nullptr;
};

extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
