#pragma once
// Model texts that the stack reports in its unit table. The module chooses a
// front panel by them and the simulated stack serves them, so both read this
// one list.

#include <array>

inline constexpr std::array<const char*, 9> KestrixModelTexts = {
    "Kestrix-50", "Kestrix50", "Brovan-26", "Brovan26", "Tallix-24",
    "Tallix24",   "Morvek-24", "Morvek24",  "Morvek-24*",
};
