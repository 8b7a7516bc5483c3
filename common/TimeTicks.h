#pragma once
// A time-ticks value (SNMP syntax 67): an unsigned 32-bit count of hundredths
// of a second, with the module's text form "5 days, 3:04:05.06".

#include <cstdint>
#include <string>
#include <string_view>

class TimeTicks {
public:
    static constexpr int Syntax = 67;
    // Hundredths of a second in each unit of the text form.
    static constexpr uint32_t PerDay = 8640000;
    static constexpr uint32_t PerHour = 360000;
    static constexpr uint32_t PerMinute = 6000;
    static constexpr uint32_t PerSecond = 100;

    TimeTicks() = default;
    explicit TimeTicks(uint32_t hundredths) : Hundredths(hundredths) {}

    // Reads any of the forms that get_printable writes: "h:mm:ss.cc",
    // "1 day h:mm:ss.cc", "d days, h:mm:ss.cc". Lenient: a part the text does
    // not have adds nothing ("0:01:30" is 6000, "12345" is 0), numbers are read
    // the way atoi reads them, hundredths are taken as written ("1.5" is 105),
    // and the sum wraps modulo 2^32. A null text is 0. The text itself is
    // never written to.
    explicit TimeTicks(const char* text);
    explicit TimeTicks(std::string_view text);
    TimeTicks& operator=(const char* text);
    TimeTicks& operator=(std::string_view text);

    // "%lu:%02lu:%02lu.%02lu" below one day, "1 day %lu:..." for one day,
    // "%lu days, %lu:..." from two days on.
    std::string get_printable() const;

    int get_syntax() const { return Syntax; }
    uint32_t Value() const { return Hundredths; }
    operator uint32_t() const { return Hundredths; }

private:
    static uint32_t Parse(std::string_view text);

    uint32_t Hundredths = 0;
};
