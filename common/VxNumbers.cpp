#include "VxNumbers.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <limits>
#include <string>


namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks after a number are all that may follow it in a whole text.
bool OnlyBlanksFrom(std::string_view text, size_t pos) {
    for (; pos < text.size(); ++pos)
        if (!IsBlank(text[pos])) return false;
    return true;
}

}  // namespace

NumberRead ReadNumber(std::string_view text, NumberShape shape) {
    NumberRead r;
    if (shape == NumberShape::Real) {
        // Exactly the C library's reading (a fraction, an exponent, hex
        // digits after "0x", "inf" and "nan"), in the C locale.
        const std::string copy(text);
        char* end = nullptr;
        r.Value = strtold_l(copy.c_str(), &end, CLocale());
        r.End = static_cast<size_t>(end - copy.c_str());
        r.HasDigits = r.End > 0;
        r.Negative = std::signbit(r.Value);
        return r;
    }
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) r.Negative = text[pos++] == '-';
    const size_t digits = pos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const auto digit = static_cast<uint64_t>(text[pos] - '0');
        uint64_t next = 0;
        if (__builtin_mul_overflow(r.Magnitude, uint64_t{10}, &next) || __builtin_add_overflow(next, digit, &next))
            r.Overflow = true;
        r.Magnitude = r.Magnitude * 10 + digit;  // modulo 2^64
    }
    if (pos == digits) return NumberRead{};
    r.HasDigits = true;
    r.End = pos;
    const long double magnitude = r.Overflow ? std::numeric_limits<long double>::infinity()
                                             : static_cast<long double>(r.Magnitude);
    r.Value = r.Negative ? -magnitude : magnitude;
    return r;
}

long long LenientInteger(std::string_view text) {
    const NumberRead r = ReadNumber(text, NumberShape::Integer);
    constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<long long>::max());
    if (r.Negative) {
        if (r.Overflow || r.Magnitude > limit) return std::numeric_limits<long long>::min();
        return -static_cast<long long>(r.Magnitude);
    }
    if (r.Overflow || r.Magnitude > limit) return std::numeric_limits<long long>::max();
    return static_cast<long long>(r.Magnitude);
}

long double LenientLongDouble(std::string_view text) { return ReadNumber(text, NumberShape::Real).Value; }

double LenientDouble(std::string_view text) { return static_cast<double>(LenientLongDouble(text)); }

uint64_t LenientUnsigned64(std::string_view text) { return SaturatedUnsigned64(LenientLongDouble(text)); }

uint32_t LenientWrapped32(std::string_view text) {
    const NumberRead r = ReadNumber(text, NumberShape::Integer);
    const auto low = static_cast<uint32_t>(r.Magnitude);
    return r.Negative ? 0u - low : low;
}

std::optional<long long> WholeInteger(std::string_view text, long long min, long long max) {
    const NumberRead r = ReadNumber(text, NumberShape::Integer);
    if (!r.HasDigits || !OnlyBlanksFrom(text, r.End) || r.Overflow) return std::nullopt;
    if (r.Magnitude > static_cast<uint64_t>(std::numeric_limits<long long>::max()) + (r.Negative ? 1u : 0u))
        return std::nullopt;
    const long long value = r.Negative ? static_cast<long long>(0 - r.Magnitude) : static_cast<long long>(r.Magnitude);
    if (value < min || value > max) return std::nullopt;
    return value;
}

std::optional<uint64_t> WholeUnsigned(std::string_view text, uint64_t max) {
    const NumberRead r = ReadNumber(text, NumberShape::Integer);
    if (!r.HasDigits || !OnlyBlanksFrom(text, r.End) || r.Overflow || r.Magnitude > max) return std::nullopt;
    if (r.Negative && r.Magnitude != 0) return std::nullopt;
    return r.Magnitude;
}

std::optional<long double> WholeReal(std::string_view text) {
    const NumberRead r = ReadNumber(text, NumberShape::Real);
    if (!r.HasDigits || !OnlyBlanksFrom(text, r.End) || !std::isfinite(r.Value)) return std::nullopt;
    return r.Value;
}

long long SaturatedInteger(long double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9223372036854775807.0L) return std::numeric_limits<long long>::max();
    if (value <= -9223372036854775808.0L) return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}

uint64_t SaturatedUnsigned64(long double value) {
    if (!(value > 0)) return 0;
    if (value >= 18446744073709551616.0L) return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(value);
}

bool IsWholeNumber(std::string_view text) {
    // Digits only, and few enough for an INTEGER item: a longer number would
    // wrap to 32 bits and name another row.
    return text.find_first_not_of("0123456789") == std::string_view::npos && WholeInteger(text, 0, INT32_MAX);
}
