#include "acl/AclWrites.h"

#include "framework/SnmpVarItem.h"
#include "framework/VxSyntax.h"

namespace {

const AclCombo NoSelection{};
const std::string NoText;

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

const AclCombo& AclFormSnapshot::Combo(int item) const {
    auto it = Combos.find(item);
    return it == Combos.end() ? NoSelection : it->second;
}

const std::string& AclFormSnapshot::Edit(int item) const {
    auto it = Edits.find(item);
    return it == Edits.end() ? NoText : it->second;
}

void LeaveOutRange(AclItems& out, int first, int last) {
    for (int i = first; i <= last; ++i) out.insert(i);
}

AclItems DeleteLeftOut(const AclTable& table) {
    AclItems out;
    LeaveOutRange(out, table.IndexCount, table.RowStatusItem - 1);
    return out;
}

AclItems RuleLeftOut(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return DeleteLeftOut(table);
    AclItems out;
    for (int item = table.IndexCount; item <= table.PermitItem; ++item)
        if (!form.IsTicked(item)) out.insert(item);
    if (table.FirstActionItem >= 0 && form.IsTicked(table.PermitItem) && form.Combo(table.PermitItem).Text == "deny")
        LeaveOutRange(out, table.FirstActionItem, table.LastActionItem);
    if (write == AclWrite::Set && !form.IsTicked(table.RowStatusItem)) out.insert(table.RowStatusItem);
    if (write == AclWrite::Add && table.PortItem >= 0 && !form.AnyPortTicked) out.insert(table.PortItem);
    return out;
}

AclWrite RuleWriteOfSelected(const AclTable& table, const AclFormSnapshot& form) {
    const bool destroy = form.IsTicked(table.RowStatusItem) &&
                         form.Combo(table.RowStatusItem).Index == AclRowDestroyIndex;
    return destroy ? AclWrite::Delete : AclWrite::Set;
}

AclWrite ProfileWriteOfSelected(const AclTable& table, const AclFormSnapshot& form) {
    return form.Combo(table.RowStatusItem).Index == AclRowDestroyIndex ? AclWrite::Delete : AclWrite::Set;
}

std::optional<AclRefusal> CheckProfileKeys(const AclTable& table, const char* idMissing,
                                           const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return std::nullopt;
    const bool adding = write == AclWrite::Add;
    if (form.EditEmpty(0)) return AclRefusal{idMissing, adding ? 0 : -1};
    if (!adding) return std::nullopt;
    for (const auto& [caption, subItem] : form.ListedKeys)
        if (caption == form.Edit(0)) return AclRefusal{table.DuplicateMessage, 0};
    if (form.Combo(table.RowStatusItem).Index != AclRowCreateAndGoIndex)
        return AclRefusal{table.RowStatusMessage, table.RowStatusItem};
    return std::nullopt;
}

bool KeyListed(const AclFormSnapshot& form, const std::string& caption, const std::string& firstSubItem) {
    for (const auto& [listedCaption, listedSubItem] : form.ListedKeys)
        if (listedCaption == caption && listedSubItem == firstSubItem) return true;
    return false;
}

std::optional<AclRefusal> CheckRuleKeys(const AclTable& table, const AclRuleIdTexts& texts,
                                        const AclFormSnapshot& form, AclWrite write) {
    if (write == AclWrite::Delete) return std::nullopt;
    // Edit names the selected row: its messages move no focus.
    const bool adding = write == AclWrite::Add;
    if (form.EditEmpty(0)) return AclRefusal{texts.ProfileIdMissing, adding ? 0 : -1};
    if (form.EditEmpty(1)) return AclRefusal{texts.AccessIdMissing, adding ? 1 : -1};
    if (adding && table.DuplicateMessage && KeyListed(form, form.Edit(0), form.Edit(1)))
        return AclRefusal{table.DuplicateMessage, 0};
    return std::nullopt;
}

std::optional<AclRefusal> CheckRuleRowStatus(const AclTable& table, const AclFormSnapshot& form, AclWrite write) {
    const int row = table.RowStatusItem;
    if (write == AclWrite::Add && form.IsTicked(row) && form.Combo(row).Index != AclRowCreateAndGoIndex)
        return AclRefusal{table.RowStatusMessage, row};
    return std::nullopt;
}

std::optional<AclRefusal> CheckCarriedTexts(const AclTable& table, const AclFormSnapshot& form,
                                            const AclItems& leftOut) {
    for (const auto& [item, text] : form.Edits) {
        if (item < table.IndexCount || item >= table.ItemCount || leftOut.count(item)) continue;
        const SnmpVarItem& record = table.Items[item];
        if ((record.Access & acWriteOnly) == 0) continue;
        const uint32_t syntax = table.HoldsIpv6Address(item) ? sxIpv6Address : record.Syntax;
        if (auto fault = TextFault(record.Label, syntax, text)) return AclRefusal{*fault, item};
    }
    return std::nullopt;
}
