#pragma once
// The LACP port table ("Aggregator Port Table"), read only: every port's
// link-aggregation settings in the list, and for the selected port its four
// LACP state octets (actor admin, actor oper, partner admin, partner oper)
// as four pages of eight check boxes, one per state bit, the octet's top bit
// first. The table is walked in the background; Refresh stays disabled
// until the walk has ended, however it ends.

#include "dialogbase/DialogFrame.h"

class TAggregatorPortTableForm : public TDialogFrame {
public:
    explicit TAggregatorPortTableForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetBtnClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void RefreshDone(VxSNMPRequest2Controls* controller, VxSNMPError* reply);

    // The 32 state boxes: page p (0..3) holds StateBoxes[8p .. 8p + 7].
    TCheckBox* StateBox(int k) const { return StateBoxes[static_cast<size_t>(k)]; }

    TListView* ListView1;
    TPageControl* PageControl1;
    TMemo* Memo1;
    TStaticText* StaticText1;
    TBitBtn* GetBtn;

    VxSNMPRequest2Edits* AggregatorPortRequest = nullptr;

private:
    void EnableStateBoxes(bool enabled);
    std::vector<TCheckBox*> StateBoxes;  // CheckBox1 .. CheckBox32
};

extern TAggregatorPortTableForm* AggregatorPortTableForm;
