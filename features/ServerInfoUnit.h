#pragma once
// The authentication server editor: the switch's authentication servers,
// one row per server address and protocol, with the server's port, key,
// timeout and retry count; listed, created, changed and deleted. A row
// editor (RowEditor.h) on its own rules (ServerInfoRules.h).
//
// Reads and writes block. Edit and Add send only the fields that are
// filled (the agent keeps, or chooses, the others); Delete sends only the
// row status. Every result line, a failure's included, goes to panel 0 of
// the status bar.

#include "dialogbase/RowEditor.h"
#include "features/ServerInfoRules.h"

class TServerInformationForm : public TRowEditor {
public:
    explicit TServerInformationForm(TComponent* owner);

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

protected:
    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
    RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
    RowWrite WriteOfSelected(const RowSnapshot& form) const override;
    void BindFields(VxSNMPRequest2Edits& controller) override;
};

extern TServerInformationForm* ServerInformationForm;
