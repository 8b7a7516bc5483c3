#include "bench/EngineWalks.h"

#include <QEventLoop>
#include <QTimer>

#include <stdexcept>
#include <string>

#include "bench/BenchTable.h"

namespace bench {

namespace {

constexpr int AsyncWalkLimitMs = 120000;

}  // namespace

void UseBenchTable(VxSNMPRequest& request) { request.VarList = VxSNMPVarList(BenchTableItems, MVT_FMV, 1); }

void CheckRow(const VxSNMPVarList& list, int row) {
    if (list.GetItem(0)->Value != std::to_string(row))
        throw std::runtime_error("engine walk: row " + std::to_string(row) + " has index " + list.GetItem(0)->Value);
}

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

}  // namespace bench
