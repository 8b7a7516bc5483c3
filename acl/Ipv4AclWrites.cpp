#include "acl/Ipv4AclWrites.h"

#include "framework/SnmpVarItem.h"

namespace {

// The protocol items 7 to 16 of a profile that each protocol type keeps, by
// the type's combo position (none, icmp, igmp, tcp, udp, protocolId).
const AclItems ProfileProtocolKeeps[] = {
    {},
    {ipIcmpOption},
    {ipIgmpOption},
    {ipTcpOption, ipSrcPortMask, ipDstPortMask, ipTcpFlag, ipTcpFlagMask},
    {ipUdpOption, ipSrcPortMask, ipDstPortMask},
    {ipProtocolIdOption, ipProtocolIdMask},
};

// The match items 7 to 13 of a rule that each protocol keeps, by position.
const AclItems RuleProtocolKeeps[] = {
    {},
    {ipRuleType, ipRuleCode},
    {ipRuleType},
    {ipRuleSrcPort, ipRuleDstPort, ipRuleFlagBits},
    {ipRuleSrcPort, ipRuleDstPort},
    {ipRuleProtocolId, ipRuleUserMask},
};

constexpr int ProtocolTypes = 6;

AclItems AllBut(int first, int last, const AclItems& kept) {
    AclItems out;
    for (int item = first; item <= last; ++item)
        if (!kept.count(item)) out.insert(item);
    return out;
}

void MaskStateLeftOut(const AclFormSnapshot& form, AclItems& out) {
    const std::string& state = form.Combo(ipMaskState).Text;
    if (state == "other" || state == "dst-ip-addr") out.insert(ipSrcMask);
    if (state == "other" || state == "src-ip-addr") out.insert(ipDstMask);
}

// The port masks go with the TCP or UDP option that names them.
void PortMasksLeftOut(const AclFormSnapshot& form, AclItems& out) {
    bool source = false, destination = false;
    for (int option : {ipTcpOption, ipUdpOption}) {
        const std::string& text = form.Combo(option).Text;
        source = source || text == "src-addr" || text == "dst-src-addr";
        destination = destination || text == "dst-addr" || text == "dst-src-addr";
    }
    if (!source) out.insert(ipSrcPortMask);
    if (!destination) out.insert(ipDstPortMask);
}

}  // namespace

AclItems Ipv4ProfileProtocolLeftOut(const AclFormSnapshot& form) {
    const int type = form.Combo(ipProtocolType).Index;
    if (type < 0 || type >= ProtocolTypes) return AllBut(ipIcmpOption, ipProtocolIdMask, {});
    AclItems out = AllBut(ipIcmpOption, ipProtocolIdMask, ProfileProtocolKeeps[type]);
    // ICMP without an option matches nothing of its own.
    if (type == 1 && form.Combo(ipIcmpOption).Index == 0) out.insert(ipIcmpOption);
    return out;
}

AclItems Ipv4ProfileLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return DeleteLeftOut(table);
    AclItems out;
    MaskStateLeftOut(form, out);
    if (form.Combo(ipTcpOption).Index == 0) out.insert(ipTcpOption);
    if (form.Combo(ipUdpOption).Index == 0) out.insert(ipUdpOption);
    PortMasksLeftOut(form, out);
    if (form.Combo(ipTcpFlag).Text != "enable") out.insert(ipTcpFlagMask);
    if (form.Combo(ipProtocolType).Text != "protocolId" || form.Combo(ipProtocolIdOption).Index != 0)
        out.insert(ipProtocolIdMask);
    out.merge(Ipv4ProfileProtocolLeftOut(form));
    for (int item : {ipSrcMask, ipDstMask, ipSrcPortMask, ipDstPortMask, ipTcpFlagMask, ipProtocolIdMask})
        if (form.EditEmpty(item)) out.insert(item);
    return out;
}

std::optional<AclRefusal> CheckIpv4Profile(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    // Without an ID the set would name no row.
    if (write == AclWrite::Add && form.EditEmpty(ipProfileId))
        return AclRefusal{std::string(table.Items[ipProfileId].Label) + " must be set.", ipProfileId};
    return std::nullopt;
}

AclItems Ipv4RuleProtocolLeftOut(const AclFormSnapshot& form) {
    const int protocol = form.Combo(ipRuleProtocol).Index;
    if (protocol < 0 || protocol >= ProtocolTypes) return {};
    return AllBut(ipRuleType, ipRuleUserMask, RuleProtocolKeeps[protocol]);
}

AclItems Ipv4RuleLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    AclItems out = RuleLeftOut(table, form, write);
    if (write != AclWrite::Delete) out.merge(Ipv4RuleProtocolLeftOut(form));
    return out;
}

std::optional<AclRefusal> CheckIpv4Rule(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return std::nullopt;
    if (auto refusal = CheckRuleKeys(table, {"IP Rule ID must be set.", "IP Rule Access ID must be set."}, form, write))
        return refusal;
    if (form.IsTicked(ipRuleProtocol) && form.Combo(ipRuleProtocol).Index < 0)
        return AclRefusal{"Rule Protocol must be chosed.", ipRuleProtocol};
    return CheckRuleRowStatus(table, form, write);
}
