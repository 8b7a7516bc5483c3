#include <gtest/gtest.h>

#include "framework/VxSNMPVarList.h"

namespace {

const VxIntPair States[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList StateNames(States);

const SnmpVarItem Table[] = {
    {"1.3.6.1.2.1.99.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.2.1.99.1.2", "Value", sxInteger, acReadWrite, &StateNames},
    {"1.3.6.1.2.1.99.1.3", "Counter", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.99.1.4", "Secret", sxOctetStr, acWriteOnly},
    {"1.3.6.1.2.1.99.1.5", "Hidden", sxInteger, acReadWrite | acHidden},
    {"1.3.6.1.2.1.99.1.6", "Derived", sxInteger, acDerived},
    {nullptr, nullptr, 0, 0},
};
const SnmpVarItem EmptyTable[] = {{nullptr, nullptr, 0, 0}};

TEST(VxSNMPVarList, BuildsCopiesOfTheStaticRecords) {
    VxSNMPVarList list(Table, MVT_UMV, 1);
    ASSERT_EQ(list.GetCount(), 6u);
    EXPECT_EQ(VxSNMPVarList::CountTableItems(Table), 6u);
    EXPECT_EQ(list.GetItem(1)->ObjectId, "1.3.6.1.2.1.99.1.2");
    EXPECT_EQ(list.GetItem(1)->OptionList(), &StateNames);
    EXPECT_EQ(list.GetItem(1)->Value, "");
    EXPECT_FALSE(list.GetItem(1)->Aux1.has_value());
}

TEST(VxSNMPVarList, ItemTestsFollowAccessKindAndIndexCount) {
    struct Row {
        int item;
        bool readable, writable, visible, unlisted, implied;
    };
    const VxSNMPVarList table(Table, MVT_UMV, 1);
    const Row tableRows[] = {
        {0, false, true, true, false, true},    // not-accessible IMPLIED index: writable as index
        {1, true, true, true, false, false},
        {2, true, false, true, false, false},
        {3, false, true, false, true, false},   // write-only: unlisted
        {4, true, true, false, true, false},    // hidden: unlisted, still read and written
        {5, false, false, true, false, false},  // derived: shown only
    };
    for (const auto& r : tableRows) {
        EXPECT_EQ(table.IsReadable(r.item), r.readable) << r.item;
        EXPECT_EQ(table.IsWritable(r.item), r.writable) << r.item;
        EXPECT_EQ(table.IsVisible(r.item), r.visible) << r.item;
        EXPECT_EQ(table.IsUnlisted(r.item), r.unlisted) << r.item;
        EXPECT_EQ(table.IsImplied(r.item), r.implied) << r.item;
    }
    EXPECT_EQ(table.CountVisible(), 4);
    EXPECT_EQ(table.CountUnlisted(), 2);

    // An index item of a scalar or single-row list is writable only by its own access.
    const VxSNMPVarList row(Table, MVT_SV, 1);
    EXPECT_FALSE(row.IsWritable(0));
}

TEST(VxSNMPVarList, InvalidBitHidesAnItemFromEverything) {
    VxSNMPVarList list(Table, MVT_UMV, 1);
    list.GetItem(1)->Access |= acInvalid;
    EXPECT_FALSE(list.IsReadable(1));
    EXPECT_FALSE(list.IsWritable(1));
    EXPECT_FALSE(list.IsVisible(1));
    EXPECT_TRUE(list.IsUnlisted(1));
}

TEST(VxSNMPVarList, AssignmentCopiesItemsAndKeepsTheTargetsInstance) {
    VxSNMPVarList source(Table, MVT_FMV, 1);
    source.Name = "Ports";
    source.Instance = "9";
    source.GetItem(2)->Value = "42";

    VxSNMPVarList target(EmptyTable, SVT_SV, 0);
    target.Instance = "3";
    target = source;
    EXPECT_EQ(target.Instance, "3");
    EXPECT_EQ(target.Name, "Ports");
    EXPECT_EQ(target.Kind, MVT_FMV);
    EXPECT_EQ(target.IndexCount, 1u);
    ASSERT_EQ(target.GetCount(), 6u);
    EXPECT_EQ(target.GetItem(2)->Value, "42");
    target.GetItem(2)->Value = "7";
    EXPECT_EQ(source.GetItem(2)->Value, "42");

    const VxSNMPVarList copy(source);
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.GetItem(2)->Value, "42");
}

TEST(VxSNMPVarList, SelfAssignmentLeavesTheListIntact) {
    VxSNMPVarList list(Table, MVT_UMV, 1);
    list.GetItem(1)->Value = "enabled";
    VxSNMPVarList& alias = list;
    list = alias;
    ASSERT_EQ(list.GetCount(), 6u);
    EXPECT_EQ(list.GetItem(1)->Value, "enabled");
}

TEST(VxSNMPVarList, EmptyOrNullArraysAddNothing) {
    VxSNMPVarList list(EmptyTable, SVT_SV, 0);
    EXPECT_EQ(list.GetCount(), 0u);
    list.AddItems(Table);
    list.AddItems(nullptr);
    list.AddItems(EmptyTable);
    EXPECT_EQ(list.GetCount(), 6u);
    EXPECT_EQ(VxSNMPVarList::CountTableItems(nullptr), 0u);
}

TEST(SnmpCodeNames, RenderKindsSyntaxesAndAccess) {
    EXPECT_EQ(SnmpVarKindNames.ValueToLabel("3"), "MVT_UMV");
    EXPECT_EQ(SnmpSyntaxNames.ValueToLabel("66"), "guage");
    EXPECT_EQ(SnmpSyntaxNames.LabelToValue("IPV6ADDRESS"), "77");
    EXPECT_EQ(SnmpAccessNames.ValueToLabel("6"), "readwrite");
    EXPECT_EQ(SnmpAccessNames.ValueToLabel("64"), "64");
}

}  // namespace
