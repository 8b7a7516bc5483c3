#pragma once
// Protocol VLANs ("Protocol VLAN"): rows (index 1..4094) that name a
// protocol group by its protocol type and advertisement, and for a
// user-defined protocol its number and encapsulation. A row editor
// (RowEditor.h) on its own rules (ProtocolVlanRules.h): Add and Edit send
// only the columns the user filled in that apply to the chosen protocol;
// Delete sends the row's destroy. Edit and Delete work on the selected row,
// Add on a new index. The requests block; every result line, a failure's
// included, goes to panel 0 of the status bar.

#include "features/ProtocolVlanRules.h"
#include "dialogbase/RowEditor.h"

class TProtocolVlanForm : public TRowEditor {
public:
    explicit TProtocolVlanForm(TComponent* owner);

    // The user protocol and encapsulation take input for a user-defined
    // protocol only.
    void ProtocolTypeChange(TObject* sender);

    TEdit* Index;
    TEdit* Name;
    TComboBox* ProtocolType;
    TComboBox* Advertisement;
    TEdit* UserProtocol;
    TComboBox* Encap;
    TComboBox* RowStatus;
    TStaticText* StaticText1;
    TButton* Get;
    TButton* Edit;
    TButton* Add;
    TButton* Delete;

protected:
    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
    RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
    RowWrite WriteOfSelected(const RowSnapshot& form) const override;
    void FollowFields() override;
};

extern TProtocolVlanForm* ProtocolVlanForm;
