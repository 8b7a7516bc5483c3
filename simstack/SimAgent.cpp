#include "simstack/SimAgent.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
// clang-format on

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

// net-snmp's modules for its own SNMPv3 tables (USM, VACM, engine, target,
// notification); libnetsnmpmibs exports them but installs no header for them.
extern "C" {
void init_usmUser(void);
void init_usmStats(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_target_counters(void);
extern netsnmp_session* main_session;
}

namespace simstack {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAppName = "kxsimstack";
constexpr auto kControlPollInterval = std::chrono::milliseconds(10);

SimAgent* g_agent = nullptr;

std::vector<oid> ToNetSnmp(const Oid& value) { return {value.begin(), value.end()}; }

Oid FromNetSnmp(const oid* name, size_t length) {
    Oid value(length);
    for (size_t i = 0; i < length; ++i) value[i] = static_cast<uint32_t>(name[i]);
    return value;
}

Oid NameOf(const netsnmp_variable_list& varbind) { return FromNetSnmp(varbind.name, varbind.name_length); }

std::optional<Value> ValueOf(const netsnmp_variable_list& varbind) {
    Value value;
    switch (varbind.type) {
        case ASN_INTEGER:
            value.type = ValueType::Integer;
            value.integer = *varbind.val.integer;
            return value;
        case ASN_GAUGE:
            value.type = ValueType::Unsigned;
            break;
        case ASN_COUNTER:
            value.type = ValueType::Counter;
            break;
        case ASN_TIMETICKS:
            value.type = ValueType::TimeTicks;
            break;
        case ASN_COUNTER64:
            value.type = ValueType::Counter64;
            value.unsignedNumber = (static_cast<uint64_t>(varbind.val.counter64->high) << 32) |
                                   static_cast<uint32_t>(varbind.val.counter64->low);
            return value;
        case ASN_IPADDRESS:
        case ASN_OCTET_STR:
            value.type = varbind.type == ASN_IPADDRESS ? ValueType::IpAddress : ValueType::String;
            value.octets.assign(reinterpret_cast<const char*>(varbind.val.string), varbind.val_len);
            return value;
        case ASN_OBJECT_ID:
            value.type = ValueType::ObjectId;
            value.objectId = FromNetSnmp(varbind.val.objid, varbind.val_len / sizeof(oid));
            return value;
        default:
            return std::nullopt;
    }
    value.unsignedNumber = static_cast<uint32_t>(*varbind.val.integer);
    return value;
}

void Answer(netsnmp_variable_list* varbind, const Value& value) {
    switch (value.type) {
        case ValueType::Integer: {
            const long number = static_cast<long>(value.integer);
            snmp_set_var_typed_value(varbind, ASN_INTEGER, &number, sizeof number);
            return;
        }
        case ValueType::Unsigned:
        case ValueType::Counter:
        case ValueType::TimeTicks: {
            const u_long number = static_cast<u_long>(value.unsignedNumber);
            const u_char type = value.type == ValueType::Unsigned  ? ASN_GAUGE
                                : value.type == ValueType::Counter ? ASN_COUNTER
                                                                   : ASN_TIMETICKS;
            snmp_set_var_typed_value(varbind, type, &number, sizeof number);
            return;
        }
        case ValueType::Counter64: {
            counter64 number{};
            number.high = static_cast<u_long>(value.unsignedNumber >> 32);
            number.low = static_cast<u_long>(value.unsignedNumber & 0xFFFFFFFFu);
            snmp_set_var_typed_value(varbind, ASN_COUNTER64, &number, sizeof number);
            return;
        }
        case ValueType::IpAddress:
        case ValueType::String:
            snmp_set_var_typed_value(varbind, value.type == ValueType::IpAddress ? ASN_IPADDRESS : ASN_OCTET_STR,
                                     value.octets.data(), value.octets.size());
            return;
        case ValueType::ObjectId: {
            const std::vector<oid> objectId = ToNetSnmp(value.objectId);
            snmp_set_var_typed_value(varbind, ASN_OBJECT_ID, objectId.data(), objectId.size() * sizeof(oid));
            return;
        }
    }
}

// One trace line: OID, type, value.
std::string TraceLine(const netsnmp_variable_list& varbind) {
    const std::string name = FormatOid(NameOf(varbind));
    if (const auto value = ValueOf(varbind)) {
        return name + " " + std::string(TypeName(value->type)) + " " + FormatValue(*value);
    }
    if (varbind.type == ASN_NULL) return name + " null";
    char type[16];
    std::snprintf(type, sizeof type, "asn-0x%02x", static_cast<unsigned>(varbind.type));
    std::string hex;
    for (size_t i = 0; i < varbind.val_len; ++i) {
        char octet[4];
        std::snprintf(octet, sizeof octet, "%02x", static_cast<unsigned>(varbind.val.string[i]));
        hex += octet;
    }
    return name + " " + type + " " + hex;
}

// ---------------------------------------------------------------- the handler

// The set of one PDU under one registration, kept from RESERVE2 to UNDO.
struct SetTransaction {
    SetPlan plan;
    SetUndo undo;
    bool applied = false;
};

void FreeTransaction(void* transaction) { delete static_cast<SetTransaction*>(transaction); }

std::string TransactionName(const Oid& root) { return std::string(kAppName) + ":" + FormatOid(root); }

// The read fault: the first read that asks within its subtree is refused
// whole, with its status, and the fault is spent.
bool RefuseRead(FaultState& faults, netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    if (!faults.failNextRead) return false;
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        if (!StartsWith(NameOf(*request->requestvb), faults.failNextRead->subtree)) continue;
        netsnmp_set_request_error(info, request, faults.failNextRead->status);
        faults.failNextRead.reset();
        return true;
    }
    return false;
}

void AnswerGet(ObjectTree& tree, netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        const ObjectTree::ReadResult result = tree.Get(NameOf(*request->requestvb));
        switch (result.kind) {
            case ObjectTree::ReadKind::Found:
                Answer(request->requestvb, result.value);
                break;
            case ObjectTree::ReadKind::NoSuchInstance:
                netsnmp_set_request_error(info, request, SNMP_NOSUCHINSTANCE);
                break;
            case ObjectTree::ReadKind::NoSuchObject:
                netsnmp_set_request_error(info, request, SNMP_NOSUCHOBJECT);
                break;
        }
    }
}

// An agent that cycles: past the last row of a table column, get-next
// answers with the column's first row again.
void CycleBack(const ObjectTree& tree, const Oid& asked, std::optional<std::pair<Oid, Value>>& next) {
    const auto column = tree.ColumnOf(asked);
    if (!column || (next && StartsWith(next->first, *column))) return;
    if (auto first = tree.Next(*column); first && StartsWith(first->first, *column)) next = std::move(first);
}

// A binding left unanswered makes net-snmp look in the next registered subtree.
void AnswerGetNext(ObjectTree& tree, const Oid& root, const FaultState& faults, netsnmp_request_info* requests) {
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        const Oid asked = NameOf(*request->requestvb);
        if (faults.repeatGetNext) {
            // An agent that repeats itself: the OID asked for comes back.
            const ObjectTree::ReadResult same = tree.Get(asked);
            if (same.kind == ObjectTree::ReadKind::Found) {
                Answer(request->requestvb, same.value);
            } else if (const auto next = tree.Next(asked); next && StartsWith(next->first, root)) {
                Answer(request->requestvb, next->second);
            }
            continue;
        }
        auto next = tree.Next(asked, request->inclusive != 0);
        if (faults.cycleGetNext) CycleBack(tree, asked, next);
        if (!next || !StartsWith(next->first, root)) continue;
        const std::vector<oid> name = ToNetSnmp(next->first);
        snmp_set_var_objid(request->requestvb, name.data(), name.size());
        Answer(request->requestvb, next->second);
    }
}

void CheckSet(ObjectTree& tree, FaultState& faults, netsnmp_agent_request_info* info,
              netsnmp_request_info* requests) {
    if (faults.failNextSet && requests != nullptr) {
        netsnmp_set_request_error(info, requests, *faults.failNextSet);
        faults.failNextSet.reset();
        return;
    }
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        const SnmpStatus status = tree.Check({NameOf(*request->requestvb), ValueOf(*request->requestvb)});
        if (status != NoError) {
            netsnmp_set_request_error(info, request, status);
            return;
        }
    }
}

void PlanSet(ObjectTree& tree, const Oid& root, netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    std::vector<Varbind> varbinds;
    std::vector<netsnmp_request_info*> sources;
    for (netsnmp_request_info* request = requests; request != nullptr; request = request->next) {
        varbinds.push_back({NameOf(*request->requestvb), ValueOf(*request->requestvb)});
        sources.push_back(request);
    }
    auto transaction = std::make_unique<SetTransaction>();
    if (const auto failure = tree.Plan(varbinds, transaction->plan)) {
        netsnmp_set_request_error(info, sources[failure->position], failure->status);
        return;
    }
    netsnmp_agent_add_list_data(
        info, netsnmp_create_data_list(TransactionName(root).c_str(), transaction.release(), FreeTransaction));
}

SetTransaction* TransactionOf(const Oid& root, netsnmp_agent_request_info* info) {
    return static_cast<SetTransaction*>(netsnmp_agent_get_list_data(info, TransactionName(root).c_str()));
}

void Handle(netsnmp_handler_registration* registration, netsnmp_agent_request_info* info,
            netsnmp_request_info* requests) {
    ObjectTree& tree = g_agent->Tree();
    const Oid root = FromNetSnmp(registration->rootoid, registration->rootoid_len);
    switch (info->mode) {
        case MODE_GET:
            if (!RefuseRead(g_agent->Faults(), info, requests)) AnswerGet(tree, info, requests);
            break;
        case MODE_GETNEXT:
            if (!RefuseRead(g_agent->Faults(), info, requests)) AnswerGetNext(tree, root, g_agent->Faults(), requests);
            break;
        case MODE_SET_RESERVE1:
            CheckSet(tree, g_agent->Faults(), info, requests);
            break;
        case MODE_SET_RESERVE2:
            PlanSet(tree, root, info, requests);
            break;
        case MODE_SET_ACTION:
            if (SetTransaction* transaction = TransactionOf(root, info)) {
                try {
                    transaction->undo = tree.Apply(transaction->plan);
                    transaction->applied = true;
                } catch (const std::exception&) {
                    netsnmp_set_request_error(info, requests, SNMP_ERR_COMMITFAILED);
                }
            }
            break;
        case MODE_SET_UNDO:
            if (SetTransaction* transaction = TransactionOf(root, info); transaction && transaction->applied) {
                tree.Undo(transaction->undo);
                transaction->applied = false;
            }
            break;
        default:  // COMMIT and FREE: the transaction goes with the request
            break;
    }
}

int HandleTree(netsnmp_mib_handler*, netsnmp_handler_registration* registration, netsnmp_agent_request_info* info,
               netsnmp_request_info* requests) {
    // Nothing may unwind through net-snmp's C frames.
    try {
        Handle(registration, info, requests);
    } catch (const std::exception& error) {
        snmp_log(LOG_ERR, "%s: %s\n", kAppName, error.what());
        netsnmp_set_request_error(info, requests, SNMP_ERR_GENERR);
    }
    return SNMP_ERR_NOERROR;
}

int PacketCallback(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu, void* magic) {
    return g_agent->OnPacket(operation, session, requestId, pdu, magic);
}

// "NAME AUTH AUTHPASS [PRIV PRIVPASS]", as net-snmp's createUser takes them.
std::string CreateUserArguments(const UsmUser& user) {
    std::string arguments = user.name + ' ' + user.authProtocol + ' ' + user.authPassword;
    if (!user.privProtocol.empty()) arguments += ' ' + user.privProtocol + ' ' + user.privPassword;
    return arguments;
}

std::string LocalEngineId() {
    u_char id[64];
    const size_t length = snmpv3_get_engineID(id, sizeof id);
    return std::string(reinterpret_cast<const char*>(id), length);
}

void RemoveUsersOfEngine(const std::string& engineId) {
    for (usmUser* user = usm_get_userList(); user != nullptr;) {
        usmUser* next = user->next;
        if (std::string(reinterpret_cast<const char*>(user->engineID), user->engineIDLen) == engineId) {
            usm_remove_user(user);  // returns the list's head, not the user
            user->next = user->prev = nullptr;
            usm_free_user(user);
        }
        user = next;
    }
}

uint16_t BoundPort(int socket) {
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        throw std::runtime_error("cannot read the bound port");
    }
    return ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<const sockaddr_in6&>(bound).sin6_port
                                             : reinterpret_cast<const sockaddr_in&>(bound).sin_port);
}

// Whether an IPv6 socket can be bound to ::1 at all (hosts may have IPv6 off).
bool HasIpv6Loopback() {
    const int probe = socket(AF_INET6, SOCK_DGRAM, 0);
    if (probe < 0) return false;
    sockaddr_in6 loopback{};
    loopback.sin6_family = AF_INET6;
    loopback.sin6_addr = in6addr_loopback;
    const bool bound = bind(probe, reinterpret_cast<const sockaddr*>(&loopback), sizeof loopback) == 0;
    close(probe);
    return bound;
}

bool IsRequest(const netsnmp_pdu* pdu) {
    return pdu != nullptr && (pdu->command == SNMP_MSG_GET || pdu->command == SNMP_MSG_GETNEXT ||
                              pdu->command == SNMP_MSG_GETBULK || pdu->command == SNMP_MSG_SET);
}

}  // namespace

SimAgent::SimAgent(AgentOptions options, ObjectTree& tree, StackModel& stack)
    : options_(std::move(options)), tree_(tree), stack_(stack), control_(options_.controlPath) {
    if (g_agent != nullptr) throw std::logic_error("one SimAgent per process");
    g_agent = this;
}

SimAgent::~SimAgent() {
    if (started_) {
        ReleaseDueRequests(true);
        snmp_shutdown(kAppName);
        shutdown_agent();
    }
    g_agent = nullptr;
}

void SimAgent::WriteConfiguration() const {
    std::ofstream file(fs::path(options_.stateDir) / (std::string(kAppName) + ".conf"));
    file << "# Written by the simulated stack at start-up.\n";
    for (const char* family : {"", "6"}) {  // IPv4 and IPv6 sources
        file << "rocommunity" << family << ' ' << options_.readCommunity << " default\n";
        file << "rwcommunity" << family << ' ' << options_.writeCommunity << " default\n";
    }
    for (const UsmUser& user : options_.users) {
        file << "createUser " << CreateUserArguments(user) << '\n';
        file << "rwuser " << user.name << (user.privProtocol.empty() ? " auth\n" : " priv\n");
    }
    for (const TrapSink& sink : options_.trapSinks) {
        file << (sink.version == "v1" ? "trapsink " : "trap2sink ") << sink.address << ' ' << sink.community << '\n';
    }
    if (!file) throw std::runtime_error("cannot write the agent configuration in " + options_.stateDir);
}

void SimAgent::RegisterTree() {
    for (const Oid& root : tree_.RegistrationRoots()) {
        const std::vector<oid> name = ToNetSnmp(root);
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            kAppName, HandleTree, name.data(), name.size(), HANDLER_CAN_RWRITE);
        if (registration == nullptr || netsnmp_register_handler(registration) != MIB_REGISTERED_OK) {
            throw std::runtime_error("cannot register " + FormatOid(root));
        }
    }
}

uint16_t SimAgent::Start() {
    const fs::path state = fs::absolute(options_.stateDir);
    fs::create_directories(state / "persist");
    fs::create_directories(state / "mibs");

    // Only our own directory: no system or user configuration, no MIB files.
    setenv("SNMPCONFPATH", state.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", (state / "persist").c_str(), 1);
    setenv("MIBDIRS", (state / "mibs").c_str(), 1);
    setenv("MIBS", "", 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, state.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, (state / "persist").c_str());
    // The trap sinks' sessions send from loopback too.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CLIENT_ADDR, "127.0.0.1");
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    snmp_disable_log();
    snmp_enable_filelog((state / "agent.log").c_str(), 0);

    WriteConfiguration();
    if (init_agent(kAppName) != 0) throw std::runtime_error("net-snmp's agent did not start");
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_usmUser();
    init_vacm_vars();
    init_vacm_context();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_target_counters();
    init_snmpNotifyTable();
    init_snmpNotifyFilterProfileTable();
    RegisterTree();
    init_snmp(kAppName);
    started_ = true;

    const auto [ipv4, ipv6] = OpenLoopbackTransports();
    const uint16_t port = BoundPort(ipv4->sock);
    netsnmp_session* ipv4Session = ServeOn(ipv4);
    if (ipv6 != nullptr) {
        // net-snmp keeps the first agent session as its main one.
        main_session = nullptr;
        ServeOn(ipv6);
        main_session = ipv4Session;
    }
    return port;
}

// 127.0.0.1:<port> and, where the host has IPv6, [::1] on the same port;
// with port 0 a free one that both take.
std::pair<netsnmp_transport*, netsnmp_transport*> SimAgent::OpenLoopbackTransports() const {
    const bool withIpv6 = HasIpv6Loopback();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string ipv4Address = "udp:127.0.0.1:" + std::to_string(options_.port);
        netsnmp_transport* ipv4 = netsnmp_transport_open_server(kAppName, ipv4Address.c_str());
        if (ipv4 == nullptr) throw std::runtime_error("cannot listen on " + ipv4Address);
        if (!withIpv6) return {ipv4, nullptr};
        const std::string ipv6Address = "udp6:[::1]:" + std::to_string(BoundPort(ipv4->sock));
        if (netsnmp_transport* ipv6 = netsnmp_transport_open_server(kAppName, ipv6Address.c_str())) return {ipv4, ipv6};
        netsnmp_transport_free(ipv4);
        if (options_.port != 0) throw std::runtime_error("cannot listen on " + ipv6Address);
    }
    throw std::runtime_error("no free port on both 127.0.0.1 and [::1]");
}

// Every PDU that the session takes in passes us first: fault injection and
// the set trace.
netsnmp_session* SimAgent::ServeOn(netsnmp_transport* transport) {
    sockets_.push_back(transport->sock);
    if (netsnmp_register_agent_nsap(transport) == 0 || main_session == nullptr) {
        throw std::runtime_error("net-snmp did not take the transport");
    }
    main_session->callback = PacketCallback;
    return main_session;
}

int SimAgent::OnPacket(int operation, snmp_session* session, int requestId, snmp_pdu* pdu, void* magic) {
    if (operation != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !IsRequest(pdu)) {
        return handle_snmp_packet(operation, session, requestId, pdu, magic);
    }
    PollControl();
    if (faults_.silent) return 1;
    if (faults_.delayMs > 0) {
        const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(faults_.delayMs);
        held_.push_back({due, snmp_clone_pdu(pdu), session, requestId, magic});
        return 1;
    }
    return Dispatch(session, requestId, pdu, magic);
}

int SimAgent::Dispatch(snmp_session* session, int requestId, snmp_pdu* pdu, void* magic) {
    if (pdu->command == SNMP_MSG_SET) TraceSet(pdu);
    return handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, session, requestId, pdu, magic);
}

void SimAgent::TraceSet(const snmp_pdu* pdu) const {
    if (options_.tracePath.empty()) return;
    std::ofstream trace(options_.tracePath, std::ios::app);
    // A set that carries nothing is a set received all the same.
    if (pdu->variables == nullptr) trace << "(set without varbinds)\n";
    for (const netsnmp_variable_list* varbind = pdu->variables; varbind != nullptr; varbind = varbind->next_variable) {
        trace << TraceLine(*varbind) << '\n';
    }
}

void SimAgent::ReleaseDueRequests(bool all) {
    const auto now = std::chrono::steady_clock::now();
    while (!held_.empty() && (all || held_.front().due <= now)) {
        const HeldRequest held = held_.front();
        held_.pop_front();
        if (!all && !faults_.silent) Dispatch(held.session, held.requestId, held.pdu, held.magic);
        snmp_free_pdu(held.pdu);
    }
}

std::chrono::milliseconds SimAgent::TimeToNextDue() const {
    if (held_.empty()) return kControlPollInterval;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(held_.front().due -
                                                                           std::chrono::steady_clock::now());
    return std::clamp(left, std::chrono::milliseconds(0), kControlPollInterval);
}

void SimAgent::PollControl() {
    control_.Poll([this](std::string_view line) { return ApplyControlCommand(line, faults_, stack_, tree_); });
    if (!faults_.engineId.empty()) TakeOnEngineId(faults_.engineId);
    for (; faults_.restarts > 0; --faults_.restarts) Restart();
}

// As a device that rebooted: the boots of the engine go up by one, so what a
// manager knows of them is out of the time window. The configuration token
// that net-snmp reads its stored boot count from counts the start it reads
// it in (boots + 1); reports take the engine's boots and time from its time
// cache entry.
void SimAgent::Restart() {
    std::string boots = std::to_string(snmpv3_local_snmpEngineBoots());
    engineBoots_conf("engineBoots", boots.data());
    std::string engineId = LocalEngineId();
    set_enginetime(reinterpret_cast<const u_char*>(engineId.data()), static_cast<u_int>(engineId.size()),
                   static_cast<u_int>(snmpv3_local_snmpEngineBoots()), static_cast<u_int>(snmpv3_local_snmpEngineTime()),
                   TRUE);
}

// As a replaced or reset device: the old engine ID is unknown from now on,
// and USM's keys, localized to the engine, are made again for the new one.
void SimAgent::TakeOnEngineId(const std::string& engineId) {
    std::string old = LocalEngineId();
    if (old == engineId) return;
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
    free_enginetime(reinterpret_cast<u_char*>(old.data()), old.size());
    set_enginetime(reinterpret_cast<const u_char*>(engineId.data()), static_cast<u_int>(engineId.size()),
                   static_cast<u_int>(snmpv3_local_snmpEngineBoots()), static_cast<u_int>(snmpv3_local_snmpEngineTime()),
                   TRUE);
    RemoveUsersOfEngine(old);
    for (const UsmUser& user : options_.users) {
        std::string arguments = CreateUserArguments(user);
        usm_parse_create_usmUser("createUser", arguments.data());
    }
}

void SimAgent::DrainSockets(fd_set& readable) const {
    char datagram[65536];
    for (const int socket : sockets_) {
        if (!FD_ISSET(socket, &readable)) continue;
        while (recv(socket, datagram, sizeof datagram, MSG_DONTWAIT) >= 0) {
        }
        FD_CLR(socket, &readable);
    }
}

void SimAgent::Run(const volatile std::sig_atomic_t& stop) {
    while (stop == 0) {
        int descriptors = 0;
        int block = 1;
        fd_set readable;
        FD_ZERO(&readable);
        timeval timeout{};
        snmp_select_info(&descriptors, &readable, &timeout, &block);
        const auto cap = TimeToNextDue();
        const auto capMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(cap).count();
        if (block != 0 || timeout.tv_sec * 1000000 + timeout.tv_usec > capMicroseconds) {
            timeout.tv_sec = 0;
            timeout.tv_usec = static_cast<suseconds_t>(capMicroseconds);
        }
        const int ready = select(descriptors, &readable, nullptr, nullptr, &timeout);
        if (ready > 0) {
            // A silent agent reads nothing: not even SNMPv3 discovery is answered.
            if (faults_.silent) DrainSockets(readable);
            snmp_read(&readable);
        } else if (ready == 0) {
            snmp_timeout();
        }
        ReleaseDueRequests(false);
        PollControl();
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
    }
}

}  // namespace simstack
