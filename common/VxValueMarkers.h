#pragma once
// Texts that stand in a field in place of a value: "(NULL)" for no value,
// "(NOTDONE)" for a column whose walk has ended, and the texts of a value
// the agent marks as missing (the SNMPv2 exceptions, worded as the net-snmp
// tools print them). A missing value shows as such and is never written
// back; constraints and checks let every marker pass untouched.

#include <string_view>

inline constexpr std::string_view NoSuchObjectText = "No Such Object available on this agent at this OID";
inline constexpr std::string_view NoSuchInstanceText = "No Such Instance currently exists at this OID";
inline constexpr std::string_view EndOfMibViewText =
    "No more variables left in this MIB View (It is past the end of the MIB tree)";

// Whether a value text says that the agent has no value there.
inline bool IsMissingValueText(std::string_view text) {
    return text == NoSuchObjectText || text == NoSuchInstanceText || text == EndOfMibViewText;
}

// Whether a value text is a marker rather than a value.
inline bool IsValueMarker(std::string_view text) {
    return text == "(NULL)" || text == "(NOTDONE)" || IsMissingValueText(text);
}
