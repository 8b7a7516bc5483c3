#pragma once
// Liveness of objects that long work may outlive, counts of the work running
// on one, and the module's one wait.
// The rule that builds on them is written in VxSNMPRequest2Controls.h.
//
//   VxLifeline Life;                                // a member of the object
//   const VxWatch alive = Life.Watch();
//   Handler();                                      // may delete the object
//   if (!alive) return;                             // touch nothing of it then
//
//   VxWaitWhile(alive, [&] { return Pending > 0; }, std::chrono::milliseconds(6000), VxInput::Hold);

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

// Whether an object is still there, asked without touching it.
class VxWatch {
public:
    VxWatch() = default;
    bool Alive() const { return !Token.expired(); }
    explicit operator bool() const { return Alive(); }

private:
    friend class VxLifeline;
    explicit VxWatch(std::weak_ptr<const void> token) : Token(std::move(token)) {}
    std::weak_ptr<const void> Token;
};

// Held by an object that long work may outlive; its watches see it go.
class VxLifeline {
public:
    VxLifeline() : Token(std::make_shared<char>(0)) {}
    VxLifeline(const VxLifeline&) = delete;
    VxLifeline& operator=(const VxLifeline&) = delete;

    VxWatch Watch() const { return VxWatch(Token); }

private:
    std::shared_ptr<const void> Token;
};

// Counts work of an object while it runs, on every path out (unless the
// object went meanwhile).
class VxCountScope {
public:
    VxCountScope(int& count, VxWatch alive) : Count(count), Alive(std::move(alive)) { ++Count; }
    ~VxCountScope() {
        if (Alive) --Count;
    }
    VxCountScope(const VxCountScope&) = delete;
    VxCountScope& operator=(const VxCountScope&) = delete;

private:
    int& Count;
    VxWatch Alive;
};

// What becomes of mouse, key and close input while a wait runs.
enum class VxInput {
    Deliver,  // handled as always (the user may act meanwhile)
    Hold,     // kept until the outermost holding wait has ended, so nothing re-enters the windows that wait
};

// The one wait: lets the SNMP session (replies, time-outs) and the message
// loop (timers, paints, other windows' work) run until `busy` no longer
// holds, `limit` has passed, or the watched object has gone. `busy` is only
// asked while the object lives. True when the work has ended; false on the
// limit or when the object went (then nothing of it may be touched).
bool VxWaitWhile(const VxWatch& watch, const std::function<bool()>& busy, std::chrono::milliseconds limit,
                 VxInput input);

// One round of the wait without waiting: what the session and the message
// loop have pending now. False when the watched object went meanwhile.
bool VxLetMessagesRun(const VxWatch& watch, VxInput input = VxInput::Deliver);

// While one lives, input that a blocking request held goes through before
// the next blocking read is sent, as it does between the rows of a walk, so
// that a close or an Exit taken then ends the work before that request goes
// out. A command's window holds one while it is built: its reads run before
// it shows, so nothing of the window itself takes input yet. Scopes nest.
class VxInputBetweenRequests {
public:
    VxInputBetweenRequests();
    ~VxInputBetweenRequests();
    VxInputBetweenRequests(const VxInputBetweenRequests&) = delete;
    VxInputBetweenRequests& operator=(const VxInputBetweenRequests&) = delete;

    static bool Active();
};

// How the GUI keeps input that the window system has already handed over
// (or that code posted) while a wait holds input: `begin` runs when the
// first holding wait starts, `end` when the last one ends. Input still in
// the window system waits by itself.
void VxSetInputHoldHooks(std::function<void()> begin, std::function<void()> end);
