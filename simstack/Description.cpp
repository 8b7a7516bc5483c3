#include "simstack/Description.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace simstack {
namespace {

// A description fault, carrying the JSON path where it was found.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what) { throw Fault(path + ": " + what); }

std::string Key(const std::string& path, const char* key) { return path.empty() ? key : path + "." + key; }
std::string At(const std::string& path, qsizetype i) { return path + "[" + std::to_string(i) + "]"; }

void RejectUnknownKeys(const QJsonObject& object, const std::string& path,
                       std::initializer_list<const char*> known) {
    for (const QString& key : object.keys()) {
        bool found = false;
        for (const char* name : known) found = found || key == QLatin1String(name);
        if (!found) Fail(path, "unknown key \"" + key.toStdString() + "\"");
    }
}

QJsonObject ObjectOf(const QJsonValue& value, const std::string& path) {
    if (!value.isObject()) Fail(path, "needs an object");
    return value.toObject();
}

QJsonArray ArrayOf(const QJsonValue& value, const std::string& path) {
    if (!value.isArray()) Fail(path, "needs an array");
    return value.toArray();
}

std::string TextOf(const QJsonValue& value, const std::string& path) {
    if (!value.isString()) Fail(path, "needs a string");
    return value.toString().toStdString();
}

int64_t IntegerOf(const QJsonValue& value, const std::string& path, int64_t min, int64_t max) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < static_cast<double>(min) ||
        number > static_cast<double>(max)) {
        Fail(path, "needs a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    }
    return static_cast<int64_t>(number);
}

bool BoolOf(const QJsonValue& value, const std::string& path) {
    if (!value.isBool()) Fail(path, "needs true or false");
    return value.toBool();
}

std::string HexOf(const QJsonValue& value, const std::string& path) {
    const auto octets = ParseHexOctets(TextOf(value, path));
    if (!octets) Fail(path, "needs hex octets such as \"00 80 c8\"");
    return *octets;
}

Oid OidOf(const QJsonValue& value, const std::string& path) {
    const auto oid = ParseOid(TextOf(value, path));
    if (!oid) Fail(path, "needs a dotted OID");
    return *oid;
}

// Optional members with a fallback.
std::string TextOr(const QJsonObject& object, const char* key, const std::string& path, std::string fallback) {
    return object.contains(key) ? TextOf(object[key], Key(path, key)) : fallback;
}

int64_t IntegerOr(const QJsonObject& object, const char* key, const std::string& path, int64_t min, int64_t max,
                  int64_t fallback) {
    return object.contains(key) ? IntegerOf(object[key], Key(path, key), min, max) : fallback;
}

// Picks one of the names; the result is the value paired with it.
int64_t NamedOf(const QJsonValue& value, const std::string& path,
                std::initializer_list<std::pair<const char*, int64_t>> names) {
    const std::string text = TextOf(value, path);
    std::string choices;
    for (const auto& [name, number] : names) {
        if (text == name) return number;
        choices += choices.empty() ? "" : ", ";
        choices += std::string("\"") + name + "\"";
    }
    Fail(path, "needs one of " + choices);
}

Value ValueOf(const QJsonValue& json, ValueType type, const std::string& path) {
    Value value = ZeroValue(type);
    switch (type) {
        case ValueType::Integer:
            value.integer = IntegerOf(json, path, INT32_MIN, INT32_MAX);
            break;
        case ValueType::Unsigned:
        case ValueType::Counter:
        case ValueType::TimeTicks:
            value.unsignedNumber = static_cast<uint64_t>(IntegerOf(json, path, 0, UINT32_MAX));
            break;
        case ValueType::Counter64:
            if (json.isString()) {
                const std::string text = json.toString().toStdString();
                size_t used = 0;
                try {
                    value.unsignedNumber = std::stoull(text, &used);
                } catch (const std::exception&) {
                    used = 0;
                }
                if (used == 0 || used != text.size() || text.front() == '-') Fail(path, "needs a decimal number");
            } else {
                value.unsignedNumber = static_cast<uint64_t>(IntegerOf(json, path, 0, INT64_C(1) << 53));
            }
            break;
        case ValueType::IpAddress: {
            const auto octets = ParseIpAddress(TextOf(json, path));
            if (!octets) Fail(path, "needs an IP address such as \"10.0.0.1\"");
            value.octets = *octets;
            break;
        }
        case ValueType::String:
            if (json.isObject()) {
                const QJsonObject hex = json.toObject();
                RejectUnknownKeys(hex, path, {"hex"});
                value.octets = HexOf(hex["hex"], Key(path, "hex"));
            } else {
                value.octets = TextOf(json, path);
            }
            break;
        case ValueType::ObjectId:
            value.objectId = OidOf(json, path);
            break;
    }
    return value;
}

ValueType TypeOf(const QJsonValue& value, const std::string& path) {
    const auto type = ParseTypeName(TextOf(value, path));
    if (!type) {
        Fail(path, "needs a type: integer, unsigned, counter, counter64, timeticks, ipaddress, string or oid");
    }
    return *type;
}

Access AccessOf(const QJsonObject& object, const std::string& path) {
    if (!object.contains("access")) return Access::ReadOnly;
    return static_cast<Access>(NamedOf(object["access"], Key(path, "access"),
                                       {{"not-accessible", static_cast<int64_t>(Access::NotAccessible)},
                                        {"read-only", static_cast<int64_t>(Access::ReadOnly)},
                                        {"read-write", static_cast<int64_t>(Access::ReadWrite)},
                                        {"read-create", static_cast<int64_t>(Access::ReadCreate)}}));
}

std::pair<int64_t, int64_t> BoundsOf(const QJsonValue& value, const std::string& path, int64_t min, int64_t max) {
    const QJsonArray bounds = ArrayOf(value, path);
    if (bounds.size() != 2) Fail(path, "needs [lowest, highest]");
    const int64_t low = IntegerOf(bounds[0], At(path, 0), min, max);
    const int64_t high = IntegerOf(bounds[1], At(path, 1), min, max);
    if (low > high) Fail(path, "lowest is above highest");
    return {low, high};
}

Constraint ConstraintOf(const QJsonObject& object, const std::string& path) {
    Constraint constraint;
    if (object.contains("values")) {
        const QJsonArray values = ArrayOf(object["values"], Key(path, "values"));
        for (qsizetype i = 0; i < values.size(); ++i) {
            constraint.allowed.push_back(IntegerOf(values[i], At(Key(path, "values"), i), INT32_MIN, INT32_MAX));
        }
    }
    if (object.contains("range")) constraint.range = BoundsOf(object["range"], Key(path, "range"), INT32_MIN, UINT32_MAX);
    if (object.contains("size")) {
        const auto size = BoundsOf(object["size"], Key(path, "size"), 0, 65535);
        constraint.size = std::pair<size_t, size_t>(static_cast<size_t>(size.first), static_cast<size_t>(size.second));
    }
    return constraint;
}

// ---------------------------------------------------------------- units

PortState PortOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"port", "link", "activity", "type", "nway", "leds"});
    PortState port;
    if (json.contains("link")) port.linkUp = NamedOf(json["link"], Key(path, "link"), {{"up", 1}, {"down", 0}}) == 1;
    if (json.contains("activity")) port.activity = BoolOf(json["activity"], Key(path, "activity"));
    port.type = IntegerOr(json, "type", path, 1, 19, port.type);
    port.nway = IntegerOr(json, "nway", path, 1, 10, port.nway);
    if (json.contains("leds")) port.leds = HexOf(json["leds"], Key(path, "leds"));
    return port;
}

ModuleInfo ModuleOf(const QJsonValue& value, const std::string& path) {
    if (value.isString()) return {TextOf(value, path), "", "", ""};
    const QJsonObject json = ObjectOf(value, path);
    RejectUnknownKeys(json, path, {"name", "revision", "serial", "description"});
    if (!json.contains("name")) Fail(path, "needs a name");
    return {TextOf(json["name"], Key(path, "name")), TextOr(json, "revision", path, ""),
            TextOr(json, "serial", path, ""), TextOr(json, "description", path, "")};
}

Unit UnitOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path,
                      {"id", "status", "model", "mac", "startPort", "portRange", "mode", "version", "promVersion",
                       "firmwareVersion", "hardwareVersion", "priority", "module", "systemLeds", "ports"});
    Unit unit;
    if (!json.contains("id")) Fail(path, "needs an id");
    unit.id = static_cast<uint32_t>(IntegerOf(json["id"], Key(path, "id"), 1, MaxUnits));
    if (json.contains("status")) {
        unit.exists = NamedOf(json["status"], Key(path, "status"), {{"exist", 1}, {"not-exist", 0}}) == 1;
    }
    unit.model = TextOr(json, "model", path, "");
    if (json.contains("mac")) {
        unit.mac = HexOf(json["mac"], Key(path, "mac"));
        if (unit.mac.size() != 6) Fail(Key(path, "mac"), "needs six octets");
    }
    unit.startPort = IntegerOr(json, "startPort", path, 0, INT32_MAX, StackPortIndex(unit.id, 1));
    unit.portRange = IntegerOr(json, "portRange", path, 0, PortsPerUnit, DefaultPortRange(unit.model));
    if (json.contains("mode")) {
        unit.mode = NamedOf(json["mode"], Key(path, "mode"),
                            {{"stand-alone", ModeStandAlone}, {"master", ModeMaster}, {"slave", ModeSlave}});
    }
    unit.version = TextOr(json, "version", path, "");
    unit.promVersion = TextOr(json, "promVersion", path, "");
    unit.firmwareVersion = TextOr(json, "firmwareVersion", path, "");
    unit.hardwareVersion = TextOr(json, "hardwareVersion", path, "");
    unit.priority = IntegerOr(json, "priority", path, INT32_MIN, INT32_MAX, 0);
    if (json.contains("module")) unit.module = ModuleOf(json["module"], Key(path, "module"));
    if (json.contains("systemLeds")) unit.systemLeds = HexOf(json["systemLeds"], Key(path, "systemLeds"));
    if (json.contains("ports")) {
        const std::string portsPath = Key(path, "ports");
        const QJsonArray ports = ArrayOf(json["ports"], portsPath);
        for (qsizetype i = 0; i < ports.size(); ++i) {
            const std::string portPath = At(portsPath, i);
            const QJsonObject port = ObjectOf(ports[i], portPath);
            if (!port.contains("port")) Fail(portPath, "needs a port number");
            const auto number = static_cast<uint32_t>(IntegerOf(port["port"], Key(portPath, "port"), 1, unit.portRange));
            if (!unit.ports.emplace(number, PortOf(port, portPath)).second) Fail(portPath, "port given twice");
        }
    }
    return unit;
}

StackModel StackOf(const QJsonObject& root) {
    StackModel stack;
    if (root.contains("units")) {
        const QJsonArray units = ArrayOf(root["units"], "units");
        for (qsizetype i = 0; i < units.size(); ++i) {
            const std::string path = At("units", i);
            Unit unit = UnitOf(ObjectOf(units[i], path), path);
            if (stack.FindUnit(unit.id) != nullptr) Fail(path, "unit " + std::to_string(unit.id) + " given twice");
            stack.units.push_back(std::move(unit));
        }
    }
    if (root.contains("rmonState")) {
        stack.rmonEnabled = NamedOf(root["rmonState"], "rmonState", {{"enabled", 1}, {"disabled", 0}}) == 1;
    }
    return stack;
}

// ---------------------------------------------------------------- objects and tables

Scalar ScalarOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"oid", "name", "type", "value", "access", "values", "range", "size"});
    for (const char* key : {"oid", "type", "value"}) {
        if (!json.contains(key)) Fail(path, std::string("needs \"") + key + "\"");
    }
    Scalar scalar;
    scalar.instance = OidOf(json["oid"], Key(path, "oid"));
    scalar.value = ValueOf(json["value"], TypeOf(json["type"], Key(path, "type")), Key(path, "value"));
    scalar.access = AccessOf(json, path);
    scalar.constraint = ConstraintOf(json, path);
    return scalar;
}

ColumnSpec ColumnOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"id", "name", "type", "access", "values", "range", "size", "default"});
    if (!json.contains("id") || !json.contains("type")) Fail(path, "needs \"id\" and \"type\"");
    ColumnSpec column;
    column.id = static_cast<uint32_t>(IntegerOf(json["id"], Key(path, "id"), 0, UINT32_MAX));
    column.type = TypeOf(json["type"], Key(path, "type"));
    column.access = AccessOf(json, path);
    column.constraint = ConstraintOf(json, path);
    if (json.contains("default")) column.defaultValue = ValueOf(json["default"], column.type, Key(path, "default"));
    return column;
}

// A part of an index that is a column of another table: its type and
// constraints only.
ColumnSpec IndexPartOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"name", "type", "values", "range", "size"});
    if (!json.contains("type")) Fail(path, "needs \"type\"");
    ColumnSpec part;
    part.type = TypeOf(json["type"], Key(path, "type"));
    part.access = Access::NotAccessible;
    part.constraint = ConstraintOf(json, path);
    return part;
}

RowControl ControlOf(const QJsonObject& json, const std::string& path) {
    RowControl control;
    if (json.contains("rowStatus") && json.contains("validInvalid")) {
        Fail(path, "has both \"rowStatus\" and \"validInvalid\"");
    }
    if (json.contains("rowStatus")) {
        control.kind = RowControl::RowStatus;
        control.column = static_cast<uint32_t>(IntegerOf(json["rowStatus"], Key(path, "rowStatus"), 0, UINT32_MAX));
    }
    if (json.contains("validInvalid")) {
        const std::string controlPath = Key(path, "validInvalid");
        const QJsonObject valid = ObjectOf(json["validInvalid"], controlPath);
        RejectUnknownKeys(valid, controlPath, {"column", "valid", "invalid"});
        if (!valid.contains("column")) Fail(controlPath, "needs \"column\"");
        control.kind = RowControl::ValidInvalid;
        control.column = static_cast<uint32_t>(IntegerOf(valid["column"], Key(controlPath, "column"), 0, UINT32_MAX));
        control.valid = IntegerOr(valid, "valid", controlPath, INT32_MIN, INT32_MAX, 1);
        control.invalid = IntegerOr(valid, "invalid", controlPath, INT32_MIN, INT32_MAX, 2);
    }
    return control;
}

const ColumnSpec* FindColumn(const TableLayout& layout, uint32_t id) {
    const auto column = std::find_if(layout.columns.begin(), layout.columns.end(),
                                     [&](const ColumnSpec& c) { return c.id == id; });
    return column == layout.columns.end() ? nullptr : &*column;
}

uint32_t ColumnIdOf(const QJsonValue& value, const TableLayout& layout, const std::string& path) {
    const auto id = static_cast<uint32_t>(IntegerOf(value, path, 0, UINT32_MAX));
    if (FindColumn(layout, id) == nullptr) Fail(path, "not a column of this table");
    return id;
}

// {"table": name, "index": [column ids], "mirror": {"column id": parent column id}}
ParentLink ParentOf(const QJsonObject& json, const TableLayout& layout, const std::string& path) {
    RejectUnknownKeys(json, path, {"table", "index", "mirror"});
    if (!json.contains("table") || !json.contains("index")) Fail(path, "needs \"table\" and \"index\"");
    ParentLink parent;
    parent.table = TextOf(json["table"], Key(path, "table"));
    const std::string indexPath = Key(path, "index");
    const QJsonArray index = ArrayOf(json["index"], indexPath);
    for (qsizetype i = 0; i < index.size(); ++i) {
        const uint32_t id = ColumnIdOf(index[i], layout, At(indexPath, i));
        if (std::find(layout.indexColumns.begin(), layout.indexColumns.end(), id) == layout.indexColumns.end()) {
            Fail(At(indexPath, i), "not an index column of this table");
        }
        parent.keyColumns.push_back(id);
    }
    const std::string mirrorPath = Key(path, "mirror");
    const QJsonObject mirror = json.contains("mirror") ? ObjectOf(json["mirror"], mirrorPath) : QJsonObject();
    for (const QString& key : mirror.keys()) {
        const std::string columnPath = mirrorPath + "." + key.toStdString();
        bool isNumber = false;
        const uint id = key.toUInt(&isNumber);
        const ColumnSpec* column = isNumber ? FindColumn(layout, id) : nullptr;
        if (column == nullptr) Fail(columnPath, "not a column of this table");
        if (IsWritable(column->access)) Fail(columnPath, "a mirrored column is read-only");
        parent.mirrors.emplace_back(column->id, static_cast<uint32_t>(IntegerOf(mirror[key], columnPath, 0, UINT32_MAX)));
    }
    return parent;
}

RowSeed RowOf(const QJsonObject& json, const TableLayout& layout, const std::string& path) {
    RejectUnknownKeys(json, path, {"index", "values", "absent"});
    RowSeed seed;
    if (json.contains("index")) seed.index = OidOf(json["index"], Key(path, "index"));
    if (json.contains("absent")) {
        const std::string absentPath = Key(path, "absent");
        const QJsonArray absent = ArrayOf(json["absent"], absentPath);
        for (qsizetype i = 0; i < absent.size(); ++i) seed.absent.push_back(ColumnIdOf(absent[i], layout, At(absentPath, i)));
    }
    Row& row = seed.values;
    const std::string valuesPath = Key(path, "values");
    const QJsonObject values = json.contains("values") ? ObjectOf(json["values"], valuesPath) : QJsonObject();
    for (const QString& key : values.keys()) {
        const std::string columnPath = valuesPath + "." + key.toStdString();
        bool isNumber = false;
        const uint id = key.toUInt(&isNumber);
        const ColumnSpec* column = isNumber ? FindColumn(layout, id) : nullptr;
        if (column == nullptr) Fail(columnPath, "not a column of this table");
        row[column->id] = ValueOf(values[key], column->type, columnPath);
    }
    return seed;
}

TableSeed TableOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path,
                      {"name", "entry", "index", "externalIndex", "impliedIndex", "rowStatus", "validInvalid",
                       "parent", "columns", "rows"});
    if (!json.contains("entry") || !json.contains("columns")) Fail(path, "needs \"entry\" and \"columns\"");
    TableSeed seed;
    seed.layout.name = TextOr(json, "name", path, "");
    seed.layout.entry = OidOf(json["entry"], Key(path, "entry"));
    const QJsonArray columns = ArrayOf(json["columns"], Key(path, "columns"));
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const std::string columnPath = At(Key(path, "columns"), i);
        seed.layout.columns.push_back(ColumnOf(ObjectOf(columns[i], columnPath), columnPath));
    }
    if (json.contains("index")) {
        const QJsonArray index = ArrayOf(json["index"], Key(path, "index"));
        for (qsizetype i = 0; i < index.size(); ++i) {
            seed.layout.indexColumns.push_back(
                static_cast<uint32_t>(IntegerOf(index[i], At(Key(path, "index"), i), 0, UINT32_MAX)));
        }
    }
    if (json.contains("externalIndex")) {
        const std::string indexPath = Key(path, "externalIndex");
        const QJsonArray parts = ArrayOf(json["externalIndex"], indexPath);
        for (qsizetype i = 0; i < parts.size(); ++i)
            seed.layout.externalIndex.push_back(IndexPartOf(ObjectOf(parts[i], At(indexPath, i)), At(indexPath, i)));
    }
    if (json.contains("impliedIndex")) seed.layout.impliedLastIndex = BoolOf(json["impliedIndex"], Key(path, "impliedIndex"));
    seed.layout.control = ControlOf(json, path);
    if (json.contains("parent")) {
        seed.layout.parent = ParentOf(ObjectOf(json["parent"], Key(path, "parent")), seed.layout, Key(path, "parent"));
    }
    if (json.contains("rows")) {
        const QJsonArray rows = ArrayOf(json["rows"], Key(path, "rows"));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const std::string rowPath = At(Key(path, "rows"), i);
            seed.rows.push_back(RowOf(ObjectOf(rows[i], rowPath), seed.layout, rowPath));
        }
    }
    return seed;
}

UsmUser UserOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"name", "auth", "authPassword", "priv", "privPassword"});
    UsmUser user{TextOr(json, "name", path, ""), TextOr(json, "auth", path, ""),
                 TextOr(json, "authPassword", path, ""), TextOr(json, "priv", path, ""),
                 TextOr(json, "privPassword", path, "")};
    try {
        ValidateUsmUser(user);
    } catch (const std::invalid_argument& error) {
        Fail(path, error.what());
    }
    return user;
}

TrapSink TrapSinkOf(const QJsonObject& json, const std::string& path) {
    RejectUnknownKeys(json, path, {"address", "version", "community"});
    for (const char* key : {"address", "version", "community"}) {
        if (!json.contains(key)) Fail(path, std::string("needs \"") + key + "\"");
    }
    TrapSink sink{TextOf(json["address"], Key(path, "address")), TextOf(json["version"], Key(path, "version")),
                  TextOf(json["community"], Key(path, "community"))};
    static const QRegularExpression loopback(R"(^127\.\d{1,3}\.\d{1,3}\.\d{1,3}:\d{1,5}$)");
    if (!loopback.match(QString::fromStdString(sink.address)).hasMatch()) {
        Fail(Key(path, "address"), "needs a loopback address and port such as \"127.0.0.1:162\"");
    }
    if (sink.version != "v1" && sink.version != "v2c") Fail(Key(path, "version"), "needs \"v1\" or \"v2c\"");
    if (sink.community.empty() || sink.community.find_first_of(" \t\r\n\"'#") != std::string::npos) {
        Fail(Key(path, "community"), "needs one word without quotes or #");
    }
    return sink;
}

void ReadAgent(const QJsonObject& json, Description& description) {
    RejectUnknownKeys(json, "agent", {"readCommunity", "writeCommunity", "users", "trapSinks"});
    if (json.contains("readCommunity")) description.readCommunity = TextOf(json["readCommunity"], "agent.readCommunity");
    if (json.contains("writeCommunity")) {
        description.writeCommunity = TextOf(json["writeCommunity"], "agent.writeCommunity");
    }
    if (json.contains("users")) {
        const QJsonArray users = ArrayOf(json["users"], "agent.users");
        description.users.emplace();
        for (qsizetype i = 0; i < users.size(); ++i) {
            const std::string path = At("agent.users", i);
            description.users->push_back(UserOf(ObjectOf(users[i], path), path));
        }
    }
    if (json.contains("trapSinks")) {
        const QJsonArray sinks = ArrayOf(json["trapSinks"], "agent.trapSinks");
        for (qsizetype i = 0; i < sinks.size(); ++i) {
            const std::string path = At("agent.trapSinks", i);
            description.trapSinks.push_back(TrapSinkOf(ObjectOf(sinks[i], path), path));
        }
    }
}

}  // namespace

void ValidateUsmUser(const UsmUser& user) {
    if (user.name.empty()) throw std::invalid_argument("a user needs a name");
    if (user.authProtocol != "MD5" && user.authProtocol != "SHA") {
        throw std::invalid_argument("user " + user.name + ": authentication must be MD5 or SHA");
    }
    if (user.authPassword.size() < 8) {
        throw std::invalid_argument("user " + user.name + ": the authentication password needs 8 characters or more");
    }
    if (!user.privProtocol.empty() && user.privProtocol != "DES") {
        throw std::invalid_argument("user " + user.name + ": privacy must be DES");
    }
    if (!user.privProtocol.empty() && user.privPassword.size() < 8) {
        throw std::invalid_argument("user " + user.name + ": the privacy password needs 8 characters or more");
    }
    for (const std::string* text : {&user.name, &user.authPassword, &user.privPassword}) {
        if (text->find_first_of(" \t\r\n\"'#") != std::string::npos) {
            throw std::invalid_argument("user " + user.name + ": no spaces, quotes or # in names and passwords");
        }
    }
}

UsmUser ParseUsmUser(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (parts.size() != 3 && parts.size() != 5) {
        throw std::invalid_argument("a user is NAME:AUTH:AUTHPASS or NAME:AUTH:AUTHPASS:PRIV:PRIVPASS");
    }
    UsmUser user{parts[0], parts[1], parts[2], "", ""};
    if (parts.size() == 5) {
        user.privProtocol = parts[3];
        user.privPassword = parts[4];
    }
    ValidateUsmUser(user);
    return user;
}

Description LoadDescription(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(path + ": cannot be read");
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (document.isNull()) {
        throw std::runtime_error(path + ": not JSON (" + parseError.errorString().toStdString() + " at offset " +
                                 std::to_string(parseError.offset) + ")");
    }
    if (!document.isObject()) throw std::runtime_error(path + ": the description is a JSON object");
    try {
        const QJsonObject root = document.object();
        RejectUnknownKeys(root, "description", {"agent", "units", "rmonState", "objects", "tables"});
        Description description;
        if (root.contains("agent")) ReadAgent(ObjectOf(root["agent"], "agent"), description);
        description.stack = StackOf(root);
        if (root.contains("objects")) {
            const QJsonArray objects = ArrayOf(root["objects"], "objects");
            for (qsizetype i = 0; i < objects.size(); ++i) {
                description.objects.push_back(ScalarOf(ObjectOf(objects[i], At("objects", i)), At("objects", i)));
            }
        }
        if (root.contains("tables")) {
            const QJsonArray tables = ArrayOf(root["tables"], "tables");
            for (qsizetype i = 0; i < tables.size(); ++i) {
                description.tables.push_back(TableOf(ObjectOf(tables[i], At("tables", i)), At("tables", i)));
            }
        }
        return description;
    } catch (const Fault& fault) {
        throw std::runtime_error(path + ": " + fault.what());
    }
}

void BuildTree(const Description& description, ObjectTree& tree) {
    description.stack.Publish(tree);
    for (const Scalar& scalar : description.objects) tree.AddScalar(scalar);
    for (const TableSeed& seed : description.tables) {
        Table& table = tree.AddTable(seed.layout);
        for (const RowSeed& row : seed.rows) {
            const auto index = row.index ? row.index : table.IndexOf(row.values);
            if (!index) {
                throw std::invalid_argument("table " + seed.layout.name +
                                            ": a row needs an \"index\" or values for every index column");
            }
            table.PutRow(*index, row.values, row.absent);
        }
    }
    tree.LinkParents();
}

}  // namespace simstack
