#include <gtest/gtest.h>

#include <set>

#include "framework/SnmpVarItem.h"
#include "framework/VxOctets.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSNMPVarList.h"
#include "framework/VxSyntax.h"
#include "tests/support/ExceptionCodes.h"

namespace {

TEST(SyntaxTable, OneRowPerSyntaxCodeInTheOrderOfTheNameMap) {
    std::set<uint32_t> codes;
    int position = 0;
    for (const VxSyntax* row = SyntaxTableBegin(); row != SyntaxTableEnd(); ++row, ++position) {
        EXPECT_TRUE(codes.insert(row->Code).second) << row->Name;
        EXPECT_EQ(SnmpSyntaxNames.Item(position).Label, row->Name);
        EXPECT_EQ(FindSyntax(static_cast<int>(row->Code)), row);
        // Only the parts of octet strings never go on the wire or into an instance.
        const bool part = row->Code >= sxBool8 && row->Code <= sxUInt16;
        EXPECT_EQ(row->Wire == SyntaxWire::None, part) << row->Name;
        EXPECT_EQ(row->Index == SyntaxIndex::None, part) << row->Name;
    }
    EXPECT_EQ(codes.size(), 26u);
    EXPECT_EQ(SnmpSyntaxNames.ValueToLabel("67"), "timeticks");
    EXPECT_EQ(FindSyntax(7), nullptr);
    EXPECT_EQ(CodeOf([] { SyntaxOf(7); }), -511);
    EXPECT_EQ(CodeOf([] { CheckValueText(7, "1"); }), -511);
}

TEST(SyntaxTable, TypedValuesAreCheckedByTheirSyntax) {
    struct Case {
        uint32_t syntax;
        const char* text;
        bool holds;
    } cases[] = {
        {sxIpAddress, "10.90.90.90", true},
        {sxIpAddress, " 10.0.0.1 ", true},
        {sxIpAddress, "300.1.1.1", false},
        {sxIpAddress, "10.1.2", false},
        {sxIpAddress, "10.1.2.3.4", false},
        {sxIpAddress, "10.1..3", false},
        {sxIpAddress, "a.b.c.d", false},
        {sxInteger, "-2147483648", true},
        {sxInteger, "4294967295", false},
        {sxInteger, "12abc", false},
        {sxInteger, "", false},
        {sxCounter, "4294967295", true},
        {sxGauge, "-1", false},
        {sxCounter64, "18446744073709551615", true},
        {sxCounter64, "18446744073709551616", false},
        {sxUInt8, "255", true},
        {sxUInt8, "256", false},
        {sxInt16, "-32768", true},
        {sxTimeTicks, "0:20:34.56", true},
        {sxTimeTicks, "1 day 1:00:01.23", true},
        {sxTimeTicks, "5 days, 3:04:05.06", true},
        {sxTimeTicks, "497 days, 2:27:52.95", true},   // 4294967295 ticks
        {sxTimeTicks, "497 days, 2:27:52.96", false},  // one more
        {sxTimeTicks, "500", false},
        {sxTimeTicks, "0:60:00.00", false},
        {sxTimeTicks, "0:01:30", false},
        {sxTimeTicks, "1 day 24:00:00.00", false},
        {sxMacAddress, "00802F1A2B3C", true},
        {sxMacAddress, "00 80 2f 1a 2b 3c", true},
        {sxMacAddress, "00:11:22:33:44:55", false},
        {sxMacAddress, "00-11-22-33-44-55", false},
        {sxMacAddress, "00802F1A2B", false},
        {sxIpv6Address, "FE800000000000000000000000000001", true},
        {sxIpv6Address, "FE80::1", false},
        {sxOctetStr, "", true},
        {sxOctetStr, "001AFF", true},
        {sxOctetStr, "1A2", false},
        {sxOctetStr, "zz", false},
        {sxOctetStr, "F F", false},  // a blank inside an octet
        {sxDisplayStr, "any text \xE9", true},
        {sxObjectId, "1.3.6.1.4.1.171", true},
        {sxObjectId, "1.3.6.x", false},
        {sxBoolean, "true", true},
        {sxBoolean, "True", false},
        {sxDouble, "-2.5e3", true},
        {sxDouble, "2.5.1", false},
        {sxDateTime, "1992-5-26,13:30:15.0", true},
        {sxDateTime, "1992-5-26,13:30:15.0,-5:0", true},
        {sxDateTime, "1992-13-26,13:30:15.0", false},
        {sxDateTime, "1992-5-26", false},
        {sxBcDateTime, "2024/05/26 01:30:15 pm", true},
        {sxBcDateTime, "26.05.2024", false},
        // No value: sent as NULL by the null syntax, as no octets by an octet
        // string; a number or an address cannot go without one.
        {sxNull, "(NULL)", true},
        {sxOctetStr, "(NULL)", true},
        {sxDisplayStr, "(NULL)", true},
        {sxMacAddress, "(NULL)", false},
        {sxInteger, "(NULL)", false},
        {sxIpAddress, "(NULL)", false},
    };
    for (const Case& c : cases) {
        const auto needs = CheckValueText(static_cast<int>(c.syntax), c.text);
        EXPECT_EQ(!needs.has_value(), c.holds) << c.syntax << " \"" << c.text << "\"";
    }
    EXPECT_EQ(*CheckValueText(sxIpAddress, "300.1.1.1"),
              "an IP address: four numbers from 0 to 255 joined by dots, such as 10.90.90.90");
    EXPECT_EQ(*CheckValueText(sxInteger, "x"), "a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(RefusedValueMessage("Port", "x", "a whole number from 1 to 2"),
              "Port: \"x\" is not a whole number from 1 to 2.");
}

TEST(SyntaxTable, EveryAcceptedTextIsTheValueItSaysAndReadsBackAsAccepted) {
    struct Case {
        uint32_t syntax;
        const char* text;
        const char* shown;  // the value text that the octets read back as
    } cases[] = {
        {sxTimeTicks, "1 day 1:00:01.23", "1 day 1:00:01.23"},
        {sxTimeTicks, "5 days 3:04:05.06", "5 days, 3:04:05.06"},
        {sxTimeTicks, "25:00:00.00", "1 day 1:00:00.00"},
        {sxIpAddress, " 10.0.0.1 ", "10.0.0.1"},
        {sxMacAddress, "00 80 2f 1a 2b 3c", "00802F1A2B3C"},
        {sxCounter64, "18446744073709551615", "18446744073709551615"},
        {sxInteger, " -7 ", "-7"},
        {sxDateTime, "1992-5-26,13:30:15.0,-5:0", "1992-5-26,13:30:15.0,-5:0"},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(CheckValueText(static_cast<int>(c.syntax), c.text)) << c.text;
        const std::string shown = OctetsToText(TextToOctets(c.text, static_cast<int>(c.syntax)), static_cast<int>(c.syntax));
        EXPECT_EQ(shown, c.shown) << c.text;
        EXPECT_FALSE(CheckValueText(static_cast<int>(c.syntax), shown)) << shown;
    }
}

}  // namespace
