#include "dialogbase/StackUnits.h"

#include <iterator>

#include "common/VxNumbers.h"

int CheckedUnitId(const std::string& text, std::string& message) {
    if (auto unit = WholeInteger(text, 1, MaxStackUnits)) return static_cast<int>(*unit);
    message = "Unit id \"" + text + "\" from the agent is not 1 to 12: that unit is left out.";
    return 0;
}

int CheckedPortRange(int unit, const std::string& text, std::string& message) {
    if (auto ports = WholeInteger(text, 1, PortsPerUnit)) return static_cast<int>(*ports);
    message = "Port range \"" + text + "\" of unit " + std::to_string(unit) +
              " from the agent is not 1 to 64: that unit is left out.";
    return 0;
}

UnitModel ModelOf(ModelNameTable names, const std::string& model) {
    static constexpr UnitModel byEntry[] = {UnitModel::Kestrix, UnitModel::Kestrix, UnitModel::Brovan,
                                            UnitModel::Brovan,  UnitModel::Tallix,  UnitModel::Tallix,
                                            UnitModel::Morvek,  UnitModel::Morvek,  UnitModel::Morvek};
    for (size_t i = 0; i < names.size() && i < std::size(byEntry); ++i)
        if (!names[i].empty() && names[i] == model) return byEntry[i];
    return UnitModel::None;
}

int ConfiguredPortCount(UnitModel model) {
    switch (model) {
    case UnitModel::Kestrix: return 50;
    case UnitModel::Brovan: return 26;
    case UnitModel::Tallix:
    case UnitModel::Morvek: return 24;
    case UnitModel::None: break;
    }
    return 0;
}
