#include "acl/AclTables.h"

#include "mibdefs/AclMib.h"

namespace {

using enum AclPacketType;
using enum AclFilter;

constexpr bool Profile = false;
constexpr bool Rule = true;
// The source and destination address masks of an IPv6 profile, and the
// addresses of a rule.
constexpr int Ipv6Addresses[] = {4, 5};

// The texts that the editors of one packet type share between their filters.
constexpr const char* EthernetProfileDuplicate =
    "There is already a record with the same Ethernet Mask ID. Please modified it.";
constexpr const char* UserProfileDuplicate = "Mask Entry ID must be different.";
constexpr const char* Ipv6ProfileDuplicate =
    "There is already a record with the same IPv6 Mask ID. Please modify it.";
constexpr const char* Ipv4RuleDuplicate =
    "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.";
constexpr const char* EthernetRuleDuplicate =
    "Has already a record with the same Mask ID and Access ID. Please change eithor of them.";
constexpr const char* UserRuleDuplicate =
    "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.";
constexpr const char* Ipv6RuleDuplicate =
    "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.";
constexpr const char* RowStatusMustBe = "Row Status must be createAndGo.";
constexpr const char* RowStateMustBe = RowStateMustBeCreateAndGo;
constexpr const char* RowStateMustChoose = "Row State must choose createAndGo.";

}  // namespace

// ---- ingress profiles -------------------------------------------------------------------

const AclTable aclEthernetProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.2.1", .Type = Ethernet, .Filter = Ingress, .IsRule = Profile,
    .Items = AclEthernetMaskItems, .ItemCount = 8, .IndexCount = 1, .RowStatusItem = 7,
    .DuplicateMessage = EthernetProfileDuplicate, .RowStatusMessage = RowStatusMustBe};

const AclTable aclIpv4ProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.2.2", .Type = Ipv4, .Filter = Ingress, .IsRule = Profile,
    .Items = AclIpMaskItems, .ItemCount = 18, .IndexCount = 1, .RowStatusItem = 17};

const AclTable aclUserDefinedProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.2.3", .Type = UserDefined, .Filter = Ingress, .IsRule = Profile,
    .Items = AclPacketContentMaskItems, .ItemCount = 7, .IndexCount = 1, .RowStatusItem = 6,
    .DuplicateMessage = UserProfileDuplicate, .RowStatusMessage = RowStateMustBe};

const AclTable aclIpv6ProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.2.4", .Type = Ipv6, .Filter = Ingress, .IsRule = Profile,
    .Items = AclIpv6MaskItems, .ItemCount = 7, .IndexCount = 1, .RowStatusItem = 6,
    .DuplicateMessage = Ipv6ProfileDuplicate, .RowStatusMessage = RowStatusMustBe, .Ipv6AddressItems = Ipv6Addresses};

// ---- ingress rules: the QoS actions and the ports ------------------------------------------

const AclTable aclEthernetRuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.3.1", .Type = Ethernet, .Filter = Ingress, .IsRule = Rule,
    .Items = AclEthernetRuleItems, .ItemCount = 15, .IndexCount = 2, .PermitItem = 12, .FirstActionItem = 7,
    .LastActionItem = 11, .PortItem = 13, .RowStatusItem = 14, .DuplicateMessage = EthernetRuleDuplicate,
    .RowStatusMessage = RowStateMustBe};

const AclTable aclIpv4RuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.3.2", .Type = Ipv4, .Filter = Ingress, .IsRule = Rule,
    .Items = AclIpRuleItems, .ItemCount = 22, .IndexCount = 2, .PermitItem = 19, .FirstActionItem = 14,
    .LastActionItem = 18, .PortItem = 20, .RowStatusItem = 21, .DuplicateMessage = Ipv4RuleDuplicate,
    .RowStatusMessage = RowStateMustBe};

const AclTable aclUserDefinedRuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.3.3", .Type = UserDefined, .Filter = Ingress, .IsRule = Rule,
    .Items = AclPacketContentRuleItems, .ItemCount = 15, .IndexCount = 2, .PermitItem = 12, .FirstActionItem = 7,
    .LastActionItem = 11, .PortItem = 13, .RowStatusItem = 14, .DuplicateMessage = UserRuleDuplicate,
    .RowStatusMessage = RowStateMustBe};

const AclTable aclIpv6RuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.3.4", .Type = Ipv6, .Filter = Ingress, .IsRule = Rule,
    .Items = AclIpv6RuleItems, .ItemCount = 12, .IndexCount = 2, .PermitItem = 9, .FirstActionItem = 6,
    .LastActionItem = 8, .PortItem = 10, .RowStatusItem = 11, .DuplicateMessage = Ipv6RuleDuplicate,
    .RowStatusMessage = RowStateMustChoose, .Ipv6AddressItems = Ipv6Addresses};

// ---- CPU-filter profiles -------------------------------------------------------------------

const AclTable cpuFilterEthernetProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.4.1", .Type = Ethernet, .Filter = Cpu, .IsRule = Profile,
    .Items = CpuFilterEthernetMaskItems, .ItemCount = 8, .IndexCount = 1, .RowStatusItem = 7,
    .DuplicateMessage = EthernetProfileDuplicate, .RowStatusMessage = RowStatusMustBe};

const AclTable cpuFilterIpv4ProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.4.2", .Type = Ipv4, .Filter = Cpu, .IsRule = Profile,
    .Items = CpuFilterIpMaskItems, .ItemCount = 18, .IndexCount = 1, .RowStatusItem = 17};

const AclTable cpuFilterUserDefinedProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.4.3", .Type = UserDefined, .Filter = Cpu, .IsRule = Profile,
    .Items = CpuFilterPacketContentMaskItems, .ItemCount = 7, .IndexCount = 1, .RowStatusItem = 6,
    .DuplicateMessage = UserProfileDuplicate, .RowStatusMessage = RowStateMustBe};

const AclTable cpuFilterIpv6ProfileTable{
    .Oid = "1.3.6.1.4.1.171.12.9.4.4", .Type = Ipv6, .Filter = Cpu, .IsRule = Profile,
    .Items = CpuFilterIpv6MaskItems, .ItemCount = 7, .IndexCount = 1, .RowStatusItem = 6,
    .DuplicateMessage = Ipv6ProfileDuplicate, .RowStatusMessage = RowStatusMustBe, .Ipv6AddressItems = Ipv6Addresses};

// ---- CPU-filter rules: neither actions nor ports ---------------------------------------------

const AclTable cpuFilterEthernetRuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.5.1", .Type = Ethernet, .Filter = Cpu, .IsRule = Rule,
    .Items = CpuFilterEthernetRuleItems, .ItemCount = 9, .IndexCount = 2, .PermitItem = 7, .RowStatusItem = 8,
    .DuplicateMessage = EthernetRuleDuplicate, .RowStatusMessage = RowStateMustBe};

const AclTable cpuFilterIpv4RuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.5.2", .Type = Ipv4, .Filter = Cpu, .IsRule = Rule,
    .Items = CpuFilterIpRuleItems, .ItemCount = 16, .IndexCount = 2, .PermitItem = 14, .RowStatusItem = 15,
    .DuplicateMessage = Ipv4RuleDuplicate, .RowStatusMessage = RowStateMustBe};

const AclTable cpuFilterUserDefinedRuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.5.3", .Type = UserDefined, .Filter = Cpu, .IsRule = Rule,
    .Items = CpuFilterPacketContentRuleItems, .ItemCount = 9, .IndexCount = 2, .PermitItem = 7, .RowStatusItem = 8,
    .DuplicateMessage = UserRuleDuplicate, .RowStatusMessage = RowStateMustBe};

const AclTable cpuFilterIpv6RuleTable{
    .Oid = "1.3.6.1.4.1.171.12.9.5.4", .Type = Ipv6, .Filter = Cpu, .IsRule = Rule,
    .Items = CpuFilterIpv6RuleItems, .ItemCount = 8, .IndexCount = 2, .PermitItem = 6, .RowStatusItem = 7,
    .DuplicateMessage = Ipv6RuleDuplicate, .RowStatusMessage = RowStateMustChoose, .Ipv6AddressItems = Ipv6Addresses};

std::span<const std::reference_wrapper<const AclTable>> AclTables() {
    static const std::reference_wrapper<const AclTable> tables[] = {
        aclEthernetProfileTable, aclIpv4ProfileTable,
        aclUserDefinedProfileTable, aclIpv6ProfileTable,
        aclEthernetRuleTable, aclIpv4RuleTable,
        aclUserDefinedRuleTable, aclIpv6RuleTable,
        cpuFilterEthernetProfileTable, cpuFilterIpv4ProfileTable,
        cpuFilterUserDefinedProfileTable, cpuFilterIpv6ProfileTable,
        cpuFilterEthernetRuleTable, cpuFilterIpv4RuleTable,
        cpuFilterUserDefinedRuleTable, cpuFilterIpv6RuleTable,
    };
    return tables;
}
