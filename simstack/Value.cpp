#include "simstack/Value.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>

namespace simstack {
namespace {

constexpr std::array<std::pair<ValueType, std::string_view>, 8> kTypeNames = {{
    {ValueType::Integer, "integer"},
    {ValueType::Unsigned, "unsigned"},
    {ValueType::Counter, "counter"},
    {ValueType::Counter64, "counter64"},
    {ValueType::TimeTicks, "timeticks"},
    {ValueType::IpAddress, "ipaddress"},
    {ValueType::String, "string"},
    {ValueType::ObjectId, "oid"},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string QuoteOctets(const std::string& octets) {
    std::string text = "\"";
    for (const char c : octets) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte >= 0x20 && byte < 0x7f) {
            text += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            text += escape;
        }
    }
    return text + "\"";
}

}  // namespace

Value Value::Int(int64_t number) {
    Value value;
    value.type = ValueType::Integer;
    value.integer = number;
    return value;
}

Value Value::Text(std::string bytes) {
    Value value;
    value.type = ValueType::String;
    value.octets = std::move(bytes);
    return value;
}

std::string_view TypeName(ValueType type) {
    for (const auto& [known, name] : kTypeNames) {
        if (known == type) return name;
    }
    return "unknown";
}

std::optional<ValueType> ParseTypeName(std::string_view name) {
    for (const auto& [type, known] : kTypeNames) {
        if (known == name) return type;
    }
    return std::nullopt;
}

Value ZeroValue(ValueType type) {
    Value value;
    value.type = type;
    if (type == ValueType::IpAddress) value.octets.assign(4, '\0');
    if (type == ValueType::ObjectId) value.objectId = {0, 0};
    return value;
}

std::string FormatValue(const Value& value) {
    switch (value.type) {
        case ValueType::Integer:
            return std::to_string(value.integer);
        case ValueType::Unsigned:
        case ValueType::Counter:
        case ValueType::Counter64:
        case ValueType::TimeTicks:
            return std::to_string(value.unsignedNumber);
        case ValueType::IpAddress: {
            std::string text;
            for (size_t i = 0; i < value.octets.size(); ++i) {
                if (i > 0) text += '.';
                text += std::to_string(static_cast<unsigned char>(value.octets[i]));
            }
            return text;
        }
        case ValueType::String:
            return QuoteOctets(value.octets);
        case ValueType::ObjectId:
            return FormatOid(value.objectId);
    }
    return {};
}

std::optional<std::string> ParseHexOctets(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    std::string octets;
    int high = -1;
    for (const char c : text) {
        if (c == ' ' || c == ':' || c == '-') {
            if (high >= 0) return std::nullopt;  // separators only between whole octets
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            octets += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return octets;
}

std::optional<std::string> ParseIpAddress(std::string_view text) {
    if (text.starts_with('.')) return std::nullopt;
    const auto parts = ParseOid(text);
    if (!parts || parts->size() != 4) return std::nullopt;
    std::string octets;
    for (const uint32_t part : *parts) {
        if (part > 255) return std::nullopt;
        octets += static_cast<char>(part);
    }
    return octets;
}

}  // namespace simstack
