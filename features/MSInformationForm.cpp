#include "features/MSInformationForm.h"

#include "features/MSEditForm.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"

TMSInformationForm* MSInformationForm = nullptr;

namespace {

// The table's requests wait 5 seconds for an answer (in 10 ms units).
constexpr uint32_t MemberTimeout = 500;

constexpr LayoutControl kControls[] = {
    {.Class = "TPanel", .Name = "Panel1", .Bounds = {784, 0, 96, 330}, .Align = alRight, .Props = "BevelOuter=bvNone"},
    {.Class = "TButton", .Name = "GetButton", .Parent = "Panel1", .Bounds = {10, 8, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TButton", .Name = "AddButton", .Parent = "Panel1", .Bounds = {10, 40, 75, 25}, .Caption = "Add",
     .TabOrder = 1},
    {.Class = "TButton", .Name = "DeleteButton", .Parent = "Panel1", .Bounds = {10, 72, 75, 25}, .Caption = "Delete",
     .TabOrder = 2},
    {.Class = "TButton", .Name = "EditButton", .Parent = "Panel1", .Bounds = {10, 104, 75, 25}, .Caption = "Edit",
     .TabOrder = 3, .Visible = false},
    {.Class = "TStaticText", .Name = "StaticText1", .Parent = "Panel1", .Bounds = {10, 136, 75, 17}, .Caption = "0",
     .Visible = false},
    {.Class = "TListView", .Name = "ListView1", .Bounds = {8, 8, 768, 210}, .TabOrder = 0,
     .Anchors = akLeft | akTop | akRight | akBottom, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TMemo", .Name = "Memo1", .Bounds = {8, 226, 768, 96}, .TabOrder = 1,
     .Anchors = akLeft | akRight | akBottom, .Props = "ReadOnly; ScrollBars=ssVertical"},
};

constexpr FormLayout kLayout{.Name = "MSInformationForm", .Caption = "Member Switch Information Table",
                             .ClientWidth = 880, .ClientHeight = 330, .BorderStyle = bsSizeable,
                             .Position = poMainFormCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Captioning = CaptionRule::MenuSetsTitle, .Controls = kControls};

}  // namespace

TMSInformationForm::TMSInformationForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Memo1);
    KX_BIND(Panel1);
    KX_BIND(GetButton);
    KX_BIND(AddButton);
    KX_BIND(DeleteButton);
    KX_BIND(EditButton);
    KX_BIND(StaticText1);
    EditButton->SetEnabled(false);
    ButtonReporting = Reporting::MemoLine;
    GetButton->OnClick = TNotifyEvent(this, &TMSInformationForm::GetButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TMSInformationForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TMSInformationForm::DeleteButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TMSInformationForm::EditButtonClick);
    ListView1->OnChange = TLVChangeEvent(this, &TMSInformationForm::ListView1Change);
    ListView1->OnClick = TNotifyEvent(this, &TMSInformationForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TMSInformationForm::FormCreate);
    DoCreate();
}

void TMSInformationForm::FormCreate(TObject*) {
    Guard(nullptr, [&] { AddEditor(Editor, MSEditForm); });
    OpenController(MSEdits, {.Items = SingleIpMemberItems,
                             .Kind = MVT_UMV,
                             .IndexCount = 1,
                             .Bind =
                                 [this](VxSNMPRequest2Edits& c) {
                                     c.BindListView(ListView1, 1);
                                     c.Request.Timeout = MemberTimeout;
                                 },
                             .CountText = StaticText1});
}

void TMSInformationForm::GetButtonClick(TObject*) {
    Guard(MSEdits, [&] { MSEdits->Refresh(); });
    EditButton->SetEnabled(false);
}

void TMSInformationForm::ShowEditorFor(RowWrite write, const std::string& caption) {
    Editor->ShowStatusOf(write);
    Editor->SetCaption(caption);
    ShowEditor(*Editor, write);
}

void TMSInformationForm::ReadAgain() {
    Guard(MSEdits, [&] {
        if (MSEdits) MSEdits->Refresh();
    });
    EditButton->SetEnabled(false);
}

void TMSInformationForm::AddButtonClick(TObject*) {
    Guard(MSEdits, [&] {
        if (!Editor) return;
        Editor->Row_Status->SetEnabled(false);
        ShowEditorFor(RowWrite::Add, "MS Add");
    });
    ReadAgain();
}

// Offered only when the Edit button is made visible. It writes the member ID
// as the candidate source, as Add does.
void TMSInformationForm::EditButtonClick(TObject*) {
    Guard(MSEdits, [&] {
        TListItem* row = ListView1->Selected();
        if (!row || !Editor) return;
        Editor->KeyIDEdit->SetText(row->Caption());
        Editor->ED_MCS->SetText(row->SubItems()->Get(6));
        Editor->MS_Password->SetText(row->SubItems()->Get(7));
        ShowEditorFor(RowWrite::Set, "MS Edit");
    });
    ReadAgain();
}

// Only the row status "destroy" goes, on the selected member's row, through
// the editor's request; every access word is back afterwards, whatever the
// agent answers, so the next Add sends the password again.
void TMSInformationForm::DeleteButtonClick(TObject*) {
    if (RowChosen(ListView1, DeleteButton) && Editor && Editor->MSEdits) {
        Guard(MSEdits, [&] { Editor->DeleteMember(ListView1->Selected()->Caption()); });
    }
    ReadAgain();
}

void TMSInformationForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(StaticText1, MSEdits); }

void TMSInformationForm::ListView1Click(TObject*) { EditButton->SetEnabled(ListView1->Selected() != nullptr); }
