#include "simstack/ObjectTree.h"

#include <algorithm>
#include <stdexcept>

namespace simstack {
namespace {

bool IsUnsignedType(ValueType type) {
    return type == ValueType::Unsigned || type == ValueType::Counter ||
           type == ValueType::Counter64 || type == ValueType::TimeTicks;
}

std::invalid_argument LayoutError(const TableLayout& layout, const std::string& what) {
    return std::invalid_argument("table " + (layout.name.empty() ? FormatOid(layout.entry) : layout.name) +
                                 ": " + what);
}

bool Contains(const std::vector<uint32_t>& ids, uint32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// A created row's value of a column the set leaves out: the column's default,
// else zero; a string whose size starts above 0 (a MAC address, a port list)
// gets that many zero octets, so the row never holds what a set could not write.
Value InitialValue(const ColumnSpec& column) {
    if (column.defaultValue) return *column.defaultValue;
    Value value = ZeroValue(column.type);
    if (column.type == ValueType::String && column.constraint.size) {
        value.octets.assign(column.constraint.size->first, '\0');
    }
    return value;
}

// Sub-identifiers of one index column's value; nullopt for a type that cannot index.
std::optional<Oid> EncodeIndexPart(const ColumnSpec& column, const Value& value, bool implied) {
    Oid part;
    switch (column.type) {
        case ValueType::Integer:
            if (value.integer < 0 || value.integer > UINT32_MAX) return std::nullopt;
            return Oid{static_cast<uint32_t>(value.integer)};
        case ValueType::Unsigned:
        case ValueType::TimeTicks:
        case ValueType::Counter:
            if (value.unsignedNumber > UINT32_MAX) return std::nullopt;
            return Oid{static_cast<uint32_t>(value.unsignedNumber)};
        case ValueType::IpAddress:
        case ValueType::String: {
            const bool fixed = column.type == ValueType::IpAddress ||
                               (column.constraint.size &&
                                column.constraint.size->first == column.constraint.size->second);
            if (!fixed && !implied) part.push_back(static_cast<uint32_t>(value.octets.size()));
            for (const char c : value.octets) part.push_back(static_cast<unsigned char>(c));
            return part;
        }
        case ValueType::ObjectId:
            if (!implied) part.push_back(static_cast<uint32_t>(value.objectId.size()));
            part.insert(part.end(), value.objectId.begin(), value.objectId.end());
            return part;
        case ValueType::Counter64:
            return std::nullopt;
    }
    return std::nullopt;
}

// Reads one index column's value from index[pos...]; advances pos.
std::optional<Value> DecodeIndexPart(const ColumnSpec& column, const Oid& index, size_t& pos,
                                     bool implied) {
    const size_t left = index.size() - pos;
    Value value = ZeroValue(column.type);
    auto takeOctets = [&](size_t count) -> bool {
        if (count > index.size() - pos) return false;
        value.octets.clear();
        for (size_t i = 0; i < count; ++i) {
            if (index[pos + i] > 255) return false;
            value.octets += static_cast<char>(index[pos + i]);
        }
        pos += count;
        return true;
    };
    switch (column.type) {
        case ValueType::Integer:
            if (left < 1) return std::nullopt;
            value.integer = index[pos++];
            return value;
        case ValueType::Unsigned:
        case ValueType::TimeTicks:
        case ValueType::Counter:
            if (left < 1) return std::nullopt;
            value.unsignedNumber = index[pos++];
            return value;
        case ValueType::IpAddress:
            return takeOctets(4) ? std::optional<Value>(value) : std::nullopt;
        case ValueType::String: {
            const auto& size = column.constraint.size;
            size_t count = left;
            if (size && size->first == size->second) {
                count = size->first;
            } else if (!implied) {
                if (left < 1) return std::nullopt;
                count = index[pos++];
            }
            return takeOctets(count) ? std::optional<Value>(value) : std::nullopt;
        }
        case ValueType::ObjectId: {
            size_t count = left;
            if (!implied) {
                if (left < 1) return std::nullopt;
                count = index[pos++];
            }
            if (count > index.size() - pos) return std::nullopt;
            value.objectId.assign(index.begin() + pos, index.begin() + pos + count);
            pos += count;
            return value;
        }
        case ValueType::Counter64:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool IsReadable(Access access) { return access != Access::NotAccessible; }

bool IsWritable(Access access) { return access == Access::ReadWrite || access == Access::ReadCreate; }

SnmpStatus Constraint::Check(const Value& value) const {
    if (size && (value.octets.size() < size->first || value.octets.size() > size->second)) {
        return WrongLength;
    }
    if (value.type == ValueType::Integer) {
        if (!allowed.empty() && std::find(allowed.begin(), allowed.end(), value.integer) == allowed.end()) {
            return WrongValue;
        }
        if (range && (value.integer < range->first || value.integer > range->second)) return WrongValue;
    }
    if (IsUnsignedType(value.type) && range) {
        const auto number = static_cast<int64_t>(value.unsignedNumber);
        if (value.unsignedNumber > INT64_MAX || number < range->first || number > range->second) {
            return WrongValue;
        }
    }
    return NoError;
}

// ---------------------------------------------------------------- Table

Table::Table(TableLayout layout) : layout_(std::move(layout)) {
    if (layout_.entry.empty()) throw LayoutError(layout_, "no entry OID");
    std::sort(layout_.columns.begin(), layout_.columns.end(),
              [](const ColumnSpec& a, const ColumnSpec& b) { return a.id < b.id; });
    for (size_t i = 0; i < layout_.columns.size(); ++i) {
        if (i > 0 && layout_.columns[i].id == layout_.columns[i - 1].id) {
            throw LayoutError(layout_, "column " + std::to_string(layout_.columns[i].id) + " twice");
        }
        const auto& column = layout_.columns[i];
        if (column.defaultValue && column.defaultValue->type != column.type) {
            throw LayoutError(layout_, "default of column " + std::to_string(column.id) + " has the wrong type");
        }
    }
    if (!layout_.externalIndex.empty() && !layout_.indexColumns.empty()) {
        throw LayoutError(layout_, "an external index and index columns together");
    }
    for (const uint32_t id : layout_.indexColumns) {
        const ColumnSpec* column = Column(id);
        if (column == nullptr) throw LayoutError(layout_, "index column " + std::to_string(id) + " is not a column");
        if (column->type == ValueType::Counter64) throw LayoutError(layout_, "a counter64 column cannot index");
    }
    if (layout_.control.kind != RowControl::None) {
        const ColumnSpec* column = Column(layout_.control.column);
        if (column == nullptr || column->type != ValueType::Integer || !IsWritable(column->access)) {
            throw LayoutError(layout_, "the row control column must be a writable integer column");
        }
    }
    if (const auto& parent = layout_.parent) {
        if (parent->table.empty()) throw LayoutError(layout_, "the parent table needs a name");
        if (parent->keyColumns.empty()) throw LayoutError(layout_, "the parent link needs its index columns");
        for (const uint32_t id : parent->keyColumns) {
            if (!Contains(layout_.indexColumns, id)) {
                throw LayoutError(layout_, "column " + std::to_string(id) + " of the parent link is no index column");
            }
        }
        for (const auto& [id, parentId] : parent->mirrors) {
            const ColumnSpec* column = Column(id);
            if (column == nullptr || Contains(layout_.indexColumns, id) || IsWritable(column->access)) {
                throw LayoutError(layout_, "mirrored column " + std::to_string(id) +
                                               " must be a read-only column outside the index");
            }
        }
    }
}

const ColumnSpec* Table::Column(uint32_t id) const {
    for (const auto& column : layout_.columns) {
        if (column.id == id) return &column;
    }
    return nullptr;
}

const Row* Table::FindRow(const Oid& index) const {
    const auto row = rows_.find(index);
    return row == rows_.end() ? nullptr : &row->second;
}

std::optional<Row> Table::DecodeIndex(const Oid& index) const {
    Row values;
    if (index.empty()) return std::nullopt;
    size_t pos = 0;
    if (!layout_.externalIndex.empty()) {
        // The parts are checked, but they are no columns of this table.
        for (const ColumnSpec& part : layout_.externalIndex) {
            const auto value = DecodeIndexPart(part, index, pos, false);
            if (!value || part.constraint.Check(*value) != NoError) return std::nullopt;
        }
        if (pos != index.size()) return std::nullopt;
        return values;
    }
    for (size_t k = 0; k < layout_.indexColumns.size(); ++k) {
        const ColumnSpec& column = *Column(layout_.indexColumns[k]);
        const bool implied = layout_.impliedLastIndex && k + 1 == layout_.indexColumns.size();
        auto value = DecodeIndexPart(column, index, pos, implied);
        if (!value || column.constraint.Check(*value) != NoError) return std::nullopt;
        values[column.id] = std::move(*value);
    }
    if (!layout_.indexColumns.empty() && pos != index.size()) return std::nullopt;
    return values;
}

std::optional<Row> Table::NewRow(const Oid& index) const {
    auto row = DecodeIndex(index);
    if (!row) return std::nullopt;
    for (const auto& column : layout_.columns) {
        if (row->count(column.id) == 0) {
            (*row)[column.id] = InitialValue(column);
        }
    }
    return row;
}

std::optional<Oid> Table::IndexOf(const Row& values) const {
    if (layout_.indexColumns.empty()) return std::nullopt;
    Oid index;
    for (size_t k = 0; k < layout_.indexColumns.size(); ++k) {
        const auto value = values.find(layout_.indexColumns[k]);
        if (value == values.end()) return std::nullopt;
        const bool implied = layout_.impliedLastIndex && k + 1 == layout_.indexColumns.size();
        const auto part = EncodeIndexPart(*Column(layout_.indexColumns[k]), value->second, implied);
        if (!part) return std::nullopt;
        index.insert(index.end(), part->begin(), part->end());
    }
    return index;
}

void Table::PutRow(const Oid& index, const Row& values, const std::vector<uint32_t>& absent) {
    auto row = NewRow(index);
    if (!row) throw LayoutError(layout_, "index " + FormatOid(index) + " does not fit the index columns");
    for (const auto& [id, value] : values) {
        const ColumnSpec* column = Column(id);
        if (column == nullptr) throw LayoutError(layout_, "no column " + std::to_string(id));
        if (column->type != value.type) {
            throw LayoutError(layout_, "column " + std::to_string(id) + " needs a " +
                                       std::string(TypeName(column->type)) + " value");
        }
        (*row)[id] = value;
    }
    for (const uint32_t id : absent) {
        if (Column(id) == nullptr) throw LayoutError(layout_, "no column " + std::to_string(id));
        if (std::find(layout_.indexColumns.begin(), layout_.indexColumns.end(), id) != layout_.indexColumns.end()) {
            throw LayoutError(layout_, "index column " + std::to_string(id) + " cannot be absent");
        }
        row->erase(id);
    }
    rows_[index] = std::move(*row);
}

void Table::RestoreRow(const Oid& index, const std::optional<Row>& row) {
    if (row) {
        rows_[index] = *row;
    } else {
        rows_.erase(index);
    }
}

void Table::SetCell(const Oid& index, uint32_t column, const Value& value) {
    const auto row = rows_.find(index);
    if (row != rows_.end()) row->second[column] = value;
}

std::optional<std::pair<Oid, Value>> Table::Next(const Oid& after, bool inclusive) const {
    if (rows_.empty()) return std::nullopt;
    for (const auto& column : layout_.columns) {
        if (!IsReadable(column.access)) continue;
        Oid prefix = layout_.entry;
        prefix.push_back(column.id);
        auto row = rows_.end();
        if (StartsWith(after, prefix)) {
            const Oid rest(after.begin() + static_cast<std::ptrdiff_t>(prefix.size()), after.end());
            row = inclusive ? rows_.lower_bound(rest) : rows_.upper_bound(rest);
        } else if (after < prefix) {
            row = rows_.begin();
        }
        for (; row != rows_.end(); ++row) {
            const auto cell = row->second.find(column.id);
            if (cell != row->second.end()) return std::pair{Concat(prefix, row->first), cell->second};
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- ObjectTree

void ObjectTree::AddScalar(Scalar scalar) {
    if (scalar.instance.size() < 2) throw std::invalid_argument("scalar OID too short");
    if (scalar.value.type == ValueType::IpAddress && scalar.value.octets.size() != 4) {
        throw std::invalid_argument("scalar " + FormatOid(scalar.instance) + ": bad IP address");
    }
    const Oid instance = scalar.instance;
    if (!scalars_.emplace(instance, std::move(scalar)).second) {
        throw std::invalid_argument("object " + FormatOid(instance) + " twice");
    }
}

Table& ObjectTree::AddTable(TableLayout layout) {
    if (FindTable(layout.entry) != nullptr) {
        throw std::invalid_argument("table " + FormatOid(layout.entry) + " twice");
    }
    tables_.push_back(std::make_unique<Table>(std::move(layout)));
    return *tables_.back();
}

Table* ObjectTree::FindTable(const Oid& entry) {
    for (auto& table : tables_) {
        if (table->Layout().entry == entry) return table.get();
    }
    return nullptr;
}

const Table* ObjectTree::FindTable(const Oid& entry) const {
    return const_cast<ObjectTree*>(this)->FindTable(entry);
}

const Scalar* ObjectTree::FindScalar(const Oid& instance) const {
    const auto scalar = scalars_.find(instance);
    return scalar == scalars_.end() ? nullptr : &scalar->second;
}

void ObjectTree::SetScalar(const Oid& instance, const Value& value) {
    const auto scalar = scalars_.find(instance);
    if (scalar != scalars_.end()) scalar->second.value = value;
}

std::optional<std::pair<size_t, uint32_t>> ObjectTree::Locate(const Oid& oid) const {
    for (size_t t = 0; t < tables_.size(); ++t) {
        const Oid& entry = tables_[t]->Layout().entry;
        if (oid.size() > entry.size() + 1 && StartsWith(oid, entry)) return std::pair{t, oid[entry.size()]};
    }
    return std::nullopt;
}

bool ObjectTree::IsUnderScalarObject(const Oid& oid) const {
    if (oid.size() < 2) return false;
    const Oid object(oid.begin(), oid.end() - 1);
    const auto scalar = scalars_.lower_bound(object);
    return scalar != scalars_.end() && scalar->first.size() == oid.size() && StartsWith(scalar->first, object);
}

ObjectTree::ReadResult ObjectTree::Get(const Oid& oid) const {
    if (const Scalar* scalar = FindScalar(oid); scalar != nullptr && IsReadable(scalar->access)) {
        return {ReadKind::Found, scalar->value};
    }
    if (const auto located = Locate(oid)) {
        const Table& table = *tables_[located->first];
        const ColumnSpec* column = table.Column(located->second);
        if (column == nullptr || !IsReadable(column->access)) return {ReadKind::NoSuchObject, {}};
        const Oid index(oid.begin() + static_cast<std::ptrdiff_t>(table.Layout().entry.size() + 1), oid.end());
        const Row* row = table.FindRow(index);
        if (row == nullptr || row->count(column->id) == 0) return {ReadKind::NoSuchInstance, {}};
        return {ReadKind::Found, row->at(column->id)};
    }
    return {IsUnderScalarObject(oid) ? ReadKind::NoSuchInstance : ReadKind::NoSuchObject, {}};
}

std::optional<Oid> ObjectTree::ColumnOf(const Oid& oid) const {
    const auto located = Locate(oid);
    if (!located) return std::nullopt;
    return Oid(oid.begin(), oid.begin() + static_cast<std::ptrdiff_t>(tables_[located->first]->Layout().entry.size() + 1));
}

std::optional<std::pair<Oid, Value>> ObjectTree::Next(const Oid& after, bool inclusive) const {
    std::optional<std::pair<Oid, Value>> best;
    auto consider = [&best](std::optional<std::pair<Oid, Value>> candidate) {
        if (candidate && (!best || candidate->first < best->first)) best = std::move(candidate);
    };
    auto scalar = inclusive ? scalars_.lower_bound(after) : scalars_.upper_bound(after);
    while (scalar != scalars_.end() && !IsReadable(scalar->second.access)) ++scalar;
    if (scalar != scalars_.end()) consider(std::pair{scalar->first, scalar->second.value});
    for (const auto& table : tables_) consider(table->Next(after, inclusive));
    return best;
}

SnmpStatus ObjectTree::CheckTableVarbind(size_t t, uint32_t columnId, const Varbind& varbind) const {
    const Table& table = *tables_[t];
    const TableLayout& layout = table.Layout();
    const ColumnSpec* column = table.Column(columnId);
    if (column == nullptr) return NoCreation;
    if (!IsReadable(column->access)) return NoAccess;
    if (!IsWritable(column->access)) return NotWritable;
    const Oid index(varbind.oid.begin() + static_cast<std::ptrdiff_t>(layout.entry.size() + 1), varbind.oid.end());
    if (table.FindRow(index) == nullptr &&
        (layout.control.kind == RowControl::None || !table.NewRow(index))) {
        return NoCreation;
    }
    if (!varbind.value || varbind.value->type != column->type) return WrongType;
    if (const SnmpStatus status = column->constraint.Check(*varbind.value); status != NoError) return status;
    if (columnId == layout.control.column) {
        const int64_t value = varbind.value->integer;
        if (layout.control.kind == RowControl::RowStatus &&
            (value < RowActive || value > RowDestroy || value == RowNotReady)) {
            return WrongValue;
        }
        if (layout.control.kind == RowControl::ValidInvalid && column->constraint.allowed.empty() &&
            value != layout.control.valid && value != layout.control.invalid) {
            return WrongValue;
        }
    }
    return NoError;
}

SnmpStatus ObjectTree::Check(const Varbind& varbind) const {
    if (const Scalar* scalar = FindScalar(varbind.oid)) {
        if (!IsReadable(scalar->access)) return NoAccess;
        if (!IsWritable(scalar->access)) return NotWritable;
        if (!varbind.value || varbind.value->type != scalar->value.type) return WrongType;
        if (varbind.value->type == ValueType::IpAddress && varbind.value->octets.size() != 4) return WrongLength;
        return scalar->constraint.Check(*varbind.value);
    }
    if (const auto located = Locate(varbind.oid)) {
        const SnmpStatus status = CheckTableVarbind(located->first, located->second, varbind);
        if (status == NoError && varbind.value->type == ValueType::IpAddress && varbind.value->octets.size() != 4) {
            return WrongLength;
        }
        return status;
    }
    return NoCreation;
}

std::optional<ObjectTree::SetFailure> ObjectTree::Plan(const std::vector<Varbind>& varbinds,
                                                        SetPlan& plan) const {
    plan = {};
    // Bindings of one row, in the order their first binding came.
    struct RowGroup {
        size_t table;
        Oid index;
        size_t firstPosition;
        std::optional<size_t> controlPosition;
        Row values;
    };
    std::vector<RowGroup> groups;
    for (size_t position = 0; position < varbinds.size(); ++position) {
        const Varbind& varbind = varbinds[position];
        if (FindScalar(varbind.oid) != nullptr) {
            plan.scalars.emplace_back(varbind.oid, *varbind.value);
            continue;
        }
        const auto located = Locate(varbind.oid);
        if (!located) return SetFailure{NoCreation, position};
        const TableLayout& layout = tables_[located->first]->Layout();
        const Oid index(varbind.oid.begin() + static_cast<std::ptrdiff_t>(layout.entry.size() + 1), varbind.oid.end());
        auto group = std::find_if(groups.begin(), groups.end(), [&](const RowGroup& g) {
            return g.table == located->first && g.index == index;
        });
        if (group == groups.end()) {
            groups.push_back({located->first, index, position, std::nullopt, {}});
            group = groups.end() - 1;
        }
        group->values[located->second] = *varbind.value;
        if (layout.control.kind != RowControl::None && located->second == layout.control.column) {
            group->controlPosition = position;
        }
    }

    for (auto& group : groups) {
        const Table& table = *tables_[group.table];
        const RowControl& control = table.Layout().control;
        const bool exists = table.FindRow(group.index) != nullptr;
        SetPlan::RowChange change{group.table, group.index, SetPlan::RowChange::Update, group.values};
        if (group.controlPosition) {
            const size_t position = *group.controlPosition;
            const int64_t requested = varbinds[position].value->integer;
            Value& stored = change.values[control.column];
            if (control.kind == RowControl::RowStatus) {
                if (requested == RowCreateAndGo || requested == RowCreateAndWait) {
                    if (exists) return SetFailure{InconsistentValue, position};
                    if (!HasParentRow(group.table, group.index)) return SetFailure{InconsistentName, position};
                    change.kind = SetPlan::RowChange::Create;
                    stored.integer = requested == RowCreateAndGo ? RowActive : RowNotInService;
                } else if (requested == RowDestroy) {
                    if (!exists) continue;  // destroying what is not there is no error
                    change.kind = SetPlan::RowChange::Destroy;
                } else if (!exists) {
                    return SetFailure{InconsistentValue, position};
                }
            } else if (requested == control.invalid) {
                if (!exists) continue;
                change.kind = SetPlan::RowChange::Destroy;
            } else if (!exists) {
                if (!HasParentRow(group.table, group.index)) return SetFailure{InconsistentName, position};
                change.kind = SetPlan::RowChange::Create;
            }
        } else if (!exists) {
            return SetFailure{NoCreation, group.firstPosition};
        }
        plan.rows.push_back(std::move(change));
    }
    return std::nullopt;
}

SetUndo ObjectTree::Apply(const SetPlan& plan) {
    SetUndo undo;
    try {
        for (const auto& [instance, value] : plan.scalars) {
            auto& scalar = scalars_.at(instance);
            undo.scalars.emplace_back(instance, scalar.value);
            scalar.value = value;
        }
        for (const auto& change : plan.rows) ApplyRowChange(change, undo);
    } catch (...) {
        Undo(undo);  // a set is whole or nothing, also when it fails half-way
        throw;
    }
    return undo;
}

void ObjectTree::ApplyRowChange(const SetPlan::RowChange& change, SetUndo& undo) {
    Table& table = *tables_[change.table];
    Remember(change.table, change.index, undo);
    switch (change.kind) {
        case SetPlan::RowChange::Create:
            table.PutRow(change.index, change.values);
            CopyFromParent(change.table, change.index);
            break;
        case SetPlan::RowChange::Destroy:
            table.RestoreRow(change.index, std::nullopt);
            RemoveChildren(change.table, change.index, undo);
            break;
        case SetPlan::RowChange::Update:
            for (const auto& [column, value] : change.values) table.SetCell(change.index, column, value);
            PassToChildren(change.table, change.index, undo);
            break;
    }
}

void ObjectTree::Remember(size_t table, const Oid& index, SetUndo& undo) const {
    const Row* before = tables_[table]->FindRow(index);
    undo.rows.emplace_back(table, index, before ? std::optional<Row>(*before) : std::nullopt);
}

void ObjectTree::Undo(const SetUndo& undo) {
    for (auto row = undo.rows.rbegin(); row != undo.rows.rend(); ++row) {
        tables_[std::get<0>(*row)]->RestoreRow(std::get<1>(*row), std::get<2>(*row));
    }
    for (auto scalar = undo.scalars.rbegin(); scalar != undo.scalars.rend(); ++scalar) {
        scalars_.at(scalar->first).value = scalar->second;
    }
}

// ---------------------------------------------------------------- parent links

std::optional<size_t> ObjectTree::ParentOf(size_t table) const {
    const auto parent = parentOf_.find(table);
    return parent == parentOf_.end() ? std::nullopt : std::optional<size_t>(parent->second);
}

std::optional<Oid> ObjectTree::ParentIndexOf(size_t table, const Row& row) const {
    const auto parent = ParentOf(table);
    if (!parent) return std::nullopt;
    const auto& keys = tables_[table]->Layout().parent->keyColumns;
    const auto& parentIndex = tables_[*parent]->Layout().indexColumns;
    Row key;
    for (size_t k = 0; k < keys.size(); ++k) {
        const auto value = row.find(keys[k]);
        if (value == row.end()) return std::nullopt;
        key[parentIndex[k]] = value->second;
    }
    return tables_[*parent]->IndexOf(key);
}

bool ObjectTree::HasParentRow(size_t table, const Oid& index) const {
    const auto parent = ParentOf(table);
    if (!parent) return true;
    const auto row = tables_[table]->NewRow(index);
    const auto parentIndex = row ? ParentIndexOf(table, *row) : std::nullopt;
    return parentIndex && tables_[*parent]->FindRow(*parentIndex) != nullptr;
}

std::vector<std::pair<size_t, Oid>> ObjectTree::ChildrenOf(size_t table, const Oid& index) const {
    std::vector<std::pair<size_t, Oid>> children;
    for (const auto& [child, parent] : parentOf_) {
        if (parent != table) continue;
        for (const auto& [childIndex, row] : tables_[child]->Rows()) {
            if (ParentIndexOf(child, row) == index) children.emplace_back(child, childIndex);
        }
    }
    return children;
}

void ObjectTree::CopyFromParent(size_t table, const Oid& index) {
    const auto parent = ParentOf(table);
    if (!parent) return;
    Table& child = *tables_[table];
    const Row* row = child.FindRow(index);
    const auto parentIndex = row ? ParentIndexOf(table, *row) : std::nullopt;
    const Row* parentRow = parentIndex ? tables_[*parent]->FindRow(*parentIndex) : nullptr;
    // Another part of the same set may have removed the parent row since the plan.
    if (parentRow == nullptr) throw std::runtime_error("the parent row is gone");
    for (const auto& [column, parentColumn] : child.Layout().parent->mirrors) {
        const auto value = parentRow->find(parentColumn);
        if (value != parentRow->end()) child.SetCell(index, column, value->second);
    }
}

void ObjectTree::RemoveChildren(size_t table, const Oid& index, SetUndo& undo) {
    for (const auto& [child, childIndex] : ChildrenOf(table, index)) {
        Remember(child, childIndex, undo);
        tables_[child]->RestoreRow(childIndex, std::nullopt);
        RemoveChildren(child, childIndex, undo);
    }
}

void ObjectTree::PassToChildren(size_t table, const Oid& index, SetUndo& undo) {
    for (const auto& [child, childIndex] : ChildrenOf(table, index)) {
        if (tables_[child]->Layout().parent->mirrors.empty()) continue;
        Remember(child, childIndex, undo);
        CopyFromParent(child, childIndex);
        PassToChildren(child, childIndex, undo);
    }
}

void ObjectTree::LinkParents() {
    parentOf_.clear();
    for (size_t t = 0; t < tables_.size(); ++t) {
        const TableLayout& layout = tables_[t]->Layout();
        if (!layout.parent) continue;
        std::optional<size_t> parent;
        for (size_t p = 0; p < tables_.size(); ++p) {
            if (tables_[p]->Layout().name != layout.parent->table) continue;
            if (parent) throw LayoutError(layout, "more than one table is named " + layout.parent->table);
            parent = p;
        }
        if (!parent || *parent == t) throw LayoutError(layout, "no parent table " + layout.parent->table);
        const Table& parentTable = *tables_[*parent];
        const auto& parentIndex = parentTable.Layout().indexColumns;
        if (parentIndex.size() != layout.parent->keyColumns.size()) {
            throw LayoutError(layout, "the parent link needs one column per index column of " + layout.parent->table);
        }
        for (size_t k = 0; k < parentIndex.size(); ++k) {
            if (tables_[t]->Column(layout.parent->keyColumns[k])->type != parentTable.Column(parentIndex[k])->type) {
                throw LayoutError(layout, "the parent link's columns differ in type from the parent's index");
            }
        }
        for (const auto& [id, parentId] : layout.parent->mirrors) {
            const ColumnSpec* parentColumn = parentTable.Column(parentId);
            if (parentColumn == nullptr || parentColumn->type != tables_[t]->Column(id)->type) {
                throw LayoutError(layout, "mirrored column " + std::to_string(id) + " has no like column " +
                                              std::to_string(parentId) + " in " + layout.parent->table);
            }
        }
        parentOf_[t] = *parent;
    }

    // Parents before their children, so that mirrored values pass down a chain.
    std::vector<std::pair<size_t, size_t>> byDepth;  // depth, table
    for (const auto& [child, parent] : parentOf_) {
        size_t depth = 1;
        for (auto up = ParentOf(parent); up; up = ParentOf(*up)) {
            if (++depth > tables_.size()) throw LayoutError(tables_[child]->Layout(), "its parent links run in a circle");
        }
        byDepth.emplace_back(depth, child);
    }
    std::sort(byDepth.begin(), byDepth.end());
    for (const auto& [depth, child] : byDepth) {
        const Table& table = *tables_[child];
        for (const auto& [index, row] : table.Rows()) {
            if (!HasParentRow(child, index)) {
                throw LayoutError(table.Layout(), "row " + FormatOid(index) + " has no parent row in " +
                                                      table.Layout().parent->table);
            }
            CopyFromParent(child, index);
        }
    }
}

std::vector<Oid> ObjectTree::RegistrationRoots() const {
    std::vector<Oid> candidates;
    for (const auto& [instance, scalar] : scalars_) candidates.emplace_back(instance.begin(), instance.end() - 1);
    for (const auto& table : tables_) candidates.push_back(table->Layout().entry);
    std::sort(candidates.begin(), candidates.end());
    std::vector<Oid> roots;
    for (auto& candidate : candidates) {
        if (roots.empty() || !StartsWith(candidate, roots.back())) roots.push_back(std::move(candidate));
    }
    return roots;
}

}  // namespace simstack
