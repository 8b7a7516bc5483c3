#pragma once
// "Port Capability Form": the 802.1D extended capabilities of every bridge
// port, shown only. Its reads take turns with the GARP viewer's on Form1's
// ready flags; Refresh needs only the first flag.

#include "features/BridgePortViewer.h"

class TPortCapabilities8021dForm : public TBridgePortViewerForm {
public:
    explicit TPortCapabilities8021dForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void LV_dot1dPortCapabilitiesEntryChanging(TObject* sender, TListItem* item, TItemChange change,
                                               bool& allowChange);

    TListView* LV_dot1dPortCapabilitiesEntry;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TMemo* Memo1;
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
