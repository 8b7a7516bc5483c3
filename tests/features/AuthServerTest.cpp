// The authentication server editor and the server group member form against
// the simulated stack, each write checked in the set trace. (What every row
// editor does is RowEditorTest's.)

#include <gtest/gtest.h>

#include "common/VxEditConstraint.h"
#include "features/ACCServerControl.h"
#include "features/ServerInfoUnit.h"
#include "framework/VxSNMPSession.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

const std::string kServers = "1.3.6.1.4.1.171.12.5.10.1";
const std::string kMembers = "1.3.6.1.4.1.171.12.5.12.1";

TEST(ServerFields, EveryEmptyFieldIsLeftOutAndEveryFilledOneSent) {
    EXPECT_EQ(ServerItemsLeftOut({"", "", "", ""}), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(ServerItemsLeftOut({"1812", "", "5", ""}), (std::vector<int>{3, 5}));
    EXPECT_EQ(ServerItemsLeftOut({"1812", " ", "5", "2"}), std::vector<int>{});  // a blank key is a key
}

class DialogTest : public DialogFixture {
protected:
    std::string Panel0(TStatusBar* bar) { return bar->Panels()->Items(0)->Text(); }
};

// ---------------------------------------------------------------- servers

class ServerInformation : public DialogTest {
protected:
    TServerInformationForm* Open() {
        OpenHostOn();
        return OpenDialog<TServerInformationForm>();
    }
    void Fill(TServerInformationForm* d, const std::string& ip, const std::string& protocol,
              const ServerFieldsSnapshot& fields) {
        d->IPEdit->SetText(ip);
        Choose(d->ProtocolComboBox, protocol);
        d->PortEdit->SetText(fields[0]);
        d->KeyEdit->SetText(fields[1]);
        d->TimeoutEdit->SetText(fields[2]);
        d->RetryCEdit->SetText(fields[3]);
    }
};

// A server's key is its address and protocol: a selected row locks both.
TEST_F(ServerInformation, OpensWithTheServersReadAndARowLocksItsAddressAndProtocol) {
    TServerInformationForm* d = Open();
    EXPECT_EQ(d->Caption(), "Server Information Table");
    EXPECT_EQ(Rows(d->ListView1), (std::vector<std::string>{"10.90.90.30|radius|1812|radius-secret|5|2|active",
                                                            "10.90.90.31|radius|1812||10|3|active",
                                                            "10.90.90.40|tacacs-plus|49|tacacs-secret|5|2|active"}));
    EXPECT_EQ(d->RowComboBox->Text(), "createAndGo");
    SelectRow(d->ListView1, 2);
    EXPECT_FALSE(d->IPEdit->Enabled());
    EXPECT_FALSE(d->ProtocolComboBox->Enabled());
    EXPECT_EQ(d->KeyEdit->Text(), "tacacs-secret");
    SelectRow(d->ListView1, -1);
    EXPECT_TRUE(d->IPEdit->Enabled());
    EXPECT_TRUE(d->ProtocolComboBox->Enabled());
}

TEST_F(ServerInformation, AddSendsOnlyTheFilledFieldsAndTheAgentFillsTheRest) {
    TServerInformationForm* d = Open();
    Fill(d, "10.0.0.1", "radius", {"", "", "", ""});
    Press(d, d->AddButton);
    EXPECT_EQ(Written(kServers), std::vector<std::string>{"7.10.0.0.1.4 integer 4"});
    EXPECT_EQ(Rows(d->ListView1)[0], "10.0.0.1|radius|49||5|2|active");

    // The same address with another protocol is another server.
    Fill(d, "10.0.0.1", "tacacs-plus", {"49", "", "30", ""});
    Press(d, d->AddButton);
    EXPECT_EQ(Written(kServers), (std::vector<std::string>{"3.10.0.0.1.3 integer 49", "5.10.0.0.1.3 integer 30",
                                                           "7.10.0.0.1.3 integer 4"}));
    EXPECT_EQ(d->ListView1->Items()->Count(), 5);
}

TEST_F(ServerInformation, AddRefusesWhatWouldNotMakeANewRowAndSendsNothing) {
    TServerInformationForm* d = Open();
    MessageBoxRecorder boxes;
    struct Case {
        std::string Ip, Protocol;
        int RowState;
        std::string Message;
    };
    const Case cases[] = {
        {"", "radius", 1, "Server IP must be set."},
        {"10.0.0.1", "", 1, "Protocol must be set."},
        {"10.90.90.40", "tacacs-plus", 1,
         "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."},
        {"10.0.0.1", "radius", 0, "Row State must be createAndGo."},
    };
    for (const Case& c : cases) {
        d->IPEdit->SetText(c.Ip);
        d->ProtocolComboBox->SetItemIndex(c.Protocol.empty() ? -1 : d->ProtocolComboBox->Items()->IndexOf(c.Protocol));
        d->RowComboBox->SetItemIndex(c.RowState);
        Press(d, d->AddButton);
        EXPECT_TRUE(Stack->TraceLines().empty()) << c.Message;
        ASSERT_EQ(boxes.Count(), 1u) << c.Message;
        EXPECT_EQ(boxes.Last().Text, c.Message);
        boxes.Clear();
    }
}

TEST_F(ServerInformation, AnAddressThatIsNotFourNumbersSendsNothingAndSaysWhy) {
    TServerInformationForm* d = Open();
    for (const char* typed : {"10.0.0", "10.0.0.1.3", "256.1.1.1"}) {
        Fill(d, typed, "radius", {"1812", "", "", ""});
        d->StatusBar1->Panels()->Items(0)->SetText("");
        Press(d, d->AddButton);
        EXPECT_TRUE(Stack->TraceLines().empty()) << typed;
        EXPECT_FALSE(Panel0(d->StatusBar1).empty()) << typed;
        EXPECT_EQ(d->ListView1->Items()->Count(), 3) << typed;
    }
}

TEST_F(ServerInformation, EditLeavesTheEmptyFieldsAndTheRowStatusOut) {
    TServerInformationForm* d = Open();
    SelectRow(d->ListView1, 0);  // 10.90.90.30 radius, key "radius-secret"
    d->KeyEdit->SetText("");
    d->PortEdit->SetText("1645");
    Press(d, d->EditButton);
    EXPECT_EQ(Written(kServers), (std::vector<std::string>{"3.10.90.90.30.4 integer 1645",
                                                           "5.10.90.90.30.4 integer 5",
                                                           "6.10.90.90.30.4 integer 2"}));
    EXPECT_EQ(Rows(d->ListView1)[0], "10.90.90.30|radius|1645|radius-secret|5|2|active");
}

TEST_F(ServerInformation, DeleteAndEditWithDestroySendOnlyTheRowStatus) {
    TServerInformationForm* d = Open();
    SelectRow(d->ListView1, 1);
    Press(d, d->DeleteButton);
    EXPECT_EQ(Written(kServers), std::vector<std::string>{"7.10.90.90.31.4 integer 6"});
    EXPECT_EQ(d->ListView1->Items()->Count(), 2);

    SelectRow(d->ListView1, 1);  // 10.90.90.40 tacacs-plus
    d->PortEdit->SetText("50");
    Choose(d->RowComboBox, "destroy");
    Press(d, d->EditButton);
    EXPECT_EQ(Written(kServers), std::vector<std::string>{"7.10.90.90.40.3 integer 6"});
    EXPECT_EQ(d->ListView1->Items()->Count(), 1);

    // The row status stays at destroy: Add waits for createAndGo.
    MessageBoxRecorder boxes;
    Fill(d, "10.0.0.2", "radius", {"", "", "", ""});
    Press(d, d->AddButton);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Row State must be createAndGo.");
}

// A refused Add that left the empty fields out leaves nothing out of the
// next: every filled field goes.
TEST_F(ServerInformation, ARefusedAddLeavesNothingOutOfTheNext) {
    TServerInformationForm* d = Open();
    Fill(d, "10.0.0.3", "xtacacs", {"49", "k", "", ""});
    Stack->Control("fail-next-set commitFailed");
    Press(d, d->AddButton);
    EXPECT_EQ(Written(kServers).size(), 3u);
    Fill(d, "10.0.0.3", "xtacacs", {"49", "k", "7", "3"});
    Press(d, d->AddButton);
    EXPECT_EQ(Rows(d->ListView1)[0], "10.0.0.3|xtacacs|49|k|7|3|active");
}

TEST_F(ServerInformation, PortAndTimeoutOutsideTheirRangesAreRefusedOnLeavingTheField) {
    TServerInformationForm* d = Open();
    MessageBoxRecorder boxes;
    struct Case {
        TEdit* Edit;
        const char* Text;
        bool Refused;
    };
    const Case cases[] = {{d->PortEdit, "0", true},    {d->PortEdit, "65536", true}, {d->PortEdit, "65535", false},
                          {d->TimeoutEdit, "0", true}, {d->TimeoutEdit, "256", true}, {d->TimeoutEdit, "1", false},
                          {d->RetryCEdit, "256", true}};
    for (const Case& c : cases) {
        c.Edit->SetText(c.Text);
        d->Controller->Constraints->OnExit(c.Edit);
        EXPECT_EQ(boxes.Count(), c.Refused ? 1u : 0u) << c.Edit->Name() << " " << c.Text;
        EXPECT_EQ(c.Edit->Text(), c.Refused ? "" : c.Text) << c.Edit->Name();
        boxes.Clear();
    }
}

// ---------------------------------------------------------------- group members

class ServerControl : public DialogTest {
protected:
    TfrmACCServerCtrl* Open() {
        OpenHostOn();
        return OpenDialog<TfrmACCServerCtrl>();
    }
    void Fill(TfrmACCServerCtrl* d, const std::string& group, const std::string& ip, const std::string& protocol,
              const std::string& state) {
        d->edtGroupName->SetText(group);
        d->edtIPAddr->SetText(ip);
        d->cbAuthProtocol->SetItemIndex(protocol.empty() ? -1 : d->cbAuthProtocol->Items()->IndexOf(protocol));
        d->cbRowState->SetItemIndex(state.empty() ? -1 : d->cbRowState->Items()->IndexOf(state));
    }
    static std::string Fields(TfrmACCServerCtrl* d) {
        return d->edtGroupName->Text() + "|" + d->edtIPAddr->Text() + "|" + d->cbAuthProtocol->Text() + "|" +
               d->cbRowState->Text();
    }
    static constexpr const char* kLastMember = "tacacs+|10.90.90.40|tacacs-plus|add";
};

TEST_F(ServerControl, OpensWithEmptyFieldsAndTheMapsInTheCombos) {
    TfrmACCServerCtrl* d = Open();
    EXPECT_EQ(Fields(d), "|||");
    EXPECT_EQ(d->cbAuthProtocol->Items()->Count(), 4);
    EXPECT_EQ(d->cbRowState->Items()->Strings(1), "delete");
    EXPECT_EQ(d->Caption(), "ACCServerControl");
}

TEST_F(ServerControl, AnEmptyFieldSendsNothing) {
    TfrmACCServerCtrl* d = Open();
    const std::vector<std::vector<std::string>> cases = {{"", "10.0.0.1", "radius", "add"},
                                                         {"ops", "", "radius", "add"},
                                                         {"ops", "10.0.0.1", "", "add"},
                                                         {"ops", "10.0.0.1", "radius", ""}};
    for (const auto& c : cases) {
        Fill(d, c[0], c[1], c[2], c[3]);
        Press(d, d->Button1);
        EXPECT_TRUE(Stack->TraceLines().empty());
        EXPECT_EQ(Panel0(d->StatusBar1), "Don't Leave Empty Fileds !");
    }
}

TEST_F(ServerControl, AddAndDeleteWriteTheRowStateOnTheThreePartInstance) {
    TfrmACCServerCtrl* d = Open();
    Fill(d, "ops", "10.0.0.1", "radius", "add");
    Press(d, d->Button1);
    EXPECT_EQ(Written(kMembers), std::vector<std::string>{"4.3.111.112.115.10.0.0.1.4 integer 1"});
    EXPECT_EQ(Panel0(d->StatusBar1).rfind("Set: Ok!. Receive at ", 0), 0u) << Panel0(d->StatusBar1);
    // The fields show the table's last row, not the entry just written.
    EXPECT_EQ(Fields(d), kLastMember);

    MessageBoxRecorder boxes;
    Fill(d, "ops", "10.0.0.1", "radius", "delete");
    Press(d, d->Button1);
    EXPECT_EQ(Written(kMembers), std::vector<std::string>{"4.3.111.112.115.10.0.0.1.4 integer 2"});
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ServerControl, ARefusedSetIsReportedAndTheEntriesStay) {
    TfrmACCServerCtrl* d = Open();
    MessageBoxRecorder boxes;
    for (const char* fault : {"fail-next-set noCreation", ""}) {
        // With no fault the address decides: not an address, nothing sent.
        const bool injected = *fault != 0;
        if (injected) Stack->Control(fault);
        Fill(d, "ops", injected ? "10.0.0.1" : "10.0.0", "radius", "add");
        Press(d, d->Button1);
        EXPECT_EQ(Written(kMembers).size(), injected ? 1u : 0u);
        ASSERT_EQ(boxes.Count(), 1u) << fault;
        EXPECT_EQ(boxes.Last().Text, "Set entry failed!");
        EXPECT_EQ(d->edtIPAddr->Text(), injected ? "10.0.0.1" : "10.0.0");
        boxes.Clear();
    }
}

TEST_F(ServerControl, ASetThatPassedIsNeverReportedAsFailedWhenOnlyTheReadAfterItFails) {
    TfrmACCServerCtrl* d = Open();
    MessageBoxRecorder boxes;
    Fill(d, "ops", "10.0.0.1", "radius", "add");
    Stack->Control("fail-next-read " + kMembers + " genErr");
    Press(d, d->Button1);
    EXPECT_EQ(Written(kMembers), std::vector<std::string>{"4.3.111.112.115.10.0.0.1.4 integer 1"});
    EXPECT_EQ(Panel0(d->StatusBar1).rfind("Set: Ok!. Receive at ", 0), 0u) << Panel0(d->StatusBar1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().Text, "Set entry failed!");
    EXPECT_EQ(boxes.Last().Text.rfind("The entry was set, but the table could not be read again: ", 0), 0u)
        << boxes.Last().Text;
}

TEST_F(ServerControl, OpensAgainstASilentAgentWithEmptyFields) {
    OpenHostOn();
    SessionParameters.Timeout = 30;
    Stack->Control("silent on");
    TfrmACCServerCtrl* d = OpenDialog<TfrmACCServerCtrl>();
    EXPECT_EQ(Fields(d), "|||");
    Stack->Control("silent off");
}

}  // namespace
