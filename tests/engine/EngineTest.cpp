#include <QCoreApplication>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>
#include <gmock/gmock.h>

#include "tests/support/AgentFixture.h"
#include "common/VxValueMarkers.h"
#include "framework/SnmpTransport.h"
#include "framework/SnmpValues.h"
#include "framework/VxSNMPMessages.h"

namespace {

// Scalars, a one-row table, an empty table, a table whose only other column
// is .10, a table with a row-status column, and a table at the end of the
// agent's tree.
const char* const EngineStack = R"({
  "objects": [
    {"oid": "1.3.6.1.4.1.99.1.1.0", "type": "integer", "value": 42},
    {"oid": "1.3.6.1.4.1.99.1.2.0", "type": "string", "value": "kestrix", "access": "read-write"},
    {"oid": "1.3.6.1.4.1.99.1.3.0", "type": "counter64", "value": "18446744073709551615"},
    {"oid": "1.3.6.1.4.1.99.8.1.0", "type": "string", "value": {"hex": "ff ff ff ff ff ff ff ff"}}
  ],
  "tables": [
    {"entry": "1.3.6.1.4.1.99.2.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "string", "access": "read-write"},
                 {"id": 3, "type": "integer", "access": "read-write"}],
     "rows": [{"values": {"1": 7, "2": "seven", "3": 70}}]},
    {"entry": "1.3.6.1.4.1.99.3.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "string", "access": "read-only"}]},
    {"entry": "1.3.6.1.4.1.99.4.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "read-only"},
                 {"id": 10, "type": "integer", "access": "read-only"}],
     "rows": [{"values": {"1": 3, "10": 30}}]},
    {"entry": "1.3.6.1.4.1.99.5.1", "index": [1], "rowStatus": 3,
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "string", "access": "read-create"},
                 {"id": 3, "type": "integer", "access": "read-create"}]},
    {"entry": "1.3.6.1.4.1.99.6.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "string", "access": "read-only"},
                 {"id": 3, "type": "integer", "access": "read-only"}],
     "rows": [{"values": {"1": 1, "2": "one", "3": 10}},
              {"values": {"1": 2, "3": 20}, "absent": [2]},
              {"values": {"1": 3, "2": "three"}, "absent": [3]},
              {"values": {"1": 4, "2": "four", "3": 40}}]},
    {"entry": "1.3.6.1.4.1.99.7.1", "index": [1],
     "columns": [{"id": 1, "type": "ipaddress", "access": "not-accessible"},
                 {"id": 2, "type": "integer", "access": "read-only"}],
     "rows": [{"values": {"1": "10.0.0.1", "2": 1}}, {"values": {"1": "10.0.0.2", "2": 2}}]},
    {"entry": "1.3.6.1.99.1.1", "index": [1],
     "columns": [{"id": 1, "type": "integer", "access": "not-accessible"},
                 {"id": 2, "type": "integer", "access": "read-only"}],
     "rows": [{"values": {"1": 1, "2": 11}}, {"values": {"1": 2, "2": 22}}]}
  ]
})";

const VxIntPair RowStatusPairs[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VxOptionList RowStatusNames(RowStatusPairs);

const SnmpVarItem ScalarItems[] = {
    {"1.3.6.1.4.1.99.1.1", "Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.1.3", "Big", sxCounter64, acReadOnly},
    {nullptr, nullptr, 0, 0}};
// A date-time whose eight octets are no number (NaN).
const SnmpVarItem NoDateItems[] = {
    {"1.3.6.1.4.1.99.8.1", "Date", sxBcDateTime, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem OneRowItems[] = {
    {"1.3.6.1.4.1.99.2.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.2.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.2.1.3", "Value", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem EmptyItems[] = {
    {"1.3.6.1.4.1.99.3.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.3.1.2", "Name", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem FirstColumnItems[] = {
    {"1.3.6.1.4.1.99.4.1.1", "Column 1", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem CreateItems[] = {
    {"1.3.6.1.4.1.99.5.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.5.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.99.5.1.3", "Status", sxInteger, acReadWrite, &RowStatusNames},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem SparseItems[] = {
    {"1.3.6.1.4.1.99.6.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.99.6.1.2", "Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.99.6.1.3", "Value", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};
// Column .3 is one the agent does not have.
const SnmpVarItem AddressItems[] = {
    {"1.3.6.1.4.1.99.7.1.1", "Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.99.7.1.2", "Value", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.99.7.1.3", "Missing", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem EndItems[] = {
    {"1.3.6.1.99.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.99.1.1.2", "Value", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};
const SnmpVarItem BeyondEndItems[] = {
    {"1.3.6.1.99.2.1.2", "Value", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0}};

// Walks the whole table with SyncGet; each row as "value|value|...". A walk
// that does not end stops after 50 rows.
std::vector<std::string> WalkRows(VxSNMPRequest& request) {
    std::vector<std::string> rows;
    for (bool more = request.SyncGet(true); more && rows.size() < 50; more = request.SyncGet(false)) {
        std::string row;
        for (uint32_t i = 0; i < request.VarList.GetCount(); ++i)
            row += (i ? "|" : "") + request.VarList.GetItem(static_cast<int>(i))->Value;
        rows.push_back(row);
    }
    return rows;
}

class Engine : public AgentFixture {};

// Sends with `send` (an asynchronous read or write given the continuation)
// and pumps until its one reply has come.
VxSNMPError AwaitReply(const std::function<void(VxSNMPContinuation)>& send) {
    VxSNMPError reply;
    bool answered = false;
    send([&](VxSNMPError* r, VxSNMPVarList*) {
        reply = *r;
        answered = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return answered; }));
    return reply;
}

TEST_F(Engine, ScalarGroupIsOneGetWithInstanceZeroAndRefusesANextRead) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    EXPECT_FALSE(request.SyncGet(true));
    EXPECT_EQ(request.VarList.GetItem(0)->Value, "42");
    EXPECT_EQ(request.VarList.GetItem(1)->Value, "kestrix");
    EXPECT_EQ(request.VarList.GetItem(2)->Value, "18446744073709551615");
    EXPECT_EQ(request.VarList.GetItem(0)->LastOid, "1.3.6.1.4.1.99.1.1.0");
    EXPECT_EQ(CodeOf([&] { request.SyncGet(false); }), -510);
}

TEST_F(Engine, WalksAOneRowTableAndAnEmptyTable) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(OneRowItems, MVT_UMV, 1);
    EXPECT_EQ(WalkRows(request), std::vector<std::string>{"7|seven|70"});
    // The read after the row left every column.
    EXPECT_EQ(request.VarList.GetItem(1)->Value, "(NOTDONE)");

    request.VarList = VxSNMPVarList(EmptyItems, MVT_FMV, 1);
    EXPECT_TRUE(WalkRows(request).empty());
}

TEST_F(Engine, AColumnEndsAtTheNextColumnThatSharesItsTextPrefix) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(FirstColumnItems, MVT_FMV, 0);
    // Column ...1.1 is followed by ...1.10.3: the same text prefix, another column.
    EXPECT_EQ(WalkRows(request), std::vector<std::string>{"3"});
}

// An agent that answers get-next with the OID asked for ends the walk, and
// the walk says so: it is no empty table.
TEST_F(Engine, AnAgentThatRepeatsAnOidEndsTheWalkWithAFailure) {
    StartAgent(EngineStack);
    Stack->Control("repeat-getnext on");
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(OneRowItems, MVT_UMV, 1);
    EXPECT_EQ(CodeOf([&] { WalkRows(request); }), -529);
    EXPECT_EQ(MessageOf([&] { WalkRows(request); }),
              "(VxSNMP++) The agent answered a get-next with the OID asked for: the walk ends here!");
    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
    EXPECT_EQ(reply.Code, -529);
    EXPECT_EQ(reply.Done, 1);
}

// A value that its syntax cannot show fails the read, whichever way it is
// read: the reply never reads as success.
TEST_F(Engine, AValueItsSyntaxCannotShowFailsTheRead) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(NoDateItems, SVT_SV, 0);
    EXPECT_THAT(MessageOf([&] { request.SyncGet(true); }), testing::EndsWith("is not a valid date and time"));
    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
    EXPECT_EQ(reply.Code, -511);
    EXPECT_THAT(reply.Message, testing::EndsWith("is not a valid date and time"));
    EXPECT_EQ(reply.Done, 1);
}

TEST_F(Engine, EveryRowComesOnceWithTheValuesOfItsOwnColumns) {
    StartAgent(EngineStack);
    const std::string none(NoSuchInstanceText);
    const std::vector<std::string> sparse = {"1|one|10", "2|" + none + "|20", "3|three|" + none, "4|four|40"};
    struct Case {
        const char* name;
        const SnmpVarItem* items;
        const char* control;
        std::vector<std::string> rows;
    } cases[] = {
        // A row lacks a column: no value there, and the column's next value
        // waits for its own row.
        {"sparse rows", SparseItems, "reset", sparse},
        // Past a column's last row the agent starts it again: the column ends.
        {"cycling agent", SparseItems, "cycle-getnext on", sparse},
        // A column the agent does not have ends at once; the others go on.
        {"missing column", AddressItems, "reset", {"10.0.0.1|1|" + none, "10.0.0.2|2|" + none}},
    };
    for (const Case& c : cases) {
        Stack->Control(c.control);
        for (uint8_t version : {0, 1}) {
            UseVersion(version);
            VxSNMPRequest request;
            request.VarList = VxSNMPVarList(c.items, MVT_FMV, 1);
            std::vector<std::string> rows;
            EXPECT_EQ(CodeOf([&] { rows = WalkRows(request); }), 0) << c.name;
            EXPECT_EQ(rows, c.rows) << c.name << ", version " << int(version);
        }
    }
}

TEST_F(Engine, V1NoSuchNameEndsAWalkButFailsTheFirstGetNext) {
    StartAgent(EngineStack);
    UseVersion(0);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(EndItems, MVT_FMV, 1);
    EXPECT_EQ(WalkRows(request), (std::vector<std::string>{"1|11", "2|22"}));

    VxSNMPRequest beyond;
    beyond.VarList = VxSNMPVarList(BeyondEndItems, MVT_FMV, 0);
    EXPECT_EQ(CodeOf([&] { beyond.SyncGet(true); }), -102);
    EXPECT_EQ(MessageOf([&] { beyond.SyncGet(true); }), "(SNMP) Variable does not exist!");
}

TEST_F(Engine, V2cEndOfMibViewEndsTheWalk) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(EndItems, MVT_FMV, 1);
    EXPECT_EQ(WalkRows(request), (std::vector<std::string>{"1|11", "2|22"}));
    VxSNMPRequest beyond;
    beyond.VarList = VxSNMPVarList(BeyondEndItems, MVT_FMV, 0);
    EXPECT_TRUE(WalkRows(beyond).empty());
}

// Values the agent marks as missing, for items of every kind of value: each
// shows the exception as net-snmp's tools print it, and a write of the list
// sends only the values there are.
TEST_F(Engine, AValueTheAgentLacksShowsAsMissingAndIsNeverWrittenBack) {
    StartAgent(EngineStack);
    UseVersion(1);
    const SnmpVarItem items[] = {
        {"1.3.6.1.4.1.99.1.2", "Name", sxDisplayStr, acReadWrite},
        {"1.3.6.1.4.1.99.1.7", "Number", sxInteger, acReadWrite},
        {"1.3.6.1.4.1.99.1.8", "Text", sxDisplayStr, acReadWrite},
        {"1.3.6.1.4.1.99.1.9", "Octets", sxOctetStr, acReadWrite},
        {"1.3.6.1.4.1.99.1.10", "Address", sxIpAddress, acReadWrite},
        {"1.3.6.1.4.1.99.1.11", "MAC", sxMacAddress, acReadWrite},
        {"1.3.6.1.4.1.99.1.12", "Status", sxInteger, acReadWrite, &RowStatusNames},
        {"1.3.6.1.4.1.99.2.1.3", "Column", sxInteger, acReadWrite},  // row 0 of a table
        {nullptr, nullptr, 0, 0}};
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(items, SVT_SV, 0);
    request.SyncGet(true);
    EXPECT_EQ(request.VarList.GetItem(0)->Value, "kestrix");
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(request.VarList.GetItem(i)->Value, NoSuchObjectText) << i;
    EXPECT_EQ(request.VarList.GetItem(7)->Value, NoSuchInstanceText);
    Stack->ClearTrace();
    request.SyncSet(false);
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{R"(1.3.6.1.4.1.99.1.2.0 string "kestrix")"});

    // Past the end of the agent's view.
    const SnmpVarItem beyond[] = {{"1.3.6.1.99.9", "Beyond", sxInteger, acReadOnly}, {nullptr, nullptr, 0, 0}};
    VxSNMPRequest next;
    next.VarList = VxSNMPVarList(beyond, MVT_SV, 0);
    next.NextRow = 1;
    next.SyncGet(true);
    EXPECT_EQ(next.VarList.GetItem(0)->Value, EndOfMibViewText);
}

// A write that would carry no binding goes nowhere, blocking or not, and
// says why: the agent lacks every value chosen, or none is chosen.
TEST_F(Engine, AWriteThatCarriesNoValueIsNeverSentAndSaysWhy) {
    StartAgent(EngineStack);
    const SnmpVarItem items[] = {
        {"1.3.6.1.4.1.99.1.1", "Number", sxInteger, acReadOnly},
        {"1.3.6.1.4.1.99.1.2", "Name", sxDisplayStr, acReadWrite},
        {"1.3.6.1.4.1.99.1.7", "Missing number", sxInteger, acReadWrite},
        {"1.3.6.1.4.1.99.1.8", "Missing text", sxDisplayStr, acReadWrite},
        {nullptr, nullptr, 0, 0}};
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(items, SVT_SV, 0);
    request.SyncGet(true);
    ASSERT_EQ(request.VarList.GetItem(2)->Value, NoSuchObjectText);
    struct Case {
        const char* ItemList;
        int Code;
        const char* Message;
    };
    const Case cases[] = {
        {"2,3", -530, "(VxSNMP++) Nothing was sent: the agent has none of these values to write!"},
        {"0", -531, "(VxSNMP++) Nothing was sent: no value to write is chosen!"},
    };
    bool answered = false;
    Stack->ClearTrace();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ItemList);
        EXPECT_EQ(CodeOf([&] { request.SyncSet(false, c.ItemList); }), c.Code);
        EXPECT_EQ(MessageOf([&] { request.SyncSet(false, c.ItemList); }), c.Message);
        EXPECT_EQ(CodeOf([&] { request.AsyncSet([&](VxSNMPError*, VxSNMPVarList*) { answered = true; }, 0, c.ItemList); }),
                  c.Code);
        EXPECT_EQ(request.Pending, 0);
        EXPECT_TRUE(IsNothingToWrite(c.Code));
        QCoreApplication::processEvents();
        EXPECT_FALSE(answered);
        for (int i = 0; i < 4; ++i) EXPECT_FALSE(request.VarList.GetItem(i)->Access & acInvalid) << i;
    }
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{});
}

TEST_F(Engine, SetErrorStatusesMapToTheirCodesAndTexts) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    request.VarList.GetItem(1)->Value = "changed";
    for (int status = 1; status <= 18; ++status) {
        Stack->Control("fail-next-set " + std::to_string(status));
        EXPECT_EQ(CodeOf([&] { request.SyncSet(false); }), -100 - status) << status;
    }
    Stack->Control("fail-next-set 10");
    EXPECT_EQ(MessageOf([&] { request.SyncSet(false); }), "(SNMP) Cannot create/set variable, Wrong Value!");
}

TEST_F(Engine, SetSendsOnlyWritableItemsOfTheGivenPositionsAndRestoresTheList) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(CreateItems, MVT_UMV, 1);
    request.VarList.GetItem(0)->Value = "5";
    request.VarList.GetItem(1)->Value = "five";
    request.VarList.GetItem(2)->Value = "createAndGo";
    Stack->ClearTrace();
    request.SyncSet(false);
    EXPECT_EQ(Stack->TraceLines(), (std::vector<std::string>{R"(1.3.6.1.4.1.99.5.1.2.5 string "five")",
                                                            "1.3.6.1.4.1.99.5.1.3.5 integer 4"}));

    Stack->ClearTrace();
    const std::vector<std::string> values{"destroy"};
    request.SyncSet(false, "2", &values);
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.5.1.3.5 integer 6"});
    // The marks and values of that one set are gone again.
    EXPECT_EQ(request.VarList.GetItem(2)->Value, "createAndGo");
    EXPECT_FALSE(request.VarList.GetItem(1)->Access & acInvalid);

    request.VarList = VxSNMPVarList(CreateItems, MVT_UMV, 1);
    EXPECT_TRUE(WalkRows(request).empty());
}

TEST_F(Engine, NoSuchNameAnswerToASetIsAFailureEvenOnATable) {
    StartAgent(EngineStack);
    UseVersion(0);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(OneRowItems, MVT_UMV, 1);
    request.VarList.GetItem(0)->Value = "9";  // no such row, and no createAndGo
    request.VarList.GetItem(1)->Value = "x";
    request.VarList.GetItem(2)->Value = "1";
    EXPECT_EQ(CodeOf([&] { request.SyncSet(false); }), -102);

    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncSet(done, 1); });
    EXPECT_EQ(reply.Code, -102);
    EXPECT_EQ(reply.Done, 1);
}

TEST_F(Engine, ASilentAgentTimesOut) {
    StartAgent(EngineStack);
    Stack->Control("silent on");
    VxSNMPRequest request;
    request.Timeout = 20;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), -405);
    EXPECT_EQ(MessageOf([&] { request.SyncGet(true); }), "(SNMPClass) SNMP request timed out!");
}

TEST_F(Engine, AsyncWalkRunsThroughThePump) {
    StartAgent();
    const SnmpVarItem PortLinks[] = {
        {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.1", "Index", sxInteger, acReadOnly},
        {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.4", "Link", sxInteger, acReadOnly},
        {nullptr, nullptr, 0, 0}};
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(PortLinks, MVT_FMV, 1);
    std::vector<std::string> rows;
    bool done = false;
    VxSNMPContinuation next = [&](VxSNMPError* reply, VxSNMPVarList* list) {
        ASSERT_EQ(reply->Code, 0) << reply->Message;
        if (reply->Done) {
            done = true;
            return;
        }
        rows.push_back(list->GetItem(0)->Value + "=" + list->GetItem(1)->Value);
        request.AsyncGet(next, false);
    };
    request.AsyncGet(next, true);
    ASSERT_TRUE(PumpUntil([&] { return done; }));
    ASSERT_EQ(rows.size(), 74u);  // 50 ports of unit 1 and 24 of unit 3
    EXPECT_EQ(rows.front(), "1=2");
    EXPECT_EQ(rows.back(), "152=2");
    EXPECT_EQ(request.Pending, 0);
}

TEST_F(Engine, AsyncTimeOutReachesTheContinuation) {
    StartAgent(EngineStack);
    Stack->Control("silent on");
    VxSNMPRequest request;
    request.Timeout = 10;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
    EXPECT_EQ(reply.Code, -405);
    EXPECT_EQ(reply.Done, 1);
}

TEST_F(Engine, ThePumpRestsWhileNothingIsOutstandingAndWakesWithTheNextSend) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.Timeout = 10;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    EXPECT_EQ(AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); }).Code, 0);
    EXPECT_TRUE(PumpUntil([] { return !SnmpEventProcessor().Ticking(); }));
    EXPECT_FALSE(SnmpTransport::Instance().HasOutstanding());
    EXPECT_TRUE(SnmpEventProcessor().IsRunning());

    // A time-out is the pump's to deliver: the send wakes it.
    Stack->Control("silent on");
    bool answered = false;
    int code = 0;
    request.AsyncGet([&](VxSNMPError* reply, VxSNMPVarList*) { code = reply->Code, answered = true; }, true);
    EXPECT_TRUE(SnmpEventProcessor().Ticking());
    EXPECT_TRUE(SnmpTransport::Instance().HasOutstanding());
    ASSERT_TRUE(PumpUntil([&] { return answered; }));
    EXPECT_EQ(code, -405);
}

TEST_F(Engine, WhatAContinuationRaisesGoesToTheFailureHook) {
    StartAgent(EngineStack);
    std::vector<std::string> failures;
    SnmpTransport::SetFailureHook([&](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const Exception& e) {
            failures.push_back(e.Message());
        }
    });
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    request.AsyncGet([](VxSNMPError*, VxSNMPVarList*) { throw Exception("taking in the reply failed", -1); }, true);
    EXPECT_TRUE(PumpUntil([&] { return !failures.empty(); }));
    SnmpTransport::SetFailureHook({});
    EXPECT_EQ(failures, std::vector<std::string>{"taking in the reply failed"});
    // The request counts its reply as ended all the same.
    EXPECT_EQ(request.Pending, 0);
}

struct V3Case {
    const char* name;
    const char* user;
    int auth;
    const char* authPassword;
    int priv;
    const char* privPassword;
    int level;
    int code;
};

TEST_F(Engine, V3UsersReadWithTheirProtocolsAndWrongCredentialsMapToUsmCodes) {
    StartAgent(EngineStack, {"--user", "authonly:SHA:authonly-pw"});
    const V3Case cases[] = {
        {"MD5 DES authPriv", "md5des", 2, "md5des-auth-pw", 2, "md5des-priv-pw", 3, 0},
        {"SHA DES authPriv", "shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3, 0},
        {"SHA authNoPriv", "authonly", 3, "authonly-pw", 1, "", 2, 0},
        {"wrong password", "md5des", 2, "not-the-password", 2, "md5des-priv-pw", 3, -308},
        {"unknown user", "nobody", 2, "nobody-auth-pw", 1, "", 2, -304},
        {"authNoPriv for a privacy user", "md5des", 2, "md5des-auth-pw", 1, "", 2, -116},
    };
    for (const auto& c : cases) {
        UseV3(c.user, c.auth, c.authPassword, c.priv, c.privPassword, c.level);
        VxSNMPRequest request;
        request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
        EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), c.code) << c.name;
        if (c.code == 0) {
            EXPECT_EQ(request.VarList.GetItem(0)->Value, "42") << c.name;
        }
    }
}

TEST_F(Engine, V3AsyncReadDiscoversTheEngineWithoutBlocking) {
    StartAgent(EngineStack);
    UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
    EXPECT_EQ(reply.Code, 0) << reply.Message;
    EXPECT_EQ(request.VarList.GetItem(1)->Value, "kestrix");
}

TEST_F(Engine, V3FindsTheEngineAgainWhenTheAgentTakesANewEngineId) {
    StartAgent(EngineStack);
    UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
    VxSNMPRequest blocking, async;
    for (VxSNMPRequest* request : {&blocking, &async}) {
        request->Timeout = 50;
        request->VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    }
    ASSERT_EQ(CodeOf([&] { blocking.SyncGet(true); }), 0);
    // A replaced device, then a reset one; each time a blocking and an
    // asynchronous read are out to the old engine id.
    for (const char* id : {"80001f8880aabbccdd01", "80001f8880aabbccdd02"}) {
        Stack->Control(std::string("engine-id ") + id);
        bool answered = false;
        VxSNMPError reply;
        async.AsyncGet([&](VxSNMPError* r, VxSNMPVarList*) { reply = *r, answered = true; }, true);
        EXPECT_EQ(CodeOf([&] { blocking.SyncGet(true); }), 0) << id;
        ASSERT_TRUE(PumpUntil([&] { return answered; }));
        EXPECT_EQ(reply.Code, 0) << id << ": " << reply.Message;
        EXPECT_EQ(async.VarList.GetItem(0)->Value, "42");
    }
    // The same engine found again: the request is not sent twice, and a
    // silent agent is reported as before.
    for (const char* fault : {"delay 3000", "silent on"}) {
        Stack->Control(std::string("reset\n") + fault);
        EXPECT_EQ(CodeOf([&] { blocking.SyncGet(true); }), -405) << fault;
    }
}

// The LED pollers and the pages have sessions of their own (another
// time-out). Whichever meets a replaced device (a new engine id) or a
// restarted one (its boots out of the time window) first, both go on
// reading with no failure shown.
TEST_F(Engine, V3SessionsOfEveryTimeOutGoOnAfterANewEngineIdOrARestart) {
    StartAgent(EngineStack);
    UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
    VxSNMPRequest leds, page;
    leds.Timeout = 50;
    page.Timeout = 20;
    for (VxSNMPRequest* request : {&leds, &page}) {
        request->VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
        ASSERT_EQ(CodeOf([&] { request->SyncGet(true); }), 0);
    }
    struct Case {
        const char* control;
        VxSNMPRequest* first;
        VxSNMPRequest* second;
    } cases[] = {{"engine-id 80001f8880aabbccdd11", &leds, &page},
                 {"engine-id 80001f8880aabbccdd12", &page, &leds},
                 {"restart", &leds, &page},
                 {"restart", &page, &leds}};
    for (const Case& c : cases) {
        Stack->Control(c.control);
        for (VxSNMPRequest* request : {c.first, c.second}) {
            request->VarList.GetItem(0)->Value.clear();
            const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request->AsyncGet(done, true); });
            EXPECT_EQ(reply.Code, 0) << c.control << (request == &leds ? ", leds: " : ", page: ") << reply.Message;
            EXPECT_EQ(request->VarList.GetItem(0)->Value, "42") << c.control;
        }
    }
}

// A silent agent: the SNMPv3 request's time-out comes after its own two
// attempts, as an SNMPv1 request's does, with no discovery after them (an
// SNMPv1 request with half as long again is still waiting then).
TEST_F(Engine, V3TimesOutOnASilentAgentAsSoonAsV1) {
    StartAgent(EngineStack);
    UseVersion(0);
    VxSNMPRequest v1;
    UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
    VxSNMPRequest v3;
    v3.Timeout = 40;
    v1.Timeout = 60;
    const SnmpVarItem NumberItem[] = {ScalarItems[0], {nullptr, nullptr, 0, 0}};  // SNMPv1 has no Counter64
    std::vector<std::string> timedOut;
    for (auto [requestOf, nameOf] : {std::pair{&v1, "v1"}, std::pair{&v3, "v3"}}) {
        VxSNMPRequest* request = requestOf;  // a lambda may not capture a structured binding (Clang 14)
        const char* name = nameOf;
        request->VarList = VxSNMPVarList(NumberItem, SVT_SV, 0);
        ASSERT_EQ(CodeOf([&] { request->SyncGet(true); }), 0) << name;
    }
    Stack->Control("silent on");
    for (auto [request, name] : {std::pair{&v1, "v1"}, std::pair{&v3, "v3"}}) {
        request->AsyncGet(
            [&timedOut, name = std::string(name)](VxSNMPError* reply, VxSNMPVarList*) {
                EXPECT_EQ(reply->Code, -405) << name;
                timedOut.push_back(name);
            },
            true);
    }
    ASSERT_TRUE(PumpUntil([&] { return timedOut.size() == 2; }));
    EXPECT_EQ(timedOut, (std::vector<std::string>{"v3", "v1"}));
}

// The per-device file keeps whatever bytes a value holds. A name with a zero
// byte can name no user or context of the agent: it is refused before
// anything is sent, and never read past.
TEST_F(Engine, V3NamesWithAZeroByteAreRefused) {
    StartAgent(EngineStack);
    UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
    struct Case {
        std::string securityName;
        std::string contextName;
        int code;
    } cases[] = {
        {std::string("shades\0 and more", 16), "", -304},
        {"shades", std::string("\0context", 8), -216},
        {"shades", "", 0},
    };
    for (const Case& c : cases) {
        VxSNMPRequest request;
        request.Security.SecurityName = c.securityName;
        request.Scope.ContextName = c.contextName;
        request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
        EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), c.code) << c.securityName.size() << c.contextName.size();
        EXPECT_EQ(CodeOf([&] { request.AsyncGet([](VxSNMPError*, VxSNMPVarList*) {}, true); }), c.code);
    }
}

TEST_F(Engine, AHostNameIsLookedUpOnceNotForEveryRequest) {
    StartAgent(EngineStack);
    std::map<std::string, int> lookUps;
    SnmpTransport::SetHostLookUp([&](const std::string& name, std::string& dotted) {
        ++lookUps[name];
        dotted = "127.0.0.1";
        return name == "stack.kestrix.test";
    });
    SessionParameters.Device.Address = "stack.kestrix.test";
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    for (int i = 0; i < 3; ++i) request.SyncGet(true);
    const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
    EXPECT_EQ(reply.Device.Address, "127.0.0.1");
    request.SyncSet(false);
    // A name that names nothing fails every time, and is not looked up every time either.
    request.Device.Address = "nowhere.kestrix.test";
    for (int i = 0; i < 2; ++i) EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), -509);
    EXPECT_EQ(lookUps, (std::map<std::string, int>{{"stack.kestrix.test", 1}, {"nowhere.kestrix.test", 1}}));
    SnmpTransport::SetHostLookUp({});
}

// The simulated stack listens on ::1 as well. A host name counts by what
// it names: this one only an IPv6 address.
TEST_F(Engine, IPv6AgentsAreReachedByLiteralsWithOrWithoutBracketsAndByName) {
    StartAgent(EngineStack);
    SnmpTransport::SetHostLookUp([](const std::string& name, std::string& numeric) {
        numeric = "::1";
        return name == "stack6.kestrix.test";
    });
    const SnmpVarItem NumberItem[] = {ScalarItems[0], {nullptr, nullptr, 0, 0}};
    for (const uint8_t version : {0, 3}) {
        if (version == 3) UseV3("shades", 3, "shades-auth-pw", 2, "shades-priv-pw", 3);
        else UseVersion(version);
        for (const char* address : {"::1", "[::1]", "0:0:0:0:0:0:0:1", "stack6.kestrix.test"}) {
            VxSNMPRequest request;
            request.Device.Address = address;
            request.VarList = VxSNMPVarList(NumberItem, SVT_SV, 0);
            const VxSNMPError reply = AwaitReply([&](VxSNMPContinuation done) { request.AsyncGet(done, true); });
            EXPECT_EQ(reply.Code, 0) << address << " v" << int(version) << ": " << reply.Message;
            EXPECT_EQ(request.VarList.GetItem(0)->Value, "42") << address;
            EXPECT_EQ(reply.Device.Address, "::1") << address;
            EXPECT_EQ(reply.Device.Port, Stack->Port()) << address;
        }
    }
    UseVersion(1);
    VxSNMPRequest set;
    set.Device.Address = "[::1]";
    set.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    set.VarList.GetItem(1)->Value = "over IPv6";
    EXPECT_EQ(CodeOf([&] { set.SyncSet(false); }), 0);
    EXPECT_EQ(Stack->TraceLines(), std::vector<std::string>{"1.3.6.1.4.1.99.1.2.0 string \"over IPv6\""});
    // What names no address is still refused as invalid.
    for (const char* address : {"[::1", "::1]", "[]", "[127.0.0.1]", ":::1", "::1::2", "[stack6.kestrix.test]"}) {
        VxSNMPRequest request;
        request.Device.Address = address;
        request.VarList = VxSNMPVarList(NumberItem, SVT_SV, 0);
        EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), -509) << address;
    }
    SnmpTransport::SetHostLookUp({});
}

TEST_F(Engine, InvalidAddressFailsWith509) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.Device.Address = "";
    request.VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
    EXPECT_EQ(CodeOf([&] { request.SyncGet(true); }), -509);
    EXPECT_EQ(MessageOf([&] { request.SyncGet(true); }), "(VxSNMP++) Invalid IP Address or DNS name!");
}

TEST_F(Engine, ARequestDestroyedWhileItsReplyIsPendingNeverHearsOfIt) {
    StartAgent(EngineStack);
    Stack->Control("delay 300");
    bool called = false;
    {
        auto request = std::make_unique<VxSNMPRequest>();
        request->VarList = VxSNMPVarList(ScalarItems, SVT_SV, 0);
        request->AsyncGet([&](VxSNMPError*, VxSNMPVarList*) { called = true; }, true);
        request->Pending = 0;  // as if the destructor's wait had run out
    }
    PumpUntil([] { return false; }, 800);
    EXPECT_FALSE(called);
}

TEST_F(Engine, AlivesClearedSendsNothing) {
    StartAgent(EngineStack);
    VxSNMPRequest request;
    request.VarList = VxSNMPVarList(OneRowItems, MVT_UMV, 1);
    request.Alive = 0;
    EXPECT_FALSE(request.SyncGet(true));
    bool called = false;
    request.AsyncGet([&](VxSNMPError*, VxSNMPVarList*) { called = true; }, true);
    EXPECT_EQ(request.Pending, 0);
    EXPECT_FALSE(called);
}

class BootCounter : public ::testing::Test {
protected:
    TempDir Folder{"kx-boot"};
    const std::filesystem::path& Dir = Folder.Path();
    unsigned Count() {
        unsigned n = 0;
        EXPECT_EQ(getBootCounter((Dir / BootCounterFileName).string(), LocalEngineIdText, n), 0);
        return n;
    }
};

TEST_F(BootCounter, StartsAtOneInAFileOfTheUsersOwnAndCountsEveryStart) {
    InitSnmpSession(Dir.string());
    EXPECT_EQ(Count(), 1u);
    namespace fs = std::filesystem;
    EXPECT_EQ(static_cast<unsigned>(fs::status(Dir / BootCounterFileName).permissions() & fs::perms::all), 0600u);
    InitSnmpSession(Dir.string());
    EXPECT_EQ(Count(), 2u);
    EXPECT_EQ(SessionParameters.Device.Address, "127.0.0.1");
    EXPECT_EQ(SessionParameters.Timeout, 100u);
}

TEST_F(BootCounter, KeepsOtherEnginesLines) {
    const std::string path = (Dir / BootCounterFileName).string();
    ASSERT_EQ(saveBootCounter(path, "other", 7), 0);
    ASSERT_EQ(saveBootCounter(path, LocalEngineIdText, 3), 0);
    unsigned n = 0;
    EXPECT_EQ(getBootCounter(path, "other", n), 0);
    EXPECT_EQ(n, 7u);
    EXPECT_EQ(getBootCounter(path, "missing", n), -1);
    EXPECT_EQ(getBootCounter((Dir / "none").string(), "other", n), -2);
    EXPECT_EQ(getBootCounter(path, std::string(33, 'x'), n), -3);
}

// The file's name in the working directory may hold whatever anyone put
// there. What is no boot counter file reads as a counter that cannot be
// read: the start stops with -507, at once, and nothing is written.
TEST_F(BootCounter, ANameThatHoldsNoBootCounterFileStopsTheStartWith507AndWritesNothing) {
    namespace fs = std::filesystem;
    const fs::path name = Dir / BootCounterFileName;
    const fs::path privateFile = Dir / "private";
    const std::string lines = "api_pin 4711\n";
    const struct {
        const char* What;
        std::function<void()> Plant;
    } cases[] = {
        {"a link to a private file", [&] { fs::create_symlink(privateFile, name); }},
        {"a link to nowhere", [&] { fs::create_symlink(Dir / "nowhere", name); }},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(name.c_str(), 0600), 0); }},
        {"a folder", [&] { fs::create_directory(name); }},
        {"a file larger than any boot counter file",
         [&] {
             std::ofstream big(name);
             for (int i = 0; i < 2000; ++i) big << HexText(LocalEngineIdText) << " " << i << "\n";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(name);
        std::ofstream(privateFile) << lines;
        fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
        c.Plant();
        const fs::file_type planted = fs::symlink_status(name).type();

        EXPECT_EQ(CodeOf([&] { InitSnmpSession(Dir.string()); }), -507);
        EXPECT_EQ(MessageOf([&] { InitSnmpSession(Dir.string()); }),
                  "(VxSNMP++) Error when loading SNMP engine boots counter!");

        EXPECT_EQ(fs::symlink_status(name).type(), planted);
        std::ifstream kept(privateFile);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), lines);
        std::vector<fs::path> entries;  // nothing beside them
        for (const auto& entry : fs::directory_iterator(Dir)) entries.push_back(entry.path().filename());
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<fs::path>{BootCounterFileName, "private"}));
    }
}

TEST_F(BootCounter, ALinkUnderTheFileNameIsReplacedNotWrittenThrough) {
    const std::filesystem::path other = Dir / "someone-elses-file";
    std::ofstream(other) << "precious\n";
    std::filesystem::create_symlink(other, Dir / BootCounterFileName);

    ASSERT_EQ(saveBootCounter((Dir / BootCounterFileName).string(), LocalEngineIdText, 1), 0);

    std::ifstream kept(other);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "precious\n");
    EXPECT_FALSE(std::filesystem::is_symlink(Dir / BootCounterFileName));
    EXPECT_EQ(Count(), 1u);
    for (const auto& entry : std::filesystem::directory_iterator(Dir))  // nothing left beside it
        EXPECT_TRUE(entry.path() == other || entry.path() == Dir / BootCounterFileName) << entry.path();
}

TEST_F(BootCounter, AFolderThatCannotBeWrittenStopsTheStartWith508) {
    // Not even the superuser may create a file in /proc.
    EXPECT_EQ(CodeOf([&] { InitSnmpSession("/proc"); }), -508);
    EXPECT_EQ(MessageOf([&] { InitSnmpSession("/proc"); }), "(VxSNMP++) Error when saving SNMP engine boots counter!");
}

TEST(NetSnmpErrors, MapOntoTheLibraryStatusesOfTheMessageTables) {
    struct Case {
        int netSnmp;
        int code;
    } cases[] = {
        {0, 0},       {-24, -405},  {-35, -308}, {-46, -308}, {-33, -304}, {-34, -303},
        {-37, -306},  {-32, -310},  {-36, -311}, {-30, -201}, {-31, -204}, {-17, -216},
        {-3, -418},   {-12, -422},  {-54, -417}, {-62, -402}, {-999, -401},
    };
    for (const auto& c : cases) EXPECT_EQ(MapSnmpStatus(MapNetSnmpError(c.netSnmp)).Code, c.code) << c.netSnmp;
}

}  // namespace
