#pragma once
// Small helpers of the common library: path join, integer power and the
// agent address as captions and messages show it.

#include <cstdint>
#include <string>

// `fileName` inside `directory`. The module's file names are written the
// Windows way ("errmsg\snmp.err", "\Get.bmp"); every backslash in either part
// becomes "/", and the parts are joined by exactly one "/". An empty directory
// gives the file name alone, without a leading separator.
std::string JoinPath(const std::string& directory, const std::string& fileName);

// base to the power of exponent, modulo 2^32; 1 for exponent 0.
uint32_t IntPower(uint32_t base, uint32_t exponent);

// The agent address as every caption and message shows it, after a title
// and a colon: an IPv6 address in brackets ("Layer 2 Global Switch:[::1]",
// never ":::1"); an IPv4 address, a host name, an address already in
// brackets and an empty one as they are given.
std::string ShownAgentAddress(const std::string& address);
