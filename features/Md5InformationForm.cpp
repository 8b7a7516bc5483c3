#include "features/Md5InformationForm.h"

#include "features/Md5EditForm.h"
#include "mibdefs/Layer3Mib.h"
#include "platform/Layout.h"

TMd5InformationForm* Md5InformationForm = nullptr;

namespace {

// Items of the MD5 key table.
enum : int { KeyIdItem, KeyItem, StatusItem };

// Entries of the editor's status box, in the order of the status map.
enum : int { ActivePosition, CreateAndGoPosition, DestroyPosition };

constexpr LayoutControl kControls[] = {
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 344, 200}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TButton", .Name = "GetButton", .Bounds = {364, 8, 80, 25}, .Caption = "Refresh", .TabOrder = 1,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "EditButton", .Bounds = {364, 40, 80, 25}, .Caption = "Edit", .TabOrder = 2,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "AddButton", .Bounds = {364, 72, 80, 25}, .Caption = "Add", .TabOrder = 3,
     .Anchors = akTop | akRight},
    {.Class = "TButton", .Name = "DeleteButton", .Bounds = {364, 104, 80, 25}, .Caption = "Delete", .TabOrder = 4,
     .Anchors = akTop | akRight},
    {.Class = "TStaticText", .Name = "StaticText1", .Bounds = {364, 140, 80, 17}, .Visible = false},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 216, 436, 96}, .TabOrder = 5,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "Md5InformationForm", .Caption = "MD5 Information Table", .ClientWidth = 452,
                             .ClientHeight = 320, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .Controls = kControls};

}  // namespace

TMd5InformationForm::TMd5InformationForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Memo1);
    KX_BIND(GetButton);
    KX_BIND(EditButton);
    KX_BIND(AddButton);
    KX_BIND(DeleteButton);
    KX_BIND(StaticText1);
    ButtonReporting = Reporting::MemoLine;
    EditButton->SetEnabled(false);
    GetButton->OnClick = TNotifyEvent(this, &TMd5InformationForm::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TMd5InformationForm::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TMd5InformationForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TMd5InformationForm::DeleteButtonClick);
    ListView1->OnChange = TLVChangeEvent(this, &TMd5InformationForm::ListView1Change);
    ListView1->OnClick = TNotifyEvent(this, &TMd5InformationForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TMd5InformationForm::FormCreate);
    DoCreate();
}

void TMd5InformationForm::FormCreate(TObject*) {
    Guard(nullptr, [&] {
        Editor = Md5EditForm = new TMd5EditForm(this);
        OpenController(KeyEdits, {.Items = Md5KeyItems,
                                  .Kind = MVT_UMV,
                                  .IndexCount = 1,
                                  .Bind =
                                      [this](VxSNMPRequest2Edits& c) {
                                          c.SetConstraintOwner(Editor);
                                          c.BindListView(ListView1, 1);
                                          c.BindFormatted(KeyIdItem, "%i{n1x255}", Editor->KeyIDEdit);
                                          c.BindFormatted(KeyItem, "%s{l16}", Editor->KeyEdit);
                                          c.BindComboBox(StatusItem, Editor->ComboBox1);
                                      }});
    });
}

void TMd5InformationForm::GetButtonClick(TObject*) {
    Guard(KeyEdits, [&] { KeyEdits->Refresh(); });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::ShowEditor(int mode, int statusPosition) {
    Editor->EditMode = mode;
    Editor->ComboBox1->SetItemIndex(statusPosition);
    Editor->ComboBox1->SetEnabled(false);
    Editor->ShowModal();
}

void TMd5InformationForm::EditButtonClick(TObject*) {
    Guard(KeyEdits, [&] {
        if (!ListView1->Selected()) return;
        // The editor's fields may hold an add that was not sent: they get
        // the selected row back, so the change goes to that row.
        KeyEdits->LoadSelectedRow();
        KeyEdits->ValuesToControls(-1);
        ShowEditor(1, ActivePosition);
    });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::AddButtonClick(TObject*) {
    Guard(KeyEdits, [&] { ShowEditor(2, CreateAndGoPosition); });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::DeleteButtonClick(TObject*) {
    if (!ListView1->Selected()) return RefuseInput(DeleteButton, "Choose the item first.");
    Guard(KeyEdits, [&] {
        // The row deleted is the selected one, whatever the editor's fields
        // were left holding.
        KeyEdits->LoadSelectedRow();
        KeyEdits->ValuesToControls(-1);
        Editor->ComboBox1->SetItemIndex(DestroyPosition);
        KeyEdits->SetValues(true, true);
    });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    StaticText1->SetCaption(std::to_string(ListView1->Items()->Count()));
}

void TMd5InformationForm::ListView1Click(TObject*) { EditButton->SetEnabled(ListView1->Selected() != nullptr); }

void TMd5InformationForm::GuardEditor(const std::function<void()>& body) { Guard(KeyEdits, body); }

void TMd5InformationForm::FormClose(TObject* sender, TCloseAction& action) {
    TDialogFrame::FormClose(sender, action);
    // While a handler still runs beneath (the editor shown from it), the
    // controller is deleted once it returns, and the editor with the dialog.
    if (KeyEdits) return;
    if (Md5EditForm == Editor) Md5EditForm = nullptr;
    delete Editor;
    Editor = nullptr;
}
