#pragma once
// The yardstick of the engine walks: net-snmp alone, one blocking get-next
// of the six last OIDs per row (SNMPv2c), as a plain client would walk.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

class PlainNetSnmpWalk {
public:
    // Opens a v2c session to the agent. Throws std::runtime_error when
    // net-snmp cannot open it.
    PlainNetSnmpWalk(const std::string& address, uint16_t port, const std::string& community);
    ~PlainNetSnmpWalk();
    PlainNetSnmpWalk(const PlainNetSnmpWalk&) = delete;
    PlainNetSnmpWalk& operator=(const PlainNetSnmpWalk&) = delete;

    // Walks the columns (dotted OIDs, the first one the index column) until
    // the first leaves its column; returns the number of rows. Throws
    // std::runtime_error on a failed request or a row out of order.
    int Walk(const std::vector<std::string>& columns);

private:
    void* handle_ = nullptr;
    std::string peer_;
    std::string community_;
};

}  // namespace bench
