#include <gtest/gtest.h>

#include "framework/SnmpVarItem.h"
#include "framework/VxOctets.h"
#include "platform/Exception.h"
#include "tests/support/ExceptionCodes.h"

namespace {

std::string Hex(const Octets& o) { return HexText(o); }

TEST(VxOctets, TextsBecomeTheOctetsOfTheirSyntaxAndReadBack) {
    struct Case {
        const char* text;
        int syntax;
        const char* hex;
        const char* back;
    } cases[] = {
        {"(NULL)", sxInteger, "", "(NULL)"},
        {"(NULL)", sxDisplayStr, "", ""},
        {"true", sxBoolean, "01000000", "true"},
        {"True", sxBoolean, "00000000", "false"},
        {"-2", sxInteger, "FEFFFFFF", "-2"},
        {"4294967295", sxGauge, "FFFFFFFF", "4294967295"},
        {"-1", sxUInt16, "FFFF", "65535"},
        {"-1", sxInt16, "FFFF", "-1"},
        {"300", sxUInt8, "2C", "44"},
        {"-3", sxInt8, "FD", "-3"},
        {"true", sxBool16, "0001", "true"},
        {"10.0.0.1", sxIpAddress, "0A000001", "10.0.0.1"},
        {"10.0.0.1.5", sxIpAddress, "0A00000105", "10.0.0.1"},
        {"1.3.6", sxObjectId, "010000000300000006000000", "1.3.6"},
        {"4294967296", sxCounter64, "0000000001000000", "4294967296"},
        {"1 day 0:00:00.00", sxTimeTicks, "00D68300", "1 day 0:00:00.00"},
        {"001aff", sxOctetStr, "001AFF", "001AFF"},
        {"ab", sxDisplayStr, "6162", "ab"},
        {"1992-5-26,13:30:15.0,+2:0", sxDateTime, "07C8051A0D1E0F002B0200", "1992-5-26,13:30:15.0,+2:0"},
        {"anything", sxNull, "", "(NULL)"},
    };
    for (const auto& c : cases) {
        const Octets o = TextToOctets(c.text, c.syntax);
        EXPECT_EQ(Hex(o), c.hex) << c.text << " as " << c.syntax;
        EXPECT_EQ(OctetsToText(o, c.syntax), c.back) << c.text << " as " << c.syntax;
    }
    EXPECT_EQ(OctetsToText(TextToOctets("0.25", sxDouble), sxDouble), "0.25");
    EXPECT_EQ(OctetsToText(TextToOctets("2026/12/09 09:30:05 pm", sxBcDateTime), sxBcDateTime),
              "2026/12/09 09:30:05 pm");
}

TEST(VxOctets, FixedSizesAreCheckedWhenReading) {
    EXPECT_EQ(CodeOf([] { OctetsToText(std::string("\x01\x02\x03", 3), sxInteger); }), -518);
    EXPECT_EQ(OctetsToText(std::string("\x05\x00\x00\x00\x09", 5), sxInteger), "5");
    // Addresses keep every octet.
    EXPECT_EQ(OctetsToText(FromHexString("00112233445566"), sxMacAddress), "00112233445566");
}

TEST(VxOctets, ExtractPartCutsFixedAndVariableParts) {
    const Octets six = FromHexString("010203040506");
    EXPECT_EQ(Hex(ExtractPart(six, 4, sxUInt16)), "0506");
    EXPECT_EQ(CodeOf([&] { ExtractPart(six, 5, sxUInt16); }), -519);
    EXPECT_EQ(Hex(ExtractPart(six, 4, sxOctetStr)), "0506");
    EXPECT_EQ(Hex(ExtractPart(six, 9, sxOctetStr)), "");
    EXPECT_EQ(Hex(ExtractPart("", 0, sxInteger)), "");
}

TEST(VxOctets, UnknownSyntaxFailsEverywhere) {
    EXPECT_EQ(CodeOf([] { TextToOctets("", 7); }), -511);
    EXPECT_EQ(CodeOf([] { OctetsToText("", 7); }), -511);
    EXPECT_EQ(CodeOf([] { ExtractPart("", 0, 7); }), -511);
}

}  // namespace
