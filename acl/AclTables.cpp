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
constexpr bool MainWindow = true;
constexpr bool Application = false;
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

// Columns: class, unit, table, OID, type, filter, rule?, items, item count,
// index count, caption, caption rule, owner, permit, first and last action,
// port, row status, duplicate message, row-status message, IPv6 addresses.
constexpr AclTable Tables[] = {
    {"TEthernetMaskInformationForm", "EthernetMaskInformationFormUnit", "aclEthernetProfileTable",
     "1.3.6.1.4.1.171.12.9.2.1", Ethernet, Ingress, Profile, AclEthernetMaskItems, 8, 1,
     "Ethernet Mask Information :", AgentAppended, Application, None, None, None, None, 7,
     EthernetProfileDuplicate, RowStatusMustBe},
    {"TIPMaskInformationForm", "IPMaskInformationFormUnit", "aclIpv4ProfileTable", "1.3.6.1.4.1.171.12.9.2.2",
     Ipv4, Ingress, Profile, AclIpMaskItems, 18, 1, "IP Mask MaskInformation :", AgentAppended, Application, None,
     None, None, None, 17, nullptr, nullptr},
    {"TUserMaskInfoForm", "UserMaskInforUnit", "aclUserDefinedProfileTable", "1.3.6.1.4.1.171.12.9.2.3",
     UserDefined, Ingress, Profile, AclPacketContentMaskItems, 7, 1, "User Defined Mask Information :",
     AgentAppended, Application, None, None, None, None, 6, UserProfileDuplicate, RowStateMustBe},
    {"TIPv6MaskInformationForm", "IPv6MaskInformationUnit", "aclIpv6ProfileTable", "1.3.6.1.4.1.171.12.9.2.4",
     Ipv6, Ingress, Profile, AclIpv6MaskItems, 7, 1, "IPV6 Mask Information : ", SetByMenu, MainWindow, None,
     None, None, None, 6, Ipv6ProfileDuplicate, RowStatusMustBe, Ipv6Addresses},
    {"TEthernetInformationRuleForm", "EthernetInformationRuleUnit", "aclEthernetRuleTable",
     "1.3.6.1.4.1.171.12.9.3.1", Ethernet, Ingress, Rule, AclEthernetRuleItems, 15, 2, "Ethernet Rule", Stored,
     Application, 12, 7, 11, 13, 14, EthernetRuleDuplicate, RowStateMustBe},
    {"TIPRuleForm", "IPRuleUnit", "aclIpv4RuleTable", "1.3.6.1.4.1.171.12.9.3.2", Ipv4, Ingress, Rule,
     AclIpRuleItems, 22, 2, "IPv4 Rule", Stored, Application, 19, 14, 18, 20, 21, Ipv4RuleDuplicate,
     RowStateMustBe},
    {"TUserDefinedInformationRuleForm", "UserDefinedRuleUnit", "aclUserDefinedRuleTable",
     "1.3.6.1.4.1.171.12.9.3.3", UserDefined, Ingress, Rule, AclPacketContentRuleItems, 15, 2,
     "User Defined Rule", Stored, Application, 12, 7, 11, 13, 14, UserRuleDuplicate, RowStateMustBe},
    {"TIPv6RuleForm", "IPv6RuleUnit", "aclIpv6RuleTable", "1.3.6.1.4.1.171.12.9.3.4", Ipv6, Ingress, Rule,
     AclIpv6RuleItems, 12, 2, "IPv6 Rule", Stored, Application, 9, 6, 8, 10, 11, Ipv6RuleDuplicate,
     RowStateMustChoose, Ipv6Addresses},
    {"TCPUEthernetMaskInformationForm", "CPUEthernetMaskInformationFormUnit", "cpuFilterEthernetProfileTable",
     "1.3.6.1.4.1.171.12.9.4.1", Ethernet, Cpu, Profile, CpuFilterEthernetMaskItems, 8, 1,
     "CPU Ethernet Mask Information :", AgentAppended, Application, None, None, None, None, 7,
     EthernetProfileDuplicate, RowStatusMustBe},
    {"TCPUIPMaskInformationForm", "CPUIPMaskInformationFormUnit", "cpuFilterIpv4ProfileTable",
     "1.3.6.1.4.1.171.12.9.4.2", Ipv4, Cpu, Profile, CpuFilterIpMaskItems, 18, 1,
     "CPU IP Mask MaskInformation :", AgentAppended, Application, None, None, None, None, 17, nullptr, nullptr},
    {"TCPUUserMaskInfoForm", "CPUUserMaskInforUnit", "cpuFilterUserDefinedProfileTable",
     "1.3.6.1.4.1.171.12.9.4.3", UserDefined, Cpu, Profile, CpuFilterPacketContentMaskItems, 7, 1,
     "CPU User Defined Mask Information :", AgentAppended, Application, None, None, None, None, 6,
     UserProfileDuplicate, RowStateMustBe},
    {"TCPUIPv6MaskInformationForm", "CPUIPv6MaskInformationUnit", "cpuFilterIpv6ProfileTable",
     "1.3.6.1.4.1.171.12.9.4.4", Ipv6, Cpu, Profile, CpuFilterIpv6MaskItems, 7, 1, "CPU IPV6 Mask Information : ",
     SetByMenu, MainWindow, None, None, None, None, 6, Ipv6ProfileDuplicate, RowStatusMustBe, Ipv6Addresses},
    {"TCPUEthernetInformationRuleForm", "CPUEthernetInformationRuleUnit", "cpuFilterEthernetRuleTable",
     "1.3.6.1.4.1.171.12.9.5.1", Ethernet, Cpu, Rule, CpuFilterEthernetRuleItems, 9, 2,
     "CPU Ethernet Rule Information", Stored, Application, 7, None, None, None, 8, EthernetRuleDuplicate,
     RowStateMustBe},
    {"TCPUIPRuleForm", "CPUIPRuleUnit", "cpuFilterIpv4RuleTable", "1.3.6.1.4.1.171.12.9.5.2", Ipv4, Cpu, Rule,
     CpuFilterIpRuleItems, 16, 2, "CPU IPv4 Rule Information", Stored, Application, 14, None, None, None, 15,
     Ipv4RuleDuplicate, RowStateMustBe},
    {"TCPUUserDefinedInformationRuleForm", "CPUUserDefinedRuleUnit", "cpuFilterUserDefinedRuleTable",
     "1.3.6.1.4.1.171.12.9.5.3", UserDefined, Cpu, Rule, CpuFilterPacketContentRuleItems, 9, 2,
     "CPU User Defined Rule Information", Stored, Application, 7, None, None, None, 8, UserRuleDuplicate,
     RowStateMustBe},
    {"TCPUIPv6RuleForm", "CPUIPv6RuleUnit", "cpuFilterIpv6RuleTable", "1.3.6.1.4.1.171.12.9.5.4", Ipv6, Cpu,
     Rule, CpuFilterIpv6RuleItems, 8, 2, "CPU IPv6 Rule Information", Stored, Application, 6, None, None, None, 7,
     Ipv6RuleDuplicate, RowStateMustChoose, Ipv6Addresses},
};

}  // namespace

std::span<const AclTable> AclTables() { return Tables; }

const AclTable& AclTableOf(const char* className) {
    for (const AclTable& table : Tables)
        if (std::strcmp(table.ClassName, className) == 0) return table;
    throw std::out_of_range(std::string("no access-control table for ") + className);
}
