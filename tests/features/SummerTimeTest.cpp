// The daylight saving time editor: its time strings and combo positions,
// and the dialog against the simulated stack, checked in the set trace.

#include <gtest/gtest.h>

#include <QTimer>

#include "features/SummerTimeConfigForm.h"
#include "framework/VxSNMPSession.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/DialogFixture.h"

namespace {

using namespace SummerTime;

// ---------------------------------------------------------------- the time strings

TEST(SummerTimeStrings, AnnualDatesAndTheirText) {
    EXPECT_EQ(AnnualText({30, 11, 23, 59}), "1F0C173B");  // 31 December 23:59
    EXPECT_EQ(AnnualFromText("1F0C173B"), (AnnualPositions{30, 11, 23, 59}));
    EXPECT_EQ(AnnualFromText("1f0c173b"), (AnnualPositions{30, 11, 23, 59}));
    EXPECT_EQ(AnnualFromText("01010000"), (AnnualPositions{0, 0, 0, 0}));
}

TEST(SummerTimeStrings, RepeatingRulesAndTheirText) {
    struct Case {
        const char* Text;
        Edge Side;
        RepeatingPositions Positions;
    };
    // Last Sunday of March, 02:00, and other rules; "last" is 00 in a start
    // and FF in an end.
    const Case cases[] = {
        {"000001030200", Edge::Start, {LastWeek, 0, 2, 2, 0}},
        {"ff0001030200", Edge::End, {LastWeek, 0, 2, 2, 0}},
        {"020002041E3B", Edge::Start, {1, 1, 3, 30, 59}},
        {"0100070C1700", Edge::End, {0, 6, 11, 23, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(RepeatingText(c.Positions, c.Side), c.Text);
        EXPECT_EQ(RepeatingFromText(c.Text, c.Side), c.Positions);
    }
    // Read back: an end's week 00 and a start's week FF select nothing.
    EXPECT_EQ(RepeatingFromText("FF0001030200", Edge::End)[0], LastWeek);
    EXPECT_EQ(RepeatingFromText("000001030200", Edge::End)[0], -1);
    EXPECT_EQ(RepeatingFromText("ff0001030200", Edge::Start)[0], 254);
}

TEST(SummerTimeStrings, APairThatIsNoHexNumberIsAConversionError) {
    EXPECT_EQ(HexPairToInt("fF"), 255);
    EXPECT_EQ(HexPairToInt("1a"), 26);
    for (const char* bad : {"0g", " 1", "", "7"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(HexPairToInt(bad), EConvertError);
    }
    EXPECT_THROW(AnnualFromText("1F0C17"), EConvertError);
    EXPECT_THROW(RepeatingFromText("00000103020Z", Edge::Start), EConvertError);
}

// ---------------------------------------------------------------- the dialog

constexpr const char* State = "1.3.6.1.4.1.171.12.10.12.1.0";
constexpr const char* Offset = "1.3.6.1.4.1.171.12.10.12.2.0";

class SummerTimeDialog : public DialogFixture {
protected:
    TSummerTimeConfigForm* Open() {
        OpenHostOn();
        return OpenDialog<TSummerTimeConfigForm>();
    }
    static std::vector<std::string> Texts(std::initializer_list<TComboBox*> combos) {
        std::vector<std::string> texts;
        for (TComboBox* combo : combos) texts.push_back(combo->Text());
        return texts;
    }
    // The trace as "OID value" with string values in hex.
    std::vector<std::string> Written() {
        std::vector<std::string> lines;
        for (const std::string& line : Stack->TraceLines()) {
            if (line.find(" string ") == std::string::npos) {
                lines.push_back(line);
                continue;
            }
            std::string hex;
            for (unsigned char c : TracedOctets(line)) {
                char two[3];
                std::snprintf(two, sizeof two, "%02X", c);
                hex += two;
            }
            lines.push_back(line.substr(0, line.find(' ')) + " " + hex);
        }
        return lines;
    }
    static bool ShownAndEnabled(TControl* control) { return control->Visible() && control->Enabled(); }
};

TEST_F(SummerTimeDialog, OpensOnTheRepeatingRuleOfTheSwitch) {
    TSummerTimeConfigForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Summer Time Configuration ");
    EXPECT_EQ(dialog->ComboBox1->Text(), "repeating");
    EXPECT_EQ(dialog->OffSetTimeComboBox->Text(), "60");
    EXPECT_EQ(Texts({dialog->WeekComboBoxR, dialog->SWeekComboBox, dialog->MonthComboBoxR, dialog->HourComboBoxR,
                     dialog->MiniuteComboBoxR}),
              (std::vector<std::string>{"Last", "Sunday", "3", "2", "0"}));
    EXPECT_EQ(Texts({dialog->EWeekComboBoxR, dialog->EWeekComboBox, dialog->EMonthComboBoxR, dialog->EHourComboBoxR,
                     dialog->EMiniuteComboBoxR}),
              (std::vector<std::string>{"Last", "Sunday", "10", "3", "0"}));
    EXPECT_TRUE(ShownAndEnabled(dialog->SWeekComboBox));
    EXPECT_TRUE(dialog->Label11->Visible());
    EXPECT_FALSE(dialog->DayComboBox->Visible());
    // Only the repeating strings were read.
    EXPECT_EQ(dialog->AnualTimeStartEdit->Text(), "");
}

TEST_F(SummerTimeDialog, EachStateShowsItsGroup) {
    TSummerTimeConfigForm* dialog = Open();
    Choose(dialog->ComboBox1, "annual");
    EXPECT_TRUE(ShownAndEnabled(dialog->DayComboBox));
    EXPECT_TRUE(ShownAndEnabled(dialog->EMiniuteComboBox));
    EXPECT_FALSE(dialog->WeekComboBoxR->Visible());
    EXPECT_FALSE(dialog->Label12->Visible());
    Choose(dialog->ComboBox1, "repeating");
    EXPECT_TRUE(ShownAndEnabled(dialog->EWeekComboBox));
    EXPECT_FALSE(dialog->EDayComboBox->Visible());
    // "disable" keeps what is shown, all of it disabled.
    Choose(dialog->ComboBox1, "disable");
    EXPECT_TRUE(dialog->EWeekComboBox->Visible());
    EXPECT_FALSE(dialog->EWeekComboBox->Enabled());
    EXPECT_FALSE(dialog->DayComboBox->Enabled());
}

TEST_F(SummerTimeDialog, SetWritesStateAndOffsetThenTheRepeatingRule) {
    TSummerTimeConfigForm* dialog = Open();
    Choose(dialog->OffSetTimeComboBox, "90");
    Choose(dialog->WeekComboBoxR, "Second");
    Choose(dialog->SWeekComboBox, "Monday");
    Choose(dialog->MonthComboBoxR, "4");
    Choose(dialog->HourComboBoxR, "1");
    Choose(dialog->MiniuteComboBoxR, "30");
    Choose(dialog->EHourComboBoxR, "23");
    Press(dialog, dialog->SetBtn);
    EXPECT_EQ(Written(), (std::vector<std::string>{std::string(State) + " integer 1", std::string(Offset) + " integer 90",
                                                  "1.3.6.1.4.1.171.12.10.12.3.0 02000204011E",
                                                  "1.3.6.1.4.1.171.12.10.12.4.0 FF00010A1700"}));
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Set: (VxSNMP++) Ok!", 0), 0u);
}

// The switch goes annual; opened again, the dialog reads and shows the dates.
TEST_F(SummerTimeDialog, SetInAnnualWritesTheDatesAndTheDialogShowsThemWhenOpenedAgain) {
    TSummerTimeConfigForm* dialog = Open();
    Choose(dialog->ComboBox1, "annual");
    const std::pair<TComboBox*, const char*> fields[] = {
        {dialog->DayComboBox, "31"},  {dialog->MonthComboBox, "12"},  {dialog->HourComboBox, "23"},
        {dialog->MiniuteComboBox, "59"}, {dialog->EDayComboBox, "1"}, {dialog->EMonthComboBox, "2"},
        {dialog->EHourComboBox, "0"},  {dialog->EMiniuteComboBox, "5"},
    };
    std::vector<std::pair<std::string, std::string>> fieldNames;
    for (const auto& [combo, text] : fields) {
        Choose(combo, text);
        fieldNames.emplace_back(combo->Name(), text);
    }
    Press(dialog, dialog->SetBtn);
    EXPECT_EQ(Written(), (std::vector<std::string>{std::string(State) + " integer 2", std::string(Offset) + " integer 60",
                                                  "1.3.6.1.4.1.171.12.10.12.5.0 1F0C173B",
                                                  "1.3.6.1.4.1.171.12.10.12.6.0 01020005"}));
    CloseAndDelete(dialog);

    dialog = OpenDialog<TSummerTimeConfigForm>();
    EXPECT_EQ(dialog->ComboBox1->Text(), "annual");
    EXPECT_EQ(dialog->AnualTimeStartEdit->Text(), "1F0C173B");
    for (const auto& [name, text] : fieldNames) {
        auto* combo = FindChild<TComboBox>(dialog, name);
        EXPECT_EQ(combo->Text(), text) << name;
        EXPECT_TRUE(ShownAndEnabled(combo)) << name;
    }
    EXPECT_FALSE(dialog->WeekComboBoxR->Visible());
    EXPECT_EQ(dialog->Edit2->Text(), "");  // the repeating strings were not read
}

// The switch refuses the state and offset: the memo says so once, and the
// times that belong to the state are not sent.
TEST_F(SummerTimeDialog, ARefusedStateSendsNoTimes) {
    OpenHostOn();
    FromMenu<TSummerTimeConfigForm>("SummerTime1Click", [&](TSummerTimeConfigForm& dialog) {
        for (const char* state : {"repeating", "annual"}) {
            SCOPED_TRACE(state);
            Choose(dialog.ComboBox1, state);
            for (TComboBox* combo : {dialog.DayComboBox, dialog.MonthComboBox, dialog.HourComboBox,
                                     dialog.MiniuteComboBox, dialog.EDayComboBox, dialog.EMonthComboBox,
                                     dialog.EHourComboBox, dialog.EMiniuteComboBox})
                if (combo->ItemIndex() < 0) Choose(combo, "1");
            Stack->Control("fail-next-set wrongValue");
            const size_t before = Lines(dialog.Memo1).size();
            MessageBoxRecorder boxes;
            Press(&dialog, dialog.SetBtn);
            EXPECT_EQ(Written().size(), 2u) << "state and offset only";
            const std::vector<std::string> lines = Lines(dialog.Memo1);
            ASSERT_EQ(lines.size(), before + 1);
            EXPECT_EQ(lines.back().rfind("Set: (SNMP) Cannot modify variable: Bad Value!", 0), 0u) << lines.back();
            EXPECT_EQ(boxes.Count(), 0u);
        }
    });
}

// Nothing goes while a choice is missing: no offset 0, no state read as
// "disable", no empty or half-made time string.
TEST_F(SummerTimeDialog, SetWithAChoiceMissingSaysSoAndSendsNothing) {
    struct Case {
        const char* Name;
        std::function<TComboBox*(TSummerTimeConfigForm*)> Empty;
        const char* Message;
    };
    const Case cases[] = {
        {"offset", [](TSummerTimeConfigForm* d) { return d->OffSetTimeComboBox; }, "Choose the offset first."},
        {"state", [](TSummerTimeConfigForm* d) { return d->ComboBox1; }, "Choose the state first."},
        {"repeating month", [](TSummerTimeConfigForm* d) { return d->EMonthComboBoxR; },
         "Choose every field of the start and end time first."},
    };
    TSummerTimeConfigForm* dialog = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Press(dialog, dialog->GetBtn);
        Choose(dialog->OffSetTimeComboBox, "60");
        c.Empty(dialog)->SetItemIndex(-1);
        MessageBoxRecorder boxes;
        Press(dialog, dialog->SetBtn);
        EXPECT_TRUE(Stack->TraceLines().empty());
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.Message);
    }
    // The empty eighth day of the week is no choice either.
    dialog->SWeekComboBox->SetItemIndex(7);
    MessageBoxRecorder boxes;
    Press(dialog, dialog->SetBtn);
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(boxes.Count(), 1u);
    // Annual dates never read stay empty: the same.
    Choose(dialog->ComboBox1, "annual");
    Press(dialog, dialog->SetBtn);
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(boxes.Count(), 2u);
}

// A silent agent: the dialog opens on no state, says why, and Set never
// writes a state the switch would take as "disable".
TEST_F(SummerTimeDialog, OpensOnASilentAgentAndSetSendsNoState) {
    OpenHostOn();
    SessionParameters.Timeout = 50;
    Stack->Control("silent on");
    TSummerTimeConfigForm* dialog = OpenDialog<TSummerTimeConfigForm>();
    EXPECT_EQ(dialog->ComboBox1->ItemIndex(), -1);
    ASSERT_GT(dialog->Memo1->Lines()->Count(), 0);
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Get: ", 0), 0u);
    EXPECT_EQ(LastLine(dialog->Memo1).find("Ok!"), std::string::npos);
    Stack->Control("silent off");
    Choose(dialog->OffSetTimeComboBox, "30");
    MessageBoxRecorder boxes;
    Press(dialog, dialog->SetBtn);
    EXPECT_TRUE(Stack->TraceLines().empty());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Choose the state first.");
}

TEST_F(SummerTimeDialog, AnOffsetOutsideTheListKeepsThePreviousChoice) {
    TSummerTimeConfigForm* dialog = Open();
    dialog->Edit1->SetText("45");
    EXPECT_EQ(dialog->OffSetTimeComboBox->Text(), "60");
    dialog->Edit1->SetText("120");
    EXPECT_EQ(dialog->OffSetTimeComboBox->Text(), "120");
}

// A close while Refresh waits for the agent: the handler ends, nothing is
// touched after the controllers went.
TEST_F(SummerTimeDialog, ACloseWhileRefreshWaitsForASlowAgentEndsCleanly) {
    TSummerTimeConfigForm* dialog = Open();
    Stack->Control("delay 800");
    QTimer::singleShot(100, [&] { dialog->Close(); });
    dialog->GetBtn->Click();
    EXPECT_FALSE(dialog->Busy());
    EXPECT_EQ(dialog->StateEdits, nullptr);
    EXPECT_EQ(dialog->RepeatEdits, nullptr);
    CloseAndDelete(dialog);
}

}  // namespace
