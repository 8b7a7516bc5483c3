#include "features/VlanForwardPorts.h"

namespace {

// Items of both forwarding tables.
enum : int { VlanItem, InUseItem, StaticItem, ForbiddenItem };

}  // namespace

TVlanForwardPortsForm::TVlanForwardPortsForm(TComponent* owner, const FormLayout& layout)
    : TDialogFrame(owner, layout) {
    KX_BIND(PageControl1);
    KX_BIND(ScrollBox1);
    KX_BIND(ScrollBox2);
    KX_BIND(ScrollBox3);
    KX_BIND(ST_Count);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
}

void TVlanForwardPortsForm::OpenForwardTable(const SnmpVarItem* items, TListView* list) {
    BuildUnitPages();
    // The count follows the walk row by row.
    list->OnChange = TLVChangeEvent(this, &TVlanForwardPortsForm::ForwardListChange);
    OpenController(ForwardRequest, {.Items = items,
                                    .Kind = MVT_FMV,
                                    .IndexCount = 1,
                                    .Bind = [this, list](VxSNMPRequest2Edits& c) {
                                        c.BindListView(list, 1);
                                        BindPortList(c, InUseItem, InUsePicker);
                                        BindPortList(c, StaticItem, StaticPicker);
                                        BindPortList(c, ForbiddenItem, ForbiddenPicker);
                                    },
                                    .CountText = ST_Count});
}

void TVlanForwardPortsForm::BuildUnitPages() {
    AddPortPickers({{&InUsePicker, ScrollBox1}, {&StaticPicker, ScrollBox2}, {&ForbiddenPicker, ScrollBox3}});
}

void TVlanForwardPortsForm::ReadTable() {
    Guard(ForwardRequest, [&] {
        ForwardRequest->Refresh();
        ShowRowCount(ST_Count, ForwardRequest);
    });
}

void TVlanForwardPortsForm::WriteSelectedVlan() {
    // Without a selected row the boxes belong to no VLAN.
    TListView* list = ForwardRequest ? ForwardRequest->ListView : nullptr;
    if (!list || !list->Selected()) return RefuseInput(list, "Please select a VLAN first.");
    // The list in use is read-only: the set carries the static and the
    // forbidden lists.
    Guard(ForwardRequest, [&] {
        ForwardRequest->SetValues(true, true);
        ShowRowCount(ST_Count, ForwardRequest);
    });
}

void TVlanForwardPortsForm::ForwardListChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(ST_Count, ForwardRequest);
}

void TVlanForwardPortsForm::UncheckAllPorts() { UncheckPorts({InUsePicker, StaticPicker, ForbiddenPicker}); }
