#pragma once
// The frame of the two per-VLAN forwarding dialogs (forward all, forward
// unregistered): a table of one row per VLAN with three port lists (the
// ports in use, read-only; the static ports and the forbidden ports,
// written), the selected row's lists in three stack port pickers, Refresh
// and Set. Set writes the static and forbidden lists as ticked, for the
// VLAN of the selected row, and reads the table again; without a selected
// row it says so and sends nothing.
//
// Both dialogs lay their controls out alike; ForwardPortsLayout gives the
// records with the dialog's own list view name and tab captions.

#include <array>

#include "dialogbase/DialogFrame.h"
#include "platform/Layout.h"

class TVlanForwardPortsForm : public TDialogFrame {
public:
    TPageControl* PageControl1;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TMemo* Memo1;

    VxSNMPRequest2Edits* ForwardRequest = nullptr;
    // The pickers of the three lists, in item order: in use, static, forbidden.
    TStackingPortUitForm* InUsePicker = nullptr;
    TStackingPortUitForm* StaticPicker = nullptr;
    TStackingPortUitForm* ForbiddenPicker = nullptr;

protected:
    TVlanForwardPortsForm(TComponent* owner, const FormLayout& layout);

    // FormCreate: the pickers, then the table's controller with the list
    // bound and each list bound to its picker, the first read and the count.
    void OpenForwardTable(const SnmpVarItem* items, TListView* list);
    void BuildUnitPages();
    void ReadTable();
    void WriteSelectedVlan();
    void UncheckAllPorts();

private:
    void ForwardListChange(TObject* sender, TListItem* item, TItemChange change);
};

// The records of a forwarding dialog.
constexpr std::array<LayoutControl, 13> ForwardPortsLayout(const char* listName, const char* inUseTab,
                                                          const char* staticTab, const char* forbiddenTab) {
    constexpr const char* Rows = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly";
    constexpr const char* Plain = "BorderStyle=bsNoBorder";
    return {{
        {.Class = "TListView", .Name = listName, .Bounds = {8, 8, 624, 150}, .TabOrder = 0,
         .Anchors = akLeft | akTop | akRight, .Props = Rows},
        {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {8, 166, 624, 222}, .TabOrder = 1,
         .Anchors = akLeft | akTop | akRight, .Props = "ActivePage=TabSheet1"},
        {.Class = "TTabSheet", .Name = "TabSheet1", .Parent = "PageControl1", .Caption = inUseTab},
        {.Class = "TTabSheet", .Name = "TabSheet2", .Parent = "PageControl1", .Caption = staticTab},
        {.Class = "TTabSheet", .Name = "TabSheet3", .Parent = "PageControl1", .Caption = forbiddenTab},
        {.Class = "TScrollBox", .Name = "ScrollBox1", .Parent = "TabSheet1", .Align = alClient, .Props = Plain},
        {.Class = "TScrollBox", .Name = "ScrollBox2", .Parent = "TabSheet2", .Align = alClient, .Props = Plain},
        {.Class = "TScrollBox", .Name = "ScrollBox3", .Parent = "TabSheet3", .Align = alClient, .Props = Plain},
        {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 402, 0, 0}, .Caption = "Total Entries:"},
        {.Class = "TStaticText", .Name = "ST_Count", .Bounds = {90, 402, 0, 0}, .Caption = "0"},
        {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {476, 396, 75, 25}, .Caption = "Refresh", .TabOrder = 2,
         .Anchors = akTop | akRight},
        {.Class = "TButton", .Name = "SetBtn", .Bounds = {557, 396, 75, 25}, .Caption = "Set", .TabOrder = 3,
         .Anchors = akTop | akRight},
        {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 428, 624, 72}, .TabOrder = 4,
         .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
    }};
}
