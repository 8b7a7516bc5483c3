#include <gtest/gtest.h>

#include "common/VxOptionList.h"

namespace {

const VxIntPair States[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxIntPair ZeroFirst[] = {{0, "none"}, {7, "3"}, {3, "other"}, {0, nullptr}};
const VxTextPair AuthProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                    {nullptr, nullptr}};
const VxTextPair Prefixes[] = {{"1.3.6.1.2.1", "mib-2"}, {"1.3.6.1.4.1", "enterprises"}, {nullptr, nullptr}};
const VxIntPair Empty[] = {{0, nullptr}};

TEST(VxOptionList, IntegerMapRendersAndParsesAndPassesUnknownTextsThrough) {
    const VxOptionList map(States);
    struct Case {
        const char* value;
        const char* label;
    } cases[] = {
        {"1", "enabled"},
        {"2", "disabled"},
        {"3", "3"},                  // unknown value shows its number
        {"(NULL)", "(NULL)"},        // framework markers are no integers
        {"(NOTDONE)", "(NOTDONE)"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(map.ValueToLabel(c.value), c.label) << c.value;

    EXPECT_EQ(map.LabelToValue("enabled"), "1");
    EXPECT_EQ(map.LabelToValue("ENABLED"), "1");  // case-insensitive
    EXPECT_EQ(map.LabelToValue("on"), "on");
    EXPECT_EQ(map.LabelToValue("3"), "3");
}

TEST(VxOptionList, NullMarkerMatchesNoValueEvenWhenZeroIsMapped) {
    const VxOptionList map(ZeroFirst);
    EXPECT_EQ(map.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(map.IndexOfValue("0"), 0);
    // A label that reads like another pair's value is found first as a label.
    EXPECT_EQ(map.IndexOfLabel("3"), 1);
    EXPECT_EQ(map.IndexOfValue("3"), 2);
}

TEST(VxOptionList, CaseSensitivityIsAFlag) {
    const VxOptionList loose(States, VxOptionList::IntegerValues, 0);
    const VxOptionList strict(States, VxOptionList::IntegerValues, 1);
    EXPECT_EQ(loose.IndexOfLabel("Disabled"), 1);
    EXPECT_EQ(strict.IndexOfLabel("Disabled"), -1);
    EXPECT_EQ(strict.IndexOfLabel("disabled"), 1);
}

TEST(VxOptionList, TextMapOfOids) {
    const VxOptionList map(AuthProtocols, VxOptionList::TextValues);
    EXPECT_EQ(map.Count(), 3);
    EXPECT_EQ(map.ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(map.LabelToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(map.ValueToLabel("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
}

TEST(VxOptionList, PrefixMapKeepsTheRemainderBothWays) {
    const VxOptionList map(Prefixes, VxOptionList::PrefixValues);
    const std::string label = map.ValueToLabel("1.3.6.1.4.1.171.12");
    EXPECT_EQ(label, "enterprises.171.12");
    EXPECT_EQ(map.LabelToValue(label), "1.3.6.1.4.1.171.12");
    EXPECT_EQ(map.ValueToLabel("1.3.6.2"), "1.3.6.2");
}

TEST(VxOptionList, EmptyAndNullTablesBuildEmptyMaps) {
    const VxOptionList empty(Empty);
    const VxOptionList null(static_cast<const VxIntPair*>(nullptr));
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(null.Count(), 0);
    EXPECT_EQ(empty.ValueToLabel("1"), "1");
    EXPECT_EQ(VxOptionList::CountPairs(States), 2u);
    EXPECT_EQ(VxOptionList::CountPairs(static_cast<const VxIntPair*>(nullptr)), 0u);
}

TEST(VxOptionList, AddPairsAppendsBehindExistingPairs) {
    VxOptionList map(States);
    map.AddPairs(ZeroFirst);
    ASSERT_EQ(map.Count(), 5);
    EXPECT_EQ(map.Item(2).Label, "none");
    map.Clear();
    EXPECT_EQ(map.Count(), 0);
}

TEST(StripQuotes, RemovesOnePairOfEnclosingQuotes) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"", ""}, {"\"", ""}, {"\"abc\"", "abc"}, {"\"abc", "\"abc"},
                 {"abc\"", "abc\""}, {"\"\"", ""}, {"a\"b", "a\"b"}};
    for (const auto& c : cases) EXPECT_EQ(StripQuotes(c.in), c.out) << c.in;
}

}  // namespace
