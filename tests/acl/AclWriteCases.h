#pragma once

// Helpers of the access-control write tables of cases: what a write carries,
// a range of items, and one case of a rule write.

#include "acl/AclWrites.h"

namespace acl_cases {

// The items between the index and the row status that a write carries.
inline RowItems Carried(const AclTable& table, const RowItems& leftOut) {
    RowItems carried;
    for (int item = table.IndexCount; item <= table.RowStatusItem; ++item)
        if (!leftOut.count(item)) carried.insert(item);
    return carried;
}

inline RowItems Range(int first, int last) {
    RowItems items;
    LeaveOutRange(items, first, last);
    return items;
}

// A rule form for the key (1, 5): the ticked boxes, the combo choices and
// whether a port is ticked.
inline RowSnapshot RuleForm(RowItems ticked, std::map<int, RowCombo> combos = {}, bool anyPort = false) {
    RowSnapshot form;
    form.Edits = {{0, "1"}, {1, "5"}};
    form.Ticked = std::move(ticked);
    form.Combos = std::move(combos);
    form.AnyPortTicked = anyPort;
    return form;
}

struct RuleCase {
    const char* Name;
    const AclTable* Table;
    RowWrite Write;
    RowSnapshot Form;
    RowItems Carried;
};

}  // namespace acl_cases
