// The two read-only views of MAC-based 802.1X counters against the
// simulated stack: each row's MAC address and port come from its instance,
// and a silent agent leaves the view usable.

#include <gtest/gtest.h>

#include "features/DiagnosticsInformationForm.h"
#include "features/MacStatisticTableForm.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

class MacAuthCounters : public DialogFixture {
protected:
    template <class T>
    T* Open() {
        OpenHostOn();
        return OpenDialog<T>();
    }
    // The first sub-items of each row: caption, port, first counter.
    static std::vector<std::string> Heads(const TListView* list) {
        std::vector<std::string> heads;
        for (const std::string& row : Rows(list)) {
            size_t end = 0;
            for (int bar = 0; bar < 3 && end != std::string::npos; ++bar) end = row.find('|', end + 1);
            heads.push_back(row.substr(0, end));
        }
        return heads;
    }
};

TEST_F(MacAuthCounters, EachViewShowsItsCountersWithTheMacAndPortOfTheInstance) {
    auto* diagnostics = Open<TDiagnosticsInformationForm>();
    EXPECT_EQ(diagnostics->Caption(), "Diagnostics Information Form");
    EXPECT_EQ(diagnostics->ListView1->Columns()->Count(), 20);
    EXPECT_EQ(Heads(diagnostics->ListView1),
              (std::vector<std::string>{"000C297E1102|24|1", "001B213A4F10|5|2"}));
    CloseAndDelete(diagnostics);

    auto* statistics = OpenDialog<TMacStatisticTableForm>();
    EXPECT_EQ(statistics->Caption(), "MACStatisticTableForm");
    EXPECT_EQ(statistics->ListView1->Columns()->Count(), 14);
    EXPECT_EQ(Heads(statistics->ListView1),
              (std::vector<std::string>{"000C297E1102|24|3", "001B213A4F10|5|1290"}));
    EXPECT_EQ(Rows(statistics->ListView1).back().substr(Rows(statistics->ListView1).back().rfind('|') + 1),
              "001B213A4F10");
}

TEST_F(MacAuthCounters, RefreshAgainstASilentAgentAddsTheTimeOutAndTheViewStaysUsable) {
    auto* dialog = Open<TMacStatisticTableForm>();
    const int lines = dialog->Memo1->Lines()->Count();
    Stack->Control("silent on");
    dialog->Button1->Click();
    EXPECT_GT(dialog->Memo1->Lines()->Count(), lines);
    EXPECT_NE(LastLine(dialog->Memo1).find("timed out"), std::string::npos) << LastLine(dialog->Memo1);
    Stack->Control("silent off");
    dialog->Button1->Click();
    EXPECT_EQ(Rows(dialog->ListView1).size(), 2u);
}

}  // namespace
