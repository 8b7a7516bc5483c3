#include "platform/Layout.h"

#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Text.h"

#include <cxxabi.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A fault of the data, before the loader adds where it was found.
struct LayoutFault {
    std::string Text;
};

[[noreturn]] void Fault(std::string text) { throw LayoutFault{std::move(text)}; }

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// ---------------------------------------------------------------------------
// Values of Props

class PropValue {
public:
    PropValue(std::string_view key, std::string_view text, bool bare) : key_(key), text_(text), bare_(bare) {}

    std::string_view Text() const { return text_; }

    int Int() const {
        int value = 0;
        auto [end, error] = std::from_chars(text_.data(), text_.data() + text_.size(), value);
        if (error != std::errc() || end != text_.data() + text_.size() || text_.empty())
            Fault("'" + std::string(text_) + "' is not a whole number");
        return value;
    }

    bool Bool() const {
        if (bare_ || SameText(text_, "true")) return true;
        if (SameText(text_, "false")) return false;
        Fault("'" + std::string(text_) + "' is neither true nor false");
    }

    char Char() const {
        if (text_.size() != 1) Fault("'" + std::string(text_) + "' is not one character");
        return text_[0];
    }

    template <class E>
    E Enum(std::initializer_list<std::pair<std::string_view, E>> names) const {
        for (const auto& [name, value] : names)
            if (SameText(name, text_)) return value;
        std::string known;
        for (const auto& entry : names) known += (known.empty() ? "" : ", ") + std::string(entry.first);
        Fault("'" + std::string(text_) + "' is not one of " + known);
    }

    TColor Color() const;
    TFontStyles FontStyles() const;

private:
    std::string_view key_;
    std::string_view text_;
    bool bare_;
};

TColor PropValue::Color() const {
    static const std::pair<std::string_view, TColor> kColors[] = {
        {"clBlack", clBlack},         {"clMaroon", clMaroon},         {"clGreen", clGreen},
        {"clOlive", clOlive},         {"clNavy", clNavy},             {"clPurple", clPurple},
        {"clTeal", clTeal},           {"clGray", clGray},             {"clSilver", clSilver},
        {"clRed", clRed},             {"clLime", clLime},             {"clYellow", clYellow},
        {"clBlue", clBlue},           {"clFuchsia", clFuchsia},       {"clAqua", clAqua},
        {"clWhite", clWhite},         {"clWindow", clWindow},         {"clWindowText", clWindowText},
        {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow},   {"clBtnText", clBtnText},
        {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
        {"clGrayText", clGrayText},   {"clInfoBk", clInfoBk},         {"clInfoText", clInfoText},
        {"clBtnHighlight", clBtnHighlight},
    };
    for (const auto& [name, color] : kColors)
        if (SameText(name, text_)) return color;
    // $00BBGGRR, as the class library writes colours in hexadecimal.
    if (text_.size() > 1 && text_[0] == '$') {
        unsigned value = 0;
        auto digits = text_.substr(1);
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (error == std::errc() && end == digits.data() + digits.size()) return value;
    }
    Fault("'" + std::string(text_) + "' is not a colour (clWhite, $00FFFFFF, ...)");
}

TFontStyles PropValue::FontStyles() const {
    TFontStyles styles = 0;
    for (std::string_view part : Split(text_, '|')) {
        part = Trim(part);
        if (part.empty()) continue;
        PropValue one(key_, part, false);
        styles |= one.Enum<TFontStyles>(
            {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}});
    }
    return styles;
}

const std::initializer_list<std::pair<std::string_view, TAlignment>> kAlignments = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const std::initializer_list<std::pair<std::string_view, TBevelCut>> kBevelCuts = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};

// ---------------------------------------------------------------------------
// Props: one rule per key

// When a key is applied: before the bounds and the caption (what changes
// how a control sizes itself), after the control has its parent, caption and
// items, or once every control of the layout exists.
enum class Phase { Early, Late, Final };

struct PropRule {
    std::string_view Key;
    Phase When;
    // False when the component's class has no such property.
    bool (*Apply)(TComponent* component, const PropValue& value);
};

// Runs fn on the component as a T, when it is one.
template <class T, class F>
bool As(TComponent* component, F&& fn) {
    auto* typed = dynamic_cast<T*>(component);
    if (typed) fn(typed);
    return typed != nullptr;
}

// The tab sheet of that name among the page control's pages.
TTabSheet* PageNamed(TPageControl* pages, std::string_view name) {
    for (int i = 0; i < pages->PageCount(); ++i)
        if (SameText(pages->Pages(i)->Name(), name)) return pages->Pages(i);
    Fault("'" + std::string(name) + "' is not a tab sheet of " + pages->Name());
}

using V = const PropValue&;
using C = TComponent*;

const PropRule kPropRules[] = {
    // Any control.
    {"Color", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->SetColor(v.Color()); }); }},
    {"FontName", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->Font()->SetName(std::string(v.Text())); }); }},
    {"FontSize", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->Font()->SetSize(v.Int()); }); }},
    {"FontStyle", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->Font()->SetStyle(v.FontStyles()); }); }},
    {"FontColor", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->Font()->SetColor(v.Color()); }); }},
    {"ShowHint", Phase::Early, [](C c, V v) { return As<TControl>(c, [&](TControl* t) { t->SetShowHint(v.Bool()); }); }},
    {"TabStop", Phase::Early, [](C c, V v) { return As<TWinControl>(c, [&](TWinControl* t) { t->SetTabStop(v.Bool()); }); }},
    {"BorderWidth", Phase::Early, [](C c, V v) {
         return As<TPanel>(c, [&](TPanel* t) { t->SetBorderWidth(v.Int()); }) ||
                As<TWinControl>(c, [&](TWinControl* t) { t->SetBorderWidth(v.Int()); });
     }},
    // How a control sizes and shows its text.
    {"AutoSize", Phase::Early, [](C c, V v) {
         return As<TLabel>(c, [&](TLabel* t) { t->SetAutoSize(v.Bool()); }) ||
                As<TStaticText>(c, [&](TStaticText* t) { t->SetAutoSize(v.Bool()); }) ||
                As<TImage>(c, [&](TImage* t) { t->SetAutoSize(v.Bool()); });
     }},
    {"Alignment", Phase::Early, [](C c, V v) {
         TAlignment a = v.Enum(kAlignments);
         return As<TLabel>(c, [&](TLabel* t) { t->SetAlignment(a); }) ||
                As<TStaticText>(c, [&](TStaticText* t) { t->SetAlignment(a); }) ||
                As<TPanel>(c, [&](TPanel* t) { t->SetAlignment(a); }) ||
                As<TCheckBox>(c, [&](TCheckBox* t) { t->SetAlignment(a); });
     }},
    {"Layout", Phase::Early, [](C c, V v) {
         return As<TLabel>(c, [&](TLabel* t) {
             t->SetLayout(v.Enum<TTextLayout>({{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}}));
         });
     }},
    {"WordWrap", Phase::Early, [](C c, V v) {
         return As<TLabel>(c, [&](TLabel* t) { t->SetWordWrap(v.Bool()); }) ||
                As<TMemo>(c, [&](TMemo* t) { t->SetWordWrap(v.Bool()); });
     }},
    {"Transparent", Phase::Early, [](C c, V v) { return As<TLabel>(c, [&](TLabel* t) { t->SetTransparent(v.Bool()); }); }},
    {"BorderStyle", Phase::Early, [](C c, V v) {
         return As<TStaticText>(c, [&](TStaticText* t) {
                    t->SetBorderStyle(v.Enum<TStaticBorderStyle>({{"sbsNone", sbsNone}, {"sbsSingle", sbsSingle}, {"sbsSunken", sbsSunken}}));
                }) ||
                As<TScrollBox>(c, [&](TScrollBox* t) {
                    t->SetBorderStyle(v.Enum<TBorderStyle>({{"bsNone", bsNoBorder}, {"bsNoBorder", bsNoBorder}, {"bsSingle", bsSingleBorder}, {"bsSingleBorder", bsSingleBorder}}));
                });
     }},
    // Edits.
    {"ReadOnly", Phase::Early, [](C c, V v) {
         return As<TEdit>(c, [&](TEdit* t) { t->SetReadOnly(v.Bool()); }) ||
                As<TMemo>(c, [&](TMemo* t) { t->SetReadOnly(v.Bool()); }) ||
                As<TListView>(c, [&](TListView* t) { t->SetReadOnly(v.Bool()); });
     }},
    {"MaxLength", Phase::Early, [](C c, V v) { return As<TEdit>(c, [&](TEdit* t) { t->SetMaxLength(v.Int()); }); }},
    {"PasswordChar", Phase::Early, [](C c, V v) { return As<TEdit>(c, [&](TEdit* t) { t->SetPasswordChar(v.Char()); }); }},
    {"ScrollBars", Phase::Early, [](C c, V v) {
         return As<TMemo>(c, [&](TMemo* t) {
             t->SetScrollBars(v.Enum<TScrollStyle>({{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}}));
         });
     }},
    // Lists and choices.
    {"Style", Phase::Early, [](C c, V v) {
         return As<TComboBox>(c, [&](TComboBox* t) {
             t->SetStyle(v.Enum<TComboBoxStyle>({{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList},
                                                 {"csOwnerDrawFixed", csOwnerDrawFixed}, {"csOwnerDrawVariable", csOwnerDrawVariable}}));
         }) ||
                As<TBevel>(c, [&](TBevel* t) { t->SetStyle(v.Enum<TBevelStyle>({{"bsLowered", bsLowered}, {"bsRaised", bsRaised}})); });
     }},
    {"DropDownCount", Phase::Early, [](C c, V v) { return As<TComboBox>(c, [&](TComboBox* t) { t->SetDropDownCount(v.Int()); }); }},
    {"ItemIndex", Phase::Late, [](C c, V v) {
         return As<TComboBox>(c, [&](TComboBox* t) { t->SetItemIndex(v.Int()); }) ||
                As<TRadioGroup>(c, [&](TRadioGroup* t) { t->SetItemIndex(v.Int()); });
     }},
    {"Columns", Phase::Early, [](C c, V v) { return As<TRadioGroup>(c, [&](TRadioGroup* t) { t->SetColumns(v.Int()); }); }},
    {"Checked", Phase::Late, [](C c, V v) {
         return As<TCheckBox>(c, [&](TCheckBox* t) { t->SetChecked(v.Bool()); }) ||
                As<TRadioButton>(c, [&](TRadioButton* t) { t->SetChecked(v.Bool()); });
     }},
    {"AllowGrayed", Phase::Early, [](C c, V v) { return As<TCheckBox>(c, [&](TCheckBox* t) { t->SetAllowGrayed(v.Bool()); }); }},
    {"State", Phase::Late, [](C c, V v) {
         return As<TCheckBox>(c, [&](TCheckBox* t) {
             t->SetState(v.Enum<TCheckBoxState>({{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}}));
         });
     }},
    {"ViewStyle", Phase::Early, [](C c, V v) {
         return As<TListView>(c, [&](TListView* t) {
             t->SetViewStyle(v.Enum<TViewStyle>({{"vsIcon", vsIcon}, {"vsSmallIcon", vsSmallIcon}, {"vsList", vsList}, {"vsReport", vsReport}}));
         });
     }},
    {"RowSelect", Phase::Early, [](C c, V v) { return As<TListView>(c, [&](TListView* t) { t->SetRowSelect(v.Bool()); }); }},
    {"GridLines", Phase::Early, [](C c, V v) { return As<TListView>(c, [&](TListView* t) { t->SetGridLines(v.Bool()); }); }},
    {"HideSelection", Phase::Early, [](C c, V v) { return As<TListView>(c, [&](TListView* t) { t->SetHideSelection(v.Bool()); }); }},
    {"MultiSelect", Phase::Early, [](C c, V v) { return As<TListView>(c, [&](TListView* t) { t->SetMultiSelect(v.Bool()); }); }},
    // Buttons.
    {"ModalResult", Phase::Early, [](C c, V v) {
         return As<TButton>(c, [&](TButton* t) {
             t->SetModalResult(v.Enum<TModalResult>({{"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}, {"mrAbort", mrAbort}, {"mrRetry", mrRetry},
                                                     {"mrIgnore", mrIgnore}, {"mrYes", mrYes}, {"mrNo", mrNo}, {"mrAll", mrAll}}));
         });
     }},
    {"Default", Phase::Early, [](C c, V v) { return As<TButton>(c, [&](TButton* t) { t->SetDefault(v.Bool()); }); }},
    {"Cancel", Phase::Early, [](C c, V v) { return As<TButton>(c, [&](TButton* t) { t->SetCancel(v.Bool()); }); }},
    {"NumGlyphs", Phase::Early, [](C c, V v) { return As<TBitBtn>(c, [&](TBitBtn* t) { t->SetNumGlyphs(v.Int()); }); }},
    {"GroupIndex", Phase::Early, [](C c, V v) { return As<TSpeedButton>(c, [&](TSpeedButton* t) { t->SetGroupIndex(v.Int()); }); }},
    {"Down", Phase::Late, [](C c, V v) { return As<TSpeedButton>(c, [&](TSpeedButton* t) { t->SetDown(v.Bool()); }); }},
    {"AllowAllUp", Phase::Early, [](C c, V v) { return As<TSpeedButton>(c, [&](TSpeedButton* t) { t->SetAllowAllUp(v.Bool()); }); }},
    {"Flat", Phase::Early, [](C c, V v) { return As<TSpeedButton>(c, [&](TSpeedButton* t) { t->SetFlat(v.Bool()); }); }},
    // Panels and frames.
    {"BevelInner", Phase::Early, [](C c, V v) { return As<TPanel>(c, [&](TPanel* t) { t->SetBevelInner(v.Enum(kBevelCuts)); }); }},
    {"BevelOuter", Phase::Early, [](C c, V v) { return As<TPanel>(c, [&](TPanel* t) { t->SetBevelOuter(v.Enum(kBevelCuts)); }); }},
    {"BevelWidth", Phase::Early, [](C c, V v) { return As<TPanel>(c, [&](TPanel* t) { t->SetBevelWidth(v.Int()); }); }},
    {"SimplePanel", Phase::Early, [](C c, V v) { return As<TStatusBar>(c, [&](TStatusBar* t) { t->SetSimplePanel(v.Bool()); }); }},
    {"SimpleText", Phase::Early, [](C c, V v) { return As<TStatusBar>(c, [&](TStatusBar* t) { t->SetSimpleText(std::string(v.Text())); }); }},
    {"ActivePage", Phase::Final, [](C c, V v) { return As<TPageControl>(c, [&](TPageControl* t) { t->SetActivePage(PageNamed(t, v.Text())); }); }},
    {"TabVisible", Phase::Early, [](C c, V v) { return As<TTabSheet>(c, [&](TTabSheet* t) { t->SetTabVisible(v.Bool()); }); }},
    // Shapes and pictures.
    {"Shape", Phase::Early, [](C c, V v) {
         return As<TShape>(c, [&](TShape* t) {
                    t->SetShape(v.Enum<TShapeType>({{"stRectangle", stRectangle}, {"stSquare", stSquare}, {"stRoundRect", stRoundRect},
                                                    {"stRoundSquare", stRoundSquare}, {"stEllipse", stEllipse}, {"stCircle", stCircle}}));
                }) ||
                As<TBevel>(c, [&](TBevel* t) {
                    t->SetShape(v.Enum<TBevelShape>({{"bsBox", bsBox}, {"bsFrame", bsFrame}, {"bsTopLine", bsTopLine}, {"bsBottomLine", bsBottomLine},
                                                     {"bsLeftLine", bsLeftLine}, {"bsRightLine", bsRightLine}, {"bsSpacer", bsSpacer}}));
                });
     }},
    {"BrushColor", Phase::Early, [](C c, V v) { return As<TShape>(c, [&](TShape* t) { t->Brush()->SetColor(v.Color()); }); }},
    {"BrushStyle", Phase::Early, [](C c, V v) {
         return As<TShape>(c, [&](TShape* t) { t->Brush()->SetStyle(v.Enum<TBrushStyle>({{"bsSolid", bsSolid}, {"bsClear", bsClear}})); });
     }},
    {"PenColor", Phase::Early, [](C c, V v) { return As<TShape>(c, [&](TShape* t) { t->Pen()->SetColor(v.Color()); }); }},
    {"PenWidth", Phase::Early, [](C c, V v) { return As<TShape>(c, [&](TShape* t) { t->Pen()->SetWidth(v.Int()); }); }},
    {"Stretch", Phase::Early, [](C c, V v) { return As<TImage>(c, [&](TImage* t) { t->SetStretch(v.Bool()); }); }},
    {"Center", Phase::Early, [](C c, V v) { return As<TImage>(c, [&](TImage* t) { t->SetCenter(v.Bool()); }); }},
    {"Proportional", Phase::Early, [](C c, V v) { return As<TImage>(c, [&](TImage* t) { t->SetProportional(v.Bool()); }); }},
    // Non-visual components.
    {"Interval", Phase::Early, [](C c, V v) { return As<TTimer>(c, [&](TTimer* t) { t->SetInterval(v.Int()); }); }},
};

const PropRule& RuleFor(std::string_view key) {
    for (const PropRule& rule : kPropRules)
        if (SameText(rule.Key, key)) return rule;
    Fault("there is no property '" + std::string(key) + "'");
}

// Applies the keys of props that belong to the phase; Early also checks the
// whole text, so a fault shows before anything of it is applied.
void ApplyProps(TComponent* component, const char* props, Phase phase) {
    if (!props) return;
    for (std::string_view entry : Split(props, ';')) {
        entry = Trim(entry);
        if (entry.empty()) continue;
        size_t equals = entry.find('=');
        bool bare = equals == std::string_view::npos;
        std::string_view key = Trim(entry.substr(0, equals));
        std::string_view text = bare ? std::string_view() : Trim(entry.substr(equals + 1));
        const PropRule& rule = RuleFor(key);
        if (rule.When != phase) continue;
        if (!rule.Apply(component, PropValue(key, text, bare)))
            Fault(ClassNameOf(component) + " has no property '" + std::string(key) + "'");
    }
}

void CheckProps(const char* props) {
    if (!props) return;
    for (std::string_view entry : Split(props, ';')) {
        entry = Trim(entry);
        if (!entry.empty()) RuleFor(Trim(entry.substr(0, entry.find('='))));
    }
}

// ---------------------------------------------------------------------------
// The typed fields

void SetCaptionOf(TComponent* c, const std::string& text) {
    bool done = As<TLabel>(c, [&](TLabel* t) { t->SetCaption(text); }) ||
                As<TStaticText>(c, [&](TStaticText* t) { t->SetCaption(text); }) ||
                As<TButton>(c, [&](TButton* t) { t->SetCaption(text); }) ||
                As<TCheckBox>(c, [&](TCheckBox* t) { t->SetCaption(text); }) ||
                As<TRadioButton>(c, [&](TRadioButton* t) { t->SetCaption(text); }) ||
                As<TGroupBox>(c, [&](TGroupBox* t) { t->SetCaption(text); }) ||
                As<TRadioGroup>(c, [&](TRadioGroup* t) { t->SetCaption(text); }) ||
                As<TPanel>(c, [&](TPanel* t) { t->SetCaption(text); }) ||
                As<TTabSheet>(c, [&](TTabSheet* t) { t->SetCaption(text); }) ||
                As<TSpeedButton>(c, [&](TSpeedButton* t) { t->SetCaption(text); }) ||
                As<TForm>(c, [&](TForm* t) { t->SetCaption(text); }) ||
                As<TEdit>(c, [&](TEdit* t) { t->SetText(text); }) ||
                As<TMemo>(c, [&](TMemo* t) { t->SetText(text); }) ||
                As<TComboBox>(c, [&](TComboBox* t) { t->SetText(text); });
    if (!done) Fault(ClassNameOf(c) + " has no Caption");
}

TStrings* ItemsOf(TComponent* c) {
    if (auto* combo = dynamic_cast<TComboBox*>(c)) return combo->Items();
    if (auto* group = dynamic_cast<TRadioGroup*>(c)) return group->Items();
    if (auto* memo = dynamic_cast<TMemo*>(c)) return memo->Lines();
    Fault(ClassNameOf(c) + " has no Items");
}

void SetColumns(TComponent* c, std::span<const LayoutColumn> columns) {
    auto* view = dynamic_cast<TListView*>(c);
    if (!view) Fault(ClassNameOf(c) + " has no Columns");
    for (const LayoutColumn& spec : columns) {
        TListColumn* column = view->Columns()->Add();
        column->SetCaption(spec.Caption ? spec.Caption : "");
        column->SetWidth(spec.Width);
        column->SetAlignment(spec.Alignment);
    }
}

void SetPanels(TComponent* c, std::span<const LayoutPanel> panels) {
    auto* bar = dynamic_cast<TStatusBar*>(c);
    if (!bar) Fault(ClassNameOf(c) + " has no Panels");
    for (const LayoutPanel& spec : panels) {
        TStatusPanel* panel = bar->Panels()->Add();
        panel->SetText(spec.Text ? spec.Text : "");
        panel->SetWidth(spec.Width);
        panel->SetAlignment(spec.Alignment);
    }
}

// ---------------------------------------------------------------------------
// Classes

template <class T>
TComponent* Make(TComponent* owner) {
    return new T(owner);
}

std::map<std::string, LayoutFactory, std::less<>>& Factories() {
    static std::map<std::string, LayoutFactory, std::less<>> factories = {
        {"TLabel", &Make<TLabel>},           {"TStaticText", &Make<TStaticText>},
        {"TEdit", &Make<TEdit>},             {"TMemo", &Make<TMemo>},
        {"TComboBox", &Make<TComboBox>},     {"TCheckBox", &Make<TCheckBox>},
        {"TRadioButton", &Make<TRadioButton>}, {"TButton", &Make<TButton>},
        {"TGroupBox", &Make<TGroupBox>},     {"TPanel", &Make<TPanel>},
        {"TRadioGroup", &Make<TRadioGroup>}, {"TSplitter", &Make<TSplitter>},
        {"TShape", &Make<TShape>},           {"TImage", &Make<TImage>},
        {"TBevel", &Make<TBevel>},           {"TScrollBox", &Make<TScrollBox>},
        {"TBitBtn", &Make<TBitBtn>},         {"TSpeedButton", &Make<TSpeedButton>},
        {"TListView", &Make<TListView>},     {"TStatusBar", &Make<TStatusBar>},
        {"TPageControl", &Make<TPageControl>}, {"TTabSheet", &Make<TTabSheet>},
        {"TTimer", &Make<TTimer>},           {"TImageList", &Make<TImageList>},
    };
    return factories;
}

TComponent* Create(std::string_view className, TComponent* owner) {
    auto& factories = Factories();
    auto it = factories.find(className);
    if (it == factories.end()) Fault("there is no class '" + std::string(className) + "'");
    return it->second(owner);
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

// ---------------------------------------------------------------------------
// The loader

// Builds one layout's controls; a friend of TWinControl for the tab lists.
class LayoutLoader {
public:
    LayoutLoader(TComponent* owner, TWinControl* root, std::string_view layoutName)
        : owner_(owner), root_(root), layoutName_(layoutName) {}

    void Load(std::span<const LayoutControl> records) {
        for (const LayoutControl& record : records) {
            if (record.Repeat.Count <= 0) {
                Guard(record, [&] { Build(record); });
                continue;
            }
            Guard(record, [&] { Expand(record); });
            for (size_t k = expanded_.size() - static_cast<size_t>(record.Repeat.Count); k < expanded_.size(); ++k)
                Guard(expanded_[k], [&] { Build(expanded_[k]); });
        }
        ArrangeTabLists();
        for (const auto& built : built_)
            Guard(*built.first, [&] { ApplyProps(built.second, built.first->Props, Phase::Final); });
    }

    // Runs fn and turns a fault of the data into an Exception that says
    // where it is.
    template <class F>
    void Guard(const LayoutControl& record, F&& fn) {
        try {
            fn();
        } catch (const LayoutFault& fault) {
            throw Exception("Layout " + Quoted(layoutName_) + ", control " + Quoted(record.Name ? record.Name : "") +
                            " (" + (record.Class ? record.Class : "") + "): " + fault.Text);
        }
    }

private:
    // The records of a repeated control, one per number, kept for the
    // whole load (their names and captions too).
    void Expand(const LayoutControl& record) {
        const LayoutRepeat& r = record.Repeat;
        if (r.Columns <= 0) Fault("a repeated control needs at least one column");
        std::vector<std::string_view> captions;
        if (record.Caption) captions = Split(record.Caption, '\n');
        if (captions.size() > 1 && captions.size() != static_cast<size_t>(r.Count))
            Fault(std::to_string(captions.size()) + " caption lines for " + std::to_string(r.Count) + " controls");
        for (int k = 0; k < r.Count; ++k) {
            LayoutControl one = record;
            one.Repeat = {};
            one.Name = texts_.emplace_back(std::string(record.Name ? record.Name : "") + std::to_string(r.First + k)).c_str();
            one.Bounds.Left += (k % r.Columns) * r.StepX;
            one.Bounds.Top += (k / r.Columns) * r.StepY;
            one.Tag = record.Tag + k;
            if (!captions.empty()) {
                std::string caption(captions.size() > 1 ? captions[static_cast<size_t>(k)] : captions[0]);
                for (size_t at; (at = caption.find("{n}")) != std::string::npos;)
                    caption.replace(at, 3, std::to_string(k + 1));
                one.Caption = texts_.emplace_back(std::move(caption)).c_str();
            }
            expanded_.push_back(one);
        }
    }

    void Build(const LayoutControl& record) {
        std::string_view name = record.Name ? record.Name : "";
        if (name.empty()) Fault("a control needs a name");
        if (owner_->FindComponent(std::string(name))) Fault("the name is taken by another component");
        CheckProps(record.Props);
        TWinControl* parent = ParentOf(record);
        TComponent* component = Create(record.Class ? record.Class : "", owner_);
        component->SetName(std::string(name));
        component->SetTag(record.Tag);
        built_.emplace_back(&record, component);
        auto* control = dynamic_cast<TControl*>(component);
        if (!control) {
            if (record.Parent && *record.Parent) Fault("a non-visual component has no parent");
            if (!record.Enabled) {
                if (!As<TTimer>(component, [](TTimer* t) { t->SetEnabled(false); })) Fault(ClassNameOf(component) + " has no Enabled");
            }
            ApplyProps(component, record.Props, Phase::Early);
            return;
        }
        ApplyProps(control, record.Props, Phase::Early);
        const LayoutBounds& b = record.Bounds;
        control->SetBounds(b.Left, b.Top, b.Width > 0 ? b.Width : control->Width(),
                           b.Height > 0 ? b.Height : control->Height());
        control->SetVisible(record.Visible);
        control->SetEnabled(record.Enabled);
        // alNone keeps the class's own alignment (a status bar's alBottom).
        if (record.Align != alNone) control->SetAlign(record.Align);
        control->SetParent(parent);
        control->SetAnchors(record.Anchors);
        if (record.Hint) {
            control->SetShowHint(true);
            control->SetHint(record.Hint);
        }
        if (record.Items) {
            TStrings* items = ItemsOf(control);
            for (std::string_view line : Split(record.Items, '\n')) items->Add(std::string(line));
        }
        if (record.Caption) SetCaptionOf(control, record.Caption);
        if (!record.Columns.empty()) SetColumns(control, record.Columns);
        if (!record.Panels.empty()) SetPanels(control, record.Panels);
        if (record.TabOrder >= 0) {
            auto* windowed = dynamic_cast<TWinControl*>(control);
            if (!windowed) Fault(ClassNameOf(control) + " takes no focus, so it has no TabOrder");
            tabOrders_[windowed] = record.TabOrder;
        }
        ApplyProps(control, record.Props, Phase::Late);
    }

    TWinControl* ParentOf(const LayoutControl& record) {
        if (!record.Parent || !*record.Parent) return root_;
        TComponent* found = owner_->FindComponent(record.Parent);
        if (!found) Fault("the parent " + Quoted(record.Parent) + " is not loaded before it");
        auto* parent = dynamic_cast<TWinControl*>(found);
        if (!parent) Fault("the parent " + Quoted(record.Parent) + " is a " + ClassNameOf(found) + ", which holds no controls");
        return parent;
    }

    // Puts the siblings that have a TabOrder first, by it; the others follow
    // in the order they were given their parent. Then hands the order to the
    // toolkit once for the whole window.
    void ArrangeTabLists() {
        if (tabOrders_.empty()) return;
        std::vector<TWinControl*> parents;
        for (const auto& [control, order] : tabOrders_)
            if (std::find(parents.begin(), parents.end(), control->Parent()) == parents.end())
                parents.push_back(control->Parent());
        for (TWinControl* parent : parents) {
            auto key = [this](TWinControl* c) {
                auto it = tabOrders_.find(c);
                return it == tabOrders_.end() ? INT_MAX : it->second;
            };
            std::stable_sort(parent->tabList_.begin(), parent->tabList_.end(),
                             [&](TWinControl* a, TWinControl* b) { return key(a) < key(b); });
        }
        TWinControl* top = root_;
        while (top->Parent()) top = top->Parent();
        top->ApplyTabOrder();
    }

    TComponent* owner_;
    TWinControl* root_;
    std::string_view layoutName_;
    std::vector<std::pair<const LayoutControl*, TComponent*>> built_;
    // Deques: what they hold stays where it is while they grow.
    std::deque<LayoutControl> expanded_;
    std::deque<std::string> texts_;
    std::map<TWinControl*, int> tabOrders_;
};

void LoadControls(TComponent* owner, TWinControl* root, std::span<const LayoutControl> controls,
                  std::string_view layoutName) {
    LayoutLoader(owner, root, layoutName).Load(controls);
}

void LoadLayout(TForm* form, const FormLayout& layout) {
    std::string name = layout.Name && *layout.Name ? layout.Name : ClassNameOf(form);
    if (layout.Name && *layout.Name) form->SetName(layout.Name);
    try {
        CheckProps(layout.Props);
        form->SetBorderStyle(layout.BorderStyle);
        ApplyProps(form, layout.Props, Phase::Early);
        if (layout.ClientWidth > 0) form->SetClientWidth(layout.ClientWidth);
        if (layout.ClientHeight > 0) form->SetClientHeight(layout.ClientHeight);
        form->SetBounds(layout.Left, layout.Top, form->Width(), form->Height());
        form->SetPosition(layout.Position);
        if (layout.Caption) form->SetCaption(layout.Caption);
    } catch (const LayoutFault& fault) {
        throw Exception("Layout " + Quoted(name) + ", the form: " + fault.Text);
    }
    LoadControls(form, form, layout.Controls, name);
    try {
        ApplyProps(form, layout.Props, Phase::Late);
        ApplyProps(form, layout.Props, Phase::Final);
    } catch (const LayoutFault& fault) {
        throw Exception("Layout " + Quoted(name) + ", the form: " + fault.Text);
    }
}

void RegisterLayoutClass(const std::string& className, LayoutFactory factory) {
    Factories()[className] = factory;
}

namespace {

std::string Demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> plain(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                      &std::free);
    std::string name = status == 0 && plain ? std::string(plain.get()) : std::string(type.name());
    // The bare class name, without the namespaces around it.
    size_t colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

std::string OwnerTitle(const TComponent* owner) {
    std::string title = ClassNameOf(owner);
    if (!owner->Name().empty() && owner->Name() != title) title += " " + Quoted(owner->Name());
    return title;
}

}  // namespace

std::string ClassNameOf(const TObject* object) { return object ? Demangled(typeid(*object)) : "nothing"; }

TComponent* FindNamedChild(const TComponent* owner, std::string_view name) {
    TComponent* child = name.empty() ? nullptr : owner->FindComponent(std::string(name));
    if (!child) throw Exception(OwnerTitle(owner) + " has no component named " + Quoted(name));
    return child;
}

void ThrowWrongChildClass(const TComponent* owner, const TComponent* child, const std::type_info& wanted) {
    throw Exception(Quoted(child->Name()) + " of " + OwnerTitle(owner) + " is a " + ClassNameOf(child) + ", not a " +
                    Demangled(wanted));
}
