#include <gtest/gtest.h>

#include "framework/VxSNMPRequest.h"
#include "tests/support/ExceptionCodes.h"

namespace {

const VxIntPair States[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList StateNames(States);

// A request whose item 0 holds `source` and item 1 computes `expression`.
struct Computed {
    Computed(uint32_t sourceSyntax, const char* source, uint32_t syntax, const char* expression,
             const VxOptionList* sourceMap = nullptr) {
        const SnmpVarItem items[] = {{"1.3.6.1.4.1.99.1", "Source", sourceSyntax, acReadOnly, sourceMap},
                                     {"1.3.6.1.4.1.99.2", "Result", syntax, acReadOnly, nullptr, expression},
                                     {nullptr, nullptr, 0, 0}};
        request.VarList = VxSNMPVarList(items, SVT_SV, 0);
        request.VarList.GetItem(0)->Value = source;
    }
    std::string Result() {
        request.UpdateItem(1, true);
        return request.VarList.GetItem(1)->Value;
    }
    VxSNMPRequest request;
};

TEST(ItemExpressions, ResultsTakeTheFormOfTheirItemsSyntax) {
    struct Case {
        uint32_t sourceSyntax;
        const char* source;
        uint32_t syntax;
        const char* expression;
        const char* result;
    } cases[] = {
        {sxInteger, "100", sxInteger, "$0 / 3", "33"},
        {sxInteger, "100", sxInteger, "0 - $0 / 3", "-33"},
        {sxInteger, "0", sxCounter, "$0 - 1", "4294967295"},
        {sxInteger, "100", sxBoolean, "$0 - 100", "false"},
        {sxInteger, "100", sxDouble, "$0 / 8", "12.5"},
        {sxTimeTicks, "1 day 0:00:00.00", sxTimeTicks, "$0 * 2", "2 days, 0:00:00.00"},
        {sxBoolean, "true", sxInteger, "$0 + 1", "2"},
        // 64-bit counters keep every digit, also beyond a double's 15 or 16.
        {sxCounter64, "18446744073709551615", sxCounter64, "$0 - 1", "18446744073709551614"},
        {sxCounter64, "9007199254740993", sxCounter64, "$0 + 1", "9007199254740994"},
        {sxCounter64, "12345678901234567890", sxCounter64, "($0)", "12345678901234567890"},
        {sxCounter64, "5", sxCounter64, "$0 - 6", "0"},
    };
    for (const Case& c : cases) {
        Computed computed(c.sourceSyntax, c.source, c.syntax, c.expression);
        EXPECT_EQ(computed.Result(), c.result) << c.source << " " << c.expression;
    }
    Computed labelled(sxInteger, "disabled", sxInteger, "$0 * 10", &StateNames);
    EXPECT_EQ(labelled.Result(), "20");
}

TEST(ItemExpressions, ReferencesThatCannotBeComputedFail) {
    EXPECT_EQ(CodeOf([] { Computed(sxInteger, "(NULL)", sxInteger, "$0 + 1").Result(); }), -512);
    EXPECT_EQ(CodeOf([] { Computed(sxDisplayStr, "port1", sxInteger, "$0 + 1").Result(); }), -513);
    EXPECT_EQ(CodeOf([] { Computed(sxInteger, "1", sxDisplayStr, "$0 + 1").Result(); }), -513);
    EXPECT_EQ(CodeOf([] { Computed(sxInteger, "1", sxInteger, "$7 + 1").Result(); }), -513);
    Computed condition(sxDisplayStr, "port1", sxInteger, nullptr);
    EXPECT_TRUE(condition.request.MatchesCondition("$0 = \"port1\""));
}

}  // namespace
