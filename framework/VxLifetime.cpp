#include "VxLifetime.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include "framework/SnmpTransport.h"

namespace {

// The longest one round blocks for a reply: timers and paints are due at
// most this late while a wait runs.
constexpr int RoundBlockMs = 5;

struct InputHold {
    std::function<void()> Begin, End;
    int Depth = 0;  // holding waits running, nested
};

InputHold& Hold() {
    static InputHold hold;
    return hold;
}

class InputHoldScope {
public:
    explicit InputHoldScope(VxInput input) : Active(input == VxInput::Hold) {
        if (Active && Hold().Depth++ == 0 && Hold().Begin) Hold().Begin();
    }
    ~InputHoldScope() {
        if (Active && --Hold().Depth == 0 && Hold().End) Hold().End();
    }
    InputHoldScope(const InputHoldScope&) = delete;
    InputHoldScope& operator=(const InputHoldScope&) = delete;

private:
    bool Active;
};

// The session first (a reply may be on its way: wait for it a little), then
// whatever the message loop has pending. While any wait holds input, the
// window system keeps its input events, also for rounds nested in it. What a
// holding round passed over waits in the window system's own queue until
// the event dispatcher is woken: a round that lets input go wakes it.
void Round(int blockMs) {
    SnmpTransport::Instance().ProcessPendingEvents(blockMs);
    if (!QCoreApplication::instance()) return;
    if (Hold().Depth > 0) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace

bool VxWaitWhile(const VxWatch& watch, const std::function<bool()>& busy, std::chrono::milliseconds limit,
                 VxInput input) {
    if (!watch) return false;
    if (!busy()) return true;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    InputHoldScope hold(input);
    while (std::chrono::steady_clock::now() < deadline) {
        Round(RoundBlockMs);
        if (!watch) return false;
        if (!busy()) return true;
    }
    return false;
}

bool VxLetMessagesRun(const VxWatch& watch, VxInput input) {
    InputHoldScope hold(input);
    Round(0);
    return watch.Alive();
}

namespace {
int InputBetweenRequestsScopes = 0;
}  // namespace

VxInputBetweenRequests::VxInputBetweenRequests() { ++InputBetweenRequestsScopes; }
VxInputBetweenRequests::~VxInputBetweenRequests() { --InputBetweenRequestsScopes; }
bool VxInputBetweenRequests::Active() { return InputBetweenRequestsScopes > 0; }

void VxSetInputHoldHooks(std::function<void()> begin, std::function<void()> end) {
    Hold().Begin = std::move(begin);
    Hold().End = std::move(end);
}
