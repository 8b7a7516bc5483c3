#include "features/AggregatorPortTableForm.h"

#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

// The four state items, one page each, in page order.
constexpr int FirstStateItem = 19;
constexpr int StatePages = 4;
constexpr int BitsPerState = 8;
const char* const StateBitPositions = "0,1,2,3,4,5,6,7";

#define KX_STATE_BITS "lacpActivity\nlacpTimeout\naggregation\nsynchronisation\ncollecting\ndistributing\ndefaulted\nexpired"
#define KX_STATE_PAGE(sheet, caption, first)                                                                   \
    {.Class = "TTabSheet", .Name = sheet, .Parent = "PageControl1", .Caption = caption},                      \
    {.Class = "TCheckBox", .Name = "CheckBox", .Parent = sheet, .Bounds = {16, 10, 160, 17}, \
     .Caption = KX_STATE_BITS, .Repeat = {.Count = 8, .First = first, .Columns = 2, .StepX = 200, .StepY = 22}}

constexpr LayoutControl kControls[] = {
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {560, 0, 96, 470}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TLabel", .Name = "LB_Samples", .Parent = "ButtonPanel", .Bounds = {10, 12, 0, 0},
     .Caption = "Samples"},
    {.Class = "TStaticText", .Name = "StaticText1", .Parent = "ButtonPanel", .Bounds = {10, 30, 75, 20},
     .Caption = "0", .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"},
    {.Class = "TBitBtn", .Name = "GetBtn", .Parent = "ButtonPanel", .Bounds = {10, 62, 75, 25},
     .Caption = "Refresh", .TabOrder = 0},
    {.Class = "TListView", .Name = "ListView1", .Bounds = {0, 0, 560, 210}, .TabOrder = 0, .Align = alTop,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {0, 390, 560, 80}, .TabOrder = 2, .Align = alBottom,
     .Props = "ReadOnly; ScrollBars=ssVertical"},
    {.Class = "TPageControl", .Name = "PageControl1", .Bounds = {0, 210, 560, 180}, .TabOrder = 1,
     .Align = alClient, .Props = "ActivePage=TabSheet1"},
    KX_STATE_PAGE("TabSheet1", "Actor Admin State", 1),
    KX_STATE_PAGE("TabSheet2", "Actor Oper State", 9),
    KX_STATE_PAGE("TabSheet3", "Partner Admin State", 17),
    KX_STATE_PAGE("TabSheet4", "Partner Oper State", 25),
};

#undef KX_STATE_PAGE
#undef KX_STATE_BITS

constexpr FormLayout kLayout{.Name = "AggregatorPortTableForm", .Caption = "Aggregator Port Table",
                             .ClientWidth = 656, .ClientHeight = 470, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(PageControl1);
    KX_BIND(Memo1);
    KX_BIND(StaticText1);
    KX_BIND(GetBtn);
    for (int k = 1; k <= StatePages * BitsPerState; ++k)
        StateBoxes.push_back(FindChild<TCheckBox>(this, "CheckBox" + std::to_string(k)));
    ButtonReporting = Reporting::MemoLine;
    GetBtn->OnClick = TNotifyEvent(this, &TAggregatorPortTableForm::GetBtnClick);
    ListView1->OnChange = TLVChangeEvent(this, &TAggregatorPortTableForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TAggregatorPortTableForm::FormCreate);
    DoCreate();
}

void TAggregatorPortTableForm::FormCreate(TObject*) {
    GetBtn->SetEnabled(false);
    OpenController(AggregatorPortRequest,
                   {.Items = LacpAggPortItems,
                    .Kind = MVT_FMV,
                    .IndexCount = 1,
                    .Bind =
                        [this](VxSNMPRequest2Edits& c) {
                            c.BindListView(ListView1, 1);
                            for (int page = 0; page < StatePages; ++page) {
                                const auto first = StateBoxes.begin() + page * BitsPerState;
                                c.BindValueList(FirstStateItem + page, StateBitPositions,
                                                std::vector<TControl*>(first, first + BitsPerState));
                            }
                        },
                    .OnRefreshDone = TRefreshDoneEvent(this, &TAggregatorPortTableForm::RefreshDone),
                    .CountText = StaticText1});
    // A walk that could not start ends nothing that would enable it.
    if (!AggregatorPortRequest || !AggregatorPortRequest->IsBusy()) GetBtn->SetEnabled(true);
}

void TAggregatorPortTableForm::EnableStateBoxes(bool enabled) {
    for (TCheckBox* box : StateBoxes) box->SetEnabled(enabled);
}

void TAggregatorPortTableForm::RefreshDone(VxSNMPRequest2Controls*, VxSNMPError*) {
    GetBtn->SetEnabled(true);
    EnableStateBoxes(true);
}

void TAggregatorPortTableForm::GetBtnClick(TObject*) {
    GetBtn->SetEnabled(false);
    Guard(AggregatorPortRequest, [&] {
        try {
            AggregatorPortRequest->Refresh();
        } catch (...) {
            GetBtn->SetEnabled(true);
            throw;
        }
    });
    for (TCheckBox* box : StateBoxes) box->SetChecked(false);
}

void TAggregatorPortTableForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    ShowRowCount(StaticText1, AggregatorPortRequest);
}
