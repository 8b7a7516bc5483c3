// The port mirror dialog against the simulated stack: the target as unit and
// port both ways, the checks before Set, and the one set of the whole group.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "features/PortMirrorForm.h"
#include "dialogbase/StackingPortUit.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Target port 64, port 1 of unit 1 mirrored on ingress, port 2 of unit 2
// (bit 65) on egress, mirroring enabled.
const char* const MirrorStack = R"({
  "units": [
    {"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"},
    {"id": 2, "model": "Brovan-26", "portRange": 26, "mode": "slave"}
  ],
  "objects": [
    {"oid": "1.3.6.1.4.1.171.11.59.8.2.10.1.0", "type": "integer", "value": 64, "access": "read-write",
     "range": [0, 768]},
    {"oid": "1.3.6.1.4.1.171.11.59.8.2.10.2.0", "type": "string", "value": {"hex": "80"}, "access": "read-write",
     "size": [0, 96]},
    {"oid": "1.3.6.1.4.1.171.11.59.8.2.10.3.0", "type": "string", "value": {"hex": "00 00 00 00 00 00 00 00 40"},
     "access": "read-write", "size": [0, 96]},
    {"oid": "1.3.6.1.4.1.171.11.59.8.2.10.4.0", "type": "integer", "value": 3, "access": "read-write",
     "values": [2, 3]}
  ]
})";

constexpr const char* Group = "1.3.6.1.4.1.171.11.59.8.2.10.";

class PortMirror : public DialogFixture {
protected:
    TPortMirrorForm* Open() {
        OpenHostOn(MirrorStack);
        auto* dialog = OpenDialog<TPortMirrorForm>();
        ActivateForm(dialog);
        return dialog;
    }
    static std::vector<std::vector<int>> Sources(TPortMirrorForm* d) {
        return {Checked(BoxesOf(d->IngressPicker)), Checked(BoxesOf(d->EgressPicker))};
    }
};

TEST_F(PortMirror, OpensWithTheTargetAsUnitAndPortAndBothSourceLists) {
    TPortMirrorForm* dialog = Open();
    EXPECT_EQ(dialog->Caption(), "Port Mirror Table:" + Stack->Address());
    EXPECT_EQ(dialog->UnitEdit->Text(), "1");
    EXPECT_EQ(dialog->PortEdit->Text(), "64");
    EXPECT_TRUE(dialog->CK_Status->Checked());
    EXPECT_EQ(Sources(dialog), (std::vector<std::vector<int>>{{0}, {65}}));
}

TEST_F(PortMirror, SetChecksRefuseInOrderAndSendNothing) {
    TPortMirrorForm* dialog = Open();
    struct Case {
        const char* what;
        std::string unit, port;
        bool emptySources;
        std::string message, caption;
        TWinControl* focus;
    };
    const std::string title = Application->Title();
    const std::vector<Case> cases = {
        {"no source port", "13", "51", true, "Ingress Ports and Egress Ports can not be empty ", "Confirm", nullptr},
        {"unit 13", "13", "1", false, "Set valid target port", title, dialog->UnitEdit},
        {"unit 0", "0", "1", false, "Set valid target port", title, dialog->UnitEdit},
        {"port 51", "1", "51", false, "Set valid target port", title, dialog->PortEdit},
        {"port 0", "1", "0", false, "Set valid target port", title, dialog->PortEdit},
        {"an egress source", "2", "2", false, "Mirror port can not be member port!", title, nullptr},
        {"an ingress source", "1", "1", false, "Mirror port can not be member port!", title, nullptr},
    };
    Stack->ClearTrace();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageBoxRecorder boxes;
        const std::vector<std::vector<int>> sources = c.emptySources ? std::vector<std::vector<int>>{{}, {}}
                                                                     : std::vector<std::vector<int>>{{0}, {65}};
        dialog->IngressPicker->Box(0)->SetChecked(!c.emptySources);
        dialog->EgressPicker->Box(65)->SetChecked(!c.emptySources);
        dialog->SetActiveControl(dialog->BT_Set);
        dialog->UnitEdit->SetText(c.unit);
        dialog->PortEdit->SetText(c.port);
        dialog->BT_Set->Click();
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.message);
        EXPECT_EQ(boxes.Last().Caption, c.caption);
        EXPECT_EQ(dialog->ActiveControl(), c.focus ? c.focus : dialog->BT_Set);
        EXPECT_EQ(Sources(dialog), sources);
    }
    // An empty unit is no number: the conversion error, in the panel.
    dialog->UnitEdit->SetText("");
    dialog->BT_Set->Click();
    EXPECT_NE(dialog->StatusBar1->Panels()->Items(0)->Text().find("is not a valid integer value"), std::string::npos);
    EXPECT_TRUE(Stack->TraceLines().empty());
}

TEST_F(PortMirror, SetWritesTheWholeGroupAndTheTargetReadsBackAsUnitAndPort) {
    TPortMirrorForm* dialog = Open();
    // Ingress emptied while egress keeps its port: accepted.
    dialog->IngressPicker->Box(0)->SetChecked(false);
    dialog->CK_Status->SetChecked(false);
    dialog->UnitEdit->SetText("2");
    dialog->PortEdit->SetText("1");
    Stack->ClearTrace();
    dialog->BT_Set->Click();
    EXPECT_EQ(Written(Group), (std::vector<std::string>{"1.0 integer 65", "2.0 bits", "3.0 bits 65", "4.0 integer 2"}));

    dialog->UnitEdit->SetText("");
    dialog->PortEdit->SetText("");
    dialog->IngressPicker->Box(5)->SetChecked(true);
    dialog->BT_Refresh->Click();
    EXPECT_EQ(dialog->UnitEdit->Text(), "2");
    EXPECT_EQ(dialog->PortEdit->Text(), "1");
    EXPECT_FALSE(dialog->CK_Status->Checked());
    EXPECT_EQ(Sources(dialog), (std::vector<std::vector<int>>{{}, {65}}));
}

TEST_F(PortMirror, UnitAndPortTakeDigitsOnly) {
    TPortMirrorForm* dialog = Open();
    BeepRecorder beeps;
    for (TEdit* edit : {dialog->UnitEdit, dialog->PortEdit}) {
        edit->SetFocus();
        QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
        QTest::keyClick(edit->Widget(), '-');
    }
    EXPECT_EQ(dialog->UnitEdit->Text(), "1");
    EXPECT_EQ(dialog->PortEdit->Text(), "64");
    EXPECT_EQ(beeps.Count(), 4u);
}

}  // namespace
