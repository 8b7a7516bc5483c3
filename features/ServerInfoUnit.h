#pragma once
// The authentication server editor: the switch's authentication servers,
// one row per server address and protocol, with the server's port, key,
// timeout and retry count; listed, created, changed and deleted.
//
// Reads and writes block. Edit and Add send only the fields that are
// filled (the agent keeps, or chooses, the others); Delete sends only the
// row status. A failure shows its bare message in panel 0 of the status bar.

#include <array>
#include <string>
#include <vector>

#include "features/DialogFrame.h"

// The texts of the port, key, timeout and retry edits (items 2 to 5), as the
// user left them.
using ServerFieldsSnapshot = std::array<std::string, 4>;
// The items of those four that a write leaves out: those whose edit is empty.
std::vector<int> ServerItemsLeftOut(const ServerFieldsSnapshot& fields);

class TServerInformationForm : public TDialogFrame {
public:
    explicit TServerInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);

    void ClearEdits();

    TListView* ListView1;
    TStaticText* Static;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TEdit* IPEdit;
    TComboBox* ProtocolComboBox;
    TEdit* PortEdit;
    TEdit* KeyEdit;
    TEdit* TimeoutEdit;
    TEdit* RetryCEdit;
    TComboBox* RowComboBox;
    TStatusBar* StatusBar1;

    VxSNMPRequest2Edits* ServerRequest = nullptr;

private:
    ServerFieldsSnapshot Snapshot() const;
    bool CheckIndex(bool focus);
    // Writes the row without the empty fields (and without the row status
    // when leaveOutRowStatus), reads the table again and returns to the
    // no-selection state.
    void WriteFilledFields(bool leaveOutRowStatus);
    void DeleteRow();
    void EndWrite();
    void ShowSelectionState(bool selected);
};

extern TServerInformationForm* ServerInformationForm;
