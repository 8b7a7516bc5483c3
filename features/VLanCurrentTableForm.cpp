#include "features/VLanCurrentTableForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

// Items of the current VLAN table; the time mark and the VLAN index its rows.
enum : int { TimeMarkItem, VlanIndexItem, FdbIdItem, EgressItem, UntaggedItem, IndexItems = 2 };

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 12, 0, 0}, .Caption = "VLAN Delete Numbers:"},
    {.Class = "TStaticText", .Name = "VlanNumDeletes", .Bounds = {140, 12, 0, 0}, .Caption = ""},
    {.Class = "TListView", .Name = "LV_dot1qVlanCurrentEntry", .Bounds = {8, 34, 624, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {8, 194, 0, 0}, .Caption = "VLAN Index:"},
    {.Class = "TStaticText", .Name = "StaticText1", .Bounds = {80, 194, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {420, 194, 0, 0}, .Caption = "Total Entries:"},
    {.Class = "TStaticText", .Name = "ST_Count2", .Bounds = {508, 194, 0, 0}, .Caption = "0"},
    {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {8, 216, 624, 222}, .TabOrder = 1,
     .Anchors = akLeft | akTop | akRight, .Props = "ActivePage=TabSheet1"},
    {.Class = "TTabSheet", .Name = "TabSheet1", .Parent = "PageControl1", .Caption = "Egress Port"},
    {.Class = "TTabSheet", .Name = "TabSheet2", .Parent = "PageControl1", .Caption = "Untagged Port"},
    {.Class = "TScrollBox", .Name = "ScrollBox1", .Parent = "TabSheet1", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TScrollBox", .Name = "ScrollBox2", .Parent = "TabSheet2", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {557, 446, 75, 25}, .Caption = "Refresh", .TabOrder = 2,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {476, 446, 75, 25}, .Caption = "Set", .TabOrder = 3,
     .Anchors = akTop | akRight, .Visible = false},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 478, 624, 72}, .TabOrder = 4,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "VLanCurrentTableForm", .Caption = "VLAN Current Table", .ClientWidth = 640,
                             .ClientHeight = 558, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_dot1qVlanCurrentEntry);
    KX_BIND(VlanNumDeletes);
    KX_BIND(StaticText1);
    KX_BIND(ST_Count2);
    KX_BIND(PageControl1);
    KX_BIND(ScrollBox1);
    KX_BIND(ScrollBox2);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TVLanCurrentTableForm::RefreshBtnClick);
    LV_dot1qVlanCurrentEntry->OnClick = TNotifyEvent(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
    LV_dot1qVlanCurrentEntry->OnChange = TLVChangeEvent(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
    OnCreate = TNotifyEvent(this, &TVLanCurrentTableForm::FormCreate);
    DoCreate();
}

void TVLanCurrentTableForm::FormCreate(TObject*) {
    BuildUnitPages();
    OpenController(DeletesRequest, {.Items = Dot1qVlanNumDeletesItems, .Bind = [this](VxSNMPRequest2Edits& c) {
                                        c.BindStaticText(0, VlanNumDeletes);
                                    }});
    OpenController(CurrentRequest, {.Items = Dot1qVlanCurrentItems,
                                    .Kind = MVT_UMV,
                                    .IndexCount = IndexItems,
                                    .Bind =
                                        [this](VxSNMPRequest2Edits& c) {
                                            c.BindListView(LV_dot1qVlanCurrentEntry, 1);
                                            c.BindStaticText(VlanIndexItem, StaticText1);
                                            BindPortList(c, EgressItem, EgressPicker);
                                            BindPortList(c, UntaggedItem, UntaggedPicker);
                                        },
                                    .CountText = ST_Count2});
}

void TVLanCurrentTableForm::BuildUnitPages() {
    AddPortPickers({{&EgressPicker, ScrollBox1}, {&UntaggedPicker, ScrollBox2}});
}

void TVLanCurrentTableForm::ClearPortChecks() {
    UncheckPorts({EgressPicker, UntaggedPicker});
    StaticText1->SetCaption("");
}

void TVLanCurrentTableForm::RefreshBtnClick(TObject*) {
    Guard(DeletesRequest, [&] { DeletesRequest->Refresh(); });
    Guard(CurrentRequest, [&] {
        CurrentRequest->Refresh();
        ShowRowCount(ST_Count2, CurrentRequest);
        ClearPortChecks();
    });
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick(TObject*) {
    if (!LV_dot1qVlanCurrentEntry->Selected()) ClearPortChecks();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(ST_Count2, CurrentRequest);
}
