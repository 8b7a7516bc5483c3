#pragma once
// One SNMP request context: a copy of the session settings, a var list, and
// the reads (get for a scalar group or one row, get-next walks for tables)
// and writes (set) of its items, blocking or asynchronous.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/SnmpValues.h"
#include "framework/VxLifetime.h"
#include "framework/VxSNMPSession.h"
#include "framework/VxSNMPVarList.h"

struct SnmpTarget;
struct SnmpReply;
enum class PduKind;

// The reply record handed to the continuation of every asynchronous read
// or write.
struct VxSNMPError {
    int Code = 0;  // 0 success, else the status code of the failure
    int ErrorIndex = 0;
    std::string Message;
    VxSNMPDevice Device;  // the agent that answered
    uint8_t Done = 0;     // 1: no further request follows
};

// Called once per asynchronous reply, on the GUI thread.
using VxSNMPContinuation = std::function<void(VxSNMPError* reply, VxSNMPVarList* list)>;

class VxSNMPRequest {
public:
    VxSNMPRequest();
    virtual ~VxSNMPRequest();

    VxSNMPRequest(const VxSNMPRequest&) = delete;
    VxSNMPRequest& operator=(const VxSNMPRequest&) = delete;

    void LoadDefaults();

    // Blocking read; true when a table row was received and the walk may go on.
    bool SyncGet(bool first);
    // Asynchronous read; the continuation is called once per reply.
    void AsyncGet(VxSNMPContinuation continuation, bool first);
    // Blocking write of the writable items, or of the positions in
    // `itemList` ("2,5"; empty for all), with optional new value texts.
    // A write that would carry no binding (every value chosen is one the
    // agent lacks, or none is chosen) is refused before anything is sent,
    // asynchronous ones too (IsNothingToWrite, VxSNMPMessages.h).
    bool SyncSet(bool readBack, const std::string& itemList = {},
                 const std::vector<std::string>* values = nullptr);
    void AsyncSet(VxSNMPContinuation continuation, uint8_t flag, const std::string& itemList = {},
                  const std::vector<std::string>* values = nullptr);

    // Withdraws the asynchronous requests still on their way (reads only, or
    // all): their replies are dropped unseen, nothing of them is taken into
    // the items, no continuation runs, and Pending counts them no more.
    void CancelPendingReads();
    void CancelPending();

    // How long a wait gives one request of this one to be answered or to
    // time out; past it, the session has lost the request.
    std::chrono::milliseconds AnswerLimit() const;

    bool MatchesRowFilter();
    bool MatchesCondition(const std::string& condition);

    // Replaces item references ("$3") in a text by the items' values.
    virtual std::string ExpandItemText(const std::string& text, bool quote, char marker);
    // Index item `pos` takes its value from the front of the instance; the rest is returned.
    virtual std::string TakeIndexValue(int pos, const std::string& instance);
    virtual void IndexValueText(int pos, std::string& text);
    virtual void StoreValue(int pos, const Vb& vb);
    virtual void LoadValue(int pos, Vb& vb);
    // Applies the item's expression: after a reply (Aux1) or before a set (Aux2).
    virtual void UpdateItem(int pos, bool afterReply);
    virtual bool EvaluateCondition(const std::string& text);
    // Whether a walk has left the column `base`: the answer `now` lies
    // outside it, or does not come after the OID `previous` that was asked.
    virtual bool IsEndOfTable(const std::string& base, const std::string& previous, const std::string& now);

    uint8_t NextRow = 0;
    uint32_t Timeout = 0;  // per attempt, in 10 ms units
    uint32_t Retries = 1;
    VxSNMPDevice Device;
    VxSNMPScope Scope;
    VxSNMPSecurity Security;
    VxSNMPVarList VarList;
    std::string RowFilter;
    uint8_t Alive = 1;  // 0: every operation returns at once without sending
    int Pending = 0;    // asynchronous requests sent and not yet completed

private:
    enum class Mode { FirstRead, NextRead, Write };
    struct Outgoing;  // one asynchronous request on its way

    // Sends without waiting; the completion runs unless the request is
    // withdrawn first.
    int SendAsync(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, bool isRead,
                  std::function<void(Outgoing*, int, const SnmpReply&)> completion);
    // Sends and waits for the reply or the time-out; meanwhile timers, paints
    // and other requests' replies go on, and input to the windows is held.
    int SendAndWait(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, SnmpReply& reply);
    // An asynchronous request has come back: Pending counts it no more.
    void Settle(Outgoing* outgoing);
    void Cancel(bool readsOnly);

    std::string Base(int pos) const;
    SnmpTarget SetupTarget(bool write) const;
    std::vector<Vb> BuildPdu(Mode mode);
    std::string RowInstanceFromIndexes();
    void SplitRowInstance(const std::string& instance);
    // Takes a reply's bindings into the items; true when a table row arrived.
    // `getNext`: the reply answers a read (for a table, a get-next).
    bool TakeReply(const SnmpReply& reply, bool noSuchName, bool getNext = true);
    // The set PDU for the item list, and its target; the items are left as
    // they were.
    std::vector<Vb> BuildWrite(const std::string& itemList, const std::vector<std::string>* values,
                               SnmpTarget& target);
    void MarkItemsForWrite(const std::string& itemList, const std::vector<std::string>* values);
    void OnAsyncResponse(Outgoing* outgoing, int reason, const SnmpReply& reply, bool isRead, uint8_t flag,
                         const VxSNMPContinuation& continuation);
    PduKind SendKind() const;

    std::vector<std::shared_ptr<Outgoing>> OnTheirWay;
    VxLifeline Life;
};
