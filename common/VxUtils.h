#pragma once
// Small helpers of the common library: path join and integer power.

#include <cstdint>
#include <string>

// `fileName` inside `directory`. The module's file names are written the
// Windows way ("errmsg\snmp.err", "\Get.bmp"); every backslash in either part
// becomes "/", and the parts are joined by exactly one "/". An empty directory
// gives the file name alone, without a leading separator.
std::string JoinPath(const std::string& directory, const std::string& fileName);

// base to the power of exponent, modulo 2^32; 1 for exponent 0.
uint32_t IntPower(uint32_t base, uint32_t exponent);
