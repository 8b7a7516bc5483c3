#pragma once
// Adds one BOOTP relay server to an interface, refusing a fifth server of
// one interface (as the table last read lists them) and an address that is
// not an IPv4 address. It has no controller: its edits are bound to the
// table dialog's, which writes its entry (ModalEditor.h). What the pair
// writes is decided in BootpRelayRules.h.

#include <cstdint>

#include "dialogbase/ModalEditor.h"
#include "features/BootpRelayRules.h"

class TNewBootpCtrlForm : public TModalEditor {
public:
    // The owner is the BOOTP relay table dialog.
    explicit TNewBootpCtrlForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void DeleteBtnClick(TObject* sender);  // the Set button
    void BitBtn1Click(TObject* sender);

    TEdit* Edit1;
    TEdit* Edit2;
    TBitBtn* DeleteBtn;
    TBitBtn* BitBtn1;

    uint8_t Activated = 0;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;
