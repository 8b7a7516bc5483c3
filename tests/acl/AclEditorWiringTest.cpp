// The sixteen access-control editors opened from their menu commands, as a
// user opens them (modal), each driven through its window: the checks of its
// packet type, and what its write button does with "destroy" showing in the
// row-status combo, read in the set trace. A rule's Edit writes the row
// status only with its box ticked, so an unticked box never deletes a rule
// (the IPv6 rule editors go by the combo alone); a profile editor's Set
// deletes (the user-defined profiles write the row status with their
// windows).

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/acl/AclEditorFixture.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class AclEditorWiring : public AclEditors {
protected:
    // The editors open from the main window's menu.
    void StartHost() override { Window = StartMainWindow(); }

    // The trace of the last write as columns, "destroy" beside a row status
    // of 6; every line must name the selected row.
    Trace Columns(const TAclEditor& editor, const std::string& instance) {
        const std::string prefix = std::string(editor.Table.Oid) + ".1.";
        const std::string rowStatus = std::to_string(editor.Table.RowStatusItem + 1);
        Trace columns;
        for (const std::string& line : Stack->TraceLines()) {
            EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
            const std::string oid = line.substr(prefix.size(), line.find(' ') - prefix.size());
            const std::string column = oid.substr(0, oid.find('.'));
            EXPECT_EQ(oid.substr(column.size() + 1), instance) << line;
            const bool destroy = column == rowStatus && line.substr(line.find(' ')) == " integer 6";
            columns.push_back(column + (destroy ? " destroy" : ""));
        }
        return columns;
    }

    // Selects the first row, chooses "destroy", ticks or unticks the row
    // box, presses the write button; what went out, by column.
    Trace WriteWithDestroyShowing(TAclEditor& editor, bool tickRowBox) {
        SelectRow(editor.ListView1, 0);
        const TListItem* row = editor.ListView1->Selected();
        if (!row) {
            ADD_FAILURE() << "no row to select";
            return {};
        }
        std::string instance = row->Caption();
        if (editor.Table.IsRule) instance += "." + row->SubItems()->Get(0);
        Choose(static_cast<TComboBox*>(editor.FieldControl(editor.Table.RowStatusItem)), "destroy");
        if (TCheckBox* box = editor.FieldBox(editor.Table.RowStatusItem)) box->SetChecked(tickRowBox);
        Press(&editor, editor.WriteButton);
        return Columns(editor, instance);
    }
};

TEST_F(AclEditorWiring, ChecksAndTheWriteOfTheSelectedRowWithDestroyShowing) {
    OpenHostOn();
    struct Case {
        const char* MenuItem;
        const AclTable* Table;
        const char* AddWithoutId;           // the editor's own message
        Trace RowBoxUnticked;               // a profile editor: the Set
        std::optional<Trace> RowBoxTicked;  // rule editors whose box decides
    };
    const Trace windows = {"2", "3", "4", "5", "6", "7 destroy"};
    // The rules first: a profile goes with its rules.
    const Case cases[] = {
        {"RuleOfEthernetInformation1", &aclEthernetRuleTable, "Mask ID must be set.",
         {"14"}, Trace{"15 destroy"}},
        {"IPRule1", &aclIpv4RuleTable, "IP Rule ID must be set.",
         {"21"}, Trace{"22 destroy"}},
        {"UserDefinedInformationRule1", &aclUserDefinedRuleTable, "Profile ID must be set.",
         {"14"}, Trace{"15 destroy"}},
        {"IPV6Rule1", &aclIpv6RuleTable, "IPv6 Rule ID must be set.",
         {"12 destroy"}, {}},
        {"CPUEthernetInformationRule1", &cpuFilterEthernetRuleTable, "Mask ID must be set.",
         {}, Trace{"9 destroy"}},
        {"CPUIPRule1", &cpuFilterIpv4RuleTable, "IP Rule ID must be set.",
         {}, Trace{"16 destroy"}},
        {"CPUUserDefinedInformationRule1", &cpuFilterUserDefinedRuleTable, "Profile ID must be set.",
         {}, Trace{"9 destroy"}},
        {"CPUIPv6Rule1", &cpuFilterIpv6RuleTable, "IPv6 Rule ID must be set.",
         {"8 destroy"}, {}},
        {"EthernetMask1", &aclEthernetProfileTable, "Ethernet Mask ID must be set.",
         {"8 destroy"}, {}},
        {"IPMaskInformation1", &aclIpv4ProfileTable, "IP ID must be set.",
         {"18 destroy"}, {}},
        {"UserDefinedMaskInformation1", &aclUserDefinedProfileTable, "Mask Entry ID must be set.",
         windows, {}},
        {"IPV6MaskInformation1", &aclIpv6ProfileTable, "IPv6 Mask ID must be set.",
         {"7 destroy"}, {}},
        {"CPUEthernetMaskInformation1", &cpuFilterEthernetProfileTable, "Ethernet Mask ID must be set.",
         {"8 destroy"}, {}},
        {"CPUIPMaskInformation1", &cpuFilterIpv4ProfileTable, "IP ID must be set.",
         {"18 destroy"}, {}},
        {"CPUUserDefinedMaskInformation1", &cpuFilterUserDefinedProfileTable, "Mask Entry ID must be set.",
         windows, {}},
        {"CPUIPv6MaskInformation1", &cpuFilterIpv6ProfileTable, "CPU IPv6 Mask ID must be set.",
         {"7 destroy"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.MenuItem);
        WithDialogOf<TAclEditor>(c.MenuItem, [&](TAclEditor& editor) {
            EXPECT_EQ(&editor.Table, c.Table);
            ExpectRefused(&editor, editor.Record.Buttons.Add, c.AddWithoutId);
            EXPECT_EQ(WriteWithDestroyShowing(editor, false), c.RowBoxUnticked);
            if (c.RowBoxTicked) {
                EXPECT_EQ(WriteWithDestroyShowing(editor, true), *c.RowBoxTicked);
            }
        });
    }
}

}  // namespace
