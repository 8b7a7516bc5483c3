#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "common/VxDateTime.h"
#include "common/TDateTime.h"
#include "common/VxExpression.h"
#include "platform/Exception.h"

namespace {

// ---------------------------------------------------------------------------
// Arithmetic

TEST(EvalArithmetic, PrecedenceParenthesesAndLeftGrouping) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"2*(3+4)", 14},
        {"", 0},
        {"42", 42},
        {"2*3+4", 10},
        {"2+3*4", 14},
        {"(1+2)*(3+4)", 21},
        {"((2))", 2},
        // Equal precedence groups to the left, as in arithmetic.
        {"8-2-1", 5},
        {"8/4/2", 1},
        {"8/4*2", 4},
        {"10-2*3-1", 3},
        {"1-2+3", 2},
        {"100/10/5*3", 6},
        // A parenthesised difference that is negative is written back as "-1".
        {"1-(2-3)", 2},
        {"4/(1-3)", -2},
        {"-(2+3)*2", -10},
        {"-(0-5)", 5},
        // Signs at the start and after an operator.
        {"-3", -3},
        {"-3-2", -5},
        {"-2*3", -6},
        {"2*-3", -6},
        {"2 * - 3", -6},
        {"5--3", 8},
        {"2*+3", 6},
        // Exponents belong to their number.
        {"1e-5*2", 2e-5},
        {"1e-5-1", 1e-5 - 1},
        {"1.5E+3", 1500},
        {"2.e-1", 0.2},
        // Blanks and lenient number reading.
        {" 2 * ( 3 + 4 ) ", 14},
        {"12abc+3", 15},
        {"abc", 0},
        {"5-", 5},
        {"0x10", 16},  // the C library reads hex numbers too
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(EvalArithmetic(c.text), c.expected) << c.text;
}

TEST(EvalArithmetic, ParenthesisedResultsKeepFullPrecision) {
    EXPECT_EQ(EvalArithmetic("(1/3)*3"), 1.0 / 3 * 3);
    EXPECT_EQ(EvalArithmetic("2*(1/3)"), 2 * (1.0 / 3));
    EXPECT_EQ(EvalArithmetic("(0.1+0.2)*10"), (0.1 + 0.2) * 10);
    EXPECT_EQ(EvalArithmetic("(1e300*1e10)-1"), std::numeric_limits<double>::infinity());
}

TEST(EvalArithmetic, DivisionByZeroFollowsFloatingPoint) {
    EXPECT_EQ(EvalArithmetic("1/0"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(EvalArithmetic("-1/0"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(EvalArithmetic("0/0")));
}

TEST(EvalArithmetic, NowIsTheLocalDateNumber) {
    const double before = DateTimeNow();
    const double dayEarlier = EvalArithmetic("NOW-1");
    const double lower = EvalArithmetic(" now ");
    const double after = DateTimeNow();
    EXPECT_GE(dayEarlier, before - 1);
    EXPECT_LE(dayEarlier, after - 1);
    EXPECT_GE(lower, before);
    EXPECT_LE(lower, after);
}

TEST(DateTimeNow, CountsDaysFrom30December1899WithTimeAsFraction) {
    using namespace std::chrono;
    // Read back the local date and minute; a minute that ticks over between
    // the two readings is caught by comparing with the reading before and after.
    const VxDateTime first = VxDateTime::Now();
    const double number = DateTimeNow();
    const VxDateTime last = VxDateTime::Now();

    const year_month_day date{sys_days{days{static_cast<int>(std::floor(number)) - 25569}}};
    const int minuteOfDay = static_cast<int>((number - std::floor(number)) * 24 * 60 + 1e-6);
    auto matches = [&](const VxDateTime& now) {
        return static_cast<int>(date.year()) == now.Year && static_cast<unsigned>(date.month()) == now.Month &&
               static_cast<unsigned>(date.day()) == now.Day && minuteOfDay == now.Hour * 60 + now.Minutes;
    };
    EXPECT_TRUE(matches(first) || matches(last)) << number;
    // A known anchor of the scale: 1 January 2000 is day 36526.
    EXPECT_EQ(sys_days{2000y / 1 / 1}.time_since_epoch().count() + 25569, 36526);
}

// ---------------------------------------------------------------------------
// Comparison

TEST(EvalCondition, ComparesSidesAsTexts) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"abc<abd", true},
        {"10>9", false},  // texts, not numbers
        {"9>10", true},
        {"ab<abc", true},  // a prefix is the smaller
        {"a<>b", true},
        {"1<>1", false},
        {"a>=a", true},
        {"b<=a", false},
        {"a=b", false},
        {"Abc=abc", false},  // case-sensitive
        {" \"x y\" = x y ", true},  // trimmed, enclosing quotes removed
        {"\"\"=", true},
        {"\xe9>z", true},  // bytes compare unsigned
        {"250 > 100", true},
        // Operators inside quoted texts belong to the texts.
        {"\"a<b\"=\"a<b\"", true},
        {"\"x=1\"<>\"x=2\"", true},
        // Without operator.
        {"TRUE", true},
        {"false", false},
        {" true ", true},
    };
    for (const auto& c : cases) EXPECT_EQ(EvalCondition(c.text), c.expected) << c.text;
}

TEST(EvalCondition, NowComparesAsItsNumberText) {
    EXPECT_TRUE(EvalCondition("NOW>1"));
    EXPECT_TRUE(EvalCondition("now = NOW"));  // one reading for both sides
    EXPECT_TRUE(EvalCondition("NOW<99999"));
}

TEST(EvalCondition, AnyOtherOperandIsABadLogicOperand) {
    for (const char* text : {"maybe", "", "  ", "truex", "\"true\""}) {
        try {
            EvalCondition(text);
            ADD_FAILURE() << "no exception for [" << text << "]";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "(VxCommon) Bad logic operand!") << text;
            EXPECT_EQ(e.HelpContext, 0);
        }
    }
}

// ---------------------------------------------------------------------------
// Logic

TEST(EvalLogic, OperatorsParenthesesAndQuotes) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"true", true},
        {"(a<>b)&!(c=d)", true},
        {"!(a=a)", false},
        {"!!true", true},
        {"((true))", true},
        {"true&false|true", true},    // "&" binds tighter than "|"
        {"false|true&false", false},
        {"true&(false|true)", true},
        {"a=b|c=c", true},
        // Blanks next to operators, as expanded conditions have them.
        {"a=b | c=c", true},
        {"(a=a) & (b=b)", true},
        {"a=a & !b=c", true},
        {"a=a & ! b=b", false},
        {"250 > 100 & 3 = 3", true},
        // Quoted operator characters are text, in any quoted region.
        {"\"a|b\"=\"a|b\"", true},
        {"\"x(\"=\"x(\"", true},
        {"\"a\"=\"a\" & \"b|c\"=\"b|c\"", true},
        {"(\"a)\"=\"a)\")&true", true},
        {"\"a&b\"=\"a\"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(EvalLogic(c.text), c.expected) << c.text;
}

TEST(EvalLogic, RightSideIsEvaluatedOnlyWhenNeeded) {
    // "x" would be a bad operand: it must not be looked at.
    EXPECT_TRUE(EvalLogic("true|x"));
    EXPECT_FALSE(EvalLogic("false&x"));
    EXPECT_THROW(EvalLogic("false|x"), Exception);
    EXPECT_THROW(EvalLogic("true&x"), Exception);
    EXPECT_THROW(EvalLogic("x|true"), Exception);
}

TEST(EvalLogic, BadOperandPassesUpWithItsText) {
    try {
        EvalLogic("(a=a)&(oops)");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "(VxCommon) Bad logic operand!");
    }
}

// Texts that hold values of the agent may be of any shape: chains of
// operators and signs are worked in loops, and parentheses nested deeper than
// the evaluator holds are refused, never let overflow the stack.
TEST(Evaluator, HoldsLongChainsAndRefusesNestingItCannotHold) {
    auto repeated = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    const int many = 20000;
    EXPECT_TRUE(EvalLogic(repeated("!", many) + "true"));
    EXPECT_FALSE(EvalLogic(repeated("! ", many + 1) + "true"));
    EXPECT_TRUE(EvalLogic(repeated("false|", many) + "true"));
    EXPECT_FALSE(EvalLogic(repeated("true&", many) + "false"));
    EXPECT_DOUBLE_EQ(EvalArithmetic(repeated("-", many + 1) + "5"), -5);
    EXPECT_DOUBLE_EQ(EvalArithmetic(repeated("(", 256) + "2" + repeated(")", 256) + "*3"), 6);
    EXPECT_TRUE(EvalLogic(repeated("(", 256) + "a=a" + repeated(")", 256)));

    const std::string tooDeep = "(VxCommon) Expression nested too deeply!";
    for (const std::string& text : {repeated("(", many) + "true" + repeated(")", many),
                                    "true|" + repeated("(", 257) + "true" + repeated(")", 257)}) {
        try {
            EvalLogic(text);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), tooDeep);
        }
    }
    try {
        EvalArithmetic(repeated("(", many) + "1" + repeated(")", many));
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), tooDeep);
    }
}

// ---------------------------------------------------------------------------
// Text helpers

TEST(SplitAtOperator, FirstListedOperatorThatOccursWins) {
    const char* const ops[] = {"<>", ">=", "=", nullptr};
    struct Case {
        const char* text;
        int32_t index;
        const char* left;
        const char* right;
    } cases[] = {
        {"a<>b=c", 0, "a", "b=c"},
        {"a=b<>c", 0, "a=b", "c"},  // list order, not text order
        {"x>=1", 1, "x", "1"},
        {"=x=y", 2, "", "x=y"},
        {"a<b", -1, "unchanged", "unchanged"},
    };
    for (const auto& c : cases) {
        std::string left = "unchanged", right = "unchanged";
        EXPECT_EQ(SplitAtOperator(ops, c.text, left, right), c.index) << c.text;
        EXPECT_EQ(left, c.left) << c.text;
        EXPECT_EQ(right, c.right) << c.text;
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithoutRescanning) {
    EXPECT_EQ(ReplaceAll("between [MIN] and [MAX], not [MIN]", "[MIN]", "1"), "between 1 and [MAX], not 1");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("[X][X]", "[X]", ""), "");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(FindCharRun, EndOfTheRunFromTheStart) {
    const std::string digits = "0123456789";
    struct Case {
        const char* text;
        size_t start;
        size_t expected;
    } cases[] = {
        {"12ab", 1, 2},
        {"a123", 2, 4},   // run reaches the end
        {"a123", 1, 0},   // start not in the set
        {"12ab", 5, 0},   // beyond the text
        {"12ab", 0, 0},
        {"", 1, 0},
        {"7", 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(FindCharRun(c.text, c.start, digits), c.expected) << c.text << c.start;
}

}  // namespace
