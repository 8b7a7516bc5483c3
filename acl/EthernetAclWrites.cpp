#include "acl/EthernetAclWrites.h"

AclItems EthernetProfileLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return DeleteLeftOut(table);
    const std::string& state = form.Combo(ethMaskState).Text;
    const bool source = state == "src-mac-addr", destination = state == "dst-mac-addr";
    AclItems out;
    if (state == "other" || destination) out.insert(ethSrcMask);
    if (state == "other" || source) out.insert(ethDstMask);
    // Add creates the row with the agent's default for a mask left empty.
    if (write == AclWrite::Add && source && form.EditEmpty(ethSrcMask)) out.insert(ethSrcMask);
    if (write == AclWrite::Add && destination && form.EditEmpty(ethDstMask)) out.insert(ethDstMask);
    return out;
}

std::optional<AclRefusal> CheckEthernetProfile(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    return CheckProfileKeys(table, "Ethernet Mask ID must be set.", form, write);
}

std::optional<AclRefusal> CheckEthernetRule(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (auto refusal = CheckRuleKeys(table, {"Mask ID must be set.", "Access ID must be set."}, form, write))
        return refusal;
    return CheckRuleRowStatus(table, form, write);
}
