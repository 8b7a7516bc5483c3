#include "features/ACCServerControl.h"

#include <string>

#include "framework/VxSNMPRequest2Controls.h"
#include "mibdefs/SecurityMib.h"
#include "platform/Layout.h"

TfrmACCServerCtrl* frmACCServerCtrl = nullptr;

namespace {

// Items of the server group member table.
enum : int { GroupItem, IpItem, ProtocolItem, RowStateItem };

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr int Row(int k) { return 16 + 30 * k; }
constexpr int LabelLeft = 40, ControlLeft = 150;

constexpr LayoutControl kControls[] = {
    {.Class = "TLabel", .Name = "Label1", .Bounds = {LabelLeft, Row(0) + 3, 0, 0}, .Caption = "Group Name"},
    {.Class = "TEdit", .Name = "edtGroupName", .Bounds = {ControlLeft, Row(0), 90, 21}, .TabOrder = 0},
    {.Class = "TLabel", .Name = "Label2", .Bounds = {LabelLeft, Row(1) + 3, 0, 0}, .Caption = "IP Addr"},
    {.Class = "TEdit", .Name = "edtIPAddr", .Bounds = {ControlLeft, Row(1), 90, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "Label3", .Bounds = {LabelLeft, Row(2) + 3, 0, 0}, .Caption = "Auth Protocol"},
    {.Class = "TComboBox", .Name = "cbAuthProtocol", .Bounds = {ControlLeft, Row(2), 90, 21}, .TabOrder = 2,
     .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label4", .Bounds = {LabelLeft, Row(3) + 3, 0, 0}, .Caption = "Row State"},
    {.Class = "TComboBox", .Name = "cbRowState", .Bounds = {ControlLeft, Row(3), 90, 21}, .TabOrder = 3,
     .Props = "Style=csDropDownList"},
    {.Class = "TButton", .Name = "Button1", .Bounds = {70, 140, 65, 25}, .Caption = "Set", .TabOrder = 4},
    {.Class = "TButton", .Name = "Button2", .Bounds = {167, 140, 65, 25}, .Caption = "Close", .TabOrder = 5},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kLayout{.Name = "frmACCServerCtrl", .Caption = "ACCServerControl", .Left = 356, .Top = 248,
                             .ClientWidth = 302, .ClientHeight = 212, .BorderStyle = bsSizeable,
                             .Position = poDesigned, .LargeFonts = DialogScaling::None,
                             .Captioning = CaptionRule::MenuSetsTitleAndAgent, .Title = "ACC Server Control Table : ",
                             .Controls = kControls};

}  // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(edtGroupName);
    KX_BIND(edtIPAddr);
    KX_BIND(cbAuthProtocol);
    KX_BIND(cbRowState);
    KX_BIND(Button1);
    KX_BIND(Button2);
    KX_BIND(StatusBar1);
    Button1->OnClick = TNotifyEvent(this, &TfrmACCServerCtrl::Button1Click);
    Button2->OnClick = TNotifyEvent(this, &TfrmACCServerCtrl::Button2Click);
    OnCreate = TNotifyEvent(this, &TfrmACCServerCtrl::FormCreate);
    DoCreate();
}

void TfrmACCServerCtrl::FormCreate(TObject*) {
    // Without a list view every row read passes through the fields; they are
    // emptied afterwards, and a failed read leaves the form as it is.
    OpenController(MemberRequest, {.Items = AaaGroupServerItems,
                                   .Kind = MVT_UMV,
                                   .IndexCount = 3,
                                   .Bind =
                                       [this](VxSNMPRequest2Edits& c) {
                                           c.BindFormatted(GroupItem, "%s{l16}", edtGroupName);
                                           c.BindFormatted(IpItem, "%s{l16}", edtIPAddr);
                                           c.BindComboBox(ProtocolItem, cbAuthProtocol);
                                           c.BindComboBox(RowStateItem, cbRowState);
                                       },
                                   .Blocking = true,
                                   .Failures = Reporting::Silent});
    edtGroupName->SetText("");
    edtIPAddr->SetText("");
    cbAuthProtocol->SetItemIndex(-1);
    cbRowState->SetItemIndex(-1);
}

void TfrmACCServerCtrl::ShowStatus(const std::string& text) { StatusBar1->Panels()->Items(0)->SetText(text); }

void TfrmACCServerCtrl::Button1Click(TObject*) {
    for (const std::string& text :
         {edtGroupName->Text(), edtIPAddr->Text(), cbAuthProtocol->Text(), cbRowState->Text()}) {
        if (text.empty()) return ShowStatus("Don't Leave Empty Fileds !");
    }
    // A row the agent took is never reported as not written; its own line
    // is the last word of the status bar, over the read after it.
    const WriteOutcome outcome = WriteThenRead(
        MemberRequest, [&] { MemberRequest->SetValues(false, true); },
        [&] { MemberRequest->Refresh(); },  // the fields show the table's last row
        false);
    if (outcome.Refusal) {
        Application->MessageBox("Set entry failed!", Application->Title(), MB_OK);
        return;
    }
    ShowStatus("Set: Ok!. Receive at " + ResultLineTime() + ".");
    if (outcome.ReadFailure)
        Application->MessageBox("The entry was set, but the table could not be read again: " + *outcome.ReadFailure,
                                Application->Title(), MB_OK);
}

void TfrmACCServerCtrl::Button2Click(TObject*) { Close(); }
