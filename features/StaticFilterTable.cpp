#include "features/StaticFilterTable.h"

TStaticFilterTableForm::TStaticFilterTableForm(TComponent* owner, const FormLayout& layout)
    : TDialogFrame(owner, layout) {}

void TStaticFilterTableForm::OpenFilterTable(const SnmpVarItem* items) {
    OpenController(FilterRequest, {.Items = items,
                                   .Kind = MVT_UMV,
                                   .IndexCount = 3,
                                   .Bind =
                                       [this](VxSNMPRequest2Edits& c) {
                                           c.BindListView(Entry.List, 1);
                                           c.BindFormatted(FdbIdItem, "%i{n1x4094}", Entry.Vid);
                                           c.BindFormatted(AddressItem, "%h", Entry.Address);
                                           BindPortList(c, PortsItem, PortsPicker);
                                           c.BindComboBox(StatusItem, Entry.Status);
                                       },
                                   .CountText = Entry.Count});
}

void TStaticFilterTableForm::ClearFilterEntry() {
    UncheckPorts({PortsPicker});
    Entry.Vid->SetText("");
    Entry.Address->SetText("");
    Entry.Status->SetItemIndex(-1);
}

void TStaticFilterTableForm::KeepStatusReadOnly() { Entry.Status->SetEnabled(false); }

void TStaticFilterTableForm::ShowFilterCount() { ShowRowCount(Entry.Count, FilterRequest); }
