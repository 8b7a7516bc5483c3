#include "acl/AclTables.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "mibdefs/AclMib.h"

namespace {

using enum AclPacketType;
using enum AclFilter;
using enum AclCaption;

constexpr bool Profile = false;
constexpr bool Rule = true;
constexpr int None = -1;
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

// Each row under the name of its MIB table. Columns: class, OID, type,
// filter, rule?, items, item count, index count, caption, caption rule,
// permit, first and last action, port, row status, duplicate message,
// row-status message, IPv6 addresses.
constexpr AclTable Tables[] = {
    // aclEthernetProfileTable
    {"TEthernetMaskInformationForm", "1.3.6.1.4.1.171.12.9.2.1", Ethernet, Ingress, Profile, AclEthernetMaskItems,
     8, 1, "Ethernet Mask Information :", AgentAppended, None, None, None, None, 7, EthernetProfileDuplicate,
     RowStatusMustBe},
    // aclIpv4ProfileTable
    {"TIPMaskInformationForm", "1.3.6.1.4.1.171.12.9.2.2", Ipv4, Ingress, Profile, AclIpMaskItems, 18, 1,
     "IP Mask MaskInformation :", AgentAppended, None, None, None, None, 17, nullptr, nullptr},
    // aclUserDefinedProfileTable
    {"TUserMaskInfoForm", "1.3.6.1.4.1.171.12.9.2.3", UserDefined, Ingress, Profile, AclPacketContentMaskItems, 7,
     1, "User Defined Mask Information :", AgentAppended, None, None, None, None, 6, UserProfileDuplicate,
     RowStateMustBe},
    // aclIpv6ProfileTable
    {"TIPv6MaskInformationForm", "1.3.6.1.4.1.171.12.9.2.4", Ipv6, Ingress, Profile, AclIpv6MaskItems, 7, 1,
     "IPV6 Mask Information : ", SetByMenu, None, None, None, None, 6, Ipv6ProfileDuplicate, RowStatusMustBe,
     Ipv6Addresses},
    // aclEthernetRuleTable
    {"TEthernetInformationRuleForm", "1.3.6.1.4.1.171.12.9.3.1", Ethernet, Ingress, Rule, AclEthernetRuleItems, 15,
     2, "Ethernet Rule", Stored, 12, 7, 11, 13, 14, EthernetRuleDuplicate, RowStateMustBe},
    // aclIpv4RuleTable
    {"TIPRuleForm", "1.3.6.1.4.1.171.12.9.3.2", Ipv4, Ingress, Rule, AclIpRuleItems, 22, 2, "IPv4 Rule", Stored, 19,
     14, 18, 20, 21, Ipv4RuleDuplicate, RowStateMustBe},
    // aclUserDefinedRuleTable
    {"TUserDefinedInformationRuleForm", "1.3.6.1.4.1.171.12.9.3.3", UserDefined, Ingress, Rule,
     AclPacketContentRuleItems, 15, 2, "User Defined Rule", Stored, 12, 7, 11, 13, 14, UserRuleDuplicate,
     RowStateMustBe},
    // aclIpv6RuleTable
    {"TIPv6RuleForm", "1.3.6.1.4.1.171.12.9.3.4", Ipv6, Ingress, Rule, AclIpv6RuleItems, 12, 2, "IPv6 Rule", Stored,
     9, 6, 8, 10, 11, Ipv6RuleDuplicate, RowStateMustChoose, Ipv6Addresses},
    // cpuFilterEthernetProfileTable
    {"TCPUEthernetMaskInformationForm", "1.3.6.1.4.1.171.12.9.4.1", Ethernet, Cpu, Profile,
     CpuFilterEthernetMaskItems, 8, 1, "CPU Ethernet Mask Information :", AgentAppended, None, None, None, None, 7,
     EthernetProfileDuplicate, RowStatusMustBe},
    // cpuFilterIpv4ProfileTable
    {"TCPUIPMaskInformationForm", "1.3.6.1.4.1.171.12.9.4.2", Ipv4, Cpu, Profile, CpuFilterIpMaskItems, 18, 1,
     "CPU IP Mask MaskInformation :", AgentAppended, None, None, None, None, 17, nullptr, nullptr},
    // cpuFilterUserDefinedProfileTable
    {"TCPUUserMaskInfoForm", "1.3.6.1.4.1.171.12.9.4.3", UserDefined, Cpu, Profile, CpuFilterPacketContentMaskItems,
     7, 1, "CPU User Defined Mask Information :", AgentAppended, None, None, None, None, 6, UserProfileDuplicate,
     RowStateMustBe},
    // cpuFilterIpv6ProfileTable
    {"TCPUIPv6MaskInformationForm", "1.3.6.1.4.1.171.12.9.4.4", Ipv6, Cpu, Profile, CpuFilterIpv6MaskItems, 7, 1,
     "CPU IPV6 Mask Information : ", SetByMenu, None, None, None, None, 6, Ipv6ProfileDuplicate, RowStatusMustBe,
     Ipv6Addresses},
    // cpuFilterEthernetRuleTable
    {"TCPUEthernetInformationRuleForm", "1.3.6.1.4.1.171.12.9.5.1", Ethernet, Cpu, Rule, CpuFilterEthernetRuleItems,
     9, 2, "CPU Ethernet Rule Information", Stored, 7, None, None, None, 8, EthernetRuleDuplicate, RowStateMustBe},
    // cpuFilterIpv4RuleTable
    {"TCPUIPRuleForm", "1.3.6.1.4.1.171.12.9.5.2", Ipv4, Cpu, Rule, CpuFilterIpRuleItems, 16, 2,
     "CPU IPv4 Rule Information", Stored, 14, None, None, None, 15, Ipv4RuleDuplicate, RowStateMustBe},
    // cpuFilterUserDefinedRuleTable
    {"TCPUUserDefinedInformationRuleForm", "1.3.6.1.4.1.171.12.9.5.3", UserDefined, Cpu, Rule,
     CpuFilterPacketContentRuleItems, 9, 2, "CPU User Defined Rule Information", Stored, 7, None, None, None, 8,
     UserRuleDuplicate, RowStateMustBe},
    // cpuFilterIpv6RuleTable
    {"TCPUIPv6RuleForm", "1.3.6.1.4.1.171.12.9.5.4", Ipv6, Cpu, Rule, CpuFilterIpv6RuleItems, 8, 2,
     "CPU IPv6 Rule Information", Stored, 6, None, None, None, 7, Ipv6RuleDuplicate, RowStateMustChoose,
     Ipv6Addresses},
};

}  // namespace

std::span<const AclTable> AclTables() { return Tables; }

const AclTable& AclTableOf(const char* className) {
    for (const AclTable& table : Tables)
        if (std::strcmp(table.ClassName, className) == 0) return table;
    throw std::out_of_range(std::string("no access-control table for ") + className);
}
