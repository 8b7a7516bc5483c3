#include "features/ServerInfoRules.h"

#include "mibdefs/SecurityMib.h"

const RowTable ServerTable{
    AaaServerItems, 2, srvRowStatus,
    "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."};

namespace {

constexpr const char* const KeyMissing[] = {"Server IP must be set.", "Protocol must be set."};

}  // namespace

std::vector<int> ServerItemsLeftOut(const ServerFieldsSnapshot& fields) {
    std::vector<int> items;
    for (size_t k = 0; k < fields.size(); ++k)
        if (fields[k].empty()) items.push_back(srvPort + static_cast<int>(k));
    return items;
}

std::optional<RowRefusal> CheckServer(const RowSnapshot& form, RowWrite write) {
    return CheckKeysAndCreation(ServerTable, KeyMissing, form, write);
}

RowItems ServerLeftOut(const RowSnapshot& form, RowWrite write) {
    if (write == RowWrite::Delete) return DeleteLeftOut(ServerTable);
    const ServerFieldsSnapshot fields{form.Edit(srvPort), form.Edit(srvKey), form.Edit(srvTimeout),
                                      form.Edit(srvRetry)};
    const std::vector<int> empty = ServerItemsLeftOut(fields);
    RowItems out(empty.begin(), empty.end());
    if (write == RowWrite::Set) out.insert(srvRowStatus);  // a change does not write the row status
    return out;
}
