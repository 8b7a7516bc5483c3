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

}  // namespace

long long LenientInteger(std::string_view text) {
    const std::string copy(text);
    return strtoll_l(copy.c_str(), nullptr, 10, CLocale());
}

double LenientDouble(std::string_view text) {
    const std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

uint64_t LenientUnsigned64(std::string_view text) {
    const std::string copy(text);
    const long double v = strtold_l(copy.c_str(), nullptr, CLocale());
    if (!(v > 0)) return 0;
    if (v >= 18446744073709551616.0L) return UINT64_MAX;
    return static_cast<uint64_t>(v);
}

long long SaturatedInteger(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9223372036854775807.0) return std::numeric_limits<long long>::max();
    if (value <= -9223372036854775808.0) return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}
