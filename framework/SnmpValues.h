#pragma once
// Variable bindings and the text forms of OIDs and octets that the engine
// shares. A binding carries its OID as dotted text (no leading dot); the
// transport turns texts into sub-identifiers only when it sends.

#include <cstdint>
#include <string>
#include <vector>

#include "common/VxNumbers.h"

using Octets = std::string;  // raw bytes
using SubIds = std::vector<uint32_t>;

// BER tags of the values a binding can carry.
enum SnmpType : uint8_t {
    SNMP_INTEGER = 0x02,
    SNMP_OCTETS = 0x04,
    SNMP_NULL = 0x05,
    SNMP_OID = 0x06,
    SNMP_IPADDRESS = 0x40,
    SNMP_COUNTER32 = 0x41,
    SNMP_GAUGE32 = 0x42,
    SNMP_TIMETICKS = 0x43,
    SNMP_OPAQUE = 0x44,
    SNMP_COUNTER64 = 0x46,
    SNMP_NOSUCHOBJECT = 0x80,
    SNMP_NOSUCHINSTANCE = 0x81,
    SNMP_ENDOFMIBVIEW = 0x82,
};

// One variable binding.
struct Vb {
    std::string Oid;
    uint8_t Type = SNMP_NULL;
    int32_t Int = 0;       // SNMP_INTEGER
    uint32_t UInt = 0;     // counter, gauge, timeticks
    uint64_t U64 = 0;      // counter64
    Octets Bytes;          // octet string, opaque, IP address (4 octets)
    SubIds OidValue;       // object identifier

    Vb() = default;
    explicit Vb(std::string oid) : Oid(std::move(oid)) {}

    void SetNull() { *this = Vb(Oid); }
    void SetInteger(int32_t v);
    void SetUnsigned(uint8_t type, uint32_t v);
    void SetCounter64(uint64_t v);
    void SetOctets(Octets v, uint8_t type = SNMP_OCTETS);
    void SetIpAddress(Octets fourOctets);
    void SetObjectId(SubIds v);

    // An SNMPv2 exception (noSuchObject, noSuchInstance, endOfMibView).
    bool IsException() const { return Type >= SNMP_NOSUCHOBJECT; }
    bool IsOctetType() const { return Type == SNMP_OCTETS || Type == SNMP_OPAQUE; }
    bool IsUnsignedType() const {
        return Type == SNMP_COUNTER32 || Type == SNMP_GAUGE32 || Type == SNMP_TIMETICKS;
    }
    // The value in the natural text of its own type; empty for null and exceptions.
    std::string PrintableValue() const;
};

// Dotted decimal text of sub-identifiers.
std::string OidText(const SubIds& ids);
// Strict parse of dotted decimal text (an optional leading dot is accepted);
// false for anything else, for more than 128 sub-identifiers or a component
// above 4294967295.
bool ParseOidText(const std::string& text, SubIds& ids);
// Lenient parse: each run of digits is a sub-identifier; other characters
// separate them. Used where the value text comes from the user.
SubIds LenientOidParse(const std::string& text);

// Two upper-case hex digits per octet, no separators.
std::string HexText(const Octets& bytes);
// Blanks are skipped; with an odd count the first character alone gives the
// first octet; a character that is no hex digit counts as 0. Never fails.
Octets FromHexString(const std::string& text);
// The octets up to the first zero octet, as characters.
std::string CharacterText(const Octets& bytes);
// "a.b.c.d" of the first four octets.
std::string IpText(const Octets& bytes);
// Four octets of a dotted address text; each part read as a number (low 8 bits).
Octets IpOctets(const std::string& text);

// Unsigned values as `size` octets, least significant first, and back
// (missing octets read as 0).
Octets LittleEndian(uint64_t v, int size);
uint64_t ReadLittleEndian(const Octets& bytes, int size);

// Sub-identifiers as 4 octets each, least significant first, and back
// (whole 4-octet groups only: a shorter tail is not a sub-identifier).
Octets WordOctets(const SubIds& ids);
SubIds WordsOf(const Octets& bytes);

// IEEE 754 double as 8 octets, least significant first, and back.
Octets DoubleOctets(double v);
double DoubleFromOctets(const Octets& bytes);


// RFC 2579 DateAndTime: the module's text of the first 11 octets (an 8-octet
// value without zone reads with no zone), and the 11 octets of a text.
std::string DateAndTimeText(const Octets& bytes);
Octets DateAndTimeOctets(const std::string& text);
