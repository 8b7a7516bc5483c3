#include "features/MacAuthCountersForm.h"

TMacAuthCountersForm::TMacAuthCountersForm(TComponent* owner, const FormLayout& layout, const SnmpVarItem* items)
    : TDialogFrame(owner, layout), Items(items) {
    KX_BIND(Panel1);
    KX_BIND(Button1);
    KX_BIND(Panel2);
    KX_BIND(ListView1);
    KX_BIND(Memo1);
    ButtonReporting = Reporting::MemoLine;
    Button1->OnClick = TNotifyEvent(this, &TMacAuthCountersForm::Button1Click);
    OnCreate = TNotifyEvent(this, &TMacAuthCountersForm::FormCreate);
    DoCreate();
}

void TMacAuthCountersForm::FormCreate(TObject*) {
    // Every item is a column, the MAC address the row caption; the address
    // and the port come from the row's instance. Nothing is edited here.
    OpenController(CountersRequest,
                   {.Items = Items,
                    .Kind = MVT_FMV,
                    .IndexCount = 2,
                    .Bind = [this](VxSNMPRequest2Edits& c) { c.BindListView(ListView1, 0); },
                    .Blocking = true,
                    .Failures = Reporting::ResultLine});
}

void TMacAuthCountersForm::Button1Click(TObject*) {
    Guard(CountersRequest, [&] { CountersRequest->Refresh(); });
}
