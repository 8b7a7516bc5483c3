#pragma once
// LED colour map: turns one LED state byte of a unit's front-panel LED string
// into a colour (0x00BBGGRR) and a blink flag.

#include <cstdint>
#include <vector>

#include "common/VxOptionList.h"

// Static table of (state value, colour) pairs, ended by a pair whose colour
// is LedColorEnd.
struct VxLedColorPair {
    uint32_t Value;
    uint32_t Color;
};

inline constexpr uint32_t LedColorEnd = 0xFFFFFFFF;
inline constexpr uint32_t LedNoDefault = 0xFFFFFFFF;

class VxSNMPLedColorMapList : public VxItemOptions {
public:
    VxSNMPLedColorMapList(const VxLedColorPair* table, uint8_t valueMask, uint8_t blinkMask,
                          uint32_t baseColor, uint32_t defaultColor);

    // Colour of the first pair whose value, as a byte, equals the byte; black
    // when none does.
    uint32_t Lookup(uint8_t value) const;

    uint8_t ValueMask;
    uint8_t BlinkMask;
    uint32_t BaseColor;     // an LED that is off
    uint32_t DefaultColor;  // an LED whose byte is missing; LedNoDefault for none
    std::vector<VxLedColorPair> Pairs;
};
