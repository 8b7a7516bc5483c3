#pragma once
// Protocol VLANs ("Protocol VLAN"): rows (index 1..4094) that name a
// protocol group by its protocol type and advertisement, and for a
// user-defined protocol its number and encapsulation. Add and Edit send only
// the columns the user filled in that apply to the chosen protocol; Delete
// sends the row's destroy. Edit and Delete work on the selected row, Add on
// a new index. The requests block; the controller's result lines go to the
// status bar's simple text, the dialog's own failures to its panel 0.

#include <vector>

#include "features/DialogFrame.h"

class TProtocolVlanForm : public TDialogFrame {
public:
    explicit TProtocolVlanForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetClick(TObject* sender);
    void EditClick(TObject* sender);
    void AddClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);
    void ProtocolTypeChange(TObject* sender);

    TListView* ListView1;
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
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* ProtocolVlanRequest = nullptr;

private:
    // The items a write leaves out, from what the entry holds.
    std::vector<int> ColumnsLeftOut(bool edit) const;
    // One write without the items given, then a read; then, also after a
    // failure, the idle buttons and an empty entry.
    void WriteRow(const std::vector<int>& leftOut);
    // Runs an action, then the idle buttons, the empty entry and the
    // protocol's fields; a failure is shown in panel 0.
    void RunAction(const std::function<void()>& body);
    void IdleButtons();
    void RowButtons();
    void ClearEntry();
    bool IndexIsSet();
};

extern TProtocolVlanForm* ProtocolVlanForm;
