#pragma once
// Item tables of the layer-3 services: the enterprise layer-3 group (protocol states, IP
// interfaces, ARP, static routes, BOOTP and DNS relay, MD5 keys, route redistribution, OSPF,
// route preferences, PIM), RIP timers, the IGMP group, the PIM MIB and VRRP.
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include "framework/SnmpVarItem.h"

// Value-name maps.

// Enterprise layer-3 group, PIM and IGMP (start-up group InitLayer3MibOptions).
extern const VxOptionList RIPStateValues;
extern const VxOptionList OSPFStateValues;
extern const VxOptionList PIMDMStateValues;
extern const VxOptionList VRRPStateValues;
extern const VxOptionList IpInterfaceModeValues;
extern const VxOptionList IpInterfaceAdminStateValues;
extern const VxOptionList OperationalStateValues;
extern const VxOptionList StaticArpTypeValues;
extern const VxOptionList BackupStateValues;
extern const VxOptionList StaticRouteStatusValues;
extern const VxOptionList BootpRelayInterfaceStateValues;
extern const VxOptionList BootpStateValues;
extern const VxOptionList DNSRelayStateValues;
extern const VxOptionList DNSRCacheStateValues;
extern const VxOptionList DNSRStaticTableStateValues;
extern const VxOptionList DnsRelayStaticStateValues;
extern const VxOptionList Md5KeyStatusValues;
extern const VxOptionList SourceProtocolValues;
extern const VxOptionList DestinationProtocolValues;
extern const VxOptionList RouteRedistributionTypeValues;
extern const VxOptionList RouteRedistributionRowStatusValues;
extern const VxOptionList OspfHostStatusValues;
extern const VxOptionList OspfVirtIfStateValues;
extern const VxOptionList AuthenticationTypeValues;
extern const VxOptionList OspfVirtIfStatusValues;
extern const VxOptionList RegChksumIncDataStateValues;
extern const VxOptionList StaticRPRowStatusValues;
extern const VxOptionList ModeValues;
extern const VxOptionList PimInterfaceStatusValues;
extern const VxOptionList PimNeighborModeValues;
extern const VxOptionList AssertRptBitValues;
extern const VxOptionList PimCandidateRpRowStatusValues;
extern const VxOptionList IgmpInterfaceStatusValues;
extern const VxOptionList IgmpCacheStatusValues;
extern const VxOptionList SourceFilterModeValues;

// VRRP (start-up group InitVrrpMibOptions).
extern const VxOptionList NotificationCntlValues;
extern const VxOptionList VirtualRouterStateValues;
extern const VxOptionList AdministrateStateValues;
extern const VxOptionList VrrpOperAuthenticationTypeValues;
extern const VxOptionList PreemptModeValues;
extern const VxOptionList OperateProtocolValues;
extern const VxOptionList VrrpOperRowStatusValues;
extern const VxOptionList AssoIPAddrRowStatusValues;

// Item tables.
extern const SnmpVarItem RipTimerItems[];
extern const SnmpVarItem PimInterfaceItems[];
extern const SnmpVarItem PimNeighborItems[];
extern const SnmpVarItem PimMRouteItems[];
extern const SnmpVarItem PimRpSetItems[];
extern const SnmpVarItem PimCandidateRpItems[];
extern const SnmpVarItem L3ProtocolStateItems[];
extern const SnmpVarItem ArpAgingItems[];
extern const SnmpVarItem IpInterfaceItems[];
extern const SnmpVarItem StaticArpItems[];
extern const SnmpVarItem StaticRouteItems[];
extern const SnmpVarItem InterfaceMacOffsetItems[];
extern const SnmpVarItem BootpRelayInterfaceItems[];
extern const SnmpVarItem BootpRelayItems[];
extern const SnmpVarItem DnsRelayItems[];
extern const SnmpVarItem DnsRelayStaticItems[];
extern const SnmpVarItem Md5KeyItems[];
extern const SnmpVarItem RouteRedistributionItems[];
extern const SnmpVarItem OspfHostItems[];
extern const SnmpVarItem OspfVirtIfItems[];
extern const SnmpVarItem RoutePreferenceItems[];
extern const SnmpVarItem PimCbsrItems[];
extern const SnmpVarItem PimCbsrInterfaceItems[];
extern const SnmpVarItem PimCandidateRpGlobalItems[];
extern const SnmpVarItem PimSptThresholdItems[];
extern const SnmpVarItem PimRegChecksumItems[];
extern const SnmpVarItem PimRegisterItems[];
extern const SnmpVarItem PimDrPriorityItems[];
extern const SnmpVarItem PimStaticRpItems[];
extern const SnmpVarItem IgmpInterfaceItems[];
extern const SnmpVarItem IgmpCacheItems[];
extern const SnmpVarItem IgmpSrcListItems[];
extern const SnmpVarItem VrrpGlobalItems[];
extern const SnmpVarItem VrrpOperItems[];
extern const SnmpVarItem VrrpAssocIpItems[];
extern const SnmpVarItem VrrpStatsGlobalItems[];
extern const SnmpVarItem VrrpRouterStatsItems[];
