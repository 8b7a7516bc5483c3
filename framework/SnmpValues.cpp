#include "SnmpValues.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/TimeTicks.h"
#include "common/VxDateTime.h"

void Vb::SetInteger(int32_t v) {
    SetNull();
    Type = SNMP_INTEGER;
    Int = v;
}

void Vb::SetUnsigned(uint8_t type, uint32_t v) {
    SetNull();
    Type = type;
    UInt = v;
}

void Vb::SetCounter64(uint64_t v) {
    SetNull();
    Type = SNMP_COUNTER64;
    U64 = v;
}

void Vb::SetOctets(Octets v, uint8_t type) {
    SetNull();
    Type = type;
    Bytes = std::move(v);
}

void Vb::SetIpAddress(Octets fourOctets) {
    fourOctets.resize(4, '\0');
    SetOctets(std::move(fourOctets), SNMP_IPADDRESS);
}

void Vb::SetObjectId(SubIds v) {
    SetNull();
    Type = SNMP_OID;
    OidValue = std::move(v);
}

std::string Vb::PrintableValue() const {
    switch (Type) {
    case SNMP_INTEGER: return std::to_string(Int);
    case SNMP_COUNTER32:
    case SNMP_GAUGE32: return std::to_string(UInt);
    case SNMP_TIMETICKS: return TimeTicks(UInt).get_printable();
    case SNMP_COUNTER64: return std::to_string(U64);
    case SNMP_IPADDRESS: return IpText(Bytes);
    case SNMP_OID: return OidText(OidValue);
    case SNMP_OCTETS:
    case SNMP_OPAQUE: return HexText(Bytes);
    default: return {};
    }
}

std::string OidText(const SubIds& ids) {
    std::string text;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(ids[i]);
    }
    return text;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The sub-identifier whose digits start at `pos`; `pos` moves past them.
uint32_t SubIdAt(std::string_view text, size_t& pos, bool& tooLarge) {
    const NumberRead n = ReadNumber(text.substr(pos), NumberShape::Integer);
    pos += n.End;
    tooLarge = n.Overflow || n.Magnitude > 0xFFFFFFFFull;
    return tooLarge ? 0xFFFFFFFFu : static_cast<uint32_t>(n.Magnitude);
}

}  // namespace

bool ParseOidText(const std::string& text, SubIds& ids) {
    ids.clear();
    size_t pos = (!text.empty() && text[0] == '.') ? 1 : 0;
    if (pos >= text.size()) return false;
    while (true) {
        if (pos >= text.size() || !IsDigit(text[pos])) return false;
        bool tooLarge = false;
        ids.push_back(SubIdAt(text, pos, tooLarge));
        if (tooLarge || ids.size() > 128) return false;
        if (pos == text.size()) return true;
        if (text[pos] != '.') return false;
        ++pos;
    }
}

SubIds LenientOidParse(const std::string& text) {
    SubIds ids;
    size_t pos = 0;
    while (pos < text.size()) {
        if (!IsDigit(text[pos])) {
            ++pos;
            continue;
        }
        bool tooLarge = false;
        ids.push_back(SubIdAt(text, pos, tooLarge));  // saturated
    }
    return ids;
}

std::string HexText(const Octets& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

}  // namespace

Octets FromHexString(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c != ' ') digits += c;
    Octets bytes;
    size_t pos = 0;
    if (digits.size() % 2) {
        bytes += static_cast<char>(HexDigitValue(digits[0]));
        pos = 1;
    }
    for (; pos + 1 < digits.size(); pos += 2)
        bytes += static_cast<char>(HexDigitValue(digits[pos]) * 16 + HexDigitValue(digits[pos + 1]));
    return bytes;
}

std::string CharacterText(const Octets& bytes) {
    const size_t zero = bytes.find('\0');
    return zero == std::string::npos ? bytes : bytes.substr(0, zero);
}

std::string IpText(const Octets& bytes) {
    std::string text;
    for (size_t i = 0; i < 4; ++i) {
        if (i) text += '.';
        text += std::to_string(i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
    }
    return text;
}

Octets IpOctets(const std::string& text) {
    Octets bytes;
    for (uint32_t part : LenientOidParse(text)) {
        if (bytes.size() == 4) break;
        bytes += static_cast<char>(part & 0xFF);
    }
    bytes.resize(4, '\0');
    return bytes;
}

Octets LittleEndian(uint64_t v, int size) {
    Octets bytes(static_cast<size_t>(size), '\0');
    for (int i = 0; i < size; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return bytes;
}

uint64_t ReadLittleEndian(const Octets& bytes, int size) {
    uint64_t v = 0;
    for (size_t i = 0; i < static_cast<size_t>(size) && i < bytes.size(); ++i)
        v |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return v;
}

Octets WordOctets(const SubIds& ids) {
    Octets bytes;
    for (uint32_t id : ids) bytes += LittleEndian(id, 4);
    return bytes;
}

SubIds WordsOf(const Octets& bytes) {
    SubIds ids;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
        ids.push_back(static_cast<uint32_t>(ReadLittleEndian(bytes.substr(i, 4), 4)));
    return ids;
}

Octets DoubleOctets(double v) { return LittleEndian(std::bit_cast<uint64_t>(v), 8); }

double DoubleFromOctets(const Octets& bytes) { return std::bit_cast<double>(ReadLittleEndian(bytes, 8)); }

std::string DateAndTimeText(const Octets& bytes) {
    const VxDateTime value = VxDateTime::FromOctets(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                    std::min(bytes.size(), VxDateTime::OctetCount));
    return VxDateTime::Format(value);
}

Octets DateAndTimeOctets(const std::string& text) {
    const auto octets = VxDateTime::Parse(text).ToOctets();
    return Octets(reinterpret_cast<const char*>(octets.data()), octets.size());
}
