#pragma once
// "GARP Form": the GARP join, leave and leave-all timers of every bridge
// port (in centiseconds), shown only. Its reads take turns with the port
// capability viewer's on Form1's ready flags; Refresh needs both flags.

#include "features/BridgePortViewer.h"

class TGARPForm : public TBridgePortViewerForm {
public:
    explicit TGARPForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void LV_dot1dPortGarpEntryChange(TObject* sender, TListItem* item, TItemChange change);

    TListView* LV_dot1dPortGarpEntry;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;
};

extern TGARPForm* GARPForm;
