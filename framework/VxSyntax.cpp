#include "VxSyntax.h"

#include <cstdint>
#include <iterator>

#include "common/TDateTime.h"
#include "common/TimeTicks.h"
#include "framework/SnmpVarItem.h"
#include "framework/VxSNMPMessages.h"
#include "platform/Exception.h"
#include "platform/Text.h"

namespace {

// ---- octet layouts ---------------------------------------------------------------
// Integers of 32 and 64 bits are little-endian, those of 16 bits big-endian.

uint64_t Field(const Octets& bytes, int size) { return ReadLittleEndian(bytes, size); }

uint16_t BigEndian16Field(const Octets& bytes) {
    const auto at = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    return static_cast<uint16_t>((at(0) << 8) | at(1));
}

Octets BigEndian16(uint16_t v) {
    Octets bytes(2, '\0');
    bytes[0] = static_cast<char>(v >> 8);
    bytes[1] = static_cast<char>(v & 0xFF);
    return bytes;
}

uint8_t FirstOctet(const Octets& bytes) { return bytes.empty() ? 0 : static_cast<uint8_t>(bytes[0]); }

// The integer of a value text, read the way atoi reads it, wrapping to 32 bits.
uint32_t Atoi32(std::string_view text) { return static_cast<uint32_t>(LenientInteger(text)); }
bool IsTrue(std::string_view text) { return text == "true"; }
const char* FlagText(bool on) { return on ? "true" : "false"; }

// ---- value text to octets (never refuses a text) -----------------------------------

Octets Flag32Octets(std::string_view t) { return LittleEndian(IsTrue(t) ? 1 : 0, 4); }
Octets Flag8Octets(std::string_view t) { return LittleEndian(IsTrue(t) ? 1 : 0, 1); }
Octets Flag16Octets(std::string_view t) { return BigEndian16(IsTrue(t) ? 1 : 0); }
Octets Int32Octets(std::string_view t) { return LittleEndian(Atoi32(t), 4); }
Octets Int8Octets(std::string_view t) { return LittleEndian(Atoi32(t) & 0xFF, 1); }
Octets Int16Octets(std::string_view t) { return BigEndian16(static_cast<uint16_t>(Atoi32(t) & 0xFFFF)); }
Octets Counter64Octets(std::string_view t) { return LittleEndian(LenientUnsigned64(t), 8); }
Octets RealOctets(std::string_view t) { return DoubleOctets(LenientDouble(t)); }
Octets DateNumberOctets(std::string_view t) { return DoubleOctets(StrToDateTime(std::string(t))); }
Octets TicksOctets(std::string_view t) { return LittleEndian(TimeTicks(t), 4); }
Octets HexOctets(std::string_view t) { return FromHexString(std::string(t)); }
Octets CharacterOctets(std::string_view t) { return Octets(t); }
Octets DateAndTimeOctetsOf(std::string_view t) { return DateAndTimeOctets(std::string(t)); }
Octets NoOctets(std::string_view) { return {}; }

Octets OidOctets(std::string_view t) { return WordOctets(LenientOidParse(std::string(t))); }

// Every component of the dotted text, one octet each ("10.0.0.1.5" gives five).
Octets AddressOctets(std::string_view t) {
    Octets bytes;
    for (uint32_t id : LenientOidParse(std::string(t))) bytes += static_cast<char>(id & 0xFF);
    return bytes;
}

// ---- octets to value text ------------------------------------------------------------

std::string Flag32Text(const Octets& b) { return FlagText(Field(b, 4) != 0); }
std::string Flag8Text(const Octets& b) { return FlagText(FirstOctet(b) != 0); }
std::string Flag16Text(const Octets& b) { return FlagText(BigEndian16Field(b) != 0); }
std::string SignedText(const Octets& b) { return std::to_string(static_cast<int32_t>(Field(b, 4))); }
std::string UnsignedText(const Octets& b) { return std::to_string(static_cast<uint32_t>(Field(b, 4))); }
std::string Int8Text(const Octets& b) { return std::to_string(static_cast<int8_t>(FirstOctet(b))); }
std::string UInt8Text(const Octets& b) { return std::to_string(FirstOctet(b)); }
std::string Int16Text(const Octets& b) { return std::to_string(static_cast<int16_t>(BigEndian16Field(b))); }
std::string UInt16Text(const Octets& b) { return std::to_string(BigEndian16Field(b)); }
std::string Counter64Text(const Octets& b) { return std::to_string(Field(b, 8)); }
std::string RealText(const Octets& b) { return FloatToStr(DoubleFromOctets(b)); }
std::string DateNumberText(const Octets& b) { return FormatDateTime(DoubleFromOctets(b)); }
std::string TicksText(const Octets& b) { return TimeTicks(static_cast<uint32_t>(Field(b, 4))).get_printable(); }
std::string NullText(const Octets&) { return "(NULL)"; }

std::string WordsText(const Octets& b) { return OidText(WordsOf(b)); }

// ---- typed-value checks ----------------------------------------------------------------

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of digits at `pos` as a number no larger than `max`.
bool DigitsAt(std::string_view t, size_t& pos, uint64_t max, uint64_t& value) {
    const size_t start = pos;
    while (pos < t.size() && IsDigit(t[pos])) ++pos;
    if (pos == start) return false;
    const auto number = WholeUnsigned(t.substr(start, pos - start), max);
    if (!number) return false;
    value = *number;
    return true;
}

bool Literal(std::string_view t, size_t& pos, std::string_view what) {
    if (t.substr(pos, what.size()) != what) return false;
    pos += what.size();
    return true;
}

bool HoldsAnything(const VxSyntax&, std::string_view) { return true; }
bool HoldsFlag(const VxSyntax&, std::string_view t) { return t == "true" || t == "false"; }
bool HoldsSigned(const VxSyntax& row, std::string_view t) {
    return WholeInteger(t, row.Min, static_cast<long long>(row.Max)).has_value();
}
bool HoldsUnsigned(const VxSyntax& row, std::string_view t) { return WholeUnsigned(t, row.Max).has_value(); }
bool HoldsReal(const VxSyntax&, std::string_view t) { return WholeReal(t).has_value(); }

bool HoldsOid(const VxSyntax&, std::string_view t) {
    SubIds ids;
    return ParseOidText(std::string(Trim(t)), ids);
}

bool HoldsAddress(const VxSyntax&, std::string_view t) { return IsAddressText(Trim(t)); }

// Hexadecimal digits in whole octets, blanks allowed between octets (not
// inside one: "F F" could mean FF or 0F0F); a fixed layout needs exactly its
// size.
bool HoldsHex(const VxSyntax& row, std::string_view t) {
    size_t digits = 0;
    for (char c : t) {
        if (c == ' ') {
            if (digits % 2 != 0) return false;
            continue;
        }
        if (!IsDigit(c) && !((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
        ++digits;
    }
    if (digits % 2 != 0) return false;
    return row.Size == 0 || digits == 2 * static_cast<size_t>(row.Size);
}

// "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc", as the values show.
bool HoldsTicks(const VxSyntax&, std::string_view t) {
    t = Trim(t);
    size_t pos = 0;
    uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    const size_t dayWord = t.find("day");
    if (dayWord != std::string_view::npos) {
        if (!DigitsAt(t, pos, UINT32_MAX, days) || !Literal(t, pos, " ")) return false;
        if (pos != dayWord || !Literal(t, pos, "day")) return false;
        Literal(t, pos, "s");
        Literal(t, pos, ",");
        if (!Literal(t, pos, " ")) return false;
    }
    if (!DigitsAt(t, pos, UINT32_MAX, hours) || !Literal(t, pos, ":")) return false;
    if (!DigitsAt(t, pos, 59, minutes) || !Literal(t, pos, ":")) return false;
    if (!DigitsAt(t, pos, 59, seconds) || !Literal(t, pos, ".")) return false;
    const size_t fraction = pos;
    if (!DigitsAt(t, pos, 99, hundredths) || pos - fraction != 2 || pos != t.size()) return false;
    if (dayWord != std::string_view::npos && hours > 23) return false;
    const uint64_t total = days * TimeTicks::PerDay + hours * TimeTicks::PerHour + minutes * TimeTicks::PerMinute +
                           seconds * TimeTicks::PerSecond + hundredths;
    return total <= UINT32_MAX;
}

// "y-m-d,h:m:s.d" with an optional zone ",+h:m" or ",-h:m", fields in their
// RFC 2579 ranges.
bool HoldsDateAndTime(const VxSyntax&, std::string_view t) {
    t = Trim(t);
    struct FieldRule {
        const char* Before;
        uint64_t Min, Max;
    };
    static const FieldRule Rules[] = {{"", 0, 65535}, {"-", 1, 12}, {"-", 1, 31}, {",", 0, 23},
                                      {":", 0, 59},  {":", 0, 60}, {".", 0, 9}};
    size_t pos = 0;
    for (const FieldRule& rule : Rules) {
        uint64_t value = 0;
        if (!Literal(t, pos, rule.Before) || !DigitsAt(t, pos, rule.Max, value) || value < rule.Min) return false;
    }
    if (pos == t.size()) return true;
    uint64_t hours = 0, minutes = 0;
    if (!Literal(t, pos, ",+") && !Literal(t, pos, ",-")) return false;
    return DigitsAt(t, pos, 14, hours) && Literal(t, pos, ":") && DigitsAt(t, pos, 59, minutes) && pos == t.size();
}

bool HoldsDateTime(const VxSyntax&, std::string_view t) {
    try {
        StrToDateTime(std::string(t));
        return true;
    } catch (const Exception&) {
        return false;
    }
}

// ---- the table ---------------------------------------------------------------------------

constexpr long long NoMin = 0;
constexpr uint64_t NoMax = 0;
const char* const Null = "(NULL)";
const char* const HexNeeds = "hexadecimal text in whole octets, two digits each, such as 001AFF";
const char* const AddressNeeds = "an IP address: four numbers from 0 to 255 joined by dots, such as 10.90.90.90";

using W = SyntaxWire;
using I = SyntaxIndex;
using O = SyntaxOperand;
using R = SyntaxResult;
using S = SyntaxSplit;
using C = ColumnAlign;

// In the order of the syntax-name map.
const VxSyntax Syntaxes[] = {
    {sxInteger, "integer", 4, Int32Octets, SignedText, HoldsSigned, nullptr, INT32_MIN, INT32_MAX,
     W::Integer, Null, I::Word, O::Number, R::Integer, S::Whole, C::Right},
    {sxBitStr, "bitstr", 0, HexOctets, HexText, HoldsHex, HexNeeds, NoMin, NoMax,
     W::Octets, nullptr, I::CountedOctets, O::Text, R::None, S::HexOctets, C::Left},
    {sxOctetStr, "octetstr", 0, HexOctets, HexText, HoldsHex, HexNeeds, NoMin, NoMax,
     W::Octets, nullptr, I::CountedOctets, O::Text, R::None, S::HexOctets, C::Left},
    {sxNull, "null", 0, NoOctets, NullText, HoldsAnything, "", NoMin, NoMax,
     W::Null, Null, I::Nothing, O::Text, R::None, S::Whole, C::Left},
    {sxObjectId, "objectid", 0, OidOctets, WordsText, HoldsOid,
     "an OID: numbers joined by dots, such as 1.3.6.1.4.1.171", NoMin, NoMax,
     W::ObjectId, Null, I::CountedWords, O::Text, R::None, S::Words, C::Left},
    {sxIpAddress, "ipaddress", 4, AddressOctets, IpText, HoldsAddress, AddressNeeds, NoMin, NoMax,
     W::IpAddress, Null, I::FixedOctets, O::Text, R::None, S::Address, C::Left},
    {sxCounter, "counter", 4, Int32Octets, UnsignedText, HoldsUnsigned, nullptr, 0, UINT32_MAX,
     W::Gauge, Null, I::Word, O::Number, R::Integer, S::Whole, C::Right},
    {sxGauge, "guage", 4, Int32Octets, UnsignedText, HoldsUnsigned, nullptr, 0, UINT32_MAX,
     W::Gauge, Null, I::Word, O::Number, R::Integer, S::Whole, C::Right},
    {sxTimeTicks, "timeticks", 4, TicksOctets, TicksText, HoldsTicks,
     "a time such as 0:20:34.56, 1 day 1:00:01.23 or 5 days, 3:04:05.06", NoMin, NoMax,
     W::TimeTicks, Null, I::Word, O::Ticks, R::Integer, S::Ticks, C::Right},
    {sxOpaque, "opaque", 0, HexOctets, HexText, HoldsHex, HexNeeds, NoMin, NoMax,
     W::Octets, nullptr, I::CountedOctets, O::Text, R::None, S::HexOctets, C::Left},
    {sxCounter64, "counter64", 8, Counter64Octets, Counter64Text, HoldsUnsigned, nullptr, 0, UINT64_MAX,
     W::Counter64, Null, I::HighThenLow, O::Number, R::WideInteger, S::Whole, C::Right},
    {sxBoolean, "boolean", 4, Flag32Octets, Flag32Text, HoldsFlag, "true or false", NoMin, NoMax,
     W::Integer, Null, I::Word, O::Flag, R::Flag, S::Whole, C::Left},
    {sxNsapAddr, "nsapaddr", 4, AddressOctets, IpText, HoldsAddress, AddressNeeds, NoMin, NoMax,
     W::IpAddress, Null, I::FixedOctets, O::Text, R::None, S::Address, C::Left},
    {sxUInteger, "uinteger", 4, Int32Octets, UnsignedText, HoldsUnsigned, nullptr, 0, UINT32_MAX,
     W::Gauge, Null, I::Word, O::Number, R::Integer, S::Whole, C::Right},
    {sxDouble, "double", 8, RealOctets, RealText, HoldsReal, "a number such as 1.5 or -2e3", NoMin, NoMax,
     W::Octets, Null, I::LowThenHigh, O::Number, R::Real, S::Whole, C::Right},
    {sxMacAddress, "macaddress", 6, HexOctets, HexText, HoldsHex,
     "a MAC address: six octets as 12 hexadecimal digits, such as 00802F1A2B3C", NoMin, NoMax,
     W::Octets, nullptr, I::FixedOctets, O::Text, R::None, S::FixedHex, C::Left},
    {sxDateTime, "datetime", 11, DateAndTimeOctetsOf, DateAndTimeText, HoldsDateAndTime,
     "a date and time such as 1992-5-26,13:30:15.0, or with its zone 1992-5-26,13:30:15.0,+2:0", NoMin, NoMax,
     W::Octets, Null, I::FixedOctets, O::Text, R::None, S::DateAndTime, C::Left},
    {sxBcDateTime, "bcdatetime", 8, DateNumberOctets, DateNumberText, HoldsDateTime,
     "a date and time such as 2024/05/26 01:30:15 pm", NoMin, NoMax,
     W::Octets, Null, I::LowThenHigh, O::DateNumber, R::Real, S::DateTime, C::Left},
    {sxDisplayStr, "displaystr", 0, CharacterOctets, CharacterText, HoldsAnything, "", NoMin, NoMax,
     W::Octets, "", I::CountedOctets, O::Text, R::None, S::Whole, C::Left},
    {sxBool8, "bool8", 1, Flag8Octets, Flag8Text, HoldsFlag, "true or false", NoMin, NoMax,
     W::None, Null, I::None, O::Flag, R::None, S::Whole, C::Left},
    {sxInt8, "int8", 1, Int8Octets, Int8Text, HoldsSigned, nullptr, INT8_MIN, INT8_MAX,
     W::None, Null, I::None, O::Number, R::None, S::Whole, C::Right},
    {sxUInt8, "uint8", 1, Int8Octets, UInt8Text, HoldsUnsigned, nullptr, 0, UINT8_MAX,
     W::None, Null, I::None, O::Number, R::None, S::Whole, C::Right},
    {sxBool16, "bool16", 2, Flag16Octets, Flag16Text, HoldsFlag, "true or false", NoMin, NoMax,
     W::None, Null, I::None, O::Flag, R::None, S::Whole, C::Left},
    {sxInt16, "int16", 2, Int16Octets, Int16Text, HoldsSigned, nullptr, INT16_MIN, INT16_MAX,
     W::None, Null, I::None, O::Number, R::None, S::Whole, C::Right},
    {sxUInt16, "uint16", 2, Int16Octets, UInt16Text, HoldsUnsigned, nullptr, 0, UINT16_MAX,
     W::None, Null, I::None, O::Number, R::None, S::Whole, C::Right},
    {sxIpv6Address, "ipv6address", 16, HexOctets, HexText, HoldsHex,
     "an IPv6 address: sixteen octets as 32 hexadecimal digits, such as FE800000000000000000000000000001", NoMin,
     NoMax, W::Octets, nullptr, I::FixedOctets, O::Text, R::None, S::FixedHex, C::Left},
};

// What a whole-number syntax needs, from its bounds.
std::string NeedsOf(const VxSyntax& row) {
    if (row.Needs) return row.Needs;
    return "a whole number from " + std::to_string(row.Min) + " to " + std::to_string(row.Max);
}

}  // namespace

bool IsAddressText(std::string_view t) {
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        uint64_t value = 0;
        if (part > 0 && !Literal(t, pos, ".")) return false;
        if (!DigitsAt(t, pos, 255, value)) return false;
    }
    return pos == t.size();
}

const VxSyntax* FindSyntax(int code) {
    for (const VxSyntax& row : Syntaxes)
        if (static_cast<int>(row.Code) == code) return &row;
    return nullptr;
}

const VxSyntax& SyntaxOf(int code) {
    const VxSyntax* row = FindSyntax(code);
    if (!row) ThrowVxSNMP(vxBadSyntax);
    return *row;
}

const VxSyntax* SyntaxTableBegin() { return std::begin(Syntaxes); }
const VxSyntax* SyntaxTableEnd() { return std::end(Syntaxes); }

std::optional<std::string> CheckValueText(int syntax, std::string_view text) {
    const VxSyntax& row = SyntaxOf(syntax);
    if (text == "(NULL)" || row.Holds(row, text)) return std::nullopt;
    return NeedsOf(row);
}

std::string RefusedValueMessage(std::string_view label, std::string_view text, const std::string& needs) {
    return std::string(label) + ": \"" + std::string(text) + "\" is not " + needs + ".";
}

// ---- the wire ------------------------------------------------------------------------------

Octets WireOctets(const Vb& vb) {
    switch (vb.Type) {
    case SNMP_INTEGER: return LittleEndian(static_cast<uint32_t>(vb.Int), 4);
    case SNMP_COUNTER32:
    case SNMP_GAUGE32:
    case SNMP_TIMETICKS: return LittleEndian(vb.UInt, 4);
    case SNMP_COUNTER64: return LittleEndian(vb.U64, 8);
    case SNMP_IPADDRESS:
    case SNMP_OCTETS:
    case SNMP_OPAQUE: return vb.Bytes;
    case SNMP_OID: return WordOctets(vb.OidValue);
    default: return {};
    }
}

bool WireFits(const VxSyntax& row, const Vb& vb) {
    switch (row.Wire) {
    case W::Null: return true;
    case W::Integer: return vb.Type == SNMP_INTEGER;
    case W::Gauge:
    case W::TimeTicks: return vb.IsUnsignedType();
    case W::Counter64: return vb.Type == SNMP_COUNTER64;
    case W::IpAddress: return vb.Type == SNMP_IPADDRESS;
    case W::ObjectId: return vb.Type == SNMP_OID;
    case W::Octets:
        // A syntax that shows its octets whatever came shows nothing for none.
        return vb.IsOctetType() || (!row.NoValueText && (vb.IsException() || vb.Type == SNMP_NULL));
    case W::None: return false;
    }
    return false;
}

void SetWireValue(const VxSyntax& row, const Octets& bytes, Vb& vb) {
    switch (row.Wire) {
    case W::Null: vb.SetNull(); break;
    case W::Integer: vb.SetInteger(static_cast<int32_t>(Field(bytes, 4))); break;
    case W::Gauge: vb.SetUnsigned(SNMP_GAUGE32, static_cast<uint32_t>(Field(bytes, 4))); break;
    case W::TimeTicks: vb.SetUnsigned(SNMP_TIMETICKS, static_cast<uint32_t>(Field(bytes, 4))); break;
    case W::Counter64: vb.SetCounter64(Field(bytes, 8)); break;
    case W::IpAddress: vb.SetIpAddress(bytes.substr(0, 4)); break;
    case W::ObjectId: vb.SetObjectId(WordsOf(bytes)); break;
    case W::Octets: vb.SetOctets(bytes); break;
    case W::None: ThrowVxSNMP(vxBadSyntax);
    }
}
