#include "features/ServerInfoUnit.h"

#include <string>

#include "framework/VxItemsLeftOut.h"
#include "mibdefs/SecurityMib.h"
#include "platform/Layout.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

// Items of the authentication server table.
enum : int { IpItem, ProtocolItem, PortItem, KeyItem, TimeoutItem, RetryItem, RowStatusItem };
enum : int { RowActive, RowCreate, RowDestroyPosition };  // row-status combo positions

constexpr LayoutPanel kPanels[] = {{"", 50}};

// The edit panel: two columns of label and control, four rows.
constexpr int Row(int k) { return 10 + 29 * k; }
constexpr int LeftLabel = 8, LeftControl = 130, RightLabel = 248, RightControl = 356;

constexpr LayoutControl kControls[] = {
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {0, 0, 120, 0}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStaticText", .Name = "Static", .Parent = "ButtonPanel", .Bounds = {31, 12, 58, 19}, .Caption = "0",
     .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"},
    {.Class = "TButton", .Name = "GetButton", .Parent = "ButtonPanel", .Bounds = {22, 42, 75, 25},
     .Caption = "Refresh", .TabOrder = 0},
    {.Class = "TButton", .Name = "EditButton", .Parent = "ButtonPanel", .Bounds = {22, 74, 75, 25},
     .Caption = "Edit", .TabOrder = 1},
    {.Class = "TButton", .Name = "AddButton", .Parent = "ButtonPanel", .Bounds = {22, 106, 75, 25},
     .Caption = "Add", .TabOrder = 2},
    {.Class = "TButton", .Name = "DeleteButton", .Parent = "ButtonPanel", .Bounds = {22, 138, 75, 25},
     .Caption = "Delete", .TabOrder = 3},
    {.Class = "TPanel", .Name = "EditPanel", .Bounds = {0, 0, 0, 128}, .Align = alBottom,
     .Props = "BevelOuter=bvLowered"},
    {.Class = "TListView", .Name = "ListView1", .Align = alClient,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TLabel", .Name = "Label1", .Parent = "EditPanel", .Bounds = {LeftLabel, Row(0) + 3, 0, 0},
     .Caption = "Server IP"},
    {.Class = "TEdit", .Name = "IPEdit", .Parent = "EditPanel", .Bounds = {LeftControl, Row(0), 96, 21},
     .TabOrder = 0},
    {.Class = "TLabel", .Name = "Label2", .Parent = "EditPanel", .Bounds = {LeftLabel, Row(1) + 3, 0, 0},
     .Caption = "Server Auth Protocol"},
    {.Class = "TComboBox", .Name = "ProtocolComboBox", .Parent = "EditPanel", .Bounds = {LeftControl, Row(1), 98, 21},
     .TabOrder = 1, .Props = "Style=csDropDownList"},
    {.Class = "TLabel", .Name = "Label3", .Parent = "EditPanel", .Bounds = {LeftLabel, Row(2) + 3, 0, 0},
     .Caption = "Server Auth Port"},
    {.Class = "TEdit", .Name = "PortEdit", .Parent = "EditPanel", .Bounds = {LeftControl, Row(2), 96, 21},
     .TabOrder = 2},
    {.Class = "TLabel", .Name = "Label4", .Parent = "EditPanel", .Bounds = {LeftLabel, Row(3) + 3, 0, 0},
     .Caption = "Server Auth Key"},
    {.Class = "TEdit", .Name = "KeyEdit", .Parent = "EditPanel", .Bounds = {LeftControl, Row(3), 96, 21},
     .TabOrder = 3},
    {.Class = "TLabel", .Name = "Label5", .Parent = "EditPanel", .Bounds = {RightLabel, Row(0) + 3, 0, 0},
     .Caption = "Server Timeout"},
    {.Class = "TEdit", .Name = "TimeoutEdit", .Parent = "EditPanel", .Bounds = {RightControl, Row(0), 96, 21},
     .TabOrder = 4},
    {.Class = "TLabel", .Name = "Label6", .Parent = "EditPanel", .Bounds = {RightLabel, Row(1) + 3, 0, 0},
     .Caption = "Server Retry Count"},
    {.Class = "TEdit", .Name = "RetryCEdit", .Parent = "EditPanel", .Bounds = {RightControl, Row(1), 96, 21},
     .TabOrder = 5},
    {.Class = "TLabel", .Name = "Label7", .Parent = "EditPanel", .Bounds = {RightLabel, Row(2) + 3, 0, 0},
     .Caption = "Server Row Status"},
    {.Class = "TComboBox", .Name = "RowComboBox", .Parent = "EditPanel", .Bounds = {RightControl, Row(2), 98, 21},
     .TabOrder = 6, .Props = "Style=csDropDownList"},
};

constexpr FormLayout kLayout{.Name = "ServerInformationForm", .Caption = "Server Information Table",
                             .ClientWidth = 582, .ClientHeight = 429, .BorderStyle = bsSizeable,
                             .Position = poScreenCenter, .Controls = kControls};

}  // namespace

std::vector<int> ServerItemsLeftOut(const ServerFieldsSnapshot& fields) {
    std::vector<int> items;
    for (size_t k = 0; k < fields.size(); ++k)
        if (fields[k].empty()) items.push_back(PortItem + static_cast<int>(k));
    return items;
}

TServerInformationForm::TServerInformationForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Static);
    KX_BIND(GetButton);
    KX_BIND(EditButton);
    KX_BIND(AddButton);
    KX_BIND(DeleteButton);
    KX_BIND(IPEdit);
    KX_BIND(ProtocolComboBox);
    KX_BIND(PortEdit);
    KX_BIND(KeyEdit);
    KX_BIND(TimeoutEdit);
    KX_BIND(RetryCEdit);
    KX_BIND(RowComboBox);
    KX_BIND(StatusBar1);
    ButtonReporting = Reporting::StatusPanel;
    GetButton->OnClick = TNotifyEvent(this, &TServerInformationForm::GetButtonClick);
    EditButton->OnClick = TNotifyEvent(this, &TServerInformationForm::EditButtonClick);
    AddButton->OnClick = TNotifyEvent(this, &TServerInformationForm::AddButtonClick);
    DeleteButton->OnClick = TNotifyEvent(this, &TServerInformationForm::DeleteButtonClick);
    ListView1->OnClick = TNotifyEvent(this, &TServerInformationForm::ListView1Click);
    ListView1->OnChange = TLVChangeEvent(this, &TServerInformationForm::ListView1Change);
    OnCreate = TNotifyEvent(this, &TServerInformationForm::FormCreate);
    DoCreate();
}

void TServerInformationForm::FormCreate(TObject*) {
    OpenController(ServerRequest, {.Items = AaaServerItems,
                                   .Kind = MVT_UMV,
                                   .IndexCount = 2,
                                   .Bind =
                                       [this](VxSNMPRequest2Edits& c) {
                                           c.BindListView(ListView1, 1);
                                           // Wide enough for any address, not only its caption.
                                           ListView1->Columns()->Items(0)->SetWidth(100);
                                           c.BindFormatted(IpItem, "%s{l16}", IPEdit);
                                           c.BindComboBox(ProtocolItem, ProtocolComboBox);
                                           c.BindFormatted(PortItem, "%i{n1x65535l5}", PortEdit);
                                           c.BindFormatted(KeyItem, "%s{l254}", KeyEdit);
                                           c.BindFormatted(TimeoutItem, "%i{n1x255}", TimeoutEdit);
                                           c.BindFormatted(RetryItem, "%i{n1x255}", RetryCEdit);
                                           c.BindComboBox(RowStatusItem, RowComboBox);
                                           ClearEdits();
                                           RowComboBox->SetItemIndex(RowCreate);
                                           ShowSelectionState(false);
                                       },
                                   .Blocking = true});
}

void TServerInformationForm::ShowSelectionState(bool selected) {
    // The index of an existing row cannot be changed: a selected row is
    // changed or deleted, a new one is added from the no-selection state.
    EditButton->SetEnabled(selected);
    DeleteButton->SetEnabled(selected);
    IPEdit->SetEnabled(!selected);
    ProtocolComboBox->SetEnabled(!selected);
    AddButton->SetEnabled(!selected);
}

void TServerInformationForm::ClearEdits() {
    for (TEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}) edit->SetText("");
    if (ListView1->Items()->Count() == 0) Static->SetCaption("0");
}

void TServerInformationForm::ListView1Click(TObject*) { ShowSelectionState(ListView1->Selected() != nullptr); }

void TServerInformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Static->SetCaption(std::to_string(ListView1->Items()->Count()));
}

void TServerInformationForm::EndWrite() {
    ShowSelectionState(false);
    ClearEdits();
}

void TServerInformationForm::GetButtonClick(TObject*) {
    Guard(ServerRequest, [&] { ServerRequest->Refresh(); });
    EndWrite();
}

ServerFieldsSnapshot TServerInformationForm::Snapshot() const {
    return {PortEdit->Text(), KeyEdit->Text(), TimeoutEdit->Text(), RetryCEdit->Text()};
}

bool TServerInformationForm::CheckIndex(bool focus) {
    if (IPEdit->Text().empty()) {
        RefuseInput(focus ? IPEdit : nullptr, "Server IP must be set.");
        return false;
    }
    if (ProtocolComboBox->Text().empty()) {
        RefuseInput(focus ? ProtocolComboBox : nullptr, "Protocol must be set.");
        return false;
    }
    return true;
}

void TServerInformationForm::WriteFilledFields(bool leaveOutRowStatus) {
    const ServerFieldsSnapshot fields = Snapshot();
    Guard(ServerRequest, [&] {
        VxItemsLeftOut out(*ServerRequest);
        for (int item : ServerItemsLeftOut(fields)) out.LeaveOut(item);
        if (leaveOutRowStatus) out.LeaveOut(RowStatusItem);
        out.Write(false);
    });
    EndWrite();
}

void TServerInformationForm::DeleteRow() {
    Guard(ServerRequest, [&] {
        VxItemsLeftOut out(*ServerRequest);
        out.LeaveOutBetween(PortItem, RetryItem);
        RowComboBox->SetItemIndex(RowDestroyPosition);
        out.Write(false);
    });
    EndWrite();
}

void TServerInformationForm::EditButtonClick(TObject*) {
    if (!CheckIndex(false)) return;
    if (RowComboBox->ItemIndex() == RowDestroyPosition) return DeleteRow();
    WriteFilledFields(true);  // a change does not write the row status
}

void TServerInformationForm::AddButtonClick(TObject*) {
    if (!CheckIndex(true)) return;
    const std::string ip = IPEdit->Text();
    const std::string protocol = ProtocolComboBox->Text();
    for (int i = 0; i < ListView1->Items()->Count(); ++i) {
        TListItem* row = ListView1->Items()->Item(i);
        if (row->Caption() == ip && row->SubItems()->Count() > 0 && row->SubItems()->Strings(0) == protocol)
            return RefuseInput(IPEdit, "Has already a record with the same Server IP and Protocol. Please Change "
                                       "Server IP or Protocol.");
    }
    if (RowComboBox->ItemIndex() != RowCreate) return RefuseInput(RowComboBox, "Row State must be createAndGo.");
    WriteFilledFields(false);
}

void TServerInformationForm::DeleteButtonClick(TObject*) { DeleteRow(); }
