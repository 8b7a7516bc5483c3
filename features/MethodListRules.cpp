#include "features/MethodListRules.h"

namespace {

int TypeItem(size_t method) { return static_cast<int>(2 * method + 1); }
int ServerGroupItem(size_t method) { return static_cast<int>(2 * method + 2); }

bool EndsTheList(int position) { return position == LocalMethodPosition || position == NoneMethodPosition; }

}  // namespace

std::array<int, 4> MethodPositions(const MethodSnapshot& methods) {
    std::array<int, 4> positions{};
    for (size_t n = 0; n < methods.size(); ++n) {
        const std::string& text = methods[n].TypeText;
        positions[n] = text.empty() || text == "other" ? -1 : methods[n].Position;
    }
    return positions;
}

bool MethodOrderHolds(const std::array<int, 4>& positions) {
    bool ended = false;
    for (int position : positions) {
        if (ended && position != -1) return false;
        ended = ended || EndsTheList(position);
    }
    return true;
}

std::vector<int> MethodItemsLeftOut(const MethodSnapshot& methods, bool dropIneffective) {
    std::array<int, 4> positions = MethodPositions(methods);
    if (dropIneffective) {
        bool ended = false;
        for (int& position : positions) {
            if (ended) position = -1;
            ended = ended || EndsTheList(position);
        }
    }
    std::vector<int> items;
    for (size_t n = 0; n < methods.size(); ++n) {
        if (positions[n] == -1) items.push_back(TypeItem(n));
        if (positions[n] == -1 || methods[n].TypeText != "server-group") items.push_back(ServerGroupItem(n));
    }
    return items;
}

MethodSnapshot MethodsOf(const RowSnapshot& form) {
    MethodSnapshot methods;
    for (size_t n = 0; n < methods.size(); ++n) {
        const RowCombo& type = form.Combo(TypeItem(n));
        methods[n] = {type.Text, type.Index};
    }
    return methods;
}

bool MethodOrderWarned(const RowSnapshot& form, RowWrite write) {
    return write != RowWrite::Delete && !MethodOrderHolds(MethodPositions(MethodsOf(form)));
}

std::optional<RowRefusal> CheckMethodList(const RowTable& table, const char* missingName, const RowSnapshot& form,
                                          RowWrite write) {
    const char* const missing[] = {missingName};
    return CheckKeysAndCreation(table, missing, form, write);
}

RowItems MethodListLeftOut(const RowSnapshot& form, RowWrite write) {
    RowItems out;
    if (write == RowWrite::Delete) {
        LeaveOutRange(out, ServerGroupItem(0), ServerGroupItem(3));
        return out;
    }
    for (int item : MethodItemsLeftOut(MethodsOf(form), form.WentOnAfterWarning)) out.insert(item);
    if (write == RowWrite::Set) out.insert(mlRowStatus);  // a change does not write the row status
    return out;
}
