#include "mibdefs/AclMib.h"

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// Access-control profiles and rules (start-up group InitEnterpriseMibOptions).

constexpr VxIntPair UseVLANPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList UseVLANValues(UseVLANPairs);
constexpr VxIntPair MACAddressMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr},
};
const VxOptionList MACAddressMaskStateValues(MACAddressMaskStatePairs);
constexpr VxIntPair Use8021pPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList Use8021pValues(Use8021pPairs);
constexpr VxIntPair UseEthernetTypePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList UseEthernetTypeValues(UseEthernetTypePairs);
constexpr VxIntPair AclEthernetMaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclEthernetMaskRowStatusValues(AclEthernetMaskRowStatusPairs);
constexpr VxIntPair AclIpMaskUseVLANPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList AclIpMaskUseVLANValues(AclIpMaskUseVLANPairs);
constexpr VxIntPair IPAddressMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr},
};
const VxOptionList IPAddressMaskStateValues(IPAddressMaskStatePairs);
constexpr VxIntPair UseDSCPPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList UseDSCPValues(UseDSCPPairs);
constexpr VxIntPair UseProtocolTypePairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr},
};
const VxOptionList UseProtocolTypeValues(UseProtocolTypePairs);
constexpr VxIntPair ICMPOptionPairs[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr},
};
const VxOptionList ICMPOptionValues(ICMPOptionPairs);
constexpr VxIntPair IGMPOptionPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList IGMPOptionValues(IGMPOptionPairs);
constexpr VxIntPair TCPOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr},
};
const VxOptionList TCPOptionValues(TCPOptionPairs);
constexpr VxIntPair UDPOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr},
};
const VxOptionList UDPOptionValues(UDPOptionPairs);
constexpr VxIntPair TCPFlagBitPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList TCPFlagBitValues(TCPFlagBitPairs);
constexpr VxIntPair ProtocolIDOptionPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList ProtocolIDOptionValues(ProtocolIDOptionPairs);
constexpr VxIntPair AclIpMaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclIpMaskRowStatusValues(AclIpMaskRowStatusPairs);
constexpr VxIntPair EnablePriorityRulePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList EnablePriorityRuleValues(EnablePriorityRulePairs);
constexpr VxIntPair ReplacePriorityRulePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList ReplacePriorityRuleValues(ReplacePriorityRulePairs);
constexpr VxIntPair EnableReplaceDSCPRulePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList EnableReplaceDSCPRuleValues(EnableReplaceDSCPRulePairs);
constexpr VxIntPair PermitRulePairs[] = {{1, "deny"}, {2, "permit"}, {3, "mirror"}, {0, nullptr}};
const VxOptionList PermitRuleValues(PermitRulePairs);
constexpr VxIntPair RowStatusRulePairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList RowStatusRuleValues(RowStatusRulePairs);
constexpr VxIntPair RuleProtocolPairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr},
};
const VxOptionList RuleProtocolValues(RuleProtocolPairs);
constexpr VxIntPair EnablePriorityPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList EnablePriorityValues(EnablePriorityPairs);
constexpr VxIntPair ReplacePriorityPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList ReplacePriorityValues(ReplacePriorityPairs);
constexpr VxIntPair EnableReplaceDscpPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList EnableReplaceDscpValues(EnableReplaceDscpPairs);
constexpr VxIntPair PermitPairs[] = {{1, "deny"}, {2, "permit"}, {3, "mirror"}, {0, nullptr}};
const VxOptionList PermitValues(PermitPairs);
constexpr VxIntPair AclIpRuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclIpRuleRowStatusValues(AclIpRuleRowStatusPairs);
constexpr VxIntPair MaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList MaskRowStatusValues(MaskRowStatusPairs);
constexpr VxIntPair AclPacketContentRuleEnablePriorityPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList AclPacketContentRuleEnablePriorityValues(
    AclPacketContentRuleEnablePriorityPairs);
constexpr VxIntPair AclPacketContentRuleReplacePriorityPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList AclPacketContentRuleReplacePriorityValues(
    AclPacketContentRuleReplacePriorityPairs);
constexpr VxIntPair EnableReplaceDSCPPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList EnableReplaceDSCPValues(EnableReplaceDSCPPairs);
constexpr VxIntPair AclPacketContentRulePermitPairs[] = {
    {1, "deny"}, {2, "permit"}, {3, "mirror"}, {0, nullptr},
};
const VxOptionList AclPacketContentRulePermitValues(AclPacketContentRulePermitPairs);
constexpr VxIntPair AclPacketContentRuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclPacketContentRuleRowStatusValues(AclPacketContentRuleRowStatusPairs);
constexpr VxIntPair ClassPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList ClassValues(ClassPairs);
constexpr VxIntPair FlowLabelPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList FlowLabelValues(FlowLabelPairs);
constexpr VxIntPair AclIpv6MaskStatePairs[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"},
    {0, nullptr},
};
const VxOptionList AclIpv6MaskStateValues(AclIpv6MaskStatePairs);
constexpr VxIntPair AclIpv6MaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclIpv6MaskRowStatusValues(AclIpv6MaskRowStatusPairs);
constexpr VxIntPair AclIpv6RuleEnablePriorityPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList AclIpv6RuleEnablePriorityValues(AclIpv6RuleEnablePriorityPairs);
constexpr VxIntPair AclIpv6RuleReplacePriorityPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList AclIpv6RuleReplacePriorityValues(AclIpv6RuleReplacePriorityPairs);
constexpr VxIntPair AclIpv6RulePermitPairs[] = {
    {1, "deny"}, {2, "permit"}, {3, "mirror"}, {0, nullptr},
};
const VxOptionList AclIpv6RulePermitValues(AclIpv6RulePermitPairs);
constexpr VxIntPair AclIpv6RuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AclIpv6RuleRowStatusValues(AclIpv6RuleRowStatusPairs);
constexpr VxIntPair CpuFilterEthernetMaskUseVLANPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetMaskUseVLANValues(CpuFilterEthernetMaskUseVLANPairs);
constexpr VxIntPair MACAddrMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr},
};
const VxOptionList MACAddrMaskStateValues(MACAddrMaskStatePairs);
constexpr VxIntPair CpuFilterEthernetMaskUse8021pPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetMaskUse8021pValues(CpuFilterEthernetMaskUse8021pPairs);
constexpr VxIntPair CpuFilterEthernetMaskUseEthernetTypePairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetMaskUseEthernetTypeValues(
    CpuFilterEthernetMaskUseEthernetTypePairs);
constexpr VxIntPair CpuFilterEthernetMaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetMaskRowStatusValues(CpuFilterEthernetMaskRowStatusPairs);
constexpr VxIntPair CpuFilterIpMaskUseVLANPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList CpuFilterIpMaskUseVLANValues(CpuFilterIpMaskUseVLANPairs);
constexpr VxIntPair IPAddrMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr},
};
const VxOptionList IPAddrMaskStateValues(IPAddrMaskStatePairs);
constexpr VxIntPair CpuFilterIpMaskUseDSCPPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList CpuFilterIpMaskUseDSCPValues(CpuFilterIpMaskUseDSCPPairs);
constexpr VxIntPair UseProtoTypePairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr},
};
const VxOptionList UseProtoTypeValues(UseProtoTypePairs);
constexpr VxIntPair CpuFilterIpMaskICMPOptionPairs[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskICMPOptionValues(CpuFilterIpMaskICMPOptionPairs);
constexpr VxIntPair CpuFilterIpMaskIGMPOptionPairs[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskIGMPOptionValues(CpuFilterIpMaskIGMPOptionPairs);
constexpr VxIntPair CpuFilterIpMaskTCPOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskTCPOptionValues(CpuFilterIpMaskTCPOptionPairs);
constexpr VxIntPair CpuFilterIpMaskUDPOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskUDPOptionValues(CpuFilterIpMaskUDPOptionPairs);
constexpr VxIntPair CpuFilterIpMaskTCPFlagBitPairs[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskTCPFlagBitValues(CpuFilterIpMaskTCPFlagBitPairs);
constexpr VxIntPair ProtoIDOptionPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList ProtoIDOptionValues(ProtoIDOptionPairs);
constexpr VxIntPair CpuFilterIpMaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterIpMaskRowStatusValues(CpuFilterIpMaskRowStatusPairs);
constexpr VxIntPair CpuFilterPacketContentMaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterPacketContentMaskRowStatusValues(
    CpuFilterPacketContentMaskRowStatusPairs);
constexpr VxIntPair CpuFilterIpv6MaskClassPairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList CpuFilterIpv6MaskClassValues(CpuFilterIpv6MaskClassPairs);
constexpr VxIntPair CpuFilterIpv6MaskFlowLabelPairs[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr},
};
const VxOptionList CpuFilterIpv6MaskFlowLabelValues(CpuFilterIpv6MaskFlowLabelPairs);
constexpr VxIntPair CpuFilterIpv6MaskStatePairs[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"},
    {0, nullptr},
};
const VxOptionList CpuFilterIpv6MaskStateValues(CpuFilterIpv6MaskStatePairs);
constexpr VxIntPair CpuFilterIpv6MaskRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterIpv6MaskRowStatusValues(CpuFilterIpv6MaskRowStatusPairs);
constexpr VxIntPair CpuFilterEthernetRulePermitRulePairs[] = {
    {1, "deny"}, {2, "permit"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetRulePermitRuleValues(CpuFilterEthernetRulePermitRulePairs);
constexpr VxIntPair CpuFilterEthernetRuleRowStatusRulePairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterEthernetRuleRowStatusRuleValues(
    CpuFilterEthernetRuleRowStatusRulePairs);
constexpr VxIntPair ProtocolPairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr},
};
const VxOptionList ProtocolValues(ProtocolPairs);
constexpr VxIntPair CpuFilterIpRulePermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const VxOptionList CpuFilterIpRulePermitValues(CpuFilterIpRulePermitPairs);
constexpr VxIntPair CpuFilterIpRuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterIpRuleRowStatusValues(CpuFilterIpRuleRowStatusPairs);
constexpr VxIntPair CpuFilterPacketContentRulePermitPairs[] = {
    {1, "deny"}, {2, "permit"}, {0, nullptr},
};
const VxOptionList CpuFilterPacketContentRulePermitValues(CpuFilterPacketContentRulePermitPairs);
constexpr VxIntPair CpuFilterPacketContentRuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterPacketContentRuleRowStatusValues(
    CpuFilterPacketContentRuleRowStatusPairs);
constexpr VxIntPair CpuFilterIpv6RulePermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const VxOptionList CpuFilterIpv6RulePermitValues(CpuFilterIpv6RulePermitPairs);
constexpr VxIntPair CpuFilterIpv6RuleRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList CpuFilterIpv6RuleRowStatusValues(CpuFilterIpv6RuleRowStatusPairs);
constexpr VxIntPair CPUInterfaceFilterStatePairs[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VxOptionList CPUInterfaceFilterStateValues(CPUInterfaceFilterStatePairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem AclEthernetMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.2.1.1.1", "Ethernet MASK ID ", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.9.2.1.1.2", "Use VLAN", sxInteger, acReadWrite, &UseVLANValues},
    {"1.3.6.1.4.1.171.12.9.2.1.1.3", "MAC Address Mask State", sxInteger, acReadWrite,
     &MACAddressMaskStateValues},
    {"1.3.6.1.4.1.171.12.9.2.1.1.4", "MAC Address Mask Source", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.1.1.5", "MAC Address Mask Destination", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.1.1.6", "Use 8021p", sxInteger, acReadWrite, &Use8021pValues},
    {"1.3.6.1.4.1.171.12.9.2.1.1.7", "Use Ethernet Type", sxInteger, acReadWrite,
     &UseEthernetTypeValues},
    {"1.3.6.1.4.1.171.12.9.2.1.1.8", "Row Status", sxInteger, acReadWrite,
     &AclEthernetMaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclIpMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.2.2.1.1", "IP ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.9.2.2.1.2", "Use VLAN", sxInteger, acReadWrite, &AclIpMaskUseVLANValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.3", "IP Address Mask State", sxInteger, acReadWrite,
     &IPAddressMaskStateValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.4", "IP Address Mask Source", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.5", "IP Address Mask Destination", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.6", "Use DSCP", sxInteger, acReadWrite, &UseDSCPValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.7", "Use Protocol Type", sxInteger, acReadWrite,
     &UseProtocolTypeValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.8", "ICMP Option", sxInteger, acReadWrite, &ICMPOptionValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.9", "IGMP Option", sxInteger, acReadWrite, &IGMPOptionValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.10", "TCP Option", sxInteger, acReadWrite, &TCPOptionValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.11", "UDP Option", sxInteger, acReadWrite, &UDPOptionValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.14", "TCP Flag Bit", sxInteger, acReadWrite, &TCPFlagBitValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.16", "Protocol ID Option", sxInteger, acReadWrite,
     &ProtocolIDOptionValues},
    {"1.3.6.1.4.1.171.12.9.2.2.1.17", "Protocol ID Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.2.1.18", "Row Status", sxInteger, acReadWrite,
     &AclIpMaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclEthernetRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.3.1.1.1", "Mask ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.1.1.3", "VLAN Rule", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.4", "Source MAC Address Rule", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.5", "Destination MAC Address Rule", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.6", "8021P Rule", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.7", "Ethernet Type Rule", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.8", "Enable Priority Rule", sxInteger, acReadWrite,
     &EnablePriorityRuleValues},
    {"1.3.6.1.4.1.171.12.9.3.1.1.9", "Priority Rule", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.10", "Replace Priority Rule", sxInteger, acReadWrite,
     &ReplacePriorityRuleValues},
    {"1.3.6.1.4.1.171.12.9.3.1.1.11", "Enable Replace DSCP Rule", sxInteger, acReadWrite,
     &EnableReplaceDSCPRuleValues},
    {"1.3.6.1.4.1.171.12.9.3.1.1.12", "Rule Replace DSCP Rule", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.13", "Permit Rule", sxInteger, acReadWrite, &PermitRuleValues},
    {"1.3.6.1.4.1.171.12.9.3.1.1.14", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.1.1.15", "Row Status Rule", sxInteger, acReadWrite,
     &RowStatusRuleValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclIpRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.3.2.1.1", "IP Rule ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.2.1.2", "IP Rule Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.2.1.3", "Apply VLAN", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.4", "Source IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.5", "Destination IP address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.6", "DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.7", "Rule Protocol", sxInteger, acReadOnly, &RuleProtocolValues},
    {"1.3.6.1.4.1.171.12.9.3.2.1.8", "Rule Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.9", "Rule Code", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.10", "Source Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.11", "Destination Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.12", "Flag Bits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.13", "Protocol ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.14", "User Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.15", "Enable Priority", sxInteger, acReadWrite,
     &EnablePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.2.1.16", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.17", "Replace Priority", sxInteger, acReadWrite,
     &ReplacePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.2.1.18", "Enable Replace Dscp", sxInteger, acReadWrite,
     &EnableReplaceDscpValues},
    {"1.3.6.1.4.1.171.12.9.3.2.1.19", "DSCP Value", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.20", "Permit", sxInteger, acReadWrite, &PermitValues},
    {"1.3.6.1.4.1.171.12.9.3.2.1.21", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.2.1.22", "Row Status", sxInteger, acReadWrite,
     &AclIpRuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclPacketContentMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.2.3.1.1", "Mask Entry ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.2.3.1.2", "Filtered Port(s) [0 to 15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.3.1.3", "Filtered Port(s) [16 to 31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.3.1.4", "Filtered Port(s) [32 to 47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.3.1.5", "Filtered Port(s) [48 to 63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.3.1.6", "Filtered Port(s) [64 to 79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.3.1.7", "Mask Row Status", sxInteger, acReadWrite,
     &MaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclPacketContentRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.3.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.3.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.3.1.3", "Packet(s) Offset [0 to 15]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.4", "Packet(s) Offset [16 to 31]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.5", "Packet(s) Offset [32 to 47]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.6", "Packet(s) Offset [48 to 63]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.7", "Packet(s) Offset [64 to 79]", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.8", "Enable Priority", sxInteger, acReadWrite,
     &AclPacketContentRuleEnablePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.3.1.9", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.10", "Replace Priority", sxInteger, acReadWrite,
     &AclPacketContentRuleReplacePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.3.1.11", "Enable Replace DSCP", sxInteger, acReadWrite,
     &EnableReplaceDSCPValues},
    {"1.3.6.1.4.1.171.12.9.3.3.1.12", "Replace DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.13", "Permit", sxInteger, acReadWrite,
     &AclPacketContentRulePermitValues},
    {"1.3.6.1.4.1.171.12.9.3.3.1.14", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.3.1.15", "Row Status", sxInteger, acReadWrite,
     &AclPacketContentRuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclIpv6MaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.2.4.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.2.4.1.2", "Class", sxInteger, acReadWrite, &ClassValues},
    {"1.3.6.1.4.1.171.12.9.2.4.1.3", "Flow Label", sxInteger, acReadWrite, &FlowLabelValues},
    {"1.3.6.1.4.1.171.12.9.2.4.1.4", "State", sxInteger, acReadWrite, &AclIpv6MaskStateValues},
    {"1.3.6.1.4.1.171.12.9.2.4.1.5", "Src IPv6 Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.4.1.6", "Dst IPv6 Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.2.4.1.7", "Row Status", sxInteger, acReadWrite,
     &AclIpv6MaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AclIpv6RuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.3.4.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.4.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.3.4.1.3", "Class", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.4", "Flow Label", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.5", "Src IPv6 Addr", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.6", "Dst IPv6 Addr", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.7", "Enable Priority", sxInteger, acReadWrite,
     &AclIpv6RuleEnablePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.4.1.8", "Priority", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.9", "Replace Priority", sxInteger, acReadWrite,
     &AclIpv6RuleReplacePriorityValues},
    {"1.3.6.1.4.1.171.12.9.3.4.1.10", "Permit", sxInteger, acReadWrite, &AclIpv6RulePermitValues},
    {"1.3.6.1.4.1.171.12.9.3.4.1.11", "Port", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.3.4.1.12", "Row Status", sxInteger, acReadWrite,
     &AclIpv6RuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterEthernetMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.4.1.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.1.1.2", "Use VLAN", sxInteger, acReadWrite,
     &CpuFilterEthernetMaskUseVLANValues},
    {"1.3.6.1.4.1.171.12.9.4.1.1.3", "MAC Addr Mask State", sxInteger, acReadWrite,
     &MACAddrMaskStateValues},
    {"1.3.6.1.4.1.171.12.9.4.1.1.4", "Src MAC Addr Mask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.5", "Dst MAC Addr Mask", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.1.1.6", "Use8021p", sxInteger, acReadWrite,
     &CpuFilterEthernetMaskUse8021pValues},
    {"1.3.6.1.4.1.171.12.9.4.1.1.7", "Use Ethernet Type", sxInteger, acReadWrite,
     &CpuFilterEthernetMaskUseEthernetTypeValues},
    {"1.3.6.1.4.1.171.12.9.4.1.1.8", "Row Status", sxInteger, acReadWrite,
     &CpuFilterEthernetMaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterIpMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.4.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.2.1.2", "Use VLAN", sxInteger, acReadWrite,
     &CpuFilterIpMaskUseVLANValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.3", "IP Addr Mask State", sxInteger, acReadWrite,
     &IPAddrMaskStateValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.4", "Src IP Addr Mask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.5", "Dst IP Addr Mask", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.6", "Use DSCP", sxInteger, acReadWrite,
     &CpuFilterIpMaskUseDSCPValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.7", "Use Proto Type", sxInteger, acReadWrite, &UseProtoTypeValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.8", "ICMP Option", sxInteger, acReadWrite,
     &CpuFilterIpMaskICMPOptionValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.9", "IGMP Option", sxInteger, acReadWrite,
     &CpuFilterIpMaskIGMPOptionValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.10", "TCP Option", sxInteger, acReadWrite,
     &CpuFilterIpMaskTCPOptionValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.11", "UDP Option", sxInteger, acReadWrite,
     &CpuFilterIpMaskUDPOptionValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.12", "TCP or UDP Src Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.13", "TCP or UDP Dst Port Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, acReadWrite,
     &CpuFilterIpMaskTCPFlagBitValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.16", "Proto ID Option", sxInteger, acReadWrite,
     &ProtoIDOptionValues},
    {"1.3.6.1.4.1.171.12.9.4.2.1.17", "Proto ID Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.2.1.18", "Row Status", sxInteger, acReadWrite,
     &CpuFilterIpMaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterPacketContentMaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.4.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.3.1.2", "Offset 0 to 15", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.3", "Offset 16 to 31", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.4", "Offset 32 to 47", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.5", "Offset 48 to 63", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.6", "Offset 64 to 79", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.3.1.7", "Row Status", sxInteger, acReadWrite,
     &CpuFilterPacketContentMaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterIpv6MaskItems[] = {
    {"1.3.6.1.4.1.171.12.9.4.4.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.4.4.1.2", "Class", sxInteger, acReadWrite,
     &CpuFilterIpv6MaskClassValues},
    {"1.3.6.1.4.1.171.12.9.4.4.1.3", "Flow Label", sxInteger, acReadWrite,
     &CpuFilterIpv6MaskFlowLabelValues},
    {"1.3.6.1.4.1.171.12.9.4.4.1.4", "State", sxInteger, acReadWrite,
     &CpuFilterIpv6MaskStateValues},
    {"1.3.6.1.4.1.171.12.9.4.4.1.5", "Src IPv6 Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.4.1.6", "Dst IPv6 Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.4.4.1.7", "Row Status", sxInteger, acReadWrite,
     &CpuFilterIpv6MaskRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterEthernetRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.5.1.1.1", "Mask ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.1.1.3", "VLAN Rule", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.4", "Source MAC Address Rule", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.5", "Destination MAC Address Rule", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.6", "8021P Rule", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.7", "Ethernet Type Rule", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.1.1.8", "Permit Rule", sxInteger, acReadWrite,
     &CpuFilterEthernetRulePermitRuleValues},
    {"1.3.6.1.4.1.171.12.9.5.1.1.9", "Row Status Rule", sxInteger, acReadWrite,
     &CpuFilterEthernetRuleRowStatusRuleValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterIpRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.5.2.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.2.1.3", "VLAN", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.4", "Src IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.5", "Dst IP Aaddress", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.6", "DSCP", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.7", "Protocol", sxInteger, acReadOnly, &ProtocolValues},
    {"1.3.6.1.4.1.171.12.9.5.2.1.8", "Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.9", "Code", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.10", "Src Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.11", "Dst Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.12", "Flag Bits", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.13", "Proto ID", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.14", "User Mask", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.2.1.15", "Permit", sxInteger, acReadWrite,
     &CpuFilterIpRulePermitValues},
    {"1.3.6.1.4.1.171.12.9.5.2.1.16", "Row Status", sxInteger, acReadWrite,
     &CpuFilterIpRuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterPacketContentRuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.5.3.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.3.1.3", "Offset 0 to 15", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.4", "Offset 16 to 31", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.5", "Offset 32 to 47", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.6", "Offset 48 to 63", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.7", "Offset 64 to 79", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.3.1.8", "Permit", sxInteger, acReadWrite,
     &CpuFilterPacketContentRulePermitValues},
    {"1.3.6.1.4.1.171.12.9.5.3.1.9", "Row Status", sxInteger, acReadWrite,
     &CpuFilterPacketContentRuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterIpv6RuleItems[] = {
    {"1.3.6.1.4.1.171.12.9.5.4.1.1", "Profile ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.4.1.2", "Access ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.9.5.4.1.3", "Class", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.4.1.4", "Flow Label", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.4.1.5", "Src IPv6 Addr", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.4.1.6", "Dst IPv6 Addr", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.9.5.4.1.7", "Permit", sxInteger, acReadWrite,
     &CpuFilterIpv6RulePermitValues},
    {"1.3.6.1.4.1.171.12.9.5.4.1.8", "Row Status", sxInteger, acReadWrite,
     &CpuFilterIpv6RuleRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuFilterStateItems[] = {
    {"1.3.6.1.4.1.171.12.9.1.1", "CPU Interface filter State", sxInteger, acReadWrite,
     &CPUInterfaceFilterStateValues},
    {nullptr, nullptr, 0, 0},
};
