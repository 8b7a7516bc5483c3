#include "VxSNMPRequest2Controls.h"

#include <chrono>
#include <cstdio>

#include "common/TDateTime.h"
#include "common/VxExpression.h"
#include "framework/SnmpTransport.h"
#include "framework/VxSNMPMessages.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace {

// Busy drops on every path out of a blocking operation.
class BusyScope {
public:
    explicit BusyScope(uint8_t& busy) : Busy(busy) { Busy = 1; }
    ~BusyScope() { Busy = 0; }

private:
    uint8_t& Busy;
};

// Marks that a reply handler of the controller is running, so that a walk
// stopped from inside it is not waited for.
class DepthScope {
public:
    explicit DepthScope(int& depth) : Depth(depth) { ++Depth; }
    ~DepthScope() { --Depth; }

private:
    int& Depth;
};

// What a reply handler raises shows in the standard exception box, as an
// exception from any other event does.
const bool FailuresShown = [] {
    SnmpTransport::SetFailureHook([](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            ShowCurrentException();
        }
    });
    return true;
}();

}  // namespace

std::string ResultLineTime() {
    const DateTimeParts now = DecodeDateTime(DateTimeNow());
    const int hour = now.Hour % 12 == 0 ? 12 : now.Hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour, now.Minute, now.Second, now.Hour < 12 ? "AM" : "PM");
    return text;
}

VxSNMPRequest2Controls::VxSNMPRequest2Controls(TWinControl* owner) : Owner(owner) {}

VxSNMPRequest2Controls::~VxSNMPRequest2Controls() {
    Busy = 0;
    // Replies that the request's destructor still waits for must not reach
    // a controller that is half gone.
    Dying = true;
}

void VxSNMPRequest2Controls::SetMsgCtrl(TMemo* memo) { MsgCtrl_ = memo; }
void VxSNMPRequest2Controls::SetMsgCtrl(TStatusBar* bar) { MsgCtrl_ = bar; }
void VxSNMPRequest2Controls::SetMsgCtrl(TStatusPanel* panel) { MsgCtrl_ = panel; }

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
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", ResultLineTime());

    if (auto* memo = dynamic_cast<TMemo*>(MsgCtrl_))
        memo->Lines()->Add(line);
    else if (auto* bar = dynamic_cast<TStatusBar*>(MsgCtrl_))
        bar->SetSimpleText(line);
    else if (auto* panel = dynamic_cast<TStatusPanel*>(MsgCtrl_))
        panel->SetText(line);
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

// A reply reaches the controller unless the controller is going, its
// replies were dropped after it was sent, or it belongs to a walk that has
// been stopped. Replies of single reads and of writes are never superseded
// by later ones: overlapping polls each report their own outcome.
bool VxSNMPRequest2Controls::Wanted(unsigned epoch, unsigned chain) const {
    return !Dying && epoch == Epoch && (chain == 0 || chain == Chain);
}

VxSNMPContinuation VxSNMPRequest2Controls::RefreshContinuation() {
    const unsigned epoch = Epoch, chain = IsTable() ? Chain : 0;
    return [this, epoch, chain](VxSNMPError* reply, VxSNMPVarList* list) {
        if (Wanted(epoch, chain)) OnRefreshResponse(reply, list);
    };
}

VxSNMPContinuation VxSNMPRequest2Controls::SetContinuation() {
    const unsigned epoch = Epoch;
    return [this, epoch](VxSNMPError* reply, VxSNMPVarList* list) {
        if (Wanted(epoch, 0)) OnSetResponse(reply, list);
    };
}

void VxSNMPRequest2Controls::DropPendingReplies() {
    ++Epoch;
    Chain = 0;
    WalkRunning = false;
    Busy = 0;
}

void VxSNMPRequest2Controls::StopWalk() {
    if (!WalkRunning) return;
    // From now on the walk's replies are dropped, so no row of it is shown
    // twice or mixed into what follows.
    WalkRunning = false;
    Chain = 0;
    Busy = 0;
    if (ResponseDepth > 0) return;  // stopped from inside a reply: nothing more is out
    // The walk keeps one request out; let it come back before the request is
    // used again, since taking it in changes the items. The session ends
    // every request by its time-out at the latest.
    const auto attempts = std::chrono::milliseconds(10L * Request.Timeout * (Request.Retries + 1));
    const auto deadline = std::chrono::steady_clock::now() + attempts * 2 + std::chrono::seconds(3);
    while (Request.Pending > 0 && std::chrono::steady_clock::now() < deadline) Application->HandleMessage();
}

void VxSNMPRequest2Controls::Refresh() {
    if (IsTable()) StopWalk();
    LastOp = 0;
    BeforeRefresh();
    if (IsTable()) Chain = ++ChainCounter;
    if (!Async) {
        {
            BusyScope busy(Busy);
            if (!IsTable()) {
                Request.SyncGet(true);
                if (RowPasses()) ShowRow();
            } else {
                for (bool more = Request.SyncGet(true); more; more = Request.SyncGet(false))
                    if (RowPasses()) ShowRow();
            }
            AfterRefresh();
        }
        if (MsgCtrl_) ShowMsg(VxSNMPOkText());
        return;
    }
    StartAsync([&] {
        WalkRunning = IsTable();
        Request.AsyncGet(RefreshContinuation(), true);
    });
}

void VxSNMPRequest2Controls::StartAsync(const std::function<void()>& send) {
    Busy = 1;
    if (!Request.Alive) {
        Busy = 0;
        return;
    }
    try {
        send();
    } catch (...) {
        Busy = 0;
        WalkRunning = false;
        throw;
    }
}

void VxSNMPRequest2Controls::OnRefreshResponse(VxSNMPError* reply, VxSNMPVarList*) {
    DepthScope depth(ResponseDepth);
    const unsigned epoch = Epoch, chain = IsTable() ? Chain : 0;
    try {
        if (reply->Code != 0) {
            Busy = 0;
            WalkRunning = false;
            ShowError(reply);
            OnRefreshDone(this, reply);
            return;
        }
        if (!IsTable()) {
            if (RowPasses()) ShowRow();
        } else if (!reply->Done) {
            if (RowPasses()) ShowRow();
            if (!Wanted(epoch, chain)) return;  // stopped while the row was shown
            if (Request.Alive) {
                Request.AsyncGet(RefreshContinuation(), false);
                return;
            }
        }
        if (!Wanted(epoch, chain)) return;
        AfterRefresh();
        Busy = 0;
        WalkRunning = false;
        if (MsgCtrl_) {
            LastOp = 0;
            ShowMsg(VxSNMPOkText());
        }
        OnRefreshDone(this, reply);
    } catch (const Exception& e) {
        Busy = 0;
        WalkRunning = false;
        LastOp = 0;
        ReportFailure(e.Message());
    }
}

void VxSNMPRequest2Controls::SetValues(bool refreshAfter, bool readControls, const std::string& itemList,
                                       const std::vector<std::string>* values) {
    if (IsTable()) StopWalk();
    LastOp = 1;
    RefreshAfterSet = refreshAfter;
    BeforeSet();
    if (readControls) ReadControls();
    if (!Async) {
        {
            BusyScope busy(Busy);
            Request.SyncSet(false, itemList, values);
            AfterSet();
        }
        if (MsgCtrl_) ShowMsg(VxSNMPOkText());
        if (IsTable() && RefreshAfterSet) Refresh();
        return;
    }
    StartAsync([&] { Request.AsyncSet(SetContinuation(), 0, itemList, values); });
}

void VxSNMPRequest2Controls::OnSetResponse(VxSNMPError* reply, VxSNMPVarList*) {
    DepthScope depth(ResponseDepth);
    try {
        if (reply->Code != 0) {
            Busy = 0;
            ShowSetError(reply);
            return;
        }
        AfterSet();
        Busy = 0;
        LastOp = 1;
        if (MsgCtrl_) ShowMsg(VxSNMPOkText());
        if (IsTable() && RefreshAfterSet) Refresh();
    } catch (const Exception& e) {
        Busy = 0;
        LastOp = 1;
        ReportFailure(e.Message());
    }
}
