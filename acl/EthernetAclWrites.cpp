#include "acl/EthernetAclWrites.h"

RowItems EthernetProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(table.Rows());
    const std::string& state = form.Combo(ethMaskState).Text;
    const bool source = state == "src-mac-addr", destination = state == "dst-mac-addr";
    RowItems out;
    if (state == "other" || destination) out.insert(ethSrcMask);
    if (state == "other" || source) out.insert(ethDstMask);
    // Add creates the row with the agent's default for a mask left empty.
    if (write == RowWrite::Add && source && form.EditEmpty(ethSrcMask)) out.insert(ethSrcMask);
    if (write == RowWrite::Add && destination && form.EditEmpty(ethDstMask)) out.insert(ethDstMask);
    return out;
}

std::optional<RowRefusal> CheckEthernetProfile(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    return CheckProfileKeys(table, "Ethernet Mask ID must be set.", form, write);
}

std::optional<RowRefusal> CheckEthernetRule(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (auto refusal = CheckRuleKeys(table, {"Mask ID must be set.", "Access ID must be set."}, form, write))
        return refusal;
    return CheckRuleRowStatus(table, form, write);
}
