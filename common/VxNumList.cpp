#include "VxNumList.h"

#include <cmath>
#include <cstdint>
#include <type_traits>

namespace {

// A double cut toward zero and brought into T the way integer arithmetic
// wraps; values too large even for 64 bits give 0.
template <typename T>
T TruncateToElement(double x) {
    if (!(std::fabs(x) < 9.2e18)) return 0;
    return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<int64_t>(x)));
}

}  // namespace

template <typename T>
void VxNumList<T>::Parse(std::string_view text) {
    using Unsigned = std::make_unsigned_t<T>;
    Values.assign(static_cast<size_t>(CountFields(text)), T{});
    size_t field = 0;
    double weight = 0;
    for (const char ch : text) {
        if (ch == Separator) {
            ++field;
            weight = 0;
            continue;
        }
        if (ch == '.') {
            weight = 1;
            continue;
        }
        T& element = Values[field];
        const int digit = static_cast<unsigned char>(ch) - '0';
        if (weight == 0) {
            // Unsigned arithmetic, so that long fields wrap instead of overflowing.
            element = static_cast<T>(static_cast<Unsigned>(static_cast<Unsigned>(element) * 10u +
                                                           static_cast<Unsigned>(digit)));
        } else {
            weight *= 0.1;
            element = TruncateToElement<T>(static_cast<double>(element) + digit * weight);
        }
    }
}

template <typename T>
int VxNumList<T>::IndexOf(T value) const {
    for (size_t i = 0; i < Values.size(); ++i)
        if (Values[i] == value) return static_cast<int>(i);
    return -1;
}

template <typename T>
int VxNumList<T>::CountFields(std::string_view text) const {
    if (text.empty()) return 0;
    int separators = 0;
    for (const char ch : text) separators += ch == Separator;
    return separators + 1;
}

template <typename T>
bool VxNumList<T>::AllInRange(T lo, T hi) const {
    for (const T value : Values)
        if (value < lo || value > hi) return false;
    return true;
}

template class VxNumList<int>;
template class VxNumList<unsigned int>;
