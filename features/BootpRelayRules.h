#pragma once
// What the BOOTP relay table and its add dialog write (BOOTCtrlTableForm.h),
// decided from a snapshot: a relay pair is the row of its interface name and
// server address, added with State valid and removed with invalid.

#include <string>

#include "dialogbase/RowWrites.h"

// Items of the relay table.
enum BootpRelayItem : int { bootpInterface, bootpServer, bootpState };

// State values of a relay pair.
inline constexpr int BootpPairInvalid = 2;
inline constexpr int BootpPairValid = 3;
// How many servers one interface relays to.
inline constexpr int BootpServersPerInterface = 4;

// Whether the listed rows already hold every server the interface may
// have (its name compared exactly, letter case included).
bool BootpInterfaceFull(const RowSnapshot& form, const std::string& interfaceName);
