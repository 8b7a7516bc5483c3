#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/KestrixModels.h"
#include "dialogbase/StackTables.h"
#include "dialogbase/StackingPortUit.h"
#include "mibdefs/SystemMib.h"
#include "tests/panels/StatusWindowFixture.h"

namespace {

// A stack of four unit slots: a Kestrix with 50 ports, a Brovan configured
// but absent, a slot whose model says it is not configured, and a Tallix.
const char* const FourSlots = R"({"units": [
    {"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"},
    {"id": 2, "model": "Brovan-26", "status": "not-exist"},
    {"id": 3, "model": "usr-not-cfg"},
    {"id": 4, "model": "Tallix-24", "portRange": 24}
]})";

// Counts the reads of the unit table it is asked for.
class CountingReader : public VxSNMPRequest2Edits {
public:
    using VxSNMPRequest2Edits::VxSNMPRequest2Edits;
    void BeforeRefresh() override {
        ++Reads;
        VxSNMPRequest2Edits::BeforeRefresh();
    }
    int Reads = 0;
};

// The main window's unit table and an editor with two port areas.
class PortPicker : public StatusWindowFixture {
protected:
    void SetUp() override {
        StatusWindowFixture::SetUp();
        units = new TListView(window.get());
        units->SetParent(window.get());
        for (size_t i = 0; i < names.size(); ++i) names[i] = KestrixModelTexts[i];
        editor = std::make_unique<TForm>(nullptr);
        for (int i = 0; i < 2; ++i) {
            areas.push_back(new TPanel(editor.get()));
            areas.back()->SetParent(editor.get());
            areas.back()->SetBounds(0, 250 * i, 600, 240);
        }
    }
    void TearDown() override {
        editor.reset();
        reader.reset();
        StatusWindowFixture::TearDown();
    }
    void StartReader(const std::string& description) {
        StartAgent(description);
        reader = std::make_unique<CountingReader>(window.get());
        SetUpStackTableReader(*reader, SwUnitMgmtItems, units, Messages());
    }
    StackUnitTable Table() { return {units, reader.get(), names, Messages()}; }

    // Fills the unit table by hand: id, status, port range, model.
    void AddUnit(const std::string& id, const std::string& state, const std::string& range, const std::string& model) {
        TListItem* row = units->Items()->Add();
        row->SetCaption(id);
        for (const std::string& text : {state, std::string("00-00-00-00-00-00"), std::string("1"), range,
                                        std::string(), std::string("master"), std::string("1.00"), model})
            row->SubItems()->Add(text);
    }

    // Which boxes of a unit's page are shown, as "first-last" runs.
    static std::string ShownBoxes(TStackingPortUitForm* picker, int unit) {
        std::string runs;
        for (int k = (unit - 1) * 64; k < unit * 64; ++k) {
            const bool shown = picker->Box(k)->Visible();
            const bool before = k > (unit - 1) * 64 && picker->Box(k - 1)->Visible();
            if (shown && !before) runs += (runs.empty() ? "" : " ") + std::to_string(k);
            if (!shown && before) runs += "-" + std::to_string(k - 1);
        }
        if (picker->Box(unit * 64 - 1)->Visible()) runs += "-" + std::to_string(unit * 64 - 1);
        return runs;
    }
    static std::vector<std::string> ShownTabs(TStackingPortUitForm* picker) {
        std::vector<std::string> tabs;
        for (int i = 0; i < picker->TabSheets.Count(); ++i) {
            auto* sheet = picker->TabSheets.Item<TTabSheet>(i);
            if (sheet->TabVisible()) tabs.push_back(sheet->Caption());
        }
        return tabs;
    }

    TListView* units = nullptr;
    std::array<std::string, 9> names;
    std::unique_ptr<CountingReader> reader;
    std::unique_ptr<TForm> editor;
    std::vector<TWinControl*> areas;
};

TEST_F(PortPicker, ShowsThePresentUnitsWithTheirPortsAndTheConfiguredOnesByModel) {
    StartReader(FourSlots);
    const auto pickers = SetupStackPortPickers(editor.get(), areas, Table());
    EXPECT_EQ(reader->Reads, 1);  // the empty table was read once
    ASSERT_EQ(pickers.size(), 2u);
    for (size_t i = 0; i < pickers.size(); ++i) {
        TStackingPortUitForm* picker = pickers[i];
        EXPECT_EQ(picker->Owner(), editor.get());
        EXPECT_EQ(picker->Parent(), areas[i]);
        EXPECT_EQ(picker->Align(), alClient);
        EXPECT_TRUE(picker->Visible());
        ASSERT_EQ(picker->CheckBoxes.Count(), 768);
        ASSERT_EQ(picker->TabSheets.Count(), 12);
        EXPECT_EQ(ShownTabs(picker), (std::vector<std::string>{"Unit1 Kestrix-50", "Unit2 Brovan-26", "Unit4 Tallix-24"}));
        EXPECT_EQ(ShownBoxes(picker, 1), "0-49");
        EXPECT_EQ(ShownBoxes(picker, 2), "64-89");
        EXPECT_EQ(ShownBoxes(picker, 3), "");
        EXPECT_EQ(ShownBoxes(picker, 4), "192-215");
        // Port 5 of unit 4 is box (and bit) 196, captioned "5", on unit 4's page.
        TCheckBox* box = picker->Box(196);
        EXPECT_EQ(box->Caption(), "5");
        EXPECT_EQ(box->Parent()->Parent(), picker->TabSheets.Item<TTabSheet>(3));
        EXPECT_EQ(picker->Boxes()[196], box);
    }
    // Twelve boxes to a row: box 13 of a page begins the second row.
    TCheckBox* first = pickers[0]->Box(0);
    TCheckBox* thirteenth = pickers[0]->Box(12);
    const int fontSize = first->Font()->Size();
    EXPECT_EQ(first->Left(), 20);
    EXPECT_EQ(first->Top(), 4);
    EXPECT_EQ(first->Width(), 4 * fontSize);
    EXPECT_EQ(pickers[0]->Box(11)->Left(), fontSize * 11 * 5 + 20);
    EXPECT_EQ(thirteenth->Left(), 20);
    EXPECT_EQ(thirteenth->Top(), first->Height() + 4);
    EXPECT_EQ(thirteenth->Width(), 5 * fontSize);
}

TEST_F(PortPicker, WithDeviceInfoIniTheBoxesStandTenToARow) {
    TempDir dir("kx-picker");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    std::ofstream("DeviceInfo.ini") << "";
    TStackingPortUitForm picker(nullptr);
    picker.AddUnitPage("Unit1", 64, 12);
    std::filesystem::current_path(before);
    EXPECT_EQ(picker.Box(10)->Left(), 20);
    EXPECT_EQ(picker.Box(10)->Top(), picker.Box(0)->Height() + 4);
    EXPECT_EQ(picker.Box(9)->Left(), picker.Box(0)->Font()->Size() * 9 * 5 + 20);
    EXPECT_FALSE(picker.TabSheets.Item<TTabSheet>(0)->TabVisible());
}

TEST_F(PortPicker, UnitRowsOutsideTheStackAreLeftOutWithAMessage) {
    struct Case {
        const char* Id;
        const char* State;
        const char* Range;
        const char* Message;  // empty: shown
    };
    const Case cases[] = {
        {"13", "exist", "50", "Unit id \"13\" from the agent is not 1 to 12: that unit is left out."},
        {"0", "exist", "50", "Unit id \"0\" from the agent is not 1 to 12: that unit is left out."},
        {"-1", "not-exist", "50", "Unit id \"-1\" from the agent is not 1 to 12: that unit is left out."},
        {"x", "exist", "50", "Unit id \"x\" from the agent is not 1 to 12: that unit is left out."},
        {"2", "exist", "70",
         "Port range \"70\" of unit 2 from the agent is not 1 to 64: that unit is left out."},
        {"5", "exist", "0", "Port range \"0\" of unit 5 from the agent is not 1 to 64: that unit is left out."},
        {"3", "exist", "64", ""},
        {"12", "not-exist", "99", ""},  // absent: the model gives the count
    };
    for (const Case& c : cases) {
        units->Items()->Clear();
        Messages()->SetText("");
        AddUnit(c.Id, c.State, c.Range, "Kestrix-50");
        TStackingPortUitForm* picker = SetupStackPortPickers(editor.get(), {areas[0]}, Table())[0];
        EXPECT_EQ(Messages()->Text(), c.Message) << c.Id;
        EXPECT_EQ(ShownTabs(picker).size(), *c.Message ? 0u : 1u) << c.Id;
        delete picker;
    }
}

TEST_F(PortPicker, AReadOfTheUnitTableThatIsRunningIsAwaitedNotStartedAgain) {
    StartReader(FourSlots);
    Stack->Control("delay 300");
    reader->Refresh();
    ASSERT_TRUE(reader->IsBusy());
    const auto pickers = SetupStackPortPickers(editor.get(), areas, Table());
    EXPECT_EQ(reader->Reads, 1);
    EXPECT_EQ(ShownTabs(pickers[1]).size(), 3u);
}

TEST_F(PortPicker, ASilentAgentLeavesEveryPageHidden) {
    StartReader(FourSlots);
    Stack->Control("silent on");
    reader->Request.Timeout = 20;
    const auto pickers = SetupStackPortPickers(editor.get(), areas, Table());
    EXPECT_EQ(reader->Reads, 1);  // waited for once: a table still empty is not read again
    EXPECT_TRUE(ShownTabs(pickers[0]).empty());
    EXPECT_NE(Messages()->Text().find("Get: "), std::string::npos) << Messages()->Text();
}

}  // namespace
