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

struct RuleCase {
    const char* Name;
    const AclTable* Table;
    AclWrite Write;
    AclFormSnapshot Form;
    AclItems Carried;
};

}  // namespace acl_cases
