#include "VxDateTime.h"

#include <cstdio>
#include <cstring>
#include <ctime>

VxDateTime VxDateTime::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    VxDateTime value;
    value.Year = static_cast<uint16_t>(local.tm_year + 1900);
    value.Month = static_cast<uint8_t>(local.tm_mon + 1);
    value.Day = static_cast<uint8_t>(local.tm_mday);
    value.Hour = static_cast<uint8_t>(local.tm_hour);
    value.Minutes = static_cast<uint8_t>(local.tm_min);
    value.Seconds = static_cast<uint8_t>(local.tm_sec);
    return value;
}

VxDateTime VxDateTime::Parse(const std::string& text) {
    // Year, month, day, hour, minutes, seconds, deci-seconds, zone hours, zone minutes.
    int f[9] = {};
    char direction = '+';
    const char* s = text.c_str();
    if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7],
                    &f[8]) == 9) {
        direction = '+';
    } else if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6],
                           &f[7], &f[8]) == 9) {
        direction = '-';
    } else {
        // Without a zone; a text that fits no format keeps what could be read.
        for (int& field : f) field = 0;
        std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]);
    }
    VxDateTime value;
    value.Year = static_cast<uint16_t>(f[0]);
    value.Month = static_cast<uint8_t>(f[1]);
    value.Day = static_cast<uint8_t>(f[2]);
    value.Hour = static_cast<uint8_t>(f[3]);
    value.Minutes = static_cast<uint8_t>(f[4]);
    value.Seconds = static_cast<uint8_t>(f[5]);
    value.DeciSeconds = static_cast<uint8_t>(f[6]);
    value.Direction = direction;
    value.UtcHours = static_cast<uint8_t>(f[7]);
    value.UtcMinutes = static_cast<uint8_t>(f[8]);
    return value;
}

std::string VxDateTime::Format(const VxDateTime& value) {
    char text[96];
    const bool hasZone =
        (value.UtcHours != 0 || value.UtcMinutes != 0) && (value.Direction == '+' || value.Direction == '-');
    if (hasZone)
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", value.Year, value.Month, value.Day,
                      value.Hour, value.Minutes, value.Seconds, value.DeciSeconds, value.Direction, value.UtcHours,
                      value.UtcMinutes);
    else
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d", value.Year, value.Month, value.Day, value.Hour,
                      value.Minutes, value.Seconds, value.DeciSeconds);
    return text;
}

VxDateTime VxDateTime::FromOctets(const uint8_t* octets, size_t count) {
    uint8_t wire[OctetCount] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    if (octets && count) std::memcpy(wire, octets, count < OctetCount ? count : OctetCount);
    VxDateTime value;
    value.Year = static_cast<uint16_t>(wire[0] << 8 | wire[1]);
    std::memcpy(reinterpret_cast<uint8_t*>(&value) + 2, wire + 2, OctetCount - 2);
    return value;
}

std::array<uint8_t, VxDateTime::OctetCount> VxDateTime::ToOctets() const {
    std::array<uint8_t, OctetCount> wire{};
    wire[0] = static_cast<uint8_t>(Year >> 8);
    wire[1] = static_cast<uint8_t>(Year);
    std::memcpy(wire.data() + 2, reinterpret_cast<const uint8_t*>(this) + 2, OctetCount - 2);
    return wire;
}
