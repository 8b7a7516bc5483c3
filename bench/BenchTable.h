#pragma once
// The table the benchmarks read from the simulated stack: `rows` rows of six
// readable columns (an integer index, two texts, an integer, a counter and
// an IP address), under an enterprise OID of its own.

#include <filesystem>
#include <string>

#include "framework/SnmpVarItem.h"

namespace bench {

inline constexpr const char* BenchEntryOid = "1.3.6.1.4.1.99.100.1";
inline constexpr int BenchColumnCount = 6;
inline constexpr int BenchDefaultRows = 1000;

// The six columns as a catalogue item array (ended by a null record); the
// first is the index, so a var list of them has one index item.
extern const SnmpVarItem BenchTableItems[];

// "<entry>.<column>" for column 1..6.
std::string BenchColumnOid(int column);

// The stack description holding the table, written to `path`.
void WriteBenchDescription(const std::filesystem::path& path, int rows);

}  // namespace bench
