#include "features/TpGroupDestinationForwardedForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

namespace {

// Items of the group table; the VLAN and the group address index its rows.
enum : int { VlanItem, GroupAddressItem, EgressItem, GmrpLearntItem, IndexItems = 2 };

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1qTpGroupEntry", .Bounds = {8, 8, 624, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {8, 166, 624, 222}, .TabOrder = 1,
     .Anchors = akLeft | akTop | akRight, .Props = "ActivePage=TabSheet1"},
    {.Class = "TTabSheet", .Name = "TabSheet1", .Parent = "PageControl1", .Caption = "Egress Ports"},
    {.Class = "TTabSheet", .Name = "TabSheet2", .Parent = "PageControl1", .Caption = "GMRP Learn Port"},
    {.Class = "TScrollBox", .Name = "ScrollBox1", .Parent = "TabSheet1", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TScrollBox", .Name = "ScrollBox2", .Parent = "TabSheet2", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {557, 396, 75, 25}, .Caption = "Refresh", .TabOrder = 2,
     .Anchors = akTop | akRight},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 428, 624, 72}, .TabOrder = 3,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "TpGroupDestinationForwardedForm", .Caption = "Tp Group Destination Forwarded",
                             .ClientWidth = 640, .ClientHeight = 508, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(TComponent* owner)
    : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_dot1qTpGroupEntry);
    KX_BIND(PageControl1);
    KX_BIND(ScrollBox1);
    KX_BIND(ScrollBox2);
    KX_BIND(RefreshBtn);
    KX_BIND(Memo1);
    RefreshBtn->OnClick = TNotifyEvent(this, &TTpGroupDestinationForwardedForm::RefreshBtnClick);
    OnCreate = TNotifyEvent(this, &TTpGroupDestinationForwardedForm::FormCreate);
    DoCreate();
}

void TTpGroupDestinationForwardedForm::FormCreate(TObject*) {
    BuildUnitPages();
    OpenController(TpGroupRequest, {.Items = Dot1qTpGroupItems,
                                    .Kind = MVT_UMV,
                                    .IndexCount = IndexItems,
                                    .Bind = [this](VxSNMPRequest2Edits& c) {
                                        c.BindListView(LV_dot1qTpGroupEntry, 1);
                                        BindPortList(c, EgressItem, EgressPicker);
                                        BindPortList(c, GmrpLearntItem, GmrpPicker);
                                    }});
}

void TTpGroupDestinationForwardedForm::BuildUnitPages() {
    AddPortPickers({{&EgressPicker, ScrollBox1}, {&GmrpPicker, ScrollBox2}});
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick(TObject*) {
    Guard(TpGroupRequest, [&] { TpGroupRequest->Refresh(); });
}
