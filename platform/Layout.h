#pragma once
// Stored layouts: a form's controls kept as data, built by one loader and
// found again by name with a typed lookup. A form's code then holds only its
// behaviour, and tests find its controls by name.
//
// A layout is a constexpr table in the form's own .cpp: a FormLayout
// with the form's own properties and an array of LayoutControl records.
// Fields are set by name (designated initialisers), so a record names only
// what differs from the defaults; the names must come in the order the
// structs below declare them (the compiler says so otherwise).
//
//   constexpr LayoutColumn kTrunkColumns[] = {{"Index", 50}, {"Name", 120}};
//   constexpr LayoutPanel kTrunkPanels[] = {{"", 50}};
//   constexpr LayoutControl kTrunkControls[] = {
//       {.Class = "TListView", .Name = "LV_PortTrunk", .Bounds = {0, 0, 600, 150},
//        .Align = alTop, .Columns = kTrunkColumns,
//        .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
//       {.Class = "TPanel", .Name = "Panel1", .Bounds = {0, 150, 600, 200}, .Align = alClient},
//       {.Class = "TEdit", .Name = "ED_Index", .Parent = "Panel1", .Bounds = {80, 8, 60, 21},
//        .TabOrder = 0, .Props = "MaxLength=2"},
//       {.Class = "TComboBox", .Name = "ComboBox1", .Parent = "Panel1", .Bounds = {80, 36, 100, 21},
//        .TabOrder = 1, .Items = "enable\ndisable", .Props = "Style=csDropDownList; ItemIndex=0"},
//       {.Class = "TButton", .Name = "BT_Set", .Parent = "Panel1", .Bounds = {500, 8, 75, 25},
//        .Caption = "Add", .TabOrder = 2, .Anchors = akTop | akRight},
//       {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kTrunkPanels},
//   };
//   constexpr FormLayout kPortTrunkLayout{
//       .Name = "PortTrunkForm", .Caption = "Port Trunk Table", .ClientWidth = 600,
//       .ClientHeight = 369, .BorderStyle = bsDialog, .Position = poScreenCenter,
//       .Controls = kTrunkControls};
//
//   TPortTrunkForm::TPortTrunkForm(TComponent* owner) : TForm(owner) {
//       LoadLayout(this, kPortTrunkLayout);
//       KX_BIND(LV_PortTrunk);          // LV_PortTrunk = FindChild<TListView>(this, "LV_PortTrunk")
//       KX_BIND(ED_Index);
//       KX_BIND(BT_Set);
//       BT_Set->OnClick = TNotifyEvent(this, &TPortTrunkForm::BT_SetClick);
//       OnCreate = TNotifyEvent(this, &TPortTrunkForm::FormCreate);
//       DoCreate();
//   }
//
// Rules of the data:
// - Records come parents first; Parent "" is the form (or the root given to
//   LoadControls). A parent may also be a control the owner had already.
// - Every control is owned by the form and carries its record's Name, so
//   FindComponent and FindChild find it; two records of one name are refused.
// - Bounds are Left, Top, Width, Height in the parent's client area; a Width
//   or Height of 0 keeps the class's own default (aligned controls, labels
//   that size themselves).
// - Caption is the caption of captioned controls and the text of TEdit,
//   TMemo and TComboBox.
// - Align alNone keeps the class's own (a status bar's is alBottom).
// - TabOrder is the position among the windowed siblings (0 first); siblings
//   without one follow, in record order.
// - Items are lines separated by "\n": the entries of a combo box or radio
//   group, the lines of a memo.
// - Props holds the rest, "Key=Value" or a bare "Key" (true), separated by
//   ";". Enumerations and colours are written by their constant's name.
//   A key the control's class does not take, or a value that does not parse,
//   is an error naming the layout, the control and the key. The keys:
//     any control: Color, FontName, FontSize, FontStyle (fsBold|fsItalic),
//       FontColor, ShowHint; windowed controls: TabStop, BorderWidth
//     TLabel: AutoSize, Alignment, Layout, WordWrap, Transparent
//     TStaticText: AutoSize, Alignment, BorderStyle (sbsNone...)
//     TEdit: ReadOnly, MaxLength, PasswordChar
//     TMemo: ReadOnly, ScrollBars, WordWrap
//     TComboBox: Style, ItemIndex, DropDownCount
//     TCheckBox: Checked, State, AllowGrayed, Alignment;  TRadioButton: Checked
//     TButton, TBitBtn: ModalResult, Default, Cancel;  TBitBtn: NumGlyphs
//     TSpeedButton: GroupIndex, Down, AllowAllUp, Flat
//     TPanel: BevelInner, BevelOuter, BevelWidth, Alignment
//     TRadioGroup: ItemIndex, Columns
//     TListView: ViewStyle, ReadOnly, RowSelect, GridLines, HideSelection, MultiSelect
//     TStatusBar: SimplePanel, SimpleText
//     TPageControl: ActivePage (a tab sheet's name);  TTabSheet: TabVisible
//     TScrollBox: BorderStyle (bsNoBorder, bsSingleBorder)
//     TShape: Shape, BrushColor, BrushStyle, PenColor, PenWidth
//     TImage: Stretch, Center, Proportional, AutoSize
//     TBevel: Shape, Style
//     TTimer: Interval (and Enabled through the record's field)
// - Repeat makes Count controls of one record, named Name followed by their
//   number (First, First + 1, ...): the k-th (from 0) stands k % Columns
//   steps right and k / Columns steps down of Bounds and carries Tag + k;
//   together they take the record's place in the tab order. A Caption of
//   Count lines gives each its own line; a single line is shared, "{n}" in
//   it becoming k + 1.
//     {.Class = "TCheckBox", .Name = "CheckBox", .Parent = "TabSheet2",
//      .Bounds = {8, 8, 120, 17},
//      .Caption = "lacpActivity\nlacpTimeout\naggregation\nsynchronisation\n"
//                 "collecting\ndistributing\ndefaulted\nexpired",
//      .Repeat = {.Count = 8, .First = 9, .StepY = 20}},   // CheckBox9..CheckBox16
// - Event handlers are bound in the form's code (as above), where the
//   compiler checks them; pictures are loaded by the form's code, and so is
//   the large-font scaling, after LoadLayout (a dialog's by the rule its
//   layout gives: LargeFonts); a dialog's caption rule (Captioning) is
//   applied by the dialog frame and the menu runner.
//
// Classes: every control class of the layer is known by its class name;
// RegisterLayoutClass adds others (a form embedded as a control, say).
//
// Lookup: FindChild<T>(owner, name) returns the component of that name the
// owner owns, as a T; a missing name or another class raises an Exception
// whose message names both, never a null.

#include "platform/Controls.h"
#include "platform/Types.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

class TForm;

struct LayoutBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// A column of a list view.
struct LayoutColumn {
    const char* Caption = "";
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
};

// A panel of a status bar.
struct LayoutPanel {
    const char* Text = "";
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
};

// A row or grid of numbered controls made from one record (see Repeat).
struct LayoutRepeat {
    int Count = 0;    // 0: the record is one control
    int First = 1;    // the number of the first
    int Columns = 1;  // controls per row
    int StepX = 0;    // from one column to the next
    int StepY = 0;    // from one row to the next
};

// One control (or non-visual component) of a layout.
struct LayoutControl {
    const char* Class = "";
    const char* Name = "";
    const char* Parent = "";
    LayoutBounds Bounds{};
    const char* Caption = nullptr;
    int TabOrder = -1;
    TAlign Align = alNone;
    TAnchors Anchors = akTopLeft;
    bool Visible = true;
    bool Enabled = true;
    int Tag = 0;
    const char* Hint = nullptr;
    const char* Items = nullptr;
    std::span<const LayoutColumn> Columns{};
    std::span<const LayoutPanel> Panels{};
    const char* Props = nullptr;
    LayoutRepeat Repeat{};
};

// How a dialog grows under large fonts: by 1.25, rounded to the nearest
// pixel, its Left, Top, Width and Height, or only its Width and Height, or not
// at all. Controls inside it keep theirs.
enum class DialogScaling : uint8_t {
    LeftTopWidthHeight,
    WidthHeight,
    None,
};

// How a dialog's caption is made: the stored Caption, or its title (Title,
// or else the stored Caption) with the agent address after it, as captions
// show the address. Some are set as the dialog is made, some by the menu
// command that opens it, once it has made the dialog (so a dialog made
// otherwise keeps its stored Caption).
enum class CaptionRule : uint8_t {
    Stored,                 // the stored Caption stays
    TitleAndAgent,          // as the dialog is made: the title immediately followed by the agent address
    MenuSetsTitle,          // by the menu command: the title
    MenuSetsTitleAndAgent,  // by the menu command: the title immediately followed by the agent address
    // A title, ":" and the agent address: the menu command's title (which the
    // main window also keeps as its page title) once the command has made
    // the dialog; the dialog's own title as it is made.
    MenuTitleAndAgent,
};

// A form's own properties and its controls. A ClientWidth or ClientHeight of
// 0 keeps the form's current one.
struct FormLayout {
    const char* Name = nullptr;
    const char* Caption = nullptr;
    int Left = 0, Top = 0;
    int ClientWidth = 0, ClientHeight = 0;
    TFormBorderStyle BorderStyle = bsSizeable;
    TPosition Position = poDesigned;
    // A dialog's large-font rule, applied by the dialog frame (which refuses
    // a layout without one); other forms scale themselves, or not.
    std::optional<DialogScaling> LargeFonts = std::nullopt;
    // A dialog's caption rule and the title it uses (null: the stored
    // Caption), applied by the dialog frame and the menu runner; other forms
    // keep their Caption.
    CaptionRule Captioning = CaptionRule::Stored;
    const char* Title = nullptr;
    const char* Props = nullptr;
    std::span<const LayoutControl> Controls{};
};

// A layout built at run time (from a dialog's record rather than a constexpr
// table): it keeps the texts its records point to (names made up while
// building) and its controls, so the FormLayout stays valid as long as the
// holder. Build it once and keep it.
struct BuiltLayout {
    std::deque<std::string> Texts;  // a deque: a text kept stays where it is
    std::vector<LayoutControl> Controls;
    FormLayout Layout;

    const char* Keep(std::string text) {
        Texts.push_back(std::move(text));
        return Texts.back().c_str();
    }
    // The layout over the controls added so far.
    const FormLayout& Finish(FormLayout layout) {
        Layout = layout;
        Layout.Controls = Controls;
        return Layout;
    }
};

// The layout that `build` makes from a record (an editor's fields, a look),
// built at the record's first use and kept, one per record, for the
// program's life.
template <class Record>
const FormLayout& LayoutBuiltOnce(const Record& record, std::unique_ptr<BuiltLayout> (*build)(const Record&)) {
    static std::map<const Record*, std::unique_ptr<BuiltLayout>> layouts;
    auto& built = layouts[&record];
    if (!built) built = build(record);
    return built->Layout;
}

// Gives the form its layout: its own properties, then every control, owned by
// the form. Raises an Exception on a fault of the data; controls built before
// the fault stay owned by the form.
void LoadLayout(TForm* form, const FormLayout& layout);

// Builds controls owned by owner; records whose Parent is "" go into root.
// layoutName names the data in error messages.
void LoadControls(TComponent* owner, TWinControl* root, std::span<const LayoutControl> controls,
                  std::string_view layoutName);

// Makes a class known to the loader by its class name.
using LayoutFactory = TComponent* (*)(TComponent* owner);
void RegisterLayoutClass(const std::string& className, LayoutFactory factory);
template <class T>
void RegisterLayoutClass(const std::string& className) {
    RegisterLayoutClass(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}

// The class name of an object, as the class library's ClassName gives it.
std::string ClassNameOf(const TObject* object);

// The component named name that owner owns; raises when there is none.
TComponent* FindNamedChild(const TComponent* owner, std::string_view name);
[[noreturn]] void ThrowWrongChildClass(const TComponent* owner, const TComponent* child,
                                       const std::type_info& wanted);

template <class T>
T* FindChild(const TComponent* owner, std::string_view name) {
    TComponent* child = FindNamedChild(owner, name);
    if (auto* typed = dynamic_cast<T*>(child)) return typed;
    ThrowWrongChildClass(owner, child, typeid(T));
}

// Points a form's field at its control of the same type and name.
template <class T>
void BindChild(const TComponent* owner, T*& field, std::string_view name) {
    field = FindChild<T>(owner, name);
}

// Inside a form's member function: binds the field to the control that
// carries the field's name.
#define KX_BIND(field) BindChild(this, field, #field)
