#include "mibdefs/SnmpV3Mib.h"

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// SNMP engine, target, notification and community (start-up group InitSnmpEngineMibOptions).

constexpr VxIntPair StorageTypePairs[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"},
    {0, nullptr},
};
const VxOptionList StorageTypeValues(StorageTypePairs);
constexpr VxIntPair SnmpTargetAddrRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SnmpTargetAddrRowStatusValues(SnmpTargetAddrRowStatusPairs);
constexpr VxIntPair SecurityLevelPairs[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr},
};
const VxOptionList SecurityLevelValues(SecurityLevelPairs);
constexpr VxIntPair SnmpTargetParamsRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SnmpTargetParamsRowStatusValues(SnmpTargetParamsRowStatusPairs);
constexpr VxIntPair SnmpCommunityStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SnmpCommunityStatusValues(SnmpCommunityStatusPairs);
constexpr VxIntPair SnmpNotifyTypePairs[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const VxOptionList SnmpNotifyTypeValues(SnmpNotifyTypePairs);
constexpr VxIntPair SnmpNotifyStorageTypePairs[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"},
    {0, nullptr},
};
const VxOptionList SnmpNotifyStorageTypeValues(SnmpNotifyStorageTypePairs);
constexpr VxIntPair SnmpNotifyRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SnmpNotifyRowStatusValues(SnmpNotifyRowStatusPairs);

// ---------------------------------------------------------------------------------------------
// View-based access control (start-up group InitVacmMibOptions).

constexpr VxIntPair SecurityGroupStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SecurityGroupStatusValues(SecurityGroupStatusPairs);
constexpr VxIntPair AccessSecurityLevelPairs[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr},
};
const VxOptionList AccessSecurityLevelValues(AccessSecurityLevelPairs);
constexpr VxIntPair AccessStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AccessStatusValues(AccessStatusPairs);
constexpr VxIntPair VacmViewTreeFamilyTypePairs[] = {
    {1, "included"}, {2, "excluded"}, {0, nullptr},
};
const VxOptionList VacmViewTreeFamilyTypeValues(VacmViewTreeFamilyTypePairs);
constexpr VxIntPair VacmViewTreeFamilyStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList VacmViewTreeFamilyStatusValues(VacmViewTreeFamilyStatusPairs);

// ---------------------------------------------------------------------------------------------
// User-based security (start-up group InitUsmMibOptions), with the two maps of protocol
// identifiers, whose values are OIDs.

constexpr VxTextPair AuthenticationProtocolPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr},
};
const VxOptionList AuthenticationProtocolValues(
    AuthenticationProtocolPairs, VxOptionList::TextValues);
constexpr VxTextPair PrivacyProtocolPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr},
};
const VxOptionList PrivacyProtocolValues(PrivacyProtocolPairs, VxOptionList::TextValues);
constexpr VxIntPair UsmUserStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList UsmUserStatusValues(UsmUserStatusPairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem SnmpEngineItems[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", sxOctetStr, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpTargetGlobalItems[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpTargetAddrItems[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Target Domain", sxObjectId, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Target Address", sxBitStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", sxInteger, acReadWrite, &StorageTypeValues},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", sxInteger, acReadWrite,
     &SnmpTargetAddrRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpTargetParamsItems[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", sxInteger, acReadWrite, &SecurityLevelValues},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", sxInteger, acReadWrite,
     &SnmpTargetParamsRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpCommunityItems[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", sxInteger, acReadWrite, &SnmpCommunityStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpTargetAddrExtItems[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpNotifyItems[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", sxInteger, acReadWrite, &SnmpNotifyTypeValues},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", sxInteger, acReadWrite,
     &SnmpNotifyStorageTypeValues},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", sxInteger, acReadWrite, &SnmpNotifyRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SnmpMpdStatsItems[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VacmSecurityToGroupItems[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", sxInteger, acReadWrite,
     &SecurityGroupStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VacmAccessItems[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Vacm Group Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", sxInteger, acNotAccess,
     &AccessSecurityLevelValues},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", sxInteger, acReadWrite, &AccessStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VacmViewTreeFamilyItems[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", sxObjectId, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Type", sxInteger, acReadWrite, &VacmViewTreeFamilyTypeValues},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", sxInteger, acReadWrite, &VacmViewTreeFamilyStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem UsmStatsItems[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem UsmUserItems[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", sxOctetStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", sxObjectId, acReadWrite,
     &AuthenticationProtocolValues},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", sxObjectId, acReadWrite,
     &PrivacyProtocolValues},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", sxInteger, acReadWrite, &UsmUserStatusValues},
    {nullptr, nullptr, 0, 0},
};
