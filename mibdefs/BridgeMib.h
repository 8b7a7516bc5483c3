#pragma once
// Item tables of the bridge MIBs (802.1D base, spanning tree, transparent bridging,
// P-bridge priorities and GARP, Q-bridge VLANs, forwarding and static tables), the enterprise
// multiple spanning tree group, link aggregation (LACP) and protocol VLANs.
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include "framework/SnmpVarItem.h"

// Value-name maps.

// Enterprise spanning tree and MSTP (start-up group InitMibDefinitions).
extern const VxOptionList StpStateSpanningTreeAlgorithmValues;
extern const VxOptionList STPVersionValues;
extern const VxOptionList ForwardingBPDUValues;
extern const VxOptionList MstpInstanceTypeValues;
extern const VxOptionList MstpInstanceStatusValues;
extern const VxOptionList RowStatusValues;
extern const VxOptionList MSTPPortEnableValues;
extern const VxOptionList MSTPPortMigrationValues;
extern const VxOptionList MSTPPortAdminEdgePortValues;
extern const VxOptionList MSTPPortOperEdgePortValues;
extern const VxOptionList MSTPPortAdminP2PValues;
extern const VxOptionList MSTPPortOperP2PValues;
extern const VxOptionList MstpPortInstanceStatusValues;
extern const VxOptionList RoleValues;

// Bridge, P-bridge and Q-bridge (start-up group InitBridgeMibOptions).
extern const VxOptionList StatusValues;
extern const VxOptionList StpPortStatusValues;
extern const VxOptionList StateValues;
extern const VxOptionList MigrationValues;
extern const VxOptionList PointToPointValues;
extern const VxOptionList TrafficClassesEnabledValues;
extern const VxOptionList GVRPStatusValues;
extern const VxOptionList VLANStatusValues;
extern const VxOptionList Dot1qVlanStaticStatusValues;
extern const VxOptionList AcceptableFrameTypesValues;
extern const VxOptionList IngressFilteringValues;
extern const VxOptionList Dot1qPortVlanGVRPStatusValues;
extern const VxOptionList NextFreeLocalVLANIndexValues;
extern const VxOptionList Dot1qStaticMulticastStatusValues;
extern const VxOptionList Dot1qStaticUnicastStatusValues;

// Link aggregation (start-up group InitLacpMibOptions).
extern const VxOptionList AggregateOrIndividualValues;
extern const VxOptionList LacpAggPortAggregateOrIndividualValues;

// Protocol VLAN (start-up group InitProtocolVlanOptions).
extern const VxOptionList ProtocolTypeValues;
extern const VxOptionList AdvertisementValues;
extern const VxOptionList EncapTypeValues;
extern const VxOptionList ProtocolVlanRowStatusValues;

// Item tables.
extern const SnmpVarItem Dot1qTpFdbItems[];
extern const SnmpVarItem StpPortItems[];
extern const SnmpVarItem BridgeBaseItems[];
extern const SnmpVarItem StpStateItems[];
extern const SnmpVarItem MstpBridgeItems[];
extern const SnmpVarItem MstpConfigIdItems[];
extern const SnmpVarItem MstpInstanceItems[];
extern const SnmpVarItem MstpPortItems[];
extern const SnmpVarItem MstpPortInstanceItems[];
extern const SnmpVarItem PortCapabilitiesItems[];
extern const SnmpVarItem DeviceCapabilitiesItems[];
extern const SnmpVarItem TrafficClassesEnabledItems[];
extern const SnmpVarItem PortPriorityItems[];
extern const SnmpVarItem UserPriorityRegenItems[];
extern const SnmpVarItem TrafficClassItems[];
extern const SnmpVarItem PortOutboundAccessPriorityItems[];
extern const SnmpVarItem PortGarpItems[];
extern const SnmpVarItem Dot1qBaseItems[];
extern const SnmpVarItem Dot1qTpGroupItems[];
extern const SnmpVarItem Dot1qForwardAllItems[];
extern const SnmpVarItem Dot1qForwardUnregisteredItems[];
extern const SnmpVarItem Dot1qVlanCurrentItems[];
extern const SnmpVarItem Dot1qVlanStaticItems[];
extern const SnmpVarItem Dot1qPortVlanItems[];
extern const SnmpVarItem Dot1qVlanNumDeletesItems[];
extern const SnmpVarItem Dot1qNextFreeLocalVlanIndexItems[];
extern const SnmpVarItem Dot1qStaticMulticastItems[];
extern const SnmpVarItem Dot1qStaticUnicastItems[];
extern const SnmpVarItem LacpAggItems[];
extern const SnmpVarItem LacpAggPortItems[];
extern const SnmpVarItem ProtocolVlanItems[];
