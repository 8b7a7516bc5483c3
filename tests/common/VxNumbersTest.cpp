#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/VxNumbers.h"

namespace {

TEST(Numbers, LenientReadersTakeTheNumberAtTheFront) {
    struct Case {
        const char* text;
        long long integer;
        double real;
    } cases[] = {
        {"42", 42, 42},
        {"  -17xyz", -17, -17},
        {"+8", 8, 8},
        {"12abc", 12, 12},
        {"abc", 0, 0},
        {"", 0, 0},
        {"3.75", 3, 3.75},
        {"-2e3", -2, -2000},
        {"0x10", 0, 16},  // the C library reads hex digits as a real number
        {"99999999999999999999", std::numeric_limits<long long>::max(), 1e20},
        {"-99999999999999999999", std::numeric_limits<long long>::min(), -1e20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LenientInteger(c.text), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(LenientDouble(c.text), c.real) << c.text;
    }
    EXPECT_EQ(LenientUnsigned64("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(LenientUnsigned64("18446744073709551614"), UINT64_MAX - 1);
    EXPECT_EQ(LenientUnsigned64("-5"), 0u);
    EXPECT_EQ(LenientUnsigned64("1e30"), UINT64_MAX);
    EXPECT_EQ(LenientWrapped32("4294967297"), 1u);
    EXPECT_EQ(LenientWrapped32("-1"), 4294967295u);
}

TEST(Numbers, StrictReadersTakeOnlyOneWholeNumberWithinItsBounds) {
    EXPECT_EQ(WholeInteger(" -2147483648 ", INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(WholeInteger("2147483648", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(WholeInteger("12abc", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(WholeInteger("1.0", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(WholeInteger("", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(WholeInteger("-", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(WholeUnsigned("18446744073709551615", UINT64_MAX), UINT64_MAX);
    EXPECT_EQ(WholeUnsigned("18446744073709551616", UINT64_MAX), std::nullopt);
    EXPECT_EQ(WholeUnsigned("4294967296", UINT32_MAX), std::nullopt);
    EXPECT_EQ(WholeUnsigned("-1", UINT32_MAX), std::nullopt);
    EXPECT_EQ(WholeUnsigned("-0", UINT32_MAX), 0u);
    EXPECT_EQ(WholeReal("-2.5e1"), -25.0L);
    EXPECT_EQ(WholeReal("1.5x"), std::nullopt);
    EXPECT_EQ(WholeReal("inf"), std::nullopt);
}

TEST(Numbers, SaturatedConversionsOfResults) {
    EXPECT_EQ(SaturatedInteger(-1.9L), -1);
    EXPECT_EQ(SaturatedInteger(1e30L), std::numeric_limits<long long>::max());
    EXPECT_EQ(SaturatedInteger(std::nanl("")), 0);
    EXPECT_EQ(SaturatedUnsigned64(18446744073709551615.0L), UINT64_MAX);
    EXPECT_EQ(SaturatedUnsigned64(-3.0L), 0u);
}

}  // namespace
