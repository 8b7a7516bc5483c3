#include "VxOptionList.h"

#include "platform/Text.h"

#include <limits>

#include "common/VxNumbers.h"

namespace {

template <typename PairT>
uint32_t CountTable(const PairT* table) {
    uint32_t n = 0;
    if (table)
        while (table[n].Label) ++n;
    return n;
}

}  // namespace

VxOptionList::VxOptionList(const VxIntPair* table, uint32_t kind, uint8_t caseSensitive)
    : Kind_(kind), CaseSensitive_(caseSensitive) {
    AddPairs(table);
}

VxOptionList::VxOptionList(const VxTextPair* table, uint32_t kind, uint8_t caseSensitive)
    : Kind_(kind), CaseSensitive_(caseSensitive) {
    AddPairs(table);
}

VxOptionList::~VxOptionList() { Clear(); }

uint32_t VxOptionList::CountPairs(const VxIntPair* table) { return CountTable(table); }
uint32_t VxOptionList::CountPairs(const VxTextPair* table) { return CountTable(table); }

void VxOptionList::AddPairs(const VxIntPair* table) {
    const uint32_t n = CountPairs(table);
    Pairs.reserve(Pairs.size() + n);
    for (uint32_t i = 0; i < n; ++i) {
        Pair p;
        p.IntValue = table[i].Value;
        p.TextValue = std::to_string(table[i].Value);
        p.Label = table[i].Label;
        Pairs.push_back(std::move(p));
    }
}

void VxOptionList::AddPairs(const VxTextPair* table) {
    const uint32_t n = CountPairs(table);
    Pairs.reserve(Pairs.size() + n);
    for (uint32_t i = 0; i < n; ++i) {
        Pair p;
        p.TextValue = table[i].Value ? table[i].Value : "";
        p.Label = table[i].Label;
        Pairs.push_back(std::move(p));
    }
}

void VxOptionList::Clear() { Pairs.clear(); }

std::string VxOptionList::ValueText(int index) const {
    const Pair& p = Item(index);
    return Kind_ == IntegerValues ? std::to_string(p.IntValue) : p.TextValue;
}

bool VxOptionList::TextEquals(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    if (CaseSensitive_) return a == b;
    return SameText(a, b);
}

bool VxOptionList::IsPrefixOf(std::string_view prefix, std::string_view text) const {
    return prefix.size() <= text.size() && TextEquals(prefix, text.substr(0, prefix.size()));
}

int32_t VxOptionList::IndexOfLabel(std::string_view text) const {
    for (size_t i = 0; i < Pairs.size(); ++i) {
        const bool match = Kind_ == PrefixValues ? IsPrefixOf(Pairs[i].Label, text)
                                                 : TextEquals(Pairs[i].Label, text);
        if (match) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t VxOptionList::IndexOfValue(std::string_view valueText) const {
    if (Kind_ == IntegerValues) {
        // Markers such as "(NULL)" and "(NOTDONE)", and any other text that
        // is no integer, match nothing.
        int32_t v = 0;
        if (!TryParseInt32(valueText, v)) return -1;
        for (size_t i = 0; i < Pairs.size(); ++i)
            if (Pairs[i].IntValue == v) return static_cast<int32_t>(i);
        return -1;
    }
    for (size_t i = 0; i < Pairs.size(); ++i) {
        const bool match = Kind_ == PrefixValues ? IsPrefixOf(Pairs[i].TextValue, valueText)
                                                 : TextEquals(Pairs[i].TextValue, valueText);
        if (match) return static_cast<int32_t>(i);
    }
    return -1;
}

std::string VxOptionList::ValueToLabel(const std::string& valueText) const {
    const int32_t i = IndexOfValue(valueText);
    if (i < 0) return valueText;
    const Pair& p = Item(i);
    if (Kind_ == PrefixValues) return p.Label + valueText.substr(p.TextValue.size());
    return p.Label;
}

std::string VxOptionList::LabelToValue(const std::string& labelText) const {
    const int32_t i = IndexOfLabel(labelText);
    if (i < 0) return labelText;
    const Pair& p = Item(i);
    if (Kind_ == PrefixValues) return p.TextValue + labelText.substr(p.Label.size());
    return ValueText(i);
}

std::string StripQuotes(const std::string& text) {
    if (text.empty()) return text;
    if (text.size() == 1) return text == "\"" ? std::string() : text;
    if (text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

bool TryParseInt32(std::string_view text, int32_t& value) {
    const auto number = WholeInteger(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    if (number) value = static_cast<int32_t>(*number);
    return number.has_value();
}
