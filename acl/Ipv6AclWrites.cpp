#include "acl/Ipv6AclWrites.h"

// ---- profiles -----------------------------------------------------------------------

namespace {

bool NamesSource(const std::string& state) { return state == "src-ipv6-addr" || state == "dst-src-ipv6-addr"; }
bool NamesDestination(const std::string& state) { return state == "dst-ipv6-addr" || state == "dst-src-ipv6-addr"; }
bool Chosen(const RowSnapshot& form, int item) { return form.Combo(item).Index >= 0; }

}  // namespace

RowItems Ipv6MasksLeftOutByState(const RowSnapshot& form) {
    RowItems out;
    if (!Chosen(form, ip6MaskState)) return out;
    const std::string& state = form.Combo(ip6MaskState).Text;
    if (!NamesSource(state)) out.insert(ip6SrcMask);
    if (!NamesDestination(state)) out.insert(ip6DstMask);
    return out;
}

RowItems Ipv6ProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(table.Rows());
    RowItems out = Ipv6MasksLeftOutByState(form);
    if (write == RowWrite::Set) {
        out.insert(ip6ProfileRowStatus);
        return out;
    }
    // Add leaves what is not chosen or not filled to the agent's defaults.
    for (int combo : {ip6Class, ip6FlowLabel, ip6MaskState})
        if (!Chosen(form, combo)) out.insert(combo);
    for (int mask : {ip6SrcMask, ip6DstMask})
        if (!Chosen(form, ip6MaskState) || form.EditEmpty(mask)) out.insert(mask);
    return out;
}

RowWrite Ipv6ProfileWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    if (RowStatusShown(table.Rows(), form) == RowCreateAndGo) return RowWrite::Add;
    return ProfileWriteOfSelected(table, form);
}

std::optional<RowRefusal> CheckIpv6Profile(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    const bool cpuAdd = write == RowWrite::Add && table.Filter == AclFilter::Cpu;
    if (auto refusal = CheckProfileKeys(table, cpuAdd ? "CPU IPv6 Mask ID must be set." : "IPv6 Mask ID must be set.",
                                        form, write))
        return refusal;
    if (write != RowWrite::Set) return std::nullopt;
    if (!Chosen(form, ip6Class)) return RowRefusal{"Please choose Class.", ip6Class};
    if (!Chosen(form, ip6FlowLabel)) return RowRefusal{"Please choose Flow Label.", ip6FlowLabel};
    if (!Chosen(form, ip6MaskState)) return RowRefusal{"Please choose IPv6 Address Mask State.", ip6MaskState};
    const std::string& state = form.Combo(ip6MaskState).Text;
    if (NamesDestination(state) && form.EditEmpty(ip6DstMask))
        return RowRefusal{"IPv6 Destination Address Mask should not be null.", ip6DstMask};
    if (NamesSource(state) && form.EditEmpty(ip6SrcMask))
        return RowRefusal{"IPv6 Source Address Mask should not be null.", ip6SrcMask};
    return std::nullopt;
}

// ---- rules --------------------------------------------------------------------------

namespace {

// A ticked field without a value, in the order the checks are made.
struct Ipv6RuleFieldCheck {
    int Item;
    const char* Message;
};

constexpr Ipv6RuleFieldCheck MatchFieldChecks[] = {
    {ipv6RuleClass, "Class should not be null."},
    {ipv6RuleFlowLabel, "Flow Label should not be null."},
    {ipv6RuleSrcAddress, "IPv6 Source Address should not be null."},
    {ipv6RuleDstAddress, "IPv6 Destination Address should not be null."},
};
constexpr Ipv6RuleFieldCheck ActionChecks[] = {
    {ipv6RuleEnablePriority, "Enable Priority should be chosed."},
    {ipv6RulePriority, "Priority should not be null."},
    {ipv6RuleReplacePriority, "Replace Priority should be chosed."},
};
constexpr const char* PermitMissing = "Permit should be chosed.";

bool HasIngressActions(const AclTable& table) { return table.FirstActionItem >= 0; }

// An edit without text or a combo box without a choice.
bool Unset(const RowSnapshot& form, int item) { return form.EditEmpty(item) && !Chosen(form, item); }

std::optional<RowRefusal> CheckTickedField(const RowSnapshot& form, int item, const char* message) {
    if (form.IsTicked(item) && Unset(form, item)) return RowRefusal{message, item};
    return std::nullopt;
}

}  // namespace

RowItems Ipv6RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    RowItems out = RuleLeftOut(table, form, write);
    if (write == RowWrite::Delete) {
        out.insert(ipv6RuleAccessId);
        return out;
    }
    if (HasIngressActions(table) && form.IsTicked(ipv6RuleEnablePriority) &&
        form.Combo(ipv6RuleEnablePriority).Text == "disabled")
        out.insert(ipv6RulePriority);
    return out;
}

RowWrite Ipv6RuleWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    switch (RowStatusShown(table.Rows(), form)) {
    case RowCreateAndGo: return RowWrite::Add;
    case RowDestroy: return RowWrite::Delete;
    default: return RowWrite::Set;
    }
}

std::optional<RowRefusal> CheckIpv6Rule(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return std::nullopt;
    if (auto refusal =
            CheckRuleKeys(table, {"IPv6 Rule ID must be set.", "IPv6 Rule Access ID must be set."}, form, write))
        return refusal;
    for (const auto& check : MatchFieldChecks)
        if (auto refusal = CheckTickedField(form, check.Item, check.Message)) return refusal;
    if (HasIngressActions(table))
        for (const auto& check : ActionChecks)
            if (auto refusal = CheckTickedField(form, check.Item, check.Message)) return refusal;
    if (auto refusal = CheckTickedField(form, table.PermitItem, PermitMissing)) return refusal;
    return CheckRuleRowStatus(table, form, write);
}
