#pragma once
// The frame of the two read-only views of MAC-based 802.1X counters
// (diagnostics and EAPOL frame statistics): one table indexed by the
// supplicant's MAC address and port, walked into a list with one column
// per counter, read again by Refresh. The two views differ only in their
// item table and stored layout.

#include "dialogbase/DialogFrame.h"
#include "platform/Layout.h"

// The controls both views share: Refresh on the right, the list above the
// memo in the rest.
inline constexpr LayoutControl MacAuthCountersControls[] = {
    {.Class = "TPanel", .Name = "Panel1", .Bounds = {0, 0, 96, 0}, .Align = alRight, .Props = "BevelOuter=bvNone"},
    {.Class = "TButton", .Name = "Button1", .Parent = "Panel1", .Bounds = {10, 8, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TPanel", .Name = "Panel2", .Align = alClient, .Props = "BevelOuter=bvNone"},
    {.Class = "TMemo", .Name = "Memo1", .Parent = "Panel2", .Bounds = {0, 0, 0, 88}, .Align = alBottom,
     .Props = "ReadOnly; ScrollBars=ssVertical"},
    {.Class = "TListView", .Name = "ListView1", .Parent = "Panel2", .Align = alClient,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
};

class TMacAuthCountersForm : public TDialogFrame {
public:
    void FormCreate(TObject* sender);
    void Button1Click(TObject* sender);

    TPanel* Panel1;
    TButton* Button1;
    TPanel* Panel2;
    TListView* ListView1;
    TMemo* Memo1;

    VxSNMPRequest2Edits* CountersRequest = nullptr;

protected:
    TMacAuthCountersForm(TComponent* owner, const FormLayout& layout, const SnmpVarItem* items);

private:
    const SnmpVarItem* Items;
};
