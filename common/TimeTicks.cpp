#include "TimeTicks.h"

#include <cstdio>

#include "common/VxNumbers.h"

namespace {

// When `separator` occurs in the text from `pos` on: adds the number before
// it times `unit` and moves `pos` past it.
bool TakeFieldBefore(std::string_view text, size_t& pos, std::string_view separator, uint32_t unit,
                     uint32_t& sum) {
    const size_t at = text.find(separator, pos);
    if (at == std::string_view::npos) return false;
    sum += LenientWrapped32(text.substr(pos, at - pos)) * unit;
    pos = at + separator.size();
    return true;
}

}  // namespace

TimeTicks::TimeTicks(const char* text) : Hundredths(text ? Parse(text) : 0) {}
TimeTicks::TimeTicks(std::string_view text) : Hundredths(Parse(text)) {}

TimeTicks& TimeTicks::operator=(const char* text) {
    Hundredths = text ? Parse(text) : 0;
    return *this;
}

TimeTicks& TimeTicks::operator=(std::string_view text) {
    Hundredths = Parse(text);
    return *this;
}

uint32_t TimeTicks::Parse(std::string_view text) {
    uint32_t sum = 0;
    size_t pos = 0;
    if (!TakeFieldBefore(text, pos, "days", PerDay, sum)) TakeFieldBefore(text, pos, "day", PerDay, sum);
    if (const size_t comma = text.find(',', pos); comma != std::string_view::npos) pos = comma + 1;
    if (TakeFieldBefore(text, pos, ":", PerHour, sum)) TakeFieldBefore(text, pos, ":", PerMinute, sum);
    if (TakeFieldBefore(text, pos, ".", PerSecond, sum)) sum += LenientWrapped32(text.substr(pos));
    return sum;
}

std::string TimeTicks::get_printable() const {
    const unsigned long t = Hundredths;
    const unsigned long d = t / PerDay, h = t % PerDay / PerHour, m = t % PerHour / PerMinute,
                        s = t % PerMinute / PerSecond, c = t % PerSecond;
    char text[64];
    if (d == 0)
        std::snprintf(text, sizeof text, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    else if (d == 1)
        std::snprintf(text, sizeof text, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    else
        std::snprintf(text, sizeof text, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    return text;
}
