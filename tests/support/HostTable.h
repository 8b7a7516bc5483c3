#pragma once
// The test suites' small host table (1.3.6.1.4.1.99.5.1 in their simulated
// stacks): an index, an address, an enabled state and a row status.

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
