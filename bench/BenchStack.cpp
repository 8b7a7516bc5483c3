#include "bench/BenchStack.h"

#include <stdexcept>

#include "bench/BenchTable.h"
#include "framework/VxSNMPSession.h"

namespace bench {

BenchStack::BenchStack(int rows) : dir_("kx-bench") {
    const auto description = dir_.Path() / "stack.json";
    WriteBenchDescription(description, rows);
    stack_ = std::make_unique<SimStackProcess>(description.string());

    InitSnmpSession(dir_.Path().string());
    if (!SnmpEventProcessor().IsRunning()) throw std::runtime_error("the event pump does not run");
    SessionParameters.Device.Address = stack_->Address();
    SessionParameters.Device.Port = stack_->Port();
    SessionParameters.Security.Version = 1;  // SNMPv2c
}

}  // namespace bench
