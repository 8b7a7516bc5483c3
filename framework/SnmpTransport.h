#pragma once
// The module's one SNMP session, on net-snmp: sends get, get-next and set
// PDUs to a target, asynchronously or blocking, and hands replies,
// time-outs and failures back as library status values that MapSnmpStatus
// understands.
//
// Completions are never delivered from inside net-snmp: they are queued
// while net-snmp reads and times out requests, and run afterwards, so a
// completion may send again, or wait for a blocking request, safely.
// Nothing here blocks the caller: a blocking request sends asynchronously
// and waits through ProcessPendingEvents.

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/SnmpValues.h"

// Where and how a PDU goes.
struct SnmpTarget {
    std::string Address;
    uint16_t Port = 161;
    uint8_t Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string Community;
    int SecurityModel = 3;
    int SecurityLevel = 1;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string SecurityName;
    int AuthProtocol = 1;  // 1 none, 2 MD5, 3 SHA
    int PrivProtocol = 1;  // 1 none, 2 DES
    std::string AuthPassword;
    std::string PrivPassword;
    std::string ContextName;
    std::string ContextEngineId;  // hex text; empty: the agent's own
    uint32_t Timeout = 100;       // per attempt, in 10 ms units
    uint32_t Retries = 1;
};

enum class PduKind { Get, GetNext, Set };

// Callback reasons.
enum SnmpCallbackReason : int {
    SNMP_REASON_TIMEOUT = -5,
    SNMP_REASON_RESPONSE = -6,
    SNMP_REASON_SESSION_CLOSING = -8,
};

struct SnmpReply {
    int Status = 0;  // 0, an error status 1..18, or a library/USM/v3 status
    int ErrorIndex = 0;
    std::vector<Vb> Vbs;
    std::string Address;  // the target that answered
    uint16_t Port = 0;
};

// Called once per asynchronous send with the callback reason and the reply.
using SnmpCompletion = std::function<void(int reason, const SnmpReply& reply)>;

// Completions run from the event pump, so nothing they raise may cross the
// event loop: it is handed to the failure hook, which the window layer
// installs to show it in the standard exception box. Without a hook the
// message goes to standard error.
using SnmpFailureHook = std::function<void(std::exception_ptr failure)>;

// Looks a host name up: true and its address as numeric text (IPv4 dotted,
// or IPv6), or false.
using SnmpHostLookUp = std::function<bool(const std::string& name, std::string& numeric)>;

class SnmpTransport {
public:
    // The process-wide session; creates it on first use.
    static SnmpTransport& Instance();
    // Resolves an agent address (IPv4 text, IPv6 text bare or in brackets,
    // or a host name, taken at its IPv4 address if it has one) to numeric
    // text; false when it names no address. Each name is looked up once (one
    // that named nothing again after a while).
    static bool ResolveAddress(const std::string& text, std::string& numeric);
    // Replaces how host names are looked up (empty: the system's resolver).
    static void SetHostLookUp(SnmpHostLookUp lookUp);
    // Closes every net-snmp session at exit, without delivering anything.
    static void Shutdown();
    // Replaces the failure hook (empty: standard error again).
    static void SetFailureHook(SnmpFailureHook hook);

    // Sends without waiting. Returns 0, or a library status when the PDU
    // could not be sent (the completion is then never called). `owner`
    // names the requester so that CancelOwner can withdraw its completions.
    int AsyncSend(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, const void* owner,
                  SnmpCompletion completion);
    // Completions of `owner` still outstanding are dropped when they arrive.
    void CancelOwner(const void* owner);

    // Handles what is pending on every session (arrived replies,
    // retransmissions, time-outs), waiting at most `waitMs` for something to
    // arrive, then runs the queued completions. A blocking request is an
    // asynchronous one and a wait (VxLifetime.h) that calls this.
    void ProcessPendingEvents(int waitMs = 0);
    // Reads what arrived on one session socket, then runs the completions;
    // the pump's notifiers call it as soon as a reply is there.
    void ReadSocket(int fd);

    // The module's own SNMPv3 engine id and boot counter.
    void SetLocalEngine(const std::string& engineId, unsigned boots);

    // Sockets of the open sessions, for the event pump's notifiers.
    std::vector<int> SocketDescriptors() const;
    // Called when the set of sockets changes.
    std::function<void()> OnSocketsChanged;
    // Whether anything awaits a reply, a retransmission or a time-out: the
    // event pump may rest while nothing does.
    bool HasOutstanding() const;
    // Called before every asynchronous send, so that a resting pump wakes.
    std::function<void()> OnSend;

    ~SnmpTransport();

    struct Session;
    struct Outstanding;

private:
    SnmpTransport();

    Session* SessionFor(const SnmpTarget& target, int& status);
    int SendOn(Session& session, PduKind kind, const std::vector<Vb>& vbs, const SnmpTarget& target,
               std::shared_ptr<Outstanding> out);
    void StartProbe(Session& session);
    void ReadAndTimeOut(int waitMs);
    bool AwaitNewEngine(Session& session, int reqid);
    void Rediscover(Session& session, int reqid, bool onlyToANewEngine);
    void ResendToNewEngine(Session& session);
    void Forget(Session& session, int reqid);
    void ExpireOverdue();
    void FlushSessionsWaitingForEngine();
    void RunQueuedCompletions();
    friend int NetSnmpCallback(int, struct snmp_session*, int, struct snmp_pdu*, void*);

    std::map<std::string, std::unique_ptr<Session>> Sessions;
    std::vector<std::pair<std::shared_ptr<Outstanding>, int>> Queue;  // completions ready to run
};

// net-snmp's error numbers (SNMPERR_*) as the library status values of the
// message tables.
int MapNetSnmpError(int snmpErr);
