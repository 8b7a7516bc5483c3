#include "features/MemberSwitchRules.h"

#include "common/VxNumbers.h"

std::optional<RowRefusal> CheckMemberId(const std::string& id, RowWrite write) {
    if (write == RowWrite::Add && id.empty()) return RowRefusal{"MSID is needed.", msId};
    if (!WholeInteger(id, FirstMemberId, LastMemberId))
        return RowRefusal{"MSID must be a whole number from 1 to 32.", msId};
    return std::nullopt;
}

int MemberStatusOf(RowWrite write) { return write == RowWrite::Delete ? RowDestroy : RowCreateAndGo; }
