#pragma once
// Fault injection and live state changes, given to the running simulator as
// command lines through its control file (simstack/README.md lists them).

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "simstack/ObjectTree.h"
#include "simstack/SnmpStatus.h"
#include "simstack/StackModel.h"

namespace simstack {

struct FaultState {
    bool silent = false;                    // drop every datagram unanswered
    int delayMs = 0;                        // hold every request this long before answering
    std::optional<SnmpStatus> failNextSet;  // refuse the next set with this status
    // Refuse the next get or get-next that asks for an OID in `subtree` with
    // `status` (a read that other traffic, such as the LED poll, cannot take
    // first); the sets before it pass.
    struct ReadFault {
        Oid subtree;
        SnmpStatus status;
    };
    std::optional<ReadFault> failNextRead;
    bool repeatGetNext = false;             // answer get-next with the OID asked for
    bool cycleGetNext = false;              // past a column's last row, get-next starts the column again
    // The SNMPv3 engine ID to serve from now on, as a replaced or reset
    // device would; the agent takes it on at once. Empty: keep the current one.
    std::string engineId;
    // Restarts to go through, as a device that rebooted: the engine ID
    // stays and its boot count goes up by one.
    unsigned restarts = 0;
};

// Applies one command line; returns an empty text, or what is wrong with it.
// Blank lines and lines starting with '#' do nothing.
std::string ApplyControlCommand(std::string_view line, FaultState& faults, StackModel& stack, ObjectTree& tree);

// The control file: a client writes commands into it (whole, by rename); the
// simulator takes them in, removes the file and answers in "<file>.reply" with
// "ok" or "error <what>".
class ControlChannel {
public:
    explicit ControlChannel(std::string path);

    const std::string& Path() const { return path_; }
    std::string ReplyPath() const { return path_ + ".reply"; }

    // Takes in a waiting control file, if any, applying each line in order
    // until one fails. Returns true when a file was taken in.
    template <typename Apply>
    bool Poll(Apply&& apply);

private:
    std::optional<std::string> Take();
    void Answer(const std::string& reply);

    std::string path_;
};

template <typename Apply>
bool ControlChannel::Poll(Apply&& apply) {
    const auto text = Take();
    if (!text) return false;
    size_t start = 0;
    std::string reply = "ok";
    while (start <= text->size()) {
        const size_t end = std::min(text->find('\n', start), text->size());
        const std::string line = text->substr(start, end - start);
        if (const std::string error = apply(line); !error.empty()) {
            reply = "error " + error;
            break;
        }
        start = end + 1;
    }
    Answer(reply);
    return true;
}

}  // namespace simstack
