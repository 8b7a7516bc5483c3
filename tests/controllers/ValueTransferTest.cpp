#include <gtest/gtest.h>

#include <memory>

#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Vcl.h"
#include "tests/support/ExceptionCodes.h"

namespace {

const VxIntPair States[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList StateNames(States);

const SnmpVarItem Items[] = {
    {"1.3.6.1.4.1.99.1", "Ports", sxOctetStr, acReadWrite},        // 0
    {"1.3.6.1.4.1.99.2", "Address", sxIpAddress, acReadWrite},     // 1
    {"1.3.6.1.4.1.99.3", "Ticks", sxTimeTicks, acReadWrite},       // 2
    {"1.3.6.1.4.1.99.4", "Mac", sxMacAddress, acReadWrite},        // 3
    {"1.3.6.1.4.1.99.5", "State", sxInteger, acReadWrite, &StateNames},  // 4
    {"1.3.6.1.4.1.99.6", "Flag", sxBoolean, acReadWrite},          // 5
    {"1.3.6.1.4.1.99.7", "Name", sxDisplayStr, acReadWrite},       // 6
    {"1.3.6.1.4.1.99.8", "Number", sxInteger, acReadOnly},         // 7
    {nullptr, nullptr, 0, 0}};

class Transfer : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        controller = std::make_unique<VxSNMPRequest2Edits>(form.get());
        controller->Request.VarList = VxSNMPVarList(Items, SVT_SV, 0);
    }
    void TearDown() override {
        controller.reset();
        form.reset();
    }
    template <class T>
    std::vector<T*> Make(int n) {
        std::vector<T*> controls;
        for (int i = 0; i < n; ++i) {
            auto* c = new T(form.get());
            c->SetParent(form.get());
            controls.push_back(c);
        }
        return controls;
    }
    template <class T>
    static std::vector<TControl*> AsControls(const std::vector<T*>& v) {
        return std::vector<TControl*>(v.begin(), v.end());
    }
    std::string& Value(int i) { return controller->Request.VarList.GetItem(i)->Value; }
    static std::vector<std::string> Texts(const std::vector<TEdit*>& edits) {
        std::vector<std::string> t;
        for (auto* e : edits) t.push_back(e->Text());
        return t;
    }

    std::unique_ptr<TForm> form;
    std::unique_ptr<VxSNMPRequest2Edits> controller;
};

std::string AllPositions(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += (i ? "," : "") + std::to_string(i);
    return text;
}

TEST_F(Transfer, PortListOf768BoxesAgainst96Octets) {
    const auto boxes = Make<TCheckBox>(768);
    controller->BindValueListCtrls(0, AllPositions(768), AsControls(boxes));

    Value(0) = "80" + std::string(2 * 95, '0') + "AABB";  // 96 octets and two more
    Value(0)[2] = '8';                                    // octet 1: 0x80
    controller->ValuesToControls(0);
    EXPECT_TRUE(boxes[0]->Checked());
    EXPECT_FALSE(boxes[1]->Checked());
    EXPECT_TRUE(boxes[8]->Checked());
    EXPECT_FALSE(boxes[767]->Checked());

    boxes[0]->SetChecked(false);
    boxes[767]->SetChecked(true);
    controller->ControlsToValues(0);
    // 96 octets read back; the octets beyond the boxes keep their old values.
    EXPECT_EQ(Value(0).substr(0, 4), "0080");
    EXPECT_EQ(Value(0).substr(2 * 95, 2), "01");
    EXPECT_EQ(Value(0).substr(2 * 96), "AABB");

    // An agent's shorter port list shows its missing bits unticked.
    Value(0) = "FF";
    controller->ValuesToControls(0);
    EXPECT_TRUE(boxes[7]->Checked());
    EXPECT_FALSE(boxes[8]->Checked());
    EXPECT_FALSE(boxes[767]->Checked());
    Value(0) = "(NULL)";
    EXPECT_EQ(CodeOf([&] { controller->ValuesToControls(0); }), 0);
    EXPECT_FALSE(boxes[0]->Checked());
}

TEST_F(Transfer, ValuesSplitOverSeveralEditsAndJoinBack) {
    struct Case {
        const char* name;
        int item;
        int edits;
        std::string value;
        std::vector<std::string> shown;
        std::string readBack;
    } cases[] = {
        {"address", 1, 4, "10.1.2.3", {"10", "1", "2", "3"}, "10.1.2.3"},
        {"ticks", 2, 5, "1 day 2:03:04.05", {"1", "2", "3", "4", "5"}, "1 day 2:03:04.05"},
        {"mac", 3, 6, "00112233AABB", {"00", "11", "22", "33", "AA", "BB"}, "00112233AABB"},
    };
    for (const auto& c : cases) {
        SetUp();
        const auto edits = Make<TEdit>(c.edits);
        std::string format;
        for (int k = 0; k < c.edits; ++k) format += "%s";
        controller->BindFormatted(c.item, format, AsControls(edits));
        Value(c.item) = c.value;
        controller->ValuesToControls(c.item);
        EXPECT_EQ(Texts(edits), c.shown) << c.name;
        Value(c.item).clear();
        controller->ControlsToValues(c.item);
        EXPECT_EQ(Value(c.item), c.readBack) << c.name;
        // "(NULL)" leaves the edits as they were.
        Value(c.item) = "(NULL)";
        controller->ValuesToControls(c.item);
        EXPECT_EQ(Texts(edits), c.shown) << c.name;
        TearDown();
    }
}

TEST_F(Transfer, ShortHexEditsReadAsWholeOctets) {
    const auto edits = Make<TEdit>(6);
    controller->BindFormatted(3, "%s%s%s%s%s%s", AsControls(edits));
    const char* typed[] = {"1", "", "2B", "c", "DD", "EE"};
    for (int k = 0; k < 6; ++k) edits[static_cast<size_t>(k)]->SetText(typed[k]);
    controller->ControlsToValues(3);
    EXPECT_EQ(Value(3), "0100" "2B0CDDEE");
}

TEST_F(Transfer, TooFewEditsFail522) {
    const auto edits = Make<TEdit>(3);
    controller->BindFormatted(1, "%s%s%s", AsControls(edits));
    Value(1) = "10.1.2.3";
    EXPECT_EQ(CodeOf([&] { controller->ValuesToControls(1); }), -522);
    EXPECT_EQ(CodeOf([&] { controller->ControlsToValues(1); }), -522);
}

TEST_F(Transfer, CheckBoxesOfEnumerationsAndBooleans) {
    const auto boxes = Make<TCheckBox>(2);
    controller->BindCheckBox(4, boxes[0]);
    controller->BindCheckBox(5, boxes[1]);
    struct Case {
        const char* state;
        const char* flag;
        bool stateChecked, flagChecked;
    } cases[] = {{"enabled", "true", true, true}, {"disabled", "false", false, false}, {"7", "x", false, false}};
    for (const auto& c : cases) {
        Value(4) = c.state;
        Value(5) = c.flag;
        controller->ValuesToControls(-1);
        EXPECT_EQ(boxes[0]->Checked(), c.stateChecked) << c.state;
        EXPECT_EQ(boxes[1]->Checked(), c.flagChecked) << c.flag;
    }
    boxes[0]->SetChecked(true);
    boxes[1]->SetChecked(true);
    controller->ControlsToValues(-1);
    EXPECT_EQ(Value(4), "enabled");  // entry 1 when ticked
    EXPECT_EQ(Value(5), "true");
    boxes[0]->SetChecked(false);
    controller->ControlsToValues(4);
    EXPECT_EQ(Value(4), "disabled");
}

TEST_F(Transfer, CheckBoxOnANonBooleanItemWithoutMapFails517) {
    const auto boxes = Make<TCheckBox>(1);
    controller->BindControl(7, 0, sxInteger, nullptr, boxes[0]);
    Value(7) = "1";
    EXPECT_EQ(CodeOf([&] { controller->ValuesToControls(7); }), -517);
}

TEST_F(Transfer, ComboBoxesSelectByLabelOrValueAndReadLabels) {
    const auto combos = Make<TComboBox>(1);
    controller->BindComboBox(4, combos[0]);
    EXPECT_EQ(combos[0]->Items()->Count(), 2);
    Value(4) = "enabled";
    controller->ValuesToControls(4);
    EXPECT_EQ(combos[0]->ItemIndex(), 1);
    Value(4) = "2";
    controller->ValuesToControls(4);
    EXPECT_EQ(combos[0]->ItemIndex(), 0);
    combos[0]->SetItemIndex(1);
    controller->ControlsToValues(4);
    EXPECT_EQ(Value(4), "enabled");
    // Nothing selected reads as an empty text, not as a list-index error.
    combos[0]->SetItemIndex(-1);
    EXPECT_EQ(CodeOf([&] { controller->ControlsToValues(4); }), 0);
}

TEST_F(Transfer, ComboBoxWithoutMapIsRefused) {
    const auto combos = Make<TComboBox>(1);
    EXPECT_EQ(CodeOf([&] { controller->BindComboBox(7, combos[0]); }), -520);
    EXPECT_TRUE(controller->Bindings.empty());
}

TEST_F(Transfer, EditsLabelsAndAccess) {
    const auto edits = Make<TEdit>(2);
    const auto labels = Make<TLabel>(1);
    controller->BindFormatted(6, "%s", edits[0]);
    controller->BindFormatted(7, "%i{n1x4094l4}", edits[1]);
    controller->BindLabel(4, labels[0]);
    Value(6) = "a long old name";
    Value(7) = "12";
    Value(4) = "3";
    controller->ValuesToControls(-1);
    EXPECT_EQ(edits[0]->Text(), "a long old name");
    EXPECT_EQ(edits[1]->Text(), "12");
    EXPECT_EQ(labels[0]->Caption(), "enabled");  // labels show the map's label
    edits[0]->SetText("new");
    edits[1]->SetText("99");
    controller->ControlsToValues(-1);
    EXPECT_EQ(Value(6), "new");  // a shorter text leaves nothing of the old value
    EXPECT_EQ(Value(7), "12");   // not writable: not read back
    // An item left out (bit 32) is not shown.
    controller->Request.VarList.GetItem(6)->Access |= acInvalid;
    Value(6) = "hidden";
    controller->ValuesToControls(-1);
    EXPECT_EQ(edits[0]->Text(), "new");
}

TEST_F(Transfer, AnAddressIndexKeepsWhatWasTypedAnAddressValueIsTakenAsItsOctets) {
    // Items 0 and 1 as the index of a table: the address is item 1.
    controller->Request.VarList = VxSNMPVarList(Items, MVT_UMV, 2);
    const auto edits = Make<TEdit>(1);
    controller->BindFormatted(1, "%s", edits[0]);
    for (const char* typed : {"10.0.0.1.3", "256.1.1.1", "10.0.0", "10.0.0.1"}) {
        edits[0]->SetText(typed);
        controller->ControlsToValues(1);
        EXPECT_EQ(Value(1), typed);
    }
    controller->Request.VarList = VxSNMPVarList(Items, MVT_UMV, 1);
    edits[0]->SetText("10.0.0.1.3");
    controller->ControlsToValues(1);
    EXPECT_EQ(Value(1), "10.0.0.1");
}

TEST_F(Transfer, AControlOfAnotherKindCannotShowAValue) {
    auto* panel = new TPanel(form.get());
    controller->BindControl(7, 0, sxInteger, nullptr, panel);
    EXPECT_EQ(CodeOf([&] { controller->ValuesToControls(7); }), -521);
}

TEST_F(Transfer, HooksKeepTheControlsOwnHandlerEvenWhenBoundTwice) {
    const auto combos = Make<TComboBox>(1);
    int ownCalls = 0;
    combos[0]->OnChange = TNotifyEvent::Func([&](TObject*) { ++ownCalls; });
    const TNotifyEvent own = combos[0]->OnChange;
    controller->BindComboBox(4, combos[0]);
    controller->BindComboBox(4, combos[0]);
    combos[0]->OnChange(combos[0]);
    EXPECT_EQ(ownCalls, 1);
    EXPECT_EQ(controller->Modified, 1);
    controller->Unbind(4);
    EXPECT_TRUE(combos[0]->OnChange == own);
    // Unbinding an item without bindings changes nothing.
    controller->Unbind(5);
}

}  // namespace

namespace {

const SnmpVarItem RowItems[] = {
    {"1.3.6.1.4.1.99.9.1.1", "Id", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.9.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.9.1.3", "State", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0}};

TEST_F(Transfer, RowsKeepTheColumnOrderWhileAMiddleItemIsLeftOut) {
    controller->Request.VarList = VxSNMPVarList(RowItems, MVT_UMV, 1);
    auto* list = Make<TListView>(1)[0];
    controller->BindListView(list, 1);
    auto row = [&](const char* id, const char* name, const char* state) {
        Value(0) = id;
        Value(1) = name;
        Value(2) = state;
        controller->AddRow();
    };
    row("7", "seven", "1");
    controller->Request.VarList.GetItem(1)->Access |= acInvalid;  // left out of one read
    row("8", "stale", "2");
    TListItem* added = list->Items()->Item(1);
    EXPECT_EQ(added->Caption(), "8");
    EXPECT_EQ(added->SubItems()->Get(0), "") << "a value that was not read";
    EXPECT_EQ(added->SubItems()->Get(1), "2");

    // A selected row loads each column into its own item.
    list->SetItemIndex(0);
    controller->LoadSelectedRow();
    EXPECT_EQ(Value(0), "7");
    EXPECT_EQ(Value(2), "1");
    EXPECT_EQ(list->Columns()->Count(), 3);
    EXPECT_EQ(list->Columns()->Items(1)->Caption(), "Name");
}

}  // namespace
