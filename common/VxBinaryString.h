#pragma once
// A byte buffer, typically built from hex text such as a port list "8000".

#include <cstdint>
#include <memory>
#include <string_view>

class VxBinaryString {
public:
    VxBinaryString() = default;

    // Two characters per byte, the first the high half; an odd last character
    // is ignored. The characters are not checked: '0'-'9', 'A'-'F' and 'a'-'f'
    // give their digit values, other characters give values computed the same
    // way from their codes, and each byte keeps the low 8 bits.
    explicit VxBinaryString(std::string_view hexText);

    VxBinaryString(const VxBinaryString& other);
    VxBinaryString& operator=(const VxBinaryString& other);
    VxBinaryString(VxBinaryString&& other) noexcept;
    VxBinaryString& operator=(VxBinaryString&& other) noexcept;
    ~VxBinaryString() = default;

    uint32_t Length = 0;
    std::unique_ptr<uint8_t[]> Bytes;  // Length bytes; null when Length is 0
};
