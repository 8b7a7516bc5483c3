#pragma once
// Runs net-snmp's command-line tools (snmpget, snmpgetnext, snmpwalk,
// snmpbulkwalk, snmpset) against a simulated stack, with no MIB loading and
// no system or user configuration, numeric OIDs in the output.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "simstack/SimStackProcess.h"

enum class SnmpVersion { V1, V2c, V3Md5, V3Sha };

std::string VersionName(SnmpVersion version);

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// "OID = value" lines of a tool's output as OID (no leading dot) -> value
// text (e.g. "INTEGER: 1", "STRING: \"Selvor\""); continued lines joined.
std::map<std::string, std::string> ParseVarbinds(const std::string& out);

// The octets of a "Hex-STRING: 02 4B ..." or "\"\"" value text.
std::vector<unsigned> HexOctets(const std::string& value);

class SnmpTools {
public:
    explicit SnmpTools(const SimStackProcess& stack);
    ~SnmpTools();

    // Credentials of a version: the read community for v1/v2c reads, the
    // write community for sets, the default users for v3 authPriv.
    static std::vector<std::string> Credentials(SnmpVersion version, bool write);

    // tool [options...] agent [arguments...]; options get -On, no MIBs and a
    // 3 s timeout with one retry unless they give -t/-r themselves.
    ToolResult Run(const std::string& tool, std::vector<std::string> options,
                   const std::vector<std::string>& arguments) const;

    ToolResult Get(SnmpVersion version, const std::vector<std::string>& oids,
                   std::vector<std::string> options = {}) const;
    ToolResult GetNext(SnmpVersion version, const std::vector<std::string>& oids) const;
    // triples of OID, type letter, value as snmpset takes them.
    ToolResult Set(SnmpVersion version, const std::vector<std::string>& triples) const;
    // Walks a subtree; fails the test when the walk fails.
    std::map<std::string, std::string> Walk(SnmpVersion version, const std::string& root,
                                            const std::string& tool = "snmpwalk") const;

private:
    std::string endpoint_;
    std::filesystem::path home_;  // empty configuration and persistent directory of the tools
};
