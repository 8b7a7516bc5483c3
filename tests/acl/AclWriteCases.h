#pragma once

// Helpers of the access-control write tables of cases: what a write carries,
// a range of items, and one case of a rule write.

#include "acl/AclWrites.h"

namespace acl_cases {

// The items between the index and the row status that a write carries.
inline AclItems Carried(const AclTable& table, const AclItems& leftOut) {
    AclItems carried;
    for (int item = table.IndexCount; item <= table.RowStatusItem; ++item)
        if (!leftOut.count(item)) carried.insert(item);
    return carried;
}

inline AclItems Range(int first, int last) {
    AclItems items;
    LeaveOutRange(items, first, last);
    return items;
}

// A rule form for the key (1, 5): the ticked boxes, the combo choices and
// whether a port is ticked.
inline AclFormSnapshot RuleForm(AclItems ticked, std::map<int, AclCombo> combos = {}, bool anyPort = false) {
    AclFormSnapshot form;
    form.Edits = {{0, "1"}, {1, "5"}};
    form.Ticked = std::move(ticked);
    form.Combos = std::move(combos);
    form.AnyPortTicked = anyPort;
    return form;
}

struct RuleCase {
    const char* Name;
    const AclTable* Table;
    AclWrite Write;
    AclFormSnapshot Form;
    AclItems Carried;
};

}  // namespace acl_cases
