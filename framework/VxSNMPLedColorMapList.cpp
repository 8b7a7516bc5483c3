#include "VxSNMPLedColorMapList.h"

VxSNMPLedColorMapList::VxSNMPLedColorMapList(const VxLedColorPair* table, uint8_t valueMask,
                                             uint8_t blinkMask, uint32_t baseColor,
                                             uint32_t defaultColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), BaseColor(baseColor), DefaultColor(defaultColor) {
    if (table)
        for (; table->Color != LedColorEnd; ++table) Pairs.push_back(*table);
}

uint32_t VxSNMPLedColorMapList::Lookup(uint8_t value) const {
    for (const auto& p : Pairs)
        if (static_cast<uint8_t>(p.Value) == value) return p.Color;
    return 0;
}
