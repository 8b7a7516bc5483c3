#pragma once
// Item tables of the enterprise access-control group 1.3.6.1.4.1.171.12.9: ingress access
// profiles (masks) and rules for Ethernet, IPv4, packet-content and IPv6 fields, the same for
// the CPU interface filter, and the CPU filter state.
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include "framework/SnmpVarItem.h"

// Value-name maps.

// Access-control profiles and rules (start-up group InitEnterpriseMibOptions).
extern const VxOptionList UseVLANValues;
extern const VxOptionList MACAddressMaskStateValues;
extern const VxOptionList Use8021pValues;
extern const VxOptionList UseEthernetTypeValues;
extern const VxOptionList AclEthernetMaskRowStatusValues;
extern const VxOptionList AclIpMaskUseVLANValues;
extern const VxOptionList IPAddressMaskStateValues;
extern const VxOptionList UseDSCPValues;
extern const VxOptionList UseProtocolTypeValues;
extern const VxOptionList ICMPOptionValues;
extern const VxOptionList IGMPOptionValues;
extern const VxOptionList TCPOptionValues;
extern const VxOptionList UDPOptionValues;
extern const VxOptionList TCPFlagBitValues;
extern const VxOptionList ProtocolIDOptionValues;
extern const VxOptionList AclIpMaskRowStatusValues;
extern const VxOptionList EnablePriorityRuleValues;
extern const VxOptionList ReplacePriorityRuleValues;
extern const VxOptionList EnableReplaceDSCPRuleValues;
extern const VxOptionList PermitRuleValues;
extern const VxOptionList RowStatusRuleValues;
extern const VxOptionList RuleProtocolValues;
extern const VxOptionList EnablePriorityValues;
extern const VxOptionList ReplacePriorityValues;
extern const VxOptionList EnableReplaceDscpValues;
extern const VxOptionList PermitValues;
extern const VxOptionList AclIpRuleRowStatusValues;
extern const VxOptionList MaskRowStatusValues;
extern const VxOptionList AclPacketContentRuleEnablePriorityValues;
extern const VxOptionList AclPacketContentRuleReplacePriorityValues;
extern const VxOptionList EnableReplaceDSCPValues;
extern const VxOptionList AclPacketContentRulePermitValues;
extern const VxOptionList AclPacketContentRuleRowStatusValues;
extern const VxOptionList ClassValues;
extern const VxOptionList FlowLabelValues;
extern const VxOptionList AclIpv6MaskStateValues;
extern const VxOptionList AclIpv6MaskRowStatusValues;
extern const VxOptionList AclIpv6RuleEnablePriorityValues;
extern const VxOptionList AclIpv6RuleReplacePriorityValues;
extern const VxOptionList AclIpv6RulePermitValues;
extern const VxOptionList AclIpv6RuleRowStatusValues;
extern const VxOptionList CpuFilterEthernetMaskUseVLANValues;
extern const VxOptionList MACAddrMaskStateValues;
extern const VxOptionList CpuFilterEthernetMaskUse8021pValues;
extern const VxOptionList CpuFilterEthernetMaskUseEthernetTypeValues;
extern const VxOptionList CpuFilterEthernetMaskRowStatusValues;
extern const VxOptionList CpuFilterIpMaskUseVLANValues;
extern const VxOptionList IPAddrMaskStateValues;
extern const VxOptionList CpuFilterIpMaskUseDSCPValues;
extern const VxOptionList UseProtoTypeValues;
extern const VxOptionList CpuFilterIpMaskICMPOptionValues;
extern const VxOptionList CpuFilterIpMaskIGMPOptionValues;
extern const VxOptionList CpuFilterIpMaskTCPOptionValues;
extern const VxOptionList CpuFilterIpMaskUDPOptionValues;
extern const VxOptionList CpuFilterIpMaskTCPFlagBitValues;
extern const VxOptionList ProtoIDOptionValues;
extern const VxOptionList CpuFilterIpMaskRowStatusValues;
extern const VxOptionList CpuFilterPacketContentMaskRowStatusValues;
extern const VxOptionList CpuFilterIpv6MaskClassValues;
extern const VxOptionList CpuFilterIpv6MaskFlowLabelValues;
extern const VxOptionList CpuFilterIpv6MaskStateValues;
extern const VxOptionList CpuFilterIpv6MaskRowStatusValues;
extern const VxOptionList CpuFilterEthernetRulePermitRuleValues;
extern const VxOptionList CpuFilterEthernetRuleRowStatusRuleValues;
extern const VxOptionList ProtocolValues;
extern const VxOptionList CpuFilterIpRulePermitValues;
extern const VxOptionList CpuFilterIpRuleRowStatusValues;
extern const VxOptionList CpuFilterPacketContentRulePermitValues;
extern const VxOptionList CpuFilterPacketContentRuleRowStatusValues;
extern const VxOptionList CpuFilterIpv6RulePermitValues;
extern const VxOptionList CpuFilterIpv6RuleRowStatusValues;
extern const VxOptionList CPUInterfaceFilterStateValues;

// Item tables.
extern const SnmpVarItem AclEthernetMaskItems[];
extern const SnmpVarItem AclIpMaskItems[];
extern const SnmpVarItem AclEthernetRuleItems[];
extern const SnmpVarItem AclIpRuleItems[];
extern const SnmpVarItem AclPacketContentMaskItems[];
extern const SnmpVarItem AclPacketContentRuleItems[];
extern const SnmpVarItem AclIpv6MaskItems[];
extern const SnmpVarItem AclIpv6RuleItems[];
extern const SnmpVarItem CpuFilterEthernetMaskItems[];
extern const SnmpVarItem CpuFilterIpMaskItems[];
extern const SnmpVarItem CpuFilterPacketContentMaskItems[];
extern const SnmpVarItem CpuFilterIpv6MaskItems[];
extern const SnmpVarItem CpuFilterEthernetRuleItems[];
extern const SnmpVarItem CpuFilterIpRuleItems[];
extern const SnmpVarItem CpuFilterPacketContentRuleItems[];
extern const SnmpVarItem CpuFilterIpv6RuleItems[];
extern const SnmpVarItem CpuFilterStateItems[];
