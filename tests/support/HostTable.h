#pragma once
// The test suites' small host table (1.3.6.1.4.1.99.5.1 in their simulated
// stacks): an index, an address, an enabled state and a row status.

#include <string>
#include <vector>

#include "common/VxOptionList.h"
#include "framework/SnmpVarItem.h"

inline const VxIntPair States[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
inline const VxOptionList StateNames(States);
inline const VxIntPair RowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
inline const VxOptionList RowStatusNames(RowStatus);

inline const SnmpVarItem HostItems[] = {
    {"1.3.6.1.4.1.99.5.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.5.1.2", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.99.5.1.3", "State", sxInteger, acReadWrite, &StateNames},
    {"1.3.6.1.4.1.99.5.1.4", "Row Status", sxInteger, acReadWrite, &RowStatusNames},
    {nullptr, nullptr, 0, 0}};

// A simulated stack's host table at `entry`, with `rows` (the contents of a
// JSON list of rows): the four columns of HostItems, rows created and
// removed through the row status.
inline std::string HostTableDescription(const std::string& entry, const std::string& rows) {
    return R"({"entry": ")" + entry + R"(", "index": [1], "rowStatus": 4,
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "ipaddress", "access": "read-create"},
                 {"id": 3, "type": "integer", "access": "read-create", "default": 3},
                 {"id": 4, "type": "integer", "access": "read-create"}],
     "rows": [)" + rows + "]}";
}

// A simulated stack of three active hosts, and a number (42) beside them.
inline const std::string HostStack = R"({
  "objects": [{"oid": "1.3.6.1.4.1.99.1.1.0", "type": "integer", "value": 42}],
  "tables": [)" + HostTableDescription("1.3.6.1.4.1.99.5.1", R"({"values": {"1": 1, "2": "10.90.90.1", "3": 3, "4": 1}},
              {"values": {"1": 2, "2": "10.90.90.2", "3": 2, "4": 1}},
              {"values": {"1": 3, "2": "10.90.90.3", "3": 3, "4": 1}})") + "]}";

// The hosts as a list view shows them, "caption|sub-item|...".
inline const std::vector<std::string> AllHosts = {"1|10.90.90.1|enabled|active", "2|10.90.90.2|disabled|active",
                                                  "3|10.90.90.3|enabled|active"};
