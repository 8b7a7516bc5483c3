#pragma once
// The stack as the simulator models it: units with their ports, link and LED
// state, and plug-in modules. From it come the objects the device view reads:
// the unit management table, the port and port control tables, the sub-unit
// table and the RMON state.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "simstack/ObjectTree.h"

namespace simstack {

// OIDs of the device view's objects.
namespace stackoid {
inline const Oid UnitEntry = {1, 3, 6, 1, 4, 1, 171, 12, 11, 1, 9, 4, 1};
inline const Oid PortEntry = {1, 3, 6, 1, 4, 1, 171, 11, 59, 8, 2, 3, 1, 1};
inline const Oid PortCtrlEntry = {1, 3, 6, 1, 4, 1, 171, 11, 59, 8, 2, 3, 2, 1};
inline const Oid SubUnitEntry = {1, 3, 6, 1, 4, 1, 171, 11, 59, 8, 2, 1, 1, 3, 1};
inline const Oid RmonState = {1, 3, 6, 1, 4, 1, 171, 11, 59, 8, 2, 1, 2, 3, 0};
}  // namespace stackoid

// Values of the unit table's status and mode columns and of the RMON state.
enum : int64_t { UnitNotExist = 0, UnitExist = 1 };
enum : int64_t { ModeStandAlone = 3, ModeMaster = 4, ModeSlave = 5 };
enum : int64_t { RmonDisabled = 2, RmonEnabled = 3 };
enum : int64_t { LinkPass = 2, LinkFail = 3 };

// LED state bytes: green steady, and the blink bit for activity.
inline constexpr uint8_t LedOff = 0x00;
inline constexpr uint8_t LedGreen = 0x02;
inline constexpr uint8_t LedBlink = 0x80;

inline constexpr uint32_t MaxUnits = 12;
inline constexpr uint32_t PortsPerUnit = 64;

struct PortState {
    bool linkUp = false;
    bool activity = false;         // link LED blinks
    int64_t type = 4;              // portType-1000Base-TX
    int64_t nway = 2;              // nway-enabled
    std::optional<std::string> leds;  // the port's two LED bytes as given, in place of the derived ones
};

struct ModuleInfo {
    std::string name;  // "Selvor", "Pirell"
    std::string revision;
    std::string serial;
    std::string description;
};

struct Unit {
    uint32_t id = 1;
    bool exists = true;
    std::string model;
    std::string mac = std::string(6, '\0');
    int64_t startPort = 1;
    int64_t portRange = 0;
    int64_t mode = ModeStandAlone;
    std::string version;
    std::string promVersion;
    std::string firmwareVersion;
    std::string hardwareVersion;
    int64_t priority = 0;
    std::optional<ModuleInfo> module;
    std::optional<std::string> systemLeds;  // bytes 0-3 as given
    std::map<uint32_t, PortState> ports;    // 1..portRange
    std::optional<std::string> ledOverride; // whole LED string served as it is (fault injection)
};

// Number of ports a model has when the description does not say; 24 for a model we do not know.
int64_t DefaultPortRange(const std::string& model);

// Bytes of a unit's front-panel LED string: four system LEDs, then two bytes
// per port (port p at 4 + 2(p-1): its link/activity LED, then its speed LED),
// as long as the model's front panel reads.
size_t LedStringLength(const std::string& model, int64_t portRange);

std::string LedString(const Unit& unit);

inline uint32_t StackPortIndex(uint32_t unit, uint32_t port) { return (unit - 1) * PortsPerUnit + port; }

class StackModel {
public:
    std::vector<Unit> units;
    bool rmonEnabled = true;

    Unit* FindUnit(uint32_t id);

    // Adds the device view's tables and the RMON state to the tree.
    void Publish(ObjectTree& tree) const;

    // Writes a unit's derived cells again (its LED string, its ports' link status).
    void Refresh(ObjectTree& tree, const Unit& unit) const;
};

}  // namespace simstack
