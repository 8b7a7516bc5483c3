#pragma once
// The frame of the two static filtering dialogs (unicast, multicast): a
// table of filters indexed by FDB id, MAC address and receive port, the
// selected filter's VLAN, address and status in read-only fields and its
// port list in one stack port picker. The dialogs show and delete filters;
// they create and edit none.

#include "dialogbase/DialogFrame.h"

class TStaticFilterTableForm : public TDialogFrame {
public:
    VxSNMPRequest2Edits* FilterRequest = nullptr;
    TStackingPortUitForm* PortsPicker = nullptr;

protected:
    // The dialog's own controls of the filter entry.
    struct FilterControls {
        TListView* List;
        TEdit* Vid;
        TEdit* Address;
        TComboBox* Status;
        TStaticText* Count;
    };
    // A filter's status that removes it.
    static constexpr int FilterInvalid = 2;
    // Items of both filter tables.
    enum : int { FdbIdItem, AddressItem, ReceivePortItem, PortsItem, StatusItem };

    TStaticFilterTableForm(TComponent* owner, const FormLayout& layout);

    // FormCreate, after the picker: the table's controller with the entry
    // bound, the first read and the count.
    void OpenFilterTable(const SnmpVarItem* items);
    // Unchecks the ports and empties the VID, the address and the status.
    void ClearFilterEntry();
    // A click on the list: the status stays read-only.
    void KeepStatusReadOnly();
    void ShowFilterCount();

    FilterControls Entry{};  // set by the dialog before its FormCreate
};
