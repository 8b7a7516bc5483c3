#include "features/MethodListForm.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/VxItemsLeftOut.h"
#include "platform/Layout.h"

namespace {

enum : int { NameItem = 0, RowStatusItem = 9 };
enum : int { RowActive, RowCreate, RowDestroyPosition };  // row-status combo positions

constexpr LayoutPanel kPanels[] = {{"", 50}};

const char* const OrderQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

// The control that shows an item in the edit panel.
const char* ControlOf(const MethodListLook& look, int item) {
    if (item == NameItem) return look.NameEdit;
    if (item == RowStatusItem) return "RowComboBox";
    const size_t method = static_cast<size_t>((item - 1) / 2);
    return item % 2 ? look.TypeCombos[method] : look.ServerGroupEdits[method];
}

struct BuiltLayout {
    std::vector<std::string> Names;
    std::vector<LayoutControl> Controls;
    FormLayout Layout;
};

std::unique_ptr<BuiltLayout> BuildLayout(const MethodListLook& look) {
    auto built = std::make_unique<BuiltLayout>();
    built->Names.reserve(10);
    auto& c = built->Controls;
    const int list = 211;
    c.push_back({.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels});
    c.push_back({.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {0, 0, look.ButtonPanelWidth, 0}, .Align = alRight,
                 .Props = "BevelOuter=bvNone"});
    c.push_back({.Class = "TStaticText", .Name = "StaticText1", .Parent = "ButtonPanel",
                 .Bounds = {(look.ButtonPanelWidth - 58) / 2, 12, 58, 17}, .Caption = "0",
                 .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"});
    const char* buttons[][2] = {{"GetButton", "Refresh"}, {"EditButton", "Edit"}, {"AddButton", "Add"},
                                {"DeleteButton", "Delete"}};
    for (int k = 0; k < 4; ++k)
        c.push_back({.Class = "TButton", .Name = buttons[k][0], .Parent = "ButtonPanel",
                     .Bounds = {(look.ButtonPanelWidth - 75) / 2, 40 + 32 * k, 75, 25}, .Caption = buttons[k][1],
                     .TabOrder = k});
    c.push_back({.Class = "TSplitter", .Name = "Splitter2", .Bounds = {0, 0, 3, 0}, .Align = alRight});
    c.push_back({.Class = "TPanel", .Name = "LeftPanel", .Align = alClient, .Props = "BevelOuter=bvNone"});
    c.push_back({.Class = "TPanel", .Name = "EditPanel", .Parent = "LeftPanel", .Bounds = {0, 0, 0, look.EditPanelHeight},
                 .Align = look.ListAboveEdits ? alClient : alBottom, .Props = "BevelOuter=bvLowered"});
    c.push_back({.Class = "TSplitter", .Name = "Splitter1", .Parent = "LeftPanel", .Bounds = {0, 0, 0, 3},
                 .Align = look.ListAboveEdits ? alTop : alBottom});
    c.push_back({.Class = "TListView", .Name = "ListView1", .Parent = "LeftPanel", .Bounds = {0, 0, 0, list},
                 .Align = look.ListAboveEdits ? alTop : alClient,
                 .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"});
    // Two columns of label and control share the width beside the buttons.
    const int leftWidth = look.ClientWidth - look.ButtonPanelWidth - 3;
    const int labelWidth = std::min(150, leftWidth / 2 - look.ControlWidth - 16);
    const int columnWidth = labelWidth + look.ControlWidth + 12;
    for (int item = 0; item < 10; ++item) {
        const int x = 8 + (item / 5) * columnWidth;
        const int y = 10 + (item % 5) * 29;
        built->Names.push_back("Label" + std::to_string(item + 1));
        c.push_back({.Class = "TLabel", .Name = built->Names.back().c_str(), .Parent = "EditPanel",
                     .Bounds = {x, y + 3, labelWidth, 0}, .Caption = look.Labels[static_cast<size_t>(item)]});
        const bool edit = item % 2 == 0 && item != RowStatusItem;
        c.push_back({.Class = edit ? "TEdit" : "TComboBox", .Name = ControlOf(look, item), .Parent = "EditPanel",
                     .Bounds = {x + labelWidth + 4, y, look.ControlWidth, 21}, .TabOrder = item,
                     .Props = edit ? "MaxLength=15" : "Style=csDropDownList"});
    }
    built->Layout = FormLayout{.Name = look.Name, .Caption = look.Caption, .ClientWidth = look.ClientWidth,
                               .ClientHeight = look.ClientHeight, .BorderStyle = bsSizeable,
                               .Position = poScreenCenter, .Controls = c};
    return built;
}

}  // namespace

const FormLayout& MethodListLayout(const MethodListLook& look) {
    // One layout per look, built once, kept for the program's life.
    static std::vector<std::pair<const MethodListLook*, std::unique_ptr<BuiltLayout>>> layouts;
    for (auto& [key, built] : layouts)
        if (key == &look) return built->Layout;
    layouts.emplace_back(&look, BuildLayout(look));
    return layouts.back().second->Layout;
}

TMethodListForm::TMethodListForm(TComponent* owner, const MethodListLook& look)
    : TDialogFrame(owner, MethodListLayout(look)), Look(look) {
    KX_BIND(ListView1);
    KX_BIND(StaticText1);
    KX_BIND(GetButton);
    KX_BIND(EditButton);
    KX_BIND(AddButton);
    KX_BIND(DeleteButton);
    KX_BIND(RowComboBox);
    KX_BIND(StatusBar1);
    BindChild(this, ListName, look.NameEdit);
    for (size_t n = 0; n < 4; ++n) {
        BindChild(this, TypeCombos[n], look.TypeCombos[n]);
        BindChild(this, ServerGroupEdits[n], look.ServerGroupEdits[n]);
    }
    ButtonReporting = Reporting::StatusPanel;
    GetButton->OnClick = TNotifyEvent(this, &TMethodListForm::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TMethodListForm::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TMethodListForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TMethodListForm::DeleteButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &TMethodListForm::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TMethodListForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TMethodListForm::FormCreate);
    FitLabelColumns();
    DoCreate();
}

// The two columns of labels and controls take the width of their widest
// label in the desktop's font (the layout's label width is only a first
// guess), so that every label shows whole beside its control and both
// columns stay within the edit panel.
void TMethodListForm::FitLabelColumns() {
    int x = FindChild<TLabel>(this, "Label1")->Left();
    for (int first : {0, 5}) {
        int labelWidth = 0;
        for (int item = first; item < first + 5; ++item)
            labelWidth = std::max(labelWidth, FindChild<TLabel>(this, "Label" + std::to_string(item + 1))->Width());
        for (int item = first; item < first + 5; ++item) {
            FindChild<TLabel>(this, "Label" + std::to_string(item + 1))->SetLeft(x);
            FindChild<TControl>(this, ControlOf(Look, item))->SetLeft(x + labelWidth + 4);
        }
        x += labelWidth + 4 + Look.ControlWidth + 12;
    }
}

void TMethodListForm::FormCreate(TObject*) {
    OpenController(MethodRequest,
                   {.Items = Look.Items,
                    .Kind = MVT_UMV,
                    .IndexCount = 1,
                    .Bind =
                        [this](VxSNMPRequest2Edits& c) {
                            c.BindListView(ListView1, 1);
                            c.BindFormatted(NameItem, "%s{l15}", ListName);
                            for (size_t n = 0; n < 4; ++n) {
                                c.BindComboBox(static_cast<int>(2 * n + 1), TypeCombos[n]);
                                c.BindFormatted(static_cast<int>(2 * n + 2), "%s{l15}", ServerGroupEdits[n]);
                            }
                            c.BindComboBox(RowStatusItem, RowComboBox);
                            ClearEdits();
                            RowComboBox->SetItemIndex(RowCreate);
                            ShowSelectionState(false);
                        },
                    .Blocking = true});
}

void TMethodListForm::ShowSelectionState(bool selected) {
    EditButton->SetEnabled(selected);
    DeleteButton->SetEnabled(selected);
    ListName->SetEnabled(!selected);
    AddButton->SetEnabled(!selected);
}

void TMethodListForm::ClearEdits() {
    ListName->SetText("");
    for (TEdit* edit : ServerGroupEdits) edit->SetText("");
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
}

void TMethodListForm::ListView1Click(TObject*) { ShowSelectionState(ListView1->Selected() != nullptr); }

void TMethodListForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    StaticText1->SetCaption(std::to_string(ListView1->Items()->Count()));
}

void TMethodListForm::EndWrite() {
    ShowSelectionState(false);
    ClearEdits();
}

void TMethodListForm::GetButtonClick(TObject*) {
    Guard(MethodRequest, [&] { MethodRequest->Refresh(); });
    EndWrite();
}

MethodSnapshot TMethodListForm::Snapshot() const {
    MethodSnapshot methods;
    for (size_t n = 0; n < 4; ++n) methods[n] = {TypeCombos[n]->Text(), TypeCombos[n]->ItemIndex()};
    return methods;
}

bool TMethodListForm::CheckMethodOrder() {
    MethodPositions = ::MethodPositions(Snapshot());
    return MethodOrderHolds(MethodPositions);
}

bool TMethodListForm::AcceptMethodOrder(bool& dropIneffective) {
    dropIneffective = false;
    if (CheckMethodOrder()) return true;
    if (Application->MessageBox(OrderQuestion, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        return false;
    dropIneffective = true;
    return true;
}

void TMethodListForm::WriteMethods(bool leaveOutRowStatus, bool dropIneffective) {
    const MethodSnapshot methods = Snapshot();
    Guard(MethodRequest, [&] {
        VxItemsLeftOut out(*MethodRequest);
        for (int item : MethodItemsLeftOut(methods, dropIneffective)) out.LeaveOut(item);
        if (leaveOutRowStatus) out.LeaveOut(RowStatusItem);
        out.Write(false);
    });
    EndWrite();
}

void TMethodListForm::DeleteRow() {
    Guard(MethodRequest, [&] {
        VxItemsLeftOut out(*MethodRequest);
        out.LeaveOutBetween(2, 8);
        RowComboBox->SetItemIndex(RowDestroyPosition);
        out.Write(false);
    });
    EndWrite();
}

void TMethodListForm::EditButtonClick(TObject*) {
    if (ListName->Text().empty()) return RefuseInput(nullptr, Look.MissingName);
    if (RowComboBox->ItemIndex() == RowDestroyPosition) return DeleteRow();
    bool dropIneffective = false;
    if (!AcceptMethodOrder(dropIneffective)) return;
    WriteMethods(true, dropIneffective);
}

void TMethodListForm::AddButtonClick(TObject*) {
    const std::string name = ListName->Text();
    if (name.empty()) return RefuseInput(ListName, Look.MissingName);
    for (int i = 0; i < ListView1->Items()->Count(); ++i)
        if (ListView1->Items()->Item(i)->Caption() == name) return RefuseInput(ListName, Look.DuplicateName);
    if (RowComboBox->ItemIndex() != RowCreate) return RefuseInput(RowComboBox, "Row State must be createAndGo.");
    bool dropIneffective = false;
    if (!AcceptMethodOrder(dropIneffective)) return;
    WriteMethods(false, dropIneffective);
}

void TMethodListForm::DeleteButtonClick(TObject*) { DeleteRow(); }
