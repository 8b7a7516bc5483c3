#pragma once
// Numbers read from texts the C library's lenient way (leading blanks, an
// optional sign, digits up to the first other character; no digits give 0),
// always with a decimal point, whatever the user's locale.

#include <cstdint>
#include <string_view>

long long LenientInteger(std::string_view text);
double LenientDouble(std::string_view text);
// Unsigned 64 bits, saturated at 0 and 2^64-1 (a text like "1e3" reads too).
uint64_t LenientUnsigned64(std::string_view text);

// A double truncated toward zero to 64 bits, saturated at the ends, and 0
// for NaN: expressions may divide by zero.
long long SaturatedInteger(double value);
