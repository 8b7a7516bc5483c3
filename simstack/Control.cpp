#include "simstack/Control.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace simstack {
namespace {

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(line)};
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

std::optional<int64_t> NumberOf(const std::string& text, int64_t min, int64_t max) {
    int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < min || number > max) {
        return std::nullopt;
    }
    return number;
}

std::optional<bool> OnOff(const std::string& text, const char* on, const char* off) {
    if (text == on) return true;
    if (text == off) return false;
    return std::nullopt;
}

using Handler = std::string (*)(const std::vector<std::string>& words, FaultState& faults, StackModel& stack,
                                ObjectTree& tree);

struct Command {
    const char* name;
    size_t argumentCount;
    const char* usage;
    Handler handle;
};

std::string Silent(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto on = OnOff(words[1], "on", "off");
    if (!on) return "silent needs on or off";
    faults.silent = *on;
    return {};
}

std::string Delay(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto ms = NumberOf(words[1], 0, 600000);
    if (!ms) return "delay needs milliseconds from 0 to 600000";
    faults.delayMs = static_cast<int>(*ms);
    return {};
}

std::string FailNextSet(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    if (words[1] == "off") {
        faults.failNextSet.reset();
        return {};
    }
    const auto status = ParseSnmpStatus(words[1]);
    if (!status) return "fail-next-set needs an error status (genErr, commitFailed, ... or 1..18) or off";
    faults.failNextSet = *status;
    return {};
}

std::string FailNextRead(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto subtree = ParseOid(words[1]);
    const auto status = ParseSnmpStatus(words[2]);
    if (!subtree || !status || *status == NoError)
        return "fail-next-read needs an OID and an error status (genErr, ... or 1..18)";
    faults.failNextRead = FaultState::ReadFault{*subtree, *status};
    return {};
}

std::string RepeatGetNext(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto on = OnOff(words[1], "on", "off");
    if (!on) return "repeat-getnext needs on or off";
    faults.repeatGetNext = *on;
    return {};
}

std::string CycleGetNext(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto on = OnOff(words[1], "on", "off");
    if (!on) return "cycle-getnext needs on or off";
    faults.cycleGetNext = *on;
    return {};
}

std::string EngineId(const std::vector<std::string>& words, FaultState& faults, StackModel&, ObjectTree&) {
    const auto octets = ParseHexOctets(words[1]);
    if (!octets || octets->size() < 5 || octets->size() > 32) return "engine-id needs 5 to 32 hex octets";
    faults.engineId = *octets;
    return {};
}

std::string Restart(const std::vector<std::string>&, FaultState& faults, StackModel&, ObjectTree&) {
    ++faults.restarts;
    return {};
}

std::string Reset(const std::vector<std::string>&, FaultState& faults, StackModel&, ObjectTree&) {
    // An engine ID taken on, or a restart, stays: it is no fault.
    std::string engineId = std::move(faults.engineId);
    const unsigned restarts = faults.restarts;
    faults = FaultState{};
    faults.engineId = std::move(engineId);
    faults.restarts = restarts;
    return {};
}

Unit* UnitOf(const std::string& text, StackModel& stack) {
    const auto id = NumberOf(text, 1, MaxUnits);
    return id ? stack.FindUnit(static_cast<uint32_t>(*id)) : nullptr;
}

std::string Led(const std::vector<std::string>& words, FaultState&, StackModel& stack, ObjectTree& tree) {
    Unit* unit = UnitOf(words[1], stack);
    if (unit == nullptr) return "no unit " + words[1];
    if (words[2] == "auto") {
        unit->ledOverride.reset();
    } else {
        const auto octets = ParseHexOctets(words[2]);
        if (!octets) return "led needs hex octets (no spaces) or auto";
        unit->ledOverride = *octets;
    }
    stack.Refresh(tree, *unit);
    return {};
}

std::string Link(const std::vector<std::string>& words, FaultState&, StackModel& stack, ObjectTree& tree) {
    Unit* unit = UnitOf(words[1], stack);
    if (unit == nullptr || !unit->exists) return "no present unit " + words[1];
    const auto port = NumberOf(words[2], 1, unit->portRange);
    if (!port) return "unit " + words[1] + " has no port " + words[2];
    const auto up = OnOff(words[3], "up", "down");
    if (!up) return "link needs up or down";
    unit->ports[static_cast<uint32_t>(*port)].linkUp = *up;
    stack.Refresh(tree, *unit);
    return {};
}

constexpr Command kCommands[] = {
    {"silent", 1, "silent on|off", Silent},
    {"delay", 1, "delay <ms>", Delay},
    {"fail-next-set", 1, "fail-next-set <status>|off", FailNextSet},
    {"fail-next-read", 2, "fail-next-read <oid> <status>", FailNextRead},
    {"repeat-getnext", 1, "repeat-getnext on|off", RepeatGetNext},
    {"cycle-getnext", 1, "cycle-getnext on|off", CycleGetNext},
    {"engine-id", 1, "engine-id <hex>", EngineId},
    {"restart", 0, "restart", Restart},
    {"led", 2, "led <unit> <hex>|auto", Led},
    {"link", 3, "link <unit> <port> up|down", Link},
    {"reset", 0, "reset", Reset},
};

}  // namespace

std::string ApplyControlCommand(std::string_view line, FaultState& faults, StackModel& stack, ObjectTree& tree) {
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0].starts_with('#')) return {};
    for (const Command& command : kCommands) {
        if (words[0] != command.name) continue;
        if (words.size() != command.argumentCount + 1) return std::string("usage: ") + command.usage;
        return command.handle(words, faults, stack, tree);
    }
    return "unknown command: " + words[0];
}

ControlChannel::ControlChannel(std::string path) : path_(std::move(path)) {}

std::optional<std::string> ControlChannel::Take() {
    std::ifstream file(path_, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    file.close();
    std::remove(path_.c_str());
    return text.str();
}

void ControlChannel::Answer(const std::string& reply) {
    const std::string temporary = ReplyPath() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << reply << '\n';
    }
    std::rename(temporary.c_str(), ReplyPath().c_str());
}

}  // namespace simstack
