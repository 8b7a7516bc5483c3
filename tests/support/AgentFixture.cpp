#include "AgentFixture.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

void AgentFixture::StartAgent(const std::string& description, const std::vector<std::string>& arguments) {
    Dir = std::make_unique<TempDir>("kx-engine");
    std::string path = SimStackProcess::DefaultDescriptionPath();
    if (!description.empty()) {
        path = (Dir->Path() / "stack.json").string();
        std::ofstream(path) << description;
    }
    Stack = std::make_unique<SimStackProcess>(path, arguments);
    InitSnmpSession(Dir->Path().string());
    SessionParameters.Device.Address = Stack->Address();
    SessionParameters.Device.Port = Stack->Port();
    UseVersion(1);
}

void AgentFixture::UseVersion(uint8_t version) { SessionParameters.Security.Version = version; }

void AgentFixture::UseV3(const std::string& user, int authProtocol, const std::string& authPassword,
                         int privProtocol, const std::string& privPassword, int level) {
    VxSNMPSecurity& s = SessionParameters.Security;
    s.Version = 3;
    s.SecurityModel = 3;
    s.SecurityLevel = level;
    s.SecurityName = user;
    s.AuthProtocol = authProtocol;
    s.AuthPassword = authPassword;
    s.PrivProtocol = privProtocol;
    s.PrivPassword = privPassword;
}

void AgentFixture::TearDown() {
    Stack.reset();
    Dir.reset();
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
