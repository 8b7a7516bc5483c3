#include "bench/BenchTable.h"

#include <fstream>
#include <stdexcept>

namespace bench {

const SnmpVarItem BenchTableItems[] = {
    {"1.3.6.1.4.1.99.100.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.100.1.2", "Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.99.100.1.3", "Speed", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.100.1.4", "Packets", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.99.100.1.5", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.99.100.1.6", "Description", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0}};

std::string BenchColumnOid(int column) { return std::string(BenchEntryOid) + "." + std::to_string(column); }

namespace {

// One row's values; every row differs, so that no reply is a copy of another.
std::string RowJson(int row) {
    const std::string n = std::to_string(row);
    return R"({"values": {"1": )" + n + R"(, "2": "port-)" + n + R"(", "3": )" + std::to_string(row % 4 * 1000) +
           R"(, "4": )" + std::to_string(row * 7919L % 4000000000L) + R"(, "5": "10.)" + std::to_string(row / 65536) +
           "." + std::to_string(row / 256 % 256) + "." + std::to_string(row % 256) +
           R"(", "6": "row )" + n + R"( of the benchmark table"}})";
}

}  // namespace

void WriteBenchDescription(const std::filesystem::path& path, int rows) {
    std::ofstream out(path);
    out << R"({"tables": [{"name": "benchTable", "entry": ")" << BenchEntryOid << R"(", "index": [1],
  "columns": [{"id": 1, "type": "integer"}, {"id": 2, "type": "string"}, {"id": 3, "type": "integer"},
              {"id": 4, "type": "counter"}, {"id": 5, "type": "ipaddress"}, {"id": 6, "type": "string"}],
  "rows": [
)";
    for (int row = 1; row <= rows; ++row) out << "    " << RowJson(row) << (row < rows ? ",\n" : "\n");
    out << "]}]}\n";
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace bench
