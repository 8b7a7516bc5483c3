#include "features/MSEditForm.h"

#include "features/MemberSwitchRules.h"
#include "framework/VxItemsLeftOut.h"
#include "framework/VxRowStatusCombo.h"
#include "framework/VxValueConversion.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"

TMSEditForm* MSEditForm = nullptr;

namespace {

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "MSID", .Bounds = {16, 20, 0, 0}, .Caption = "Member ID"},
    {.Class = "TEdit", .Name = "KeyIDEdit", .Bounds = {176, 16, 120, 21}, .TabOrder = 0, .Enabled = false},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {16, 52, 0, 0}, .Caption = "Member Candidate Source"},
    {.Class = "TEdit", .Name = "ED_MCS", .Bounds = {176, 48, 120, 21}, .TabOrder = 1, .Props = "ReadOnly"},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {16, 84, 0, 0}, .Caption = "Member Password"},
    {.Class = "TEdit", .Name = "MS_Password", .Bounds = {176, 80, 120, 21}, .TabOrder = 2},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {16, 116, 0, 0}, .Caption = "Member Row Status"},
    {.Class = "TComboBox", .Name = "Row_Status", .Bounds = {176, 112, 120, 21}, .TabOrder = 3,
     .Props = "Style=csDropDownList"},
    {.Class = "TButton", .Name = "SetButton", .Bounds = {140, 152, 75, 25}, .Caption = "Set", .TabOrder = 4,
     .Props = "Default"},
    {.Class = "TButton", .Name = "CloseButton", .Bounds = {221, 152, 75, 25}, .Caption = "Close", .TabOrder = 5,
     .Props = "Cancel"},
};

constexpr FormLayout kLayout{.Name = "MSEditForm", .Caption = "MS Edit", .ClientWidth = 312, .ClientHeight = 190,
                             .BorderStyle = bsDialog, .Position = poOwnerFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TMSEditForm::TMSEditForm(TComponent* owner) : TModalEditor(owner, kLayout) {
    KX_BIND(MSID);
    KX_BIND(KeyIDEdit);
    KX_BIND(ED_MCS);
    KX_BIND(MS_Password);
    KX_BIND(Row_Status);
    KX_BIND(SetButton);
    KX_BIND(CloseButton);
    SetButton->OnClick = TNotifyEvent(this, &TMSEditForm::SetButtonClick);
    CloseButton->OnClick = TNotifyEvent(this, &TMSEditForm::CloseButtonClick);
    // Prepared each time it is shown, not on every return to its window: a
    // message box or a switch to another program keeps what was typed.
    OnShow = TNotifyEvent(this, &TMSEditForm::FormActivate);
    // The candidate source written is the member ID typed: both items read
    // KeyIDEdit; ED_MCS only shows it. Nothing is read until a write: the
    // row is the member's, set as the list's instance. Without a message
    // target, a refusal by the agent comes up in a message box.
    OpenController(MSEdits, {.Items = SingleIpMemberCtrlItems,
                             .Kind = MVT_SV,
                             .IndexCount = 1,
                             .Bind =
                                 [this](VxSNMPRequest2Edits& c) {
                                     c.BindFormatted(msId, "%i", KeyIDEdit);
                                     c.BindFormatted(msCandidateSource, "%s", KeyIDEdit);
                                     c.BindFormatted(msPassword, "%s", MS_Password);
                                     c.BindComboBox(msRowStatus, Row_Status);
                                 },
                             .FirstRead = false});
}

void TMSEditForm::FormActivate(TObject*) {
    if (EditMode == RowWrite::Set) {
        KeyIDEdit->SetEnabled(false);
        ShowStatusOf(RowWrite::Set);
    } else if (EditMode == RowWrite::Add) {
        KeyIDEdit->SetEnabled(true);
        KeyIDEdit->SetText("");
        ED_MCS->SetText("");
    }
}

void TMSEditForm::ShowStatusOf(RowWrite write) {
    SelectRowStatus(*MSEdits, Row_Status, MemberStatusOf(write));
}

void TMSEditForm::AddressMember(const std::string& id) {
    VxSNMPVarList& list = MSEdits->Request.VarList;
    list.GetItem(msId)->Value = id;
    list.Instance = IndexValueTextOf(list, msId);
}

void TMSEditForm::DeleteMember(const std::string& id) {
    EditMode = RowWrite::Delete;
    ShowStatusOf(RowWrite::Delete);
    VxItemsLeftOut out(*MSEdits);
    out.LeaveOutBetween(msId, msPassword);
    AddressMember(id);
    out.Write(true);
}

void TMSEditForm::SetButtonClick(TObject*) {
    const std::string id = KeyIDEdit->Text();
    if (auto refusal = CheckMemberId(id, EditMode)) return RefuseInput(KeyIDEdit, refusal->Message);
    Guard(MSEdits, [&] {
        if (EditMode == RowWrite::Add) ED_MCS->SetText(id);
        AddressMember(id);
        WriteShownRowStatus(*MSEdits, Row_Status);
        Close();
    });
}

void TMSEditForm::CloseButtonClick(TObject*) { Close(); }

void TMSEditForm::FormClose(TObject*, TCloseAction&) {}
