#pragma once
// Leaves items of one controller out of one write: every access word is
// saved when the scope begins and written back when it ends, on every path
// (a refused write included), so no item stays out of later reads. An item
// its owner had left out before stays out. The dialogs and the generated
// pages leave items out only through this scope.
//
//   VxItemsLeftOut out(*Table);
//   out.LeaveOutBetween(1, 4);   // Delete: only the index and the row status
//   out.Write(true);

#include <cstdint>
#include <vector>

class VxSNMPRequest2Controls;

class VxItemsLeftOut {
public:
    explicit VxItemsLeftOut(VxSNMPRequest2Controls& controller);
    ~VxItemsLeftOut();
    VxItemsLeftOut(const VxItemsLeftOut&) = delete;
    VxItemsLeftOut& operator=(const VxItemsLeftOut&) = delete;

    void LeaveOut(int item);
    // Items first to last, both included.
    void LeaveOutBetween(int first, int last);
    // SetValues(readAgain, 1) without the left-out items, then every access
    // word back, then a read of the whole list: where readAgain is 0, and
    // where a blocking write would otherwise read again while the items are
    // still left out. A refused write reads nothing again.
    void Write(bool readAgain);
    // Writes every saved access word back (also done when the scope ends).
    void Restore();

private:
    VxSNMPRequest2Controls& Controller;
    std::vector<uint32_t> Saved;
    bool Restored = false;
};
