#pragma once
// Stack numbering shared by the device view and the port pickers: a stack
// of up to twelve units of 64 port slots, port p of unit u being stack port
// (u - 1) * 64 + p. Unit ids and port ranges come from the agent, so they
// are checked before anything is indexed by them.

#include <span>
#include <string>

inline constexpr int MaxStackUnits = 12;
inline constexpr int PortsPerUnit = 64;
inline constexpr int StackPortSlots = MaxStackUnits * PortsPerUnit;  // 768

constexpr int StackPort(int unit, int port) { return (unit - 1) * PortsPerUnit + port; }

// The unit id of a unit-table row (its caption); 0, with the reason in
// `message`, when it is not a number from 1 to 12.
int CheckedUnitId(const std::string& text, std::string& message);
// A unit's port count from the agent; 0, with the reason in `message`, when
// it is not a number from 1 to 64.
int CheckedPortRange(int unit, const std::string& text, std::string& message);

// The unit models by the texts of the unit table's model column: the nine
// entries of the model-name table map to these, in groups of two (the
// ninth is a third Morvek spelling).
enum class UnitModel { None, Kestrix, Brovan, Tallix, Morvek };
// The nine texts of the main window's model-name table.
using ModelNameTable = std::span<const std::string>;

// Exact, case-sensitive comparison with the table (the ninth entry's "*"
// is a character like any other).
UnitModel ModelOf(ModelNameTable names, const std::string& model);
// The port count of a unit that is configured but absent: Kestrix 50,
// Brovan 26, Tallix and Morvek 24; 0 for an unknown model.
int ConfiguredPortCount(UnitModel model);
