#pragma once
// The process-wide SNMP session: the default settings that every request
// copies, the SNMPv3 start-up (engine id, boot counter file), and the event
// pump that lets the session handle replies and time-outs on the GUI thread.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTimer;
class QSocketNotifier;

struct VxSNMPDevice {
    std::string Address;
    uint16_t Port = 0;
};

struct VxSNMPScope {
    std::string ContextEngineId;
    std::string ContextName;
};

struct VxSNMPSecurity {
    uint8_t Version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;
    std::string WriteCommunity;
    int SecurityModel = 0;
    int SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocol = 0;  // 1 none, 2 MD5, 3 SHA
    int PrivProtocol = 0;  // 1 none, 2 DES
};

struct VxSNMPSessionParameters {
    VxSNMPDevice Device;
    VxSNMPScope Scope;
    VxSNMPSecurity Security;
    uint32_t Timeout = 0;  // per attempt, in 10 ms units
};

// Empty until InitSnmpSession writes the defaults; then overwritten from the
// command line and the per-device file.
extern VxSNMPSessionParameters SessionParameters;

inline constexpr const char* BootCounterFileName = "VxSNMP_PP_BootCounter";
inline constexpr const char* LocalEngineIdText = "VxSNMP_PP_Application";

// Starts the session: engine id, boot counter read, incremented and saved
// in `directory` (empty: the current directory), SNMPv3 message processing,
// default settings, then the pump. Throws -506, -507 or -508.
void InitSnmpSession(const std::string& directory);
// Whether InitSnmpSession has created the session.
bool SnmpSessionStarted();

// The boot counter file. 0 read, -1 no entry for the engine id, -2 no file
// of that name, -3 engine id longer than 32 octets, -4 the name holds no
// boot counter file that can be read (a link, a FIFO, a device, a folder, a
// file too large or one we may not read): InitSnmpSession then stops.
int getBootCounter(const std::string& path, const std::string& engineId, unsigned& counter);
// 0 saved, nonzero when the file cannot be written.
int saveBootCounter(const std::string& path, const std::string& engineId, unsigned counter);

// The 20 ms timer that drives the session's pending-event processing on
// the GUI thread while requests are outstanding (it rests otherwise and
// wakes with the next send). Arrived replies are also handled at once,
// through notifiers on the session's sockets.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor();
    void Start();
    void Stop();
    bool IsRunning() const;
    // Whether the timer ticks now (it rests while nothing is outstanding).
    bool Ticking() const;
    void OnTimer();

private:
    void WatchSockets();
    void OnSocketReady(int fd);

    QTimer* Timer;
    bool Started = false;
    std::map<int, std::unique_ptr<QSocketNotifier>> Notifiers;  // by socket
};

_SnmpEventProcessor& SnmpEventProcessor();
