#pragma once
// "Member Switch Information Table": the single-IP member switches of the
// commander, listed, added by member ID and password through the member
// editor (TMSEditForm), and removed.

#include "features/DialogFrame.h"

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
    // Stops and deletes the table's request, then deletes the editor.
    void FormClose(TObject* sender, TCloseAction& action) override;

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
    // Shows the editor modally in the mode given; false when the dialog
    // went meanwhile.
    void ShowEditor(int mode, const std::string& caption);
    void DeleteEditor();
    TMSEditForm* Editor = nullptr;
};

extern TMSInformationForm* MSInformationForm;
