#include "mibdefs/BridgeMib.h"

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// Enterprise spanning tree and MSTP (start-up group InitMibDefinitions).

constexpr VxIntPair StpStateSpanningTreeAlgorithmPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList StpStateSpanningTreeAlgorithmValues(StpStateSpanningTreeAlgorithmPairs);
constexpr VxIntPair STPVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const VxOptionList STPVersionValues(STPVersionPairs);
constexpr VxIntPair ForwardingBPDUPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList ForwardingBPDUValues(ForwardingBPDUPairs);
constexpr VxIntPair MstpInstanceTypePairs[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
const VxOptionList MstpInstanceTypeValues(MstpInstanceTypePairs);
constexpr VxIntPair MstpInstanceStatusPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList MstpInstanceStatusValues(MstpInstanceStatusPairs);
constexpr VxIntPair RowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList RowStatusValues(RowStatusPairs);
constexpr VxIntPair MSTPPortEnablePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList MSTPPortEnableValues(MSTPPortEnablePairs);
constexpr VxIntPair MSTPPortMigrationPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList MSTPPortMigrationValues(MSTPPortMigrationPairs);
constexpr VxIntPair MSTPPortAdminEdgePortPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList MSTPPortAdminEdgePortValues(MSTPPortAdminEdgePortPairs);
constexpr VxIntPair MSTPPortOperEdgePortPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList MSTPPortOperEdgePortValues(MSTPPortOperEdgePortPairs);
constexpr VxIntPair MSTPPortAdminP2PPairs[] = {
    {0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr},
};
const VxOptionList MSTPPortAdminP2PValues(MSTPPortAdminP2PPairs);
constexpr VxIntPair MSTPPortOperP2PPairs[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const VxOptionList MSTPPortOperP2PValues(MSTPPortOperP2PPairs);
constexpr VxIntPair MstpPortInstanceStatusPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {0, nullptr},
};
const VxOptionList MstpPortInstanceStatusValues(MstpPortInstanceStatusPairs);
constexpr VxIntPair RolePairs[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "desinated"}, {5, "master"},
    {6, "nonstp"}, {0, nullptr},
};
const VxOptionList RoleValues(RolePairs);

// ---------------------------------------------------------------------------------------------
// Bridge, P-bridge and Q-bridge (start-up group InitBridgeMibOptions).

constexpr VxIntPair StatusPairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr},
};
const VxOptionList StatusValues(StatusPairs);
constexpr VxIntPair StpPortStatusPairs[] = {
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {0, nullptr},
};
const VxOptionList StpPortStatusValues(StpPortStatusPairs);
constexpr VxIntPair StatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList StateValues(StatePairs);
constexpr VxIntPair MigrationPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList MigrationValues(MigrationPairs);
constexpr VxIntPair PointToPointPairs[] = {
    {0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr},
};
const VxOptionList PointToPointValues(PointToPointPairs);
constexpr VxIntPair TrafficClassesEnabledPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList TrafficClassesEnabledValues(TrafficClassesEnabledPairs);
constexpr VxIntPair GVRPStatusPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList GVRPStatusValues(GVRPStatusPairs);
constexpr VxIntPair VLANStatusPairs[] = {
    {1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr},
};
const VxOptionList VLANStatusValues(VLANStatusPairs);
constexpr VxIntPair Dot1qVlanStaticStatusPairs[] = {
    {1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr},
};
const VxOptionList Dot1qVlanStaticStatusValues(Dot1qVlanStaticStatusPairs);
constexpr VxIntPair AcceptableFrameTypesPairs[] = {
    {1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr},
};
const VxOptionList AcceptableFrameTypesValues(AcceptableFrameTypesPairs);
constexpr VxIntPair IngressFilteringPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList IngressFilteringValues(IngressFilteringPairs);
constexpr VxIntPair Dot1qPortVlanGVRPStatusPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList Dot1qPortVlanGVRPStatusValues(Dot1qPortVlanGVRPStatusPairs);
constexpr VxIntPair NextFreeLocalVLANIndexPairs[] = {
    {1, "independent"}, {2, "shared"}, {0, nullptr},
};
const VxOptionList NextFreeLocalVLANIndexValues(NextFreeLocalVLANIndexPairs);
constexpr VxIntPair Dot1qStaticMulticastStatusPairs[] = {
    {2, "invalid"}, {3, "permanent"}, {0, nullptr},
};
const VxOptionList Dot1qStaticMulticastStatusValues(Dot1qStaticMulticastStatusPairs);
constexpr VxIntPair Dot1qStaticUnicastStatusPairs[] = {
    {2, "invalid"}, {3, "permanent"}, {0, nullptr},
};
const VxOptionList Dot1qStaticUnicastStatusValues(Dot1qStaticUnicastStatusPairs);

// ---------------------------------------------------------------------------------------------
// Link aggregation (start-up group InitLacpMibOptions).

constexpr VxIntPair AggregateOrIndividualPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList AggregateOrIndividualValues(AggregateOrIndividualPairs);
constexpr VxIntPair LacpAggPortAggregateOrIndividualPairs[] = {
    {1, "true"}, {2, "false"}, {0, nullptr},
};
const VxOptionList LacpAggPortAggregateOrIndividualValues(LacpAggPortAggregateOrIndividualPairs);

// ---------------------------------------------------------------------------------------------
// Protocol VLAN (start-up group InitProtocolVlanOptions).

constexpr VxIntPair ProtocolTypePairs[] = {
    {1, "dot1q-VLAN"}, {2, "protocol-ip"}, {3, "protocol-ipx803dot3"}, {4, "protocol-ipx802dot2"},
    {5, "protocol-ipxSnap"}, {6, "protocol-ipxEthernet2"}, {7, "protocol-appleTalk"},
    {8, "protocol-decLat"}, {9, "protocol-dexOther"}, {10, "protocol-sna802dot2"},
    {11, "protocol-snaEthernet2"}, {12, "protocol-netBios"}, {13, "protocol-xns"},
    {14, "protocol-vines"}, {15, "protocol-ipV6"}, {16, "protocol-userDefined"},
    {17, "protocol-rarp"}, {0, nullptr},
};
const VxOptionList ProtocolTypeValues(ProtocolTypePairs);
constexpr VxIntPair AdvertisementPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList AdvertisementValues(AdvertisementPairs);
constexpr VxIntPair EncapTypePairs[] = {
    {1, "ethernet"}, {2, "llc"}, {3, "snap"}, {4, "all"}, {0, nullptr},
};
const VxOptionList EncapTypeValues(EncapTypePairs);
constexpr VxIntPair ProtocolVlanRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList ProtocolVlanRowStatusValues(ProtocolVlanRowStatusPairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem Dot1qTpFdbItems[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb ID", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Fdb MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", sxInteger, acReadOnly, &StatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StpPortItems[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", sxInteger, acReadOnly, &StpPortStatusValues},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", sxInteger, acReadWrite, &StateValues},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", sxInteger, acReadWrite, &MigrationValues},
    {"1.3.6.1.2.1.17.2.19.1.2", "Edge", sxInteger, acReadWrite, &MigrationValues},
    {"1.3.6.1.2.1.17.2.19.1.4", "Point To Point", sxInteger, acReadWrite, &PointToPointValues},
    {"1.3.6.1.2.1.17.2.19.1.6", "PathCost", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem BridgeBaseItems[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StpStateItems[] = {
    {"1.3.6.1.4.1.171.12.15.1.1", "Spanning Tree Algorithm", sxInteger, acReadWrite,
     &StpStateSpanningTreeAlgorithmValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MstpBridgeItems[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", sxInteger, acReadWrite, &STPVersionValues},
    {"1.3.6.1.4.1.171.12.15.1.3", "Max Age[600-4000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.4", "Hello Time[100-1000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.5", "Forward Delay[400-3000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.6", "Max Hops[1-20]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.7", "Tx Hold Count[1-10]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.8", "Forwarding BPDU", sxInteger, acReadWrite, &ForwardingBPDUValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MstpConfigIdItems[] = {
    {"1.3.6.1.4.1.171.12.15.2.1", "MSTP Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.2", "MSTP Revision Level", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MstpInstanceItems[] = {
    {"1.3.6.1.4.1.171.12.15.2.3.1.1", "MSTP Inst ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.3.1.2", "VLAN Range [1-64]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.3", "VLAN Range [65-128]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.4", "VLAN Range [129-192]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.5", "VLAN Range [193-256]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.6", "VLAN Range [257-320]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.7", "VLAN Range [321-384]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.8", "VLAN Range [385-448]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.9", "VLAN Range [449-512]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.10", "Type", sxInteger, acReadOnly, &MstpInstanceTypeValues},
    {"1.3.6.1.4.1.171.12.15.2.3.1.11", "Status", sxInteger, acReadOnly, &MstpInstanceStatusValues},
    {"1.3.6.1.4.1.171.12.15.2.3.1.12", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.3.1.13", "Designated Root Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.14", "External Root Cost", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.15", "Regional Root Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.16", "Internal Root Cost", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.17", "Designated Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.18", "Root Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.19", "Max Age", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.20", "Forward Delay", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.21", "Last Topology Change", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.22", "Top Changes Count", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.23", "Remain Hops", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.3.1.24", "Row Status", sxInteger, acReadWrite, &RowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MstpPortItems[] = {
    {"1.3.6.1.4.1.171.12.15.2.4.1.1", "MSTP Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.4.1.2", "Administrate HelloTime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.4.1.3", "Operate HelloTime", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.4.1.4", "MSTP Port Enable", sxInteger, acReadWrite,
     &MSTPPortEnableValues},
    {"1.3.6.1.4.1.171.12.15.2.4.1.5", "MSTP Port External Path Cost", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.4.1.6", "MSTP Port Migration", sxInteger, acReadWrite,
     &MSTPPortMigrationValues},
    {"1.3.6.1.4.1.171.12.15.2.4.1.7", "MSTP Port Admin Edge Port", sxInteger, acReadWrite,
     &MSTPPortAdminEdgePortValues},
    {"1.3.6.1.4.1.171.12.15.2.4.1.8", "MSTP Port Oper Edge Port", sxInteger, acReadOnly,
     &MSTPPortOperEdgePortValues},
    {"1.3.6.1.4.1.171.12.15.2.4.1.9", "MSTP Port Admin P2P", sxInteger, acReadWrite,
     &MSTPPortAdminP2PValues},
    {"1.3.6.1.4.1.171.12.15.2.4.1.10", "MSTP Port Oper P2P", sxInteger, acReadOnly,
     &MSTPPortOperP2PValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MstpPortInstanceItems[] = {
    {"1.3.6.1.4.1.171.12.15.2.5.1.1", "Master Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.5.1.2", "MSTP Instance ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.5.1.3", "Designated Bridge", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.5.1.4", "Internal Path Cost", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.5.1.5", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.5.1.6", "Status", sxInteger, acReadOnly,
     &MstpPortInstanceStatusValues},
    {"1.3.6.1.4.1.171.12.15.2.5.1.7", "Role", sxInteger, acReadOnly, &RoleValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortCapabilitiesItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", sxBitStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem DeviceCapabilitiesItems[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", sxBitStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrafficClassesEnabledItems[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", sxInteger, acReadWrite,
     &TrafficClassesEnabledValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortPriorityItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem UserPriorityRegenItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrafficClassItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortOutboundAccessPriorityItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortGarpItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARP Join Time", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARP Leave Time", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARP Leave All Time", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qBaseItems[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Num Of VLANs", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", sxInteger, acReadWrite, &GVRPStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qTpGroupItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", sxOctetStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qForwardAllItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", sxBitStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", sxBitStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qForwardUnregisteredItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "Unregistered Ports", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "Unregistered Static Ports", sxOctetStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "Unregistered Forbidden Ports", sxOctetStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qVlanCurrentItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", sxTimeTicks, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", sxInteger, acReadOnly, &VLANStatusValues},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", sxTimeTicks, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qVlanStaticItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", sxInteger, acReadWrite, &Dot1qVlanStaticStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qPortVlanItems[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", sxInteger, acReadWrite,
     &AcceptableFrameTypesValues},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", sxInteger, acReadWrite,
     &IngressFilteringValues},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRPStatus", sxInteger, acReadWrite,
     &Dot1qPortVlanGVRPStatusValues},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", sxMacAddress, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qVlanNumDeletesItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Num Deletes", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qNextFreeLocalVlanIndexItems[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", sxInteger, acReadOnly,
     &NextFreeLocalVLANIndexValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qStaticMulticastItems[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", sxInteger, acReadWrite,
     &Dot1qStaticMulticastStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1qStaticUnicastItems[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To Go To", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", sxInteger, acReadWrite,
     &Dot1qStaticUnicastStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem LacpAggItems[] = {
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.2", "MAC Address", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.3", "Actor System Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.4", "Actor System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.5", "Aggregate Or Individual", sxInteger, acReadOnly,
     &AggregateOrIndividualValues},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.6", "Actor Admin value Key", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.7", "Actor Operational Value Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.8", "Partner System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.9", "Partner System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.10", "Partner Operational Value Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.1.1.1.11", "Collector Max Delay", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem LacpAggPortItems[] = {
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.1", "Port Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.2", "Actor System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.3", "Actor System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.4", "Actor Admin Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.5", "Actor Oper Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.6", "Partner Admin System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.7", "Partner Oper System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.8", "Partner Admin System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.9", "Partner Oper System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.10", "Partner Admin Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.11", "Partner Oper Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.12", "Selected Agg ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.13", "Attached Agg ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.14", "Actor Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.15", "Actor Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.16", "Partner Admin Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.17", "Partner Oper Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.18", "Partner Admin Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.19", "Partner Oper Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.20", "Actor Admin State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.21", "Actor Oper State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.22", "Partner Admin State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.23", "Partner Oper State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.24", "Aggregate Or Individual", sxInteger, acReadOnly,
     &LacpAggPortAggregateOrIndividualValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem ProtocolVlanItems[] = {
    {"1.3.6.1.4.1.171.12.16.1.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.16.1.1.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.16.1.1.1.3", "Protocol Type", sxInteger, acReadWrite, &ProtocolTypeValues},
    {"1.3.6.1.4.1.171.12.16.1.1.1.4", "Advertisement", sxInteger, acReadWrite,
     &AdvertisementValues},
    {"1.3.6.1.4.1.171.12.16.1.1.1.5", "User Defined Protocol", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.16.1.1.1.6", "Encap Type", sxInteger, acReadWrite, &EncapTypeValues},
    {"1.3.6.1.4.1.171.12.16.1.1.1.7", "Row Status", sxInteger, acReadWrite,
     &ProtocolVlanRowStatusValues},
    {nullptr, nullptr, 0, 0},
};
