#include "dialogbase/RowWrites.h"

#include "common/VxOptionList.h"
#include "framework/SnmpVarItem.h"

namespace {

const RowCombo NoSelection{};
const std::string NoText;

bool KeyOfRow(const RowTable& table, const RowSnapshot& form, const std::pair<std::string, std::string>& row) {
    if (row.first != form.KeyText(0)) return false;
    return table.IndexCount < 2 || row.second == form.KeyText(1);
}

}  // namespace

const RowCombo& RowSnapshot::Combo(int item) const {
    auto it = Combos.find(item);
    return it == Combos.end() ? NoSelection : it->second;
}

const std::string& RowSnapshot::Edit(int item) const {
    auto it = Edits.find(item);
    return it == Edits.end() ? NoText : it->second;
}

const std::string& RowSnapshot::KeyText(int item) const {
    return Edits.count(item) ? Edit(item) : Combo(item).Text;
}

std::string RowSnapshot::LabelOf(int item, const char* fallback) const {
    auto it = Labels.find(item);
    return it != Labels.end() ? it->second : fallback ? fallback : "";
}

int StatusWrittenBy(RowWrite write) {
    switch (write) {
    case RowWrite::Add: return RowCreateAndGo;
    case RowWrite::Delete: return RowDestroy;
    case RowWrite::Set: break;
    }
    return 0;
}

int RowStatusShown(const RowTable& table, const RowSnapshot& form) {
    const auto* map = dynamic_cast<const VxOptionList*>(table.Items[table.RowStatusItem].Options);
    return map ? RowStatusAt(*map, form.Combo(table.RowStatusItem).Index) : 0;
}

void LeaveOutRange(RowItems& out, int first, int last) {
    for (int i = first; i <= last; ++i) out.insert(i);
}

RowItems DeleteLeftOut(const RowTable& table) {
    RowItems out;
    LeaveOutRange(out, table.IndexCount, table.RowStatusItem - 1);
    return out;
}

RowWrite WriteOfSelectedRow(const RowTable& table, const RowSnapshot& form) {
    return RowStatusShown(table, form) == RowDestroy ? RowWrite::Delete : RowWrite::Set;
}

bool KeySet(const RowTable& table, const RowSnapshot& form) {
    for (int item = 0; item < table.IndexCount; ++item)
        if (form.KeyText(item).empty()) return false;
    return true;
}

RowWrite WriteOfKeyedRow(const RowTable& table, const RowSnapshot& form) {
    return KeySet(table, form) ? WriteOfSelectedRow(table, form) : RowWrite::Set;
}

bool KeyListed(const RowSnapshot& form, const std::string& caption, const std::string& firstSubItem) {
    for (const auto& [listedCaption, listedSubItem] : form.ListedKeys)
        if (listedCaption == caption && listedSubItem == firstSubItem) return true;
    return false;
}

std::optional<RowRefusal> CheckKeys(const RowTable& table, std::span<const char* const> missing,
                                    const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return std::nullopt;
    const bool adding = write == RowWrite::Add;
    for (size_t k = 0; k < missing.size(); ++k) {
        const int item = static_cast<int>(k);
        if (form.KeyText(item).empty()) return RowRefusal{missing[k], adding ? item : -1};
    }
    if (!adding || !table.DuplicateMessage) return std::nullopt;
    for (const auto& row : form.ListedKeys)
        if (KeyOfRow(table, form, row)) return RowRefusal{table.DuplicateMessage, 0};
    return std::nullopt;
}

std::optional<RowRefusal> CheckCreatesRow(const RowTable& table, const RowSnapshot& form) {
    if (!table.RowStatusMessage || RowStatusShown(table, form) == RowCreateAndGo) return std::nullopt;
    return RowRefusal{table.RowStatusMessage, table.RowStatusItem};
}

std::optional<RowRefusal> CheckKeysAndCreation(const RowTable& table, std::span<const char* const> missing,
                                               const RowSnapshot& form, RowWrite write) {
    if (auto refusal = CheckKeys(table, missing, form, write)) return refusal;
    return write == RowWrite::Add ? CheckCreatesRow(table, form) : std::nullopt;
}
