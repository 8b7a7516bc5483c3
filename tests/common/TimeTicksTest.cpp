#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/TimeTicks.h"
#include "common/VxNumList.h"

namespace {

constexpr uint32_t Day = 8640000, Hour = 360000, Minute = 6000, Second = 100;

TEST(TimeTicks, ReadsTheTextForms) {
    struct Case {
        const char* text;
        uint32_t expected;
    } cases[] = {
        {"5 days, 3:04:05.06", 5 * Day + 3 * Hour + 4 * Minute + 5 * Second + 6},
        {"1 day, 0:00:00.00", Day},
        {"1 day 1:00:01.23", 9000123},
        {"2 days, 0:00:00.00", 2 * Day},
        {"0:20:34.56", 123456},
        {"0:00:01.00", 100},
        {"0:01:30", Minute},  // no "." adds no seconds
        {"12345", 0},         // no separator, nothing read
        {"1.5", 105},         // hundredths as written
        {"", 0},
        {"497 days, 2:27:52.95", 4294967295u},
        {"498 days, 0:00:00.00", 498u * Day},  // the sum wraps modulo 2^32
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeTicks(c.text).Value(), c.expected) << c.text;
        TimeTicks assigned;
        EXPECT_EQ((assigned = c.text).Value(), c.expected) << c.text;
    }
    EXPECT_EQ(TimeTicks(static_cast<const char*>(nullptr)).Value(), 0u);
}

TEST(TimeTicks, ReadsNoFurtherThanTheGivenText) {
    const std::string_view text("0:00:01.23456", 10);
    EXPECT_EQ(TimeTicks(text).Value(), 123u);
    const std::string_view days("3 days, 0:00", 1);
    EXPECT_EQ(TimeTicks(days).Value(), 0u);
}

TEST(TimeTicks, PrintableTextAndRoundTrip) {
    struct Case {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {123456, "0:20:34.56"},
        {Day - 1, "23:59:59.99"},
        {Day, "1 day 0:00:00.00"},
        {9000123, "1 day 1:00:01.23"},
        {2 * Day, "2 days, 0:00:00.00"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        const TimeTicks ticks(c.ticks);
        EXPECT_EQ(ticks.get_printable(), c.text);
        EXPECT_EQ(TimeTicks(ticks.get_printable()).Value(), c.ticks) << c.text;
    }
    EXPECT_EQ(TimeTicks().get_syntax(), 67);
}

// ---------------------------------------------------------------------------

TEST(VxNumList, ParsesFieldsAtTheSeparator) {
    struct Case {
        char separator;
        const char* text;
        std::vector<int> expected;
    } cases[] = {
        {'.', "1.3.6", {1, 3, 6}},
        {'.', "7", {7}},
        {'.', "", {}},
        {',', "1,2,3", {1, 2, 3}},
        {',', "1.5,20", {1, 20}},  // fraction cut off by the element type
        {',', "1.9", {1}},
        {',', "1,,3", {1, 0, 3}},
        {',', "1,", {1, 0}},
        {',', ",", {0, 0}},
        {',', "12x", {192}},  // non-digits add their distance from '0' ('x' is 72)
        {',', "99999999999", {1215752191}},  // wraps instead of overflowing
    };
    for (const auto& c : cases) {
        VxNumList<int> list;
        list.Separator = c.separator;
        list.Parse(c.text);
        EXPECT_EQ(list.Values, c.expected) << c.text;
        EXPECT_EQ(list.Count(), static_cast<int>(c.expected.size())) << c.text;
    }
}

TEST(VxNumList, ParseReplacesTheOldValues) {
    VxNumList<int> list;
    list.Parse("1.2.3");
    list.Parse("9");
    EXPECT_EQ(list.Values, std::vector<int>{9});
    list.Parse("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(VxNumList, CountFieldsAndIndexOf) {
    VxNumList<int> list;
    EXPECT_EQ(list.CountFields(""), 0);
    EXPECT_EQ(list.CountFields("7"), 1);
    EXPECT_EQ(list.CountFields("1,2,3"), 1);  // "." is the default separator
    list.Separator = ',';
    EXPECT_EQ(list.CountFields("1,2,3"), 3);

    list.Parse("4,8,4,15");
    EXPECT_EQ(list.IndexOf(4), 0);  // first of repeated values
    EXPECT_EQ(list.IndexOf(15), 3);
    EXPECT_EQ(list.IndexOf(16), -1);
}

TEST(VxNumList, UnsignedListsAndRangeCheck) {
    VxNumList<unsigned int> list;
    list.Separator = '-';
    list.Parse("4294967295-0");
    EXPECT_EQ(list.Values, (std::vector<unsigned int>{4294967295u, 0u}));

    struct Case {
        const char* text;
        bool inRange;
    } cases[] = {
        {"1-4094", true}, {"0", false}, {"4095", false}, {"10-5000-20", false}, {"", true},
    };
    for (const auto& c : cases) {
        list.Parse(c.text);
        EXPECT_EQ(list.AllInRange(1, 4094), c.inRange) << c.text;
    }
}

}  // namespace
