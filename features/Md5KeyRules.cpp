#include "features/Md5KeyRules.h"

#include "mibdefs/Layer3Mib.h"

const RowTable Md5KeyTable{Md5KeyItems, 1, md5Status, "KeyID must be different."};

std::optional<RowRefusal> CheckNewMd5Key(const RowSnapshot& form) {
    const char* const missing[] = {"KeyID is needed."};
    if (auto refusal = CheckKeys(Md5KeyTable, missing, form, RowWrite::Add)) return refusal;
    if (form.EditEmpty(md5Key)) return RowRefusal{"Key is needed.", md5Key};
    return std::nullopt;
}

int Md5StatusOf(RowWrite write) { return write == RowWrite::Set ? RowActive : StatusWrittenBy(write); }
