#pragma once
// The module's one reader of numbers in texts. It reads the number at the
// front of a text the C library's lenient way (leading blanks, an optional
// sign, decimal digits and, for real numbers, whatever the C library's
// text-to-double conversion takes: a fraction, an exponent, "0x" digits,
// "inf", "nan"; reading stops at the first character that cannot continue
// the number, and a text without a number reads as 0), always with a decimal
// point, whatever the user's locale. Conversions, time ticks, expressions, OID texts and
// input constraints all read through it; the checks of typed values use its
// strict forms, which take a text only when it is one number and nothing else.

#include <cstdint>
#include <optional>
#include <string_view>

enum class NumberShape { Integer, Real };

struct NumberRead {
    bool HasDigits = false;
    bool Negative = false;
    uint64_t Magnitude = 0;  // integer shape: the digits' value, modulo 2^64
    bool Overflow = false;   // integer shape: the digits' value is 2^64 or more
    long double Value = 0;   // the number read, signed
    size_t End = 0;          // the first byte not read; 0 when nothing was read
};

NumberRead ReadNumber(std::string_view text, NumberShape shape);

// Lenient readers: the number at the front of the text.
long long LenientInteger(std::string_view text);  // saturated at the 64-bit ends
double LenientDouble(std::string_view text);
long double LenientLongDouble(std::string_view text);
// Unsigned 64 bits, saturated at 0 and 2^64-1 (a text like "1e3" reads too).
uint64_t LenientUnsigned64(std::string_view text);
// The integer at the front taken modulo 2^32, as a 32-bit sum of parts wraps.
uint32_t LenientWrapped32(std::string_view text);

// Strict readers: the whole text, blanks around it aside, is one number
// within the bounds; nothing otherwise.
std::optional<long long> WholeInteger(std::string_view text, long long min, long long max);
// Whether a text is a whole decimal number as typed into an index field:
// digits only, at least one, no more than an INTEGER holds (2147483647).
bool IsWholeNumber(std::string_view text);
std::optional<uint64_t> WholeUnsigned(std::string_view text, uint64_t max);
std::optional<long double> WholeReal(std::string_view text);

// A real number truncated toward zero to 64 bits, saturated at the ends, and
// 0 for NaN: expressions may divide by zero.
long long SaturatedInteger(long double value);
uint64_t SaturatedUnsigned64(long double value);
