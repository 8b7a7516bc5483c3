#include "features/MethodListForm.h"

#include <algorithm>
#include <memory>
#include <string>

#include "dialogbase/RowLayout.h"

namespace {

constexpr LayoutPanel kPanels[] = {{"", 50}};

RowTable MethodListTable(const MethodListLook& look) { return {look.Items, 1, mlRowStatus, look.DuplicateName}; }

std::unique_ptr<BuiltLayout> BuildLayout(const MethodListLook& look) {
    auto built = std::make_unique<BuiltLayout>();
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
    const int right = 8 + labelWidth + look.ControlWidth + 12;
    const auto fields = MethodListFields(look);
    AddFieldRows(*built, fields,
                 {.Parent = "EditPanel", .LabelWidth = labelWidth, .ControlWidth = look.ControlWidth,
                  .RowsPerColumn = 5, .Columns = {{8, 8 + labelWidth + 4}, {right, right + labelWidth + 4}},
                  .EditProps = "MaxLength=15"});
    built->Finish({.Name = look.Name, .Caption = look.Caption, .ClientWidth = look.ClientWidth,
                   .ClientHeight = look.ClientHeight, .BorderStyle = bsSizeable, .Position = poScreenCenter,
                   .LargeFonts = DialogScaling::LeftTopWidthHeight});
    return built;
}

}  // namespace

const FormLayout& MethodListLayout(const MethodListLook& look) { return LayoutBuiltOnce(look, &BuildLayout); }

TMethodListForm::TMethodListForm(TComponent* owner, const MethodListLook& look, std::span<const RowField> fields)
    : TRowEditor(owner, MethodListLayout(look), MethodListTable(look),
                 {.Fields = fields,
                  .Buttons = {"GetButton", "EditButton", "Edit", "AddButton", "DeleteButton"},
                  .CountText = "StaticText1"}),
      Look(look) {
    KX_BIND(StaticText1);
    KX_BIND(GetButton);
    KX_BIND(EditButton);
    KX_BIND(AddButton);
    KX_BIND(DeleteButton);
    KX_BIND(RowComboBox);
    BindChild(this, ListName, look.NameEdit);
    for (size_t n = 0; n < 4; ++n) {
        BindChild(this, TypeCombos[n], look.TypeCombos[n]);
        BindChild(this, ServerGroupEdits[n], look.ServerGroupEdits[n]);
    }
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
            FindChild<TControl>(this, MethodListControl(Look, item))->SetLeft(x + labelWidth + 4);
        }
        x += labelWidth + 4 + Look.ControlWidth + 12;
    }
}

std::optional<RowRefusal> TMethodListForm::CheckWrite(const RowSnapshot& form, RowWrite write) const {
    return CheckMethodList(Rows, Look.MissingName, form, write);
}

RowItems TMethodListForm::LeftOut(const RowSnapshot& form, RowWrite write) const {
    return MethodListLeftOut(form, write);
}

RowWrite TMethodListForm::WriteOfSelected(const RowSnapshot& form) const { return WriteOfKeyedRow(Rows, form); }

bool TMethodListForm::ConfirmWrite(RowSnapshot& form, RowWrite write) {
    if (!MethodOrderWarned(form, write)) return true;
    if (Application->MessageBox(MethodOrderQuestion, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        return false;
    form.WentOnAfterWarning = true;
    return true;
}
