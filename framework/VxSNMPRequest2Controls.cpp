#include "VxSNMPRequest2Controls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

#include "common/TDateTime.h"
#include "common/VxExpression.h"
#include "framework/SnmpTransport.h"
#include "framework/VxSNMPMessages.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace {

// The engine knows no windows; what the window layer does for it:
// - what a reply handler raises shows in the standard exception box, as an
//   exception from any other event does;
// - a wait that holds input (a blocking request) keeps the windows' input.
const bool WindowHooksInstalled = [] {
    SnmpTransport::SetFailureHook([](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            ShowCurrentException();
        }
    });
    VxSetInputHoldHooks([] { Application->HoldInput(); }, [] { Application->ReleaseInput(); });
    return true;
}();

// Every controller that exists, for EndAllWork. Never freed: a controller
// may go after the static objects.
std::vector<VxSNMPRequest2Controls*>& LiveControllers() {
    static auto* controllers = new std::vector<VxSNMPRequest2Controls*>;
    return *controllers;
}

bool AllWorkEnded = false;

}  // namespace

std::string ResultLineTime() {
    const DateTimeParts now = DecodeDateTime(DateTimeNow());
    const int hour = now.Hour % 12 == 0 ? 12 : now.Hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour, now.Minute, now.Second, now.Hour < 12 ? "AM" : "PM");
    return text;
}

VxSNMPRequest2Controls::VxSNMPRequest2Controls(TWinControl* owner) : Owner(owner) {
    LiveControllers().push_back(this);
    if (AllWorkEnded) {
        Request.Alive = 0;
        ReadsEnded = true;
    }
}

VxSNMPRequest2Controls::~VxSNMPRequest2Controls() {
    auto& live = LiveControllers();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    // Nothing on its way may reach a controller that is going, so the
    // request has nothing left to wait for.
    Request.CancelPending();
}

// ---- lifetime of long work -----------------------------------------------------

bool VxSNMPRequest2Controls::IsBusy() const { return BlockingDepth > 0 || AwaitedReads > 0 || AwaitedWrites > 0; }

void VxSNMPRequest2Controls::EndReads() {
    ReadsEnded = true;
    AbandonReads();
}

void VxSNMPRequest2Controls::Stop() {
    Request.Alive = 0;
    Request.CancelPending();
    AwaitedReads = 0;
    AwaitedWrites = 0;
    ++ReadGeneration;
    ++WriteGeneration;
}

void VxSNMPRequest2Controls::Resume() {
    // A controller on its way out stays stopped, and so does every one once
    // the program is ending.
    if (!DeleteWhenUnused && !AllWorkEnded) Request.Alive = 1;
}

void VxSNMPRequest2Controls::EndAllWork() {
    AllWorkEnded = true;
    for (VxSNMPRequest2Controls* controller : LiveControllers()) controller->EndReads();
}

bool VxSNMPRequest2Controls::WaitWhileBusy(int ms) {
    const bool ended = VxWaitWhile(
        Life.Watch(), [this] { return AwaitedReads > 0 || AwaitedWrites > 0; }, std::chrono::milliseconds(ms),
        VxInput::Deliver);
    return ended && BlockingDepth == 0;
}

void VxSNMPRequest2Controls::StopAndDeleteController(VxSNMPRequest2Controls* controller) {
    if (!controller) return;
    controller->EndReads();
    if (!controller->LetWritesEnd()) return;
    controller->Stop();
    if (controller->Users > 0) {
        controller->DeleteWhenUnused = true;
        return;
    }
    delete controller;
}

VxSNMPRequest2Controls::Use::Use(VxSNMPRequest2Controls* controller)
    : Controller(controller), Alive(controller ? controller->Life.Watch() : VxWatch()) {
    if (Controller) ++Controller->Users;
}

VxSNMPRequest2Controls::Use::~Use() {
    if (!Alive) return;
    if (--Controller->Users == 0 && Controller->DeleteWhenUnused) delete Controller;
}

bool VxSNMPRequest2Controls::LetWritesEnd() {
    const VxWatch alive = Life.Watch();
    VxWaitWhile(alive, [this] { return AwaitedWrites > 0; }, Request.AnswerLimit(), VxInput::Hold);
    return alive.Alive();
}

void VxSNMPRequest2Controls::LetMessagesRun() { VxLetMessagesRun(Life.Watch()); }

void VxSNMPRequest2Controls::AbandonReads() {
    Request.CancelPendingReads();
    AwaitedReads = 0;
    ++ReadGeneration;
}

void VxSNMPRequest2Controls::EndRead() {
    if (AwaitedReads > 0) --AwaitedReads;
}

void VxSNMPRequest2Controls::EndWrite() {
    if (AwaitedWrites > 0) --AwaitedWrites;
}

void VxSNMPRequest2Controls::EmitRefreshDone(VxSNMPError* reply) {
    // A copy: the handler may delete the controller, and with it the event.
    const TRefreshDoneEvent done = OnRefreshDone;
    done(this, reply);
}

void VxSNMPRequest2Controls::SetMsgCtrl(TMemo* memo) { MsgCtrl_ = memo; }
void VxSNMPRequest2Controls::SetMsgCtrl(TStatusBar* bar) { MsgCtrl_ = bar; }
void VxSNMPRequest2Controls::SetMsgCtrl(TStatusPanel* panel) { MsgCtrl_ = panel; }
void VxSNMPRequest2Controls::SetMsgCtrl(VxMessageSink* sink) { MsgCtrl_ = sink; }

void VxSNMPRequest2Controls::ShowMsg(const std::string& text) {
    if (!MsgCtrl_) return;
    std::string line = SnmpRequestFormats[LastOp ? 1 : 0];
    const size_t e = line.find("[ERROR]");
    const size_t v = line.find("[VARLIST]");
    if (Request.VarList.Name.empty()) {
        // Without a list name " Request:[VARLIST]" goes: from after [ERROR]
        // through [VARLIST].
        if (e != std::string::npos && v != std::string::npos && e <= v)
            line.erase(e + 7, v + 9 - (e + 7));
    } else {
        line = ReplaceAll(line, "[VARLIST]", Request.VarList.Name);
    }
    // A message that ends a sentence of its own takes the template's full
    // stop after it: one full stop, not two.
    const size_t error = line.find("[ERROR]");
    const bool stopFollows = error != std::string::npos && line.compare(error + 7, 1, ".") == 0;
    line = ReplaceAll(line, "[ERROR]", stopFollows && text.ends_with('.') ? text.substr(0, text.size() - 1) : text);
    line = ReplaceAll(line, "[TIME]", ResultLineTime());

    if (auto* memo = dynamic_cast<TMemo*>(MsgCtrl_))
        memo->Lines()->Add(line);
    else if (auto* bar = dynamic_cast<TStatusBar*>(MsgCtrl_))
        bar->SetSimpleText(line);
    else if (auto* panel = dynamic_cast<TStatusPanel*>(MsgCtrl_))
        panel->SetText(line);
    else if (auto* sink = dynamic_cast<VxMessageSink*>(MsgCtrl_))
        sink->PutLine(line, text == VxSNMPOkText(), this);
}

void VxSNMPRequest2Controls::ReportFailure(const std::string& message) {
    if (MsgCtrl_) {
        ShowMsg(message);
        return;
    }
    MessageBoxA(Owner ? Owner->Handle() : nullptr, message, ExtractFileName(Application->ExeName()), MB_OK);
}

void VxSNMPRequest2Controls::ShowError(VxSNMPError* reply) {
    LastOp = 0;
    ReportFailure(reply->Message);
}

void VxSNMPRequest2Controls::ShowSetError(VxSNMPError* reply) {
    LastOp = 1;
    ReportFailure(reply->Message);
}

bool VxSNMPRequest2Controls::IsTable() const {
    return Request.VarList.Kind == MVT_FMV || Request.VarList.Kind == MVT_UMV;
}

bool VxSNMPRequest2Controls::RowPasses() {
    std::string filter;
    if (AssociatedRequest && !FilterTemplate.empty())
        filter = AssociatedRequest->ExpandItemText(FilterTemplate, true, '#');
    return Request.MatchesCondition(filter) && Request.MatchesRowFilter();
}

void VxSNMPRequest2Controls::Refresh() {
    if (ReadsEnded) return;
    // A re-read ends the walk that runs, so that no row is shown twice or
    // mixed into the new one. Single reads are never superseded: overlapping
    // polls each report their own outcome.
    if (IsTable()) AbandonReads();
    LastOp = 0;
    BeforeRefresh();
    if (!Request.Alive) return;  // stopped
    if (Async) StartAsyncRead();
    else RefreshBlocking();
}

void VxSNMPRequest2Controls::RefreshBlocking() {
    const VxWatch alive = Life.Watch();
    const Use use(this);
    const unsigned reads = ReadGeneration;
    // Whether the read still runs after a call that may have let the message
    // loop run (a close stops it, a re-read supersedes it).
    auto goesOn = [&] { return alive && ReadGeneration == reads; };
    // Whether the next request still goes, once held input had its turn
    // where it goes through between requests (VxInputBetweenRequests).
    auto maySend = [&] {
        if (VxInputBetweenRequests::Active() && !VxLetMessagesRun(alive, VxInput::Deliver)) return false;
        return goesOn();
    };
    {
        const VxCountScope blocking(BlockingDepth, alive);
        if (!IsTable()) {
            if (!maySend()) return;
            Request.SyncGet(true);
            if (!goesOn()) return;
            if (RowPasses()) ShowRow();
        } else {
            for (bool more = maySend() && Request.SyncGet(true); more && goesOn();
                 more = maySend() && Request.SyncGet(false)) {
                if (RowPasses()) ShowRow();
                if (!goesOn()) return;
            }
        }
        if (!goesOn()) return;
        AfterRefresh();
    }
    if (alive && MsgCtrl_) ShowMsg(VxSNMPOkText());
}

void VxSNMPRequest2Controls::StartAsyncRead() {
    ++AwaitedReads;
    try {
        Request.AsyncGet([this](VxSNMPError* reply, VxSNMPVarList* list) { OnRefreshResponse(reply, list); }, true);
    } catch (...) {
        EndRead();
        throw;
    }
}

void VxSNMPRequest2Controls::OnRefreshResponse(VxSNMPError* reply, VxSNMPVarList*) {
    const VxWatch alive = Life.Watch();
    const unsigned reads = ReadGeneration;
    // Whether this read still runs after a call out: the controller may
    // have gone (a handler deleted it), been stopped, or started another
    // read that supersedes this one.
    auto goesOn = [&] { return alive && ReadGeneration == reads; };
    bool ended = false, reported = false;
    auto end = [&] {
        ended = true;
        EndRead();
    };
    auto done = [&](VxSNMPError* outcome) {
        reported = true;
        EmitRefreshDone(outcome);
    };
    try {
        if (reply->Code != 0) {
            end();
            ShowError(reply);
            if (goesOn()) done(reply);
            return;
        }
        if (!IsTable() || !reply->Done) {
            const bool more = IsTable() && Request.Alive;
            if (more) AskNextRowThenShow();
            else if (RowPasses()) ShowRow();
            if (!goesOn() || more) return;
        }
        AfterRefresh();
        if (!goesOn()) return;
        end();
        if (MsgCtrl_) {
            LastOp = 0;
            ShowMsg(VxSNMPOkText());
        }
        done(reply);
    } catch (const Exception& e) {
        if (!goesOn()) return;
        if (!ended) end();
        LastOp = 0;
        ReportFailure(e.Message());
        if (reported || !goesOn()) return;
        // Whatever waits for the read learns that it ended, and why.
        VxSNMPError failed = *reply;
        failed.Code = FailureCodeOf(e);
        failed.Message = e.Message();
        failed.Done = 1;
        done(&failed);
    }
}

void VxSNMPRequest2Controls::AskNextRowThenShow() {
    // The next row is asked for before this one is shown, so that the agent
    // answers while the row goes into the window. Its reply is taken into
    // the items only from the message loop, after this returns, so the row
    // shown is still this one.
    std::exception_ptr notSent;
    try {
        Request.AsyncGet([this](VxSNMPError* r, VxSNMPVarList* l) { OnRefreshResponse(r, l); }, false);
    } catch (...) {
        notSent = std::current_exception();  // the row that arrived is shown all the same
    }
    const VxWatch alive = Life.Watch();
    const unsigned reads = ReadGeneration;
    try {
        if (RowPasses()) ShowRow();
    } catch (...) {
        // A row that cannot be shown ends the walk: the next one goes unread.
        if (alive && ReadGeneration == reads) Request.CancelPendingReads();
        throw;
    }
    if (notSent) std::rethrow_exception(notSent);
}

void VxSNMPRequest2Controls::SetValues(bool refreshAfter, bool readControls) {
    // A read still on its way would show the values that this write
    // replaces.
    AbandonReads();
    WriteTaken = false;
    LastOp = 1;
    RefreshAfterSet = refreshAfter;
    BeforeSet();
    if (readControls) ReadControls();
    if (!Request.Alive) return;  // stopped
    if (Async) {
        StartAsyncWrite();
        return;
    }
    const VxWatch alive = Life.Watch();
    const Use use(this);
    const unsigned writes = WriteGeneration;
    {
        const VxCountScope blocking(BlockingDepth, alive);
        Request.SyncSet(false);
        if (!alive || WriteGeneration != writes) return;
        WriteTaken = true;
        AfterSet();
    }
    if (!alive) return;
    if (MsgCtrl_) ShowMsg(VxSNMPOkText());
    if (IsTable() && RefreshAfterSet) Refresh();
}

void VxSNMPRequest2Controls::StartAsyncWrite() {
    ++AwaitedWrites;
    try {
        Request.AsyncSet([this](VxSNMPError* reply, VxSNMPVarList* list) { OnSetResponse(reply, list); }, 0);
    } catch (...) {
        EndWrite();
        throw;
    }
}

void VxSNMPRequest2Controls::OnSetResponse(VxSNMPError* reply, VxSNMPVarList*) {
    const VxWatch alive = Life.Watch();
    const unsigned writes = WriteGeneration;
    auto goesOn = [&] { return alive && WriteGeneration == writes; };
    bool ended = false;
    auto end = [&] {
        ended = true;
        EndWrite();
    };
    try {
        if (reply->Code != 0) {
            end();
            ShowSetError(reply);
            return;
        }
        WriteTaken = true;
        AfterSet();
        if (!goesOn()) return;
        end();
        LastOp = 1;
        if (MsgCtrl_) ShowMsg(VxSNMPOkText());
        if (IsTable() && RefreshAfterSet) Refresh();
    } catch (const Exception& e) {
        if (!goesOn()) return;
        if (!ended) end();
        LastOp = 1;
        ReportFailure(e.Message());
    }
}
