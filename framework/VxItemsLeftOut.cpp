#include "framework/VxItemsLeftOut.h"

#include "framework/VxSNMPRequest2Controls.h"

VxItemsLeftOut::VxItemsLeftOut(VxSNMPRequest2Controls& controller) : Controller(controller) {
    const VxSNMPVarList& list = Controller.Request.VarList;
    for (uint32_t i = 0; i < list.GetCount(); ++i) Saved.push_back(list.GetItem(static_cast<int>(i))->Access);
}

VxItemsLeftOut::~VxItemsLeftOut() { Restore(); }

void VxItemsLeftOut::LeaveOut(int item) { Controller.Request.VarList.LeaveOut(item); }

void VxItemsLeftOut::LeaveOutBetween(int first, int last) {
    for (int i = first; i <= last; ++i) LeaveOut(i);
}

void VxItemsLeftOut::Write(bool readAgain) {
    // A blocking write reads again before it returns, while the items are
    // still left out: its read waits until they are back.
    const bool readAfterRestoring = !readAgain || !Controller.Async;
    Controller.SetValues(readAgain && !readAfterRestoring, true);
    Restore();
    if (readAfterRestoring) Controller.Refresh();
}

void VxItemsLeftOut::Restore() {
    if (Restored) return;
    Restored = true;
    VxSNMPVarList& list = Controller.Request.VarList;
    for (size_t i = 0; i < Saved.size() && i < list.GetCount(); ++i) list.GetItem(static_cast<int>(i))->Access = Saved[i];
}
