#include "tests/support/DialogFixture.h"

#include <QComboBox>

#include "common/KestrixModels.h"
#include "dialogbase/StackTables.h"
#include "dialogbase/StackingPortUit.h"
#include "framework/VxSNMPSession.h"
#include "main/MenuCommand.h"
#include "mibdefs/SystemMib.h"
#include "platform/Layout.h"
#include "platform/Vcl.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"

namespace {

constexpr LayoutPanel kStandInPanels[] = {{"", 50}};
constexpr LayoutControl kStandInControls[] = {
    {.Class = "TStatusBar", .Name = "StatusBar", .Panels = kStandInPanels},
    {.Class = "TListView", .Name = "UnitListView", .Visible = false, .Props = "ViewStyle=vsReport"},
};
constexpr FormLayout kStandInLayout{.Name = "MainWindowStandIn", .Caption = "Kestrix", .ClientWidth = 784,
                                    .ClientHeight = 300, .Position = poScreenCenter, .Controls = kStandInControls};

}  // namespace

TMainWindowStandIn::TMainWindowStandIn(TComponent* owner) : TForm(owner) {
    LoadLayout(this, kStandInLayout);
    KX_BIND(StatusBar);
    KX_BIND(UnitListView);
    UnitRequest = NewStackTableReader(this, SwUnitMgmtItems, UnitListView, StatusBar->Panels()->Items(0));
    for (size_t i = 0; i < KestrixModelTexts.size(); ++i) ModelNames[i] = KestrixModelTexts[i];
    SetDialogHost(this);
}

TMainWindowStandIn::~TMainWindowStandIn() {
    VxSNMPRequest2Controls::StopAndDelete(UnitRequest);
    if (DialogHost() == this) SetDialogHost(nullptr);
}

void DialogFixture::TearDown() {
    if (TForm::Exists(Dialog)) CloseAndDelete(Dialog);
    Dialog = nullptr;
    if (TForm::Exists(Window)) delete Window;
    Window = nullptr;
    Host = nullptr;
    Application->SetMainForm(nullptr);
    StackFixture::TearDown();
}

void DialogFixture::OpenHostOn(const std::string& description) {
    StartStack(description);
    OpenHost();
}

void DialogFixture::OpenHost() {
    StartHost();
    ASSERT_TRUE(PumpUntil([] {
        const StackUnitTable units = HostUnitTable();
        return units.Request && !units.Request->IsBusy();
    })) << "the unit table was not read";
    SessionParameters.Timeout = AnswerTimeout;
}

void DialogFixture::StartHost() {
    // The boot counter file lies in the current directory, the test's own.
    InitSnmpSession("");
    SessionParameters.Device = {"127.0.0.1", Stack->Port()};
    SessionParameters.Security.Version = 0;
    SessionParameters.Security.ReadCommunity = "mirabo";
    SessionParameters.Security.WriteCommunity = "quesnal";
    Host = new TMainWindowStandIn(Application);
    Window = Host;
    Application->SetMainForm(Host);
    Host->UnitRequest->Refresh();
}

void DialogFixture::Show(TDialogFrame* dialog) {
    dialog->Show();
    WaitIdle(dialog);
}

void DialogFixture::RunModally(const char* handler, const std::function<void(TDialogFrame&)>& use) {
    SCOPED_TRACE(handler);
    const MenuCommand* command = FindMenuCommand(handler);
    if (!command) {
        ADD_FAILURE() << "no menu command " << handler;
        return;
    }
    WhileModal<TDialogFrame>([&] { RunDialogCommand(*command, Window); },
                             [](TDialogFrame& dialog) { return !dialog.Busy(); }, use);
}

void DialogFixture::WaitIdle(TDialogFrame* dialog, int ms) {
    ASSERT_TRUE(PumpUntil([&] { return !dialog->Busy(); }, ms)) << "the dialog's reads did not end";
}

void DialogFixture::CloseAndDelete(TDialogFrame* dialog) {
    dialog->Close();
    delete dialog;
    if (dialog == Dialog) Dialog = nullptr;
}

void DialogFixture::Press(TDialogFrame* dialog, TControl* button) {
    Stack->ClearTrace();
    button->Click();
    WaitIdle(dialog);
}

void DialogFixture::SelectRow(TListView* list, int index) {
    list->SetItemIndex(index);
    list->Click();
}

void DialogFixture::Press(TDialogFrame* dialog, const char* button) { Press(dialog, FindChild<TControl>(dialog, button)); }

void DialogFixture::Choose(TComboBox* combo, const std::string& label) {
    if (!ChooseEntry(combo, label)) ADD_FAILURE() << combo->Name() << " has no entry \"" << label << "\"";
}

void DialogFixture::Choose(TDialogFrame* dialog, const char* combo, const std::string& label) {
    Choose(FindChild<TComboBox>(dialog, combo), label);
}

void DialogFixture::Click(TCheckBox* box) { box->SetChecked(!box->Checked()); }

std::vector<std::string> DialogFixture::Lines(const TMemo* memo) {
    std::vector<std::string> lines;
    for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i));
    return lines;
}

std::string DialogFixture::LastLine(const TMemo* memo) {
    const int count = memo->Lines()->Count();
    return count ? memo->Lines()->Get(count - 1) : std::string();
}

std::vector<std::string> DialogFixture::Rows(const TListView* list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list->Items()->Count(); ++i) {
        TListItem* item = list->Items()->Item(i);
        std::string row = item->Caption();
        for (int k = 0; k < item->SubItems()->Count(); ++k) row += "|" + item->SubItems()->Get(k);
        rows.push_back(row);
    }
    return rows;
}

std::vector<int> DialogFixture::Checked(const std::vector<TCheckBox*>& boxes) {
    std::vector<int> checked;
    for (size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k]->Checked()) checked.push_back(static_cast<int>(k));
    return checked;
}

std::vector<TCheckBox*> DialogFixture::BoxesOf(const TStackingPortUitForm* picker) {
    std::vector<TCheckBox*> boxes;
    for (int k = 0; k < picker->CheckBoxes.Count(); ++k) boxes.push_back(picker->Box(k));
    return boxes;
}

std::string DialogFixture::TracedOctets(const std::string& line) {
    // OID string "text": \" \\ and \xNN stand for themselves.
    const size_t open = line.find('"');
    std::string octets;
    for (size_t i = open + 1; open != std::string::npos && i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            octets += line[i];
        } else if (line[i + 1] == 'x') {
            octets += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            octets += line[++i];
        }
    }
    return octets;
}

std::vector<int> DialogFixture::BitsOf(const std::string& octets) {
    std::vector<int> bits;
    for (size_t k = 0; k < octets.size() * 8; ++k)
        if (static_cast<unsigned char>(octets[k / 8]) & (0x80u >> (k % 8))) bits.push_back(static_cast<int>(k));
    return bits;
}

std::vector<std::string> DialogFixture::Written(const std::string& table) const {
    constexpr size_t PortListOctets = 768 / 8;  // a port picker's boxes
    const std::string prefix = table.ends_with('.') ? table : table + ".";
    std::vector<std::string> lines;
    for (const std::string& line : Stack->TraceLines()) {
        std::string shown = line.starts_with(prefix) ? line.substr(prefix.size()) : line;
        const std::string octets = TracedOctets(line);
        if (line.find(" string \"") != std::string::npos && octets.size() == PortListOctets) {
            shown = shown.substr(0, shown.find(' ')) + " bits";
            for (int bit : BitsOf(octets)) shown += " " + std::to_string(bit);
        }
        lines.push_back(shown);
    }
    return lines;
}
