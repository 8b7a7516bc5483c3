#include "acl/UserAclWrites.h"

namespace {

bool IsIngress(const AclTable& table) { return table.PortItem >= 0; }

}  // namespace

RowItems UserProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(table.Rows());
    RowItems out;
    for (int item = UserProfileFirstWindow; item < UserProfileFirstWindow + UserWindows; ++item)
        if (form.EditEmpty(item)) out.insert(item);
    return out;
}

RowWrite UserProfileWriteOfSelected(const AclTable&, const RowSnapshot&) { return RowWrite::Set; }

std::optional<RowRefusal> CheckUserProfile(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    return CheckProfileKeys(table, "Mask Entry ID must be set.", form, write);
}

RowItems UserRuleLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (IsIngress(table)) return RuleLeftOut(table, form, write);
    RowItems out;
    if (write == RowWrite::Delete) {
        LeaveOutRange(out, UserRuleFirstWindow, UserRuleFirstWindow + UserWindows - 1);
        return out;
    }
    // The CPU filter's Edit stays an Edit with a ticked destroy.
    if (write == RowWrite::Set && RuleWriteOfSelected(table, form) == RowWrite::Delete)
        return DeleteLeftOut(table.Rows());
    return RuleLeftOut(table, form, write);
}

RowWrite UserRuleWriteOfSelected(const AclTable& table, const RowSnapshot& form) {
    if (!IsIngress(table)) return RowWrite::Set;
    const int row = table.RowStatusItem;
    if (form.IsTicked(row) && RowStatusShown(table.Rows(), form) == RowCreateAndGo) return RowWrite::Add;
    return RuleWriteOfSelected(table, form);
}

bool OffsetNumberTooMuch(const RowSnapshot& form) {
    int ticked = 0;
    for (int item = UserRuleFirstWindow; item < UserRuleFirstWindow + UserWindows; ++item)
        ticked += form.IsTicked(item) ? 1 : 0;
    return ticked > UserRuleMaxWindows;
}

std::optional<RowRefusal> CheckUserRule(const AclTable& table, const RowSnapshot& form, RowWrite write) {
    if (auto refusal = CheckRuleKeys(table, {"Profile ID must be set.", "Access ID must be set."}, form, write))
        return refusal;
    if (auto refusal = CheckRuleRowStatus(table, form, write)) return refusal;
    if (write != RowWrite::Delete && IsIngress(table) && OffsetNumberTooMuch(form))
        return RowRefusal{"The offset number is too much."};
    return std::nullopt;
}
