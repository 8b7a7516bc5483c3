// The simulator's object tree on its own: index encoding, get-next order and
// the row-status life cycle that the command-line tests do not reach.

#include <gtest/gtest.h>

#include "simstack/ObjectTree.h"

namespace {

using namespace simstack;

ColumnSpec Column(uint32_t id, ValueType type, Access access, Constraint constraint = {}) {
    ColumnSpec column;
    column.id = id;
    column.type = type;
    column.access = access;
    column.constraint = std::move(constraint);
    return column;
}

Value Ip(const char* text) {
    Value value = ZeroValue(ValueType::IpAddress);
    value.octets = *ParseIpAddress(text);
    return value;
}

// Checks, plans and applies like an SNMP set; the failure, if any.
std::optional<ObjectTree::SetFailure> SetAll(ObjectTree& tree, const std::vector<Varbind>& varbinds,
                                             SetUndo* undo = nullptr) {
    for (size_t i = 0; i < varbinds.size(); ++i) {
        if (const SnmpStatus status = tree.Check(varbinds[i]); status != NoError) {
            return ObjectTree::SetFailure{status, i};
        }
    }
    SetPlan plan;
    if (auto failure = tree.Plan(varbinds, plan)) return failure;
    SetUndo applied = tree.Apply(plan);
    if (undo != nullptr) *undo = std::move(applied);
    return std::nullopt;
}

TEST(ObjectTree, IndexesFollowTheSmiEncoding) {
    TableLayout varying;
    varying.entry = {1, 9, 1};
    varying.columns = {Column(1, ValueType::String, Access::NotAccessible),
                       Column(2, ValueType::IpAddress, Access::NotAccessible),
                       Column(3, ValueType::Integer, Access::ReadOnly)};
    varying.indexColumns = {1, 2, 3};
    const Table table(varying);
    const Row row = {{1, Value::Text("ab")}, {2, Ip("10.0.0.1")}, {3, Value::Int(7)}};
    EXPECT_EQ(table.IndexOf(row), (Oid{2, 97, 98, 10, 0, 0, 1, 7}));
    EXPECT_EQ(table.NewRow({2, 97, 98, 10, 0, 0, 1, 7})->at(1), Value::Text("ab"));

    TableLayout fixedAndImplied;
    fixedAndImplied.entry = {1, 9, 2};
    fixedAndImplied.columns = {Column(1, ValueType::String, Access::NotAccessible, {{}, {}, std::pair<size_t, size_t>{6, 6}}),
                               Column(2, ValueType::String, Access::NotAccessible)};
    fixedAndImplied.indexColumns = {1, 2};
    fixedAndImplied.impliedLastIndex = true;
    const Table macTable(fixedAndImplied);
    const Row macRow = {{1, Value::Text(std::string("\x02\x4b\x58\x00\x01\x00", 6))}, {2, Value::Text("xy")}};
    EXPECT_EQ(macTable.IndexOf(macRow), (Oid{2, 75, 88, 0, 1, 0, 120, 121}));

    // Indexes that do not fit the index columns make no row.
    for (const Oid& bad : {Oid{}, Oid{3, 97, 98}, Oid{2, 97, 98, 10, 0, 0, 1}, Oid{2, 97, 98, 10, 0, 0, 1, 7, 8},
                           Oid{1, 300, 10, 0, 0, 1, 7}}) {
        EXPECT_FALSE(table.NewRow(bad).has_value()) << FormatOid(bad);
    }
}

TEST(ObjectTree, AnExternalIndexDecidesWhichRowsCanBeCreated) {
    // Indexed by a VLAN id that is a column of another table.
    TableLayout layout;
    layout.entry = {1, 9, 3};
    layout.columns = {Column(1, ValueType::String, Access::ReadCreate), Column(5, ValueType::Integer, Access::ReadCreate)};
    ColumnSpec vlanId = Column(0, ValueType::Unsigned, Access::NotAccessible, {{}, std::pair<int64_t, int64_t>{1, 4094}, {}});
    layout.externalIndex = {vlanId};
    layout.control = {RowControl::RowStatus, 5};
    const Table table(layout);
    for (const Oid& good : {Oid{1}, Oid{4094}}) {
        const auto row = table.NewRow(good);
        ASSERT_TRUE(row.has_value()) << FormatOid(good);
        EXPECT_EQ(row->size(), 2u) << "the index is no column of its own";
    }
    for (const Oid& bad : {Oid{0}, Oid{4095}, Oid{10, 1}, Oid{}}) EXPECT_FALSE(table.NewRow(bad).has_value()) << FormatOid(bad);

    layout.indexColumns = {1};
    EXPECT_THROW(Table{layout}, std::invalid_argument);
}

TEST(ObjectTree, NextRunsThroughScalarsAndColumnsInOidOrder) {
    ObjectTree tree;
    tree.AddScalar({{1, 1, 0}, Value::Int(1), Access::ReadOnly, {}});
    tree.AddScalar({{1, 3, 0}, Value::Int(3), Access::ReadOnly, {}});
    TableLayout layout;
    layout.entry = {1, 2, 1};
    layout.columns = {Column(1, ValueType::Integer, Access::NotAccessible), Column(2, ValueType::Integer, Access::ReadOnly),
                    Column(4, ValueType::Integer, Access::ReadWrite)};
    layout.indexColumns = {1};
    Table& table = tree.AddTable(layout);
    table.PutRow({3}, {});
    table.PutRow({1}, {});

    std::vector<std::string> walked;
    for (auto next = tree.Next({1}); next; next = tree.Next(next->first)) walked.push_back(FormatOid(next->first));
    EXPECT_EQ(walked, (std::vector<std::string>{"1.1.0", "1.2.1.2.1", "1.2.1.2.3", "1.2.1.4.1", "1.2.1.4.3", "1.3.0"}));

    EXPECT_EQ(tree.Next({1, 2, 1, 2, 1}, true)->first, (Oid{1, 2, 1, 2, 1}));
    EXPECT_EQ(tree.Next({1, 2, 1, 2, 1, 5})->first, (Oid{1, 2, 1, 2, 3}));
    EXPECT_EQ(tree.Get({1, 2, 1, 1, 1}).kind, ObjectTree::ReadKind::NoSuchObject) << "not-accessible column";
    EXPECT_EQ(tree.Get({1, 2, 1, 2, 2}).kind, ObjectTree::ReadKind::NoSuchInstance);
    EXPECT_EQ(tree.Get({1, 1, 1}).kind, ObjectTree::ReadKind::NoSuchInstance);
    EXPECT_EQ(tree.RegistrationRoots(), (std::vector<Oid>{{1, 1}, {1, 2, 1}, {1, 3}}));
}

TEST(ObjectTree, ASparseRowLacksItsAbsentColumnsUntilASetFillsThem) {
    ObjectTree tree;
    TableLayout layout;
    layout.entry = {1, 2, 1};
    layout.columns = {Column(1, ValueType::Integer, Access::ReadOnly), Column(2, ValueType::Integer, Access::ReadWrite),
                      Column(3, ValueType::Integer, Access::ReadOnly)};
    layout.indexColumns = {1};
    Table& table = tree.AddTable(layout);
    table.PutRow({1}, {});
    table.PutRow({2}, {}, {2});
    table.PutRow({3}, {}, {2, 3});
    EXPECT_THROW(table.PutRow({4}, {}, {1}), std::invalid_argument) << "an index column cannot be absent";

    std::vector<std::string> walked;
    for (auto next = tree.Next({1}); next; next = tree.Next(next->first)) walked.push_back(FormatOid(next->first));
    EXPECT_EQ(walked, (std::vector<std::string>{"1.2.1.1.1", "1.2.1.1.2", "1.2.1.1.3", "1.2.1.2.1", "1.2.1.3.1",
                                                "1.2.1.3.2"}));
    EXPECT_EQ(tree.Get({1, 2, 1, 2, 2}).kind, ObjectTree::ReadKind::NoSuchInstance);
    EXPECT_EQ(tree.ColumnOf({1, 2, 1, 2, 2}), (Oid{1, 2, 1, 2}));
    EXPECT_FALSE(tree.ColumnOf({1, 2, 1, 2}).has_value()) << "a bare column is no cell";

    table.SetCell({2}, 2, Value::Int(5));
    EXPECT_EQ(tree.Get({1, 2, 1, 2, 2}).value, Value::Int(5));
}

class RowStatusTable : public testing::Test {
protected:
    RowStatusTable() {
        TableLayout layout;
        layout.entry = {1, 5, 1};
        layout.columns = {Column(1, ValueType::Integer, Access::NotAccessible),
                        Column(2, ValueType::Integer, Access::ReadCreate),
                        Column(3, ValueType::Integer, Access::ReadCreate)};
        layout.indexColumns = {1};
        layout.control = {RowControl::RowStatus, 3, 1, 2};
        tree_.AddTable(layout).PutRow({1}, {{2, Value::Int(10)}, {3, Value::Int(RowActive)}});
    }

    std::optional<ObjectTree::SetFailure> Set(std::vector<Varbind> varbinds) {
        return SetAll(tree_, varbinds, &lastUndo_);
    }

    Varbind Status(uint32_t row, int64_t value) { return {{1, 5, 1, 3, row}, Value::Int(value)}; }
    std::optional<int64_t> StatusOf(uint32_t row) {
        const auto read = tree_.Get({1, 5, 1, 3, row});
        return read.kind == ObjectTree::ReadKind::Found ? std::optional(read.value.integer) : std::nullopt;
    }

    ObjectTree tree_;
    SetUndo lastUndo_;
};

TEST_F(RowStatusTable, CreateAndWaitWaitsUntilActivated) {
    EXPECT_FALSE(Set({Status(2, RowCreateAndWait)}));
    EXPECT_EQ(StatusOf(2), RowNotInService);
    EXPECT_FALSE(Set({Status(2, RowActive)}));
    EXPECT_EQ(StatusOf(2), RowActive);
    EXPECT_FALSE(Set({Status(2, RowNotInService)}));
    EXPECT_EQ(StatusOf(2), RowNotInService);
}

TEST_F(RowStatusTable, StatusesThatDoNotFitTheRowAreRefused) {
    const Varbind value3 = {{1, 5, 1, 2, 3}, Value::Int(1)};
    struct Case {
        std::vector<Varbind> varbinds;
        SnmpStatus status;
        size_t position;
    } cases[] = {
        {{Status(1, RowCreateAndWait)}, InconsistentValue, 0},
        {{Status(3, RowNotInService)}, InconsistentValue, 0},
        {{value3, Status(3, RowActive)}, InconsistentValue, 1},
        {{value3}, NoCreation, 0},
        {{Status(3, 7)}, WrongValue, 0},
        {{Status(3, 0)}, WrongValue, 0},
        {{{{1, 5, 1, 3, 3}, std::nullopt}}, WrongType, 0},
    };
    for (const Case& c : cases) {
        const auto failure = Set(c.varbinds);
        ASSERT_TRUE(failure.has_value()) << SnmpStatusName(c.status);
        EXPECT_EQ(failure->status, c.status);
        EXPECT_EQ(failure->position, c.position) << SnmpStatusName(c.status);
    }
    EXPECT_FALSE(StatusOf(3).has_value());
    EXPECT_FALSE(Set({Status(3, RowDestroy)})) << "destroying a missing row is no error";
}

TEST_F(RowStatusTable, UndoPutsBackWhatASetChanged) {
    EXPECT_FALSE(Set({Status(1, RowDestroy), Status(2, RowCreateAndGo), {{1, 5, 1, 2, 2}, Value::Int(5)}}));
    EXPECT_FALSE(StatusOf(1).has_value());
    EXPECT_EQ(tree_.Get({1, 5, 1, 2, 2}).value, Value::Int(5));
    tree_.Undo(lastUndo_);
    EXPECT_EQ(StatusOf(1), RowActive);
    EXPECT_EQ(tree_.Get({1, 5, 1, 2, 1}).value, Value::Int(10));
    EXPECT_FALSE(StatusOf(2).has_value());
}

// Rules under profiles: a profile table {1,6,1} (column 2 the protocol, 3 the
// row status) and a rule table {1,7,1} indexed by profile and rule, whose
// read-only column 3 mirrors the profile's column 2.
class LinkedTables : public testing::Test {
protected:
    static TableLayout Profiles() {
        TableLayout layout;
        layout.name = "profiles";
        layout.entry = {1, 6, 1};
        layout.columns = {Column(1, ValueType::Integer, Access::NotAccessible, {{}, std::pair<int64_t, int64_t>{1, 9}, {}}),
                          Column(2, ValueType::Integer, Access::ReadWrite), Column(3, ValueType::Integer, Access::ReadWrite)};
        layout.indexColumns = {1};
        layout.control = {RowControl::RowStatus, 3, 1, 2};
        return layout;
    }
    static TableLayout Rules() {
        TableLayout layout;
        layout.name = "rules";
        layout.entry = {1, 7, 1};
        layout.columns = {Column(1, ValueType::Integer, Access::NotAccessible), Column(2, ValueType::Integer, Access::NotAccessible),
                          Column(3, ValueType::Integer, Access::ReadOnly), Column(4, ValueType::Integer, Access::ReadWrite),
                          Column(5, ValueType::Integer, Access::ReadWrite)};
        layout.indexColumns = {1, 2};
        layout.control = {RowControl::RowStatus, 5, 1, 2};
        layout.parent = ParentLink{"profiles", {1}, {{3, 2}}};
        return layout;
    }

    LinkedTables() {
        Table& profiles = tree_.AddTable(Profiles());
        profiles.PutRow({1}, {{2, Value::Int(4)}, {3, Value::Int(RowActive)}});
        profiles.PutRow({2}, {{2, Value::Int(5)}, {3, Value::Int(RowActive)}});
        Table& rules = tree_.AddTable(Rules());
        for (const Oid& rule : {Oid{1, 1}, Oid{1, 2}, Oid{2, 1}}) rules.PutRow(rule, {{5, Value::Int(RowActive)}});
        tree_.LinkParents();
    }

    static Varbind ProfileCell(uint32_t column, uint32_t profile, int64_t value) {
        return {{1, 6, 1, column, profile}, Value::Int(value)};
    }
    std::optional<int64_t> RuleProtocol(uint32_t profile, uint32_t rule) const {
        const auto read = tree_.Get({1, 7, 1, 3, profile, rule});
        return read.kind == ObjectTree::ReadKind::Found ? std::optional(read.value.integer) : std::nullopt;
    }

    ObjectTree tree_;
};

TEST_F(LinkedTables, UndoBringsBackTheRulesADestroyOrAProtocolChangeTouched) {
    EXPECT_EQ(RuleProtocol(1, 1), 4) << "seeded rules take their profile's value";
    EXPECT_EQ(RuleProtocol(2, 1), 5);

    SetUndo undo;
    ASSERT_FALSE(SetAll(tree_, {ProfileCell(3, 1, RowDestroy), ProfileCell(2, 2, 6)}, &undo));
    EXPECT_FALSE(RuleProtocol(1, 1).has_value());
    EXPECT_FALSE(RuleProtocol(1, 2).has_value());
    EXPECT_EQ(RuleProtocol(2, 1), 6);

    tree_.Undo(undo);
    EXPECT_EQ(RuleProtocol(1, 1), 4);
    EXPECT_EQ(RuleProtocol(1, 2), 4);
    EXPECT_EQ(RuleProtocol(2, 1), 5);
}

// Sets of two registrations are planned before either is applied: a rule
// planned while its profile was there, applied after the profile went, fails
// and leaves nothing of its set behind.
TEST_F(LinkedTables, ARuleWhoseProfileWentSincePlanningFailsWhole) {
    SetPlan rulePlan;
    ASSERT_FALSE(tree_.Plan({{{1, 7, 1, 4, 1, 1}, Value::Int(9)}, {{1, 7, 1, 5, 2, 7}, Value::Int(RowCreateAndGo)}},
                            rulePlan));
    ASSERT_FALSE(SetAll(tree_, {ProfileCell(3, 2, RowDestroy)}));

    const auto rulesBefore = tree_.FindTable({1, 7, 1})->Rows();
    EXPECT_THROW(tree_.Apply(rulePlan), std::runtime_error);
    EXPECT_EQ(tree_.FindTable({1, 7, 1})->Rows(), rulesBefore);
}

TEST_F(LinkedTables, LinksThatDoNotFitAreRefused) {
    auto with = [](auto change) {
        TableLayout rules = Rules();
        change(rules);
        return rules;
    };
    struct Case {
        const char* what;
        TableLayout rules;
        Oid orphan;  // a rule row to put before linking, when not empty
    } cases[] = {
        {"a rule of no profile", Rules(), {3, 1}},
        {"an unknown parent", with([](TableLayout& t) { t.parent->table = "masks"; }), {}},
        {"the parent itself", with([](TableLayout& t) { t.parent->table = "rules"; }), {}},
        {"two key columns for one index", with([](TableLayout& t) { t.parent->keyColumns = {1, 2}; }), {}},
        {"a mirror of no parent column", with([](TableLayout& t) { t.parent->mirrors = {{3, 8}}; }), {}},
        {"a key of another type", with([](TableLayout& t) { t.columns[0].type = ValueType::Unsigned; }), {}},
    };
    for (const Case& c : cases) {
        ObjectTree tree;
        tree.AddTable(Profiles());
        Table& rules = tree.AddTable(c.rules);
        if (!c.orphan.empty()) rules.PutRow(c.orphan, {});
        EXPECT_THROW(tree.LinkParents(), std::invalid_argument) << c.what;
    }

    // What a table alone can tell: a key outside its index, a writable mirror.
    EXPECT_THROW(Table(with([](TableLayout& t) { t.parent->keyColumns = {4}; })), std::invalid_argument);
    EXPECT_THROW(Table(with([](TableLayout& t) { t.parent->mirrors = {{4, 2}}; })), std::invalid_argument);
}

}  // namespace
