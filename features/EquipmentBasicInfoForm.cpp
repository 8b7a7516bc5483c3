#include "features/EquipmentBasicInfoForm.h"

#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

// Items of the stacking scalars.
enum : int { CapacityItem, VersionItem, MaxUnitsItem, UnitCountItem };

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {16, 20, 0, 0}, .Caption = "Equipment Capacity"},
    {.Class = "TEdit", .Name = "Edit1", .Bounds = {160, 16, 160, 21}, .TabOrder = 0, .Enabled = false},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {16, 52, 0, 0}, .Caption = "Max Supported Units"},
    {.Class = "TEdit", .Name = "Edit2", .Bounds = {160, 48, 160, 21}, .TabOrder = 1, .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {16, 84, 0, 0}, .Caption = "Number Of Unit"},
    {.Class = "TEdit", .Name = "Edit3", .Bounds = {160, 80, 160, 21}, .TabOrder = 2, .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {16, 116, 0, 0}, .Caption = "Stacking Version"},
    {.Class = "TEdit", .Name = "Edit4", .Bounds = {160, 112, 160, 21}, .TabOrder = 3, .Props = "ReadOnly"},
    {.Class = "TBitBtn", .Name = "BitBtn1", .Bounds = {245, 148, 75, 25}, .Caption = "Refresh", .TabOrder = 4},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 184, 320, 64}, .TabOrder = 5,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "EquipmentBasicInfoForm", .Caption = "Equipment Basic Information",
                             .ClientWidth = 336, .ClientHeight = 256, .BorderStyle = bsDialog,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(Edit1);
    KX_BIND(Edit2);
    KX_BIND(Edit3);
    KX_BIND(Edit4);
    KX_BIND(BitBtn1);
    KX_BIND(Memo1);
    BitBtn1->OnClick = TNotifyEvent(this, &TEquipmentBasicInfoForm::BitBtn1Click);
    OnCreate = TNotifyEvent(this, &TEquipmentBasicInfoForm::FormCreate);
    DoCreate();
}

void TEquipmentBasicInfoForm::FormCreate(TObject*) {
    OpenController(StackingRequest, {.Items = StackInfoItems, .Bind = [this](VxSNMPRequest2Edits& c) {
                                         c.BindFormatted(VersionItem, "%i", Edit4);
                                         c.BindFormatted(MaxUnitsItem, "%i", Edit2);
                                         c.BindFormatted(UnitCountItem, "%i", Edit3);
                                     }});
}

void TEquipmentBasicInfoForm::BitBtn1Click(TObject*) {
    Guard(StackingRequest, [&] { StackingRequest->Refresh(); });
}
