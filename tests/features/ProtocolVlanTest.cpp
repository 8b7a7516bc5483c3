// The protocol VLAN dialog against the simulated stack: which columns Add
// and Edit send for what the entry holds, Delete, the input checks, and the
// fields that follow the protocol. (What every row editor does, the button
// state and the emptied fields after a write among it, is RowEditorTest's.)

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <functional>

#include "features/ProtocolVlanForm.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

// Group 1 for IP, group 2 for the user-defined protocol 2048 over SNAP.
const char* const ProtocolVlanStack = R"({
  "units": [{"id": 1, "model": "Kestrix-50", "portRange": 50, "mode": "master"}],
  "tables": [
    {"entry": "1.3.6.1.4.1.171.12.16.1.1.1", "index": [1], "rowStatus": 7,
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible", "range": [1, 4094]},
                 {"id": 2, "type": "string", "access": "read-create", "size": [0, 15]},
                 {"id": 3, "type": "integer", "access": "read-create", "range": [1, 17], "default": 2},
                 {"id": 4, "type": "integer", "access": "read-create", "values": [1, 2], "default": 2},
                 {"id": 5, "type": "integer", "access": "read-create", "range": [0, 65535]},
                 {"id": 6, "type": "integer", "access": "read-create", "values": [1, 2, 3, 4], "default": 1},
                 {"id": 7, "type": "integer", "access": "read-create"}],
     "rows": [{"values": {"1": 1, "2": "ip-group", "3": 2, "4": 1, "5": 0, "6": 1, "7": 1}},
              {"values": {"1": 2, "2": "snap-2048", "3": 16, "4": 2, "5": 2048, "6": 3, "7": 1}}]}
  ]
})";

constexpr const char* Column = "1.3.6.1.4.1.171.12.16.1.1.1.";

class ProtocolVlan : public DialogFixture {
protected:
    TProtocolVlanForm* Open() {
        OpenHostOn(ProtocolVlanStack);
        auto* dialog = OpenDialog<TProtocolVlanForm>();
        ActivateForm(dialog);
        return dialog;
    }
};

// A row click shows the row's index, and the user protocol and
// encapsulation take input for a user-defined protocol only.
TEST_F(ProtocolVlan, OpensWithTheTableAndARowClickFollowsItsProtocol) {
    TProtocolVlanForm* dialog = Open();
    EXPECT_EQ(Rows(dialog->ListView1), (std::vector<std::string>{"1|ip-group|protocol-ip|enabled|0|ethernet|active",
                                                                 "2|snap-2048|protocol-userDefined|disabled|2048|snap|active"}));
    EXPECT_EQ(dialog->StaticText1->Caption(), "2");
    EXPECT_EQ(dialog->StatusBar1->Panels()->Items(0)->Text().rfind("Get: (VxSNMP++) Ok!. Receive at ", 0), 0u);

    SelectRow(dialog->ListView1, 1);
    EXPECT_EQ(dialog->Index->Text(), "2");
    EXPECT_TRUE(dialog->UserProtocol->Enabled());
    EXPECT_TRUE(dialog->Encap->Enabled());
    SelectRow(dialog->ListView1, 0);
    EXPECT_FALSE(dialog->UserProtocol->Enabled());
    EXPECT_FALSE(dialog->Encap->Enabled());
}

TEST_F(ProtocolVlan, AddAndEditSendTheColumnsThatApplyToWhatTheEntryHolds) {
    TProtocolVlanForm* dialog = Open();
    struct Case {
        const char* what;
        std::function<void()> fill;
        TButton* button;
        std::vector<std::string> written;
    };
    auto entry = [dialog](const char* index, const char* name, const char* type, const char* advertisement,
                          const char* user, const char* encap, const char* status) {
        return [=] {
            dialog->Index->SetText(index);
            dialog->Name->SetText(name);
            dialog->ProtocolType->SetText(type);
            dialog->Advertisement->SetText(advertisement);
            dialog->UserProtocol->SetText(user);
            dialog->Encap->SetText(encap);
            dialog->RowStatus->SetText(status);
        };
    };
    auto selectThen = [dialog](int row, std::function<void()> change) {
        return [=] {
            SelectRow(dialog->ListView1, row);
            change();
        };
    };
    const std::vector<Case> cases = {
        {"IP: no user protocol nor encapsulation",
         entry("10", "ip10", "protocol-ip", "enabled", "2048", "snap", "createAndGo"), dialog->Add,
         {"2.10 string \"ip10\"", "3.10 integer 2", "4.10 integer 1", "7.10 integer 4"}},
        {"user-defined with its number and encapsulation",
         entry("11", "snap11", "protocol-userDefined", "disabled", "2048", "snap", "createAndGo"), dialog->Add,
         {"2.11 string \"snap11\"", "3.11 integer 16", "4.11 integer 2", "5.11 integer 2048", "6.11 integer 3",
          "7.11 integer 4"}},
        {"user-defined without encapsulation",
         entry("12", "u12", "protocol-userDefined", "disabled", "34525", "", "createAndGo"), dialog->Add,
         {"2.12 string \"u12\"", "3.12 integer 16", "4.12 integer 2", "5.12 integer 34525", "7.12 integer 4"}},
        {"nothing but the advertisement", entry("13", "", "", "enabled", "", "", "createAndGo"), dialog->Add,
         {"4.13 integer 1", "7.13 integer 4"}},
        {"edit of a loaded row", selectThen(1, [dialog] { dialog->Name->SetText("snap-v2"); }), dialog->Edit,
         {"2.2 string \"snap-v2\"", "3.2 integer 16", "4.2 integer 2", "5.2 integer 2048", "6.2 integer 3",
          "7.2 integer 1"}},
        {"edit with destroy", selectThen(0, [dialog] { dialog->RowStatus->SetText("destroy"); }), dialog->Edit,
         {"2.1 string \"ip-group\"", "7.1 integer 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.fill();
        Stack->ClearTrace();
        c.button->Click();
        EXPECT_EQ(Written(Column), c.written);
    }
    // Every column is read again after the writes that left some out.
    EXPECT_EQ(Rows(dialog->ListView1).back(), "13||protocol-ip|enabled|0|ethernet|active");
    EXPECT_EQ(dialog->StaticText1->Caption(), "5");
}

TEST_F(ProtocolVlan, DeleteSendsOnlyTheSelectedRowsDestroy) {
    TProtocolVlanForm* dialog = Open();
    SelectRow(dialog->ListView1, 1);
    Stack->ClearTrace();
    dialog->Delete->Click();
    EXPECT_EQ(Written(Column), (std::vector<std::string>{"7.2 integer 6"}));
    EXPECT_EQ(Rows(dialog->ListView1).size(), 1u);
}

TEST_F(ProtocolVlan, AddChecksRefuseBeforeAnythingIsSent) {
    TProtocolVlanForm* dialog = Open();
    struct Case { const char* index; const char* status; std::string message; TWinControl* focus; };
    const std::vector<Case> cases = {
        {"", "createAndGo", "Index must be set.", dialog->Index},
        {"2", "createAndGo", "There is already a record with the same Index. Please modified it.", dialog->Index},
        {"20", "active", "Row State must be createAndGo.", dialog->RowStatus},
        {"20", "", "Row State must be createAndGo.", dialog->RowStatus},
    };
    Stack->ClearTrace();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        MessageBoxRecorder boxes;
        dialog->SetActiveControl(dialog->Name);
        dialog->Index->SetText(c.index);
        dialog->RowStatus->SetText(c.status);
        dialog->Add->Click();
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.message);
        EXPECT_EQ(dialog->ActiveControl(), c.focus);
    }
    MessageBoxRecorder boxes;
    dialog->Index->SetText("");
    dialog->Edit->Click();
    EXPECT_EQ(boxes.Last().Text, "Index must be set.");
    EXPECT_TRUE(Stack->TraceLines().empty());
}

TEST_F(ProtocolVlan, FieldsTakeNoMoreThanTheirLimits) {
    TProtocolVlanForm* dialog = Open();
    dialog->ProtocolType->SetText("protocol-userDefined");
    dialog->ProtocolTypeChange(nullptr);
    BeepRecorder beeps;
    MessageBoxRecorder boxes;
    struct Case { TEdit* edit; const char* typed; const char* kept; };
    for (const Case& c : {Case{dialog->Index, "40945", "4094"}, Case{dialog->UserProtocol, "655350", "65535"},
                          Case{dialog->Name, "abcdefghijklmnopq", "abcdefghijklmno"}}) {
        SCOPED_TRACE(c.typed);
        c.edit->SetText("");
        c.edit->SetFocus();
        QTest::keyClicks(c.edit->Widget(), c.typed);
        EXPECT_EQ(c.edit->Text(), c.kept);
    }
}

}  // namespace
