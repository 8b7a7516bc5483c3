#include "framework/VxRowStatusCombo.h"

#include <string>

#include "framework/VxRowStatus.h"
#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Exception.h"
#include "platform/StdCtrls.h"

namespace {

// The value-name map of the item a row-status combo is bound to.
const VxOptionList& RowStatusMapOf(const VxSNMPRequest2Edits& controller, const TComboBox* combo) {
    for (const auto& binding : controller.Bindings)
        if (binding->Controls.front() == combo) {
            const VxOptionList* map =
                binding->Options ? binding->Options : controller.Request.VarList.GetItem(binding->Item)->OptionList();
            if (map) return *map;
        }
    throw Exception("The row status box is not bound to a row status.");
}

}  // namespace

void SelectRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo, int status) {
    const int entry = RowStatusEntry(RowStatusMapOf(controller, combo), status);
    if (entry < 0) throw Exception("Row status " + std::to_string(status) + " is none of this table's: nothing was sent.");
    combo->SetItemIndex(entry);
}

void WriteRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo, int status) {
    controller.LastOp = 1;  // a refusal here is the write's result
    SelectRowStatus(controller, combo, status);
    WriteShownRowStatus(controller, combo);
}

int ShownRowStatus(const VxSNMPRequest2Edits& controller, const TComboBox* combo) {
    return RowStatusAt(RowStatusMapOf(controller, combo), combo->ItemIndex());
}

void WriteShownRowStatus(VxSNMPRequest2Edits& controller, TComboBox* combo) {
    controller.LastOp = 1;  // a refusal here is the write's result
    const VxOptionList& map = RowStatusMapOf(controller, combo);
    if (combo->ItemIndex() < 0 || combo->ItemIndex() >= map.Count())
        throw Exception("No row status is chosen: nothing was sent.");
    controller.SetValues(true, true);
}
