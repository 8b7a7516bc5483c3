#pragma once
// The MD5 key table of the layer-3 services: lists the keys (an ID of 1 to
// 255 and a key text of up to 16 characters) and deletes them; changing and
// adding a key goes through the key editor (TMd5EditForm), whose controls
// are bound to this dialog's controller. Failures go to Memo1 as bare lines.

#include "dialogbase/DialogFrame.h"
#include "features/Md5KeyRules.h"

class TMd5EditForm;

class TMd5InformationForm : public TDialogFrame {
public:
    explicit TMd5InformationForm(TComponent* owner);

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);

    TListView* ListView1;
    TMemo* Memo1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TStaticText* StaticText1;

    VxSNMPRequest2Edits* KeyEdits = nullptr;
    TMd5EditForm* Editor = nullptr;  // also in Md5EditForm

private:
    // Shows the editor for a change or an add, with the status it writes.
    void ShowEditorFor(RowWrite write);
};

extern TMd5InformationForm* Md5InformationForm;
