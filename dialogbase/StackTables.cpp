#include "dialogbase/StackTables.h"

#include "platform/ComCtrls.h"

void SetUpStackTableReader(VxSNMPRequest2Edits& reader, const SnmpVarItem* items, TListView* view,
                           TStatusPanel* messages) {
    reader.Request.VarList = VxSNMPVarList(items, MVT_FMV, 1);
    reader.SetMsgCtrl(messages);
    reader.BindListView(view, 1);
}

VxSNMPRequest2Edits* NewStackTableReader(TWinControl* owner, const SnmpVarItem* items, TListView* view,
                                         TStatusPanel* messages) {
    auto* reader = new VxSNMPRequest2Edits(owner);
    SetUpStackTableReader(*reader, items, view, messages);
    return reader;
}

std::string RowText(TListItem* row, int subItem) {
    TStrings* texts = row->SubItems();
    return subItem < texts->Count() ? texts->Get(subItem) : std::string();
}
