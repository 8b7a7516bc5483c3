#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "framework/VxSNMPVarList.h"
#include "mibdefs/MibCatalogue.h"

namespace {

// Every entry of the index, one var-list use each; `table` names the entry in failures.
template <typename Check>
void ForEachTable(Check check) {
    for (size_t t = 0; t < MibCatalogueCount; ++t) {
        const MibTableInfo& table = MibCatalogue[t];
        SCOPED_TRACE(table.Name);
        check(table);
    }
}

bool IsDottedDecimal(std::string_view oid) {
    if (oid.empty() || oid.front() == '.' || oid.back() == '.') return false;
    char previous = '.';
    for (char c : oid) {
        if (c == '.' && previous == '.') return false;
        if (c != '.' && (c < '0' || c > '9')) return false;
        previous = c;
    }
    return true;
}

// The items whose OID is a single blank: index columns that are taken from the row instance
// and never sent.
bool IsBlankOid(const char* oid) { return std::string_view(oid) == " "; }

bool IsStringSyntax(uint32_t syntax) {
    return syntax == sxOctetStr || syntax == sxDisplayStr;
}

// Every item of every table, with the table's own maps.
std::map<const VxOptionList*, int> CountMapReferences() {
    std::map<const VxOptionList*, int> references;
    std::set<const SnmpVarItem*> seen;
    ForEachTable([&](const MibTableInfo& table) {
        if (!seen.insert(table.Items).second) return;
        for (const SnmpVarItem* item = table.Items; item->ObjectId; ++item)
            if (item->Options) ++references[dynamic_cast<const VxOptionList*>(item->Options)];
    });
    return references;
}

TEST(MibCatalogue, HoldsEveryTableOnceByNameWithItsUses) {
    std::set<std::string> names;
    size_t items = 0;
    std::set<const SnmpVarItem*> arrays;
    ForEachTable([&](const MibTableInfo& table) {
        names.insert(table.Name);
        if (arrays.insert(table.Items).second) items += table.ItemCount;
        EXPECT_EQ(FindMibTable(table.Name)->Items, table.Items);
    });
    // 182 tables plus UnitLedItems, which lies inside SwUnitMgmtItems.
    EXPECT_EQ(names.size(), 183u);
    EXPECT_EQ(items, 1121u + 1u);
    EXPECT_EQ(FindMibTable("NoSuchItems"), nullptr);
}

TEST(MibCatalogue, EveryTableEndsAfterItsDocumentedItemCount) {
    ForEachTable([](const MibTableInfo& table) {
        ASSERT_NE(table.Items, nullptr);
        EXPECT_GT(table.ItemCount, 0u);
        EXPECT_EQ(VxSNMPVarList::CountTableItems(table.Items), table.ItemCount);
        EXPECT_EQ(table.Items[table.ItemCount].ObjectId, nullptr);
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const SnmpVarItem& item = table.Items[i];
            ASSERT_NE(item.Label, nullptr) << i;
            EXPECT_NE(std::string_view(item.Label), "") << i;
            EXPECT_EQ(item.Aux1, nullptr) << i;
            EXPECT_EQ(item.Aux2, nullptr) << i;
            EXPECT_EQ(item.Aux3, nullptr) << i;
            EXPECT_EQ(item.Value, nullptr) << i;
            EXPECT_EQ(item.LastOid, nullptr) << i;
        }
    });
}

TEST(MibCatalogue, KindAndIndexCountFitTheTable) {
    ForEachTable([](const MibTableInfo& table) {
        EXPECT_LE(table.Kind, MVT_UMV);
        EXPECT_LE(table.IndexCount, table.ItemCount);
        if (table.Kind == SVT_SV) {
            EXPECT_EQ(table.IndexCount, 0u);
        }
        // A walked table needs an index to address its rows by.
        if (table.Kind == MVT_FMV || table.Kind == MVT_UMV) {
            EXPECT_GE(table.IndexCount, 1u);
        }
    });
}

TEST(MibCatalogue, OidsAreDottedDecimalUnderTheBaseOid) {
    ForEachTable([](const MibTableInfo& table) {
        ASSERT_TRUE(IsDottedDecimal(table.BaseOid));
        const std::string base = table.BaseOid;
        std::set<std::string> oids;
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const char* oid = table.Items[i].ObjectId;
            if (IsBlankOid(oid)) {
                EXPECT_LT(i, table.IndexCount) << "a blank OID outside the index items: " << i;
                continue;
            }
            EXPECT_TRUE(IsDottedDecimal(oid)) << i << " " << oid;
            const std::string text = oid;
            EXPECT_TRUE(text == base || text.starts_with(base + ".")) << i << " " << oid;
            // Only the LED status column is listed twice (see the spot cases).
            if (!oids.insert(text).second) {
                EXPECT_EQ(text, "1.3.6.1.4.1.171.12.11.1.9.4.1.6") << i;
            }
        }
    });
}

TEST(MibCatalogue, SyntaxAndAccessCodesAreKnown) {
    ForEachTable([](const MibTableInfo& table) {
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const SnmpVarItem& item = table.Items[i];
            EXPECT_GE(SnmpSyntaxNames.IndexOfValue(std::to_string(item.Syntax)), 0) << i;
            const uint32_t access = item.Access;
            const bool named = SnmpAccessNames.IndexOfValue(std::to_string(access)) >= 0;
            EXPECT_TRUE(named || access == (acNotAccess | acImplied)) << i << " " << access;
            EXPECT_EQ(access & acInvalid, 0u) << "only editors leave items out: " << i;
        }
    });
}

TEST(MibCatalogue, ImpliedOnlyOnStringIndexColumns) {
    ForEachTable([](const MibTableInfo& table) {
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const SnmpVarItem& item = table.Items[i];
            if (!(item.Access & acImplied)) continue;
            EXPECT_EQ(item.Access, acNotAccess | acImplied) << i;
            EXPECT_LT(i, table.IndexCount) << i;
            EXPECT_TRUE(IsStringSyntax(item.Syntax)) << i;
        }
    });
}

TEST(MibCatalogue, EveryMapReferenceResolvesToACatalogueMap) {
    std::set<const VxOptionList*> catalogueMaps;
    std::set<std::string> mapNames;
    for (size_t m = 0; m < MibMapCatalogueCount; ++m) {
        const MibMapInfo& map = MibMapCatalogue[m];
        SCOPED_TRACE(map.Name);
        ASSERT_NE(map.Map, nullptr);
        EXPECT_TRUE(catalogueMaps.insert(map.Map).second) << "listed twice";
        EXPECT_TRUE(mapNames.insert(map.Name).second) << "name used twice";
        EXPECT_EQ(FindMibMap(map.Name), map.Map);
        EXPECT_GT(map.Map->Count(), 0);
        EXPECT_EQ(map.Map->CaseSensitive(), 0);
    }
    EXPECT_EQ(catalogueMaps.size(), 307u + 2u);

    ForEachTable([&](const MibTableInfo& table) {
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const SnmpVarItem& item = table.Items[i];
            if (!item.Options) continue;
            const auto* map = dynamic_cast<const VxOptionList*>(item.Options);
            ASSERT_NE(map, nullptr) << i;
            EXPECT_TRUE(catalogueMaps.count(map)) << i;
            // Integer items take integer maps; OID items take the OID maps.
            const uint32_t kind =
                item.Syntax == sxObjectId ? VxOptionList::TextValues : VxOptionList::IntegerValues;
            EXPECT_EQ(map->Kind(), kind) << i;
        }
    });

    // Each map was written down at an item: one that no item points to has lost its item.
    const auto references = CountMapReferences();
    for (size_t m = 0; m < MibMapCatalogueCount; ++m)
        EXPECT_GT(references.count(MibMapCatalogue[m].Map), 0u) << MibMapCatalogue[m].Name;
}

TEST(MibCatalogue, MapsHaveDistinctValuesAndLabels) {
    // A combo box selects by label and by value; a repeated one would select the wrong pair.
    for (size_t m = 0; m < MibMapCatalogueCount; ++m) {
        const VxOptionList& map = *MibMapCatalogue[m].Map;
        SCOPED_TRACE(MibMapCatalogue[m].Name);
        for (int i = 0; i < map.Count(); ++i) {
            EXPECT_EQ(map.IndexOfValue(map.ValueText(i)), i);
            EXPECT_EQ(map.IndexOfLabel(map.Item(i).Label), i);
        }
    }
}

TEST(MibCatalogue, EveryTableOpensAsAVarListOfItsKind) {
    ForEachTable([](const MibTableInfo& table) {
        const VxSNMPVarList list(table.Items, table.Kind, table.IndexCount);
        ASSERT_EQ(list.GetCount(), table.ItemCount);
        EXPECT_EQ(list.Kind, table.Kind);
        EXPECT_EQ(list.IndexCount, table.IndexCount);
        for (uint32_t i = 0; i < table.ItemCount; ++i) {
            const SnmpVar& item = *list.GetItem(static_cast<int>(i));
            EXPECT_EQ(item.ObjectId, table.Items[i].ObjectId) << i;
            EXPECT_EQ(item.Label, table.Items[i].Label) << i;
            EXPECT_EQ(item.Options, table.Items[i].Options) << i;
            // A table list writes its index items into the instance of every set.
            if ((table.Kind == MVT_FMV || table.Kind == MVT_UMV) && i < table.IndexCount) {
                EXPECT_TRUE(list.IsWritable(static_cast<int>(i))) << i;
            }
        }
        // Something of every table is shown.
        EXPECT_GT(list.CountVisible(), 0);
    });
}

// ---------------------------------------------------------------------------------------
// Spot cases.

TEST(MibCatalogueSpots, UnitTableListsTheLedStatusTwiceAndLendsTheLastRecordToTheLeds) {
    const char* ledOid = "1.3.6.1.4.1.171.12.11.1.9.4.1.6";
    EXPECT_STREQ(SwUnitMgmtItems[5].ObjectId, ledOid);
    EXPECT_STREQ(SwUnitMgmtItems[5].Label, "Front Panel Led Status");
    EXPECT_STREQ(SwUnitMgmtItems[9].ObjectId, ledOid);
    EXPECT_STREQ(SwUnitMgmtItems[9].Label, "swUnitMgmtFrontPanelLedStatus");
    EXPECT_EQ(SwUnitMgmtItems[10].ObjectId, nullptr);

    EXPECT_EQ(UnitLedItems, &SwUnitMgmtItems[9]);
    VxSNMPVarList leds(UnitLedItems, MVT_SV, 0);
    leds.Instance = "2";
    ASSERT_EQ(leds.GetCount(), 1u);
    EXPECT_EQ(leds.GetItem(0)->ObjectId, ledOid);
    EXPECT_EQ(leds.GetItem(0)->Syntax, sxOctetStr);
    EXPECT_TRUE(leds.IsReadable(0));
}

TEST(MibCatalogueSpots, LabelsKeepTrailingBlanksAndRanges) {
    struct Case {
        const SnmpVarItem* table;
        int item;
        const char* label;
    };
    const Case cases[] = {
        {StpPortItems, 2, "Status        "},
        {StpPortItems, 3, "State  "},
        {SwitchGlobalItems, 3, "VLAN ID Of FDB Table [1-4094]"},
        {SwitchGlobalItems, 6, "MAC Notify Interval [1-2147483647 second(s)]"},
        {SystemTimeItems, 4, "System Time Zone [ -779..839]"},
        {SntpItems, 4, "Poll Interval[30..99999]"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.table[c.item].Label, c.label);
        // The copy in a var list keeps the label as it is.
        const VxSNMPVarList list(c.table, SVT_SV, 0);
        EXPECT_EQ(list.GetItem(c.item)->Label, c.label);
    }
}

TEST(MibCatalogueSpots, ImpliedColumnsAreTheSnmpV3NameIndexes) {
    const std::set<const SnmpVarItem*> expected = {
        &SnmpTargetAddrItems[0], &SnmpTargetParamsItems[0], &SnmpCommunityItems[0],
        &SnmpTargetAddrExtItems[0], &SnmpNotifyItems[0],
    };
    std::set<const SnmpVarItem*> implied;
    ForEachTable([&](const MibTableInfo& table) {
        for (uint32_t i = 0; i < table.ItemCount; ++i)
            if (table.Items[i].Access & acImplied) implied.insert(&table.Items[i]);
    });
    EXPECT_EQ(implied, expected);
    for (const SnmpVarItem* item : expected) {
        EXPECT_EQ(item->Access, 65u);
        const VxSNMPVarList list(item, MVT_UMV, 1);
        EXPECT_TRUE(list.IsImplied(0));
        EXPECT_FALSE(list.IsReadable(0));
    }
}

TEST(MibCatalogueSpots, OidMapsRenderProtocolNames) {
    const SnmpVarItem& auth = UsmUserItems[3];
    const SnmpVarItem& privacy = UsmUserItems[4];
    ASSERT_STREQ(auth.Label, "Authentication Protocol");
    ASSERT_STREQ(privacy.Label, "Privacy Protocol");
    const auto* authMap = dynamic_cast<const VxOptionList*>(auth.Options);
    const auto* privacyMap = dynamic_cast<const VxOptionList*>(privacy.Options);
    ASSERT_EQ(authMap, &AuthenticationProtocolValues);
    ASSERT_EQ(privacyMap, &PrivacyProtocolValues);

    EXPECT_EQ(authMap->ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(authMap->ValueToLabel("1.3.6.1.6.3.10.1.1.1"), "None");
    EXPECT_EQ(authMap->LabelToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(privacyMap->ValueToLabel("1.3.6.1.6.3.10.1.2.2"), "DES");
    // An OID the map does not know shows as itself.
    EXPECT_EQ(authMap->ValueToLabel("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
}

TEST(MibCatalogueSpots, UnmappedValuesShowTheirNumber) {
    struct Case {
        const SnmpVarItem& item;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {TrunkItems[6], "4", "createAndGo"},
        {TrunkItems[6], "3", "3"},  // no pair for 3
        {UnitMgmtItems[1], "0", "not-exist"},
        {UnitMgmtItems[1], "7", "7"},
        {SntpItems[1], "0", "system"},
        {SntpItems[1], "-1", "-1"},
    };
    for (const Case& c : cases) {
        const auto* map = dynamic_cast<const VxOptionList*>(c.item.Options);
        ASSERT_NE(map, nullptr) << c.item.Label;
        EXPECT_EQ(map->ValueToLabel(c.value), c.shown) << c.item.Label;
    }
}

TEST(MibCatalogueSpots, PimRouteIndexItemsHaveBlankOids) {
    const MibTableInfo* table = FindMibTable("PimMRouteItems");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Kind, MVT_FMV);
    EXPECT_EQ(table->IndexCount, 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(PimMRouteItems[i].ObjectId, " ") << i;
        EXPECT_EQ(PimMRouteItems[i].Access, acNotAccess) << i;
    }
    EXPECT_STREQ(PimMRouteItems[3].ObjectId, "1.3.6.1.3.61.1.1.4.1.1");
    EXPECT_STREQ(PimMRouteItems[3].Label, "Upstream Assert Timer");
}

TEST(MibCatalogueSpots, TablesWithFourIndexItems) {
    struct Case {
        const char* name;
        uint8_t kind;
    };
    for (const Case c : {Case{"VacmAccessItems", MVT_UMV}, Case{"PimRpSetItems", MVT_FMV}}) {
        const MibTableInfo* table = FindMibTable(c.name);
        ASSERT_NE(table, nullptr) << c.name;
        EXPECT_EQ(table->Kind, c.kind) << c.name;
        EXPECT_EQ(table->IndexCount, 4u) << c.name;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(table->Items[i].Access, acNotAccess) << c.name;
    }
}

TEST(MibCatalogueSpots, TablesOpenedInTwoWaysAreListedForEach) {
    std::multimap<std::string, std::pair<int, uint32_t>> uses;
    ForEachTable([&](const MibTableInfo& table) {
        uses.emplace(table.Name, std::make_pair(int(table.Kind), table.IndexCount));
    });
    for (const char* name : {"PortInfoItems", "PortCtrlItems"}) {
        const auto [first, last] = uses.equal_range(name);
        std::set<std::pair<int, uint32_t>> found;
        for (auto it = first; it != last; ++it) found.insert(it->second);
        const std::set<std::pair<int, uint32_t>> expected = {{MVT_SV, 0}, {MVT_FMV, 1}};
        EXPECT_EQ(found, expected) << name;
    }
    const MibTableInfo* leds = FindMibTable("UnitLedItems");
    ASSERT_NE(leds, nullptr);
    EXPECT_EQ(leds->Kind, MVT_SV);
    EXPECT_EQ(leds->IndexCount, 0u);
}

TEST(MibCatalogueSpots, SharedMapsAreOneObjectAndEqualMapsAreNot) {
    // Migration and Edge of the spanning-tree port table share one map...
    EXPECT_EQ(StpPortItems[4].Options, &MigrationValues);
    EXPECT_EQ(StpPortItems[5].Options, &MigrationValues);
    // ...and the member row status is shared between the two member tables.
    EXPECT_EQ(SingleIpMemberItems[9].Options, &MemberRowStatusValues);
    EXPECT_EQ(SingleIpMemberCtrlItems[3].Options, &MemberRowStatusValues);
    EXPECT_EQ(SwUnitMgmtItems[1].Options, UnitMgmtItems[1].Options);
    EXPECT_EQ(SwUnitMgmtItems[6].Options, UnitMgmtItems[6].Options);
    // Row-status maps with the same pairs are separate objects.
    EXPECT_NE(&SnmpTargetAddrRowStatusValues, &SnmpNotifyRowStatusValues);
    EXPECT_EQ(SnmpTargetAddrRowStatusValues.Count(), SnmpNotifyRowStatusValues.Count());
}

TEST(MibCatalogueSpots, MapsKeepTheirPairOrder) {
    // Combo boxes list the labels in pair order, so the order is part of the data.
    EXPECT_EQ(UnitMgmtStatusValues.Count(), 2);
    EXPECT_EQ(UnitMgmtStatusValues.Item(0).IntValue, 1);
    EXPECT_EQ(UnitMgmtStatusValues.Item(0).Label, "exist");
    EXPECT_EQ(UnitMgmtStatusValues.Item(1).IntValue, 0);
    EXPECT_EQ(UnitMgmtStatusValues.Item(1).Label, "not-exist");
    EXPECT_EQ(QOSSchedulingMechanismStatusValues.LabelToValue("weightfair"), "3");
    // Labels match in any letter case.
    EXPECT_EQ(TrunkTypeValues.LabelToValue("LACP"), "3");
}

TEST(MibCatalogueSpots, LedColourMapsDecodeStateBytes) {
    struct Case {
        const VxSNMPLedColorMapList& map;
        uint8_t state;
        uint32_t colour;
    };
    const Case cases[] = {
        {PortLedColorMap, 0, 0x000000}, {PortLedColorMap, 2, 0x00FF00},
        {PortLedColorMap, 3, 0x000000}, {PortLedColorMap, 4, 0x00FF00},
        {SystemLedColorMap, 1, 0x000000}, {SystemLedColorMap, 3, 0x00FF00},
        {SystemLedColorMap, 5, 0x0000FF}, {SystemLedColorMap, 6, 0x000000},
    };
    for (const Case& c : cases) EXPECT_EQ(c.map.Lookup(c.state), c.colour) << int(c.state);
    for (const VxSNMPLedColorMapList* map : {&PortLedColorMap, &SystemLedColorMap}) {
        EXPECT_EQ(map->ValueMask, 7);
        EXPECT_EQ(map->BlinkMask, 0x80);
        EXPECT_EQ(map->BaseColor, 0x000000u);
        EXPECT_EQ(map->DefaultColor, 0xFFFFFFu);
    }
    EXPECT_EQ(PortLedColorMap.Pairs.size(), 3u);
    EXPECT_EQ(SystemLedColorMap.Pairs.size(), 6u);
}

}  // namespace
