// The main menu as data: every page command against the catalogue, and the
// menu layout against the command table.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "main/MainMenuLayout.h"
#include "framework/VxSNMPVarList.h"
#include "main/MenuCommand.h"
#include "mibdefs/MibCatalogue.h"

namespace {

// Handlers that no menu item calls.
const std::set<std::string_view> UnboundHandlers = {"PortTable1Click", "PortTable2Click"};

std::string HandlerOf(const MenuNode& node) { return std::string(node.Name) + "Click"; }

// The catalogue entry that opens the command's table with its kind and index count.
const MibTableInfo* CatalogueEntry(const MenuCommand& command) {
    for (size_t i = 0; i < MibCatalogueCount; ++i) {
        const MibTableInfo& entry = MibCatalogue[i];
        if (std::string_view(entry.Name) == command.Table.Name && entry.Kind == command.Kind &&
            entry.IndexCount == command.IndexCount) {
            return &entry;
        }
    }
    return nullptr;
}

TEST(MenuCommands, EveryPageOpensACatalogueTableAsTheCatalogueDescribesIt) {
    for (size_t i = 0; i < MenuCommandCount; ++i) {
        const MenuCommand& command = MenuCommands[i];
        if (!command.IsPage()) continue;
        SCOPED_TRACE(command.Handler);
        const MibTableInfo* entry = CatalogueEntry(command);
        ASSERT_NE(entry, nullptr) << command.Table.Name << " kind " << int(command.Kind) << " with "
                                  << command.IndexCount << " index items is not in the catalogue";
        EXPECT_EQ(entry->Items, command.Table.Items);
        EXPECT_STREQ(entry->BaseOid, command.Table.BaseOid);
        EXPECT_EQ(entry->ItemCount, command.Table.ItemCount);
        EXPECT_EQ(VxSNMPVarList::CountTableItems(command.Table.Items), command.Table.ItemCount);
        ASSERT_NE(command.Title, nullptr);
    }
}

// Add and Delete write the status item with values of its own value-name map.
TEST(MenuCommands, RowsAreAddedAndDeletedThroughAStatusItemThatKnowsBothValues) {
    int tables = 0;
    for (size_t i = 0; i < MenuCommandCount; ++i) {
        const MenuCommand& command = MenuCommands[i];
        if (command.RowStatusItem < 0) {
            EXPECT_EQ(command.AddValue, nullptr) << command.Handler;
            continue;
        }
        SCOPED_TRACE(command.Handler);
        ++tables;
        EXPECT_EQ(command.Pattern, CommandPattern::TablePage);
        ASSERT_LT(static_cast<uint32_t>(command.RowStatusItem), command.Table.ItemCount);
        const SnmpVarItem& status = command.Table.Items[command.RowStatusItem];
        const auto* map = dynamic_cast<const VxOptionList*>(status.Options);
        ASSERT_NE(map, nullptr) << status.Label;
        EXPECT_GE(map->IndexOfLabel(command.AddValue), 0) << status.Label;
        EXPECT_GE(map->IndexOfLabel(command.DeleteValue), 0) << status.Label;
        EXPECT_TRUE(status.Access & acWriteOnly) << status.Label;
    }
    EXPECT_EQ(tables, 16);
}

TEST(MenuCommands, TheMenuBarBindsItsCommandsByPattern) {
    std::map<CommandPattern, int> bar;
    std::map<CommandPattern, int> popup;
    for (size_t i = 0; i < MainMenuLayoutCount; ++i) {
        if (const MenuCommand* command = FindMenuCommand(HandlerOf(MainMenuLayout[i]))) ++bar[command->Pattern];
    }
    for (size_t i = 0; i < PortPopupLayoutCount; ++i) {
        if (const MenuCommand* command = FindMenuCommand(HandlerOf(PortPopupLayout[i]))) ++popup[command->Pattern];
    }
    EXPECT_EQ(bar[CommandPattern::ScalarPage], 54);
    EXPECT_EQ(bar[CommandPattern::TablePage], 74);
    EXPECT_EQ(bar[CommandPattern::RowPage], 1);
    EXPECT_EQ(bar[CommandPattern::Dialog], 47);
    EXPECT_EQ(bar[CommandPattern::Tool], 25);
    EXPECT_EQ(bar[CommandPattern::Help], 1);
    EXPECT_EQ(bar[CommandPattern::Exit], 1);
    EXPECT_EQ(bar[CommandPattern::PortRowPage], 0);
    EXPECT_EQ(popup[CommandPattern::PortRowPage], 2);
}

// Every command but the unbound ones is reached by exactly one item, and
// every handler is one of the table's.
TEST(MenuCommands, EachCommandHasOneItemAndEachItemNameIsUnique) {
    std::map<std::string, int> reached;
    std::set<std::string> names;
    using Layout = std::pair<const MenuNode*, size_t>;
    for (const auto& [nodes, count] : {Layout{MainMenuLayout, MainMenuLayoutCount},
                                       Layout{PortPopupLayout, PortPopupLayoutCount}}) {
        for (size_t i = 0; i < count; ++i) {
            EXPECT_TRUE(names.insert(nodes[i].Name).second) << nodes[i].Name << " twice";
            if (FindMenuCommand(HandlerOf(nodes[i]))) ++reached[HandlerOf(nodes[i])];
        }
    }
    for (size_t i = 0; i < MenuCommandCount; ++i) {
        const std::string handler = MenuCommands[i].Handler;
        const int expected = UnboundHandlers.contains(handler) ? 0 : 1;
        EXPECT_EQ(reached[handler], expected) << handler;
    }
}

TEST(MenuCommands, TheLayoutNestsItemsUnderTheTenMenusOfTheBar) {
    const std::vector<std::string> expected = {"Basic Configuration", "RMON", "Bridge", "VLAN",
                                               "SNMP V3", "Security Management", "Layer 2 Management",
                                               "Layer 3 Management", "Single IP", "Help"};
    std::vector<std::string> topLevel;
    int hidden = 0;
    int depth = 0;
    for (size_t i = 0; i < MainMenuLayoutCount; ++i) {
        const MenuNode& node = MainMenuLayout[i];
        EXPECT_LE(node.Depth, depth + 1) << node.Name;
        depth = node.Depth;
        if (depth == 0) topLevel.push_back(node.Caption);
        hidden += node.Visible ? 0 : 1;
    }
    EXPECT_EQ(topLevel, expected);
    EXPECT_EQ(hidden, 31);
}

}  // namespace
