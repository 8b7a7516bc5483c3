#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/VxBinaryString.h"
#include "common/VxCommonMessages.h"
#include "common/VxDateTime.h"
#include "common/VxUtils.h"

namespace {

TEST(VxCommonMessages, BuiltInTexts) {
    EXPECT_EQ(VxCommonMessages.BuiltInSize(), 20u);
    for (size_t i = 0; i < VxCommonMessages.BuiltInSize(); ++i)
        EXPECT_EQ(VxCommonMessages[i].rfind("(VxCommon) ", 0), 0u) << i;
    EXPECT_EQ(VxCommonMessages[vcOk], "(VxCommon) Ok!");
    EXPECT_EQ(VxCommonMessages[vcBadLogicOperand], "(VxCommon) Bad logic operand!");
    EXPECT_EQ(VxCommonMessages[vcListCount],
              "(VxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is equal to [COUNT]!");
    EXPECT_EQ(VxCommonMessages[vcNotEncrypted], "(VxCommon) The source to dncrypt is not encrypted!");
    EXPECT_EQ(VxCommonMessages[vcOptionFileRead], "(VxCommon) Fail to read option data from file([FILENAME])!");
    EXPECT_EQ(VxCommonMessages[vcNestedTooDeeply], "(VxCommon) Expression nested too deeply!");
}

// ---------------------------------------------------------------------------

std::vector<uint8_t> BytesOf(const VxBinaryString& s) {
    return s.Bytes ? std::vector<uint8_t>(s.Bytes.get(), s.Bytes.get() + s.Length) : std::vector<uint8_t>{};
}

TEST(VxBinaryString, BytesFromHexText) {
    struct Case {
        const char* hex;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"8000", {0x80, 0x00}},
        {"80001", {0x80, 0x00}},  // odd last character ignored
        {"aBcD", {0xAB, 0xCD}},
        {"FF", {0xFF}},
        {"F", {}},
        {"", {}},
        // Unchecked characters go through the same code arithmetic.
        {"0g", {0x10}},  // 'g' counts 16
        {"G0", {0x00}},  // 16 * 16 kept to 8 bits
        {"  ", {0xF0}},  // ' ' counts -16
    };
    for (const auto& c : cases) {
        const VxBinaryString s(c.hex);
        EXPECT_EQ(s.Length, c.bytes.size()) << c.hex;
        EXPECT_EQ(BytesOf(s), c.bytes) << c.hex;
        EXPECT_EQ(s.Bytes == nullptr, c.bytes.empty()) << c.hex;
    }
    EXPECT_EQ(VxBinaryString().Length, 0u);
}

TEST(VxBinaryString, CopiesAreIndependentAndSelfAssignmentKeepsTheBytes) {
    VxBinaryString a("0102");
    VxBinaryString b("FFFFFF");
    b = a;
    a.Bytes[0] = 0x7F;
    EXPECT_EQ(BytesOf(b), (std::vector<uint8_t>{0x01, 0x02}));

    auto& alias = b;
    b = alias;
    EXPECT_EQ(BytesOf(b), (std::vector<uint8_t>{0x01, 0x02}));

    b = VxBinaryString();
    EXPECT_EQ(b.Length, 0u);
    EXPECT_EQ(b.Bytes.get(), nullptr);

    const VxBinaryString copy(a);
    EXPECT_EQ(BytesOf(copy), (std::vector<uint8_t>{0x7F, 0x02}));
}

// ---------------------------------------------------------------------------

TEST(JoinPath, WindowsNamesJoinedWithSlashes) {
    struct Case {
        const char* directory;
        const char* name;
        const char* expected;
    } cases[] = {
        {"", "errmsg\\snmp.err", "errmsg/snmp.err"},
        {"", "\\Get.bmp", "Get.bmp"},
        {"", "DeviceInfo.ini", "DeviceInfo.ini"},
        {"/opt/kx", "errmsg\\snmp.err", "/opt/kx/errmsg/snmp.err"},
        {"/opt/kx/", "10.0.0.1.cfg", "/opt/kx/10.0.0.1.cfg"},
        {"/home/u", "\\Get.bmp", "/home/u/Get.bmp"},
        {"/", "\\Get.bmp", "/Get.bmp"},
        {"cfg\\", "a.cfg", "cfg/a.cfg"},
        {"C:\\kx", "b.cfg", "C:/kx/b.cfg"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinPath(c.directory, c.name), c.expected) << c.directory << c.name;
}

TEST(ShownAgentAddress, AnIpv6AddressStandsInBrackets) {
    const struct {
        const char* Given;
        const char* Shown;
    } cases[] = {
        {"::1", "[::1]"},
        {"fe80::1%eth0", "[fe80::1%eth0]"},
        {"2001:db8::10", "[2001:db8::10]"},
        {"[::1]", "[::1]"},
        {"10.90.90.90", "10.90.90.90"},
        {"switch.example", "switch.example"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownAgentAddress(c.Given), c.Shown) << c.Given;
}

TEST(IntPower, WrapsModulo2To32) {
    struct Case {
        uint32_t base, exponent, expected;
    } cases[] = {
        {2, 0, 1},
        {0, 0, 1},
        {2, 31, 2147483648u},
        {2, 32, 0},
        {10, 9, 1000000000},
        {3, 40, 689956897},            // 3^40 mod 2^32
        {7, 4294967295u, 3067833783u},  // large exponents too
        {0, 5, 0},
        {1, 4294967295u, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(IntPower(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

// ---------------------------------------------------------------------------

VxDateTime MakeDateTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minutes,
                        uint8_t seconds, uint8_t deci, char direction = '+', uint8_t utcHours = 0,
                        uint8_t utcMinutes = 0) {
    VxDateTime v;
    v.Year = year;
    v.Month = month;
    v.Day = day;
    v.Hour = hour;
    v.Minutes = minutes;
    v.Seconds = seconds;
    v.DeciSeconds = deci;
    v.Direction = direction;
    v.UtcHours = utcHours;
    v.UtcMinutes = utcMinutes;
    return v;
}

TEST(VxDateTime, FormatAndParseBackAgain) {
    struct Case {
        VxDateTime value;
        const char* text;
    } cases[] = {
        {MakeDateTime(1992, 5, 26, 13, 30, 15, 0), "1992-5-26,13:30:15.0"},
        {MakeDateTime(1992, 5, 26, 13, 30, 15, 0, '+', 2, 0), "1992-5-26,13:30:15.0,+2:0"},
        {MakeDateTime(2024, 12, 31, 23, 59, 60, 9, '-', 5, 30), "2024-12-31,23:59:60.9,-5:30"},
        {MakeDateTime(2000, 1, 1, 0, 0, 0, 0, '-', 0, 45), "2000-1-1,0:0:0.0,-0:45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VxDateTime::Format(c.value), c.text);
        EXPECT_EQ(VxDateTime::Parse(c.text), c.value) << c.text;
    }
}

TEST(VxDateTime, ZoneIsWrittenOnlyWhenSetWithAValidDirection) {
    EXPECT_EQ(VxDateTime::Format(MakeDateTime(2001, 2, 3, 4, 5, 6, 7, '-', 0, 0)), "2001-2-3,4:5:6.7");
    EXPECT_EQ(VxDateTime::Format(MakeDateTime(2001, 2, 3, 4, 5, 6, 7, 'x', 2, 0)), "2001-2-3,4:5:6.7");
}

TEST(VxDateTime, ParseOfIncompleteTextsLeavesMissingFieldsZero) {
    struct Case {
        const char* text;
        VxDateTime expected;
    } cases[] = {
        {"1992-5", MakeDateTime(1992, 5, 0, 0, 0, 0, 0)},
        {"", MakeDateTime(0, 0, 0, 0, 0, 0, 0)},
        {"garbage", MakeDateTime(0, 0, 0, 0, 0, 0, 0)},
        {"1992-5-26,13:30:15.0,*2:0", MakeDateTime(1992, 5, 26, 13, 30, 15, 0)},  // unknown zone sign
        {"1992-5-26,13:30:15.0,+2", MakeDateTime(1992, 5, 26, 13, 30, 15, 0)},    // incomplete zone
        {"70000-300-1,0:0:0.0", MakeDateTime(70000 & 0xFFFF, 300 & 0xFF, 1, 0, 0, 0, 0)},  // field widths
    };
    for (const auto& c : cases) EXPECT_EQ(VxDateTime::Parse(c.text), c.expected) << c.text;
}

TEST(VxDateTime, OctetsOfTheSnmpValue) {
    const std::array<uint8_t, 11> wire = {0x07, 0xC8, 5, 26, 13, 30, 15, 0, '+', 2, 0};
    const VxDateTime value = VxDateTime::FromOctets(wire.data(), wire.size());
    EXPECT_EQ(value, MakeDateTime(1992, 5, 26, 13, 30, 15, 0, '+', 2, 0));
    EXPECT_EQ(value.ToOctets(), wire);

    // Agents send 8 octets when they give no zone.
    EXPECT_EQ(VxDateTime::FromOctets(wire.data(), 8), MakeDateTime(1992, 5, 26, 13, 30, 15, 0));
    EXPECT_EQ(VxDateTime::FromOctets(nullptr, 0), MakeDateTime(0, 0, 0, 0, 0, 0, 0));

    VxDateTime swapped = value;
    swapped.SwapYearBytes();
    EXPECT_EQ(swapped.Year, 0xC807);
    swapped.SwapYearBytes();
    EXPECT_EQ(swapped, value);
}

TEST(VxDateTime, NowIsTheLocalTimeWithoutZone) {
    const VxDateTime now = VxDateTime::Now();
    EXPECT_GE(now.Year, 2024);
    EXPECT_TRUE(now.Month >= 1 && now.Month <= 12);
    EXPECT_TRUE(now.Day >= 1 && now.Day <= 31);
    EXPECT_LE(now.Hour, 23);
    EXPECT_EQ(now.DeciSeconds, 0);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.UtcHours, 0);
    EXPECT_EQ(now.UtcMinutes, 0);
}

}  // namespace
