#pragma once
// The controller that ties one SNMP request to a window: it reads a whole
// page (Refresh) and writes it (SetValues), blocking or asynchronously,
// hands each received row to its subclass, and writes the outcome of each
// operation as one result line to its message target (a memo, a status bar
// or a status-bar panel), or to a message box when it has none.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/VxOctets.h"
#include "framework/VxSNMPRequest.h"
#include "platform/Events.h"

class TObject;
class TMemo;
class TStatusBar;
class TStatusPanel;
class TWinControl;
class VxSNMPRequest2Controls;

using TRefreshDoneEvent = TEvent<VxSNMPRequest2Controls*, VxSNMPError*>;

class VxSNMPRequest2Controls {
public:
    explicit VxSNMPRequest2Controls(TWinControl* owner);
    virtual ~VxSNMPRequest2Controls();

    VxSNMPRequest2Controls(const VxSNMPRequest2Controls&) = delete;
    VxSNMPRequest2Controls& operator=(const VxSNMPRequest2Controls&) = delete;

    virtual void BeforeRefresh() {}
    virtual void BeforeSet() {}
    // One result of a scalar or single-row list, or one row of a table walk,
    // has been taken into the var list's items.
    virtual void ShowRow() = 0;
    // Copies the controls into the items' value texts before a write.
    virtual void ReadControls() {}
    virtual void ShowError(VxSNMPError* reply);
    virtual void ShowSetError(VxSNMPError* reply);
    virtual void AfterRefresh() {}
    virtual void AfterSet() {}

    void SetMsgCtrl(TMemo* memo);
    void SetMsgCtrl(TStatusBar* bar);
    void SetMsgCtrl(TStatusPanel* panel);
    TObject* MsgCtrl() const { return MsgCtrl_; }

    // One result line from the template of the last operation started.
    void ShowMsg(const std::string& text);

    void Refresh();
    void SetValues(bool refreshAfter, bool readControls, const std::string& itemList = {},
                   const std::vector<std::string>* values = nullptr);

    void OnRefreshResponse(VxSNMPError* reply, VxSNMPVarList* list);
    void OnSetResponse(VxSNMPError* reply, VxSNMPVarList* list);

    // The request of another controller whose values a filter template
    // ("#3 = 5") refers to; neither is set by any page of the module.
    VxSNMPRequest* AssociatedRequest = nullptr;
    std::string FilterTemplate;

    static Octets TextToOctets(const std::string& text, int syntax) { return ::TextToOctets(text, syntax); }
    static std::string OctetsToText(const Octets& bytes, int syntax) { return ::OctetsToText(bytes, syntax); }
    static Octets ExtractPart(const Octets& bytes, int offset, int syntax) {
        return ::ExtractPart(bytes, offset, syntax);
    }

    // Ends a table walk that is still running: its replies are dropped from
    // now on, and the one request it has out is let come back first (bounded
    // by the time-outs), so that two walks never share the request. A write
    // or a re-read does this first.
    void StopWalk();
    // Every reply still on its way is dropped when it arrives, and nothing is
    // awaited any more (Busy drops).
    void DropPendingReplies();

    VxSNMPRequest Request;
    TRefreshDoneEvent OnRefreshDone;
    uint8_t Async = 1;
    uint8_t Busy = 0;
    TWinControl* Owner;
    uint32_t LastOp = 0;  // 0 the get template, 1 the set template
    uint8_t RefreshAfterSet = 1;

protected:
    // Shows a failure: in the result line, or in a message box without a
    // message target.
    void ReportFailure(const std::string& message);
    bool RowPasses();


private:
    bool IsTable() const;
    bool Wanted(unsigned epoch, unsigned chain) const;
    // Busy until the reply of what `send` sends; nothing is sent while
    // Alive is clear.
    void StartAsync(const std::function<void()>& send);
    VxSNMPContinuation RefreshContinuation();
    VxSNMPContinuation SetContinuation();

    TObject* MsgCtrl_ = nullptr;
    bool WalkRunning = false;
    int ResponseDepth = 0;  // reply handlers of this controller running
    bool Dying = false;
    unsigned Epoch = 0;  // replies sent before DropPendingReplies are dropped
    unsigned Chain = 0;  // the walk whose replies are awaited
    unsigned ChainCounter = 0;
};

// "hh:nn:ss AM" of the local time now.
std::string ResultLineTime();
