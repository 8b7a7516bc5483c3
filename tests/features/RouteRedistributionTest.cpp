// The route redistribution editor: what each protocol pair allows, and the
// editor against the simulated stack, checked in the set trace.

#include <gtest/gtest.h>

#include <QComboBox>

#include "features/RouteRedistributForm.h"
#include "features/RouteRedistributionRules.h"
#include "tests/features/ServiceDialogFixture.h"

namespace {

constexpr const char* Entry = "1.3.6.1.4.1.171.11.59.8.3.5.1";

std::vector<int> EnabledRadios(const std::bitset<RouteTypeRadioCount + 1>& bits) {
    std::vector<int> radios;
    for (int n = 1; n <= RouteTypeRadioCount; ++n)
        if (bits.test(n)) radios.push_back(n);
    return radios;
}

TEST(RouteRedistributionRules, EachProtocolPairHasItsRangeAndRouteTypes) {
    struct Case {
        const char* Destination;
        const char* Source;
        const char* Range;  // null: the editor leaves range and types as they are
        std::vector<int> Radios;
    };
    const Case cases[] = {
        {"rip", "ospf", "[0..16]", {1, 2, 5, 6, 7, 8, 9, 10}},
        {"rip", "static", "[0..16]", {2}},
        {"rip", "local", "[0..16]", {2}},
        {"rip", "rip", nullptr, {}},
        {"rip", "", nullptr, {}},
        {"ospf", "rip", "[0..16777214]", {3, 4}},
        {"ospf", "static", "[0..16777214]", {3, 4}},
        {"ospf", "", "[0..16777214]", {3, 4}},
        {"", "ospf", nullptr, {}},
    };
    for (const Case& c : cases) {
        const auto rule = RedistributionRuleFor(c.Destination, c.Source);
        ASSERT_EQ(rule.has_value(), c.Range != nullptr) << c.Source << " into " << c.Destination;
        if (!rule) continue;
        EXPECT_EQ(rule->RangeText, c.Range);
        EXPECT_EQ(EnabledRadios(rule->Radios), c.Radios) << c.Source << " into " << c.Destination;
    }
}

TEST(RouteRedistributionRules, TheMetricIsCheckedAgainstTheDestinationsRange) {
    EXPECT_EQ(MetricRefusal("rip", 16), std::nullopt);
    EXPECT_EQ(MetricRefusal("rip", 0), std::nullopt);
    EXPECT_EQ(MetricRefusal("rip", 17), "Metric out of Bound [0..16]");
    EXPECT_EQ(MetricRefusal("ospf", 16777214), std::nullopt);
    EXPECT_EQ(MetricRefusal("ospf", 16777215), "Metric out of Bound [0..16777214]");
    EXPECT_EQ(MetricRefusal("", 99999999), std::nullopt);
    EXPECT_EQ(TypePositionOfRadio(1), -1);  // "other": no entry
    EXPECT_EQ(TypePositionOfRadio(2), 0);   // "all"
    EXPECT_EQ(RadioOfTypeValue(10), 10);
}

TEST(RouteRedistributionRules, ARouteTypeThePairDoesNotTakeIsRefused) {
    struct Case {
        const char* Destination;
        const char* Source;
        int Type;
        const char* Label;
        const char* Refusal;  // null: taken
    };
    const Case cases[] = {
        {"ospf", "static", 2, "all", "Route type \"all\" cannot be redistributed from static into ospf."},
        {"ospf", "rip", 4, "type-2", nullptr},
        {"rip", "local", 5, "internal", "Route type \"internal\" cannot be redistributed from local into rip."},
        {"rip", "ospf", 10, "extType2", nullptr},
        {"rip", "ospf", 11, "11", "Route type \"11\" cannot be redistributed from ospf into rip."},
        {"rip", "rip", 2, "all", nullptr},  // no rule: the agent decides
    };
    for (const Case& c : cases) {
        const auto refusal = RouteTypeRefusal(c.Destination, c.Source, c.Type, c.Label);
        EXPECT_EQ(refusal.value_or("taken"), c.Refusal ? c.Refusal : "taken") << c.Source << " into " << c.Destination;
    }
}

class RouteRedistribution : public ServiceDialogFixture {
protected:
    TRouteRedistributForm* Open() { return ServiceDialogFixture::Open<TRouteRedistributForm>(); }

    static std::vector<int> EnabledRadios(const TRouteRedistributForm* dialog) {
        std::vector<int> radios;
        for (int n = 1; n <= RouteTypeRadioCount; ++n)
            if (dialog->RadioButtons[n - 1]->Enabled()) radios.push_back(n);
        return radios;
    }
    static int CheckedRadio(const TRouteRedistributForm* dialog) {
        for (int n = 1; n <= RouteTypeRadioCount; ++n)
            if (dialog->RadioButtons[n - 1]->Checked()) return n;
        return 0;
    }
    // No row: every field empty, no type chosen, every type offered, the
    // whole metric range.
    static void ExpectNoRowShown(const TRouteRedistributForm* dialog) {
        for (const TComboBox* box : {dialog->ComboBox1, dialog->ComboBox2, dialog->ComboBox3, dialog->StComboBox})
            EXPECT_EQ(box->ItemIndex(), -1) << box->Name();
        EXPECT_EQ(dialog->Edit1->Text(), "");
        EXPECT_EQ(CheckedRadio(dialog), 0);
        EXPECT_EQ(EnabledRadios(dialog), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(dialog->Label5->Caption(), "[0..16777214]");
    }
};

TEST_F(RouteRedistribution, SelectingARowChecksItsTypeAndOffersWhatItsProtocolsAllow) {
    TRouteRedistributForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Route Redistribution Table");
    EXPECT_EQ(Rows(dialog->ListView1), (std::vector<std::string>{"ospf|rip|internal|3|active",
                                                                 "static|ospf|type-2|20|active",
                                                                 "local|rip|all|1|active"}));
    struct Case {
        int Row;
        const char* Range;
        int Checked;
        std::vector<int> Enabled;
    };
    const Case cases[] = {
        {0, "[0..16]", 5, {1, 2, 5, 6, 7, 8, 9, 10}},
        {1, "[0..16777214]", 4, {3, 4}},
        {2, "[0..16]", 2, {2}},
    };
    for (const Case& c : cases) {
        SelectRow(dialog->ListView1, c.Row);
        EXPECT_EQ(dialog->Label5->Caption(), c.Range) << c.Row;
        EXPECT_EQ(CheckedRadio(dialog), c.Checked) << c.Row;
        EXPECT_EQ(EnabledRadios(dialog), c.Enabled) << c.Row;
        EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    }
    // Choosing a destination follows the rule; a type it does not take is
    // no longer chosen.
    Choose(dialog->ComboBox2, "ospf");
    EXPECT_EQ(dialog->Label5->Caption(), "[0..16777214]");
    EXPECT_EQ(EnabledRadios(dialog), (std::vector<int>{3, 4}));
    EXPECT_EQ(CheckedRadio(dialog), 0);
    EXPECT_EQ(dialog->ComboBox3->ItemIndex(), -1);
    // "other" leaves the type box without an entry.
    dialog->RadioButtons[0]->SetChecked(true);
    EXPECT_EQ(dialog->ComboBox3->ItemIndex(), -1);
    dialog->RadioButtons[3]->SetChecked(true);
    EXPECT_EQ(dialog->ComboBox3->Text(), "type-2");
}

TEST_F(RouteRedistribution, SetChecksTheMetricAgainstTheDestination) {
    TRouteRedistributForm* dialog = Open();
    struct Case {
        int Row;
        const char* Metric;
        std::vector<std::string> Sent;
        const char* Refusal;  // null: no message box
    };
    const Case cases[] = {
        {0, "16", {"3.3.2 integer 5", "4.3.2 integer 16", "5.3.2 integer 1"}, nullptr},
        {0, "17", {}, "Metric out of Bound [0..16]"},
        {0, "", {}, nullptr},
        {1, "16777214", {"3.4.3 integer 4", "4.4.3 integer 16777214", "5.4.3 integer 1"}, nullptr},
    };
    for (const Case& c : cases) {
        SelectRow(dialog->ListView1, c.Row);
        dialog->Edit1->SetText(c.Metric);
        MessageBoxRecorder boxes;
        Press(dialog, dialog->EditBtn);
        EXPECT_EQ(Written(Entry), c.Sent) << c.Metric;
        ASSERT_EQ(boxes.Count(), c.Refusal ? 1u : 0u) << c.Metric;
        if (c.Refusal) {
            EXPECT_EQ(boxes.Last().Text, c.Refusal);
        }
        if (c.Sent.empty()) {
            EXPECT_EQ(dialog->ActiveControl(), dialog->Edit1) << c.Metric;
        }
    }
}

TEST_F(RouteRedistribution, SetWritesTheRowsStatusNeverTheCreateAndGoOrDestroyLeftByAddOrDelete) {
    TRouteRedistributForm* dialog = Open();
    // Add rip into ospf, type-1, metric 5.
    Choose(dialog->ComboBox1, "rip");
    Choose(dialog->ComboBox2, "ospf");
    dialog->RadioButtons[2]->SetChecked(true);
    dialog->Edit1->SetText("5");
    Press(dialog, dialog->AddBtn);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.2.3 integer 3", "4.2.3 integer 5", "5.2.3 integer 4"}));
    SelectRow(dialog->ListView1, 0);
    ASSERT_EQ(Rows(dialog->ListView1)[0], "rip|ospf|type-1|5|active");
    dialog->Edit1->SetText("6");
    Press(dialog, dialog->EditBtn);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.2.3 integer 3", "4.2.3 integer 6", "5.2.3 integer 1"}));

    SelectRow(dialog->ListView1, 3);  // local into rip
    ASSERT_EQ(Rows(dialog->ListView1)[3], "local|rip|all|1|active");
    Press(dialog, dialog->DeleteBtn);
    EXPECT_EQ(Written(Entry).back(), "5.5.2 integer 6");
    ASSERT_EQ(Rows(dialog->ListView1).size(), 3u);
    // No row is selected: Set sends nothing.
    MessageBoxRecorder boxes;
    Press(dialog, dialog->EditBtn);
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(Rows(dialog->ListView1).size(), 3u);
}

// Delete and Set write the row selected, whatever pair the protocol boxes
// were turned to: another pair is Add's. Set puts the row's pair back, and
// its type where the other pair left none the row takes; the metric typed
// goes.
TEST_F(RouteRedistribution, DeleteAndSetActOnTheSelectedRow) {
    OpenHostOn();
    FromMenu<TRouteRedistributForm>("RouteRedistributionTable1Click", [&](TRouteRedistributForm& dialog) {
        SelectRow(dialog.ListView1, 1);  // static into ospf, type-2, metric 20
        Choose(dialog.ComboBox1, "rip");
        dialog.Edit1->SetText("30");
        Press(&dialog, dialog.EditBtn);
        EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.4.3 integer 4", "4.4.3 integer 30", "5.4.3 integer 1"}));
        EXPECT_EQ(Rows(dialog.ListView1), (std::vector<std::string>{"ospf|rip|internal|3|active",
                                                                    "static|ospf|type-2|30|active",
                                                                    "local|rip|all|1|active"}));
        ExpectNoRowShown(&dialog);

        struct Case {
            const char* what;
            std::function<void()> turn;  // the protocol boxes of local into rip, type all
            std::vector<std::string> written;
        };
        const Case cases[] = {
            {"into ospf, which unchecks all", [&] { Choose(dialog.ComboBox2, "ospf"); },
             {"3.5.2 integer 2", "4.5.2 integer 1", "5.5.2 integer 1"}},
            {"into ospf, then type-1, which local into rip does not take",
             [&] {
                 Choose(dialog.ComboBox2, "ospf");
                 dialog.RadioButtons[2]->SetChecked(true);
             },
             {"3.5.2 integer 2", "4.5.2 integer 1", "5.5.2 integer 1"}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            SelectRow(dialog.ListView1, 2);
            ASSERT_EQ(Rows(dialog.ListView1)[2], "local|rip|all|1|active");
            c.turn();
            Press(&dialog, dialog.EditBtn);
            EXPECT_EQ(Written(Entry), c.written);
            EXPECT_NE(LastLine(dialog.Memo1).find("Ok!"), std::string::npos) << LastLine(dialog.Memo1);
        }

        SelectRow(dialog.ListView1, 0);  // ospf into rip, internal, metric 3
        Choose(dialog.ComboBox1, "local");
        dialog.Edit1->SetText("9");
        Press(&dialog, dialog.DeleteBtn);
        EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.3.2 integer 5", "4.3.2 integer 3", "5.3.2 integer 6"}));
        EXPECT_EQ(Rows(dialog.ListView1), (std::vector<std::string>{"static|ospf|type-2|30|active",
                                                                    "local|rip|all|1|active"}));
        // The row deleted is gone from the fields too.
        ExpectNoRowShown(&dialog);
    });
}

// A Refresh leaves no row selected: the fields show none. A refused Delete
// leaves the row selected: the fields show it whole.
TEST_F(RouteRedistribution, AfterARefreshNoRowIsShownAfterARefusedDeleteTheSelectedOne) {
    OpenHostOn();
    FromMenu<TRouteRedistributForm>("RouteRedistributionTable1Click", [&](TRouteRedistributForm& dialog) {
        SelectRow(dialog.ListView1, 0);  // ospf into rip, internal, metric 3
        Press(&dialog, dialog.RefreshBtn);
        EXPECT_EQ(Rows(dialog.ListView1).size(), 3u);
        ExpectNoRowShown(&dialog);

        SelectRow(dialog.ListView1, 0);
        Choose(dialog.ComboBox2, "ospf");
        Stack->Control("fail-next-set genErr");
        Press(&dialog, dialog.DeleteBtn);
        EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.3.2 integer 5", "4.3.2 integer 3", "5.3.2 integer 6"}));
        ASSERT_NE(dialog.ListView1->Selected(), nullptr);
        EXPECT_EQ(dialog.ComboBox1->Text(), "ospf");
        EXPECT_EQ(dialog.ComboBox2->Text(), "rip");
        EXPECT_EQ(dialog.Edit1->Text(), "3");
        EXPECT_EQ(CheckedRadio(&dialog), 5);
        EXPECT_EQ(EnabledRadios(&dialog), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10}));
    });
}

// Into ospf only type-1 and type-2 go: a type chosen before the pair changed
// is unchecked with it, and one that is still chosen is refused.
TEST_F(RouteRedistribution, AddSendsNoTypeThePairDoesNotTake) {
    OpenHostOn();
    FromMenu<TRouteRedistributForm>("RouteRedistributionTable1Click", [&](TRouteRedistributForm& dialog) {
        Choose(dialog.ComboBox1, "rip");
        Choose(dialog.ComboBox2, "rip");
        dialog.RadioButtons[1]->SetChecked(true);  // "all"
        dialog.Edit1->SetText("1");
        Choose(dialog.ComboBox2, "ospf");
        EXPECT_EQ(CheckedRadio(&dialog), 0);
        MessageBoxRecorder boxes;
        Press(&dialog, dialog.AddBtn);
        EXPECT_TRUE(Stack->TraceLines().empty());
        EXPECT_EQ(LastLine(dialog.Memo1), "Choose a route type: nothing was sent.");

        dialog.ComboBox3->SetItemIndex(0);  // "all" in the type box all the same
        Press(&dialog, dialog.AddBtn);
        EXPECT_TRUE(Stack->TraceLines().empty());
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, "Route type \"all\" cannot be redistributed from rip into ospf.");

        dialog.RadioButtons[3]->SetChecked(true);  // type-2
        Press(&dialog, dialog.AddBtn);
        EXPECT_EQ(Written(Entry), (std::vector<std::string>{"3.2.3 integer 4", "4.2.3 integer 1", "5.2.3 integer 4"}));
    });
}

TEST_F(RouteRedistribution, WithTypeOtherOrNoProtocolSetAndAddSendNothingAndSaySo) {
    TRouteRedistributForm* dialog = Open();
    // Typed into a freshly opened editor: a type and metric but no protocols.
    dialog->RadioButtons[1]->SetChecked(true);
    dialog->Edit1->SetText("1");
    struct Case {
        std::function<void()> prepare;
        const char* said;
        std::vector<TBitBtn*> buttons;  // Set needs a selected row, which has both protocols
    };
    const Case cases[] = {
        {[] {}, "protocols", {dialog->AddBtn}},
        {[&] {
             SelectRow(dialog->ListView1, 0);
             dialog->RadioButtons[0]->SetChecked(true);  // "other"
         },
         "other", {dialog->EditBtn, dialog->AddBtn}},
    };
    for (const auto& [prepare, said, buttons] : cases) {
        prepare();
        for (TBitBtn* button : buttons) {
            const size_t lines = Lines(dialog->Memo1).size();
            Press(dialog, button);
            EXPECT_TRUE(Stack->TraceLines().empty()) << button->Name();
            ASSERT_EQ(Lines(dialog->Memo1).size(), lines + 1) << button->Name();
            EXPECT_NE(LastLine(dialog->Memo1).find(said), std::string::npos) << LastLine(dialog->Memo1);
        }
    }
}

}  // namespace
