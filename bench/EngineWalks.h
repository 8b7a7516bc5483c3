#pragma once
// The engine's walks of the benchmark table, each checking that it saw
// every row once and in order (std::runtime_error otherwise):
//   - the blocking walk, SyncGet(true) then SyncGet(false);
//   - the asynchronous walk, each AsyncGet issued by the previous reply's
//     continuation, driven by the event pump (a Qt application must exist).
// Both return the number of rows walked.

#include "framework/VxSNMPRequest.h"

namespace bench {

// Points a request at the benchmark table (a full table with one index item).
void UseBenchTable(VxSNMPRequest& request);

// Throws unless the index item of `list` holds `row`: each row's index is its
// row number, so a walk that skips, repeats or reorders rows is caught.
void CheckRow(const VxSNMPVarList& list, int row);

int EngineSyncWalk();
int EngineAsyncWalk();

}  // namespace bench
