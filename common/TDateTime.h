#pragma once
// The class library's date-time number (days since 30 December 1899, the
// time of day as the fraction) and the module's fixed texts for it and for
// doubles. The texts do not depend on the user's locale, so a value written
// by one machine reads back on any other.

#include <string>

using TDateTime = double;

struct DateTimeParts {
    int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

TDateTime EncodeDateTime(const DateTimeParts& parts);
// Throws EConvertError for a number that is no date of the years 1 to 9999
// (NaN, an infinity, a number too large), as FormatDateTime does then.
DateTimeParts DecodeDateTime(TDateTime value);
// The local date and time now.
TDateTime DateTimeNow();

// "yyyy/mm/dd hh:nn:ss am/pm" (12-hour clock).
std::string FormatDateTime(TDateTime value);
// Reads "yyyy/mm/dd[ hh:nn[:ss][ am|pm]]" (24-hour clock without am/pm) of
// the years 1 to 9999; throws EConvertError for any other text.
TDateTime StrToDateTime(const std::string& text);

// General format with up to 15 significant digits and a decimal point.
std::string FloatToStr(double value);
