#pragma once
// Value-name maps: the labels of one enumerated MIB object.
//
// A map pairs integer values (kind 1), text values (kind 2) or text prefixes
// (kind 3) with labels. Every conversion between an item's value and its text
// passes through the item's map; values and labels that the map does not know
// pass unchanged.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TComboBox;
class TRadioGroup;

// What an item record may point to as its options: a value-name map or an
// LED colour map. Lets one pointer field carry either.
class VxItemOptions {
public:
    virtual ~VxItemOptions() = default;
};

// Static pair tables, ended by a record whose label is null.
struct VxIntPair {
    int32_t Value;
    const char* Label;
};
struct VxTextPair {
    const char* Value;
    const char* Label;
};

class VxOptionList : public VxItemOptions {
public:
    enum : uint32_t { IntegerValues = 1, TextValues = 2, PrefixValues = 3 };

    struct Pair {
        int32_t IntValue = 0;    // kind 1
        std::string TextValue;   // kinds 2 and 3
        std::string Label;
    };

    VxOptionList(const VxIntPair* table, uint32_t kind = IntegerValues, uint8_t caseSensitive = 0);
    VxOptionList(const VxTextPair* table, uint32_t kind, uint8_t caseSensitive = 0);
    ~VxOptionList() override;

    VxOptionList(const VxOptionList&) = delete;
    VxOptionList& operator=(const VxOptionList&) = delete;

    static uint32_t CountPairs(const VxIntPair* table);
    static uint32_t CountPairs(const VxTextPair* table);

    void AddPairs(const VxIntPair* table);
    void AddPairs(const VxTextPair* table);
    void Clear();

    uint32_t Kind() const { return Kind_; }
    uint8_t CaseSensitive() const { return CaseSensitive_; }
    int32_t Count() const { return static_cast<int32_t>(Pairs.size()); }
    const Pair& Item(int index) const { return Pairs[static_cast<size_t>(index)]; }
    // The value of pair `index` as text (decimal for integer maps).
    std::string ValueText(int index) const;

    int32_t IndexOfLabel(std::string_view text) const;
    int32_t IndexOfValue(std::string_view valueText) const;
    std::string ValueToLabel(const std::string& valueText) const;
    std::string LabelToValue(const std::string& labelText) const;

    // Filling and selecting list controls; the item index equals the pair index.
    void FillComboBox(TComboBox* combo) const;
    void SelectComboBox(TComboBox* combo, const std::string& text) const;
    void FillRadioGroup(TRadioGroup* group) const;
    void SelectRadioGroup(TRadioGroup* group, const std::string& text) const;

private:
    bool TextEquals(std::string_view a, std::string_view b) const;
    bool IsPrefixOf(std::string_view prefix, std::string_view text) const;

    uint32_t Kind_;
    uint8_t CaseSensitive_;
    std::vector<Pair> Pairs;
};

// The inner text of a text quoted at both ends; any other text unchanged.
std::string StripQuotes(const std::string& text);

// Strict decimal integer reading: optional blanks around an optional sign and
// digits. False for anything else (such as "(NOTDONE)" or "enabled").
bool TryParseInt32(std::string_view text, int32_t& value);
