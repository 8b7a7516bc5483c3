#include "features/ServerInfoUnit.h"

#include "platform/Layout.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

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
                             .Position = poScreenCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                             .Controls = kControls};

constexpr const char* Combo = nullptr;

constexpr RowField kFields[] = {
    {srvIp, "IPEdit", "%s{l16}", "Server IP"},
    {srvProtocol, "ProtocolComboBox", Combo, "Server Auth Protocol"},
    {srvPort, "PortEdit", "%i{n1x65535l5}", "Server Auth Port"},
    {srvKey, "KeyEdit", "%s{l254}", "Server Auth Key"},
    {srvTimeout, "TimeoutEdit", "%i{n1x255}", "Server Timeout"},
    {srvRetry, "RetryCEdit", "%i{n1x255}", "Server Retry Count"},
    RowStatusField(srvRowStatus, "RowComboBox", "Server Row Status", nullptr, RowCreateAndGo),
};

constexpr RowEditorRecord kRecord{.Fields = kFields,
                                  .Buttons = {"GetButton", "EditButton", "Edit", "AddButton", "DeleteButton"},
                                  .CountText = "Static"};

}  // namespace

TServerInformationForm::TServerInformationForm(TComponent* owner)
    : TRowEditor(owner, kLayout, ServerTable, kRecord) {
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
    DoCreate();
}

void TServerInformationForm::BindFields(VxSNMPRequest2Edits& controller) {
    TRowEditor::BindFields(controller);
    // Wide enough for any address, not only its caption.
    ListView1->Columns()->Items(0)->SetWidth(100);
}

std::optional<RowRefusal> TServerInformationForm::CheckWrite(const RowSnapshot& form, RowWrite write) const {
    return CheckServer(form, write);
}

RowItems TServerInformationForm::LeftOut(const RowSnapshot& form, RowWrite write) const {
    return ServerLeftOut(form, write);
}

RowWrite TServerInformationForm::WriteOfSelected(const RowSnapshot& form) const {
    return WriteOfKeyedRow(Rows, form);
}
