#include "features/VlanStaticForm.h"

#include "common/VxNumbers.h"
#include "dialogbase/StackingPortUit.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

// Items of the static VLAN table.
enum : int { VlanIdItem, NameItem, EgressItem, ForbiddenItem, UntaggedItem, StatusItem };

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_dot1qVlanStaticEntry", .Bounds = {8, 8, 624, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {8, 171, 0, 0}, .Caption = "VLAN ID"},
    {.Class = "TEdit", .Name = "ED_VLANID", .Bounds = {72, 167, 70, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {160, 171, 0, 0}, .Caption = "VLAN Name"},
    {.Class = "TEdit", .Name = "ED_VLANName", .Bounds = {232, 167, 170, 21}, .TabOrder = 2},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {420, 171, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "Status", .Bounds = {468, 167, 120, 21}, .TabOrder = 3, .Enabled = false,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {8, 200, 0, 0}, .Caption = "Next Free Local VLAN Index:"},
    {.Class = "TStaticText", .Name = "NextFreeLocalVlanIndex", .Bounds = {180, 200, 0, 0}, .Caption = ""},
    {.Class = "TLabel", .Name = "Label5", .Bounds = {420, 200, 0, 0}, .Caption = "Total Entries:"},
    {.Class = "TStaticText", .Name = "ST_Count2", .Bounds = {508, 200, 0, 0}, .Caption = "0"},
    {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {8, 224, 624, 222}, .TabOrder = 4,
     .Anchors = akLeft | akTop | akRight, .Props = "ActivePage=TabSheet1"},
    {.Class = "TTabSheet", .Name = "TabSheet1", .Parent = "PageControl1", .Caption = "Egress Ports"},
    {.Class = "TTabSheet", .Name = "TabSheet2", .Parent = "PageControl1", .Caption = "Forbidden Egress Ports"},
    {.Class = "TTabSheet", .Name = "TabSheet3", .Parent = "PageControl1", .Caption = "Untagged Ports"},
    {.Class = "TScrollBox", .Name = "ScrollBox1", .Parent = "TabSheet1", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TScrollBox", .Name = "ScrollBox2", .Parent = "TabSheet2", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TScrollBox", .Name = "ScrollBox3", .Parent = "TabSheet3", .Align = alClient,
     .Props = "BorderStyle=bsNoBorder"},
    {.Class = "TButton", .Name = "RefreshBtn", .Bounds = {8, 454, 75, 25}, .Caption = "Refresh", .TabOrder = 5},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {90, 454, 75, 25}, .Caption = "Set", .TabOrder = 6},
    {.Class = "TButton", .Name = "AddBtn", .Bounds = {172, 454, 75, 25}, .Caption = "Add", .TabOrder = 7},
    {.Class = "TButton", .Name = "DeleteBtn", .Bounds = {254, 454, 75, 25}, .Caption = "Delete", .TabOrder = 8,
     .Enabled = false},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 486, 624, 88}, .TabOrder = 9,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "VlanStaticForm", .Caption = "VLAN Static Form", .ClientWidth = 640,
                             .ClientHeight = 582, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_dot1qVlanStaticEntry);
    KX_BIND(ED_VLANID);
    KX_BIND(ED_VLANName);
    KX_BIND(Status);
    KX_BIND(NextFreeLocalVlanIndex);
    KX_BIND(ST_Count2);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(AddBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(Memo1);
    KX_BIND(PageControl1);
    KX_BIND(ScrollBox1);
    KX_BIND(ScrollBox2);
    KX_BIND(ScrollBox3);
    RefreshBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::SetBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TVlanStaticForm::DeleteBtnClick);
    LV_dot1qVlanStaticEntry->OnClick = TNotifyEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
    LV_dot1qVlanStaticEntry->OnChange = TLVChangeEvent(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
    OnCreate = TNotifyEvent(this, &TVlanStaticForm::FormCreate);
    DoCreate();
}

void TVlanStaticForm::FormCreate(TObject*) {
    BuildUnitPages();
    OpenController(StaticRequest,
                   {.Items = Dot1qVlanStaticItems,
                    .Kind = MVT_UMV,
                    .IndexCount = 1,
                    .Bind =
                        [this](VxSNMPRequest2Edits& c) {
                            c.BindListView(LV_dot1qVlanStaticEntry, 1);
                            c.BindFormatted(VlanIdItem, "%s", ED_VLANID);
                            c.BindFormatted(NameItem, "%s", ED_VLANName);
                            BindPortList(c, EgressItem, EgressPicker);
                            BindPortList(c, ForbiddenItem, ForbiddenPicker);
                            BindPortList(c, UntaggedItem, UntaggedPicker);
                            c.BindComboBox(StatusItem, Status);
                        },
                    .CountText = ST_Count2});
    OpenController(NextFreeRequest, {.Items = Dot1qNextFreeLocalVlanIndexItems,
                                     .Bind = [this](VxSNMPRequest2Edits& c) {
                                         c.BindStaticText(0, NextFreeLocalVlanIndex);
                                     }});
}

void TVlanStaticForm::BuildUnitPages() {
    AddPortPickers({{&EgressPicker, ScrollBox1}, {&ForbiddenPicker, ScrollBox2}, {&UntaggedPicker, ScrollBox3}});
    // Hooked before the boxes are bound, so that the binding keeps these
    // handlers as the boxes' own. The tag is the box's port slot.
    for (int k = 0; k < UntaggedPicker->CheckBoxes.Count(); ++k) {
        UntaggedPicker->Box(k)->SetTag(k);
        UntaggedPicker->Box(k)->OnClick = TNotifyEvent(this, &TVlanStaticForm::UTagCheckBoxClick);
        EgressPicker->Box(k)->SetTag(k);
        EgressPicker->Box(k)->OnClick = TNotifyEvent(this, &TVlanStaticForm::EgressCheckBoxClick);
    }
}

// The coupling follows the user's ticks, never the lists of a loaded row.
void TVlanStaticForm::UTagCheckBoxClick(TObject* sender) {
    if (StaticRequest && StaticRequest->ShowingValues()) return;
    auto* box = static_cast<TCheckBox*>(sender);
    if (box->Checked()) EgressPicker->Box(box->Tag())->SetChecked(true);
}

void TVlanStaticForm::EgressCheckBoxClick(TObject* sender) {
    if (StaticRequest && StaticRequest->ShowingValues()) return;
    auto* box = static_cast<TCheckBox*>(sender);
    if (!box->Checked()) UntaggedPicker->Box(box->Tag())->SetChecked(false);
}

void TVlanStaticForm::ClearEntry() {
    UncheckPorts({EgressPicker, ForbiddenPicker, UntaggedPicker});
    ED_VLANID->SetText("");
    ED_VLANName->SetText("");
    Status->SetItemIndex(-1);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick(TObject*) {
    const bool selected = LV_dot1qVlanStaticEntry->Selected() != nullptr;
    if (!selected) ClearEntry();
    DeleteBtn->SetEnabled(selected);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange) {
    ShowRowCount(ST_Count2, StaticRequest);
    // A read empties the list: no row is selected then.
    DeleteBtn->SetEnabled(LV_dot1qVlanStaticEntry->Selected() != nullptr);
}

void TVlanStaticForm::RefreshBtnClick(TObject*) {
    Guard(NextFreeRequest, [&] { NextFreeRequest->Refresh(); });
    Guard(StaticRequest, [&] {
        StaticRequest->Refresh();
        ShowRowCount(ST_Count2, StaticRequest);
        ClearEntry();
        ShowRowCount(ST_Count2, StaticRequest);
    });
}

bool TVlanStaticForm::VlanIdIsNumber() {
    if (IsWholeNumber(ED_VLANID->Text())) return true;
    RefuseInput(ED_VLANID, "The VLAN ID must be a whole number.");
    return false;
}

void TVlanStaticForm::SetBtnClick(TObject*) {
    if (!LV_dot1qVlanStaticEntry->Selected()) return RefuseInput(LV_dot1qVlanStaticEntry, "Please select a VLAN first.");
    if (!VlanIdIsNumber()) return;
    Guard(StaticRequest, [&] {
        WriteShownRowStatus(*StaticRequest, Status);
        ClearEntry();
    });
}

void TVlanStaticForm::WriteRow(int status) {
    if (!VlanIdIsNumber()) return;
    Guard(StaticRequest, [&] {
        WriteRowStatus(*StaticRequest, Status, status);
        ClearEntry();
    });
}

void TVlanStaticForm::AddBtnClick(TObject*) { WriteRow(RowCreateAndGo); }

void TVlanStaticForm::DeleteBtnClick(TObject*) { WriteRow(RowDestroy); }
