#include "features/SummerTimeConfigForm.h"

#include <cctype>
#include <cstdio>

#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"

TSummerTimeConfigForm* SummerTimeConfigForm = nullptr;

// ---- the time strings ------------------------------------------------------------------

namespace SummerTime {

namespace {

int HexDigit(char c, const std::string& text) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    if (lower >= '0' && lower <= '9') return lower - '0';
    throw EConvertError("'" + text + "' is not a valid integer value");
}

// The pair at 1-based text position `at`.
int PairAt(const std::string& text, size_t at) { return HexPairToInt(text.size() >= at ? text.substr(at - 1, 2) : ""); }

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Hex2(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// "Last" week in a start (00) or an end (FF).
const char* LastWeekText(Edge edge, bool forComposing) {
    if (edge == Edge::Start) return "00";
    return forComposing ? "ff" : "FF";
}

}  // namespace

int HexPairToInt(const std::string& text) {
    if (text.size() < 2) throw EConvertError("'" + text + "' is not a valid integer value");
    return HexDigit(text[0], text) * 16 + HexDigit(text[1], text);
}

AnnualPositions AnnualFromText(const std::string& text) {
    return {PairAt(text, 1) - 1, PairAt(text, 3) - 1, PairAt(text, 5), PairAt(text, 7)};
}

std::string AnnualText(const AnnualPositions& p) { return Hex2(p[0] + 1) + Hex2(p[1] + 1) + Hex2(p[2]) + Hex2(p[3]); }

RepeatingPositions RepeatingFromText(const std::string& text, Edge edge) {
    const std::string week = Upper(text.substr(0, 2));
    const int weekPosition = week == LastWeekText(edge, false) ? LastWeek : PairAt(text, 1) - 1;
    // Octets 2 (pair 3) is always 00.
    return {weekPosition, PairAt(text, 5) - 1, PairAt(text, 7) - 1, PairAt(text, 9), PairAt(text, 11)};
}

std::string RepeatingText(const RepeatingPositions& p, Edge edge) {
    const std::string week = p[0] == LastWeek ? LastWeekText(edge, true) : Hex2(p[0] + 1);
    return week + "00" + Hex2(p[1] + 1) + Hex2(p[2] + 1) + Hex2(p[3]) + Hex2(p[4]);
}

}  // namespace SummerTime

// ---- the dialog -------------------------------------------------------------------------

using namespace SummerTime;

namespace {

// Items of the state table.
enum : int { StateItem, OffsetItem };
// Items of the two time tables.
enum : int { StartItem, EndItem };

// How long a step waits for the agent's answer before it goes on.
constexpr int AnswerWaitMs = 60000;

constexpr const char* Weeks = "First\nSecond\nThird\nFourth\nLast";
constexpr const char* WeekDays = "Sunday\nMonday\nTuesday\nWednesday\nThursday\nFriday\nSaturday\n";
constexpr const char* DropList = "Style=csDropDownList; DropDownCount=12";

// Columns of the two time groups, and their rows.
constexpr int Col0 = 10, Col1 = 92, Col2 = 192, Col3 = 262, Col4 = 332, ComboW = 62;
constexpr int LabelY = 20, ComboY = 38;

// One group's combos and labels, "E" in front for the end.
#define KX_TIME_GROUP(Group, E, WeekLabel, DayOfWeekLabel, DayLabel, DayOfWeekCaption, DayOfWeekCombo)              \
    {.Class = "TLabel", .Name = WeekLabel, .Parent = Group, .Bounds = {Col0, LabelY, 0, 0}, .Caption = "Week"},          \
    {.Class = "TLabel", .Name = DayOfWeekLabel, .Parent = Group, .Bounds = {Col1, LabelY, 0, 0},                         \
     .Caption = DayOfWeekCaption},                                                                                    \
    {.Class = "TLabel", .Name = DayLabel, .Parent = Group, .Bounds = {Col1, LabelY, 0, 0}, .Caption = "Day",             \
     .Visible = false},                                                                                               \
    {.Class = "TLabel", .Name = E "MonthLabel", .Parent = Group, .Bounds = {Col2, LabelY, 0, 0}, .Caption = "Month"},    \
    {.Class = "TLabel", .Name = E "HourLabel", .Parent = Group, .Bounds = {Col3, LabelY, 0, 0}, .Caption = "Hour"},      \
    {.Class = "TLabel", .Name = E "MinuteLabel", .Parent = Group, .Bounds = {Col4, LabelY, 0, 0}, .Caption = "Minute"},  \
    {.Class = "TComboBox", .Name = E "DayComboBox", .Parent = Group, .Bounds = {Col1, ComboY, 90, 21},                   \
     .Visible = false, .Props = DropList},                                                                            \
    {.Class = "TComboBox", .Name = E "MonthComboBox", .Parent = Group, .Bounds = {Col2, ComboY, ComboW, 21},             \
     .Visible = false, .Props = DropList},                                                                            \
    {.Class = "TComboBox", .Name = E "HourComboBox", .Parent = Group, .Bounds = {Col3, ComboY, ComboW, 21},              \
     .Visible = false, .Props = DropList},                                                                            \
    {.Class = "TComboBox", .Name = E "MiniuteComboBox", .Parent = Group, .Bounds = {Col4, ComboY, ComboW, 21},           \
     .Visible = false, .Props = DropList},                                                                            \
    {.Class = "TComboBox", .Name = E "WeekComboBoxR", .Parent = Group, .Bounds = {Col0, ComboY, 76, 21}, .TabOrder = 0,  \
     .Items = Weeks, .Props = DropList},                                                                              \
    {.Class = "TComboBox", .Name = DayOfWeekCombo, .Parent = Group, .Bounds = {Col1, ComboY, 94, 21},              \
     .TabOrder = 1, .Items = WeekDays, .Props = "DropDownCount=8"},                                                   \
    {.Class = "TComboBox", .Name = E "MonthComboBoxR", .Parent = Group, .Bounds = {Col2, ComboY, ComboW, 21},            \
     .TabOrder = 2, .Props = DropList},                                                                               \
    {.Class = "TComboBox", .Name = E "HourComboBoxR", .Parent = Group, .Bounds = {Col3, ComboY, ComboW, 21},             \
     .TabOrder = 3, .Props = DropList},                                                                               \
    {.Class = "TComboBox", .Name = E "MiniuteComboBoxR", .Parent = Group, .Bounds = {Col4, ComboY, ComboW, 21},          \
     .TabOrder = 4, .Props = DropList}

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {12, 16, 0, 0}, .Caption = "State"},
    {.Class = "TComboBox", .Name = "ComboBox1", .Bounds = {60, 12, 110, 21}, .TabOrder = 0,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {200, 16, 0, 0}, .Caption = "Offset (minutes)"},
    {.Class = "TComboBox", .Name = "OffSetTimeComboBox", .Bounds = {302, 12, 80, 21}, .TabOrder = 1,
     .Items = "30\n60\n90\n120", .Props = "Style=csDropDownList"},
    {.Class = "TEdit", .Name = "Edit1", .Bounds = {400, 12, 40, 21}, .Visible = false},
    {.Class = "TEdit", .Name = "AnualTimeStartEdit", .Bounds = {400, 12, 40, 21}, .Visible = false},
    {.Class = "TEdit", .Name = "AnualTimeEndEdit", .Bounds = {400, 12, 40, 21}, .Visible = false},
    {.Class = "TEdit", .Name = "Edit2", .Bounds = {400, 12, 40, 21}, .Visible = false},
    {.Class = "TEdit", .Name = "Edit3", .Bounds = {400, 12, 40, 21}, .Visible = false},
    {.Class = "TGroupBox", .Name = "GroupBox1", .Bounds = {8, 44, 406, 72}, .Caption = "From", .TabOrder = 2},
    {.Class = "TGroupBox", .Name = "GroupBox2", .Bounds = {8, 124, 406, 72}, .Caption = "To", .TabOrder = 3},
    KX_TIME_GROUP("GroupBox1", "", "Label13", "Label11", "Label15", "Day of Week", "SWeekComboBox"),
    KX_TIME_GROUP("GroupBox2", "E", "Label14", "Label12", "Label16", "Day Of Week", "EWeekComboBox"),
    {.Class = "TButton", .Name = "GetBtn", .Bounds = {258, 206, 75, 25}, .Caption = "Refresh", .TabOrder = 4},
    {.Class = "TButton", .Name = "SetBtn", .Bounds = {339, 206, 75, 25}, .Caption = "Set", .TabOrder = 5},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 240, 406, 72}, .TabOrder = 6,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

#undef KX_TIME_GROUP

constexpr FormLayout kLayout{.Name = "SummerTimeConfigForm", .Caption = "Summer Time Configuration ",
                             .ClientWidth = 422, .ClientHeight = 320, .BorderStyle = bsDialog,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::WidthHeight,
                             .Controls = kControls};

void FillNumbers(std::initializer_list<TComboBox*> combos, int first, int last) {
    for (TComboBox* combo : combos)
        for (int n = first; n <= last; ++n) combo->Items()->Add(std::to_string(n));
}

template <size_t N>
void Select(const std::array<TComboBox*, N>& combos, const std::array<int, N>& positions) {
    for (size_t k = 0; k < N; ++k) combos[k]->SetItemIndex(positions[k]);
}

// The entry a combo's text names (an editable combo may hold a text typed
// over its last selection); -1 for none.
int PositionOf(const TComboBox* combo) { return combo->Items()->IndexOf(combo->Text()); }

template <size_t N>
std::array<int, N> PositionsOf(const std::array<TComboBox*, N>& combos) {
    std::array<int, N> positions{};
    for (size_t k = 0; k < N; ++k) positions[k] = PositionOf(combos[k]);
    return positions;
}

void WaitForAnswer(VxSNMPRequest2Edits* controller) {
    if (controller) controller->WaitWhileBusy(AnswerWaitMs);
}

// A combo holds a choice of its list (not a typed text that is none, nor
// the empty entry).
bool Chosen(const TComboBox* combo) { return PositionOf(combo) >= 0 && !combo->Text().empty(); }

}  // namespace

TSummerTimeConfigForm::TSummerTimeConfigForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ComboBox1);
    KX_BIND(Edit1);
    KX_BIND(OffSetTimeComboBox);
    KX_BIND(AnualTimeStartEdit);
    KX_BIND(AnualTimeEndEdit);
    KX_BIND(Edit2);
    KX_BIND(Edit3);
    KX_BIND(GroupBox1);
    KX_BIND(GroupBox2);
    KX_BIND(DayComboBox);
    KX_BIND(MonthComboBox);
    KX_BIND(HourComboBox);
    KX_BIND(MiniuteComboBox);
    KX_BIND(WeekComboBoxR);
    KX_BIND(SWeekComboBox);
    KX_BIND(MonthComboBoxR);
    KX_BIND(HourComboBoxR);
    KX_BIND(MiniuteComboBoxR);
    KX_BIND(EDayComboBox);
    KX_BIND(EMonthComboBox);
    KX_BIND(EHourComboBox);
    KX_BIND(EMiniuteComboBox);
    KX_BIND(EWeekComboBoxR);
    KX_BIND(EWeekComboBox);
    KX_BIND(EMonthComboBoxR);
    KX_BIND(EHourComboBoxR);
    KX_BIND(EMiniuteComboBoxR);
    KX_BIND(Label13);
    KX_BIND(Label11);
    KX_BIND(Label14);
    KX_BIND(Label12);
    KX_BIND(Label15);
    KX_BIND(Label16);
    KX_BIND(Memo1);
    KX_BIND(GetBtn);
    KX_BIND(SetBtn);
    GetBtn->OnClick = TNotifyEvent(this, &TSummerTimeConfigForm::GetBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TSummerTimeConfigForm::SetBtnClick);
    ComboBox1->OnChange = TNotifyEvent(this, &TSummerTimeConfigForm::ComboBox1Change);
    Edit1->OnChange = TNotifyEvent(this, &TSummerTimeConfigForm::Edit1Change);
    OnCreate = TNotifyEvent(this, &TSummerTimeConfigForm::FormCreate);
    DoCreate();
}

std::array<TComboBox*, 4> TSummerTimeConfigForm::AnnualStart() const {
    return {DayComboBox, MonthComboBox, HourComboBox, MiniuteComboBox};
}
std::array<TComboBox*, 4> TSummerTimeConfigForm::AnnualEnd() const {
    return {EDayComboBox, EMonthComboBox, EHourComboBox, EMiniuteComboBox};
}
std::array<TComboBox*, 5> TSummerTimeConfigForm::RepeatingStart() const {
    return {WeekComboBoxR, SWeekComboBox, MonthComboBoxR, HourComboBoxR, MiniuteComboBoxR};
}
std::array<TComboBox*, 5> TSummerTimeConfigForm::RepeatingEnd() const {
    return {EWeekComboBoxR, EWeekComboBox, EMonthComboBoxR, EHourComboBoxR, EMiniuteComboBoxR};
}

// ---- showing --------------------------------------------------------------------------

void TSummerTimeConfigForm::ShowAnnualControls(bool visible) {
    for (const auto& group : {AnnualStart(), AnnualEnd()})
        for (TComboBox* combo : group) {
            combo->SetVisible(visible);
            combo->SetEnabled(visible);
        }
    Label15->SetVisible(visible);
    Label16->SetVisible(visible);
}

void TSummerTimeConfigForm::ShowRepeatingControls(bool visible) {
    for (const auto& group : {RepeatingStart(), RepeatingEnd()})
        for (TComboBox* combo : group) {
            combo->SetVisible(visible);
            combo->SetEnabled(visible);
        }
    for (TLabel* label : {Label13, Label14, Label11, Label12}) label->SetVisible(visible);
}

void TSummerTimeConfigForm::EnableTimeControls(bool enabled) {
    for (const auto& group : {AnnualStart(), AnnualEnd()})
        for (TComboBox* combo : group) combo->SetEnabled(enabled);
    for (const auto& group : {RepeatingStart(), RepeatingEnd()})
        for (TComboBox* combo : group) combo->SetEnabled(enabled);
}

// Both strings are taken apart before any combo changes, so a malformed
// one changes nothing.
void TSummerTimeConfigForm::ShowAnnualFields() {
    const AnnualPositions start = AnnualFromText(AnualTimeStartEdit->Text());
    const AnnualPositions end = AnnualFromText(AnualTimeEndEdit->Text());
    Select(AnnualStart(), start);
    Select(AnnualEnd(), end);
}

void TSummerTimeConfigForm::ShowRepeatingFields() {
    const RepeatingPositions start = RepeatingFromText(Edit2->Text(), Edge::Start);
    const RepeatingPositions end = RepeatingFromText(Edit3->Text(), Edge::End);
    Select(RepeatingStart(), start);
    Select(RepeatingEnd(), end);
}

// ---- reading ----------------------------------------------------------------------------

void TSummerTimeConfigForm::FillTimeCombos() {
    FillNumbers({MonthComboBox, EMonthComboBox, MonthComboBoxR, EMonthComboBoxR}, 1, 12);
    FillNumbers({DayComboBox, EDayComboBox}, 1, 31);
    FillNumbers({HourComboBox, EHourComboBox, HourComboBoxR, EHourComboBoxR}, 0, 23);
    FillNumbers({MiniuteComboBox, EMiniuteComboBox, MiniuteComboBoxR, EMiniuteComboBoxR}, 0, 59);
}

void TSummerTimeConfigForm::FormCreate(TObject*) {
    FillTimeCombos();
    OpenController(StateEdits, {.Items = SwSummerTimeItems,
                                .Bind = [this](VxSNMPRequest2Edits& c) {
                                    c.BindComboBox(StateItem, ComboBox1);
                                    c.BindFormatted(OffsetItem, "%s", Edit1);
                                }});
    // The time strings are read only for the state that uses them. Their
    // controllers report to no memo: a failure comes up in a message box.
    for (auto [field, items] : {std::pair{&AnnualEdits, SwAnnualSummerTimeItems},
                                std::pair{&RepeatEdits, SwRepeatSummerTimeItems}}) {
        const bool annual = field == &AnnualEdits;
        OpenController(*field, {.Items = items,
                                .Bind =
                                    [&](VxSNMPRequest2Edits& c) {
                                        c.SetMsgCtrl(static_cast<TMemo*>(nullptr));
                                        c.BindFormatted(StartItem, "%h", annual ? AnualTimeStartEdit : Edit2);
                                        c.BindFormatted(EndItem, "%h", annual ? AnualTimeEndEdit : Edit3);
                                    },
                                .FirstRead = false});
    }
    Guard(StateEdits, [&] {
        WaitForAnswer(StateEdits);
        ReadTimesOfState(true);
    });
}

void TSummerTimeConfigForm::ReadAnnual() {
    if (!AnnualEdits) return;
    AnnualEdits->Refresh();
    WaitForAnswer(AnnualEdits);
    ShowRepeatingControls(false);
    ShowAnnualControls(true);
    ShowAnnualFields();
}

void TSummerTimeConfigForm::ReadRepeating() {
    if (!RepeatEdits) return;
    RepeatEdits->Refresh();
    WaitForAnswer(RepeatEdits);
    ShowRepeatingControls(true);
    ShowAnnualControls(false);
    ShowRepeatingFields();
}

void TSummerTimeConfigForm::ReadTimesOfState(bool disable) {
    const std::string state = ComboBox1->Text();
    if (state == "annual") ReadAnnual();
    else if (state == "repeating") ReadRepeating();
    else if (state == "disable" && disable) EnableTimeControls(false);
}

void TSummerTimeConfigForm::GetBtnClick(TObject*) {
    Guard(StateEdits, [&] {
        StateEdits->Refresh();
        WaitForAnswer(StateEdits);
        // A time string that cannot be taken apart leaves the combos as
        // they were.
        try {
            ReadTimesOfState(false);
        } catch (const std::exception&) {
        }
    });
}

void TSummerTimeConfigForm::ComboBox1Change(TObject*) {
    const std::string state = ComboBox1->Text();
    if (state == "annual") {
        ShowRepeatingControls(false);
        ShowAnnualControls(true);
    } else if (state == "repeating") {
        ShowRepeatingControls(true);
        ShowAnnualControls(false);
    } else if (state == "disable") {
        EnableTimeControls(false);
    }
}

void TSummerTimeConfigForm::Edit1Change(TObject*) {
    const std::string offset = Edit1->Text();
    const int position = offset == "30" ? 0 : offset == "60" ? 1 : offset == "90" ? 2 : offset == "120" ? 3 : -1;
    if (position >= 0) OffSetTimeComboBox->SetItemIndex(position);
}

// ---- writing ----------------------------------------------------------------------------

TComboBox* TSummerTimeConfigForm::FirstUnchosen(const std::string& state) const {
    std::vector<TComboBox*> group;
    if (state == "annual")
        for (const auto& half : {AnnualStart(), AnnualEnd()}) group.insert(group.end(), half.begin(), half.end());
    if (state == "repeating")
        for (const auto& half : {RepeatingStart(), RepeatingEnd()}) group.insert(group.end(), half.begin(), half.end());
    for (TComboBox* combo : group)
        if (!Chosen(combo)) return combo;
    return nullptr;
}

// Everything is checked before anything is sent: no state the switch would
// take as "disable", no offset of 0, no time string left empty or half
// composed.
void TSummerTimeConfigForm::SetBtnClick(TObject*) {
    if (!Chosen(ComboBox1)) return RefuseInput(ComboBox1, "Choose the state first.");
    if (!Chosen(OffSetTimeComboBox)) return RefuseInput(OffSetTimeComboBox, "Choose the offset first.");
    const std::string state = ComboBox1->Text();
    if (TComboBox* unchosen = FirstUnchosen(state))
        return RefuseInput(unchosen, "Choose every field of the start and end time first.");
    Guard(StateEdits, [&] {
        Edit1->SetText(OffSetTimeComboBox->Text());
        StateEdits->SetValues(true, true);
        WaitForAnswer(StateEdits);
        // The times belong to the state: once the switch has refused the
        // state (its message is in the memo), they are not sent.
        if (!StateEdits || !StateEdits->LastWriteTaken()) return;
        if (state == "annual" && AnnualEdits) {
            AnualTimeStartEdit->SetText(AnnualText(PositionsOf(AnnualStart())));
            AnualTimeEndEdit->SetText(AnnualText(PositionsOf(AnnualEnd())));
            AnnualEdits->SetValues(true, true);
        } else if (state == "repeating" && RepeatEdits) {
            Edit2->SetText(RepeatingText(PositionsOf(RepeatingStart()), Edge::Start));
            Edit3->SetText(RepeatingText(PositionsOf(RepeatingEnd()), Edge::End));
            RepeatEdits->SetValues(true, true);
        }
    });
}
