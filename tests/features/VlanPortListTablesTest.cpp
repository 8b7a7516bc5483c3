// The VLAN and multicast port-list dialogs against the simulated stack,
// checked in the set trace: each port list of the selected row in a stack
// port picker.

#include <gtest/gtest.h>

#include "features/ForwardUnregisteredInformationForm.h"
#include "features/MulticastForwardingInformationForm.h"
#include "dialogbase/StackingPortUit.h"
#include "features/TpGroupDestinationForwardedForm.h"
#include "features/VLanCurrentTableForm.h"
#include "tests/support/DialogFixture.h"

namespace {

class VlanPortListTables : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        OpenHostOn();
    }
    static std::vector<int> Ports(TStackingPortUitForm* picker) {
        std::vector<TCheckBox*> boxes;
        for (int k = 0; k < picker->CheckBoxes.Count(); ++k) boxes.push_back(picker->Box(k));
        return Checked(boxes);
    }
    // The first `fields` fields of each row.
    static std::vector<std::string> Leading(const TListView* list, size_t fields) {
        std::vector<std::string> rows;
        for (const std::string& row : Rows(list)) {
            size_t end = 0;
            for (size_t f = 0; f < fields && end != std::string::npos; ++f) end = row.find('|', f ? end + 1 : 0);
            rows.push_back(row.substr(0, end));
        }
        return rows;
    }
};

TEST_F(VlanPortListTables, ForwardAllSetSendsTheStaticAndForbiddenListsAsShownNeverAllPorts) {
    auto* dialog = OpenDialog<TMulticastForwardingInformationForm>();
    EXPECT_EQ(dialog->ST_Count->Caption(), "2");
    EXPECT_FALSE(dialog->StaticPicker->Box(2)->Enabled());  // until a row is selected
    SelectRow(dialog->LV_dot1qForwardAllEntry, 0);
    EXPECT_EQ(Ports(dialog->InUsePicker), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(Ports(dialog->StaticPicker), (std::vector<int>{0, 1}));
    EXPECT_EQ(Ports(dialog->ForbiddenPicker), (std::vector<int>{151}));
    Click(dialog->StaticPicker->Box(2));  // port 3 of unit 1
    Stack->ClearTrace();
    dialog->SetBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Written("1.3.6.1.2.1.17.7.1.2.4.1"), (std::vector<std::string>{"2.1 bits 0 1 2", "3.1 bits 151"}));
    EXPECT_EQ(dialog->ST_Count->Caption(), "2");
}

TEST_F(VlanPortListTables, ForwardUnregisteredSetSendsTheTickedListsAndRefreshClearsTheTicks) {
    auto* dialog = OpenDialog<TForwardUnregisteredInformationForm>();
    SelectRow(dialog->LV_dot1qForwardUnregisteredEntry, 1);  // VLAN 10
    EXPECT_EQ(Ports(dialog->StaticPicker), (std::vector<int>{2}));
    EXPECT_EQ(Ports(dialog->ForbiddenPicker), (std::vector<int>{1}));
    Click(dialog->StaticPicker->Box(8));
    Click(dialog->ForbiddenPicker->Box(130));
    Stack->ClearTrace();
    dialog->SetBtn->Click();
    WaitIdle(dialog);
    EXPECT_EQ(Written("1.3.6.1.2.1.17.7.1.2.5.1"), (std::vector<std::string>{"2.10 bits 2 8", "3.10 bits 1 130"}));
    SelectRow(dialog->LV_dot1qForwardUnregisteredEntry, 1);
    EXPECT_EQ(Ports(dialog->StaticPicker), (std::vector<int>{2, 8}));

    dialog->RefreshBtn->Click();
    EXPECT_EQ(Ports(dialog->StaticPicker), std::vector<int>{});
    EXPECT_EQ(Ports(dialog->ForbiddenPicker), std::vector<int>{});
    WaitIdle(dialog);
}

TEST_F(VlanPortListTables, ASelectedCurrentVlanShowsItsIndexAndListsAClickBesideTheRowsClearsThem) {
    auto* dialog = OpenDialog<TVLanCurrentTableForm>();
    EXPECT_EQ(dialog->VlanNumDeletes->Caption(), "0");
    EXPECT_EQ(dialog->ST_Count2->Caption(), "2");
    EXPECT_FALSE(dialog->SetBtn->Visible());
    EXPECT_EQ(Leading(dialog->LV_dot1qVlanCurrentEntry, 3)[1], "0:00:00.00|10|10");
    SelectRow(dialog->LV_dot1qVlanCurrentEntry, 1);
    EXPECT_EQ(dialog->StaticText1->Caption(), "10");
    EXPECT_EQ(Ports(dialog->EgressPicker), (std::vector<int>{0, 1, 2, 3, 128, 129}));
    EXPECT_EQ(Ports(dialog->UntaggedPicker), (std::vector<int>{2, 3}));

    SelectRow(dialog->LV_dot1qVlanCurrentEntry, -1);
    EXPECT_EQ(dialog->StaticText1->Caption(), "");
    EXPECT_EQ(Ports(dialog->EgressPicker), std::vector<int>{});
    EXPECT_EQ(Ports(dialog->UntaggedPicker), std::vector<int>{});
}

TEST_F(VlanPortListTables, TheTpGroupListShowsEachGroupsVlanAndAddress) {
    auto* dialog = OpenDialog<TTpGroupDestinationForwardedForm>();
    EXPECT_EQ(Leading(dialog->LV_dot1qTpGroupEntry, 2),
              (std::vector<std::string>{"1|01005E0000FB", "10|01005E7F0001"}));
    SelectRow(dialog->LV_dot1qTpGroupEntry, 1);
    EXPECT_EQ(Ports(dialog->EgressPicker), (std::vector<int>{0, 1}));
    EXPECT_EQ(Ports(dialog->GmrpPicker), (std::vector<int>{1}));
}

}  // namespace
