#include "SnmpTransport.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// net-snmp's headers define macros freely; they stay inside this file.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "framework/VxSNMPMessages.h"

namespace {

const std::pair<int, int> NetSnmpErrorTable[] = {
    {SNMPERR_SUCCESS, SNMP_CLASS_SUCCESS},
    {SNMPERR_GENERR, SNMP_CLASS_ERROR},
    {SNMPERR_BAD_LOCPORT, SNMP_CLASS_TL_IN_USE},
    {SNMPERR_BAD_ADDRESS, SNMP_CLASS_INVALID_ADDRESS},
    {SNMPERR_BAD_SESSION, SNMP_CLASS_INVALID_TARGET},
    {SNMPERR_TOO_LONG, SNMP_CLASS_INVALID_PDU},
    {SNMPERR_NO_SOCKET, SNMP_CLASS_TL_FAILED},
    {SNMPERR_V2_IN_V1, -16},  // operation not supported on the target
    {SNMPERR_V1_IN_V2, -16},
    {SNMPERR_BAD_VERSION, -16},
    {SNMPERR_BAD_ASN1_BUILD, SNMP_CLASS_INVALID_PDU},
    {SNMPERR_BAD_SENDTO, SNMP_CLASS_TL_FAILED},
    {SNMPERR_BAD_RECVFROM, SNMP_CLASS_TL_FAILED},
    {SNMPERR_BAD_PARSE, SNMP_CLASS_ERROR},
    {SNMPERR_ABORT, SNMP_CLASS_ERROR},
    {SNMPERR_TIMEOUT, SNMP_CLASS_TIMEOUT},
    {SNMPERR_MALLOC, SNMP_CLASS_RESOURCE_UNAVAIL},
    // SNMPv3 message processing
    {SNMPERR_UNKNOWN_SEC_MODEL, -1402},
    {SNMPERR_INVALID_MSG, -1405},
    {SNMPERR_BAD_ENG_ID, -1406},
    {SNMPERR_ASN_PARSE_ERR, -1408},
    {SNMPERR_BAD_COMMUNITY, -1411},
    {SNMPERR_UNKNOWN_PDU, -1415},
    {SNMPERR_BAD_CONTEXT, -1417},
    // User-based security
    {SNMPERR_UNKNOWN_REPORT, 1401},
    {SNMPERR_USM_GENERICERROR, 1401},
    {SNMPERR_BAD_SEC_LEVEL, 1403},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, 1403},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, 1403},
    {SNMPERR_BAD_SEC_NAME, 1404},
    {SNMPERR_UNKNOWN_USER_NAME, 1404},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, 1404},
    {SNMPERR_USM_ENCRYPTIONERROR, 1405},
    {SNMPERR_DECRYPTION_ERR, 1406},
    {SNMPERR_USM_DECRYPTIONERROR, 1406},
    {SNMPERR_AUTHENTICATION_FAILURE, 1408},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, 1408},
    {SNMPERR_USM_PARSEERROR, 1409},
    {SNMPERR_UNKNOWN_ENG_ID, 1410},
    {SNMPERR_USM_UNKNOWNENGINEID, 1410},
    {SNMPERR_NOT_IN_TIME_WINDOW, 1411},
    {SNMPERR_USM_NOTINTIMEWINDOW, 1411},
    // Object identifiers and PDUs
    {SNMPERR_RANGE, SNMP_CLASS_INVALID_OID},
    {SNMPERR_MAX_SUBID, SNMP_CLASS_INVALID_OID},
    {SNMPERR_BAD_SUBID, SNMP_CLASS_INVALID_OID},
    {SNMPERR_LONG_OID, SNMP_CLASS_INVALID_OID},
    {SNMPERR_BAD_NAME, SNMP_CLASS_INVALID_OID},
    {SNMPERR_UNKNOWN_OBJID, SNMP_CLASS_INVALID_OID},
    {SNMPERR_NULL_PDU, SNMP_CLASS_INVALID_PDU},
    {SNMPERR_NO_VARS, SNMP_CLASS_INVALID_PDU},
    {SNMPERR_VAR_TYPE, SNMP_CLASS_INVALID_PDU},
};

// Starts net-snmp once: no configuration files, no MIB files, nothing
// persisted; the module's own engine id.
void InitNetSnmpLibrary() {
    static bool done = false;
    if (done) return;
    done = true;
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    init_snmp("kestrix-module");
}

// The numeric text of a socket address ("10.90.90.90", "fe80::1%eth0").
std::string NumericText(const sockaddr* address, socklen_t length) {
    char text[NI_MAXHOST] = {};
    if (getnameinfo(address, length, text, sizeof text, nullptr, 0, NI_NUMERICHOST) != 0) return {};
    return text;
}

// The addresses of a name (or of a numeric text only, with `numericOnly`) in
// one family, or of both.
bool LookUp(const std::string& text, int family, bool numericOnly, std::string& numeric) {
    addrinfo hints{};
    hints.ai_family = family;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = numericOnly ? AI_NUMERICHOST : 0;
    addrinfo* result = nullptr;
    if (getaddrinfo(text.c_str(), nullptr, &hints, &result) != 0 || !result) return false;
    // An IPv4 address where the name has one, as before IPv6 was taken.
    const addrinfo* chosen = result;
    for (const addrinfo* a = result; a; a = a->ai_next)
        if (a->ai_family == AF_INET) {
            chosen = a;
            break;
        }
    numeric = NumericText(chosen->ai_addr, chosen->ai_addrlen);
    freeaddrinfo(result);
    return !numeric.empty();
}

bool LookUpHost(const std::string& name, std::string& numeric) { return LookUp(name, AF_UNSPEC, false, numeric); }

// An IPv6 literal, bare or in brackets as in URLs, with a zone after "%".
bool Ipv6Literal(const std::string& text, std::string& numeric) {
    const bool bracketed = text.size() > 2 && text.front() == '[' && text.back() == ']';
    const std::string bare = bracketed ? text.substr(1, text.size() - 2) : text;
    return bare.find(':') != std::string::npos && LookUp(bare, AF_INET6, true, numeric);
}

SnmpHostLookUp& HostLookUp() {
    static SnmpHostLookUp lookUp = LookUpHost;
    return lookUp;
}

struct ResolvedHost {
    bool Found = false;
    std::string Numeric;
    std::chrono::steady_clock::time_point At;
};

// A name that named no address is looked up again after this long.
constexpr auto RetryUnresolvedAfter = std::chrono::seconds(30);

std::map<std::string, ResolvedHost>& ResolvedHosts() {
    static std::map<std::string, ResolvedHost> hosts;
    return hosts;
}

}  // namespace

// Host names are looked up once, not on the GUI thread for every request
// and LED poll.
bool SnmpTransport::ResolveAddress(const std::string& text, std::string& numeric) {
    in_addr a{};
    if (inet_pton(AF_INET, text.c_str(), &a) == 1) {
        numeric = text;
        return true;
    }
    if (text.empty() || text.find('\0') != std::string::npos) return false;
    if (Ipv6Literal(text, numeric)) return true;
    std::map<std::string, ResolvedHost>& resolved = ResolvedHosts();
    const auto now = std::chrono::steady_clock::now();
    auto it = resolved.find(text);
    if (it == resolved.end() || (!it->second.Found && now - it->second.At > RetryUnresolvedAfter)) {
        ResolvedHost host;
        host.Found = HostLookUp()(text, host.Numeric);
        host.At = now;
        it = resolved.insert_or_assign(text, std::move(host)).first;
    }
    numeric = it->second.Numeric;
    return it->second.Found;
}

void SnmpTransport::SetHostLookUp(SnmpHostLookUp lookUp) {
    HostLookUp() = lookUp ? std::move(lookUp) : LookUpHost;
    ResolvedHosts().clear();
}

namespace {

std::string TargetKey(const SnmpTarget& t, const std::string& numeric) {
    std::string key = numeric + "|" + std::to_string(t.Port) + "|" + std::to_string(t.Version) + "|" +
                      std::to_string(t.Timeout) + "|" + std::to_string(t.Retries) + "|";
    if (t.Version == 3)
        key += t.SecurityName + "|" + std::to_string(t.SecurityModel) + "|" + std::to_string(t.AuthProtocol) + "|" +
               std::to_string(t.PrivProtocol) + "|" + t.AuthPassword + "|" + t.PrivPassword;
    else
        key += t.Community;
    return key;
}

// Sets a key of the session from a password (keys shorter than net-snmp
// accepts stay empty, and the agent then refuses the message).
void SetKu(const oid* hash, size_t hashLen, const std::string& password, u_char* key, size_t* keyLen) {
    *keyLen = USM_AUTH_KU_LEN;
    if (password.empty() ||
        generate_Ku(hash, static_cast<u_int>(hashLen), reinterpret_cast<const u_char*>(password.data()),
                    password.size(), key, keyLen) != SNMPERR_SUCCESS)
        *keyLen = 0;
}

Vb VbFromVariable(const netsnmp_variable_list* v) {
    Vb vb(OidText(SubIds(v->name, v->name + v->name_length)));
    switch (v->type) {
    case ASN_INTEGER: vb.SetInteger(static_cast<int32_t>(*v->val.integer)); break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: vb.SetUnsigned(v->type, static_cast<uint32_t>(*v->val.integer)); break;
    case ASN_COUNTER64:
        vb.SetCounter64((static_cast<uint64_t>(v->val.counter64->high) << 32) | v->val.counter64->low);
        break;
    case ASN_IPADDRESS: vb.SetIpAddress(Octets(reinterpret_cast<const char*>(v->val.string), v->val_len)); break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
        vb.SetOctets(Octets(reinterpret_cast<const char*>(v->val.string), v->val_len), v->type);
        break;
    case ASN_OBJECT_ID: vb.SetObjectId(SubIds(v->val.objid, v->val.objid + v->val_len / sizeof(oid))); break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW: vb.Type = v->type; break;
    default: break;  // NULL and types the module does not read
    }
    return vb;
}

// Appends a binding; false when its OID or value cannot be encoded.
bool AddVariable(netsnmp_pdu* pdu, const Vb& vb) {
    SubIds ids;
    if (!ParseOidText(vb.Oid, ids)) return false;
    std::vector<oid> name(ids.begin(), ids.end());
    netsnmp_variable_list* added = nullptr;
    switch (vb.Type) {
    case SNMP_INTEGER: {
        long v = vb.Int;
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case SNMP_COUNTER32:
    case SNMP_GAUGE32:
    case SNMP_TIMETICKS: {
        u_long v = vb.UInt;
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), vb.Type, &v, sizeof v);
        break;
    }
    case SNMP_COUNTER64: {
        counter64 v{static_cast<u_long>(vb.U64 >> 32), static_cast<u_long>(vb.U64 & 0xFFFFFFFFu)};
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    case SNMP_IPADDRESS:
    case SNMP_OCTETS:
    case SNMP_OPAQUE:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), vb.Type, vb.Bytes.data(), vb.Bytes.size());
        break;
    case SNMP_OID: {
        // An empty OID value cannot be encoded; 0.0 is the null OID.
        std::vector<oid> value(vb.OidValue.begin(), vb.OidValue.end());
        if (value.size() < 2) value.resize(2, 0);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                      value.size() * sizeof(oid));
        break;
    }
    default: added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0); break;
    }
    return added != nullptr;
}

int PduCommand(PduKind kind) {
    switch (kind) {
    case PduKind::Get: return SNMP_MSG_GET;
    case PduKind::GetNext: return SNMP_MSG_GETNEXT;
    default: return SNMP_MSG_SET;
    }
}

u_char* CopyOf(const u_char* bytes, size_t length) {
    auto* copy = static_cast<u_char*>(malloc(length));
    memcpy(copy, bytes, length);
    return copy;
}

// A text for net-snmp to own: exactly its bytes, and a zero byte after them.
char* TextCopy(const std::string& text) {
    auto* copy = static_cast<char*>(malloc(text.size() + 1));
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

// net-snmp looks users up by their names as C texts: a name with a zero
// byte would be cut short, to another user's name. No agent holds such a
// user or context, so the names are refused before anything is sent.
int RefusedSecurityNames(const SnmpTarget& target) {
    if (target.Version != 3) return 0;
    if (target.SecurityName.find('\0') != std::string::npos) return MapNetSnmpError(SNMPERR_UNKNOWN_USER_NAME);
    if (target.ContextName.find('\0') != std::string::npos) return MapNetSnmpError(SNMPERR_BAD_CONTEXT);
    return 0;
}

// Takes the agent's engine id from the probe's answer. The session's context
// engine id is always the discovered one (a configured one goes into each
// PDU), so it follows a new engine too.
bool LearnEngineId(netsnmp_session* sp, const netsnmp_pdu* pdu) {
    if (!pdu || pdu->securityEngineIDLen == 0) return false;
    free(sp->securityEngineID);
    sp->securityEngineID = CopyOf(pdu->securityEngineID, pdu->securityEngineIDLen);
    sp->securityEngineIDLen = pdu->securityEngineIDLen;
    free(sp->contextEngineID);
    sp->contextEngineID = CopyOf(pdu->securityEngineID, pdu->securityEngineIDLen);
    sp->contextEngineIDLen = pdu->securityEngineIDLen;
    return true;
}

Octets EngineIdOf(const netsnmp_session* sp) {
    return Octets(reinterpret_cast<const char*>(sp->securityEngineID), sp->securityEngineIDLen);
}

// The session's key localized to the agent's engine, as USM keeps it.
Octets LocalizedKey(const netsnmp_session* sp, const u_char* ku, size_t kuLen) {
    if (kuLen == 0) return {};
    u_char key[USM_AUTH_KU_LEN * 2];
    size_t keyLen = sizeof key;
    if (generate_kul(sp->securityAuthProto, static_cast<u_int>(sp->securityAuthProtoLen), sp->securityEngineID,
                     sp->securityEngineIDLen, ku, kuLen, key, &keyLen) != SNMPERR_SUCCESS)
        return {};
    return Octets(reinterpret_cast<const char*>(key), keyLen);
}

bool SameKey(const u_char* key, size_t keyLen, const Octets& expected) {
    return keyLen >= expected.size() && (expected.empty() || memcmp(key, expected.data(), expected.size()) == 0);
}

// USM keeps one user record per engine and name for the whole process.
// Sessions of the same user with other passwords must not send with each
// other's keys: before each send the record is made to hold this session's
// keys.
void EnsureUserKeys(netsnmp_session* sp, const Octets& authKey, const Octets& privKey) {
    usmUser* user = usm_get_user(sp->securityEngineID, sp->securityEngineIDLen, sp->securityName);
    if (user && SameKey(user->authKey, user->authKeyLen, authKey) &&
        SameKey(user->privKey, user->privKeyLen, privKey))
        return;
    if (user) {
        usm_remove_user(user);  // returns the list's head, not the user
        user->next = user->prev = nullptr;
        usm_free_user(user);
    }
    sp->flags &= ~SNMP_FLAGS_USER_CREATED;  // net-snmp creates a session's user only once
    usm_create_user_from_session(sp);
}

// The attempts, plus as long again for an SNMPv3 engine discovery, plus a margin.
std::chrono::steady_clock::time_point DeadlineFor(const SnmpTarget& target) {
    const auto attempt = std::chrono::milliseconds(10L * target.Timeout);
    return std::chrono::steady_clock::now() + attempt * (target.Retries + 1) * (target.Version == 3 ? 2 : 1) +
           std::chrono::seconds(2);
}

// Reports of a message that the agent cannot place in its engine: an
// engine id it no longer has, or boots and time out of its window.
bool IsStaleEngineReport(int type) {
    return type == SNMPERR_UNKNOWN_ENG_ID || type == SNMPERR_USM_UNKNOWNENGINEID ||
           type == SNMPERR_NOT_IN_TIME_WINDOW || type == SNMPERR_USM_NOTINTIMEWINDOW;
}

}  // namespace

int MapNetSnmpError(int snmpErr) {
    for (const auto& [from, to] : NetSnmpErrorTable)
        if (from == snmpErr) return to;
    return SNMP_CLASS_ERROR;
}

struct SnmpTransport::Outstanding {
    const void* Owner = nullptr;
    // When net-snmp should long have answered: an outstanding request that
    // it dropped without a word ends here as a time-out.
    std::chrono::steady_clock::time_point Deadline;
    SnmpCompletion Completion;
    SnmpReply Reply;
    bool Cancelled = false;
    // What was sent (SNMPv3 only), to send it again once the agent's engine
    // id is known.
    PduKind Kind = PduKind::Get;
    std::vector<Vb> Vbs;
    SnmpTarget Target;
    Octets SentToEngine;  // the agent's engine id when it was sent
    // A discovery was out while it was: what the agent's engine id is, or
    // that the agent is silent, was found meanwhile.
    bool EngineChecked = false;
    // Sent once more after the engine id was found again: never again.
    bool Resent = false;
    // Waits for the engine id to be found again and is sent once more only
    // if it has changed (it timed out with no other sign of a new engine).
    bool OnlyToANewEngine = false;
};

struct SnmpTransport::Session {
    SnmpTransport* Owner = nullptr;
    void* Handle = nullptr;
    std::string Address;
    uint16_t Port = 0;
    bool V3 = false;
    // Probing: the engine id is being found and sends wait for it. A probe
    // may also be out while the engine is Known, to check it: sends go on.
    enum class Engine { Unknown, Probing, Known } EngineState = Engine::Unknown;
    int ProbeReqId = 0;  // the probe out, or 0
    bool CheckWanted = false;  // check the engine id once net-snmp has returned
    bool FlushWaiting = false;
    Octets EngineId;  // the agent's, as last found
    Octets AuthKey, PrivKey;  // localized to the agent's engine
    std::vector<std::shared_ptr<Outstanding>> WaitingForEngine;
    std::map<int, std::shared_ptr<Outstanding>> ByReqId;
    // SNMPv3 reports of a message the agent could not read carry no request
    // id, only the message id.
    std::map<long, int> ReqIdByMsgId;
};

int NetSnmpCallback(int op, netsnmp_session* sp, int reqid, netsnmp_pdu* pdu, void* magic);

SnmpTransport& SnmpTransport::Instance() {
    static SnmpTransport* instance = new SnmpTransport();
    return *instance;
}

SnmpTransport::SnmpTransport() { InitNetSnmpLibrary(); }

SnmpTransport::~SnmpTransport() = default;

namespace {

SnmpFailureHook& FailureHook() {
    static SnmpFailureHook hook;
    return hook;
}

// Hands what a completion raised to the hook, or writes its message.
void ReportFailure(std::exception_ptr failure) {
    if (FailureHook()) {
        FailureHook()(failure);
        return;
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "SNMP completion failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "SNMP completion failed\n");
    }
}

}  // namespace

void SnmpTransport::SetFailureHook(SnmpFailureHook hook) { FailureHook() = std::move(hook); }

void SnmpTransport::Shutdown() {
    SnmpTransport& t = Instance();
    for (auto& [key, session] : t.Sessions) {
        for (auto& [id, out] : session->ByReqId) out->Cancelled = true;
        snmp_sess_close(session->Handle);
    }
    t.Sessions.clear();
    t.Queue.clear();
}

SnmpTransport::Session* SnmpTransport::SessionFor(const SnmpTarget& target, int& status) {
    std::string numeric;
    if (!ResolveAddress(target.Address, numeric)) {
        status = SNMP_CLASS_INVALID_ADDRESS;
        return nullptr;
    }
    const std::string key = TargetKey(target, numeric);
    if (auto it = Sessions.find(key); it != Sessions.end()) return it->second.get();

    netsnmp_session s;
    snmp_sess_init(&s);
    const bool ipv6 = numeric.find(':') != std::string::npos;
    const std::string peer =
        (ipv6 ? "udp6:[" + numeric + "]:" : "udp:" + numeric + ":") + std::to_string(target.Port);
    s.peername = const_cast<char*>(peer.c_str());
    s.version = target.Version == 3 ? SNMP_VERSION_3 : (target.Version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1);
    s.timeout = static_cast<long>(target.Timeout) * 10000L;
    s.retries = static_cast<int>(target.Retries);
    s.callback = nullptr;
    s.flags |= SNMP_FLAGS_DONT_PROBE;  // the engine id is found asynchronously
    if (target.Version == 3) {
        s.securityModel = target.SecurityModel;
        s.securityName = const_cast<char*>(target.SecurityName.c_str());
        s.securityNameLen = target.SecurityName.size();
        s.securityLevel = target.SecurityLevel;
        const bool sha = target.AuthProtocol == 3;
        const oid* hash = sha ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
        const size_t hashLen = sha ? OID_LENGTH(usmHMACSHA1AuthProtocol) : OID_LENGTH(usmHMACMD5AuthProtocol);
        if (target.AuthProtocol == 2 || target.AuthProtocol == 3) {
            s.securityAuthProto = const_cast<oid*>(hash);
            s.securityAuthProtoLen = hashLen;
            SetKu(hash, hashLen, target.AuthPassword, s.securityAuthKey, &s.securityAuthKeyLen);
        } else {
            s.securityAuthProto = usmNoAuthProtocol;
            s.securityAuthProtoLen = OID_LENGTH(usmNoAuthProtocol);
        }
        if (target.PrivProtocol == 2) {
            s.securityPrivProto = usmDESPrivProtocol;
            s.securityPrivProtoLen = OID_LENGTH(usmDESPrivProtocol);
            SetKu(hash, hashLen, target.PrivPassword, s.securityPrivKey, &s.securityPrivKeyLen);
        } else {
            s.securityPrivProto = usmNoPrivProtocol;
            s.securityPrivProtoLen = OID_LENGTH(usmNoPrivProtocol);
        }
    } else {
        s.community = reinterpret_cast<u_char*>(const_cast<char*>(target.Community.c_str()));
        s.community_len = target.Community.size();
    }
    void* handle = snmp_sess_open(&s);
    if (!handle) {
        int liberr = 0, syserr = 0;
        char* text = nullptr;
        snmp_error(&s, &liberr, &syserr, &text);
        free(text);
        status = MapNetSnmpError(liberr ? liberr : SNMPERR_BAD_SESSION);
        return nullptr;
    }
    auto session = std::make_unique<Session>();
    session->Owner = this;
    session->Handle = handle;
    session->Address = numeric;
    session->Port = target.Port;
    session->V3 = target.Version == 3;
    Session* raw = session.get();
    Sessions.emplace(key, std::move(session));
    if (OnSocketsChanged) OnSocketsChanged();
    status = 0;
    return raw;
}

int SnmpTransport::AsyncSend(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, const void* owner,
                             SnmpCompletion completion) {
    if (OnSend) OnSend();
    if (const int refused = RefusedSecurityNames(target)) return refused;
    int status = 0;
    Session* session = SessionFor(target, status);
    if (!session) return status;
    auto out = std::make_shared<Outstanding>();
    out->Owner = owner;
    out->Completion = std::move(completion);
    out->Deadline = DeadlineFor(target);
    return SendOn(*session, kind, vbs, target, std::move(out));
}

int SnmpTransport::SendOn(Session& session, PduKind kind, const std::vector<Vb>& vbs, const SnmpTarget& target,
                          std::shared_ptr<Outstanding> out) {
    if (session.V3) {
        out->Kind = kind;
        out->Vbs = vbs;
        out->Target = target;
    }
    if (session.V3 && session.EngineState != Session::Engine::Known) {
        // Every check that can fail at once is made before the PDU waits
        // for the engine id, so that such failures still reach the sender.
        for (const Vb& vb : vbs) {
            SubIds ids;
            if (!ParseOidText(vb.Oid, ids)) return SNMP_CLASS_INVALID_OID;
        }
        session.WaitingForEngine.push_back(std::move(out));
        if (session.EngineState == Session::Engine::Unknown) StartProbe(session);
        return 0;
    }

    netsnmp_pdu* pdu = snmp_pdu_create(PduCommand(kind));
    if (session.V3) {
        EnsureUserKeys(snmp_sess_session(session.Handle), session.AuthKey, session.PrivKey);
        pdu->securityLevel = target.SecurityLevel;
        pdu->securityModel = target.SecurityModel;
        pdu->securityName = TextCopy(target.SecurityName);
        pdu->securityNameLen = target.SecurityName.size();
        if (!target.ContextName.empty()) {
            pdu->contextName = TextCopy(target.ContextName);
            pdu->contextNameLen = target.ContextName.size();
        }
        if (!target.ContextEngineId.empty()) {
            const Octets id = FromHexString(target.ContextEngineId);
            pdu->contextEngineID = static_cast<u_char*>(malloc(id.size()));
            memcpy(pdu->contextEngineID, id.data(), id.size());
            pdu->contextEngineIDLen = id.size();
        }
    }
    for (const Vb& vb : vbs) {
        if (!AddVariable(pdu, vb)) {
            snmp_free_pdu(pdu);
            return SNMP_CLASS_INVALID_OID;
        }
    }
    const int reqid = snmp_sess_async_send(session.Handle, pdu, NetSnmpCallback, &session);
    if (reqid == 0) {
        const int err = snmp_sess_session(session.Handle)->s_snmp_errno;
        snmp_free_pdu(pdu);
        return MapNetSnmpError(err ? err : SNMPERR_GENERR);
    }
    if (session.V3) {
        session.ReqIdByMsgId[pdu->msgid] = reqid;  // the pdu is the library's until it answers
        out->SentToEngine = session.EngineId;
        out->EngineChecked = session.ProbeReqId != 0;
    }
    session.ByReqId[reqid] = std::move(out);
    return 0;
}

void SnmpTransport::StartProbe(Session& session) {
    // A noAuthNoPriv get without bindings from the empty user: the agent
    // answers with a report that carries its engine id.
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    const int reqid = snmp_sess_async_send(session.Handle, pdu, NetSnmpCallback, &session);
    if (reqid == 0) {
        snmp_free_pdu(pdu);
        const int status = MapNetSnmpError(snmp_sess_session(session.Handle)->s_snmp_errno);
        for (auto& out : session.WaitingForEngine) {
            out->Reply.Status = status;
            Queue.emplace_back(std::move(out), SNMP_REASON_RESPONSE);
        }
        session.WaitingForEngine.clear();
        return;
    }
    session.ProbeReqId = reqid;
    for (auto& [id, out] : session.ByReqId) out->EngineChecked = true;
    if (session.EngineState != Session::Engine::Known) session.EngineState = Session::Engine::Probing;
}

int NetSnmpCallback(int op, netsnmp_session* sp, int reqid, netsnmp_pdu* pdu, void* magic) {
    auto* session = static_cast<SnmpTransport::Session*>(magic);
    SnmpTransport& transport = *session->Owner;

    if (reqid != 0 && reqid == session->ProbeReqId) {
        if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && op != NETSNMP_CALLBACK_OP_TIMED_OUT &&
            op != NETSNMP_CALLBACK_OP_SEND_FAILED)
            return 1;
        session->ProbeReqId = 0;
        const bool learned = op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && LearnEngineId(sp, pdu);
        if (learned) {
            const Octets found = EngineIdOf(sp);
            const bool changed = !session->EngineId.empty() && found != session->EngineId;
            session->EngineState = SnmpTransport::Session::Engine::Known;
            session->EngineId = found;
            session->AuthKey = LocalizedKey(sp, sp->securityAuthKey, sp->securityAuthKeyLen);
            session->PrivKey = LocalizedKey(sp, sp->securityPrivKey, sp->securityPrivKeyLen);
            if (changed) transport.ResendToNewEngine(*session);
            session->FlushWaiting = true;  // sent once net-snmp has returned
        } else {
            // A check that went unanswered leaves the engine as it was: the
            // requests out to it end by their own time-outs.
            if (session->EngineState == SnmpTransport::Session::Engine::Probing)
                session->EngineState = SnmpTransport::Session::Engine::Unknown;
            const int reason = op == NETSNMP_CALLBACK_OP_TIMED_OUT ? SNMP_REASON_TIMEOUT : SNMP_REASON_RESPONSE;
            for (auto& out : session->WaitingForEngine) {
                out->Reply.Status = reason == SNMP_REASON_TIMEOUT ? SNMP_CLASS_TIMEOUT : SNMP_CLASS_TL_FAILED;
                transport.Queue.emplace_back(std::move(out), reason);
            }
            session->WaitingForEngine.clear();
        }
        return 1;
    }

    auto it = session->ByReqId.find(reqid);
    if (it == session->ByReqId.end() && pdu && session->V3) {
        const auto byMsg = session->ReqIdByMsgId.find(pdu->msgid);
        if (byMsg != session->ReqIdByMsgId.end()) it = session->ByReqId.find(byMsg->second);
    }
    if (it == session->ByReqId.end()) return 1;  // already completed (a report, then its security error)
    std::shared_ptr<SnmpTransport::Outstanding> out = it->second;
    SnmpReply& reply = out->Reply;
    reply.Address = session->Address;
    reply.Port = session->Port;
    int reason = SNMP_REASON_RESPONSE;

    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu->command == SNMP_MSG_REPORT) {
            const int type = snmpv3_get_report_type(pdu);
            // The agent no longer knows the engine id or time the message
            // carried (a replaced or restarted device): find them again and
            // send once more, whichever session hears of it first.
            if (IsStaleEngineReport(type) && !out->Resent) {
                transport.Rediscover(*session, it->first, false);
                return 1;
            }
            reply.Status = MapNetSnmpError(type);
        } else {
            reply.Status = static_cast<int>(pdu->errstat);
            reply.ErrorIndex = static_cast<int>(pdu->errindex);
            for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
                reply.Vbs.push_back(VbFromVariable(v));
        }
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        if (transport.AwaitNewEngine(*session, it->first)) return 1;
        reason = SNMP_REASON_TIMEOUT;
        reply.Status = SNMP_CLASS_TIMEOUT;
        break;
    case NETSNMP_CALLBACK_OP_RESEND:
        // An attempt went unanswered: perhaps the agent has a new engine id
        // and its reports cannot be read. Checking it now, while the
        // request's last attempt runs, keeps a silent agent's time-out as
        // short as with SNMPv1.
        if (session->V3 && !out->EngineChecked) session->CheckWanted = true;
        return 1;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
        const int type = pdu ? snmpv3_get_report_type(pdu) : sp->s_snmp_errno;
        // The report follows as a received message (or net-snmp resends
        // with the agent's time): decided there.
        if (IsStaleEngineReport(type)) return 1;
        reply.Status = MapNetSnmpError(type);
        break;
    }
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        reply.Status = MapNetSnmpError(sp->s_snmp_errno ? sp->s_snmp_errno : SNMPERR_BAD_SENDTO);
        break;
    default:
        return 1;  // connect, disconnect: nothing to report
    }
    transport.Forget(*session, it->first);
    transport.Queue.emplace_back(std::move(out), reason);
    return 1;
}

// An agent that got a new engine id (a replaced or reset device) answers
// the old one with a report that the session's keys cannot read: the
// request times out. Unless the engine id was checked while it was out, it
// is found again, and the request is sent once more if it has changed.
bool SnmpTransport::AwaitNewEngine(Session& session, int reqid) {
    const Outstanding& out = *session.ByReqId[reqid];
    if (!session.V3 || out.Resent) return false;
    const bool changed = out.SentToEngine != session.EngineId;
    if (!changed && out.EngineChecked) return false;
    Rediscover(session, reqid, true);
    return true;
}

// Takes a request back from net-snmp to send it once more when the engine
// id is known again: at once if it is already known to be another one than
// the request went to, else after a discovery.
void SnmpTransport::Rediscover(Session& session, int reqid, bool onlyToANewEngine) {
    std::shared_ptr<Outstanding> out = session.ByReqId[reqid];
    Forget(session, reqid);
    out->Resent = true;
    out->OnlyToANewEngine = onlyToANewEngine;
    out->Deadline = DeadlineFor(out->Target);
    const bool changed = out->SentToEngine != session.EngineId;
    session.WaitingForEngine.push_back(std::move(out));
    // The probe, or the send, goes once net-snmp has returned.
    if (session.EngineState != Session::Engine::Known) return;
    if (changed) session.FlushWaiting = true;
    else if (session.ProbeReqId != 0) session.EngineState = Session::Engine::Probing;  // the check under way decides
    else session.EngineState = Session::Engine::Unknown;
}

// A check found a new engine id: whatever is out to the old one is sent
// again to the new one (once net-snmp has returned).
void SnmpTransport::ResendToNewEngine(Session& session) {
    std::vector<int> stale;
    for (const auto& [reqid, out] : session.ByReqId)
        if (!out->Resent && out->SentToEngine != session.EngineId) stale.push_back(reqid);
    for (int reqid : stale) Rediscover(session, reqid, false);
}

void SnmpTransport::Forget(Session& session, int reqid) {
    session.ByReqId.erase(reqid);
    for (auto it = session.ReqIdByMsgId.begin(); it != session.ReqIdByMsgId.end();)
        it = it->second == reqid ? session.ReqIdByMsgId.erase(it) : std::next(it);
}

void SnmpTransport::ExpireOverdue() {
    const auto now = std::chrono::steady_clock::now();
    for (auto& [key, session] : Sessions) {
        std::vector<int> overdue;
        for (const auto& [reqid, out] : session->ByReqId)
            if (now > out->Deadline) overdue.push_back(reqid);
        for (int reqid : overdue) {
            auto out = session->ByReqId[reqid];
            Forget(*session, reqid);
            out->Reply.Status = SNMP_CLASS_TIMEOUT;
            Queue.emplace_back(std::move(out), SNMP_REASON_TIMEOUT);
        }
        for (auto it = session->WaitingForEngine.begin(); it != session->WaitingForEngine.end();) {
            if (now <= (*it)->Deadline) {
                ++it;
                continue;
            }
            (*it)->Reply.Status = SNMP_CLASS_TIMEOUT;
            Queue.emplace_back(std::move(*it), SNMP_REASON_TIMEOUT);
            it = session->WaitingForEngine.erase(it);
        }
    }
}

void SnmpTransport::ReadAndTimeOut(int waitMs) {
    fd_set fds;
    FD_ZERO(&fds);
    int maxFd = -1;
    timeval tv{waitMs / 1000, (waitMs % 1000) * 1000};
    for (auto& [key, session] : Sessions) {
        // block = 1 lets net-snmp shorten the wait to its next retransmission;
        // with 0 it leaves the time-out at zero and the wait would spin.
        int numfds = 0, block = 1;
        timeval next{};
        fd_set own;
        FD_ZERO(&own);
        snmp_sess_select_info(session->Handle, &numfds, &own, &next, &block);
        for (int fd = 0; fd < numfds; ++fd)
            if (FD_ISSET(fd, &own)) {
                FD_SET(fd, &fds);
                if (fd > maxFd) maxFd = fd;
            }
        if (!block && timercmp(&next, &tv, <)) tv = next;
    }
    // Without a session open this only sleeps for the wait.
    if (select(maxFd + 1, &fds, nullptr, nullptr, &tv) < 0) FD_ZERO(&fds);
    // Sessions may be added by nothing here (no completion runs inside), so
    // iterating the map is safe.
    for (auto& [key, session] : Sessions) {
        fd_set own = fds;
        snmp_sess_read(session->Handle, &own);
        snmp_sess_timeout(session->Handle);
    }
    ExpireOverdue();
    FlushSessionsWaitingForEngine();
}

void SnmpTransport::FlushSessionsWaitingForEngine() {
    for (auto& [key, session] : Sessions) {
        if (session->EngineState == Session::Engine::Unknown && !session->WaitingForEngine.empty()) {
            StartProbe(*session);
            continue;
        }
        if (session->CheckWanted) {
            session->CheckWanted = false;
            if (session->EngineState == Session::Engine::Known && session->ProbeReqId == 0) StartProbe(*session);
        }
        if (!session->FlushWaiting) continue;
        session->FlushWaiting = false;
        auto waiting = std::move(session->WaitingForEngine);
        session->WaitingForEngine.clear();
        for (auto& out : waiting) {
            if (out->OnlyToANewEngine && out->SentToEngine == session->EngineId) {
                // The same engine: it was not the engine id that kept the answer away.
                out->Reply.Status = SNMP_CLASS_TIMEOUT;
                Queue.emplace_back(std::move(out), SNMP_REASON_TIMEOUT);
                continue;
            }
            const PduKind kind = out->Kind;
            const std::vector<Vb> vbs = out->Vbs;
            const SnmpTarget target = out->Target;
            const int status = SendOn(*session, kind, vbs, target, out);
            if (status != 0) {
                out->Reply.Status = status;
                Queue.emplace_back(std::move(out), SNMP_REASON_RESPONSE);
            }
        }
    }
}

void SnmpTransport::RunQueuedCompletions() {
    while (!Queue.empty()) {
        auto [out, reason] = std::move(Queue.front());
        Queue.erase(Queue.begin());
        if (out->Cancelled || !out->Completion) continue;
        SnmpCompletion completion = std::move(out->Completion);
        // Completions run from the pump's timer and notifiers: nothing they
        // raise may cross the event loop.
        try {
            completion(reason, out->Reply);
        } catch (...) {
            ReportFailure(std::current_exception());
        }
    }
}

void SnmpTransport::ReadSocket(int fd) {
    for (auto& [key, session] : Sessions) {
        netsnmp_transport* t = snmp_sess_transport(session->Handle);
        if (!t || t->sock != fd) continue;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        snmp_sess_read(session->Handle, &fds);
        break;
    }
    FlushSessionsWaitingForEngine();
    RunQueuedCompletions();
}

bool SnmpTransport::HasOutstanding() const {
    if (!Queue.empty()) return true;
    for (const auto& [key, session] : Sessions) {
        if (!session->ByReqId.empty() || !session->WaitingForEngine.empty()) return true;
        // net-snmp's own requests (an engine probe) keep a retransmission timer.
        int numfds = 0, block = 1;
        timeval next{};
        fd_set fds;
        FD_ZERO(&fds);
        snmp_sess_select_info(session->Handle, &numfds, &fds, &next, &block);
        if (!block) return true;
    }
    return false;
}

void SnmpTransport::ProcessPendingEvents(int waitMs) {
    ReadAndTimeOut(waitMs);
    RunQueuedCompletions();
}

void SnmpTransport::CancelOwner(const void* owner) {
    for (auto& [key, session] : Sessions) {
        for (auto& [id, out] : session->ByReqId)
            if (out->Owner == owner) out->Cancelled = true;
        for (auto& out : session->WaitingForEngine)
            if (out->Owner == owner) out->Cancelled = true;
    }
    for (auto& [out, reason] : Queue)
        if (out->Owner == owner) out->Cancelled = true;
}

void SnmpTransport::SetLocalEngine(const std::string& engineId, unsigned boots) {
    // The module only ever asks; the agent is the authoritative engine of
    // every exchange, so the local boot counter is kept in its file and
    // sent nowhere.
    (void)boots;
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
}

std::vector<int> SnmpTransport::SocketDescriptors() const {
    std::vector<int> fds;
    for (const auto& [key, session] : Sessions) {
        netsnmp_transport* t = snmp_sess_transport(session->Handle);
        if (t && t->sock >= 0) fds.push_back(t->sock);
    }
    return fds;
}
