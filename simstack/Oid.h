#pragma once
// Object identifiers of the simulated agent's object tree, independent of
// net-snmp's own types so that the tree and the description reader stay plain C++.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simstack {

// Sub-identifiers in order; std::vector's ordering is SNMP's lexicographic order.
using Oid = std::vector<uint32_t>;

// "1.3.6.1" or ".1.3.6.1"; nullopt for anything else (empty, bad digits, overflow).
std::optional<Oid> ParseOid(std::string_view text);

// Dotted text without a leading dot.
std::string FormatOid(const Oid& oid);

bool StartsWith(const Oid& oid, const Oid& prefix);

Oid Concat(const Oid& head, const Oid& tail);

}  // namespace simstack
