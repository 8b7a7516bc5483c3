// A stack port number shown as unit and port, and back.

#include <gtest/gtest.h>

#include "dialogbase/StackPortFields.h"

namespace {

TEST(StackPortFields, NumbersShowAsUnitAndPortAndBack) {
    struct Case { int number; const char* unit; const char* port; };
    for (const Case& c : {Case{1, "1", "1"}, Case{50, "1", "50"}, Case{64, "1", "64"}, Case{65, "2", "1"},
                          Case{128, "2", "64"}, Case{705, "12", "1"}, Case{768, "12", "64"}}) {
        SCOPED_TRACE(c.number);
        const UnitAndPortText text = UnitAndPortOf(c.number);
        EXPECT_EQ(text.Unit, c.unit);
        EXPECT_EQ(text.Port, c.port);
        EXPECT_EQ(StackPortOf(std::stoi(c.unit), std::stoi(c.port)), c.number);
    }
    // No port: nothing to show but zeros.
    EXPECT_EQ(UnitAndPortOf(0).Unit + "/" + UnitAndPortOf(0).Port, "0/0");
    // Typed values are not limited: unit 13 gives a number beyond the stack.
    EXPECT_EQ(StackPortOf(13, 1), 769);
}

}  // namespace
