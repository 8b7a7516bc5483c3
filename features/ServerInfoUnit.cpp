#include "features/ServerInfoUnit.h"

#include "dialogbase/RowLayout.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

constexpr LayoutPanel kPanels[] = {{"", 50}};

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
};

constexpr FormLayout kFrame{.Name = "ServerInformationForm", .Caption = "Server Information Table",
                            .ClientWidth = 582, .ClientHeight = 429, .BorderStyle = bsSizeable,
                            .Position = poScreenCenter, .LargeFonts = DialogScaling::LeftTopWidthHeight,
                            .Controls = kControls};

constexpr RowField kFields[] = {
    {srvIp, "IPEdit", "%s{l16}", "Server IP"},
    {.Item = srvProtocol, .Control = "ProtocolComboBox", .Format = nullptr, .Caption = "Server Auth Protocol",
     .Width = 98},
    {srvPort, "PortEdit", "%i{n1x65535l5}", "Server Auth Port"},
    {srvKey, "KeyEdit", "%s{l254}", "Server Auth Key"},
    {srvTimeout, "TimeoutEdit", "%i{n1x255}", "Server Timeout"},
    {srvRetry, "RetryCEdit", "%i{n1x255}", "Server Retry Count"},
    {.Item = srvRowStatus, .Control = "RowComboBox", .Format = nullptr, .Caption = "Server Row Status",
     .InitialStatus = RowCreateAndGo, .Width = 98},
};

// Two columns of label and control in the edit panel, four rows on the left.
constexpr RowLayout kLayout{&kFrame, kFields,
                            {.Parent = "EditPanel", .ControlWidth = 96, .RowsPerColumn = 4,
                             .Columns = {{8, 130}, {248, 356}}}};

constexpr RowEditorRecord kRecord{.Fields = kFields,
                                  .Buttons = {"GetButton", "EditButton", "Edit", "AddButton", "DeleteButton"},
                                  .CountText = "Static"};

}  // namespace

TServerInformationForm::TServerInformationForm(TComponent* owner)
    : TRowEditor(owner, BuiltRowLayout(kLayout), ServerTable, kRecord) {
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
