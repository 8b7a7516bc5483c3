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
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/BenchTable.h"
#include "bench/PlainNetSnmpWalk.h"
#include "framework/VxSNMPRequest.h"
#include "framework/VxSNMPSession.h"
#include "platform/Exception.h"
#include "simstack/SimStackProcess.h"

namespace {

using namespace bench;

constexpr double TargetRatio = 1.2;
constexpr int AsyncWalkLimitMs = 120000;

// Each row's index column holds its row number: a walk that skips, repeats
// or reorders rows is caught, not timed.
void CheckRow(const VxSNMPVarList& list, int row) {
    if (list.GetItem(0)->Value != std::to_string(row))
        throw std::runtime_error("engine walk: row " + std::to_string(row) + " has index " + list.GetItem(0)->Value);
}

void UseBenchTable(VxSNMPRequest& request) { request.VarList = VxSNMPVarList(BenchTableItems, MVT_FMV, 1); }

int EngineSyncWalk() {
    VxSNMPRequest request;
    UseBenchTable(request);
    int rows = 0;
    for (bool more = request.SyncGet(true); more; more = request.SyncGet(false)) CheckRow(request.VarList, ++rows);
    return rows;
}

int EngineAsyncWalk() {
    VxSNMPRequest request;
    UseBenchTable(request);
    QEventLoop loop;
    int rows = 0;
    std::string failure;
    auto fail = [&](const std::string& why) {
        failure = why;
        loop.quit();
    };
    VxSNMPContinuation next = [&](VxSNMPError* reply, VxSNMPVarList* list) {
        if (reply->Code != 0) return fail("engine async walk: " + reply->Message);
        if (reply->Done) return loop.quit();
        try {
            CheckRow(*list, ++rows);
            request.AsyncGet(next, false);
        } catch (const std::exception& e) {
            fail(e.what());
        }
    };
    request.AsyncGet(next, true);
    QTimer::singleShot(AsyncWalkLimitMs, &loop, [&] { fail("engine async walk: no end within the time limit"); });
    loop.exec();
    if (!failure.empty()) throw std::runtime_error(failure);
    return rows;
}

struct Walk {
    const char* Name;
    std::function<int()> Run;
    std::vector<double> WallMs, CpuMs;
};

void RunAndCheck(Walk& walk, int rows, bool timed) {
    int seen = 0;
    const Timing t = Measure([&] { seen = walk.Run(); });
    if (seen != rows)
        throw std::runtime_error(std::string(walk.Name) + ": " + std::to_string(seen) + " rows instead of " +
                                 std::to_string(rows));
    if (!timed) return;
    walk.WallMs.push_back(t.WallMs);
    walk.CpuMs.push_back(t.CpuMs);
}

void PrintResults(const std::vector<Walk>& walks, int rows, int runs) {
    const double plain = Median(walks[0].WallMs);
    std::printf("\nWalk of a %d-row, 6-column table, SNMPv2c on 127.0.0.1: median of %d runs%s\n\n", rows, runs,
#ifdef NDEBUG
                ""
#else
                " (unoptimised build: the numbers say little)"
#endif
    );
    std::printf("  %-24s %10s %13s %10s %9s\n", "walk", "time (ms)", "per row (us)", "cpu (ms)", "x plain");
    for (const Walk& walk : walks) {
        const double ms = Median(walk.WallMs);
        std::printf("  %-24s %10.1f %13.1f %10.1f %9.2f\n", walk.Name, ms, 1000.0 * ms / rows, Median(walk.CpuMs),
                    ms / plain);
    }
    const double syncRatio = Median(walks[1].WallMs) / plain;
    const double asyncRatio = Median(walks[2].WallMs) / plain;
    std::printf("\n  SyncGet / plain:  %.2f\n  AsyncGet / plain: %.2f\n", syncRatio, asyncRatio);
    std::printf("  target: both engine walks within %.1f x the plain loop: %s\n", TargetRatio,
                syncRatio <= TargetRatio && asyncRatio <= TargetRatio ? "met" : "NOT met");
}

int Run(int argc, char** argv) {
    const int runs = IntOption(argc, argv, "--runs", 7);
    const int rows = IntOption(argc, argv, "--rows", BenchDefaultRows);

    WorkDir dir("kx-bench-walk");
    const auto description = dir.Path() / "stack.json";
    WriteBenchDescription(description, rows);
    SimStackProcess stack(description.string());

    InitSnmpSession(dir.Path().string());
    if (!SnmpEventProcessor().IsRunning()) throw std::runtime_error("the event pump does not run");
    SessionParameters.Device.Address = stack.Address();
    SessionParameters.Device.Port = stack.Port();
    SessionParameters.Security.Version = 1;  // SNMPv2c

    std::vector<std::string> columns;
    for (int c = 1; c <= BenchColumnCount; ++c) columns.push_back(BenchColumnOid(c));
    PlainNetSnmpWalk plain(stack.Address(), stack.Port(), SessionParameters.Security.ReadCommunity);

    std::vector<Walk> walks = {
        {"net-snmp loop", [&] { return plain.Walk(columns); }, {}, {}},
        {"engine SyncGet", EngineSyncWalk, {}, {}},
        {"engine AsyncGet + pump", EngineAsyncWalk, {}, {}},
    };
    // One untimed walk of each first: sessions open, caches warm.
    for (Walk& walk : walks) RunAndCheck(walk, rows, false);
    // Interleaved, so that a slow spell of the machine falls on all three,
    // and each run starts with the next walk, so that none always follows
    // the same one.
    const size_t count = walks.size();
    for (int run = 0; run < runs; ++run)
        for (size_t k = 0; k < count; ++k) RunAndCheck(walks[(static_cast<size_t>(run) + k) % count], rows, true);
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
