#include "VxSNMPRequest2Edits.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "common/TDateTime.h"
#include "common/TimeTicks.h"
#include "common/VxDateTime.h"
#include "common/VxEditConstraint.h"
#include "common/VxNumList.h"
#include "common/VxValueMarkers.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSyntax.h"
#include "framework/VxValueConversion.h"
#include "platform/ComCtrls.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace {

bool IsBooleanSyntax(int s) {
    const VxSyntax* row = FindSyntax(s);
    return row && row->IsBoolean();
}

// Numbers line up at the right of their column; labels and texts at the left.
TAlignment ColumnAlignmentOf(const SnmpVar& item) {
    const VxSyntax* row = FindSyntax(static_cast<int>(item.Syntax));
    const bool number = row && row->Column == ColumnAlign::Right && !item.OptionList();
    return number ? taRightJustify : taLeftJustify;
}

// Octet strings and bit strings show as hex text, two digits an octet.
bool ShowsAsHex(const SnmpVar& item) { return item.Syntax == sxBitStr || item.Syntax == sxOctetStr; }

// Byte and mask of bit position p: position 0 is the most significant bit
// of the first octet.
size_t ByteOf(int p) { return static_cast<size_t>(p) / 8; }
unsigned char MaskOf(int p) { return static_cast<unsigned char>(0x80u >> (p % 8)); }

std::vector<TEdit*> EditsOf(const ControlBinding& b) {
    std::vector<TEdit*> edits;
    for (TControl* c : b.Controls) edits.push_back(dynamic_cast<TEdit*>(c));
    return edits;
}

void NeedEdits(const std::vector<TEdit*>& edits, size_t needed) {
    if (edits.size() < needed) ThrowVxSNMP(vxTooFewControls);
}

std::string Hex2(unsigned char c) { return HexText(Octets(1, static_cast<char>(c))); }

long EditNumber(const TEdit* edit) { return static_cast<long>(LenientInteger(edit->Text())); }

// An octet of a hex edit: empty reads as 00, one character as 0 and it.
std::string HexOfEdit(const TEdit* edit) {
    const std::string t = edit->Text();
    if (t.empty()) return "00";
    if (t.size() == 1) return "0" + t;
    return t;
}

// A split over a fixed number of edits keeps them as they are for no value.
bool NullLeavesEditsAlone(SyntaxSplit split) {
    return split == SyntaxSplit::Address || split == SyntaxSplit::Ticks || split == SyntaxSplit::DateAndTime ||
           split == SyntaxSplit::DateTime || split == SyntaxSplit::FixedHex;
}

// Shows one value over several edits, by the binding's syntax.
void SplitOverEdits(const std::vector<TEdit*>& edits, int syntax, const std::string& text, const Octets& bytes) {
    const VxSyntax& row = SyntaxOf(syntax);
    if (text == "(NULL)" && NullLeavesEditsAlone(row.Split)) return;
    auto setAll = [&](const std::vector<std::string>& parts) {
        for (size_t k = 0; k < parts.size(); ++k) edits[k]->SetText(parts[k]);
    };
    std::vector<std::string> parts;
    switch (row.Split) {
    case SyntaxSplit::HexOctets:
        NeedEdits(edits, bytes.size());
        for (unsigned char c : bytes) parts.push_back(Hex2(c));
        break;
    case SyntaxSplit::Words: {
        const SubIds ids = LenientOidParse(text);
        NeedEdits(edits, ids.size());
        for (uint32_t id : ids) parts.push_back(std::to_string(id));
        break;
    }
    case SyntaxSplit::Address:
        NeedEdits(edits, 4);
        for (size_t k = 0; k < 4; ++k)
            parts.push_back(std::to_string(k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0));
        break;
    case SyntaxSplit::Ticks: {
        NeedEdits(edits, 5);
        const uint32_t t = TimeTicks(text);
        parts = {std::to_string(t / TimeTicks::PerDay), std::to_string(t % TimeTicks::PerDay / TimeTicks::PerHour),
                 std::to_string(t % TimeTicks::PerHour / TimeTicks::PerMinute),
                 std::to_string(t % TimeTicks::PerMinute / TimeTicks::PerSecond),
                 std::to_string(t % TimeTicks::PerSecond)};
        break;
    }
    case SyntaxSplit::DateAndTime: {
        NeedEdits(edits, 10);
        const VxDateTime d = VxDateTime::Parse(text);
        parts = {std::to_string(d.Year),    std::to_string(d.Month),       std::to_string(d.Day),
                 std::to_string(d.Hour),    std::to_string(d.Minutes),     std::to_string(d.Seconds),
                 std::to_string(d.DeciSeconds), std::string(1, d.Direction), std::to_string(d.UtcHours),
                 std::to_string(d.UtcMinutes)};
        break;
    }
    case SyntaxSplit::DateTime: {
        NeedEdits(edits, 7);
        const DateTimeParts p = DecodeDateTime(DoubleFromOctets(bytes));
        parts = {std::to_string(p.Year), std::to_string(p.Month),  std::to_string(p.Day),
                 std::to_string(p.Hour), std::to_string(p.Minute), std::to_string(p.Second),
                 std::to_string(p.Millisecond)};
        break;
    }
    case SyntaxSplit::FixedHex: {
        const size_t size = static_cast<size_t>(row.Size);
        NeedEdits(edits, size);
        for (size_t k = 0; k < size; ++k) parts.push_back(k < bytes.size() ? Hex2(static_cast<unsigned char>(bytes[k])) : "00");
        break;
    }
    case SyntaxSplit::Whole:
        edits[0]->SetText(text);
        return;
    }
    setAll(parts);
}

// Reads one value back from several edits, by the binding's syntax.
std::string JoinEdits(const std::vector<TEdit*>& edits, int syntax) {
    std::string text;
    auto joinNumbers = [&](size_t n) {
        for (size_t k = 0; k < n; ++k) text += (k ? "." : "") + std::to_string(EditNumber(edits[k]));
    };
    const VxSyntax& row = SyntaxOf(syntax);
    switch (row.Split) {
    case SyntaxSplit::HexOctets:
        for (const TEdit* e : edits) text += HexOfEdit(e);
        return text;
    case SyntaxSplit::Words: joinNumbers(edits.size()); return text;
    case SyntaxSplit::Address:
        NeedEdits(edits, 4);
        joinNumbers(4);
        return text;
    case SyntaxSplit::Ticks: {
        NeedEdits(edits, 5);
        const uint64_t t = static_cast<uint64_t>(EditNumber(edits[0])) * TimeTicks::PerDay +
                           EditNumber(edits[1]) * TimeTicks::PerHour + EditNumber(edits[2]) * TimeTicks::PerMinute +
                           EditNumber(edits[3]) * TimeTicks::PerSecond + EditNumber(edits[4]);
        return TimeTicks(static_cast<uint32_t>(t)).get_printable();
    }
    case SyntaxSplit::DateAndTime: {
        NeedEdits(edits, 10);
        VxDateTime d;
        d.Year = static_cast<uint16_t>(EditNumber(edits[0]));
        d.Month = static_cast<uint8_t>(EditNumber(edits[1]));
        d.Day = static_cast<uint8_t>(EditNumber(edits[2]));
        d.Hour = static_cast<uint8_t>(EditNumber(edits[3]));
        d.Minutes = static_cast<uint8_t>(EditNumber(edits[4]));
        d.Seconds = static_cast<uint8_t>(EditNumber(edits[5]));
        d.DeciSeconds = static_cast<uint8_t>(EditNumber(edits[6]));
        const std::string direction = edits[7]->Text();
        d.Direction = direction.empty() ? '+' : direction[0];
        d.UtcHours = static_cast<uint8_t>(EditNumber(edits[8]));
        d.UtcMinutes = static_cast<uint8_t>(EditNumber(edits[9]));
        return VxDateTime::Format(d);
    }
    case SyntaxSplit::DateTime: {
        NeedEdits(edits, 7);
        DateTimeParts p;
        p.Year = static_cast<int>(EditNumber(edits[0]));
        p.Month = static_cast<int>(EditNumber(edits[1]));
        p.Day = static_cast<int>(EditNumber(edits[2]));
        p.Hour = static_cast<int>(EditNumber(edits[3]));
        p.Minute = static_cast<int>(EditNumber(edits[4]));
        p.Second = static_cast<int>(EditNumber(edits[5]));
        p.Millisecond = static_cast<int>(EditNumber(edits[6]));
        return FormatDateTime(EncodeDateTime(p));
    }
    case SyntaxSplit::FixedHex: {
        const size_t size = static_cast<size_t>(row.Size);
        NeedEdits(edits, size);
        for (size_t k = 0; k < size; ++k) text += HexOfEdit(edits[k]);
        return text;
    }
    case SyntaxSplit::Whole: break;
    }
    return edits[0]->Text();
}

// The selected entry's text; a list with nothing selected reads as empty.
std::string SelectedText(TStrings* items, int index) {
    return index >= 0 && index < items->Count() ? items->Get(index) : std::string();
}

}  // namespace

bool AcceptTypedValue(TEdit* edit, int syntax, const std::string& label, const VxOptionList* map) {
    const std::string text = edit->Text();
    if (IsMissingValueText(text)) return true;  // shown as read: the write leaves it out
    const auto needs = CheckValueText(syntax, map ? map->LabelToValue(text) : text);
    if (!needs) return true;
    TForm* form = GetParentForm(edit);
    MessageBoxA(form ? form->Handle() : nullptr, RefusedValueMessage(label, text, *needs), "Warning", MB_OK);
    if (edit->CanFocus()) edit->SetFocus();
    return false;
}

VxSNMPRequest2Edits::VxSNMPRequest2Edits(TWinControl* owner)
    : VxSNMPRequest2Controls(owner), Constraints(std::make_unique<VxEditConstraint>(dynamic_cast<TForm*>(owner), 1)) {}

VxSNMPRequest2Edits::~VxSNMPRequest2Edits() {
    for (auto& binding : Bindings)
        for (size_t k = 0; k < binding->Controls.size(); ++k) UnhookControl(*binding, k);
    if (ListView) ListView->OnSelectItem = SavedListViewSelectItem;
}

// ---- list view -------------------------------------------------------------

void VxSNMPRequest2Edits::BindListView(TListView* listView, uint8_t enableOnSelect) {
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    SavedListViewSelectItem = listView->OnSelectItem;
    listView->OnSelectItem = TLVSelectItemEvent(this, &VxSNMPRequest2Edits::ListViewSelectItem);
    ListView = listView;
    EnableOnSelect = enableOnSelect;
    BuildColumns();
}

std::vector<int> VxSNMPRequest2Edits::ListedItems() const {
    // Unlisted items first (as hidden columns), then the visible ones.
    const VxSNMPVarList& list = Request.VarList;
    const int count = static_cast<int>(list.GetCount());
    std::vector<int> order;
    for (int i = 0; i < count; ++i)
        if (list.IsUnlisted(i)) order.push_back(i);
    for (int i = 0; i < count; ++i)
        if (list.IsVisible(i) && !list.IsUnlisted(i)) order.push_back(i);
    return order;
}

void VxSNMPRequest2Edits::BuildColumns() {
    if (!ListView) return;
    const VxSNMPVarList& list = Request.VarList;
    const int needed = list.CountVisible() + list.CountUnlisted();
    TListColumns* columns = ListView->Columns();
    if (columns->Count() >= needed) {
        // Columns the list view had already: their order is fixed now (a
        // list of another size has another order).
        if (ColumnItems.size() != static_cast<size_t>(needed)) ColumnItems = ListedItems();
        return;
    }
    columns->Clear();
    ColumnItems = ListedItems();
    for (int i : ColumnItems) {
        TListColumn* column = columns->Add();
        column->SetCaption(list.GetItem(i)->Label);
        column->SetAutoSize(false);
        column->SetWidth(list.IsUnlisted(i) ? 0 : -2);  // hidden, or fitting its caption
        // The first column holds the row's caption, which the list always
        // shows at the left.
        if (columns->Count() > 1) column->SetAlignment(ColumnAlignmentOf(*list.GetItem(i)));
        // A port list of the whole stack is 192 hex digits: its column shows
        // one unit's 64 ports (16 digits, and the mark that the text goes
        // on) and leaves the other columns in view; the cell's tooltip holds
        // the whole list.
        if (ShowsAsHex(*list.GetItem(i))) column->SetMaxTextWidth(ListView->TextWidth(std::string(18, 'F')));
    }
}

// Rows go into the columns as they were built, and are read back from them
// the same way, whatever the access words say now: an item left out of one
// read or write keeps its column (empty meanwhile), so no value moves under
// another item's header and a selected row keeps its own index.
void VxSNMPRequest2Edits::AddRow() {
    TListItem* row = ListView->Items()->Add();
    row->SubItems()->SetCapacity(static_cast<int>(ColumnItems.size()) - 1);
    bool first = true;
    for (int i : ColumnItems) {
        const VxSNMPVarList& list = Request.VarList;
        const std::string text = list.IsLeftOut(i) ? std::string() : list.GetItem(i)->Value;  // not read
        if (first) row->SetCaption(text);
        else row->SubItems()->Add(text);
        first = false;
    }
}

void VxSNMPRequest2Edits::LoadSelectedRow() {
    if (!ListView) return;
    TListItem* row = ListView->Selected();
    if (!row) return;
    for (size_t c = 0; c < ColumnItems.size(); ++c) {
        std::string text;
        if (c == 0) text = row->Caption();
        else if (static_cast<int>(c) - 1 < row->SubItems()->Count()) text = row->SubItems()->Get(static_cast<int>(c) - 1);
        Request.VarList.GetItem(ColumnItems[c])->Value = text;
    }
}

void VxSNMPRequest2Edits::ListViewSelectItem(TObject* sender, TListItem* item, bool selected) {
    SavedListViewSelectItem(sender, item, selected);
    if (!selected) return;
    if (EnableOnSelect) EnableControls(true);
    LoadSelectedRow();
    // A value that the row lacks shows no value, never the one of the row
    // selected before (edits split over an address keep their texts then).
    ClearEdits();
    ValuesToControls(-1);
    Modified = 0;
}

// ---- the controller's steps --------------------------------------------------

void VxSNMPRequest2Edits::BeforeRefresh() {
    if (!ListView) return;
    BuildColumns();
    ListView->Items()->Clear();
    // The selected row went with the rows: controls that showed it show
    // none, where the window asks for that, so that no value of a row stays
    // beside the emptied fields of another.
    if (!OnNoRow) return;
    ShowNoRow();
    OnNoRow(ListView);
}

void VxSNMPRequest2Edits::ShowRow() {
    if (!ListView) {
        ValuesToControls(-1);
        return;
    }
    AddRow();
    // Rows appear while the walk runs, and the window stays usable. An
    // asynchronous walk returns to the message loop after every row anyway;
    // a blocking one lets it run here (a close meanwhile ends the walk).
    if (!Async) LetMessagesRun();
}

void VxSNMPRequest2Edits::ReadControls() {
    for (uint32_t i = 0; i < Request.VarList.GetCount(); ++i) Request.VarList.GetItem(static_cast<int>(i))->Value.clear();
    if (ListView) LoadSelectedRow();
    ControlsToValues(-1);
}

void VxSNMPRequest2Edits::AfterRefresh() {
    Modified = 0;
    if (ListView && EnableOnSelect && Request.VarList.Kind == MVT_FMV) EnableControls(false);
}

// ---- binding -----------------------------------------------------------------

void VxSNMPRequest2Edits::BindLabel(int item, TLabel* label) {
    BindControl(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, label);
}

void VxSNMPRequest2Edits::BindStaticText(int item, TStaticText* text) {
    BindControl(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, text);
}

void VxSNMPRequest2Edits::BindCheckBox(int item, TCheckBox* box) {
    BindControl(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, box);
}

void VxSNMPRequest2Edits::BindComboBox(int item, TComboBox* combo) {
    combo->SetStyle(csDropDownList);
    BindControl(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, combo);
}

void VxSNMPRequest2Edits::BindControl(int item, int offset, int syntax, const VxOptionList* map, TControl* first,
                                      TControl* second, int radioFill) {
    const SnmpVar& var = *Request.VarList.GetItem(item);
    const VxOptionList* effective = map;
    if (!effective && offset == 0 && syntax == static_cast<int>(var.Syntax)) effective = var.OptionList();
    auto* combo = dynamic_cast<TComboBox*>(first);
    auto* radio = dynamic_cast<TRadioGroup*>(first);
    if ((combo || radio) && !effective) ThrowVxSNMP(vxNoOptionList);
    if (combo) {
        if (effective->Kind() == VxOptionList::PrefixValues && !second) ThrowVxSNMP(vxTooFewControls);
        effective->FillComboBox(combo);
    }
    if (radio) {
        (void)radioFill;  // the maps fill one button per pair whatever the argument
        effective->FillRadioGroup(radio);
    }
    std::vector<TControl*> controls{first};
    if (second) controls.push_back(second);
    AddHookedBinding(item, offset, syntax, map, {}, controls);
}

void VxSNMPRequest2Edits::BindFormatted(int item, const std::string& format, const std::vector<TControl*>& controls) {
    // One control per "%" code with a known type letter, in order.
    std::vector<TControl*> taken;
    size_t next = 0;
    for (size_t at = format.find('%'); at != std::string::npos && at + 1 < format.size();
         at = format.find('%', at + 2)) {
        if (std::string("shiufn").find(format[at + 1]) == std::string::npos) continue;
        if (next < controls.size()) taken.push_back(controls[next++]);
    }
    std::vector<TEdit*> edits;
    for (TControl* c : taken)
        if (auto* edit = dynamic_cast<TEdit*>(c)) edits.push_back(edit);
    Constraints->Attach(format, edits);
    AddBinding(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, format, taken);
}

void VxSNMPRequest2Edits::BindValueList(int item, const std::string& positions, const std::vector<TControl*>& controls) {
    BindValueListCtrls(item, positions, controls);
}

void VxSNMPRequest2Edits::BindValueListCtrls(int item, const std::string& positions,
                                             const std::vector<TControl*>& controls) {
    AddPositionBinding(item, 0, static_cast<int>(Request.VarList.GetItem(item)->Syntax), nullptr, positions, controls);
}

void VxSNMPRequest2Edits::AddPositionBinding(int item, int offset, int syntax, const VxOptionList* map,
                                             const std::string& positions, const std::vector<TControl*>& controls) {
    VxNumList<int> numbers;
    numbers.Separator = ',';
    numbers.Parse(positions);
    if (controls.size() < static_cast<size_t>(numbers.Count())) ThrowListIndexError(static_cast<int>(controls.size()));
    AddHookedBinding(item, offset, syntax, map, numbers.Values,
                     std::vector<TControl*>(controls.begin(), controls.begin() + numbers.Count()));
}

void VxSNMPRequest2Edits::AddBinding(int item, int offset, int syntax, const VxOptionList* map, const std::string&,
                                     const std::vector<TControl*>& controls) {
    AddHookedBinding(item, offset, syntax, map, {}, controls);
}

void VxSNMPRequest2Edits::AddHookedBinding(int item, int offset, int syntax, const VxOptionList* map,
                                           std::vector<int> positions, const std::vector<TControl*>& controls) {
    auto binding = std::make_unique<ControlBinding>();
    binding->Item = item;
    binding->Offset = offset;
    binding->Syntax = syntax;
    binding->Options = map;
    binding->Count = static_cast<int>(controls.size());
    binding->Positions = std::move(positions);
    binding->Controls = controls;
    binding->SavedHandlers.resize(controls.size());
    for (size_t k = 0; k < controls.size(); ++k) HookControl(*binding, k);
    Bindings.push_back(std::move(binding));
}

void VxSNMPRequest2Edits::Unbind(int item) {
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        ControlBinding& b = **it;
        if (b.Item != item) {
            ++it;
            continue;
        }
        for (size_t k = 0; k < b.Controls.size(); ++k) {
            if (auto* edit = dynamic_cast<TEdit*>(b.Controls[k])) Constraints->Detach(edit);
            UnhookControl(b, k);
        }
        it = Bindings.erase(it);
    }
}

void VxSNMPRequest2Edits::SetConstraintOwner(TForm* form) { Constraints->SetOwner(form); }

void VxSNMPRequest2Edits::ClearEdits() {
    for (auto& b : Bindings)
        for (TControl* c : b->Controls)
            if (auto* edit = dynamic_cast<TEdit*>(c)) edit->SetText("");
}

void VxSNMPRequest2Edits::EnableControls(bool enabled) {
    for (auto& b : Bindings)
        for (TControl* c : b->Controls) c->SetEnabled(enabled);
}

// ---- change hooks ------------------------------------------------------------

TNotifyEvent* VxSNMPRequest2Edits::ChangeEventOf(TControl* control) {
    if (auto* combo = dynamic_cast<TComboBox*>(control)) return &combo->OnChange;
    if (dynamic_cast<TRadioGroup*>(control) || dynamic_cast<TCheckBox*>(control)) return &control->OnClick;
    return nullptr;
}

void VxSNMPRequest2Edits::HookControl(ControlBinding& binding, size_t k) {
    TNotifyEvent* event = ChangeEventOf(binding.Controls[k]);
    if (!event) return;
    const TNotifyEvent hook(this, &VxSNMPRequest2Edits::ControlChanged);
    if (*event == hook) {
        // Bound before: the control's own handler is the one saved then, so
        // the hook never calls itself.
        for (auto& other : Bindings)
            for (size_t j = 0; j < other->Controls.size(); ++j)
                if (other->Controls[j] == binding.Controls[k] && other->SavedHandlers[j])
                    binding.SavedHandlers[k] = other->SavedHandlers[j];
        return;
    }
    binding.SavedHandlers[k] = *event;
    *event = hook;
}

void VxSNMPRequest2Edits::UnhookControl(ControlBinding& binding, size_t k) {
    TControl* control = binding.Controls[k];
    TNotifyEvent* event = ChangeEventOf(control);
    if (!event) return;
    // A control that another binding still hooks keeps the hook.
    for (auto& other : Bindings)
        if (other.get() != &binding &&
            std::find(other->Controls.begin(), other->Controls.end(), control) != other->Controls.end())
            return;
    *event = binding.SavedHandlers[k];
}

void VxSNMPRequest2Edits::ControlChanged(TObject* sender) {
    for (auto& b : Bindings)
        for (size_t k = 0; k < b->Controls.size(); ++k)
            if (b->Controls[k] == sender && b->SavedHandlers[k]) {
                Modified = 1;
                b->SavedHandlers[k](sender);
                return;  // the control's own handler runs once
            }
}

// ---- values to and from controls ------------------------------------------------

const VxOptionList* VxSNMPRequest2Edits::MapOf(const ControlBinding& b) const {
    if (b.Options) return b.Options;
    const SnmpVar& var = *Request.VarList.GetItem(b.Item);
    if (b.Offset == 0 && b.Syntax == static_cast<int>(var.Syntax)) return var.OptionList();
    return nullptr;
}

void VxSNMPRequest2Edits::ValuesToControls(int item) {
    const VxCountScope showing(Showing, Watch());
    for (auto& b : Bindings) {
        if (item >= 0 && b->Item != item) continue;
        if (Request.VarList.IsLeftOut(b->Item)) continue;
        ShowBinding(*b);
    }
}

void VxSNMPRequest2Edits::ShowBinding(ControlBinding& b) {
    const SnmpVar& var = *Request.VarList.GetItem(b.Item);
    std::string text = RawValueText(var);
    b.Missing.clear();
    if (IsMissingValueText(text)) return ShowMissing(b, text);
    if (auto* combo = dynamic_cast<TComboBox*>(b.Controls.front())) combo->SetPlaceholderText("");
    Octets bytes = TextToOctets(text, static_cast<int>(var.Syntax));
    const bool part = b.Offset != 0 || b.Syntax != static_cast<int>(var.Syntax);
    if (part) {
        bytes = ExtractPart(bytes, b.Offset, b.Syntax);
        text = OctetsToText(bytes, b.Syntax);
    }
    const VxOptionList* map = MapOf(b);
    if (map) text = map->ValueToLabel(text);

    TControl* first = b.Controls.front();
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        label->SetCaption(text);
    } else if (auto* staticText = dynamic_cast<TStaticText*>(first)) {
        staticText->SetCaption(text);
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (!b.Positions.empty()) {
            // Standard agents send port lists of any length: bits the value
            // does not reach show unticked.
            for (size_t k = 0; k < b.Controls.size(); ++k) {
                const int p = b.Positions[k];
                const bool set = ByteOf(p) < bytes.size() && (static_cast<unsigned char>(bytes[ByteOf(p)]) & MaskOf(p));
                static_cast<TCheckBox*>(b.Controls[k])->SetChecked(set);
            }
        } else if (map) {
            int i = map->IndexOfLabel(text);
            if (i < 0) i = map->IndexOfValue(text);
            box->SetChecked(i > 0);
        } else {
            if (!IsBooleanSyntax(b.Syntax)) ThrowVxSNMP(vxBadPartSyntax);
            box->SetChecked(text == "true");
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        map->SelectComboBox(combo, text);
        if (b.Controls.size() > 1) {
            const size_t prefix = SelectedText(combo->Items(), combo->ItemIndex()).size();
            std::string rest = prefix < text.size() ? text.substr(prefix) : std::string();
            if (!rest.empty() && b.Syntax == sxObjectId) rest.erase(0, 1);
            if (auto* edit = dynamic_cast<TEdit*>(b.Controls[1])) edit->SetText(rest);
        }
    } else if (auto* radio = dynamic_cast<TRadioGroup*>(first)) {
        map->SelectRadioGroup(radio, text);
    } else if (auto* edit = dynamic_cast<TEdit*>(first)) {
        if (b.Controls.size() == 1) edit->SetText(text);
        else SplitOverEdits(EditsOf(b), b.Syntax, text, bytes);
        // A shown value is what a refused entry falls back to.
        for (TControl* c : b.Controls)
            if (auto* e = dynamic_cast<TEdit*>(c)) Constraints->SaveText(e);
    } else {
        ThrowVxSNMP(vxBadControlType);
    }
}

void VxSNMPRequest2Edits::ShowNoRow() {
    const VxCountScope showing(Showing, Watch());
    for (auto& b : Bindings) {
        b->Missing.clear();
        ShowNoValue(*b, "");
    }
    Modified = 0;
}

void VxSNMPRequest2Edits::ShowMissing(ControlBinding& b, const std::string& text) {
    ShowNoValue(b, text);
    b.MissingReadBack = ReadBackOf(b);
    b.Missing = text;
}

void VxSNMPRequest2Edits::ShowNoValue(ControlBinding& b, const std::string& text) {
    bool first = true;
    for (TControl* c : b.Controls) {
        if (auto* label = dynamic_cast<TLabel*>(c)) label->SetCaption(text);
        else if (auto* staticText = dynamic_cast<TStaticText*>(c)) staticText->SetCaption(text);
        else if (auto* box = dynamic_cast<TCheckBox*>(c)) box->SetChecked(false);
        else if (auto* radio = dynamic_cast<TRadioGroup*>(c)) radio->SetItemIndex(-1);
        else if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            combo->SetItemIndex(-1);
            combo->SetPlaceholderText(text);
        } else if (auto* edit = dynamic_cast<TEdit*>(c)) {
            // One edit says it; the others of a split value stay empty.
            edit->SetText(first ? text : std::string());
            Constraints->SaveText(edit);
        }
        first = false;
    }
}

ControlBinding::ReadBack VxSNMPRequest2Edits::ReadBackOf(const ControlBinding& b) {
    ControlBinding::ReadBack back;
    try {
        back.Read = ReadBinding(b, back.Part, &back.Typed);
    } catch (const Exception&) {
        back = {};  // controls that show no value may read as none
    }
    return back;
}

const std::string* VxSNMPRequest2Edits::UntouchedMissing(int item) {
    const std::string* missing = nullptr;
    for (auto& b : Bindings) {
        if (b->Item != item) continue;
        if (b->Missing.empty() || ReadBackOf(*b) != b->MissingReadBack) return nullptr;
        missing = &b->Missing;
    }
    return missing;
}

bool VxSNMPRequest2Edits::ReadBinding(const ControlBinding& b, Octets& part, std::string* typed) {
    TControl* first = b.Controls.front();
    std::string text;
    if (auto* label = dynamic_cast<TLabel*>(first)) {
        text = label->Caption();
    } else if (auto* staticText = dynamic_cast<TStaticText*>(first)) {
        text = staticText->Caption();
    } else if (dynamic_cast<TCheckBox*>(first) && !b.Positions.empty()) {
        part.clear();
        for (size_t k = 0; k < b.Controls.size(); ++k) {
            const int p = b.Positions[k];
            while (part.size() <= ByteOf(p)) part += '\0';
            auto& byte = reinterpret_cast<unsigned char&>(part[ByteOf(p)]);
            if (static_cast<TCheckBox*>(b.Controls[k])->Checked()) byte |= MaskOf(p);
            else byte &= static_cast<unsigned char>(~MaskOf(p));
        }
        return true;
    } else if (auto* box = dynamic_cast<TCheckBox*>(first)) {
        if (const VxOptionList* map = MapOf(b)) {
            text = map->Item(box->Checked() ? 1 : 0).Label;
        } else {
            if (!IsBooleanSyntax(b.Syntax)) ThrowVxSNMP(vxBadPartSyntax);
            text = box->Checked() ? "true" : "false";
        }
    } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
        text = SelectedText(combo->Items(), combo->ItemIndex());
        if (b.Controls.size() > 1) {
            if (b.Syntax == sxObjectId) text += ".";
            if (auto* edit = dynamic_cast<TEdit*>(b.Controls[1])) text += edit->Text();
        }
    } else if (auto* radio = dynamic_cast<TRadioGroup*>(first)) {
        text = SelectedText(radio->Items(), radio->ItemIndex());
    } else if (auto* edit = dynamic_cast<TEdit*>(first)) {
        text = b.Controls.size() == 1 ? edit->Text() : JoinEdits(EditsOf(b), b.Syntax);
    } else {
        return false;
    }
    if (const VxOptionList* map = MapOf(b)) text = map->LabelToValue(text);
    part = TextToOctets(text, b.Syntax);
    if (typed) *typed = text;
    return true;
}

void VxSNMPRequest2Edits::ControlsToValues(int item) {
    VxSNMPVarList& list = Request.VarList;
    for (int i = 0; i < static_cast<int>(list.GetCount()); ++i) {
        if (item >= 0 && i != item) continue;
        if (!list.IsWritable(i)) continue;
        SnmpVar& var = *list.GetItem(i);
        if (const std::string* missing = UntouchedMissing(i)) {
            var.Value = *missing;  // left out of the write
            continue;
        }
        Octets bytes = TextToOctets(RawValueText(var), static_cast<int>(var.Syntax));
        bool first = true, any = false;
        std::optional<std::string> typedWhole;  // the text of a control that holds the whole value
        for (auto& b : Bindings) {
            if (b->Item != i) continue;
            // A text item takes exactly what its first control holds.
            if (first && var.Syntax == sxDisplayStr) bytes.clear();
            first = false;
            any = true;
            Octets part;
            std::string typed;
            if (!ReadBinding(*b, part, &typed)) continue;
            if (b->Offset == 0 && b->Syntax == static_cast<int>(var.Syntax)) typedWhole = typed;
            const size_t end = static_cast<size_t>(b->Offset) + part.size();
            if (bytes.size() < end) bytes.resize(end, '\0');
            std::copy(part.begin(), part.end(), bytes.begin() + b->Offset);
        }
        if (!any) continue;
        var.Value = LabelledText(var, OctetsToText(bytes, static_cast<int>(var.Syntax)));
        // The octets would turn a loosely typed address ("10.0.0.1.3",
        // "256.1.1.1") into another one: an address index keeps the text as
        // typed, so that writing the row's instance refuses it.
        if (typedWhole && static_cast<uint32_t>(i) < list.IndexCount && SyntaxOf(static_cast<int>(var.Syntax)).Wire == SyntaxWire::IpAddress &&
            !IsAddressText(*typedWhole))
            var.Value = *typedWhole;
    }
}

void ShowRowCount(TControl* countText, const VxSNMPRequest2Edits* controller) {
    if (!countText || !controller || !controller->ListView) return;
    const std::string count = std::to_string(controller->ListView->Items()->Count());
    if (auto* staticText = dynamic_cast<TStaticText*>(countText)) staticText->SetCaption(count);
    else if (auto* label = dynamic_cast<TLabel*>(countText)) label->SetCaption(count);
}
