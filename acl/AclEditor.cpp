#include "acl/AclEditor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "common/VxOptionList.h"
#include "framework/SnmpVarItem.h"
#include "framework/VxItemsLeftOut.h"
#include "main/StackingPortUit.h"
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

// A layout built at run time: the records point into its own texts.
struct BuiltLayout {
    std::deque<std::string> Texts;
    std::vector<LayoutControl> Controls;
    std::string Name;
    FormLayout Layout;

    const char* Keep(std::string text) {
        Texts.push_back(std::move(text));
        return Texts.back().c_str();
    }
};

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
    for (const AclField& field : record.Fields) {
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
    const AclButtons& b = record.Buttons;
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

void AddFieldRows(BuiltLayout& built, const AclEditorRecord& record, const RowGeometry& g, const ColumnWidths& widths,
                  int& tabOrder) {
    int k = 0, labels = 0;
    for (const AclField& field : record.Fields) {
        const bool left = k < record.LeftColumnRows;
        const int x = left ? 0 : widths.Column(0, g);
        const int y = 8 + RowPitch * (left ? k : k - record.LeftColumnRows);
        ++k;
        auto& c = built.Controls;
        if (field.CheckBox)
            c.push_back({.Class = "TCheckBox", .Name = field.CheckBox, .Parent = "pnlDataEdit",
                         .Bounds = {x + g.Box, y + 2, 17, 17}, .Caption = "", .TabOrder = tabOrder++});
        c.push_back({.Class = "TLabel", .Name = built.Keep("Label" + std::to_string(++labels)), .Parent = "pnlDataEdit",
                     .Bounds = {x + g.Label, y + 3, g.LabelWidth, 0}, .Caption = field.Caption});
        c.push_back({.Class = field.Format ? "TEdit" : "TComboBox", .Name = field.Control, .Parent = "pnlDataEdit",
                     .Bounds = {x + g.Control, y, widths.Control[left ? 0 : 1], 21}, .TabOrder = tabOrder++,
                     .Props = field.Format ? nullptr : "Style=csDropDownList"});
    }
}

std::unique_ptr<BuiltLayout> BuildLayout(const AclEditorRecord& record) {
    const AclTable& table = AclTableOf(record.ClassName);
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
    AddFieldRows(*built, record, geometry, widths, tabOrder);
    if (ports) {
        c.push_back({.Class = "TSplitter", .Name = "Splitter1", .Parent = "Panel2",
                     .Bounds = {0, listHeight + editHeight, 0, 3}, .Align = alTop});
        c.push_back({.Class = "TPanel", .Name = "pnlPortList", .Parent = "Panel2",
                     .Bounds = {0, listHeight + editHeight + 3, 0, PortPanelHeight}, .TabOrder = tabOrder++,
                     .Align = alClient, .Props = "BevelOuter=bvNone"});
        c.push_back({.Class = "TGroupBox", .Name = "PortGroupBox", .Parent = "pnlPortList", .Caption = "Port",
                     .Align = alClient});
    }

    built->Name = std::string(record.ClassName).substr(1);  // the class without its T
    const int width = ButtonColumnWidth + widths.Column(0, geometry) + widths.Column(1, geometry) + 8;
    const int height = listHeight + editHeight + (ports ? PortPanelHeight + 3 : 0) + StatusBarHeight;
    built->Layout = FormLayout{.Name = built->Name.c_str(), .Caption = table.Caption, .ClientWidth = width,
                               .ClientHeight = height, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                               .Controls = built->Controls};
    return built;
}

}  // namespace

const FormLayout& AclLayoutOf(const AclEditorRecord& record) {
    static std::map<const AclEditorRecord*, std::unique_ptr<BuiltLayout>> layouts;
    auto& built = layouts[&record];
    if (!built) built = BuildLayout(record);
    return built->Layout;
}

// ---- the editor -------------------------------------------------------------------------

TAclEditor::TAclEditor(TComponent* owner, const AclEditorRecord& record)
    : TDialogFrame(owner, AclLayoutOf(record)), Table(AclTableOf(record.ClassName)), Record(record) {
    ButtonReporting = Reporting::StatusPanel;
    WireControls();
    OnCreate = TNotifyEvent(this, &TAclEditor::FormCreate);
}

TAclEditor::~TAclEditor() = default;

void TAclEditor::WireControls() {
    KX_BIND(ListView1);
    KX_BIND(StatusBar1);
    if (Table.IsRule) KX_BIND(StaticText1);
    if (Table.PortItem >= 0) BindChild(this, PortGroup, "PortGroupBox");
    Controls.assign(Table.ItemCount, nullptr);
    Boxes.assign(Table.ItemCount, nullptr);
    for (const AclField& field : Record.Fields) {
        Controls[field.Item] = FindChild<TWinControl>(this, field.Control);
        if (field.CheckBox) Boxes[field.Item] = FindChild<TCheckBox>(this, field.CheckBox);
    }
    const AclButtons& b = Record.Buttons;
    auto wire = [this](const char* name, void (TAclEditor::*handler)(TObject*)) -> TButton* {
        if (!name) return nullptr;
        auto* button = FindChild<TButton>(this, name);
        button->OnClick = TNotifyEvent(this, handler);
        return button;
    };
    RefreshButton = wire(b.Refresh, &TAclEditor::RefreshClick);
    WriteButton = wire(b.Write, &TAclEditor::WriteSelectedClick);
    AddRowButton = wire(b.Add, &TAclEditor::AddClick);
    DeleteRowButton = wire(b.Delete, &TAclEditor::DeleteClick);
    wire(b.CheckAll, &TAclEditor::CheckAllClick);
    wire(b.ClearChecks, &TAclEditor::ClearChecksClick);
    ListView1->OnClick = TNotifyEvent(this, &TAclEditor::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TAclEditor::ListView1Change);
    if (Table.FirstActionItem >= 0)
        static_cast<TComboBox*>(FieldControl(Table.PermitItem))->OnChange =
            TNotifyEvent(this, &TAclEditor::PermitComboBoxChange);
}

TWinControl* TAclEditor::FieldControl(int item) const { return Table.Has(item) ? Controls[item] : nullptr; }

TCheckBox* TAclEditor::FieldBox(int item) const { return Table.Has(item) ? Boxes[item] : nullptr; }

void TAclEditor::FormCreate(TObject*) {
    if (Table.CaptionRule == AclCaption::AgentAppended) CaptionWithAgent(Table.Caption);
    if (PortGroup) AddPortPickers({{&PortPicker, PortGroup}});
    OpenController(Controller, {.Items = Table.Items,
                                .Kind = MVT_UMV,
                                .IndexCount = static_cast<uint32_t>(Table.IndexCount),
                                .Bind = [this](VxSNMPRequest2Edits& c) { BindFields(c); },
                                .Target = StatusBar1,
                                .Blocking = true,
                                .CountText = StaticText1});
    ReturnToNoSelection();
    ShowRowCount();
}

void TAclEditor::BindFields(VxSNMPRequest2Edits& controller) {
    controller.BindListView(ListView1, 1);
    for (const AclField& field : Record.Fields) {
        if (field.Format) {
            controller.BindFormatted(field.Item, field.Format, Controls[field.Item]);
            continue;
        }
        auto* combo = static_cast<TComboBox*>(Controls[field.Item]);
        controller.BindComboBox(field.Item, combo);
        combo->SetItemIndex(field.InitialIndex);
    }
    if (PortPicker) BindPortList(controller, Table.PortItem, PortPicker);
}

// ---- selection and state ------------------------------------------------------------------

void TAclEditor::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAclEditor::ListView1Click(TObject*) {
    TListItem* row = ListView1->Selected();
    if (row && Record.CopiesKeysOnClick) {
        static_cast<TEdit*>(FieldControl(0))->SetText(row->Caption());
        static_cast<TEdit*>(FieldControl(1))->SetText(row->SubItems()->Count() ? row->SubItems()->Get(0) : "");
    }
    ShowSelectionState();
    if (Table.FirstActionItem >= 0) PermitComboBoxChange(this);
}

void TAclEditor::ShowSelectionState() {
    const bool selected = ListView1->Selected() != nullptr;
    if (WriteButton) WriteButton->SetEnabled(selected);
    if (DeleteRowButton) DeleteRowButton->SetEnabled(selected);
    if (AddRowButton) AddRowButton->SetEnabled(!selected);
    for (int item = 0; item < Table.IndexCount; ++item)
        if (TWinControl* id = FieldControl(item)) id->SetEnabled(!selected);
}

void TAclEditor::ShowNoSelection() {
    ListView1->ClearSelection();
    ShowSelectionState();
}

void TAclEditor::ShowRowCount() { TDialogFrame::ShowRowCount(StaticText1, Controller); }

void TAclEditor::ReturnToNoSelection() {
    ShowNoSelection();
    ClearEdits();
    if (Table.FirstActionItem >= 0) PermitComboBoxChange(this);
}

void TAclEditor::ClearEdits() {
    for (TWinControl* control : Controls)
        if (auto* edit = dynamic_cast<TEdit*>(control)) edit->SetText("");
    if (!Table.IsRule) return;
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
    ClearChecksClick(this);
    if (!Record.KeepsPortTicks) UncheckPorts({PortPicker});
}

void TAclEditor::CheckAllClick(TObject*) {
    for (TCheckBox* box : Boxes)
        if (box) box->SetChecked(true);
}

void TAclEditor::ClearChecksClick(TObject*) {
    for (TCheckBox* box : Boxes)
        if (box) box->SetChecked(false);
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

AclFormSnapshot TAclEditor::Snapshot() const {
    AclFormSnapshot form;
    for (const AclField& field : Record.Fields) {
        if (auto* edit = dynamic_cast<TEdit*>(Controls[field.Item])) form.Edits[field.Item] = edit->Text();
        else if (auto* combo = dynamic_cast<TComboBox*>(Controls[field.Item]); combo && combo->ItemIndex() >= 0)
            form.Combos[field.Item] = {combo->Text(), combo->ItemIndex()};
        if (Boxes[field.Item] && Boxes[field.Item]->Checked()) form.Ticked.insert(field.Item);
    }
    if (PortPicker)
        for (int k = 0; k < PortPicker->CheckBoxes.Count() && !form.AnyPortTicked; ++k)
            form.AnyPortTicked = PortPicker->Box(k)->Checked();
    for (int i = 0; i < ListView1->Items()->Count(); ++i) {
        const TListItem* row = ListView1->Items()->Item(i);
        form.ListedKeys.emplace_back(row->Caption(), row->SubItems()->Count() ? row->SubItems()->Get(0) : "");
    }
    return form;
}

// ---- reads and writes -------------------------------------------------------------------------

void TAclEditor::RefreshClick(TObject*) {
    Guard(Controller, [&] { Controller->Refresh(); });
    ReturnToNoSelection();
    ShowRowCount();
}

void TAclEditor::WriteSelectedClick(TObject*) { Write(Record.WriteOfSelected(Table, Snapshot())); }

void TAclEditor::AddClick(TObject*) { Write(AclWrite::Add); }

void TAclEditor::DeleteClick(TObject*) { Write(AclWrite::Delete); }

void TAclEditor::Write(AclWrite write) {
    if (!Controller) return;
    const AclFormSnapshot form = Snapshot();
    if (auto refusal = Record.Check(Table, form, write)) {
        Refuse(*refusal);
        if (Record.ClearsAfterRefusal) ReturnToNoSelection();
        return;
    }
    const AclItems leftOut = Record.LeftOut(Table, form, write);
    if (auto refusal = CheckCarriedTexts(Table, form, leftOut)) return Refuse(*refusal);
    const std::vector<bool> portTicks = Record.KeepsPortTicks ? PortTicks() : std::vector<bool>{};
    Guard(Controller, [&] {
        VxItemsLeftOut out(*Controller);
        for (int item : leftOut) out.LeaveOut(item);
        // Add always creates, whatever a selected row or a Delete left in
        // the combo; Delete destroys.
        if (write == AclWrite::Add) SelectRowStatus(AclRowCreateAndGo);
        if (write == AclWrite::Delete) SelectRowStatus(AclRowDestroy);
        out.Write(false);
    });
    ReturnToNoSelection();
    if (Record.KeepsPortTicks) ShowPortTicks(portTicks);
    ShowRowCount();
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

void TAclEditor::SelectRowStatus(int value) {
    auto* combo = static_cast<TComboBox*>(FieldControl(Table.RowStatusItem));
    const auto* map = dynamic_cast<const VxOptionList*>(Table.Items[Table.RowStatusItem].Options);
    combo->SetItemIndex(map->IndexOfValue(std::to_string(value)));
}

void TAclEditor::Refuse(const AclRefusal& refusal) { RefuseInput(FieldControl(refusal.FocusItem), refusal.Message); }
