#include "acl/AclEditor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "dialogbase/RowLayout.h"
#include "dialogbase/StackingPortUit.h"
#include "platform/Layout.h"

// ---- the layout -----------------------------------------------------------------------

namespace {

constexpr int RowPitch = 24;
constexpr int ButtonColumnWidth = 96;
constexpr int ProfileListHeight = 120;
constexpr int RuleListHeight = 160;
constexpr int PortPanelHeight = 190;
constexpr int StatusBarHeight = 20;

// Where the parts of one field row stand within its column.
struct RowGeometry {
    int Box;      // the field check box's left; -1 without one
    int Label;
    int LabelWidth;
    int Control;
    int ControlWidth;  // the least; an edit that takes long texts is wider
};
constexpr RowGeometry ProfileRow{-1, 8, 190, 200, 160};
constexpr RowGeometry RuleRow{8, 28, 160, 190, 150};
constexpr int ColumnGap = 10;
// What one more character of hexadecimal digits takes in an edit, and the
// edit's own margins.
constexpr int DigitWidth = 7;
constexpr int EditMargins = 12;

constexpr LayoutPanel StatusPanels[] = {{"", 50}};

int FieldRows(const AclEditorRecord& record) {
    const int rows = static_cast<int>(record.Fields.size());
    return std::max(record.LeftColumnRows, rows - record.LeftColumnRows);
}

// The most characters an edit's format takes ("%s{l32}": 32); 0 for none.
int FormatLength(const char* format) {
    const char* options = format ? std::strchr(format, '{') : nullptr;
    const char* length = options ? std::strchr(options, 'l') : nullptr;
    return length ? std::atoi(length + 1) : 0;
}

// The controls of a column share one width, wide enough for the longest
// text that one of its edits takes (a 16-octet mask is 32 digits).
struct ColumnWidths {
    int Control[2];
    int Column(int side, const RowGeometry& g) const { return g.Control + Control[side] + ColumnGap; }
};

ColumnWidths ColumnWidthsOf(const AclEditorRecord& record, const RowGeometry& g) {
    ColumnWidths widths{{g.ControlWidth, g.ControlWidth}};
    int k = 0;
    for (const RowField& field : record.Fields) {
        const int side = k++ < record.LeftColumnRows ? 0 : 1;
        widths.Control[side] = std::max(widths.Control[side], FormatLength(field.Format) * DigitWidth + EditMargins);
    }
    return widths;
}

void AddButtonColumn(BuiltLayout& built, const AclEditorRecord& record, bool rule) {
    auto& c = built.Controls;
    c.push_back({.Class = "TPanel", .Name = "Panel1", .Bounds = {0, 0, ButtonColumnWidth, 0}, .Align = alRight,
                 .Props = "BevelOuter=bvNone"});
    int top = 8;
    if (rule) {
        c.push_back({.Class = "TStaticText", .Name = "StaticText1", .Parent = "Panel1", .Bounds = {10, top, 75, 21},
                     .Caption = "0", .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"});
        top += 32;
    }
    const RowButtons& b = record.Buttons;
    const std::pair<const char*, const char*> buttons[] = {
        {b.Refresh, "Refresh"}, {b.Write, b.WriteCaption}, {b.Add, "Add"}, {b.Delete, "Delete"},
        {b.CheckAll, "Check All"}, {b.ClearChecks, "Clear Checks"}};
    for (const auto& [name, caption] : buttons) {
        if (!name) continue;
        c.push_back({.Class = "TButton", .Name = name, .Parent = "Panel1", .Bounds = {10, top, 75, 25},
                     .Caption = caption});
        top += 32;
    }
}

std::unique_ptr<BuiltLayout> BuildLayout(const AclEditorRecord& record) {
    const AclTable& table = record.Table;
    auto built = std::make_unique<BuiltLayout>();
    const bool rule = table.IsRule;
    const bool ports = table.PortItem >= 0;
    const RowGeometry& geometry = rule ? RuleRow : ProfileRow;
    const int listHeight = rule ? RuleListHeight : ProfileListHeight;
    const int editHeight = 16 + RowPitch * FieldRows(record);
    auto& c = built->Controls;

    AddButtonColumn(*built, record, rule);
    c.push_back({.Class = "TStatusBar", .Name = "StatusBar1", .Panels = StatusPanels});
    c.push_back({.Class = "TPanel", .Name = "Panel2", .Align = alClient, .Props = "BevelOuter=bvNone"});
    int tabOrder = 0;
    c.push_back({.Class = "TListView", .Name = "ListView1", .Parent = "Panel2", .Bounds = {0, 0, 0, listHeight},
                 .TabOrder = tabOrder++, .Align = alTop,
                 .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"});
    c.push_back({.Class = "TPanel", .Name = "pnlDataEdit", .Parent = "Panel2", .Bounds = {0, listHeight, 0, editHeight},
                 .TabOrder = tabOrder++, .Align = ports ? alTop : alClient, .Props = "BevelOuter=bvNone"});
    const ColumnWidths widths = ColumnWidthsOf(record, geometry);
    const int right = widths.Column(0, geometry);
    tabOrder = AddFieldRows(
        *built, record.Fields,
        {.Parent = "pnlDataEdit", .Top = 8, .Pitch = RowPitch, .LabelWidth = geometry.LabelWidth,
         .RowsPerColumn = record.LeftColumnRows, .FirstTabOrder = tabOrder,
         .Columns = {{geometry.Label, geometry.Control, geometry.Box, widths.Control[0]},
                     {right + geometry.Label, right + geometry.Control, right + geometry.Box, widths.Control[1]}}});
    if (ports) {
        c.push_back({.Class = "TSplitter", .Name = "Splitter1", .Parent = "Panel2",
                     .Bounds = {0, listHeight + editHeight, 0, 3}, .Align = alTop});
        c.push_back({.Class = "TPanel", .Name = "pnlPortList", .Parent = "Panel2",
                     .Bounds = {0, listHeight + editHeight + 3, 0, PortPanelHeight}, .TabOrder = tabOrder++,
                     .Align = alClient, .Props = "BevelOuter=bvNone"});
        c.push_back({.Class = "TGroupBox", .Name = "PortGroupBox", .Parent = "pnlPortList", .Caption = "Port",
                     .Align = alClient});
    }

    const int width = ButtonColumnWidth + widths.Column(0, geometry) + widths.Column(1, geometry) + 8;
    const int height = listHeight + editHeight + (ports ? PortPanelHeight + 3 : 0) + StatusBarHeight;
    built->Finish({.Name = record.Name, .Caption = record.Caption, .ClientWidth = width, .ClientHeight = height,
                   .BorderStyle = bsSizeable, .Position = poMainFormCenter, .LargeFonts = DialogScaling::WidthHeight,
                   .Captioning = record.Captioning});
    return built;
}

}  // namespace

const FormLayout& AclLayoutOf(const AclEditorRecord& record) { return LayoutBuiltOnce(record, &BuildLayout); }

// ---- the editor -------------------------------------------------------------------------

namespace {

// What every row editor needs of an access-control editor's record.
RowEditorRecord RowRecordOf(const AclEditorRecord& record) {
    return {.Fields = record.Fields,
            .Buttons = record.Buttons,
            .CountText = record.Table.IsRule ? "StaticText1" : nullptr,
            .KeysCopiedOnClick = record.CopiesKeysOnClick ? 2 : 0,
            .ClearsAfterRefusal = record.ClearsAfterRefusal};
}

}  // namespace

TAclEditor::TAclEditor(TComponent* owner, const AclEditorRecord& record)
    : TRowEditor(owner, AclLayoutOf(record), record.Table.Rows(), RowRecordOf(record)),
      Table(record.Table),
      Record(record) {
    if (Table.IsRule) KX_BIND(StaticText1);
    if (Table.PortItem >= 0) BindChild(this, PortGroup, "PortGroupBox");
    if (Table.FirstActionItem >= 0)
        static_cast<TComboBox*>(FieldControl(Table.PermitItem))->OnChange =
            TNotifyEvent(this, &TAclEditor::PermitComboBoxChange);
    OnCreate = TNotifyEvent(this, &TAclEditor::FormCreate);
}

TAclEditor::~TAclEditor() = default;

void TAclEditor::FormCreate(TObject* sender) {
    if (PortGroup) AddPortPickers({{&PortPicker, PortGroup}});
    TRowEditor::FormCreate(sender);
}

void TAclEditor::BindFields(VxSNMPRequest2Edits& controller) {
    TRowEditor::BindFields(controller);
    if (PortPicker) BindPortList(controller, Table.PortItem, PortPicker);
}

void TAclEditor::FollowFields() {
    if (Table.FirstActionItem >= 0) PermitComboBoxChange(this);
}

void TAclEditor::ClearEdits() {
    TRowEditor::ClearEdits();
    if (Table.IsRule && !Record.KeepsPortTicks) UncheckPorts({PortPicker});
}

void TAclEditor::PermitComboBoxChange(TObject*) {
    if (Table.FirstActionItem < 0) return;
    const bool deny = static_cast<TComboBox*>(FieldControl(Table.PermitItem))->Text() == "deny";
    for (int item = Table.FirstActionItem; item <= Table.LastActionItem; ++item) {
        if (TWinControl* control = FieldControl(item)) control->SetEnabled(!deny);
        if (TCheckBox* box = FieldBox(item)) {
            box->SetEnabled(!deny);
            if (deny) box->SetChecked(false);
        }
    }
}

RowSnapshot TAclEditor::Snapshot() const {
    RowSnapshot form = TRowEditor::Snapshot();
    if (PortPicker)
        for (int k = 0; k < PortPicker->CheckBoxes.Count() && !form.AnyPortTicked; ++k)
            form.AnyPortTicked = PortPicker->Box(k)->Checked();
    return form;
}

// ---- the table's rules --------------------------------------------------------------------------

std::optional<RowRefusal> TAclEditor::CheckWrite(const RowSnapshot& form, RowWrite write) const {
    return CheckAclWrite(Table, form, write);
}

RowItems TAclEditor::LeftOut(const RowSnapshot& form, RowWrite write) const { return AclLeftOut(Table, form, write); }

RowWrite TAclEditor::WriteOfSelected(const RowSnapshot& form) const { return AclWriteOfSelected(Table, form); }

std::optional<RowRefusal> TAclEditor::CheckCarried(const RowSnapshot& form, const RowItems& leftOut) const {
    if (auto refusal = CheckCarriedTexts(Table, form, leftOut)) return refusal;
    return CheckRuleCarriesAField(Table, leftOut);
}

// ---- writes -------------------------------------------------------------------------------------

void TAclEditor::Write(RowWrite write) {
    const std::vector<bool> portTicks = Record.KeepsPortTicks ? PortTicks() : std::vector<bool>{};
    TRowEditor::Write(write);
    if (Record.KeepsPortTicks) ShowPortTicks(portTicks);
}

std::vector<bool> TAclEditor::PortTicks() const {
    std::vector<bool> ticks;
    if (PortPicker)
        for (int k = 0; k < PortPicker->CheckBoxes.Count(); ++k) ticks.push_back(PortPicker->Box(k)->Checked());
    return ticks;
}

void TAclEditor::ShowPortTicks(const std::vector<bool>& ticks) {
    for (size_t k = 0; k < ticks.size(); ++k) PortPicker->Box(static_cast<int>(k))->SetChecked(ticks[k]);
}
