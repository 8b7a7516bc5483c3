#include "features/RouteRedistributForm.h"

#include "common/VxNumbers.h"
#include "features/RouteRedistributionRules.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/Layer3Mib.h"
#include "platform/Layout.h"

TRouteRedistributForm* RouteRedistributForm = nullptr;

namespace {

// Items of the redistribution table.
enum : int { SourceItem, DestinationItem, TypeItem, MetricItem, StatusItem };

// The metric range shown while no protocol pair narrows it.
constexpr const char* WholeMetricRange = "[0..16777214]";

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 452, 150}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TGroupBox", .Name = "GroupBox1", .Bounds = {8, 166, 228, 134}, .Caption = "", .TabOrder = 1},
    {.Class = "TLabel", .Name = "Label1", .Parent = "GroupBox1", .Bounds = {10, 22, 0, 0}, .Caption = "Source Protocol"},
    {.Class = "TComboBox", .Name = "ComboBox1", .Parent = "GroupBox1", .Bounds = {128, 18, 90, 21}, .TabOrder = 0,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label2", .Parent = "GroupBox1", .Bounds = {10, 50, 0, 0},
     .Caption = "Destination Protocol"},
    {.Class = "TComboBox", .Name = "ComboBox2", .Parent = "GroupBox1", .Bounds = {128, 46, 90, 21}, .TabOrder = 1,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label3", .Parent = "GroupBox1", .Bounds = {10, 78, 0, 0}, .Caption = "Metric"},
    {.Class = "TEdit", .Name = "Edit1", .Parent = "GroupBox1", .Bounds = {128, 74, 90, 21}, .TabOrder = 2,
     .Props = "MaxLength=8"},
    {.Class = "TLabel", .Name = "Label5", .Parent = "GroupBox1", .Bounds = {128, 102, 0, 0},
     .Caption = WholeMetricRange},
    {.Class = "TComboBox", .Name = "StComboBox", .Parent = "GroupBox1", .Bounds = {10, 100, 90, 21},
     .Visible = false, .Props = "Style=csDropDownList"},
    {.Class = "TGroupBox", .Name = "GroupBox2", .Bounds = {244, 166, 216, 134}, .Caption = "Type", .TabOrder = 2},
    {.Class = "TRadioButton", .Name = "RadioButton", .Parent = "GroupBox2", .Bounds = {10, 18, 96, 17},
     .Caption = "other\nall\ntype-1\ntype-2\ninternal\nexternal\ninter-E1\ninter-E2\nextType1\nextType2",
     .Repeat = {.Count = 10, .First = 1, .Columns = 2, .StepX = 104, .StepY = 22}},
    {.Class = "TComboBox", .Name = "ComboBox3", .Parent = "GroupBox2", .Bounds = {10, 110, 90, 21},
     .Visible = false, .Props = "Style=csDropDownList"},
    {.Class = "TBitBtn", .Name = "RefreshBtn", .Bounds = {472, 8, 80, 25}, .Caption = "Refresh", .TabOrder = 3,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "EditBtn", .Bounds = {472, 40, 80, 25}, .Caption = "Set", .TabOrder = 4,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "AddBtn", .Bounds = {472, 72, 80, 25}, .Caption = "Add", .TabOrder = 5,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "DeleteBtn", .Bounds = {472, 104, 80, 25}, .Caption = "Delete", .TabOrder = 6,
     .Anchors = akTop | akRight},
    {.Class = "TBitBtn", .Name = "CloseBtn", .Bounds = {472, 136, 80, 25}, .Caption = "Close", .TabOrder = 7,
     .Anchors = akTop | akRight},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 308, 544, 80}, .TabOrder = 8,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "RouteRedistributForm", .Caption = "Route Redistribution Table",
                             .ClientWidth = 560, .ClientHeight = 396, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::WidthHeight,
                             .Controls = kControls};

}  // namespace

TRouteRedistributForm::TRouteRedistributForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Memo1);
    KX_BIND(GroupBox1);
    KX_BIND(ComboBox1);
    KX_BIND(ComboBox2);
    KX_BIND(Edit1);
    KX_BIND(Label5);
    KX_BIND(StComboBox);
    KX_BIND(GroupBox2);
    KX_BIND(ComboBox3);
    KX_BIND(RefreshBtn);
    KX_BIND(EditBtn);
    KX_BIND(AddBtn);
    KX_BIND(DeleteBtn);
    KX_BIND(CloseBtn);
    for (int n = 1; n <= RouteTypeRadioCount; ++n) {
        RadioButtons[n - 1] = FindChild<TRadioButton>(this, "RadioButton" + std::to_string(n));
        RadioButtons[n - 1]->OnClick = TNotifyEvent(this, &TRouteRedistributForm::RadioButton1Click);
    }
    ButtonReporting = Reporting::Silent;
    RefreshBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::RefreshBtnClick);
    EditBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::EditBtnClick);
    AddBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::AddBtnClick);
    DeleteBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::DeleteBtnClick);
    CloseBtn->OnClick = TNotifyEvent(this, &TRouteRedistributForm::CloseBtnClick);
    ListView1->OnClick = TNotifyEvent(this, &TRouteRedistributForm::ListView1Click);
    ComboBox1->OnChange = TNotifyEvent(this, &TRouteRedistributForm::ComboBox1Change);
    ComboBox2->OnChange = TNotifyEvent(this, &TRouteRedistributForm::ComboBox1Change);
    OnCreate = TNotifyEvent(this, &TRouteRedistributForm::FormCreate);
    DoCreate();
}

void TRouteRedistributForm::FormCreate(TObject*) {
    OpenController(RedistEdits, {.Items = RouteRedistributionItems,
                                 .Kind = MVT_UMV,
                                 .IndexCount = 2,
                                 .Bind =
                                     [this](VxSNMPRequest2Edits& c) {
                                         c.BindListView(ListView1, 1);
                                         c.BindComboBox(SourceItem, ComboBox1);
                                         c.BindComboBox(DestinationItem, ComboBox2);
                                         c.BindComboBox(TypeItem, ComboBox3);
                                         c.BindFormatted(MetricItem, "%i{n0x16777214l8a}", Edit1);
                                         c.BindComboBox(StatusItem, StComboBox);
                                     }});
}

void TRouteRedistributForm::RefreshBtnClick(TObject*) {
    Guard(RedistEdits, [&] { RedistEdits->Refresh(); });
}

void TRouteRedistributForm::RadioButton1Click(TObject* sender) {
    for (int n = 1; n <= RouteTypeRadioCount; ++n) {
        if (sender != RadioButtons[n - 1]) continue;
        if (RadioButtons[n - 1]->Checked()) ComboBox3->SetItemIndex(TypePositionOfRadio(n));
        return;
    }
}

void TRouteRedistributForm::ComboBox1Change(TObject*) {
    const auto rule = RedistributionRuleFor(ComboBox2->Text(), ComboBox1->Text());
    if (!rule) return;
    Label5->SetCaption(std::string(rule->RangeText));
    for (int n = 1; n <= RouteTypeRadioCount; ++n) {
        const bool allowed = rule->Radios.test(n);
        RadioButtons[n - 1]->SetEnabled(allowed);
        // A type the pair does not take is no longer chosen.
        if (!allowed && RadioButtons[n - 1]->Checked()) {
            RadioButtons[n - 1]->SetChecked(false);
            ComboBox3->SetItemIndex(-1);
        }
    }
}

void TRouteRedistributForm::ListView1Click(TObject*) {
    DeleteBtn->SetEnabled(ListView1->Selected() != nullptr);
    if (!ListView1->Selected()) return;
    CheckRadioOfShownType();  // the selection has loaded the row's type into the type box
    ComboBox1Change(ListView1);
}

// No row: no type chosen, every type offered, the whole metric range, as
// the editor opens.
void TRouteRedistributForm::NoRowShown(TObject*) {
    for (TRadioButton* radio : RadioButtons) {
        radio->SetChecked(false);
        radio->SetEnabled(true);
    }
    Label5->SetCaption(WholeMetricRange);
}

void TRouteRedistributForm::CheckRadioOfShownType() {
    const std::string typeValue = RouteRedistributionTypeValues.LabelToValue(ComboBox3->Text());
    if (!IsWholeNumber(typeValue)) return;
    const int radio = RadioOfTypeValue(std::stoi(typeValue));
    if (radio >= 1 && radio <= RouteTypeRadioCount) RadioButtons[radio - 1]->SetChecked(true);
}

bool TRouteRedistributForm::AnyTypeChecked() const {
    for (const TRadioButton* radio : RadioButtons)
        if (radio->Checked()) return true;
    return false;
}

bool TRouteRedistributForm::EntryIsAcceptable() {
    const std::string metric = Edit1->Text();
    if (metric.empty() || !IsWholeNumber(metric)) {
        if (Edit1->CanFocus()) SetActiveControl(Edit1);
        return false;
    }
    if (const auto refusal = MetricRefusal(ComboBox2->Text(), std::stoll(metric))) {
        RefuseInput(Edit1, *refusal);
        return false;
    }
    // "other" (no entry of the type box) is no type the table takes, and
    // without both protocols there is no row to name.
    if (ComboBox3->ItemIndex() < 0) {
        Memo1->Lines()->Add(RadioButtons[0]->Checked() ? "Choose a route type other than \"other\": nothing was sent."
                                                       : "Choose a route type: nothing was sent.");
        return false;
    }
    if (ComboBox1->ItemIndex() < 0 || ComboBox2->ItemIndex() < 0) {
        Memo1->Lines()->Add("Choose the source and destination protocols: nothing was sent.");
        return false;
    }
    const std::string typeValue = RouteRedistributionTypeValues.LabelToValue(ComboBox3->Text());
    if (const auto refusal = RouteTypeRefusal(ComboBox2->Text(), ComboBox1->Text(),
                                              IsWholeNumber(typeValue) ? std::stoi(typeValue) : 0, ComboBox3->Text())) {
        RefuseInput(nullptr, *refusal);
        return false;
    }
    return true;
}

void TRouteRedistributForm::ShowSelectedPair() {
    RedistEdits->LoadSelectedRow();
    RedistEdits->ValuesToControls(SourceItem);
    RedistEdits->ValuesToControls(DestinationItem);
    ComboBox1Change(ListView1);
    // Another pair unchecked the row's type, or the one chosen under it is
    // none the row's pair takes: the row's own type is shown again.
    if (AnyTypeChecked()) return;
    RedistEdits->ValuesToControls(TypeItem);
    CheckRadioOfShownType();
}

int TRouteRedistributForm::StatusOfSelectedRow() {
    RedistEdits->LoadSelectedRow();
    const std::string value =
        RouteRedistributionRowStatusValues.LabelToValue(RedistEdits->Request.VarList.GetItem(StatusItem)->Value);
    return value == std::to_string(RowNotInService) ? RowNotInService : RowActive;
}

// Set changes the selected row, whatever pair the protocol boxes were
// turned to meanwhile (a new pair is Add's): they show the row's again, with
// its type where the other pair left none the row takes.
void TRouteRedistributForm::EditBtnClick(TObject*) {
    if (!ListView1->Selected() || !RedistEdits) return RefuseInput(ListView1, "Choose the item first.");
    Guard(RedistEdits, [&] {
        ShowSelectedPair();
        if (!EntryIsAcceptable()) return;
        // Never the createAndGo or destroy an Add or Delete left in the box.
        WriteRowStatus(*RedistEdits, StComboBox, StatusOfSelectedRow());
    });
}

void TRouteRedistributForm::AddBtnClick(TObject*) {
    if (!EntryIsAcceptable()) return;
    Guard(RedistEdits, [&] { WriteRowStatus(*RedistEdits, StComboBox, RowCreateAndGo); });
}

// The row destroyed is the selected one, with the values it was read with.
void TRouteRedistributForm::DeleteBtnClick(TObject*) {
    if (!ListView1->Selected() || !RedistEdits) return RefuseInput(ListView1, "Choose the item first.");
    Guard(RedistEdits, [&] {
        ReloadSelectedRow(*RedistEdits);
        ListView1Click(ListView1);  // its type and the types its pair takes, shown as a click shows them
        WriteRowStatus(*RedistEdits, StComboBox, RowDestroy);
    });
}

void TRouteRedistributForm::CloseBtnClick(TObject*) { Close(); }
