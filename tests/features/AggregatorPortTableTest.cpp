// The LACP port table viewer against the simulated stack: the state octets
// as ticked bit captions, and Refresh, which stays disabled until its walk
// has ended, also when the agent stays silent.

#include <gtest/gtest.h>

#include "features/AggregatorPortTableForm.h"
#include "framework/VxSNMPSession.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Ports 1 and 2 of unit 1: port 1 in aggregator 1 (oper states 0x3D), port
// 2 individual (actor states 0x80).
const char* const LacpStack = R"({
  "units": [{"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"}],
  "tables": [
    {"entry": "1.3.6.1.4.1.171.12.4.1.2.1.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "integer"}, {"id": 3, "type": "string", "size": [6, 6]},
                 {"id": 4, "type": "integer"}, {"id": 5, "type": "integer"}, {"id": 6, "type": "integer"},
                 {"id": 7, "type": "integer"}, {"id": 8, "type": "string", "size": [6, 6]},
                 {"id": 9, "type": "string", "size": [6, 6]}, {"id": 10, "type": "integer"},
                 {"id": 11, "type": "integer"}, {"id": 12, "type": "integer"}, {"id": 13, "type": "integer"},
                 {"id": 14, "type": "integer"}, {"id": 15, "type": "integer"}, {"id": 16, "type": "integer"},
                 {"id": 17, "type": "integer"}, {"id": 18, "type": "integer"}, {"id": 19, "type": "integer"},
                 {"id": 20, "type": "string"}, {"id": 21, "type": "string"}, {"id": 22, "type": "string"},
                 {"id": 23, "type": "string"}, {"id": 24, "type": "integer"}],
     "rows": [
       {"values": {"1": 1, "2": 32768, "3": {"hex": "02 4b 58 00 01 00"}, "4": 1, "5": 1, "6": 0, "7": 32768,
                   "8": {"hex": "00 00 00 00 00 00"}, "9": {"hex": "02 4b 58 00 40 00"}, "10": 0, "11": 1,
                   "12": 1, "13": 1, "14": 1, "15": 128, "16": 0, "17": 1, "18": 0, "19": 128,
                   "20": {"hex": "80"}, "21": {"hex": "3d"}, "22": {"hex": "00"}, "23": {"hex": "3d"}, "24": 1}},
       {"values": {"1": 2, "2": 32768, "3": {"hex": "02 4b 58 00 01 00"}, "4": 2, "5": 2, "6": 0, "7": 0,
                   "8": {"hex": "00 00 00 00 00 00"}, "9": {"hex": "00 00 00 00 00 00"}, "10": 0, "11": 0,
                   "12": 2, "13": 0, "14": 2, "15": 128, "16": 0, "17": 0, "18": 0, "19": 0,
                   "20": {"hex": "80"}, "21": {"hex": "80"}, "22": {"hex": "00"}, "23": {"hex": "02"}, "24": 2}}]}
  ]
})";

class AggregatorPortTable : public DialogFixture {
protected:
    TAggregatorPortTableForm* Open() {
        OpenHostOn(LacpStack);
        return OpenDialog<TAggregatorPortTableForm>();
    }
    // The captions of the ticked boxes of each page, joined by blanks.
    static std::vector<std::string> TickedCaptions(TAggregatorPortTableForm* d) {
        std::vector<std::string> pages;
        for (int page = 0; page < 4; ++page) {
            std::string ticked;
            for (int bit = 0; bit < 8; ++bit) {
                TCheckBox* box = d->StateBox(page * 8 + bit);
                if (box->Checked()) ticked += (ticked.empty() ? "" : " ") + box->Caption();
            }
            pages.push_back(ticked);
        }
        return pages;
    }
};

TEST_F(AggregatorPortTable, StateOctetsTickTheCaptionsOfTheirBits) {
    TAggregatorPortTableForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Aggregator Port Table");
    EXPECT_EQ(dialog->ListView1->Columns()->Count(), 24);
    EXPECT_EQ(dialog->StaticText1->Caption(), "2");
    EXPECT_TRUE(dialog->GetBtn->Enabled());
    const std::string oper = "aggregation synchronisation collecting distributing expired";
    struct Case { int row; std::vector<std::string> pages; };
    for (const Case& c : {Case{0, {"lacpActivity", oper, "", oper}}, Case{1, {"lacpActivity", "lacpActivity", "", "defaulted"}}}) {
        SCOPED_TRACE(c.row);
        SelectRow(dialog->ListView1, c.row);
        EXPECT_EQ(TickedCaptions(dialog), c.pages);
    }
}

TEST_F(AggregatorPortTable, RefreshUnticksEveryBoxAndStaysDisabledUntilTheWalkEndsEvenByTimeOut) {
    TAggregatorPortTableForm* dialog = Open();
    SelectRow(dialog->ListView1, 0);
    SessionParameters.Timeout = 50;
    Stack->Control("silent on");
    dialog->GetBtn->Click();
    EXPECT_FALSE(dialog->GetBtn->Enabled());
    EXPECT_EQ(TickedCaptions(dialog), (std::vector<std::string>{"", "", "", ""}));
    const int lines = dialog->Memo1->Lines()->Count();
    WaitIdle(dialog);
    EXPECT_TRUE(dialog->GetBtn->Enabled());
    EXPECT_EQ(dialog->Memo1->Lines()->Count(), lines + 1);

    Stack->Control("silent off");
    dialog->GetBtn->Click();
    EXPECT_FALSE(dialog->GetBtn->Enabled());
    WaitIdle(dialog);
    EXPECT_TRUE(dialog->GetBtn->Enabled());
    EXPECT_EQ(dialog->StaticText1->Caption(), "2");
}

}  // namespace
