#include "VxBinaryString.h"

#include <algorithm>

namespace {

// The value of one hex character, from its code alone.
int HexCharValue(char c) {
    const int code = static_cast<unsigned char>(c);
    if (code >= 97) return code - 87;  // a-f
    if (code >= 65) return code - 55;  // A-F
    return code - 48;                  // 0-9
}

std::unique_ptr<uint8_t[]> CopyOf(const uint8_t* bytes, uint32_t length) {
    if (length == 0) return nullptr;
    auto copy = std::make_unique<uint8_t[]>(length);
    std::copy_n(bytes, length, copy.get());
    return copy;
}

}  // namespace

VxBinaryString::VxBinaryString(std::string_view hexText)
    : Length(static_cast<uint32_t>(hexText.size() / 2)) {
    if (Length == 0) return;
    Bytes = std::make_unique<uint8_t[]>(Length);
    for (uint32_t k = 0; k < Length; ++k) {
        const int value = HexCharValue(hexText[2 * k]) * 16 + HexCharValue(hexText[2 * k + 1]);
        Bytes[k] = static_cast<uint8_t>(value);
    }
}

VxBinaryString::VxBinaryString(const VxBinaryString& other)
    : Length(other.Length), Bytes(CopyOf(other.Bytes.get(), other.Length)) {}

VxBinaryString& VxBinaryString::operator=(const VxBinaryString& other) {
    if (this != &other) {
        Bytes = CopyOf(other.Bytes.get(), other.Length);
        Length = other.Length;
    }
    return *this;
}

VxBinaryString::VxBinaryString(VxBinaryString&& other) noexcept
    : Length(other.Length), Bytes(std::move(other.Bytes)) {
    other.Length = 0;
}

VxBinaryString& VxBinaryString::operator=(VxBinaryString&& other) noexcept {
    if (this != &other) {
        Bytes = std::move(other.Bytes);
        Length = other.Length;
        other.Length = 0;
    }
    return *this;
}
