#pragma once
// The stack description: a JSON file that seeds the simulated agent (units,
// ports, plug-in modules, further scalars and tables, credentials).
// simstack/README.md documents the format.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "simstack/ObjectTree.h"
#include "simstack/StackModel.h"

namespace simstack {

struct UsmUser {
    std::string name;
    std::string authProtocol;  // "MD5" or "SHA"
    std::string authPassword;
    std::string privProtocol;  // "DES" or empty for authNoPriv
    std::string privPassword;
};

// "NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS]", as the command line gives a user.
// Throws std::invalid_argument when malformed or when a password is shorter
// than the 8 characters USM needs.
UsmUser ParseUsmUser(const std::string& text);
void ValidateUsmUser(const UsmUser& user);

// A notification receiver, written into net-snmp's target, parameter and
// notify tables. Only loopback addresses: the simulator sends nowhere else.
struct TrapSink {
    std::string address;    // "127.0.0.1:162"
    std::string version;    // "v1" or "v2c"
    std::string community;
};

struct RowSeed {
    std::optional<Oid> index;  // given, or taken from the index columns
    Row values;
    std::vector<uint32_t> absent;  // columns the row lacks
};

struct TableSeed {
    TableLayout layout;
    std::vector<RowSeed> rows;
};

struct Description {
    StackModel stack;
    std::vector<Scalar> objects;
    std::vector<TableSeed> tables;
    std::optional<std::string> readCommunity;
    std::optional<std::string> writeCommunity;
    std::optional<std::vector<UsmUser>> users;
    std::vector<TrapSink> trapSinks;
};

// Throws std::runtime_error naming the file and the fault.
Description LoadDescription(const std::string& path);

// Fills an empty tree: the stack's objects, then the further objects and tables.
// Throws std::invalid_argument on a conflict (the same object twice, a bad row).
void BuildTree(const Description& description, ObjectTree& tree);

}  // namespace simstack
