#pragma once
// Test support: runs the simulated stack (kx_simstack) as a child process on
// a free port of 127.0.0.1, in a working directory of its own, and controls it.
//
//   SimStackProcess stack;                        // the default three-unit stack
//   stack.Port();                                 // where it listens
//   stack.Control("link 1 5 down");               // served from the next request on
//   stack.TraceLines();                           // "OID type value" of every set received
//
// Each instance has its own temporary directory, so tests may run in parallel.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "simstack/SimStackDefaults.h"

class SimStackProcess {
public:
    // Starts the simulator with a description file and further command-line
    // arguments (for instance {"--user", "name:SHA:password1"}), and waits
    // until it is ready. Throws std::runtime_error when it does not start.
    explicit SimStackProcess(const std::string& descriptionFile = DefaultDescriptionPath(),
                             const std::vector<std::string>& extraArguments = {});
    ~SimStackProcess();
    SimStackProcess(const SimStackProcess&) = delete;
    SimStackProcess& operator=(const SimStackProcess&) = delete;

    uint16_t Port() const { return port_; }
    std::string Address() const { return "127.0.0.1"; }
    // "127.0.0.1:<port>", as net-snmp's tools take an agent.
    std::string Endpoint() const;
    const std::filesystem::path& WorkDir() const { return workDir_; }
    pid_t Pid() const { return pid_; }

    // Gives the simulator one or more control commands (lines) and waits until
    // it has taken them in. Throws std::runtime_error with the simulator's
    // answer when it refuses one, or when it does not answer.
    void Control(const std::string& commands);

    // The set trace: one line per varbind of every set the simulator received.
    std::vector<std::string> TraceLines() const;
    void ClearTrace();

    // Stops the simulator (SIGTERM; SIGKILL after 10 s) and returns its exit
    // status as waitpid gives it. The destructor stops it too.
    int Stop();

    static std::string BinaryPath();
    static std::string DefaultDescriptionPath();

private:
    std::filesystem::path ControlPath() const { return workDir_ / "control"; }
    std::filesystem::path TracePath() const { return workDir_ / "set-trace.log"; }
    void WaitForReady(int output);
    bool HasExited();

    std::filesystem::path workDir_;
    pid_t pid_ = -1;
    int exitStatus_ = 0;
    uint16_t port_ = 0;
};
