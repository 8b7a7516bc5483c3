#include "features/CommunityStringTableForm.h"

#include "dialogbase/RowLayout.h"
#include "mibdefs/SnmpV3Mib.h"

TCommunityStringTableForm* CommunityStringTableForm = nullptr;

namespace {

// Items of the community table.
enum : int { IndexItem, NameItem, SecurityNameItem, StatusItem };

const RowTable kTable{.Items = SnmpCommunityItems, .IndexCount = 1, .RowStatusItem = StatusItem,
                      .RowStatusMessage = nullptr};

constexpr RowField kFields[] = {
    {IndexItem, "Edit1", "%s", "Index"},
    {NameItem, "Edit2", "%s", "Name"},
    {SecurityNameItem, "Edit3", "%s", "Security Name"},
    {StatusItem, "ComboBox2", nullptr, "Status"},
};

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 440, 160}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 294, 440, 80}, .TabOrder = 5,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
    {.Class = "TPanel", .Name = "Panel1", .Bounds = {456, 0, 96, 382}, .Align = alRight, .Props = "BevelOuter=bvNone"},
    {.Class = "TBitBtn", .Name = "RefreshBtn", .Parent = "Panel1", .Bounds = {10, 8, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TBitBtn", .Name = "SetBtn", .Parent = "Panel1", .Bounds = {10, 40, 75, 25}, .Caption = "Set",
     .TabOrder = 1},
    {.Class = "TBitBtn", .Name = "AddBtn", .Parent = "Panel1", .Bounds = {10, 72, 75, 25}, .Caption = "Add",
     .TabOrder = 2},
    {.Class = "TBitBtn", .Name = "DeleteBtn", .Parent = "Panel1", .Bounds = {10, 104, 75, 25}, .Caption = "Delete",
     .TabOrder = 3, .Enabled = false},
    {.Class = "TBitBtn", .Name = "CloseBtn", .Parent = "Panel1", .Bounds = {10, 136, 75, 25}, .Caption = "Close",
     .TabOrder = 4},
};

constexpr FormLayout kFrame{.Name = "CommunityStringTableForm", .Caption = "CommunityStringTableForm",
                            .ClientWidth = 552, .ClientHeight = 382, .BorderStyle = bsSizeable,
                            .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                            .Controls = kControls};

// The entry below the list, on the form itself.
constexpr RowLayout kLayout{&kFrame, kFields,
                            {.Parent = "", .Top = 178, .Pitch = 28, .LabelDrop = 4, .ControlWidth = 160,
                             .FirstTabOrder = 1, .Columns = {{8, 100}}}};

constexpr RowEditorRecord kRecord{.Fields = kFields,
                                  .Buttons = {"RefreshBtn", "SetBtn", "Set", "AddBtn", "DeleteBtn"},
                                  .Blocking = false,
                                  .Results = RowResults::Memo,
                                  .SelectionLocksKey = false,
                                  .EmptiesFields = false};

}  // namespace

TCommunityStringTableForm::TCommunityStringTableForm(TComponent* owner)
    : TRowEditor(owner, BuiltRowLayout(kLayout), kTable, kRecord) {
    KX_BIND(Edit1);
    KX_BIND(Edit2);
    KX_BIND(Edit3);
    KX_BIND(ComboBox2);
    KX_BIND(Memo1);
    KX_BIND(Panel1);
    KX_BIND(RefreshBtn);
    KX_BIND(SetBtn);
    KX_BIND(AddBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(CloseBtn);
    CloseBtn->OnClick = TNotifyEvent(this, &TCommunityStringTableForm::CloseBtnClick);
    DoCreate();
}

std::optional<RowRefusal> TCommunityStringTableForm::CheckWrite(const RowSnapshot& form, RowWrite write) const {
    const bool namesARow = write != RowWrite::Set || form.Combo(StatusItem).Index >= 0;
    if (namesARow && form.EditEmpty(IndexItem)) return RowRefusal{"Index must be set.", IndexItem};
    return std::nullopt;
}

// The name and the security name go with every write, a Delete's too.
RowItems TCommunityStringTableForm::LeftOut(const RowSnapshot&, RowWrite) const { return {}; }

void TCommunityStringTableForm::CloseBtnClick(TObject*) { Close(); }
