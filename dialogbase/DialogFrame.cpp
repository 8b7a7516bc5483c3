#include "dialogbase/DialogFrame.h"

#include <cmath>

#include "common/VxNumbers.h"
#include "dialogbase/DialogHost.h"
#include "dialogbase/DialogLines.h"
#include "dialogbase/ModalEditor.h"
#include "dialogbase/StackingPortUit.h"
#include "platform/Layout.h"

namespace {

// A title and the agent address, as the captions show them.
std::string WithAgent(const std::string& title, const char* separator = "") {
    return title + separator + HostAgentAddress();
}

template <class T>
T* OptionalChild(const TComponent* owner, const char* name) {
    return dynamic_cast<T*>(owner->FindComponent(name));
}

// "0,1,2,...,767": the positions of a port list's 768 bits, for binding.
const std::string& StackPortPositions() {
    static const std::string positions = [] {
        std::string text;
        for (int k = 0; k < StackPortSlots; ++k) text += (k ? "," : "") + std::to_string(k);
        return text;
    }();
    return positions;
}

}  // namespace

// ---- construction ------------------------------------------------------------

TDialogFrame::TDialogFrame(TComponent* owner, const FormLayout& layout) : TForm(owner) {
    if (!layout.LargeFonts)
        throw Exception(std::string(layout.Name ? layout.Name : "A dialog's layout") + " has no large-font rule");
    LoadLayout(this, layout);
    FrameMemo = OptionalChild<TMemo>(this, "Memo1");
    FrameStatusBar = OptionalChild<TStatusBar>(this, "StatusBar1");
    OnClose = TCloseEvent(this, &TDialogFrame::FormClose);

    Captioning = layout.Captioning;
    Title = layout.Title ? layout.Title : layout.Caption ? layout.Caption : "";
    if (Captioning == CaptionRule::TitleAndAgent) SetCaption(WithAgent(Title));
    if (Captioning == CaptionRule::MenuTitleAndAgent) SetCaption(WithAgent(Title, ":"));

    Scaling = *layout.LargeFonts;
    if (!HostUsesLargeFonts() || Scaling == DialogScaling::None) return;
    const bool moves = Scaling == DialogScaling::LeftTopWidthHeight;
    SetBounds(moves ? ScaleForDialog(Left()) : Left(), moves ? ScaleForDialog(Top()) : Top(),
              ScaleForDialog(Width()), ScaleForDialog(Height()));
}

TDialogFrame::~TDialogFrame() {
    // Controllers go before the pickers and the controls they are bound to
    // (a write still on its way first comes to its end).
    EndReads();
    HandlersRunning = 0;
    FinishClose();
}

std::optional<std::string> TDialogFrame::MenuCaption(const char* menuTitle) const {
    switch (Captioning) {
    case CaptionRule::MenuSetsTitle: return Title;
    case CaptionRule::MenuSetsTitleAndAgent: return WithAgent(Title);
    case CaptionRule::MenuTitleAndAgent:
        if (menuTitle) return WithAgent(menuTitle, ":");
        return std::nullopt;
    case CaptionRule::Stored:
    case CaptionRule::TitleAndAgent: return std::nullopt;
    }
    return std::nullopt;
}

// ---- controllers ---------------------------------------------------------------

bool TDialogFrame::Busy() const {
    for (VxSNMPRequest2Edits** field : Controllers)
        if (*field && (*field)->IsBusy()) return true;
    return false;
}

void TDialogFrame::OpenController(VxSNMPRequest2Edits*& field, const ControllerBlock& block) {
    RunGuarded(
        [&] {
            field = new VxSNMPRequest2Edits(this);
            Controllers.push_back(&field);
            VxSNMPRequest2Edits& controller = *field;
            controller.Request.VarList = VxSNMPVarList(block.Items, block.Kind, block.IndexCount);
            // The target comes before the bindings, so that a binding that
            // fails is reported too.
            ApplyTarget(controller, block.Target ? block.Target : DefaultTarget());
            controller.Async = block.Blocking ? 0 : 1;
            if (block.Bind) block.Bind(controller);
            if (controller.ListView && block.NoRowOnRead)
                controller.OnNoRow = TNotifyEvent(this, &TDialogFrame::NoRowShown);
            controller.OnRefreshDone = block.OnRefreshDone;
            if (block.FirstRead) controller.Refresh();
            ShowRowCount(block.CountText, &controller);
        },
        [&](const std::string& message) { Report(block.Failures.value_or(ButtonReporting), message, field); });
}

void TDialogFrame::ApplyTarget(VxSNMPRequest2Controls& controller, TObject* target) {
    if (TDialogLines* lines = LinesOf(target)) controller.SetMsgCtrl(lines);
}

TDialogLines* TDialogFrame::LinesOf(TObject* target) {
    if (!dynamic_cast<TMemo*>(target) && !dynamic_cast<TStatusBar*>(target) && !dynamic_cast<TStatusPanel*>(target))
        return nullptr;
    for (const auto& lines : MessageLines)
        if (lines->Target() == target) return lines.get();
    MessageLines.push_back(std::make_unique<TDialogLines>(
        target, [this](const VxSNMPRequest2Controls* from, bool ok) { return ActionOver(from, ok); }));
    return MessageLines.back().get();
}

void TDialogFrame::EndActions() {
    for (const auto& lines : MessageLines) lines->EndAction();
}

bool TDialogFrame::ActionOver(const VxSNMPRequest2Controls* from, bool ok) const {
    if (HandlersRunning > 0 || Busy()) return false;
    const bool table = from && (from->Request.VarList.Kind == MVT_FMV || from->Request.VarList.Kind == MVT_UMV);
    return !(ok && table && from->LastOp == 1 && from->RefreshAfterSet);
}

TObject* TDialogFrame::DefaultTarget() const {
    if (ButtonReporting == Reporting::MemoLine && FrameMemo) return FrameMemo;
    if (ButtonReporting == Reporting::StatusPanel && FramePanel()) return FramePanel();
    if (FrameMemo) return FrameMemo;
    if (FramePanel()) return FramePanel();
    return FrameStatusBar;
}

// ---- guards and reports ------------------------------------------------------------

void TDialogFrame::RunGuarded(const std::function<void()>& body,
                              const std::function<void(const std::string&)>& onFailure) {
    if (HandlersRunning == 0) EndActions();
    ++HandlersRunning;
    try {
        body();
    } catch (const std::exception& e) {
        onFailure(e.what());
    }
    --HandlersRunning;
    if (HandlersRunning > 0) return;
    if (!Busy()) EndActions();
    if (CloseWaiting) FinishClose();
}

void TDialogFrame::Guard(VxSNMPRequest2Controls* controller, const std::function<void()>& body) {
    if (Host) return Host->Guard(controller, body);
    if (Closing()) return;
    RunGuarded(body, [&](const std::string& message) { Report(ButtonReporting, message, controller); });
}

TDialogFrame::WriteOutcome TDialogFrame::WriteThenRead(VxSNMPRequest2Controls* controller,
                                                       const std::function<void()>& write,
                                                       const std::function<void()>& read, bool readWhenRefused) {
    WriteOutcome outcome;
    if (Closing()) return outcome;
    // One guarded handler, the reports included: a close meanwhile lets go
    // of the controller only once they are over.
    RunGuarded(
        [&] {
            RunGuarded(write, [&](const std::string& message) { outcome.Refusal = message; });
            if (!outcome.Refusal || readWhenRefused)
                RunGuarded(read, [&](const std::string& message) { outcome.ReadFailure = message; });
            if (outcome.ReadFailure) Report(ButtonReporting, *outcome.ReadFailure, controller);
            if (outcome.Refusal) {
                // A result line of the write's own, not of the read after it.
                if (controller) controller->LastOp = 1;
                Report(ButtonReporting, *outcome.Refusal, controller);
            }
        },
        [&](const std::string& message) { ReportBare(message); });
    return outcome;
}

void TDialogFrame::Report(Reporting how, const std::string& message, VxSNMPRequest2Controls* controller) {
    switch (how) {
    case Reporting::ResultLine:
        if (controller && controller->MsgCtrl()) return controller->ShowMsg(message);
        break;
    case Reporting::StatusPanel:
        if (TStatusPanel* panel = FramePanel()) return LinesOf(panel)->Put(message, false);
        break;
    case Reporting::MemoLine:
        if (FrameMemo) return LinesOf(FrameMemo)->Put(message, false);
        break;
    case Reporting::Silent: return;
    }
    // The dialog lacks the way it asked for: a failure still shows.
    ReportBare(message);
}

void TDialogFrame::ReportBare(const std::string& message) {
    TObject* target = FrameMemo ? static_cast<TObject*>(FrameMemo) : FramePanel();
    if (!target) target = FrameStatusBar;
    if (target) LinesOf(target)->Put(message, false);
    else Application->MessageBox(message, Application->Title(), MB_OK);
}

TStatusPanel* TDialogFrame::FramePanel() const {
    return FrameStatusBar && FrameStatusBar->Panels()->Count() > 0 ? FrameStatusBar->Panels()->Items(0) : nullptr;
}

bool TDialogFrame::RowChosen(const TListView* list, TWinControl* focus) {
    if (list->Selected()) return true;
    RefuseInput(focus, "Choose the item first.");
    return false;
}

void TDialogFrame::ReloadSelectedRow(VxSNMPRequest2Edits& controller) {
    controller.LoadSelectedRow();
    controller.ValuesToControls(-1);
}

void TDialogFrame::KeepEditor(TModalEditor* editor, std::function<void()> forget) {
    static_cast<TDialogFrame*>(editor)->Host = this;
    Editors.push_back({editor, std::move(forget)});
}

void TDialogFrame::RefuseInput(TWinControl* field, const std::string& message) {
    Application->MessageBox(message, Application->Title(), MB_OK);
    if (field && field->Enabled() && field->Visible()) SetActiveControl(field);
}

// ---- port pickers ------------------------------------------------------------------

void TDialogFrame::AddPortPickers(std::initializer_list<PickerPlace> places) {
    std::vector<TWinControl*> areas;
    for (const PickerPlace& place : places) areas.push_back(place.Area);
    StackUnitTable table = HostUnitTable();
    table.Report = [this](const std::string& message) { ReportBare(message); };
    const std::vector<TStackingPortUitForm*> pickers = SetupStackPortPickers(this, areas, table);
    size_t k = 0;
    for (const PickerPlace& place : places) {
        *place.Field = pickers[k++];
        Pickers.push_back(place.Field);
    }
}

void TDialogFrame::BindPortList(VxSNMPRequest2Edits& controller, int item, TStackingPortUitForm* picker) {
    controller.BindValueListCtrls(item, StackPortPositions(), picker->Boxes());
}

void TDialogFrame::UncheckPorts(std::initializer_list<TStackingPortUitForm*> pickers) {
    for (TStackingPortUitForm* picker : pickers) {
        if (!picker) continue;
        for (int k = 0; k < picker->CheckBoxes.Count(); ++k) picker->Box(k)->SetChecked(false);
    }
}

// ---- the close step -----------------------------------------------------------------

bool TDialogFrame::Closing() const { return CloseWaiting || Application->Terminated(); }

void TDialogFrame::FormClose(TObject*, TCloseAction&) {
    EndReads();
    // An editor shown (from a handler beneath) ends its showing, so that the
    // handler returns.
    for (const KeptEditor& kept : Editors)
        if (kept.Editor->Modal()) kept.Editor->Close();
    if (HandlersRunning > 0) {
        // A handler of this dialog runs beneath (a blocking walk that let
        // this close through, a write awaiting its answer): its reads end at
        // their next reply, its writes go out whole, and the frame lets go
        // of everything once it has returned.
        CloseWaiting = true;
        return;
    }
    FinishClose();
}

// Every controller reads nothing more, and the replies of reads on their way
// are withdrawn: nothing late is shown in the dialog. A blocking walk ends at
// its next row. Writes go on (VxSNMPRequest2Controls.h).
void TDialogFrame::EndReads() {
    for (VxSNMPRequest2Edits** field : Controllers)
        if (*field) (*field)->EndReads();
}

void TDialogFrame::FinishClose() {
    CloseWaiting = false;
    // A controller goes once a write of it on its way has come to its end
    // (or, one whose blocking work still runs beneath, as soon as that has
    // returned).
    for (VxSNMPRequest2Edits** field : Controllers) VxSNMPRequest2Controls::StopAndDelete(*field);
    Controllers.clear();
    for (TStackingPortUitForm** field : Pickers) {
        delete *field;
        *field = nullptr;
    }
    Pickers.clear();
    for (const KeptEditor& kept : Editors) {
        kept.Forget();
        // One still shown (the dialog deleted beneath it) ends its showing
        // and goes with its owner, this dialog.
        if (kept.Editor->Modal()) kept.Editor->Close();
        else delete kept.Editor;
    }
    Editors.clear();
}

int ScaleForDialog(int value) { return static_cast<int>(std::lround(value * 1.25)); }

