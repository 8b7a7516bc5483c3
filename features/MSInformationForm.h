#pragma once
// "Member Switch Information Table": the single-IP member switches of the
// commander, listed, added by member ID and password through the member
// editor (TMSEditForm), and removed. What the pair writes is decided in
// MemberSwitchRules.h.

#include "dialogbase/DialogFrame.h"
#include "features/MemberSwitchRules.h"

class TMSEditForm;

class TMSInformationForm : public TDialogFrame {
public:
    explicit TMSInformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);

    TListView* ListView1;
    TMemo* Memo1;
    TPanel* Panel1;
    TButton* GetButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* EditButton;
    TStaticText* StaticText1;

    VxSNMPRequest2Edits* MSEdits = nullptr;

private:
    // Shows the editor modally for an add or a change, with its caption.
    void ShowEditorFor(RowWrite write, const std::string& caption);
    // The table read again (after every write, whatever came of it).
    void ReadAgain();
    TMSEditForm* Editor = nullptr;  // also in MSEditForm
};

extern TMSInformationForm* MSInformationForm;
