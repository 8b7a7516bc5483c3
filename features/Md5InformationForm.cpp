#include "features/Md5InformationForm.h"

#include "features/Md5EditForm.h"
#include "framework/VxRowStatusCombo.h"
#include "mibdefs/Layer3Mib.h"
#include "platform/Layout.h"

TMd5InformationForm* Md5InformationForm = nullptr;

namespace {

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
                             .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Captioning = CaptionRule::MenuSetsTitleAndAgent, .Title = "MD5 Information Table : ",
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
        AddEditor(Editor, Md5EditForm);
        OpenController(KeyEdits, {.Items = Md5KeyItems,
                                  .Kind = MVT_UMV,
                                  .IndexCount = 1,
                                  .Bind =
                                      [this](VxSNMPRequest2Edits& c) {
                                          c.SetConstraintOwner(Editor);
                                          c.BindListView(ListView1, 1);
                                          c.BindFormatted(md5KeyId, "%i{n1x255}", Editor->KeyIDEdit);
                                          c.BindFormatted(md5Key, "%s{l16}", Editor->KeyEdit);
                                          c.BindComboBox(md5Status, Editor->ComboBox1);
                                      }});
        Editor->ListedRows = ListView1;
        Editor->WriteEntry = [this] {
            if (KeyEdits) KeyEdits->SetValues(true, true);
        };
    });
}

void TMd5InformationForm::GetButtonClick(TObject*) {
    Guard(KeyEdits, [&] { KeyEdits->Refresh(); });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::ShowEditorFor(RowWrite write) {
    SelectRowStatus(*KeyEdits, Editor->ComboBox1, Md5StatusOf(write));
    Editor->ComboBox1->SetEnabled(false);
    ShowEditor(*Editor, write);
}

void TMd5InformationForm::EditButtonClick(TObject*) {
    Guard(KeyEdits, [&] {
        if (!ListView1->Selected()) return;
        // The editor's fields may hold an add that was not sent: they get
        // the selected row back, so the change goes to that row.
        ReloadSelectedRow(*KeyEdits);
        ShowEditorFor(RowWrite::Set);
    });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::AddButtonClick(TObject*) {
    Guard(KeyEdits, [&] { ShowEditorFor(RowWrite::Add); });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::DeleteButtonClick(TObject*) {
    if (!RowChosen(ListView1, DeleteButton)) return;
    Guard(KeyEdits, [&] {
        // The row deleted is the selected one, whatever the editor's fields
        // were left holding.
        ReloadSelectedRow(*KeyEdits);
        WriteRowStatus(*KeyEdits, Editor->ComboBox1, Md5StatusOf(RowWrite::Delete));
    });
    EditButton->SetEnabled(false);
}

void TMd5InformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    StaticText1->SetCaption(std::to_string(ListView1->Items()->Count()));
}

void TMd5InformationForm::ListView1Click(TObject*) { EditButton->SetEnabled(ListView1->Selected() != nullptr); }
