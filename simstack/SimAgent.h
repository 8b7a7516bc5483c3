#pragma once
// The simulated stack's SNMP agent on net-snmp's agent library: net-snmp
// speaks the protocol and keeps USM, VACM and the SNMPv3 MIB tables; one
// handler of ours serves the object tree under every subtree it holds.
// One agent per process (net-snmp's agent state is global).

#include <sys/select.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "simstack/Control.h"
#include "simstack/Description.h"
#include "simstack/ObjectTree.h"
#include "simstack/StackModel.h"

struct snmp_pdu;
struct snmp_session;
struct netsnmp_transport_s;

namespace simstack {

struct AgentOptions {
    uint16_t port = 0;          // 0: a free one
    std::string stateDir;       // net-snmp's configuration, persistent state and log
    std::string controlPath;
    std::string tracePath;
    std::string readCommunity;
    std::string writeCommunity;
    std::vector<UsmUser> users;
    std::vector<TrapSink> trapSinks;
};

class SimAgent {
public:
    SimAgent(AgentOptions options, ObjectTree& tree, StackModel& stack);
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Configures net-snmp, registers the tree and opens 127.0.0.1:<port>
    // and, where the host has IPv6, [::1]:<port>.
    // Returns the bound port. Throws std::runtime_error.
    uint16_t Start();

    // Serves requests until stop becomes nonzero.
    void Run(const volatile std::sig_atomic_t& stop);

    // Internal: called by net-snmp (see SimAgent.cpp).
    int OnPacket(int operation, snmp_session* session, int requestId, snmp_pdu* pdu, void* magic);
    ObjectTree& Tree() { return tree_; }
    FaultState& Faults() { return faults_; }

private:
    struct HeldRequest {
        std::chrono::steady_clock::time_point due;
        snmp_pdu* pdu;
        snmp_session* session;
        int requestId;
        void* magic;
    };

    void WriteConfiguration() const;
    void RegisterTree();
    void PollControl();
    void TakeOnEngineId(const std::string& engineId);
    void Restart();
    std::pair<netsnmp_transport_s*, netsnmp_transport_s*> OpenLoopbackTransports() const;
    snmp_session* ServeOn(netsnmp_transport_s* transport);
    void DrainSockets(fd_set& readable) const;
    int Dispatch(snmp_session* session, int requestId, snmp_pdu* pdu, void* magic);
    void TraceSet(const snmp_pdu* pdu) const;
    void ReleaseDueRequests(bool all);
    std::chrono::milliseconds TimeToNextDue() const;

    AgentOptions options_;
    ObjectTree& tree_;
    StackModel& stack_;
    FaultState faults_;
    ControlChannel control_;
    std::deque<HeldRequest> held_;
    std::vector<int> sockets_;
    bool started_ = false;
};

}  // namespace simstack
