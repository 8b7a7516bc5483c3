#include "features/ProtocolVlanRules.h"

#include "mibdefs/BridgeMib.h"

const RowTable ProtocolVlanTable{ProtocolVlanItems, 1, pvRowStatus,
                                 "There is already a record with the same Index. Please modified it."};

namespace {

// An edit left empty, or a combo box showing no choice (nor the bare 0 of
// a value without a name).
bool Unchosen(const std::string& text) { return text.empty() || text == "0"; }

}  // namespace

std::optional<RowRefusal> CheckProtocolVlan(const RowSnapshot& form, RowWrite write) {
    const char* const missing[] = {"Index must be set."};
    return CheckKeysAndCreation(ProtocolVlanTable, missing, form, write);
}

RowItems ProtocolVlanLeftOut(const RowSnapshot& form, RowWrite write) {
    RowItems out;
    if (write == RowWrite::Delete) return DeleteLeftOut(ProtocolVlanTable);
    if (write == RowWrite::Set && RowStatusShown(ProtocolVlanTable, form) == RowDestroy) {
        LeaveOutRange(out, pvType, pvEncap);
        return out;
    }
    if (form.EditEmpty(pvName)) out.insert(pvName);
    const std::string& type = form.Combo(pvType).Text;
    const bool userDefined = type == UserDefinedProtocol;
    if (Unchosen(type)) out.insert(pvType);
    if (!userDefined || form.EditEmpty(pvUserProtocol)) out.insert(pvUserProtocol);
    if (!userDefined || Unchosen(form.Combo(pvEncap).Text)) out.insert(pvEncap);
    if (form.Combo(pvAdvertisement).Text.empty()) out.insert(pvAdvertisement);
    if (write == RowWrite::Set && form.Combo(pvRowStatus).Text.empty()) out.insert(pvRowStatus);
    return out;
}

RowWrite ProtocolVlanWriteOfSelected(const RowSnapshot&) { return RowWrite::Set; }
