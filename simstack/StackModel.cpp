#include "simstack/StackModel.h"

#include <algorithm>
#include <initializer_list>

#include "common/KestrixModels.h"

namespace simstack {
namespace {

// Front-panel families by their entries in KestrixModelTexts: the LED string
// each panel reads (its highest LED position + 1, rounded to whole ports) and
// its port count.
struct ModelFamily {
    size_t firstModel;
    size_t lastModel;
    size_t ledBytes;
    int64_t ports;
};
constexpr ModelFamily kFamilies[] = {
    {0, 1, 108, 50},  // Kestrix: 48 ports, module ports 49-50, SIO 51-52
    {2, 3, 60, 26},   // Brovan: 24 ports, module ports 25-26, two single LEDs
    {4, 5, 64, 24},   // Tallix: 24 ports, six single LEDs
    {6, 8, 56, 24},   // Morvek: 24 ports, two single LEDs
};

const ModelFamily* FamilyOf(const std::string& model) {
    for (size_t i = 0; i < KestrixModelTexts.size(); ++i) {
        if (model != KestrixModelTexts[i]) continue;
        for (const auto& family : kFamilies) {
            if (i >= family.firstModel && i <= family.lastModel) return &family;
        }
    }
    return nullptr;
}

struct ColumnDef {
    uint32_t id;
    ValueType type;
    Access access;
    std::initializer_list<int64_t> allowed;
};

TableLayout MakeSpec(const char* name, const Oid& entry, std::initializer_list<ColumnDef> columns) {
    TableLayout layout;
    layout.name = name;
    layout.entry = entry;
    for (const auto& def : columns) {
        ColumnSpec column;
        column.id = def.id;
        column.type = def.type;
        column.access = def.access;
        column.constraint.allowed = def.allowed;
        layout.columns.push_back(column);
    }
    layout.indexColumns = {1};
    return layout;
}

constexpr auto I = ValueType::Integer;
constexpr auto S = ValueType::String;
constexpr auto NA = Access::NotAccessible;
constexpr auto RO = Access::ReadOnly;
constexpr auto RW = Access::ReadWrite;

TableLayout UnitTableSpec() {
    return MakeSpec("swUnitMgmtTable", stackoid::UnitEntry,
                    {{1, I, NA, {}},
                     {2, I, RO, {UnitNotExist, UnitExist}},
                     {3, S, RO, {}},
                     {4, I, RO, {}},
                     {5, I, RO, {}},
                     {6, S, RO, {}},
                     {8, I, RO, {ModeStandAlone, ModeMaster, ModeSlave}},
                     {9, S, RO, {}},
                     {10, S, RO, {}},
                     {11, S, RO, {}},
                     {12, S, RO, {}},
                     {13, S, RO, {}},
                     {14, I, RW, {}}});
}

TableLayout PortTableSpec() {
    return MakeSpec("portInfoTable", stackoid::PortEntry,
                    {{1, I, RO, {}}, {2, I, RO, {}}, {3, I, RO, {}}, {4, I, RO, {LinkPass, LinkFail}}, {5, I, RO, {}}});
}

TableLayout PortCtrlTableSpec() {
    return MakeSpec("portCtrlTable", stackoid::PortCtrlEntry,
                    {{1, I, RO, {}},
                     {2, I, RO, {}},
                     {3, I, RW, {2, 3}},
                     {4, I, RW, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                     {5, I, RW, {2, 3}},
                     {6, I, RW, {2, 3}},
                     {7, I, RW, {2, 3}}});
}

TableLayout SubUnitTableSpec() {
    return MakeSpec("subUnitTable", stackoid::SubUnitEntry,
                    {{1, I, NA, {}}, {3, S, RO, {}}, {4, S, RO, {}}, {5, S, RO, {}}, {6, S, RO, {}}});
}

Row UnitRow(const Unit& unit) {
    return {{2, Value::Int(unit.exists ? UnitExist : UnitNotExist)},
            {3, Value::Text(unit.mac)},
            {4, Value::Int(unit.startPort)},
            {5, Value::Int(unit.portRange)},
            {6, Value::Text(LedString(unit))},
            {8, Value::Int(unit.mode)},
            {9, Value::Text(unit.version)},
            {10, Value::Text(unit.model)},
            {11, Value::Text(unit.promVersion)},
            {12, Value::Text(unit.firmwareVersion)},
            {13, Value::Text(unit.hardwareVersion)},
            {14, Value::Int(unit.priority)}};
}

Row SubUnitRow(const Unit& unit) {
    const ModuleInfo none{"-", "", "", ""};
    const ModuleInfo& module = unit.module ? *unit.module : none;
    return {{3, Value::Text(module.name)},
            {4, Value::Text(module.revision)},
            {5, Value::Text(module.serial)},
            {6, Value::Text(module.description)}};
}

PortState PortOf(const Unit& unit, uint32_t port) {
    const auto state = unit.ports.find(port);
    return state == unit.ports.end() ? PortState{} : state->second;
}

}  // namespace

int64_t DefaultPortRange(const std::string& model) {
    const ModelFamily* family = FamilyOf(model);
    return family ? family->ports : 24;
}

size_t LedStringLength(const std::string& model, int64_t portRange) {
    const ModelFamily* family = FamilyOf(model);
    const size_t forPorts = 4 + 2 * static_cast<size_t>(std::max<int64_t>(portRange, 0));
    return std::max(family ? family->ledBytes : 0, forPorts);
}

std::string LedString(const Unit& unit) {
    if (unit.ledOverride) return *unit.ledOverride;
    if (!unit.exists) return {};
    std::string leds(LedStringLength(unit.model, unit.portRange), static_cast<char>(LedOff));
    leds[0] = static_cast<char>(LedGreen);                                  // power
    leds[1] = static_cast<char>(unit.mode == ModeMaster ? LedGreen : LedOff);  // master
    if (unit.systemLeds) leds.replace(0, std::min<size_t>(4, unit.systemLeds->size()), unit.systemLeds->substr(0, 4));
    for (uint32_t port = 1; port <= unit.portRange; ++port) {
        const PortState state = PortOf(unit, port);
        const size_t position = 4 + 2 * (port - 1);
        if (state.leds) {
            leds.replace(position, std::min<size_t>(2, state.leds->size()), state.leds->substr(0, 2));
        } else if (state.linkUp) {
            leds[position] = static_cast<char>(LedGreen | (state.activity ? LedBlink : 0));
            leds[position + 1] = static_cast<char>(LedGreen);
        }
    }
    return leds;
}

Unit* StackModel::FindUnit(uint32_t id) {
    const auto unit = std::find_if(units.begin(), units.end(), [id](const Unit& u) { return u.id == id; });
    return unit == units.end() ? nullptr : &*unit;
}

void StackModel::Publish(ObjectTree& tree) const {
    Table& unitTable = tree.AddTable(UnitTableSpec());
    Table& portTable = tree.AddTable(PortTableSpec());
    Table& portCtrlTable = tree.AddTable(PortCtrlTableSpec());
    Table& subUnitTable = tree.AddTable(SubUnitTableSpec());
    for (const Unit& unit : units) {
        unitTable.PutRow({unit.id}, UnitRow(unit));
        subUnitTable.PutRow({unit.id}, SubUnitRow(unit));
        if (!unit.exists) continue;
        for (uint32_t port = 1; port <= unit.portRange; ++port) {
            const PortState state = PortOf(unit, port);
            const Oid index = {StackPortIndex(unit.id, port)};
            portTable.PutRow(index,
                             {{2, Value::Int(unit.id)},
                              {3, Value::Int(state.type)},
                              {4, Value::Int(state.linkUp ? LinkPass : LinkFail)},
                              {5, Value::Int(state.nway)}});
            portCtrlTable.PutRow(index,
                                 {{2, Value::Int(unit.id)},
                                  {3, Value::Int(3)},
                                  {4, Value::Int(2)},
                                  {5, Value::Int(2)},
                                  {6, Value::Int(2)},
                                  {7, Value::Int(2)}});
        }
    }
    tree.AddScalar({stackoid::RmonState, Value::Int(rmonEnabled ? RmonEnabled : RmonDisabled), Access::ReadWrite,
                    Constraint{{RmonDisabled, RmonEnabled}, std::nullopt, std::nullopt}});
}

void StackModel::Refresh(ObjectTree& tree, const Unit& unit) const {
    Table* unitTable = tree.FindTable(stackoid::UnitEntry);
    Table* portTable = tree.FindTable(stackoid::PortEntry);
    if (unitTable == nullptr || portTable == nullptr) return;
    unitTable->SetCell({unit.id}, 6, Value::Text(LedString(unit)));
    if (!unit.exists) return;
    for (uint32_t port = 1; port <= unit.portRange; ++port) {
        portTable->SetCell({StackPortIndex(unit.id, port)}, 4,
                           Value::Int(PortOf(unit, port).linkUp ? LinkPass : LinkFail));
    }
}

}  // namespace simstack
