// Value-name maps filling and selecting combo boxes and radio groups.

#include "common/VxOptionList.h"

#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The label "1" reads like the value of the first pair.
const VxIntPair Modes[] = {{1, "one"}, {2, "1"}, {5, "five"}, {0, nullptr}};
const VxIntPair NoPairs[] = {{0, nullptr}};

std::vector<std::string> Entries(const TStrings* items) {
    std::vector<std::string> texts;
    for (int i = 0; i < items->Count(); ++i) texts.push_back(items->Get(i));
    return texts;
}

class OptionListControls : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetStyle(csDropDownList);
        group = new TRadioGroup(form);
        group->SetParent(form);
    }
    void TearDown() override { delete form; }

    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    TRadioGroup* group = nullptr;
};

TEST_F(OptionListControls, FillListsTheLabelsInPairOrderReplacingOldEntries) {
    const VxOptionList map(Modes);
    combo->Items()->Add("stale");
    group->Items()->Add("stale");
    map.FillComboBox(combo);
    map.FillRadioGroup(group);
    const std::vector<std::string> labels{"one", "1", "five"};
    EXPECT_EQ(Entries(combo->Items()), labels);
    EXPECT_EQ(Entries(group->Items()), labels);

    const VxOptionList empty(NoPairs);
    empty.FillComboBox(combo);
    empty.FillRadioGroup(group);
    EXPECT_EQ(combo->Items()->Count(), 0);
    EXPECT_EQ(group->Items()->Count(), 0);
}

TEST_F(OptionListControls, SelectTakesALabelFirstThenAValue) {
    const VxOptionList map(Modes);
    map.FillComboBox(combo);
    map.FillRadioGroup(group);
    struct Case {
        const char* text;
        int index;
    } cases[] = {
        {"one", 0},
        {"FIVE", 2},     // labels match in any letter case
        {"1", 1},        // the label "1" wins over the value 1
        {"5", 2},        // no such label: the value
        {"2", 1},
        {"3", -1},       // neither: nothing selected
        {"(NULL)", -1},
        {"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        combo->SetItemIndex(0);
        group->SetItemIndex(0);
        map.SelectComboBox(combo, c.text);
        map.SelectRadioGroup(group, c.text);
        EXPECT_EQ(combo->ItemIndex(), c.index);
        EXPECT_EQ(group->ItemIndex(), c.index);
    }
}

}  // namespace
