#include "TDateTime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "common/VxNumbers.h"
#include "platform/Exception.h"

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

const long long Epoch1899 = DaysFromCivil(1899, 12, 30);

// The date-time numbers the class library holds: 1 January of the year 1 to
// the end of 31 December 9999. Outside lie NaN, the infinities and numbers
// too large for a day count.
constexpr double FirstDateTime = -693594.0;  // exclusive: -693593.x is in the year 1
constexpr double EndDateTime = 2958466.0;    // exclusive: 1 January 10000

[[noreturn]] void NotADateTime(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid date and time");
}

// Reads the digits at pos as an unsigned number; false when there are none
// or they are too many for a date.
bool ReadField(const std::string& s, size_t& pos, int& value) {
    if (pos >= s.size() || !std::isdigit(static_cast<unsigned char>(s[pos]))) return false;
    const NumberRead n = ReadNumber(std::string_view(s).substr(pos), NumberShape::Integer);
    if (n.Overflow || n.Magnitude > 1000000) return false;
    value = static_cast<int>(n.Magnitude);
    pos += n.End;
    return true;
}

bool Expect(const std::string& s, size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void SkipBlanks(const std::string& s, size_t& pos) {
    while (pos < s.size() && s[pos] == ' ') ++pos;
}

}  // namespace

TDateTime EncodeDateTime(const DateTimeParts& p) {
    const double days = static_cast<double>(
        DaysFromCivil(p.Year, static_cast<unsigned>(p.Month), static_cast<unsigned>(p.Day)) - Epoch1899);
    const double time = (p.Hour * 3600000.0 + p.Minute * 60000.0 + p.Second * 1000.0 + p.Millisecond) / 86400000.0;
    return days >= 0 ? days + time : days - time;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    if (!(value > FirstDateTime && value < EndDateTime))
        throw EConvertError("'" + FloatToStr(value) + "' is not a valid date and time");
    DateTimeParts p;
    const double whole = std::trunc(value);
    long long ms = std::llround(std::fabs(value - whole) * 86400000.0);
    long long days = static_cast<long long>(whole);
    if (ms >= 86400000) {  // rounding reached midnight
        ms -= 86400000;
        days += value >= 0 ? 1 : -1;
    }
    CivilFromDays(days + Epoch1899, p.Year, p.Month, p.Day);
    p.Hour = static_cast<int>(ms / 3600000);
    p.Minute = static_cast<int>(ms / 60000 % 60);
    p.Second = static_cast<int>(ms / 1000 % 60);
    p.Millisecond = static_cast<int>(ms % 1000);
    return p;
}

TDateTime DateTimeNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    DateTimeParts p;
    p.Year = local.tm_year + 1900;
    p.Month = local.tm_mon + 1;
    p.Day = local.tm_mday;
    p.Hour = local.tm_hour;
    p.Minute = local.tm_min;
    p.Second = local.tm_sec;
    p.Millisecond = static_cast<int>(ts.tv_nsec / 1000000);
    return EncodeDateTime(p);
}

std::string FormatDateTime(TDateTime value) {
    const DateTimeParts p = DecodeDateTime(value);
    int hour12 = p.Hour % 12;
    if (hour12 == 0) hour12 = 12;
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d %s", p.Year, p.Month, p.Day, hour12,
                  p.Minute, p.Second, p.Hour < 12 ? "am" : "pm");
    return text;
}

TDateTime StrToDateTime(const std::string& text) {
    size_t pos = 0;
    DateTimeParts p;
    SkipBlanks(text, pos);
    if (!ReadField(text, pos, p.Year) || !Expect(text, pos, '/') || !ReadField(text, pos, p.Month) ||
        !Expect(text, pos, '/') || !ReadField(text, pos, p.Day))
        NotADateTime(text);
    SkipBlanks(text, pos);
    if (pos < text.size()) {
        if (!ReadField(text, pos, p.Hour) || !Expect(text, pos, ':') || !ReadField(text, pos, p.Minute))
            NotADateTime(text);
        if (Expect(text, pos, ':') && !ReadField(text, pos, p.Second)) NotADateTime(text);
        SkipBlanks(text, pos);
        if (pos < text.size()) {
            const std::string rest = text.substr(pos, 2);
            const bool am = rest == "am" || rest == "AM" || rest == "Am";
            const bool pm = rest == "pm" || rest == "PM" || rest == "Pm";
            if ((!am && !pm) || p.Hour < 1 || p.Hour > 12) NotADateTime(text);
            pos += 2;
            p.Hour = p.Hour % 12 + (pm ? 12 : 0);
            SkipBlanks(text, pos);
            if (pos != text.size()) NotADateTime(text);
        }
    }
    // Only the years the date-time numbers hold, so that what is read can be shown.
    if (p.Year < 1 || p.Year > 9999 || p.Month < 1 || p.Month > 12 || p.Day < 1 || p.Day > 31 || p.Hour > 23 ||
        p.Minute > 59 || p.Second > 59)
        NotADateTime(text);
    int y = 0, m = 0, d = 0;
    CivilFromDays(DaysFromCivil(p.Year, static_cast<unsigned>(p.Month), static_cast<unsigned>(p.Day)), y, m, d);
    if (d != p.Day) NotADateTime(text);  // 31 April and the like
    return EncodeDateTime(p);
}

std::string FloatToStr(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return std::string(text, result.ptr);
}
