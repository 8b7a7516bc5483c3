#pragma once
// The read-only view of the EAPOL frame statistics per supplicant.

#include "features/MacAuthCountersForm.h"

class TMacStatisticTableForm : public TMacAuthCountersForm {
public:
    explicit TMacStatisticTableForm(TComponent* owner);
};

extern TMacStatisticTableForm* MacStatisticTableForm;
