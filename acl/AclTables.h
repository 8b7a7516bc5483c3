#pragma once
// The sixteen access-control tables under 1.3.6.1.4.1.171.12.9, each a named
// record under its MIB table name: its catalogue item table and the items
// and texts that the shared editor behaviour (AclEditor.h) and the rules of
// its packet type (AclWrites.h) need to know of it. Table .G.T: G 2 ingress
// profiles, 3 ingress rules, 4 CPU-filter profiles, 5 CPU-filter rules; T 1
// Ethernet, 2 IPv4, 3 user-defined packet content, 4 IPv6. Column n is item
// n - 1.
//
// What is not the same in every table of a kind is here as data; the checks
// and leave-outs of one packet type are small functions beside its editors,
// chosen by the table's type and kind.

#include <algorithm>
#include <functional>
#include <span>

#include "dialogbase/RowWrites.h"

struct SnmpVarItem;

enum class AclPacketType { Ethernet, Ipv4, UserDefined, Ipv6 };
enum class AclFilter { Ingress, Cpu };

struct AclTable {
    const char* Oid;  // "1.3.6.1.4.1.171.12.9.2.2", aclIpv4ProfileTable
    AclPacketType Type;
    AclFilter Filter;
    bool IsRule;
    const SnmpVarItem* Items;
    int ItemCount;
    int IndexCount;  // 1 profile ID; 2 profile ID and access ID
    // Items; -1 where the table has none.
    int PermitItem = -1;
    int FirstActionItem = -1;  // the QoS actions that "deny" leaves out, first to last
    int LastActionItem = -1;
    int PortItem = -1;
    int RowStatusItem = -1;
    // The refusals of Add; null where the editor makes no such check.
    const char* DuplicateMessage = nullptr;
    const char* RowStatusMessage = nullptr;
    // The octet-string items that hold one IPv6 address or mask, typed as
    // its 16 octets (the catalogue does not give them a length).
    std::span<const int> Ipv6AddressItems = {};

    bool Has(int item) const { return item >= 0 && item < ItemCount; }
    // What the shared row rules know of the table.
    RowTable Rows() const { return {Items, IndexCount, RowStatusItem, DuplicateMessage, RowStatusMessage}; }
    bool HoldsIpv6Address(int item) const {
        return std::find(Ipv6AddressItems.begin(), Ipv6AddressItems.end(), item) != Ipv6AddressItems.end();
    }
};

// Ingress profiles.
extern const AclTable aclEthernetProfileTable;
extern const AclTable aclIpv4ProfileTable;
extern const AclTable aclUserDefinedProfileTable;
extern const AclTable aclIpv6ProfileTable;
// Ingress rules.
extern const AclTable aclEthernetRuleTable;
extern const AclTable aclIpv4RuleTable;
extern const AclTable aclUserDefinedRuleTable;
extern const AclTable aclIpv6RuleTable;
// CPU-filter profiles.
extern const AclTable cpuFilterEthernetProfileTable;
extern const AclTable cpuFilterIpv4ProfileTable;
extern const AclTable cpuFilterUserDefinedProfileTable;
extern const AclTable cpuFilterIpv6ProfileTable;
// CPU-filter rules.
extern const AclTable cpuFilterEthernetRuleTable;
extern const AclTable cpuFilterIpv4RuleTable;
extern const AclTable cpuFilterUserDefinedRuleTable;
extern const AclTable cpuFilterIpv6RuleTable;

// The sixteen in OID order: ingress profiles, ingress rules, CPU-filter
// profiles, CPU-filter rules.
std::span<const std::reference_wrapper<const AclTable>> AclTables();
