#pragma once
// The raw octet form of every syntax, below the value texts: controls that
// cover a part of a value (a bit of a port list, a field of a structure) and
// the LED decoding work on it.

#include <cstdint>
#include <string>

#include "framework/SnmpValues.h"

// Size of a fixed-size syntax, 0 for variable-size ones, -1 for an unknown code.
int SyntaxOctetSize(int syntax);

Octets TextToOctets(const std::string& text, int syntax);
std::string OctetsToText(const Octets& bytes, int syntax);
// The part of `syntax` that starts at `offset`.
Octets ExtractPart(const Octets& bytes, int offset, int syntax);
