#include "features/PortTrunkForm.h"

#include "common/VxNumbers.h"
#include "dialogbase/StackPortFields.h"
#include "dialogbase/StackingPortUit.h"
#include "framework/VxItemsLeftOut.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"
#include "platform/SysUtils.h"

namespace {

// Items of the trunk table.
enum : int { IndexItem, NameItem, MasterItem, MemberItem, FloodingItem, TypeItem, StateItem };
// List columns (sub-items) the dialog reads.
constexpr int MasterPortColumn = 1;

// The Status box offers the two states a trunk is set to, entry by entry:
// enable (1), disable (2). The bound Combo_State holds the row's state by
// value, createAndGo and destroy among them.
constexpr int TrunkStateOfStatusEntry[] = {1, 2};

int StatusEntryOfTrunkState(int state) {
    for (int entry = 0; entry < 2; ++entry)
        if (TrunkStateOfStatusEntry[entry] == state) return entry;
    return -1;
}

constexpr int MinMembers = 2;
constexpr int MaxMembers = 8;

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "LV_PortTrunk", .Bounds = {0, 0, 640, 150}, .TabOrder = 0, .Align = alTop,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"},
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {552, 150, 88, 392}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TButton", .Name = "BT_Get", .Parent = "ButtonPanel", .Bounds = {6, 10, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TButton", .Name = "SetBtn", .Parent = "ButtonPanel", .Bounds = {6, 42, 75, 25}, .Caption = "Set",
     .TabOrder = 1},
    {.Class = "TButton", .Name = "BT_Set", .Parent = "ButtonPanel", .Bounds = {6, 74, 75, 25}, .Caption = "Add",
     .TabOrder = 2},
    {.Class = "TButton", .Name = "BT_Delete", .Parent = "ButtonPanel", .Bounds = {6, 106, 75, 25},
     .Caption = "Delete", .TabOrder = 3},
    {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {0, 150, 552, 122}, .TabOrder = 1, .Align = alTop,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TLabel", .Name = "LB_Index", .Parent = "EntryPanel", .Bounds = {8, 12, 0, 0}, .Caption = "Index(1-32)"},
    {.Class = "TEdit", .Name = "ED_Index", .Parent = "EntryPanel", .Bounds = {96, 8, 80, 21}, .TabOrder = 0},
    {.Class = "TLabel", .Name = "LB_Name", .Parent = "EntryPanel", .Bounds = {8, 40, 0, 0}, .Caption = "Name"},
    {.Class = "TEdit", .Name = "ED_Name", .Parent = "EntryPanel", .Bounds = {96, 36, 120, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "LB_Type", .Parent = "EntryPanel", .Bounds = {8, 68, 0, 0}, .Caption = "Trunk Type"},
    {.Class = "TComboBox", .Name = "Combo_Type", .Parent = "EntryPanel", .Bounds = {96, 64, 120, 21},
     .TabOrder = 2},
    {.Class = "TLabel", .Name = "LB_Status", .Parent = "EntryPanel", .Bounds = {8, 96, 0, 0}, .Caption = "Status"},
    {.Class = "TComboBox", .Name = "ComboBox1", .Parent = "EntryPanel", .Bounds = {96, 92, 120, 21},
     .TabOrder = 3, .Items = "enable\ndisable", .Props = "Style=csDropDownList; ItemIndex=0"},
    {.Class = "TGroupBox", .Name = "LB_Master", .Parent = "EntryPanel", .Bounds = {240, 4, 180, 82},
     .Caption = "Master Port", .TabOrder = 4},
    {.Class = "TLabel", .Name = "LB_Unit", .Parent = "LB_Master", .Bounds = {12, 24, 0, 0}, .Caption = "Unit : "},
    {.Class = "TEdit", .Name = "UnitEdit", .Parent = "LB_Master", .Bounds = {64, 20, 60, 21}, .TabOrder = 0,
     .Props = "MaxLength=2"},
    {.Class = "TLabel", .Name = "LB_Port", .Parent = "LB_Master", .Bounds = {12, 52, 0, 0}, .Caption = "Port : "},
    {.Class = "TEdit", .Name = "PortEdit", .Parent = "LB_Master", .Bounds = {64, 48, 60, 21}, .TabOrder = 1,
     .Props = "MaxLength=2"},
    {.Class = "TLabel", .Name = "LB_Flooding", .Parent = "EntryPanel", .Bounds = {240, 96, 0, 0},
     .Caption = "Flooding Port"},
    {.Class = "TStaticText", .Name = "ST_FloodingPort", .Parent = "EntryPanel", .Bounds = {330, 96, 60, 17},
     .Caption = ""},
    {.Class = "TEdit", .Name = "ED_MasterPort", .Parent = "EntryPanel", .Bounds = {440, 8, 60, 21},
     .Visible = false},
    {.Class = "TComboBox", .Name = "Combo_State", .Parent = "EntryPanel", .Bounds = {440, 36, 100, 21},
     .Visible = false},
    {.Class = "TPanel", .Name = "StackingPortPanel", .Bounds = {0, 272, 552, 270}, .TabOrder = 2, .Align = alClient,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kLayout{.Name = "PortTrunkForm", .Caption = "Port Trunk Table", .ClientWidth = 640,
                             .ClientHeight = 561, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Captioning = CaptionRule::TitleAndAgent, .Title = "Port Trunk Table :",
                             .Controls = kControls};

}  // namespace

TPortTrunkForm::TPortTrunkForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(LV_PortTrunk);
    KX_BIND(ED_Index);
    KX_BIND(ST_FloodingPort);
    KX_BIND(Combo_Type);
    KX_BIND(ED_Name);
    KX_BIND(LB_Master);
    KX_BIND(UnitEdit);
    KX_BIND(PortEdit);
    KX_BIND(ComboBox1);
    KX_BIND(StackingPortPanel);
    KX_BIND(ED_MasterPort);
    KX_BIND(Combo_State);
    KX_BIND(BT_Get);
    KX_BIND(SetBtn);
    KX_BIND(BT_Set);
    KX_BIND(BT_Delete);
    KX_BIND(StatusBar1);
    ButtonReporting = Reporting::StatusPanel;
    BT_Get->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_GetClick);
    SetBtn->OnClick = TNotifyEvent(this, &TPortTrunkForm::SetBtnClick);
    BT_Set->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_AddClick);
    BT_Delete->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_DeleteClick);
    LV_PortTrunk->OnClick = TNotifyEvent(this, &TPortTrunkForm::LV_PortTrunkClick);
    UnitEdit->OnKeyPress = TKeyPressEvent(this, &TPortTrunkForm::UnitEditKeyPress);
    PortEdit->OnKeyPress = TKeyPressEvent(this, &TPortTrunkForm::UnitEditKeyPress);
    Combo_State->OnChange = TNotifyEvent(this, &TPortTrunkForm::Combo_StateChange);
    OnCreate = TNotifyEvent(this, &TPortTrunkForm::FormCreate);
    DoCreate();
}

void TPortTrunkForm::FormCreate(TObject*) {
    Guard(nullptr, [&] {
        AddPortPickers({{&MemberPicker, StackingPortPanel}});
        OpenController(TrunkRequest, {.Items = TrunkItems,
                                      .Kind = MVT_UMV,
                                      .IndexCount = 1,
                                      .Bind =
                                          [this](VxSNMPRequest2Edits& c) {
                                              c.BindListView(LV_PortTrunk, 1);
                                              c.BindFormatted(IndexItem, "%i{n1x32}", ED_Index);
                                              c.BindFormatted(NameItem, "%s{l12}", ED_Name);
                                              c.BindFormatted(MasterItem, "%s{n1x208l3}", ED_MasterPort);
                                              BindPortList(c, MemberItem, MemberPicker);
                                              c.BindStaticText(FloodingItem, ST_FloodingPort);
                                              c.BindComboBox(TypeItem, Combo_Type);
                                              c.BindComboBox(StateItem, Combo_State);
                                          },
                                      .Blocking = true,
                                      .Failures = Reporting::ResultLine});
    });
    BT_GetClick(nullptr);
}

// No row: the entry is free for a new trunk, which starts from no member at
// all (the controls bound to the table show no row by now, no box ticked on
// any unit's page), and the master port and status shown for the row go too.
void TPortTrunkForm::NoRowShown(TObject*) {
    ED_Index->SetColor(clWindow);
    ED_Index->SetEnabled(true);
    UnitEdit->SetText("");
    PortEdit->SetText("");
    ComboBox1->SetItemIndex(-1);
    MemberCount = MasterUnit = MasterPort = 0;
}

void TPortTrunkForm::BT_GetClick(TObject*) {
    Guard(TrunkRequest, [&] {
        if (TrunkRequest) TrunkRequest->Refresh();
    });
}

void TPortTrunkForm::LV_PortTrunkClick(TObject*) {
    TListItem* row = LV_PortTrunk->Selected();
    if (!row) return BT_GetClick(nullptr);
    MemberCount = 0;
    ED_Index->SetColor(clBtnFace);
    ED_Index->SetEnabled(false);
    Guard(TrunkRequest, [&] {
        const int master = StrToInt(ED_MasterPort->Text());
        MasterUnit = master / PortsPerUnit;
        MasterPort = master % PortsPerUnit;
        ShowUnitAndPort(master, UnitEdit, PortEdit);
    });
    ShowStateInStatusBox();
}

void TPortTrunkForm::Combo_StateChange(TObject*) { ShowStateInStatusBox(); }

// The row's state, loaded into Combo_State, as the Status box's entry; a
// state the box does not offer (createAndGo, destroy) leaves it as it is.
void TPortTrunkForm::ShowStateInStatusBox() {
    if (!TrunkRequest) return;
    const int entry = StatusEntryOfTrunkState(ShownRowStatus(*TrunkRequest, Combo_State));
    if (entry >= 0) ComboBox1->SetItemIndex(entry);
}

void TPortTrunkForm::UnitEditKeyPress(TObject*, char& key) { DigitsOnlyKey(key); }

bool TPortTrunkForm::AnyRowHas(int subItem, const std::string& text, bool numerically) const {
    for (int i = 0; i < LV_PortTrunk->Items()->Count(); ++i) {
        TListItem* row = LV_PortTrunk->Items()->Item(i);
        const std::string cell = subItem < 0                              ? row->Caption()
                                 : subItem < row->SubItems()->Count() ? row->SubItems()->Get(subItem)
                                                                        : std::string();
        if (!numerically) {
            if (cell == text) return true;
        } else if (IsWholeNumber(cell) && IsWholeNumber(text) && StrToInt(cell) == StrToInt(text)) {
            return true;
        }
    }
    return false;
}

int TPortTrunkForm::TypedMasterPort() const {
    return StackPortOf(StrToInt(UnitEdit->Text()), StrToInt(PortEdit->Text()));
}

bool TPortTrunkForm::MasterPortTicked(int masterPort) {
    // The picker's list raises its index error for a port outside 1..768.
    if (MemberPicker->CheckBoxes.Item<TCheckBox>(masterPort - 1)->Checked()) return true;
    RefuseInput(PortEdit, "Master port must be checked.");
    return false;
}

// Every ticked box is a member, on whichever unit's page: all of them count.
bool TPortTrunkForm::MembersFit() {
    MemberCount = 0;
    for (int k = 0; k < MemberPicker->CheckBoxes.Count(); ++k) {
        TCheckBox* box = MemberPicker->CheckBoxes.Item<TCheckBox>(k);
        if (!box->Checked()) continue;
        if (++MemberCount > MaxMembers) {
            box->SetChecked(false);
            RefuseInput(nullptr, "The trunk member can't over eight!");
            return false;
        }
    }
    if (MemberCount >= MinMembers) return true;
    RefuseInput(nullptr, "You must choose at least two members!");
    return false;
}

void TPortTrunkForm::BT_AddClick(TObject*) {
    if (ED_Index->Text().empty()) return RefuseInput(ED_Index, "The index should not be empty.");
    if (AnyRowHas(-1, ED_Index->Text(), false)) return RefuseInput(ED_Index, "The Index must be different!");
    if (UnitEdit->Text().empty()) return RefuseInput(UnitEdit, "The Unit should not be empty.");
    if (PortEdit->Text().empty()) return RefuseInput(PortEdit, "The Port should not be empty.");
    if (Combo_Type->ItemIndex() < 0) return RefuseInput(Combo_Type, "Please choose trunk type.");
    Guard(TrunkRequest, [&] {
        const int master = TypedMasterPort();
        if (AnyRowHas(MasterPortColumn, std::to_string(master), true))
            return RefuseInput(UnitEdit, "The master port must be different!");
        if (!MasterPortTicked(master)) return;
        ED_MasterPort->SetText(std::to_string(master));
        if (!MembersFit()) return;
        WriteRowStatus(*TrunkRequest, Combo_State, RowCreateAndGo);
    });
}

void TPortTrunkForm::SetBtnClick(TObject*) {
    if (ED_Index->Text().empty()) return RefuseInput(ED_Index, "Please select trunk group.");
    if (UnitEdit->Text().empty()) return RefuseInput(UnitEdit, "The Unit should not be empty.");
    if (PortEdit->Text().empty()) return RefuseInput(PortEdit, "The Port should not be empty.");
    Guard(TrunkRequest, [&] {
        if (const int entry = ComboBox1->ItemIndex(); entry >= 0 && entry < 2)
            SelectRowStatus(*TrunkRequest, Combo_State, TrunkStateOfStatusEntry[entry]);
        const int master = TypedMasterPort();
        if (!MasterPortTicked(master)) return;
        ED_MasterPort->SetText(std::to_string(master));
        if (!MembersFit()) return;
        WriteShownRowStatus(*TrunkRequest, Combo_State);  // read again: no row shown then
    });
}

void TPortTrunkForm::BT_DeleteClick(TObject*) {
    if (ED_Index->Text().empty()) return RefuseInput(ED_Index, "Please select trunk group.");
    // Only the type and the state go out: the index stays the row's instance.
    // Every column is read again, after a refused delete too.
    WriteThenRead(
        TrunkRequest,
        [&] {
            VxItemsLeftOut out(*TrunkRequest);
            out.LeaveOutBetween(NameItem, FloodingItem);
            SelectRowStatus(*TrunkRequest, Combo_State, RowDestroy);
            TrunkRequest->SetValues(false, true);
        },
        [&] { BT_GetClick(nullptr); }, true);
}
