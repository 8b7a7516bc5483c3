#include "acl/AclWrites.h"

#include "acl/EthernetAclWrites.h"
#include "acl/Ipv4AclWrites.h"
#include "acl/Ipv6AclWrites.h"
#include "acl/UserAclWrites.h"
#include "framework/SnmpVarItem.h"
#include "framework/VxSyntax.h"

namespace {

// The typed-value check of the item's syntax (framework/VxSyntax.h), in the
// editors' own words. A field that a write carries empty was not set,
// unless it is a character text (an empty text is a text).
std::optional<std::string> TextFault(const std::string& label, uint32_t syntax, const std::string& text) {
    if (!FindSyntax(static_cast<int>(syntax))) return std::nullopt;
    if (text.empty() && syntax != sxDisplayStr) return label + " must be set.";
    const auto needs = CheckValueText(static_cast<int>(syntax), text);
    if (!needs) return std::nullopt;
    return label + " must be " + *needs + ".";
}

}  // namespace

RowItems RuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(table.Rows());
    RowItems out;
    for (int item = table.IndexCount; item <= table.PermitItem; ++item)
        if (!form.IsTicked(item)) out.insert(item);
    if (table.FirstActionItem >= 0 && form.IsTicked(table.PermitItem) && form.Combo(table.PermitItem).Text == "deny")
        LeaveOutRange(out, table.FirstActionItem, table.LastActionItem);
    if (write == RowWrite::Set && !form.IsTicked(table.RowStatusItem)) out.insert(table.RowStatusItem);
    if (write == RowWrite::Add && table.PortItem >= 0 && !form.AnyPortTicked) out.insert(table.PortItem);
    return out;
}

RowWrite RuleWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    if (!form.IsTicked(table.RowStatusItem)) return RowWrite::Set;
    return WriteOfSelectedRow(table.Rows(), form);
}

RowWrite ProfileWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    return WriteOfSelectedRow(table.Rows(), form);
}

std::optional<RowRefusal> CheckProfileKeys(const AclTable& table, const char* idMissing,
                                           const RowSnapshot& form, RowWrite write) {
    const char* const missing[] = {idMissing};
    return CheckKeysAndCreation(table.Rows(), missing, form, write);
}

std::optional<RowRefusal> CheckRuleKeys(const AclTable& table, const AclRuleIdTexts& texts,
                                        const RowSnapshot& form, RowWrite write) {
    const char* const missing[] = {texts.ProfileIdMissing, texts.AccessIdMissing};
    return CheckKeys(table.Rows(), missing, form, write);
}

std::optional<RowRefusal> CheckRuleRowStatus(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write != RowWrite::Add || !form.IsTicked(table.RowStatusItem)) return std::nullopt;
    return CheckCreatesRow(table.Rows(), form);
}

std::optional<RowRefusal> CheckRuleCarriesAField(const AclTable& table, const RowItems& leftOut) {
    if (!table.IsRule) return std::nullopt;
    for (int item = table.IndexCount; item < table.ItemCount; ++item)
        if ((table.Items[item].Access & acWriteOnly) != 0 && !leftOut.count(item)) return std::nullopt;
    return RowRefusal{NoFieldChosen};
}

std::optional<RowRefusal> CheckCarriedTexts(const AclTable& table, const RowSnapshot& form,
                                            const RowItems& leftOut) {
    for (const auto& [item, text] : form.Edits) {
        if (item < table.IndexCount || item >= table.ItemCount || leftOut.count(item)) continue;
        const SnmpVarItem& record = table.Items[item];
        if ((record.Access & acWriteOnly) == 0) continue;
        const uint32_t syntax = table.HoldsIpv6Address(item) ? sxIpv6Address : record.Syntax;
        if (auto fault = TextFault(form.LabelOf(item, record.Label), syntax, text)) return RowRefusal{*fault, item};
    }
    return std::nullopt;
}

// ---- the rules of a table ------------------------------------------------------

namespace {

struct AclRules {
    std::optional<RowRefusal> (*Check)(const AclTable&, const RowSnapshot&, RowWrite);
    RowItems (*LeftOut)(const AclTable&, const RowSnapshot&, RowWrite);
    RowWrite (*WriteOfSelected)(const AclTable&, const RowSnapshot&);
};

// By packet type (AclPacketType's order), profiles then rules.
constexpr AclRules RulesByType[4][2] = {
    {{CheckEthernetProfile, EthernetProfileLeftOut, ProfileWriteOfSelected},
     {CheckEthernetRule, RuleLeftOut, RuleWriteOfSelected}},
    {{CheckIpv4Profile, Ipv4ProfileLeftOut, ProfileWriteOfSelected},
     {CheckIpv4Rule, Ipv4RuleLeftOut, RuleWriteOfSelected}},
    {{CheckUserProfile, UserProfileLeftOut, UserProfileWriteOfSelected},
     {CheckUserRule, UserRuleLeftOut, UserRuleWriteOfSelected}},
    {{CheckIpv6Profile, Ipv6ProfileLeftOut, Ipv6ProfileWriteOfSelected},
     {CheckIpv6Rule, Ipv6RuleLeftOut, Ipv6RuleWriteOfSelected}},
};

const AclRules& RulesOf(const AclTable& table) {
    return RulesByType[static_cast<int>(table.Type)][table.IsRule ? 1 : 0];
}

}  // namespace

std::optional<RowRefusal> CheckAclWrite(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    return RulesOf(table).Check(table, form, write);
}

RowItems AclLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    return RulesOf(table).LeftOut(table, form, write);
}

RowWrite AclWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    return RulesOf(table).WriteOfSelected(table, form);
}
