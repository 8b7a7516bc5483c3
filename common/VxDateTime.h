#pragma once
// DateAndTime (RFC 2579) in host form: 11 meaningful bytes laid out as on the
// wire, except that `Year` is in host byte order. The value conversion copies
// the 11 octets of an SNMP value in and calls SwapYearBytes (and back).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct VxDateTime {
    static constexpr size_t OctetCount = 11;

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';  // '+' or '-' from UTC
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;

    // The machine's local date and time to the second, with no zone.
    static VxDateTime Now();

    // "%d-%d-%d,%d:%d:%d.%d" with an optional zone ",+%d:%d" or ",-%d:%d";
    // each field is kept to its width. Fields the text does not give are 0
    // (and the direction '+').
    static VxDateTime Parse(const std::string& text);

    // "1992-5-26,13:30:15.0"; the zone ",+2:0" is added when it is not zero
    // and the direction is '+' or '-'.
    static std::string Format(const VxDateTime& value);

    // From the octets of an SNMP DateAndTime value (year most significant
    // first). A value shorter than 11 octets (agents send 8, without the zone)
    // leaves the fields it does not reach 0 and the direction '+'.
    static VxDateTime FromOctets(const uint8_t* octets, size_t count);

    // The octets of the SNMP value: the 11 bytes with the year most
    // significant first.
    std::array<uint8_t, OctetCount> ToOctets() const;

    void SwapYearBytes() { Year = static_cast<uint16_t>((Year >> 8) | (Year << 8)); }

    bool operator==(const VxDateTime&) const = default;
};

// The octets of a DateAndTime value start at the struct's first byte.
static_assert(offsetof(VxDateTime, Year) == 0 && offsetof(VxDateTime, Month) == 2 &&
              offsetof(VxDateTime, UtcMinutes) == VxDateTime::OctetCount - 1);
