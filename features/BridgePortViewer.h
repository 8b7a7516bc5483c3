#pragma once
// A read-only list of one row per bridge port whose reads take turns on the
// hidden Form1's two ready flags: a read clears Ready1 and starts only while
// the flags say no read of either viewer is running; every end of a read
// sets both again (Form1->SetReady is the controller's OnRefreshDone). The
// GARP timers and the 802.1D port capabilities are such viewers.
//
// A read that cannot start, or that a close cuts short, gives the flags back
// as well, so Refresh never stays dead for the rest of the run.

#include "dialogbase/DialogFrame.h"

class TBridgePortViewerForm : public TDialogFrame {
public:
    ~TBridgePortViewerForm() override;

    VxSNMPRequest2Edits* PortTable = nullptr;

protected:
    // Which flags a Refresh needs.
    enum class ReadyFlags { Both, FirstOnly };

    TBridgePortViewerForm(TComponent* owner, const FormLayout& layout);

    // FormCreate's block: the table's controller with the list view bound,
    // Memo1 as message target, the first read and the row count.
    void OpenPortTable(const SnmpVarItem* items, TListView* list, TStaticText* count);
    // Refresh: reads again when the flags allow it, else does nothing.
    void RefreshWhenReady(ReadyFlags needed);

private:
    // Gives Ready1 back when the read just asked for is not running.
    void ReleaseUnlessReading();

    TStaticText* CountText = nullptr;
    bool Reading = false;  // this viewer took Ready1 for a read
};
