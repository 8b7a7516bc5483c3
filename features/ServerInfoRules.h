#pragma once
// What the authentication server editor writes (ServerInfoUnit.h), decided
// from a snapshot of its entry: a server is the row of its address and
// protocol; Edit and Add send only the fields that are filled (the agent
// keeps, or chooses, the others), Edit never the row status; Delete and Edit
// with destroy (WriteOfKeyedRow) send the row status alone.

#include <array>
#include <string>
#include <vector>

#include "dialogbase/RowWrites.h"

// Items of the authentication server table.
enum ServerItem : int { srvIp, srvProtocol, srvPort, srvKey, srvTimeout, srvRetry, srvRowStatus };

// The table: the address and protocol are its key.
extern const RowTable ServerTable;

// The texts of the port, key, timeout and retry edits (items 2 to 5), as the
// user left them.
using ServerFieldsSnapshot = std::array<std::string, 4>;
// The items of those four that a write leaves out: those whose edit is empty.
std::vector<int> ServerItemsLeftOut(const ServerFieldsSnapshot& fields);

// Edit and Add need the address and the protocol; Add also a key not listed
// yet and createAndGo chosen.
std::optional<RowRefusal> CheckServer(const RowSnapshot& form, RowWrite write);
// Delete: all but the key and the row status.
RowItems ServerLeftOut(const RowSnapshot& form, RowWrite write);
