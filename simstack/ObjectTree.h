#pragma once
// The simulated agent's data: scalars and conceptual tables, read with get and
// get-next and written with all-or-nothing sets (check, plan, apply, undo: the
// phases of an SNMP set). Row creation and deletion go through a row-status
// column or a valid/invalid column, as each table declares. A table may hang
// its rows under the rows of a parent table (rules under their profile).

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "simstack/Oid.h"
#include "simstack/SnmpStatus.h"
#include "simstack/Value.h"

namespace simstack {

enum class Access { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

bool IsReadable(Access access);
bool IsWritable(Access access);

// What a set may write into an object besides its type.
struct Constraint {
    std::vector<int64_t> allowed;                      // enumerated integer values
    std::optional<std::pair<int64_t, int64_t>> range;  // integer range, inclusive
    std::optional<std::pair<size_t, size_t>> size;     // octet count, inclusive

    // NoError, WrongLength or WrongValue.
    SnmpStatus Check(const Value& value) const;
};

struct ColumnSpec {
    uint32_t id = 0;
    ValueType type = ValueType::Integer;
    Access access = Access::ReadOnly;
    Constraint constraint;
    std::optional<Value> defaultValue;  // a created row's value when the set gives none
};

// How rows come and go.
struct RowControl {
    enum Kind { None, RowStatus, ValidInvalid };
    Kind kind = None;
    uint32_t column = 0;
    int64_t valid = 1;    // ValidInvalid only
    int64_t invalid = 2;  // ValidInvalid only
};

// RowStatus values that a set may carry.
enum RowStatusValue : int64_t {
    RowActive = 1,
    RowNotInService = 2,
    RowNotReady = 3,
    RowCreateAndGo = 4,
    RowCreateAndWait = 5,
    RowDestroy = 6,
};

// Rows that live under a row of another table, as access rules under their
// profile: a row is created only while its parent row is there, goes when the
// parent row goes, and its mirrored columns always hold the parent's values.
struct ParentLink {
    std::string table;                 // the parent table's name
    std::vector<uint32_t> keyColumns;  // index columns here whose values, in order, index the parent row
    std::vector<std::pair<uint32_t, uint32_t>> mirrors;  // (read-only column here, column of the parent)
};

struct TableLayout {
    std::string name;
    Oid entry;                          // the table's entry OID (its columns are entry.N)
    std::vector<ColumnSpec> columns;
    std::vector<uint32_t> indexColumns; // in index order; empty: opaque indexes
    // An index whose objects are columns of another table (a static VLAN
    // row is indexed by the current VLAN table's VLAN id): the types and
    // constraints of its parts, in order. Used instead of indexColumns.
    std::vector<ColumnSpec> externalIndex;
    bool impliedLastIndex = false;      // last string/OID index without a length
    RowControl control;
    std::optional<ParentLink> parent;
};

// Column id -> value. A row may lack columns (a sparse row): get answers
// noSuchInstance there and get-next passes over it.
using Row = std::map<uint32_t, Value>;

class Table {
public:
    // Throws std::invalid_argument when the layout contradicts itself.
    explicit Table(TableLayout layout);

    const TableLayout& Layout() const { return layout_; }
    const ColumnSpec* Column(uint32_t id) const;
    const std::map<Oid, Row>& Rows() const { return rows_; }
    const Row* FindRow(const Oid& index) const;

    // A new row of this index: every column at its default, index columns
    // from the index; nullopt when the index does not fit the index columns.
    std::optional<Row> NewRow(const Oid& index) const;
    // The index that a row's index-column values give; nullopt when missing.
    std::optional<Oid> IndexOf(const Row& values) const;

    // Puts a whole row: NewRow(index) overlaid with values, without the
    // `absent` columns. Throws std::invalid_argument for a bad index, an
    // unknown column, a wrong type or an absent index column.
    void PutRow(const Oid& index, const Row& values, const std::vector<uint32_t>& absent = {});
    void RestoreRow(const Oid& index, const std::optional<Row>& row);
    void SetCell(const Oid& index, uint32_t column, const Value& value);

    // First readable cell after `after` (at or after it when inclusive).
    std::optional<std::pair<Oid, Value>> Next(const Oid& after, bool inclusive) const;

private:
    std::optional<Row> DecodeIndex(const Oid& index) const;

    TableLayout layout_;
    std::map<Oid, Row> rows_;
};

struct Scalar {
    Oid instance;  // with its instance part, usually ".0"
    Value value;
    Access access = Access::ReadOnly;
    Constraint constraint;
};

// One binding of a set; value is nullopt for a type the tree never serves.
struct Varbind {
    Oid oid;
    std::optional<Value> value;
};

// The changes of one set, computed before anything is written.
struct SetPlan {
    struct RowChange {
        enum Kind { Update, Create, Destroy };
        size_t table = 0;
        Oid index;
        Kind kind = Update;
        Row values;  // columns to write (for Create: over the new row's defaults)
    };
    std::vector<std::pair<Oid, Value>> scalars;
    std::vector<RowChange> rows;
};

// What a plan overwrote, to put it back.
struct SetUndo {
    std::vector<std::pair<Oid, Value>> scalars;
    std::vector<std::tuple<size_t, Oid, std::optional<Row>>> rows;  // table, index, row before
};

class ObjectTree {
public:
    enum class ReadKind { Found, NoSuchObject, NoSuchInstance };
    struct ReadResult {
        ReadKind kind = ReadKind::NoSuchObject;
        Value value;
    };
    struct SetFailure {
        SnmpStatus status = NoError;
        size_t position = 0;  // index into the varbinds given to Plan
    };

    // Both throw std::invalid_argument for a duplicate or a bad layout.
    void AddScalar(Scalar scalar);
    Table& AddTable(TableLayout layout);

    Table* FindTable(const Oid& entry);
    const Table* FindTable(const Oid& entry) const;
    const Scalar* FindScalar(const Oid& instance) const;
    void SetScalar(const Oid& instance, const Value& value);

    ReadResult Get(const Oid& oid) const;
    // The column (entry.column) of a table cell's OID; nullopt outside tables.
    std::optional<Oid> ColumnOf(const Oid& oid) const;
    std::optional<std::pair<Oid, Value>> Next(const Oid& after, bool inclusive = false) const;

    // One binding on its own: exists or creatable, writable, type, length, value.
    SnmpStatus Check(const Varbind& varbind) const;
    // All bindings together (they have passed Check): row creation and deletion.
    std::optional<SetFailure> Plan(const std::vector<Varbind>& varbinds, SetPlan& plan) const;
    SetUndo Apply(const SetPlan& plan);
    void Undo(const SetUndo& undo);

    // Resolves the tables' parent links once every table is added; the rows
    // there by then must have their parent rows and take the mirrored values.
    // Throws std::invalid_argument for a link that does not fit or an orphan row.
    void LinkParents();

    // The smallest set of subtrees that hold every object, for registering.
    std::vector<Oid> RegistrationRoots() const;

private:
    // The table whose columns hold oid (entry.column.index), with its column.
    std::optional<std::pair<size_t, uint32_t>> Locate(const Oid& oid) const;
    bool IsUnderScalarObject(const Oid& oid) const;
    SnmpStatus CheckTableVarbind(size_t table, uint32_t column, const Varbind& varbind) const;

    // Parent links: the parent row's index of a row, the rows under a row.
    std::optional<size_t> ParentOf(size_t table) const;
    std::optional<Oid> ParentIndexOf(size_t table, const Row& row) const;
    bool HasParentRow(size_t table, const Oid& index) const;
    std::vector<std::pair<size_t, Oid>> ChildrenOf(size_t table, const Oid& index) const;
    void ApplyRowChange(const SetPlan::RowChange& change, SetUndo& undo);
    void Remember(size_t table, const Oid& index, SetUndo& undo) const;
    void CopyFromParent(size_t table, const Oid& index);
    void RemoveChildren(size_t table, const Oid& index, SetUndo& undo);
    void PassToChildren(size_t table, const Oid& index, SetUndo& undo);

    std::map<Oid, Scalar> scalars_;
    std::vector<std::unique_ptr<Table>> tables_;
    std::map<size_t, size_t> parentOf_;  // table -> parent table, set by LinkParents
};

}  // namespace simstack
