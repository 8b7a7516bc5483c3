#pragma once
// Typed values of the object tree: the SMI types the simulated stack serves.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "simstack/Oid.h"

namespace simstack {

enum class ValueType {
    Integer,    // INTEGER / Integer32
    Unsigned,   // Gauge32 / Unsigned32
    Counter,    // Counter32
    Counter64,
    TimeTicks,
    IpAddress,  // four octets
    String,     // OCTET STRING (any bytes: text, MAC address, port list, LED string)
    ObjectId,
};

struct Value {
    ValueType type = ValueType::Integer;
    int64_t integer = 0;          // Integer
    uint64_t unsignedNumber = 0;  // Unsigned, Counter, Counter64, TimeTicks
    std::string octets;           // String, IpAddress
    Oid objectId;                 // ObjectId

    static Value Int(int64_t number);
    static Value Text(std::string bytes);

    bool operator==(const Value&) const = default;
};

// Names used by the stack description and by the set trace:
// "integer", "unsigned", "counter", "counter64", "timeticks", "ipaddress", "string", "oid".
std::string_view TypeName(ValueType type);
std::optional<ValueType> ParseTypeName(std::string_view name);

// The value's zero: 0, "", 0.0.0.0, 0.0.
Value ZeroValue(ValueType type);

// Text of a value as the set trace writes it: numbers in decimal, addresses
// and OIDs dotted, strings double-quoted with \" \\ and \xNN escapes for
// anything that is not printable ASCII.
std::string FormatValue(const Value& value);

// "00 80 c8", "00:80:C8", "0080c8" or "0x0080c8"; nullopt when not hex octets.
std::optional<std::string> ParseHexOctets(std::string_view text);

// "192.168.0.1" as four octets.
std::optional<std::string> ParseIpAddress(std::string_view text);

}  // namespace simstack
