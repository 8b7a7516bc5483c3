#include "acl/UserAclWrites.h"

namespace {

bool IsIngress(const AclTable& table) { return table.PortItem >= 0; }

}  // namespace

AclItems UserProfileLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return DeleteLeftOut(table);
    AclItems out;
    for (int item = UserProfileFirstWindow; item < UserProfileFirstWindow + UserWindows; ++item)
        if (form.EditEmpty(item)) out.insert(item);
    return out;
}

AclWrite UserProfileWriteOfSelected(const AclTable&, const AclFormSnapshot&) { return AclWrite::Set; }

std::optional<AclRefusal> CheckUserProfile(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    return CheckProfileKeys(table, "Mask Entry ID must be set.", form, write);
}

AclItems UserRuleLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (IsIngress(table)) return RuleLeftOut(table, form, write);
    AclItems out;
    if (write == AclWrite::Delete) {
        LeaveOutRange(out, UserRuleFirstWindow, UserRuleFirstWindow + UserWindows - 1);
        return out;
    }
    // The CPU filter's Edit stays an Edit with a ticked destroy.
    if (write == AclWrite::Set && RuleWriteOfSelected(table, form) == AclWrite::Delete) return DeleteLeftOut(table);
    return RuleLeftOut(table, form, write);
}

AclWrite UserRuleWriteOfSelected(const AclTable& table, const AclFormSnapshot& form) {
    if (!IsIngress(table)) return AclWrite::Set;
    const int row = table.RowStatusItem;
    if (form.IsTicked(row) && form.Combo(row).Index == AclRowCreateAndGoIndex) return AclWrite::Add;
    return RuleWriteOfSelected(table, form);
}

bool OffsetNumberTooMuch(const AclFormSnapshot& form) {
    int ticked = 0;
    for (int item = UserRuleFirstWindow; item < UserRuleFirstWindow + UserWindows; ++item)
        ticked += form.IsTicked(item) ? 1 : 0;
    return ticked > UserRuleMaxWindows;
}

std::optional<AclRefusal> CheckUserRule(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (auto refusal = CheckRuleKeys(table, {"Profile ID must be set.", "Access ID must be set."}, form, write))
        return refusal;
    if (auto refusal = CheckRuleRowStatus(table, form, write)) return refusal;
    if (write != AclWrite::Delete && IsIngress(table) && OffsetNumberTooMuch(form))
        return AclRefusal{"The offset number is too much."};
    return std::nullopt;
}
