#pragma once
// Item tables of the SNMP framework MIBs under 1.3.6.1.6.3: engine, message processing
// statistics, target addresses and parameters, notifications, community table, user-based
// security (USM) and view-based access control (VACM).
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include "framework/SnmpVarItem.h"

// Value-name maps.

// SNMP engine, target, notification and community (start-up group InitSnmpEngineMibOptions).
extern const VxOptionList StorageTypeValues;
extern const VxOptionList SnmpTargetAddrRowStatusValues;
extern const VxOptionList SecurityLevelValues;
extern const VxOptionList SnmpTargetParamsRowStatusValues;
extern const VxOptionList SnmpCommunityStatusValues;
extern const VxOptionList SnmpNotifyTypeValues;
extern const VxOptionList SnmpNotifyStorageTypeValues;
extern const VxOptionList SnmpNotifyRowStatusValues;

// View-based access control (start-up group InitVacmMibOptions).
extern const VxOptionList SecurityGroupStatusValues;
extern const VxOptionList AccessSecurityLevelValues;
extern const VxOptionList AccessStatusValues;
extern const VxOptionList VacmViewTreeFamilyTypeValues;
extern const VxOptionList VacmViewTreeFamilyStatusValues;

// User-based security (start-up group InitUsmMibOptions), with the two maps of protocol
// identifiers, whose values are OIDs.
extern const VxOptionList AuthenticationProtocolValues;
extern const VxOptionList PrivacyProtocolValues;
extern const VxOptionList UsmUserStatusValues;

// Item tables.
extern const SnmpVarItem SnmpEngineItems[];
extern const SnmpVarItem SnmpTargetGlobalItems[];
extern const SnmpVarItem SnmpTargetAddrItems[];
extern const SnmpVarItem SnmpTargetParamsItems[];
extern const SnmpVarItem SnmpCommunityItems[];
extern const SnmpVarItem SnmpTargetAddrExtItems[];
extern const SnmpVarItem SnmpNotifyItems[];
extern const SnmpVarItem SnmpMpdStatsItems[];
extern const SnmpVarItem VacmSecurityToGroupItems[];
extern const SnmpVarItem VacmAccessItems[];
extern const SnmpVarItem VacmViewTreeFamilyItems[];
extern const SnmpVarItem UsmStatsItems[];
extern const SnmpVarItem UsmUserItems[];
