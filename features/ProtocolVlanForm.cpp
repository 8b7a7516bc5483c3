#include "features/ProtocolVlanForm.h"

#include "framework/VxItemsLeftOut.h"
#include "mibdefs/BridgeMib.h"
#include "platform/Layout.h"

TProtocolVlanForm* ProtocolVlanForm = nullptr;

namespace {

// Items of the protocol VLAN table.
enum : int { IndexItem, NameItem, TypeItem, AdvertisementItem, UserProtocolItem, EncapItem, RowStatusItem };
// Entries of the row-status combo, in its map's order.
constexpr int RowCreateAndGoEntry = 1;
constexpr int RowDestroyEntry = 2;

const std::string UserDefinedProtocol = "protocol-userDefined";

constexpr LayoutPanel kPanels[] = {{"", 50}};

constexpr LayoutControl kControls[] = {
    {.Class = "TPanel", .Name = "ButtonPanel", .Bounds = {552, 0, 96, 400}, .Align = alRight,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TStaticText", .Name = "StaticText1", .Parent = "ButtonPanel", .Bounds = {10, 12, 75, 20},
     .Caption = "0", .Props = "AutoSize=false; Alignment=taCenter; BorderStyle=sbsSunken"},
    {.Class = "TButton", .Name = "Get", .Parent = "ButtonPanel", .Bounds = {10, 44, 75, 25}, .Caption = "Refresh",
     .TabOrder = 0},
    {.Class = "TButton", .Name = "Edit", .Parent = "ButtonPanel", .Bounds = {10, 76, 75, 25}, .Caption = "Edit",
     .TabOrder = 1},
    {.Class = "TButton", .Name = "Add", .Parent = "ButtonPanel", .Bounds = {10, 108, 75, 25}, .Caption = "Add",
     .TabOrder = 2},
    {.Class = "TButton", .Name = "Delete", .Parent = "ButtonPanel", .Bounds = {10, 140, 75, 25}, .Caption = "Delete",
     .TabOrder = 3},
    {.Class = "TSplitter", .Name = "Splitter2", .Bounds = {549, 0, 3, 400}, .Align = alRight},
    {.Class = "TListView", .Name = "ListView1", .Bounds = {0, 0, 549, 200}, .TabOrder = 0, .Align = alTop,
     .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly; HideSelection=false"},
    {.Class = "TSplitter", .Name = "Splitter1", .Bounds = {0, 200, 549, 3}, .Align = alTop},
    {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {0, 203, 549, 197}, .TabOrder = 1, .Align = alClient,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TLabel", .Name = "LB_Index", .Parent = "EntryPanel", .Bounds = {12, 14, 0, 0}, .Caption = "Index"},
    {.Class = "TEdit", .Name = "Index", .Parent = "EntryPanel", .Bounds = {150, 10, 120, 21}, .TabOrder = 0},
    {.Class = "TLabel", .Name = "LB_Name", .Parent = "EntryPanel", .Bounds = {12, 40, 0, 0}, .Caption = "Name"},
    {.Class = "TEdit", .Name = "Name", .Parent = "EntryPanel", .Bounds = {150, 36, 160, 21}, .TabOrder = 1},
    {.Class = "TLabel", .Name = "LB_ProtocolType", .Parent = "EntryPanel", .Bounds = {12, 66, 0, 0},
     .Caption = "Protocol Type"},
    {.Class = "TComboBox", .Name = "ProtocolType", .Parent = "EntryPanel", .Bounds = {150, 62, 180, 21},
     .TabOrder = 2, .Props = "DropDownCount=17"},
    {.Class = "TLabel", .Name = "LB_Advertisement", .Parent = "EntryPanel", .Bounds = {12, 92, 0, 0},
     .Caption = "Advertisement"},
    {.Class = "TComboBox", .Name = "Advertisement", .Parent = "EntryPanel", .Bounds = {150, 88, 120, 21},
     .TabOrder = 3},
    {.Class = "TLabel", .Name = "LB_UserProtocol", .Parent = "EntryPanel", .Bounds = {12, 118, 0, 0},
     .Caption = "User Defined Protocol"},
    {.Class = "TEdit", .Name = "UserProtocol", .Parent = "EntryPanel", .Bounds = {150, 114, 120, 21},
     .TabOrder = 4},
    {.Class = "TLabel", .Name = "LB_Encap", .Parent = "EntryPanel", .Bounds = {12, 144, 0, 0},
     .Caption = "Encap Type"},
    {.Class = "TComboBox", .Name = "Encap", .Parent = "EntryPanel", .Bounds = {150, 140, 120, 21}, .TabOrder = 5},
    {.Class = "TLabel", .Name = "LB_RowStatus", .Parent = "EntryPanel", .Bounds = {12, 170, 0, 0},
     .Caption = "Row Status"},
    {.Class = "TComboBox", .Name = "RowStatus", .Parent = "EntryPanel", .Bounds = {150, 166, 120, 21},
     .TabOrder = 6},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
};

constexpr FormLayout kLayout{.Name = "ProtocolVlanForm", .Caption = "Protocol VLAN", .ClientWidth = 648,
                             .ClientHeight = 419, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .Controls = kControls};

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(ListView1);
    KX_BIND(Index);
    KX_BIND(Name);
    KX_BIND(ProtocolType);
    KX_BIND(Advertisement);
    KX_BIND(UserProtocol);
    KX_BIND(Encap);
    KX_BIND(RowStatus);
    KX_BIND(StaticText1);
    KX_BIND(Get);
    KX_BIND(Edit);
    KX_BIND(Add);
    KX_BIND(Delete);
    KX_BIND(StatusBar1);
    ButtonReporting = Reporting::StatusPanel;
    Get->OnClick = TNotifyEvent(this, &TProtocolVlanForm::GetClick);
    Edit->OnClick = TNotifyEvent(this, &TProtocolVlanForm::EditClick);
    Add->OnClick = TNotifyEvent(this, &TProtocolVlanForm::AddClick);
    Delete->OnClick = TNotifyEvent(this, &TProtocolVlanForm::DeleteClick);
    ListView1->OnChange = TLVChangeEvent(this, &TProtocolVlanForm::ListView1Change);
    ListView1->OnClick = TNotifyEvent(this, &TProtocolVlanForm::ListView1Click);
    ProtocolType->OnChange = TNotifyEvent(this, &TProtocolVlanForm::ProtocolTypeChange);
    OnCreate = TNotifyEvent(this, &TProtocolVlanForm::FormCreate);
    DoCreate();
}

void TProtocolVlanForm::FormCreate(TObject*) {
    OpenController(ProtocolVlanRequest, {.Items = ProtocolVlanItems,
                                         .Kind = MVT_UMV,
                                         .IndexCount = 1,
                                         .Bind =
                                             [this](VxSNMPRequest2Edits& c) {
                                                 c.BindListView(ListView1, 1);
                                                 c.BindFormatted(IndexItem, "%i{n1x4094l4}", Index);
                                                 c.BindFormatted(NameItem, "%s{l15}", Name);
                                                 c.BindComboBox(TypeItem, ProtocolType);
                                                 c.BindComboBox(AdvertisementItem, Advertisement);
                                                 c.BindFormatted(UserProtocolItem, "%u{n0x65535l5}", UserProtocol);
                                                 c.BindComboBox(EncapItem, Encap);
                                                 c.BindComboBox(RowStatusItem, RowStatus);
                                             },
                                         .Target = StatusBar1,
                                         .Blocking = true,
                                         .CountText = StaticText1});
    Get->SetEnabled(true);
    IdleButtons();
    ClearEntry();
}

void TProtocolVlanForm::IdleButtons() {
    Edit->SetEnabled(false);
    Delete->SetEnabled(false);
    Index->SetEnabled(true);
    Add->SetEnabled(true);
}

void TProtocolVlanForm::RowButtons() {
    Edit->SetEnabled(true);
    Delete->SetEnabled(true);
    Index->SetEnabled(false);
    Add->SetEnabled(false);
}

void TProtocolVlanForm::ClearEntry() {
    Index->SetText("");
    Name->SetText("");
    UserProtocol->SetText("");
    if (ListView1->Items()->Count() == 0) StaticText1->SetCaption("0");
}

void TProtocolVlanForm::ProtocolTypeChange(TObject*) {
    const bool userDefined = ProtocolType->Text() == UserDefinedProtocol;
    UserProtocol->SetEnabled(userDefined);
    Encap->SetEnabled(userDefined);
}

void TProtocolVlanForm::RunAction(const std::function<void()>& body) {
    Guard(ProtocolVlanRequest, body);
    IdleButtons();
    ClearEntry();
    ProtocolTypeChange(nullptr);
}

void TProtocolVlanForm::GetClick(TObject*) {
    RunAction([&] { ProtocolVlanRequest->Refresh(); });
}

void TProtocolVlanForm::ListView1Click(TObject*) {
    if (TListItem* row = ListView1->Selected()) {
        Index->SetText(row->Caption());
        RowButtons();
    } else {
        IdleButtons();
    }
    ProtocolTypeChange(nullptr);
}

void TProtocolVlanForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    ShowRowCount(StaticText1, ProtocolVlanRequest);
}

std::vector<int> TProtocolVlanForm::ColumnsLeftOut(bool edit) const {
    std::vector<int> out;
    if (Name->Text().empty()) out.push_back(NameItem);
    const std::string type = ProtocolType->Text();
    const bool userDefined = type == UserDefinedProtocol;
    if (type.empty() || type == "0") out.push_back(TypeItem);
    if (!userDefined || UserProtocol->Text().empty()) out.push_back(UserProtocolItem);
    if (!userDefined || Encap->Text().empty() || Encap->Text() == "0") out.push_back(EncapItem);
    if (Advertisement->Text().empty()) out.push_back(AdvertisementItem);
    if (edit && RowStatus->Text().empty()) out.push_back(RowStatusItem);
    return out;
}

void TProtocolVlanForm::WriteRow(const std::vector<int>& leftOut) {
    RunAction([&] {
        VxItemsLeftOut out(*ProtocolVlanRequest);
        for (int item : leftOut) out.LeaveOut(item);
        out.Write(false);
    });
}

bool TProtocolVlanForm::IndexIsSet() {
    if (!Index->Text().empty()) return true;
    RefuseInput(Index, "Index must be set.");
    return false;
}

void TProtocolVlanForm::AddClick(TObject*) {
    if (!IndexIsSet()) return;
    for (int i = 0; i < ListView1->Items()->Count(); ++i)
        if (ListView1->Items()->Item(i)->Caption() == Index->Text())
            return RefuseInput(Index, "There is already a record with the same Index. Please modified it.");
    if (RowStatus->ItemIndex() != RowCreateAndGoEntry) return RefuseInput(RowStatus, "Row State must be createAndGo.");
    WriteRow(ColumnsLeftOut(false));
}

void TProtocolVlanForm::EditClick(TObject*) {
    if (!IndexIsSet()) return;
    if (RowStatus->ItemIndex() == RowDestroyEntry) return WriteRow({TypeItem, AdvertisementItem, UserProtocolItem, EncapItem});
    WriteRow(ColumnsLeftOut(true));
}

void TProtocolVlanForm::DeleteClick(TObject*) {
    RowStatus->SetItemIndex(RowDestroyEntry);
    WriteRow({NameItem, TypeItem, AdvertisementItem, UserProtocolItem, EncapItem});
}
