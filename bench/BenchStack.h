#pragma once
// The simulated stack serving the benchmark table, with the engine's session
// started and pointed at it (SNMPv2c on 127.0.0.1).

#include <memory>

#include "bench/BenchSupport.h"
#include "simstack/SimStackProcess.h"

namespace bench {

class BenchStack {
public:
    // Throws std::runtime_error when the simulator or the event pump does
    // not start.
    explicit BenchStack(int rows);

    const SimStackProcess& Stack() const { return *stack_; }

private:
    WorkDir dir_;
    std::unique_ptr<SimStackProcess> stack_;
};

}  // namespace bench
