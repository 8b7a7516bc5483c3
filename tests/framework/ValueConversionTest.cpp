#include <gtest/gtest.h>

#include <limits>

#include "common/TDateTime.h"
#include "common/VxValueMarkers.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxValueConversion.h"
#include "platform/Exception.h"
#include "tests/support/ExceptionCodes.h"

namespace {

const VxIntPair States[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList StateNames(States);

SnmpVar Item(uint32_t syntax, const VxOptionList* map = nullptr, std::string value = {}) {
    SnmpVar item;
    item.ObjectId = "1.3.6.1.4.1.99.1";
    item.Syntax = syntax;
    item.Access = acReadWrite;
    item.Options = map;
    item.Value = std::move(value);
    return item;
}

Vb Octs(const std::string& bytes) {
    Vb vb("1.3.6.1.4.1.99.1.0");
    vb.SetOctets(bytes);
    return vb;
}
Vb Int(int32_t v) {
    Vb vb("1.3.6.1.4.1.99.1.0");
    vb.SetInteger(v);
    return vb;
}
Vb Unsigned(uint8_t type, uint32_t v) {
    Vb vb("1.3.6.1.4.1.99.1.0");
    vb.SetUnsigned(type, v);
    return vb;
}
Vb Type(uint8_t type) {
    Vb vb("1.3.6.1.4.1.99.1.0");
    vb.Type = type;
    return vb;
}
Vb C64(uint64_t v) {
    Vb vb("1.3.6.1.4.1.99.1.0");
    vb.SetCounter64(v);
    return vb;
}

TEST(StoreValue, RendersEverySyntaxAsItsValueText) {
    const TDateTime when = EncodeDateTime({2026, 12, 9, 21, 30, 5, 0});
    struct Case {
        const char* name;
        SnmpVar item;
        Vb vb;
        std::string text;
    } cases[] = {
        {"octets as hex", Item(sxOctetStr), Octs(std::string("\x00\x1A\xFF", 3)), "001AFF"},
        {"display ends at zero", Item(sxDisplayStr), Octs(std::string("\x00\x1A\xFF", 3)), ""},
        {"display text", Item(sxDisplayStr), Octs("port1"), "port1"},
        {"counter64 max", Item(sxCounter64), C64(UINT64_MAX), "18446744073709551615"},
        {"ticks 0", Item(sxTimeTicks), Unsigned(SNMP_TIMETICKS, 0), "0:00:00.00"},
        {"ticks one day", Item(sxTimeTicks), Unsigned(SNMP_TIMETICKS, 8640000), "1 day 0:00:00.00"},
        {"ticks two days", Item(sxTimeTicks), Unsigned(SNMP_TIMETICKS, 17280000), "2 days, 0:00:00.00"},
        {"ticks", Item(sxTimeTicks), Unsigned(SNMP_TIMETICKS, 123456), "0:20:34.56"},
        {"gauge above 2^31", Item(sxGauge), Unsigned(SNMP_GAUGE32, 4294967295u), "4294967295"},
        {"mapped value", Item(sxInteger, &StateNames), Int(1), "enabled"},
        {"unmapped value", Item(sxInteger, &StateNames), Int(3), "3"},
        {"negative", Item(sxInteger), Int(-7), "-7"},
        {"boolean", Item(sxBoolean), Int(0), "false"},
        {"null on integer", Item(sxInteger), Type(SNMP_NULL), "(NULL)"},
        {"missing instance on integer", Item(sxInteger), Type(SNMP_NOSUCHINSTANCE), std::string(NoSuchInstanceText)},
        {"missing object on display", Item(sxDisplayStr), Type(SNMP_NOSUCHOBJECT), std::string(NoSuchObjectText)},
        {"missing object on octets", Item(sxOctetStr), Type(SNMP_NOSUCHOBJECT), std::string(NoSuchObjectText)},
        {"end of view on a mapped value", Item(sxInteger, &StateNames), Type(SNMP_ENDOFMIBVIEW),
         std::string(EndOfMibViewText)},
        {"null on display", Item(sxDisplayStr), Type(SNMP_NULL), ""},
        {"null on octets", Item(sxOctetStr), Type(SNMP_NULL), ""},
        {"empty double", Item(sxDouble), Octs(""), "(NULL)"},
        {"double", Item(sxDouble), Octs(DoubleOctets(1.5)), "1.5"},
        {"bcdatetime", Item(sxBcDateTime), Octs(DoubleOctets(when)), "2026/12/09 09:30:05 pm"},
        {"datetime without zone", Item(sxDateTime), Octs(std::string("\x07\xC8\x05\x1A\x0D\x1E\x0F\x00", 8)),
         "1992-5-26,13:30:15.0"},
        {"other type shows itself", Item(sxInteger), Octs("\x01\x02"), "0102"},
    };
    for (const auto& c : cases) EXPECT_EQ(StoredValueText(c.item, c.vb), c.text) << c.name;

    Vb ip("1.3");
    ip.SetIpAddress(std::string("\x0A\x00\x00\x01", 4));
    EXPECT_EQ(StoredValueText(Item(sxIpAddress), ip), "10.0.0.1");
    Vb oid("1.3");
    oid.SetObjectId({1, 3, 6, 1});
    EXPECT_EQ(StoredValueText(Item(sxObjectId), oid), "1.3.6.1");
}

// A date-time number from the agent (or typed into the date fields) that is
// no date the class library holds is refused, never turned into a day count.
TEST(StoreValue, ADateTimeNumberOutsideTheYears1To9999IsRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (double number : {nan, infinity, -infinity, 1e300, -1e300, 2958466.0, -693594.0})
        EXPECT_THROW(StoredValueText(Item(sxBcDateTime), Octs(DoubleOctets(number))), EConvertError) << number;
    EXPECT_THROW(FormatDateTime(EncodeDateTime({10000, 1, 1, 0, 0, 0, 0})), EConvertError);

    EXPECT_EQ(StoredValueText(Item(sxBcDateTime), Octs(DoubleOctets(-693593.0))), "0001/01/01 12:00:00 am");
    EXPECT_EQ(StoredValueText(Item(sxBcDateTime), Octs(DoubleOctets(2958465.5))), "9999/12/31 12:00:00 pm");
    try {
        FormatDateTime(nan);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'nan' is not a valid date and time");
    }
}

TEST(StoreValue, UnknownSyntaxFailsWith511) {
    EXPECT_EQ(CodeOf([] { StoredValueText(Item(sxUInt8), Int(1)); }), -511);
}

TEST(LoadValue, BuildsTheValueOfASetFromTheText) {
    struct Case {
        const char* name;
        SnmpVar item;
        uint8_t type;
        std::string bytes;
        int64_t number;
    } cases[] = {
        {"odd hex", Item(sxOctetStr, nullptr, "1A2"), SNMP_OCTETS, std::string("\x01\xA2", 2), 0},
        {"hex with blanks", Item(sxOctetStr, nullptr, "1a 2b"), SNMP_OCTETS, "\x1A\x2B", 0},
        {"not hex", Item(sxOctetStr, nullptr, "zz"), SNMP_OCTETS, std::string(1, '\0'), 0},
        {"empty hex", Item(sxOctetStr, nullptr, ""), SNMP_OCTETS, "", 0},
        {"label", Item(sxInteger, &StateNames, "enabled"), SNMP_INTEGER, "", 1},
        {"number", Item(sxInteger, &StateNames, "3"), SNMP_INTEGER, "", 3},
        {"unknown label", Item(sxInteger, &StateNames, "on"), SNMP_INTEGER, "", 0},
        {"counter sent as gauge", Item(sxCounter, nullptr, "4294967295"), SNMP_GAUGE32, "", 4294967295},
        {"uinteger wraps", Item(sxUInteger, nullptr, "-1"), SNMP_GAUGE32, "", 4294967295},
        {"ticks", Item(sxTimeTicks, nullptr, "1 day 0:00:00.00"), SNMP_TIMETICKS, "", 8640000},
        {"display", Item(sxDisplayStr, nullptr, "abc"), SNMP_OCTETS, "abc", 0},
        {"no value of octets: none", Item(sxOctetStr, nullptr, "(NULL)"), SNMP_OCTETS, "", 0},
        {"no value of a port list: none", Item(sxBitStr, nullptr, "(NULL)"), SNMP_OCTETS, "", 0},
        {"null syntax", Item(sxNull, nullptr, "5"), SNMP_NULL, "", 0},
    };
    for (const auto& c : cases) {
        Vb vb("1.3");
        LoadBindingValue(c.item, vb);
        EXPECT_EQ(vb.Type, c.type) << c.name;
        if (c.type == SNMP_OCTETS) {
            EXPECT_EQ(vb.Bytes, c.bytes) << c.name;
        } else if (c.type == SNMP_INTEGER) {
            EXPECT_EQ(vb.Int, c.number) << c.name;
        } else if (c.type != SNMP_NULL) {
            EXPECT_EQ(vb.UInt, c.number) << c.name;
        }
    }

    Vb c64("1.3");
    LoadBindingValue(Item(sxCounter64, nullptr, "4294967296"), c64);
    EXPECT_EQ(c64.U64, 1ull << 32);
    Vb dbl("1.3");
    LoadBindingValue(Item(sxDouble, nullptr, "2.5"), dbl);
    EXPECT_EQ(DoubleFromOctets(dbl.Bytes), 2.5);
}

TEST(LoadValue, FailsOnUnknownSyntaxAndUnreadableDateTime) {
    Vb vb("1.3");
    EXPECT_EQ(CodeOf([&] { LoadBindingValue(Item(sxBool16, nullptr, "true"), vb); }), -511);
    EXPECT_THROW(LoadBindingValue(Item(sxBcDateTime, nullptr, "yesterday"), vb), EConvertError);
}

// "(NULL)" is no value: an agent refuses a NULL for an item of another
// syntax, and with it the whole set. A number, an address, a time or an OID
// without a value is refused before anything is sent, naming the item.
TEST(LoadValue, SendsNoNullForAnItemThatIsNotOfTheNullSyntax) {
    for (uint32_t syntax : {sxInteger, sxCounter64, sxUInteger, sxIpAddress, sxTimeTicks, sxObjectId, sxBoolean}) {
        SCOPED_TRACE(syntax);
        SnmpVar item = Item(syntax, nullptr, "(NULL)");
        item.Label = "Stacking Version";
        Vb vb("1.3");
        const std::string message = MessageOf([&] { LoadBindingValue(item, vb); });
        EXPECT_EQ(message.rfind("Stacking Version: \"(NULL)\" is not ", 0), 0u) << message;
        EXPECT_EQ(CodeOf([&] { LoadBindingValue(item, vb); }), -518);
    }
    SnmpVar mapped = Item(sxInteger, &StateNames, "(NULL)");
    Vb vb("1.3");
    EXPECT_EQ(CodeOf([&] { LoadBindingValue(mapped, vb); }), -518);
}

// A table whose index columns are given by `indexSyntaxes`.
struct IndexedList {
    explicit IndexedList(std::vector<uint32_t> syntaxes, bool impliedLast = false) {
        for (size_t i = 0; i < syntaxes.size(); ++i) {
            const bool implied = impliedLast && i + 1 == syntaxes.size();
            records.push_back({"1.3.6.1.4.1.99.1", "Index", syntaxes[i], acNotAccess | (implied ? acImplied : 0u)});
        }
        records.push_back({"1.3.6.1.4.1.99.2", "Value", sxInteger, acReadWrite});
        records.push_back({nullptr, nullptr, 0, 0});
        list = VxSNMPVarList(records.data(), MVT_UMV, static_cast<uint32_t>(syntaxes.size()));
    }
    std::vector<SnmpVarItem> records;
    VxSNMPVarList list;
};

TEST(IndexValues, WriteAndReadRowInstances) {
    struct Case {
        const char* name;
        uint32_t syntax;
        bool implied;
        std::string value;
        std::string instance;
    } cases[] = {
        {"implied string", sxDisplayStr, true, "ab", "97.98"},
        {"counted string", sxDisplayStr, false, "ab", "2.97.98"},
        {"counted octets", sxOctetStr, false, "0A0B", "2.10.11"},
        {"implied octets", sxOctetStr, true, "0A0B", "10.11"},
        {"integer", sxInteger, false, "-1", "4294967295"},
        {"counter64", sxCounter64, false, "4294967297", "1.1"},
        {"ip address", sxIpAddress, false, "10.0.0.1", "10.0.0.1"},
        {"mac", sxMacAddress, false, "00112233AABB", "0.17.34.51.170.187"},
        {"counted oid", sxObjectId, false, "1.3.6", "3.1.3.6"},
        {"implied oid", sxObjectId, true, "1.3.6", "1.3.6"},
        {"ticks", sxTimeTicks, false, "0:00:01.00", "100"},
        {"boolean", sxBoolean, false, "true", "1"},
    };
    for (const auto& c : cases) {
        IndexedList t({c.syntax}, c.implied);
        t.list.GetItem(0)->Value = c.value;
        EXPECT_EQ(IndexValueTextOf(t.list, 0), c.instance) << c.name;
        t.list.GetItem(0)->Value.clear();
        EXPECT_EQ(TakeIndexValueOf(t.list, 0, c.instance), "") << c.name;
        EXPECT_EQ(t.list.GetItem(0)->Value, c.value) << c.name;
    }
}

TEST(IndexValues, SplitsAnInstanceOverSeveralIndexItems) {
    IndexedList t({sxIpAddress, sxInteger});
    EXPECT_EQ(TakeIndexValueOf(t.list, 0, "10.0.0.1.5"), "5");
    EXPECT_EQ(t.list.GetItem(0)->Value, "10.0.0.1");
    EXPECT_EQ(TakeIndexValueOf(t.list, 1, "5"), "");
    EXPECT_EQ(t.list.GetItem(1)->Value, "5");
}

TEST(IndexValues, BooleanIndexReadsAnyNonZeroAsTrue) {
    IndexedList t({sxBoolean});
    for (const auto& [instance, text] : {std::pair{"0", "false"}, {"1", "true"}, {"7", "true"}}) {
        TakeIndexValueOf(t.list, 0, instance);
        EXPECT_EQ(t.list.GetItem(0)->Value, text);
    }
}

TEST(IndexValues, ShortInstancesNeverReadPastTheirEnd) {
    IndexedList t({sxDisplayStr});
    EXPECT_EQ(TakeIndexValueOf(t.list, 0, "9.97"), "");  // counts 9, carries 1
    EXPECT_EQ(t.list.GetItem(0)->Value, "a");
    IndexedList mac({sxMacAddress});
    TakeIndexValueOf(mac.list, 0, "1.2");
    EXPECT_EQ(mac.list.GetItem(0)->Value, "0102");
}

TEST(IndexValues, AnAddressIndexTooShortToAddressARowIsRefused) {
    IndexedList mac({sxMacAddress});
    mac.list.GetItem(0)->Value = "0011223344";
    EXPECT_EQ(CodeOf([&] { IndexValueTextOf(mac.list, 0); }), -417);
    IndexedList v6({sxIpv6Address});
    v6.list.GetItem(0)->Value = "FE80";
    EXPECT_EQ(CodeOf([&] { IndexValueTextOf(v6.list, 0); }), -417);
}

TEST(IndexValues, AnAddressIndexMustBeFourNumbersFrom0To255) {
    IndexedList t({sxIpAddress, sxInteger});
    t.list.GetItem(1)->Value = "3";
    for (const char* refused : {"10.0.0", "10.0.0.1.3", "256.1.1.1", "a.b.c.d", " 10.0.0.1", "10.0.0.1 ", "", "10..0.1"}) {
        t.list.GetItem(0)->Value = refused;
        EXPECT_EQ(CodeOf([&] { IndexValueTextOf(t.list, 0); }), -417) << '"' << refused << '"';
    }
    for (const char* taken : {"10.0.0.1", "0.0.0.0", "255.255.255.255"}) {
        t.list.GetItem(0)->Value = taken;
        EXPECT_EQ(IndexValueTextOf(t.list, 0), taken);
    }
}

TEST(IndexValues, ANumberedIndexTakesOnlyAValueItsSyntaxHolds) {
    struct Case {
        uint32_t syntax;
        std::vector<const char*> refused;
        std::vector<std::pair<const char*, const char*>> taken;  // value, instance
    };
    const Case cases[] = {
        {sxInteger, {"3.5", "", "0x", "2147483648", "1,5"}, {{"0", "0"}, {"3", "3"}, {"-1", "4294967295"}}},
        {sxGauge, {"-1", "4294967296", "1.5"}, {{"4294967295", "4294967295"}}},
        {sxCounter64, {"1.5", "-2"}, {{"4294967297", "1.1"}}},
        {sxTimeTicks, {"5", "yesterday"}, {{"0:00:01.00", "100"}}},
        {sxBoolean, {"1", "yes"}, {{"false", "0"}}},
    };
    for (const Case& c : cases) {
        IndexedList t({c.syntax, sxInteger});
        t.list.GetItem(1)->Value = "1";
        for (const char* refused : c.refused) {
            t.list.GetItem(0)->Value = refused;
            EXPECT_EQ(CodeOf([&] { IndexValueTextOf(t.list, 0); }), -417) << c.syntax << " \"" << refused << '"';
        }
        for (const auto& [value, instance] : c.taken) {
            t.list.GetItem(0)->Value = value;
            EXPECT_EQ(IndexValueTextOf(t.list, 0), instance) << c.syntax << " \"" << value << '"';
        }
    }
    // A label of the item's map counts as its value; an unknown one is no number.
    IndexedList labelled({sxInteger});
    labelled.list.GetItem(0)->Options = &StateNames;
    labelled.list.GetItem(0)->Value = "disabled";
    EXPECT_EQ(IndexValueTextOf(labelled.list, 0), "2");
    labelled.list.GetItem(0)->Value = "off";
    EXPECT_EQ(CodeOf([&] { IndexValueTextOf(labelled.list, 0); }), -417);
}

}  // namespace
