#include "mibdefs/Layer3Mib.h"

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// Enterprise layer-3 group, PIM and IGMP (start-up group InitLayer3MibOptions).

constexpr VxIntPair RIPStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList RIPStateValues(RIPStatePairs);
constexpr VxIntPair OSPFStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList OSPFStateValues(OSPFStatePairs);
constexpr VxIntPair PIMDMStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList PIMDMStateValues(PIMDMStatePairs);
constexpr VxIntPair VRRPStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList VRRPStateValues(VRRPStatePairs);
constexpr VxIntPair IpInterfaceModePairs[] = {
    {2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr},
};
const VxOptionList IpInterfaceModeValues(IpInterfaceModePairs);
constexpr VxIntPair IpInterfaceAdminStatePairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList IpInterfaceAdminStateValues(IpInterfaceAdminStatePairs);
constexpr VxIntPair OperationalStatePairs[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
const VxOptionList OperationalStateValues(OperationalStatePairs);
constexpr VxIntPair StaticArpTypePairs[] = {{2, "static"}, {3, "dynamic"}, {0, nullptr}};
const VxOptionList StaticArpTypeValues(StaticArpTypePairs);
constexpr VxIntPair BackupStatePairs[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const VxOptionList BackupStateValues(BackupStatePairs);
constexpr VxIntPair StaticRouteStatusPairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VxOptionList StaticRouteStatusValues(StaticRouteStatusPairs);
constexpr VxIntPair BootpRelayInterfaceStatePairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VxOptionList BootpRelayInterfaceStateValues(BootpRelayInterfaceStatePairs);
constexpr VxIntPair BootpStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList BootpStateValues(BootpStatePairs);
constexpr VxIntPair DNSRelayStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList DNSRelayStateValues(DNSRelayStatePairs);
constexpr VxIntPair DNSRCacheStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList DNSRCacheStateValues(DNSRCacheStatePairs);
constexpr VxIntPair DNSRStaticTableStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList DNSRStaticTableStateValues(DNSRStaticTableStatePairs);
constexpr VxIntPair DnsRelayStaticStatePairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VxOptionList DnsRelayStaticStateValues(DnsRelayStaticStatePairs);
constexpr VxIntPair Md5KeyStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList Md5KeyStatusValues(Md5KeyStatusPairs);
constexpr VxIntPair SourceProtocolPairs[] = {
    {2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {0, nullptr},
};
const VxOptionList SourceProtocolValues(SourceProtocolPairs);
constexpr VxIntPair DestinationProtocolPairs[] = {{2, "rip"}, {3, "ospf"}, {0, nullptr}};
const VxOptionList DestinationProtocolValues(DestinationProtocolPairs);
constexpr VxIntPair RouteRedistributionTypePairs[] = {
    {2, "all"}, {3, "type-1"}, {4, "type-2"}, {5, "internal"}, {6, "external"}, {7, "inter+E1"},
    {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"}, {0, nullptr},
};
const VxOptionList RouteRedistributionTypeValues(RouteRedistributionTypePairs);
constexpr VxIntPair RouteRedistributionRowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr},
};
const VxOptionList RouteRedistributionRowStatusValues(RouteRedistributionRowStatusPairs);
constexpr VxIntPair OspfHostStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr},
};
const VxOptionList OspfHostStatusValues(OspfHostStatusPairs);
constexpr VxIntPair OspfVirtIfStatePairs[] = {{1, "down"}, {4, "pointToPoint"}, {0, nullptr}};
const VxOptionList OspfVirtIfStateValues(OspfVirtIfStatePairs);
constexpr VxIntPair AuthenticationTypePairs[] = {
    {1, "none"}, {2, "simple"}, {3, "MD5"}, {0, nullptr},
};
const VxOptionList AuthenticationTypeValues(AuthenticationTypePairs);
constexpr VxIntPair OspfVirtIfStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr},
};
const VxOptionList OspfVirtIfStatusValues(OspfVirtIfStatusPairs);
constexpr VxIntPair RegChksumIncDataStatePairs[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList RegChksumIncDataStateValues(RegChksumIncDataStatePairs);
constexpr VxIntPair StaticRPRowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList StaticRPRowStatusValues(StaticRPRowStatusPairs);
constexpr VxIntPair ModePairs[] = {{1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}};
const VxOptionList ModeValues(ModePairs);
constexpr VxIntPair PimInterfaceStatusPairs[] = {{1, "active"}, {2, "notInService"}, {0, nullptr}};
const VxOptionList PimInterfaceStatusValues(PimInterfaceStatusPairs);
constexpr VxIntPair PimNeighborModePairs[] = {{1, "dense"}, {2, "sparse"}, {0, nullptr}};
const VxOptionList PimNeighborModeValues(PimNeighborModePairs);
constexpr VxIntPair AssertRptBitPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList AssertRptBitValues(AssertRptBitPairs);
constexpr VxIntPair PimCandidateRpRowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {0, nullptr},
};
const VxOptionList PimCandidateRpRowStatusValues(PimCandidateRpRowStatusPairs);
constexpr VxIntPair IgmpInterfaceStatusPairs[] = {{1, "active"}, {2, "notInService"}, {0, nullptr}};
const VxOptionList IgmpInterfaceStatusValues(IgmpInterfaceStatusPairs);
constexpr VxIntPair IgmpCacheStatusPairs[] = {{1, "active"}, {2, "notInService"}, {0, nullptr}};
const VxOptionList IgmpCacheStatusValues(IgmpCacheStatusPairs);
constexpr VxIntPair SourceFilterModePairs[] = {{1, "include"}, {2, "exclude"}, {0, nullptr}};
const VxOptionList SourceFilterModeValues(SourceFilterModePairs);

// ---------------------------------------------------------------------------------------------
// VRRP (start-up group InitVrrpMibOptions).

constexpr VxIntPair NotificationCntlPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList NotificationCntlValues(NotificationCntlPairs);
constexpr VxIntPair VirtualRouterStatePairs[] = {
    {1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr},
};
const VxOptionList VirtualRouterStateValues(VirtualRouterStatePairs);
constexpr VxIntPair AdministrateStatePairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VxOptionList AdministrateStateValues(AdministrateStatePairs);
constexpr VxIntPair VrrpOperAuthenticationTypePairs[] = {
    {1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "ipAuthenticationHeader"}, {0, nullptr},
};
const VxOptionList VrrpOperAuthenticationTypeValues(VrrpOperAuthenticationTypePairs);
constexpr VxIntPair PreemptModePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList PreemptModeValues(PreemptModePairs);
constexpr VxIntPair OperateProtocolPairs[] = {
    {1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {0, nullptr},
};
const VxOptionList OperateProtocolValues(OperateProtocolPairs);
constexpr VxIntPair VrrpOperRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList VrrpOperRowStatusValues(VrrpOperRowStatusPairs);
constexpr VxIntPair AssoIPAddrRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AssoIPAddrRowStatusValues(AssoIPAddrRowStatusPairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem RipTimerItems[] = {
    {"1.3.6.1.4.1.171.12.32.3.1", "RIP Update Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.32.3.2", "RIP Timeout Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.32.3.3", "RIP Garbage Collect Interval", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimInterfaceItems[] = {
    {"1.3.6.1.3.61.1.1.2.1.1", "If Index", sxInteger, acNotAccess},
    {"1.3.6.1.3.61.1.1.2.1.2", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.3", "Net Mask", sxIpAddress, acReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.4", "Mode", sxInteger, acReadWrite, &ModeValues},
    {"1.3.6.1.3.61.1.1.2.1.5", "DR", sxIpAddress, acReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.6", "Hello Interval", sxInteger, acReadWrite},
    {"1.3.6.1.3.61.1.1.2.1.7", "Status", sxInteger, acReadWrite, &PimInterfaceStatusValues},
    {"1.3.6.1.3.61.1.1.2.1.8", "Join Prune Interval", sxInteger, acReadWrite},
    {"1.3.6.1.3.61.1.1.2.1.9", "CBSR Preference", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimNeighborItems[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.3.1.2", "If Index", sxInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.3", "Up Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.4", "Expiry Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.5", "Mode", sxInteger, acReadOnly, &PimNeighborModeValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimMRouteItems[] = {
    {" ", "Group", sxIpAddress, acNotAccess},
    {" ", "Source", sxIpAddress, acNotAccess},
    {" ", "Source Mask", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", sxTimeTicks, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", sxInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Pref", sxInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", sxInteger, acReadOnly, &AssertRptBitValues},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimRpSetItems[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", sxInteger, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.3", "Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", sxInteger, acReadOnly},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", sxTimeTicks, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimCandidateRpItems[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Group Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.11.1.2", "Group Mask", sxIpAddress, acNotAccess},
    {"1.3.6.1.3.61.1.1.11.1.3", "Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.3.61.1.1.11.1.4", "Row Status", sxInteger, acReadOnly,
     &PimCandidateRpRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem L3ProtocolStateItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.1.1.1", "RIP State", sxInteger, acReadWrite, &RIPStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.1.1.2", "OSPF State", sxInteger, acReadWrite, &OSPFStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.1.1.3", "DVMRP", sxInteger, acReadWrite, &OSPFStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.1.1.4", "PIM-DM State", sxInteger, acReadWrite, &PIMDMStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.1.1.5", "VRRP State", sxInteger, acReadWrite, &VRRPStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem ArpAgingItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.2.4", "ARP Aging Time", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IpInterfaceItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.1", "IP Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.2", "If Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.3", "Interface Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.4", "Subnet Mask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.5", "VLAN Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.6", "Mode", sxInteger, acReadWrite, &IpInterfaceModeValues},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.8", "Admin State", sxInteger, acReadWrite,
     &IpInterfaceAdminStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.2.1.1.1.9", "Operational State", sxInteger, acReadOnly,
     &OperationalStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StaticArpItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.2.2.1.1.1", "IPAddress", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.2.2.1.1.2", "Subnet Mask", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.2.2.1.1.3", "Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.2.2.1.1.4", "Type", sxInteger, acReadOnly, &StaticArpTypeValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StaticRouteItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.1", "Destination", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.2", "Mask", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.3", "Backup State", sxInteger, acReadWrite,
     &BackupStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.4", "Next Hop", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.5", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.2.5.1.6", "Status", sxInteger, acReadWrite,
     &StaticRouteStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem InterfaceMacOffsetItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.2.6.1.1.1", "MAC Offset", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.2.6.1.1.2", "Interface Name", sxDisplayStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem BootpRelayInterfaceItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.4.1.1", "Interface Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.4.1.2", "Bootp Server IP", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.4.1.3", "State", sxInteger, acReadWrite,
     &BootpRelayInterfaceStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem BootpRelayItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.1", "Bootp State", sxInteger, acReadWrite, &BootpStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.2", "Bootp Hop Count", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.3.1.3", "Bootp Time Threshold", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem DnsRelayItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.1", "DNS Relay State", sxInteger, acReadWrite,
     &DNSRelayStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.2", "Primary Name Server", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.3", "Secondary Name Server", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.4", "DNSR Cache State", sxInteger, acReadWrite,
     &DNSRCacheStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.5", "DNSR Static Table State", sxInteger, acReadWrite,
     &DNSRStaticTableStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem DnsRelayStaticItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.6.1.1", "Domain Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.6.1.2", "IP Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.3.2.6.1.3", "State", sxInteger, acReadWrite,
     &DnsRelayStaticStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Md5KeyItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.4.1.1", "Key ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.4.1.2", "Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.4.1.3", "Status", sxInteger, acReadWrite, &Md5KeyStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RouteRedistributionItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.5.1.1", "Source Protocol", sxInteger, acNotAccess,
     &SourceProtocolValues},
    {"1.3.6.1.4.1.171.11.59.8.3.5.1.2", "Destination Protocol", sxInteger, acNotAccess,
     &DestinationProtocolValues},
    {"1.3.6.1.4.1.171.11.59.8.3.5.1.3", "Type", sxInteger, acReadWrite,
     &RouteRedistributionTypeValues},
    {"1.3.6.1.4.1.171.11.59.8.3.5.1.4", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.5.1.5", "Row Status", sxInteger, acReadWrite,
     &RouteRedistributionRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem OspfHostItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.6.1.1", "IP Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.6.1.2", "Type Of Service", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.6.1.3", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.6.1.4", "Area ID", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.6.1.5", "Status", sxInteger, acReadWrite, &OspfHostStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem OspfVirtIfItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.1", "Area ID", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.2", "Neighbor Route ID", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.3", "Transmit Delay", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.4", "Retransmit Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.5", "Hello Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.6", "Router Dead Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.7", "State", sxInteger, acReadOnly, &OspfVirtIfStateValues},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.8", "Number of Events", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.9", "Authentication Type", sxInteger, acReadWrite,
     &AuthenticationTypeValues},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.10", "Authentication Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.11", "MD5 Key ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.7.1.12", "Status", sxInteger, acReadWrite, &OspfVirtIfStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RoutePreferenceItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.9.1", "RIP Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.2", "OSPF Intra Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.3", "Static Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.4", "Local Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.5", "OSPF Interval Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.6", "OSPF Extand T1 Route Preference", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.9.7", "OSPF Extand T2 Route Preference", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimCbsrItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.1.1", "C-BSR Boot Strap Period", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.11.1.2", "C-BSR Hash Mask Len", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimCbsrInterfaceItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.1.3.1.1", "C-BSR Interface", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.1.3.1.2", "C-BSR Priority", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimCandidateRpGlobalItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.2.1", "Candidate RP Holdtime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.11.2.2", "Candidate RP Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.11.2.3", "Candidate RP Wildcard Prefix Cnt", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimSptThresholdItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.3.1", "Last Hop SPT Threshold", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.11.3.2", "RP SPT Threshold", sxDisplayStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimRegChecksumItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.4.1.1", "Reg Chksum Inc Data RP Addr", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.4.1.2", "Reg Chksum Inc Data State", sxInteger, acReadWrite,
     &RegChksumIncDataStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimRegisterItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.5.1", "Register Probe Time", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.3.11.5.2", "Register Suppression Time", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimDrPriorityItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.5.3.1.1", "Interface", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.5.3.1.2", "DR Priority", sxGauge, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PimStaticRpItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.3.11.6.1.1", "StaticRP Group Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.6.1.2", "StaticRP Group Mask", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.6.1.3", "StaticRP Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.3.11.6.1.4", "StaticRP Row Status", sxInteger, acReadWrite,
     &StaticRPRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpInterfaceItems[] = {
    {"1.3.6.1.4.1.171.12.18.1.4.1.1", "If Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.4.1.3", "Querier", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.4.1.4", "Query Interval", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.18.1.4.1.5", "Status", sxInteger, acReadWrite, &IgmpInterfaceStatusValues},
    {"1.3.6.1.4.1.171.12.18.1.4.1.6", "Version", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.18.1.4.1.7", "Query Max Response Time", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.18.1.4.1.9", "Querier Expiry Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.4.1.14", "Robustness", sxGauge, acReadWrite},
    {"1.3.6.1.4.1.171.12.18.1.4.1.15", "Last Memb Query Intvl", sxGauge, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpCacheItems[] = {
    {"1.3.6.1.4.1.171.12.18.1.6.1.2", "If Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.6.1.3", "Address", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.6.1.4", "Last Reporter", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.6.1.6", "Expiry Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.6.1.7", "Status", sxInteger, acReadWrite, &IgmpCacheStatusValues},
    {"1.3.6.1.4.1.171.12.18.1.6.1.8", "Version1 Host Timer", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.6.1.9", "Version2 Host Timer", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.18.1.6.1.10", "Source Filter Mode", sxInteger, acReadOnly,
     &SourceFilterModeValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpSrcListItems[] = {
    {"1.3.6.1.4.1.171.12.18.1.10.1.2", "If Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.10.1.3", "Address", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.10.1.4", "Host Address", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.18.1.10.1.5", "Source Timer", sxTimeTicks, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VrrpGlobalItems[] = {
    {"1.3.6.1.2.1.68.1.1", "Node Version", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.68.1.2", "Notification Cntl", sxInteger, acReadWrite, &NotificationCntlValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VrrpOperItems[] = {
    {"1.3.6.1.2.1.2.2.1.1", "if Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VR ID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", sxMacAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", sxInteger, acReadOnly,
     &VirtualRouterStateValues},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", sxInteger, acReadWrite,
     &AdministrateStateValues},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", sxInteger, acReadWrite,
     &VrrpOperAuthenticationTypeValues},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", sxInteger, acReadWrite, &PreemptModeValues},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", sxInteger, acReadWrite, &OperateProtocolValues},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", sxInteger, acReadWrite, &VrrpOperRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VrrpAssocIpItems[] = {
    {"1.3.6.1.2.1.2.2.1.1", "if Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "Oper VR ID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "Asso IP Addr", sxIpAddress, acNotAccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "Asso IP Addr Row Status", sxInteger, acReadWrite,
     &AssoIPAddrRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VrrpStatsGlobalItems[] = {
    {"1.3.6.1.2.1.68.2.1", "Checksum Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.2", "Version Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.3", "VR ID Errors", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem VrrpRouterStatsItems[] = {
    {"1.3.6.1.2.1.2.2.1.1", "if Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VR ID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};
