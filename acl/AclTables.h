#pragma once
// The sixteen access-control tables under 1.3.6.1.4.1.171.12.9, one record
// each: the editor class that edits it, its catalogue item table, and the
// items and texts that the shared editor behaviour (AclEditor.h) needs to
// know of it. Table .G.T: G 2 ingress profiles, 3 ingress rules, 4 CPU-filter
// profiles, 5 CPU-filter rules; T 1 Ethernet, 2 IPv4, 3 user-defined packet
// content, 4 IPv6. Column n is item n - 1.
//
// What is not the same in every table of a kind is here as data; the checks
// and leave-outs of one packet type are small functions beside its editors.

#include <algorithm>
#include <span>

#include "dialogbase/RowWrites.h"

struct SnmpVarItem;

enum class AclPacketType { Ethernet, Ipv4, UserDefined, Ipv6 };
enum class AclFilter { Ingress, Cpu };

// How an editor's caption is made.
enum class AclCaption {
    Stored,          // the stored layout's caption stays
    AgentAppended,   // FormCreate: the text immediately followed by the agent address
    SetByMenu,       // the menu command sets the text followed by the agent address
};

struct AclTable {
    const char* ClassName;  // "TIPMaskInformationForm"
    const char* Oid;        // "1.3.6.1.4.1.171.12.9.2.2", aclIpv4ProfileTable
    AclPacketType Type;
    AclFilter Filter;
    bool IsRule;
    const SnmpVarItem* Items;
    int ItemCount;
    int IndexCount;  // 1 profile ID; 2 profile ID and access ID
    const char* Caption;
    AclCaption CaptionRule;
    // Items; -1 where the table has none.
    int PermitItem;
    int FirstActionItem;  // the QoS actions that "deny" leaves out, first to last
    int LastActionItem;
    int PortItem;
    int RowStatusItem;
    // The refusals of Add; null where the editor makes no such check.
    const char* DuplicateMessage;
    const char* RowStatusMessage;
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

// The sixteen in OID order: ingress profiles, ingress rules, CPU-filter
// profiles, CPU-filter rules.
std::span<const AclTable> AclTables();

// The record of an editor class; raises std::out_of_range for another name.
const AclTable& AclTableOf(const char* className);
