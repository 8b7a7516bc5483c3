#pragma once
// What the protocol VLAN dialog writes (ProtocolVlanForm.h), decided from a
// snapshot of its entry: Add and Edit send only the columns that the user
// filled in and that apply to the chosen protocol; Edit with destroy sends
// the name with it; Delete sends the destroy alone.

#include "dialogbase/RowWrites.h"

// Items of the protocol VLAN table.
enum ProtocolVlanItem : int {
    pvIndex, pvName, pvType, pvAdvertisement, pvUserProtocol, pvEncap, pvRowStatus,
};

// The table: one index, the duplicate and row-status refusals of Add.
extern const RowTable ProtocolVlanTable;

// The protocol whose number and encapsulation the entry takes.
inline constexpr const char* UserDefinedProtocol = "protocol-userDefined";

// Add and Edit need the index; Add also an index not listed yet and
// createAndGo chosen. Delete is not checked.
std::optional<RowRefusal> CheckProtocolVlan(const RowSnapshot& form, RowWrite write);
// Add and Edit: the name when empty, the type when none is chosen, the user
// protocol and the encapsulation unless the type is user-defined and they
// are filled in, the advertisement when none is chosen, and on Edit a row
// status that shows none; Edit with destroy: all but the name and the row
// status; Delete: all but the row status.
RowItems ProtocolVlanLeftOut(const RowSnapshot& form, RowWrite write);
// Edit stays an Edit whatever the row status shows.
RowWrite ProtocolVlanWriteOfSelected(const RowSnapshot& form);
