#include "acl/AclWrites.h"

#include <cctype>

#include "framework/SnmpVarItem.h"

namespace {

const AclCombo NoSelection{};
const std::string NoText;

bool IsDecimal(const std::string& text, size_t from = 0) {
    if (text.size() <= from) return false;
    for (size_t i = from; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool IsInteger(const std::string& text) { return IsDecimal(text, !text.empty() && text[0] == '-' ? 1 : 0); }

// The octet count an item's value must have; 0 for any.
int FixedOctets(uint32_t syntax) {
    switch (syntax) {
    case sxMacAddress: return 6;
    case sxIpv6Address: return 16;
    default: return 0;
    }
}

std::optional<std::string> TextFault(const std::string& label, uint32_t syntax, const std::string& text) {
    switch (syntax) {
    case sxIpAddress:
        if (IsDottedQuad(text)) return std::nullopt;
        return label + " must be an IPv4 address: four numbers from 0 to 255 joined by dots.";
    case sxOctetStr: case sxBitStr: case sxMacAddress: case sxIpv6Address: {
        const int octets = HexOctetCount(text);
        const int fixed = FixedOctets(syntax);
        if (octets >= 0 && (fixed == 0 || octets == fixed)) return std::nullopt;
        if (fixed) return label + " must be " + std::to_string(fixed) + " octets, each written as two hex digits.";
        return label + " must be hex digits, two for each octet.";
    }
    case sxInteger: case sxGauge: case sxUInteger: case sxCounter:
        if (text.empty()) return label + " must be set.";
        if (IsInteger(text)) return std::nullopt;
        return label + " must be a number.";
    default: return std::nullopt;
    }
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
        if (auto fault = TextFault(record.Label, record.Syntax, text)) return AclRefusal{*fault, item};
    }
    return std::nullopt;
}

bool IsDottedQuad(const std::string& text) {
    int parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!IsDecimal(part) || part.size() > 3 || std::stoi(part) > 255) return false;
        ++parts;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts == 4;
}

int HexOctetCount(const std::string& text) {
    int digits = 0;
    for (char c : text) {
        if (c == ' ') {
            if (digits % 2) return -1;  // a blank inside an octet
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
        ++digits;
    }
    return digits % 2 ? -1 : digits / 2;
}
