#include "VxUtils.h"

#include "platform/SysUtils.h"

std::string JoinPath(const std::string& directory, const std::string& fileName) {
    const std::string dir = NativePath(directory);
    std::string name = NativePath(fileName);
    name.erase(0, name.find_first_not_of('/'));
    if (dir.empty()) return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

uint32_t IntPower(uint32_t base, uint32_t exponent) {
    // Square-and-multiply: the same result as multiplying `exponent` times,
    // since unsigned arithmetic wraps modulo 2^32 either way.
    uint32_t result = 1;
    for (; exponent; exponent >>= 1) {
        if (exponent & 1) result *= base;
        base *= base;
    }
    return result;
}

std::string ShownAgentAddress(const std::string& address) {
    // Only an IPv6 address holds a colon; the brackets may have come with it.
    const bool bare = address.find(':') != std::string::npos && address.front() != '[';
    return bare ? "[" + address + "]" : address;
}
