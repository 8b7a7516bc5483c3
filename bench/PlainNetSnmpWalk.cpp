#include "bench/PlainNetSnmpWalk.h"

#include <stdexcept>

// net-snmp's headers define macros freely; they stay inside this file.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace bench {

namespace {

using OidVector = std::vector<oid>;

OidVector ParseOid(const std::string& text) {
    OidVector ids;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('.', at);
        if (end == std::string::npos) end = text.size();
        ids.push_back(std::stoul(text.substr(at, end - at)));
        at = end + 1;
    }
    return ids;
}

bool InColumn(const netsnmp_variable_list* v, const OidVector& column) {
    return v->name_length > column.size() &&
           snmp_oid_ncompare(v->name, v->name_length, column.data(), column.size(), column.size()) == 0;
}

}  // namespace

PlainNetSnmpWalk::PlainNetSnmpWalk(const std::string& address, uint16_t port, const std::string& community)
    : peer_("udp:" + address + ":" + std::to_string(port)), community_(community) {
    netsnmp_session s;
    snmp_sess_init(&s);
    s.peername = peer_.data();
    s.version = SNMP_VERSION_2c;
    s.community = reinterpret_cast<u_char*>(community_.data());
    s.community_len = community_.size();
    s.timeout = 1000000L;  // 1 s, as the engine's default of 100 ticks of 10 ms
    s.retries = 1;
    handle_ = snmp_sess_open(&s);
    if (!handle_) throw std::runtime_error("net-snmp cannot open a session to " + peer_);
}

PlainNetSnmpWalk::~PlainNetSnmpWalk() {
    if (handle_) snmp_sess_close(handle_);
}

int PlainNetSnmpWalk::Walk(const std::vector<std::string>& columns) {
    std::vector<OidVector> bases, last;
    for (const std::string& column : columns) bases.push_back(ParseOid(column));
    last = bases;
    int rows = 0;
    while (true) {
        netsnmp_pdu* request = snmp_pdu_create(SNMP_MSG_GETNEXT);
        for (const OidVector& name : last) snmp_add_null_var(request, name.data(), name.size());
        netsnmp_pdu* response = nullptr;
        const int status = snmp_sess_synch_response(handle_, request, &response);
        if (status != STAT_SUCCESS || !response || response->errstat != SNMP_ERR_NOERROR) {
            if (response) snmp_free_pdu(response);
            throw std::runtime_error("plain walk: get-next failed after row " + std::to_string(rows));
        }
        const netsnmp_variable_list* v = response->variables;
        if (!v || !InColumn(v, bases[0])) {
            snmp_free_pdu(response);
            return rows;
        }
        ++rows;
        const bool inOrder = v->type == ASN_INTEGER && *v->val.integer == rows;
        for (size_t i = 0; v && i < last.size(); ++i, v = v->next_variable)
            last[i].assign(v->name, v->name + v->name_length);
        snmp_free_pdu(response);
        if (!inOrder) throw std::runtime_error("plain walk: row " + std::to_string(rows) + " out of order");
    }
}

}  // namespace bench
