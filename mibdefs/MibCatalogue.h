#pragma once
// An index over the whole MIB catalogue: every item table with each list kind and index
// count the editors open it with, and every value-name map by name. Code that needs one
// table names it directly (the area headers below); the index is for looking tables up by
// name and for going over all of them.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/SnmpVarItem.h"
#include "mibdefs/AclMib.h"
#include "mibdefs/BridgeMib.h"
#include "mibdefs/Layer3Mib.h"
#include "mibdefs/SecurityMib.h"
#include "mibdefs/SnmpV3Mib.h"
#include "mibdefs/SystemMib.h"

// One way a table is opened as a var list. A table opened in two ways (a single row and a
// table walk, say) has two entries with the same Items.
struct MibTableInfo {
    const char* Name;            // the table's name in code, e.g. "StpPortItems"
    const SnmpVarItem* Items;    // its static item array
    uint32_t ItemCount;          // records before the terminator
    uint8_t Kind;                // SVT_SV, MVT_SV, MVT_FMV or MVT_UMV
    uint32_t IndexCount;         // leading index items of a var list of this kind
    const char* BaseOid;         // longest OID prefix common to the items
};

struct MibMapInfo {
    const char* Name;  // e.g. "TrunkTypeValues"
    const VxOptionList* Map;
};

extern const MibTableInfo MibCatalogue[];
extern const size_t MibCatalogueCount;

extern const MibMapInfo MibMapCatalogue[];
extern const size_t MibMapCatalogueCount;

// The first entry of the table of that name, or null.
const MibTableInfo* FindMibTable(std::string_view name);

// The map of that name, or null.
const VxOptionList* FindMibMap(std::string_view name);
