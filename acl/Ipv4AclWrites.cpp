#include "acl/Ipv4AclWrites.h"

#include "framework/SnmpVarItem.h"

namespace {

// The protocol items 7 to 16 of a profile that each protocol type keeps, by
// the type's combo position (none, icmp, igmp, tcp, udp, protocolId).
const RowItems ProfileProtocolKeeps[] = {
    {},
    {ipIcmpOption},
    {ipIgmpOption},
    {ipTcpOption, ipSrcPortMask, ipDstPortMask, ipTcpFlag, ipTcpFlagMask},
    {ipUdpOption, ipSrcPortMask, ipDstPortMask},
    {ipProtocolIdOption, ipProtocolIdMask},
};

// The match items 7 to 13 of a rule that each protocol keeps, by position.
const RowItems RuleProtocolKeeps[] = {
    {},
    {ipRuleType, ipRuleCode},
    {ipRuleType},
    {ipRuleSrcPort, ipRuleDstPort, ipRuleFlagBits},
    {ipRuleSrcPort, ipRuleDstPort},
    {ipRuleProtocolId, ipRuleUserMask},
};

constexpr int ProtocolTypes = 6;

RowItems AllBut(int first, int last, const RowItems& kept) {
    RowItems out;
    for (int item = first; item <= last; ++item)
        if (!kept.count(item)) out.insert(item);
    return out;
}

void MaskStateLeftOut(const RowSnapshot& form, RowItems& out) {
    const std::string& state = form.Combo(ipMaskState).Text;
    if (state == "other" || state == "dst-ip-addr") out.insert(ipSrcMask);
    if (state == "other" || state == "src-ip-addr") out.insert(ipDstMask);
}

// The port masks go with the TCP or UDP option that names them.
void PortMasksLeftOut(const RowSnapshot& form, RowItems& out) {
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

RowItems Ipv4ProfileProtocolLeftOut(const RowSnapshot& form) {
    const int type = form.Combo(ipProtocolType).Index;
    if (type < 0 || type >= ProtocolTypes) return AllBut(ipIcmpOption, ipProtocolIdMask, {});
    RowItems out = AllBut(ipIcmpOption, ipProtocolIdMask, ProfileProtocolKeeps[type]);
    // ICMP without an option matches nothing of its own.
    if (type == 1 && form.Combo(ipIcmpOption).Index == 0) out.insert(ipIcmpOption);
    return out;
}

RowItems Ipv4ProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(table.Rows());
    RowItems out;
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

std::optional<RowRefusal> CheckIpv4Profile(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    // Without an ID the set would name no row.
    if (write == RowWrite::Add && form.EditEmpty(ipProfileId))
        return RowRefusal{form.LabelOf(ipProfileId, table.Items[ipProfileId].Label) + " must be set.", ipProfileId};
    return std::nullopt;
}

RowItems Ipv4RuleProtocolLeftOut(const RowSnapshot& form) {
    const int protocol = form.Combo(ipRuleProtocol).Index;
    if (protocol < 0 || protocol >= ProtocolTypes) return {};
    return AllBut(ipRuleType, ipRuleUserMask, RuleProtocolKeeps[protocol]);
}

RowItems Ipv4RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    RowItems out = RuleLeftOut(table, form, write);
    if (write != RowWrite::Delete) out.merge(Ipv4RuleProtocolLeftOut(form));
    return out;
}

std::optional<RowRefusal> CheckIpv4Rule(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return std::nullopt;
    if (auto refusal = CheckRuleKeys(table, {"IP Rule ID must be set.", "IP Rule Access ID must be set."}, form, write))
        return refusal;
    if (form.IsTicked(ipRuleProtocol) && form.Combo(ipRuleProtocol).Index < 0)
        return RowRefusal{"Rule Protocol must be chosed.", ipRuleProtocol};
    return CheckRuleRowStatus(table, form, write);
}
