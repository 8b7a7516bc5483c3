#include "VxSNMPSession.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "common/VxUtils.h"
#include "framework/SnmpTransport.h"
#include "framework/SnmpValues.h"
#include "framework/VxSNMPMessages.h"
#include "platform/Exception.h"
#include "platform/SysUtils.h"

VxSNMPSessionParameters SessionParameters;

namespace {

bool SessionStarted = false;

void WriteDefaultSettings() {
    VxSNMPSessionParameters& p = SessionParameters;
    p.Device.Address = "127.0.0.1";
    p.Device.Port = 161;
    p.Scope.ContextEngineId.clear();
    p.Scope.ContextName.clear();
    p.Security.Version = 0;
    p.Security.ReadCommunity = "mirabo";
    p.Security.WriteCommunity = "quesnal";
    p.Security.SecurityModel = 1;
    p.Security.SecurityLevel = 1;
    p.Security.SecurityName.clear();
    p.Security.AuthPassword.clear();
    p.Security.PrivPassword.clear();
    p.Security.AuthProtocol = 1;
    p.Security.PrivProtocol = 1;
    p.Timeout = 100;
}

// The boot counter file holds one line per engine id:
//   <engine id as upper-case hex text> <boot counter in decimal>
// Lines of other engine ids are kept when the file is rewritten.
struct BootCounterLine {
    std::string EngineIdHex;
    unsigned Counter = 0;
};

// The file lies in the working directory, where anyone may have put
// something under its name: a link there is not followed (it would copy
// another file's lines into ours), a FIFO or a device is not waited on, and
// a file larger than any boot counter file is not taken.
constexpr FileReadRules BootCounterFileRules{.FollowLink = false, .MaxBytes = 64 * 1024};

// 0 read, -2 no file of that name, -4 something else stands there.
int ReadBootCounterLines(const std::string& path, std::vector<BootCounterLine>& lines) {
    const std::optional<std::string> contents = ReadFileContents(path, BootCounterFileRules);
    if (!contents) {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec)) ? -4 : -2;
    }
    std::istringstream in(*contents);
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        BootCounterLine line;
        if (fields >> line.EngineIdHex >> line.Counter) lines.push_back(line);
    }
    return 0;
}

}  // namespace

int getBootCounter(const std::string& path, const std::string& engineId, unsigned& counter) {
    counter = 0;
    if (engineId.size() > 32) return -3;
    std::vector<BootCounterLine> lines;
    if (const int read = ReadBootCounterLines(path, lines); read != 0) return read;
    const std::string hex = HexText(engineId);
    for (const auto& line : lines)
        if (line.EngineIdHex == hex) {
            counter = line.Counter;
            return 0;
        }
    return -1;
}

int saveBootCounter(const std::string& path, const std::string& engineId, unsigned counter) {
    std::vector<BootCounterLine> lines;
    ReadBootCounterLines(path, lines);
    const std::string hex = HexText(engineId);
    bool found = false;
    for (auto& line : lines)
        if (line.EngineIdHex == hex) {
            line.Counter = counter;
            found = true;
        }
    if (!found) lines.push_back({hex, counter});
    std::string text;
    for (const auto& line : lines) text += line.EngineIdHex + ' ' + std::to_string(line.Counter) + '\n';
    // Replaced, never written through a link; a new file is the user's alone.
    return ReplaceFileContents(path, text, 0600) ? 0 : -1;
}

bool SnmpSessionStarted() { return SessionStarted; }

void InitSnmpSession(const std::string& directory) {
    SnmpTransport::Instance();  // net-snmp started; it reports no failure of its own
    SessionStarted = true;
    const std::string engineId = LocalEngineIdText;
    const std::string path = JoinPath(directory, BootCounterFileName);
    unsigned counter = 0;
    const int read = getBootCounter(path, engineId, counter);
    if (read != 0 && read < -2) ThrowVxSNMP(vxBootCounterLoad);
    ++counter;
    if (saveBootCounter(path, engineId, counter) != 0) ThrowVxSNMP(vxBootCounterSave);
    SnmpTransport::Instance().SetLocalEngine(engineId, counter);
    WriteDefaultSettings();
    SnmpEventProcessor().Start();
}

_SnmpEventProcessor::_SnmpEventProcessor() : Timer(new QTimer()) {
    Timer->setInterval(20);
    QObject::connect(Timer, &QTimer::timeout, [this] { OnTimer(); });
    SnmpTransport::Instance().OnSocketsChanged = [this] { WatchSockets(); };
    SnmpTransport::Instance().OnSend = [this] {
        if (Started && !Timer->isActive()) Timer->start();
    };
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
    Notifiers.clear();
    delete Timer;
}

void _SnmpEventProcessor::Start() {
    Started = true;
    Timer->start();
    WatchSockets();
}

void _SnmpEventProcessor::Stop() {
    Started = false;
    Timer->stop();
}

bool _SnmpEventProcessor::IsRunning() const { return Started; }

bool _SnmpEventProcessor::Ticking() const { return Timer->isActive(); }

// The session never runs a completion from inside its own reading, and a
// tick never waits for the event loop while it reads, so neither a second
// tick nor a notifier can re-enter the library; completions may pump the
// event loop freely.
//
// While nothing is outstanding the timer rests (an idle module does not wake
// fifty times a second); the next send starts it again.
void _SnmpEventProcessor::OnTimer() {
    SnmpTransport& transport = SnmpTransport::Instance();
    transport.ProcessPendingEvents();
    if (!transport.HasOutstanding()) Timer->stop();
}

void _SnmpEventProcessor::OnSocketReady(int fd) {
    if (IsRunning()) SnmpTransport::Instance().ReadSocket(fd);
}

void _SnmpEventProcessor::WatchSockets() {
    // Sessions are only ever added, and this may run from inside a
    // notifier's own signal: existing notifiers stay.
    for (int fd : SnmpTransport::Instance().SocketDescriptors()) {
        if (Notifiers.count(fd)) continue;
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, fd] { OnSocketReady(fd); });
        Notifiers.emplace(fd, std::move(notifier));
    }
}

_SnmpEventProcessor& SnmpEventProcessor() {
    static _SnmpEventProcessor* pump = new _SnmpEventProcessor();
    return *pump;
}
