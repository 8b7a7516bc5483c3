#include "features/ProtocolVlanForm.h"

#include "dialogbase/RowLayout.h"

TProtocolVlanForm* ProtocolVlanForm = nullptr;

namespace {

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr LayoutControl kControls[] = {
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {552, 0, 96, 400}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStaticText", .Name = "StaticText1", .Parent = "ButtonPanel", .Bounds = {10, 12, 75, 20},
     .Caption = "0", .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"},
    {.Class = "TButton", .Name = "Get", .Parent = "ButtonPanel", .Bounds = {10, 44, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TButton", .Name = "Edit", .Parent = "ButtonPanel", .Bounds = {10, 76, 75, 25}, .Caption = "Edit",
     .TabOrder = 1},
    {.Class = "TButton", .Name = "Add", .Parent = "ButtonPanel", .Bounds = {10, 108, 75, 25}, .Caption = "Add",
     .TabOrder = 2},
    {.Class = "TButton", .Name = "Delete", .Parent = "ButtonPanel", .Bounds = {10, 140, 75, 25}, .Caption = "Delete",
     .TabOrder = 3},
    {.Class = "TSplitter", .Name = "Splitter2", .Bounds = {549, 0, 3, 400}, .Align = alRight},
    {.Class = "TListView", .Name = "ListView1", .Bounds = {0, 0, 549, 200}, .TabOrder = 0, .Align = alTop,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"},
    {.Class = "TSplitter", .Name = "Splitter1", .Bounds = {0, 200, 549, 3}, .Align = alTop},
    {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {0, 203, 549, 197}, .TabOrder = 1, .Align = alClient,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kFrame{.Name = "ProtocolVlanForm", .Caption = "Protocol VLAN", .ClientWidth = 648,
                            .ClientHeight = 419, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                            .LargeFonts = DialogScaling::WidthHeight, .Captioning = CaptionRule::MenuSetsTitleAndAgent,
                            .Title = "Protocol VLAN : ", .Controls = kControls};

// The combo boxes take typed text: an empty one leaves its item out.
constexpr RowField kFields[] = {
    {pvIndex, "Index", "%i{n1x4094l4}", "Index"},
    {.Item = pvName, .Control = "Name", .Format = "%s{l15}", .Caption = "Name", .Width = 160},
    {.Item = pvType, .Control = "ProtocolType", .Format = nullptr, .Caption = "Protocol Type", .Width = 180,
     .Props = "DropDownCount=17"},
    {pvAdvertisement, "Advertisement", nullptr, "Advertisement"},
    {pvUserProtocol, "UserProtocol", "%u{n0x65535l5}", "User Defined Protocol"},
    {pvEncap, "Encap", nullptr, "Encap Type"},
    {pvRowStatus, "RowStatus", nullptr, "Row Status"},
};

constexpr RowLayout kLayout{&kFrame, kFields,
                            {.Parent = "EntryPanel", .Pitch = 26, .LabelDrop = 4, .Columns = {{12, 150}},
                             .ComboProps = nullptr}};

constexpr RowEditorRecord kRecord{.Fields = kFields,
                                  .Buttons = {"Get", "Edit", "Edit", "Add", "Delete"},
                                  .CountText = "StaticText1",
                                  .KeysCopiedOnClick = 1};

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(TComponent* owner)
    : TRowEditor(owner, BuiltRowLayout(kLayout), ProtocolVlanTable, kRecord) {
    KX_BIND(Index);
    KX_BIND(Name);
    KX_BIND(ProtocolType);
    KX_BIND(Advertisement);
    KX_BIND(UserProtocol);
    KX_BIND(Encap);
    KX_BIND(RowStatus);
    KX_BIND(StaticText1);
    KX_BIND(Get);
    KX_BIND(Edit);
    KX_BIND(Add);
    KX_BIND(Delete);
    ProtocolType->OnChange = TNotifyEvent(this, &TProtocolVlanForm::ProtocolTypeChange);
    DoCreate();
}

void TProtocolVlanForm::ProtocolTypeChange(TObject*) {
    const bool userDefined = ProtocolType->Text() == UserDefinedProtocol;
    UserProtocol->SetEnabled(userDefined);
    Encap->SetEnabled(userDefined);
}

void TProtocolVlanForm::FollowFields() { ProtocolTypeChange(nullptr); }

std::optional<RowRefusal> TProtocolVlanForm::CheckWrite(const RowSnapshot& form, RowWrite write) const {
    return CheckProtocolVlan(form, write);
}

RowItems TProtocolVlanForm::LeftOut(const RowSnapshot& form, RowWrite write) const {
    return ProtocolVlanLeftOut(form, write);
}

RowWrite TProtocolVlanForm::WriteOfSelected(const RowSnapshot& form) const {
    return ProtocolVlanWriteOfSelected(form);
}
