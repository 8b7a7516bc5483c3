#include "VxOctets.h"

#include <cstring>

#include "common/TDateTime.h"
#include "common/TimeTicks.h"
#include "framework/SnmpVarItem.h"
#include "framework/VxSNMPMessages.h"

namespace {

Octets BigEndian16(uint16_t v) {
    Octets bytes(2, '\0');
    bytes[0] = static_cast<char>(v >> 8);
    bytes[1] = static_cast<char>(v & 0xFF);
    return bytes;
}

uint16_t ReadBigEndian16(const Octets& bytes) {
    return static_cast<uint16_t>((static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]));
}

// atoi: leading blanks, optional sign, digits; wraps to 32 bits.
uint32_t Atoi32(const std::string& text) { return static_cast<uint32_t>(LenientInteger(text)); }

bool IsVariableSize(int syntax) { return SyntaxOctetSize(syntax) == 0 && syntax != sxNull; }

}  // namespace

int SyntaxOctetSize(int syntax) {
    switch (syntax) {
    case sxBoolean: case sxInteger: case sxCounter: case sxGauge: case sxUInteger: case sxTimeTicks:
    case sxIpAddress: case sxNsapAddr:
        return 4;
    case sxCounter64: case sxDouble: case sxBcDateTime: return 8;
    case sxDateTime: return 11;
    case sxMacAddress: return 6;
    case sxIpv6Address: return 16;
    case sxBool8: case sxInt8: case sxUInt8: return 1;
    case sxBool16: case sxInt16: case sxUInt16: return 2;
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxObjectId: case sxDisplayStr: case sxNull: return 0;
    default: return -1;
    }
}

Octets TextToOctets(const std::string& text, int syntax) {
    if (SyntaxOctetSize(syntax) < 0) ThrowVxSNMP(vxBadSyntax);
    if (syntax == sxNull || text == "(NULL)") return {};
    switch (syntax) {
    case sxBoolean: return LittleEndian(text == "true" ? 1 : 0, 4);
    case sxInteger: case sxCounter: case sxGauge: case sxUInteger: return LittleEndian(Atoi32(text), 4);
    case sxCounter64: return LittleEndian(LenientUnsigned64(text), 8);
    case sxDouble: return DoubleOctets(LenientDouble(text));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxMacAddress: case sxIpv6Address:
        return FromHexString(text);
    case sxObjectId: {
        Octets bytes;
        for (uint32_t id : LenientOidParse(text)) bytes += LittleEndian(id, 4);
        return bytes;
    }
    case sxIpAddress: case sxNsapAddr: {
        Octets bytes;
        for (uint32_t id : LenientOidParse(text)) bytes += static_cast<char>(id & 0xFF);
        return bytes;
    }
    case sxTimeTicks: return LittleEndian(static_cast<uint32_t>(TimeTicks(text)), 4);
    case sxDateTime: return DateAndTimeOctets(text);
    case sxBcDateTime: return DoubleOctets(StrToDateTime(text));
    case sxDisplayStr: return text;
    case sxBool8: return LittleEndian(text == "true" ? 1 : 0, 1);
    case sxInt8: case sxUInt8: return LittleEndian(Atoi32(text) & 0xFF, 1);
    case sxBool16: return BigEndian16(text == "true" ? 1 : 0);
    default: return BigEndian16(static_cast<uint16_t>(Atoi32(text) & 0xFFFF));  // int16, uint16
    }
}

std::string OctetsToText(const Octets& bytes, int syntax) {
    const int size = SyntaxOctetSize(syntax);
    if (size < 0) ThrowVxSNMP(vxBadSyntax);
    if (syntax == sxNull) return "(NULL)";
    if (bytes.empty()) return syntax == sxDisplayStr ? "" : "(NULL)";
    if (size > 0 && bytes.size() < static_cast<size_t>(size)) ThrowVxSNMP(vxBadPartValue);
    switch (syntax) {
    case sxBoolean: return ReadLittleEndian(bytes, 4) == 0 ? "false" : "true";
    case sxInteger: return std::to_string(static_cast<int32_t>(ReadLittleEndian(bytes, 4)));
    case sxCounter: case sxGauge: case sxUInteger: return std::to_string(static_cast<uint32_t>(ReadLittleEndian(bytes, 4)));
    case sxCounter64: return std::to_string(ReadLittleEndian(bytes, 8));
    case sxDouble: return FloatToStr(DoubleFromOctets(bytes));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxMacAddress: case sxIpv6Address: return HexText(bytes);
    case sxObjectId: {
        // Whole 4-octet groups only; a shorter tail is not a sub-identifier.
        SubIds ids;
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
            ids.push_back(static_cast<uint32_t>(ReadLittleEndian(bytes.substr(i, 4), 4)));
        return OidText(ids);
    }
    case sxIpAddress: case sxNsapAddr: return IpText(bytes);
    case sxTimeTicks: return TimeTicks(static_cast<uint32_t>(ReadLittleEndian(bytes, 4))).get_printable();
    case sxDateTime: return DateAndTimeText(bytes);
    case sxBcDateTime: return FormatDateTime(DoubleFromOctets(bytes));
    case sxDisplayStr: return CharacterText(bytes);
    case sxBool8: return bytes[0] == 0 ? "false" : "true";
    case sxInt8: return std::to_string(static_cast<int8_t>(bytes[0]));
    case sxUInt8: return std::to_string(static_cast<unsigned char>(bytes[0]));
    case sxBool16: return ReadBigEndian16(bytes) == 0 ? "false" : "true";
    case sxInt16: return std::to_string(static_cast<int16_t>(ReadBigEndian16(bytes)));
    default: return std::to_string(ReadBigEndian16(bytes));  // uint16
    }
}

Octets ExtractPart(const Octets& bytes, int offset, int syntax) {
    const int size = SyntaxOctetSize(syntax);
    if (size < 0) ThrowVxSNMP(vxBadSyntax);
    if (bytes.empty() || syntax == sxNull) return {};
    const size_t from = static_cast<size_t>(offset < 0 ? 0 : offset);
    if (IsVariableSize(syntax)) return from < bytes.size() ? bytes.substr(from) : Octets();
    if (bytes.size() < from + static_cast<size_t>(size)) ThrowVxSNMP(vxPartOutOfRange);
    return bytes.substr(from, static_cast<size_t>(size));
}
