// Benchmark: a walk of a 1,000-row, 6-column table of the simulated stack
// (SNMPv2c over loopback), three ways in one run:
//   - net-snmp alone, one blocking get-next per row (the yardstick);
//   - the engine's blocking walk, SyncGet(true) then SyncGet(false);
//   - the engine's asynchronous walk, each AsyncGet issued by the previous
//     reply's continuation, driven by the event pump.
// Each walk is timed several times; the medians and the engine/plain ratios
// are printed. The engine walks should take at most 1.2 times the plain one.
// The cpu column is this process's CPU time (the simulator's not included):
// close to the wall time, it means the client busy-waits for its replies.
//
//   bench_engine_walk [--runs N] [--rows N]

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchStack.h"
#include "bench/BenchSupport.h"
#include "bench/BenchTable.h"
#include "bench/EngineWalks.h"
#include "bench/PlainNetSnmpWalk.h"
#include "framework/VxSNMPSession.h"

namespace {

using namespace bench;

constexpr double TargetRatio = 1.2;

void PrintResults(const std::vector<Walk>& walks, int rows, int runs) {
    PrintWalks("Walk of a " + std::to_string(rows) + "-row, 6-column table, SNMPv2c on 127.0.0.1", walks, rows, runs,
               0, "plain");
    const double plain = Median(walks[0].WallMs);
    const double syncRatio = Median(walks[1].WallMs) / plain;
    const double asyncRatio = Median(walks[2].WallMs) / plain;
    std::printf("\n  SyncGet / plain:  %.2f\n  AsyncGet / plain: %.2f\n", syncRatio, asyncRatio);
    std::printf("  target: both engine walks within %.1f x the plain loop: %s\n", TargetRatio,
                syncRatio <= TargetRatio && asyncRatio <= TargetRatio ? "met" : "NOT met");
}

int Run(int argc, char** argv) {
    const int runs = IntOption(argc, argv, "--runs", 7);
    const int rows = IntOption(argc, argv, "--rows", BenchDefaultRows);

    BenchStack stack(rows);
    std::vector<std::string> columns;
    for (int c = 1; c <= BenchColumnCount; ++c) columns.push_back(BenchColumnOid(c));
    PlainNetSnmpWalk plain(stack.Stack().Address(), stack.Stack().Port(), SessionParameters.Security.ReadCommunity);

    std::vector<Walk> walks = {
        {"net-snmp loop", WholeCall([&] { return plain.Walk(columns); }), {}, {}},
        {"engine SyncGet", WholeCall(EngineSyncWalk), {}, {}},
        {"engine AsyncGet + pump", WholeCall(EngineAsyncWalk), {}, {}},
    };
    RunInterleaved(walks, rows, runs);
    PrintResults(walks, rows, runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_engine_walk: %s\n", e.what());
        return 1;
    }
}
