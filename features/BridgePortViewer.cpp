#include "features/BridgePortViewer.h"

#include "dialogbase/Form1.h"

TBridgePortViewerForm::TBridgePortViewerForm(TComponent* owner, const FormLayout& layout)
    : TDialogFrame(owner, layout) {}

TBridgePortViewerForm::~TBridgePortViewerForm() {
    // A read stopped by the close never reaches OnRefreshDone.
    if (Reading && Form1 && !Form1->Ready1) Form1->SetReady(nullptr, nullptr);
}

void TBridgePortViewerForm::OpenPortTable(const SnmpVarItem* items, TListView* list, TStaticText* count) {
    CountText = count;
    Form1->Ready1 = 0;
    Reading = true;
    OpenController(PortTable, {.Items = items,
                               .Kind = MVT_FMV,
                               .IndexCount = 1,
                               .Bind = [list](VxSNMPRequest2Edits& c) { c.BindListView(list, 1); },
                               .OnRefreshDone = TRefreshDoneEvent(Form1, &TForm1::SetReady),
                               .CountText = count});
    ReleaseUnlessReading();
}

void TBridgePortViewerForm::RefreshWhenReady(ReadyFlags needed) {
    if (!PortTable || !Form1->Ready1 || (needed == ReadyFlags::Both && !Form1->Ready2)) return;
    Form1->Ready1 = 0;
    Reading = true;
    Guard(PortTable, [&] {
        PortTable->Refresh();
        ShowRowCount(CountText, PortTable);
    });
    ReleaseUnlessReading();
}

void TBridgePortViewerForm::ReleaseUnlessReading() {
    // A read that is not running now either failed to start or has already
    // ended (and set the flags): either way nothing will set them later.
    if (Busy()) return;
    Form1->Ready1 = 1;
    Reading = false;
}
