// What the row editors of the feature dialogs write, decided from a snapshot
// of the form without any window: the row status by value, the rules every
// row editor shares, and each dialog's own (protocol VLANs, authentication
// servers, method lists, MD5 keys, BOOTP relay pairs) as tables of cases.

#include <gtest/gtest.h>

#include <string>

#include "common/VxOptionList.h"
#include "features/BootpRelayRules.h"
#include "features/Md5KeyRules.h"
#include "features/MemberSwitchRules.h"
#include "features/MethodListRules.h"
#include "features/ProtocolVlanRules.h"
#include "features/ServerInfoRules.h"
#include "framework/SnmpVarItem.h"
#include "mibdefs/SecurityMib.h"
#include "mibdefs/SystemMib.h"

namespace {

const VxOptionList& MapOf(const SnmpVarItem* items, int item) {
    return *dynamic_cast<const VxOptionList*>(items[item].Options);
}

// A combo box of the item showing `label`, as a user leaves it.
RowCombo Shows(const SnmpVarItem* items, int item, const std::string& label) {
    return {label, MapOf(items, item).IndexOfLabel(label)};
}

// ---------------------------------------------------------------- row status

// Where a map puts a status is the map's business: createAndGo is the
// second entry of most row-status maps, the first of the member switches',
// the third of the trunks' (whose "enable" and "disable" stand for active
// and notInService).
TEST(RowStatusByValue, FindsEachStatusWhereverItsMapPutsIt) {
    const VxOptionList& protocolVlans = MapOf(ProtocolVlanTable.Items, pvRowStatus);
    const VxOptionList& members = MapOf(SingleIpMemberCtrlItems, 3);
    const VxOptionList& trunks = MapOf(TrunkItems, 6);
    struct Case {
        const VxOptionList* Map;
        int Status, Entry;
    };
    const Case cases[] = {
        {&protocolVlans, RowActive, 0},   {&protocolVlans, RowCreateAndGo, 1}, {&protocolVlans, RowDestroy, 2},
        {&members, RowCreateAndGo, 0},    {&members, RowDestroy, 1},           {&members, RowActive, -1},
        {&trunks, RowNotInService, 1},    {&trunks, RowCreateAndGo, 2},        {&trunks, RowDestroy, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Status) + " at " + std::to_string(c.Entry));
        EXPECT_EQ(RowStatusEntry(*c.Map, c.Status), c.Entry);
        if (c.Entry >= 0) {
            EXPECT_EQ(RowStatusAt(*c.Map, c.Entry), c.Status);
        }
    }
    EXPECT_EQ(RowStatusAt(protocolVlans, -1), 0) << "no entry chosen";
    EXPECT_EQ(RowStatusAt(protocolVlans, 3), 0) << "past the map";
}

// A combo at entry 0 shows active in one table and createAndGo in another:
// the rules go by the value.
TEST(RowStatusByValue, TheRulesReadTheStatusAComboShowsThroughItsMap) {
    const RowTable members{SingleIpMemberCtrlItems, 1, 3};
    RowSnapshot form;
    form.Combos[3] = {"createAndGo", 0};
    EXPECT_EQ(RowStatusShown(members, form), RowCreateAndGo);
    EXPECT_EQ(CheckCreatesRow(members, form), std::nullopt);
    form.Combos[pvRowStatus] = {"active", 0};
    EXPECT_EQ(RowStatusShown(ProtocolVlanTable, form), RowActive);
    EXPECT_EQ(CheckCreatesRow(ProtocolVlanTable, form), (RowRefusal{RowStateMustBeCreateAndGo, pvRowStatus}));
    EXPECT_EQ(RowStatusShown(ProtocolVlanTable, RowSnapshot{}), 0) << "nothing chosen";
}

// ---------------------------------------------------------------- shared rules

TEST(SharedRowRules, KeysAreCheckedInOrderAndOnlyAnAddLooksForADuplicateOrMovesTheFocus) {
    const char* const missing[] = {"IP missing.", "Protocol missing."};
    auto form = [](const std::string& ip, const std::string& protocol) {
        RowSnapshot f;
        f.Edits[srvIp] = ip;
        if (!protocol.empty()) f.Combos[srvProtocol] = Shows(ServerTable.Items, srvProtocol, protocol);
        f.ListedKeys = {{"10.0.0.1", "radius"}};
        return f;
    };
    struct Case {
        const char* Name;
        RowSnapshot Form;
        RowWrite Write;
        std::optional<RowRefusal> Refusal;
    };
    const Case cases[] = {
        {"add without an address", form("", "radius"), RowWrite::Add, RowRefusal{"IP missing.", srvIp}},
        {"add without a protocol", form("10.0.0.1", ""), RowWrite::Add, RowRefusal{"Protocol missing.", srvProtocol}},
        {"add of a listed key", form("10.0.0.1", "radius"), RowWrite::Add,
         RowRefusal{ServerTable.DuplicateMessage, srvIp}},
        {"add of the same address with another protocol", form("10.0.0.1", "tacacs"), RowWrite::Add, std::nullopt},
        {"set without an address names no field", form("", "radius"), RowWrite::Set, RowRefusal{"IP missing."}},
        {"set of a listed key", form("10.0.0.1", "radius"), RowWrite::Set, std::nullopt},
        {"delete is not checked", form("", ""), RowWrite::Delete, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckKeys(ServerTable, missing, c.Form, c.Write), c.Refusal) << c.Name;
}

TEST(SharedRowRules, TheWriteOfTheSelectedRowDeletesWithDestroyShownOnceTheKeyIsSet) {
    struct Case {
        const char* Name;
        std::string Index;
        const char* Status;
        RowWrite Plain, Keyed;
    };
    const Case cases[] = {
        {"destroy", "5", "destroy", RowWrite::Delete, RowWrite::Delete},
        {"active", "5", "active", RowWrite::Set, RowWrite::Set},
        {"no status", "5", nullptr, RowWrite::Set, RowWrite::Set},
        {"destroy without the key", "", "destroy", RowWrite::Delete, RowWrite::Set},
    };
    for (const Case& c : cases) {
        RowSnapshot form;
        form.Edits[pvIndex] = c.Index;
        if (c.Status) form.Combos[pvRowStatus] = Shows(ProtocolVlanTable.Items, pvRowStatus, c.Status);
        EXPECT_EQ(WriteOfSelectedRow(ProtocolVlanTable, form), c.Plain) << c.Name;
        EXPECT_EQ(WriteOfKeyedRow(ProtocolVlanTable, form), c.Keyed) << c.Name;
    }
    EXPECT_EQ(StatusWrittenBy(RowWrite::Add), RowCreateAndGo);
    EXPECT_EQ(StatusWrittenBy(RowWrite::Delete), RowDestroy);
    EXPECT_EQ(StatusWrittenBy(RowWrite::Set), 0) << "the status shown";
    EXPECT_EQ(DeleteLeftOut(ProtocolVlanTable), (RowItems{pvName, pvType, pvAdvertisement, pvUserProtocol, pvEncap}));
}

// ---------------------------------------------------------------- protocol VLANs

// The entry as the user left it: index, name, type, advertisement, user
// protocol, encapsulation, row status ("" for nothing chosen or typed).
RowSnapshot ProtocolVlanEntry(const char* index, const char* name, const char* type, const char* advertisement,
                              const char* user, const char* encap, const char* status) {
    RowSnapshot form;
    form.Edits = {{pvIndex, index}, {pvName, name}, {pvUserProtocol, user}};
    const std::pair<int, const char*> combos[] = {
        {pvType, type}, {pvAdvertisement, advertisement}, {pvEncap, encap}, {pvRowStatus, status}};
    for (const auto& [item, label] : combos)
        if (*label) form.Combos[item] = Shows(ProtocolVlanTable.Items, item, label);
    form.ListedKeys = {{"1", "ip-group"}, {"2", "snap-2048"}};
    return form;
}

RowItems Carried(const RowItems& leftOut, int items) {
    RowItems carried;
    for (int item = 0; item < items; ++item)
        if (!leftOut.count(item)) carried.insert(item);
    return carried;
}

TEST(ProtocolVlanRules, AddAndEditCarryTheColumnsThatApplyToWhatTheEntryHolds) {
    struct Case {
        const char* Name;
        RowSnapshot Form;
        RowWrite Write;
        RowItems Carried;  // the index is the row's instance, never a value
    };
    const Case cases[] = {
        {"IP: no user protocol nor encapsulation",
         ProtocolVlanEntry("10", "ip10", "protocol-ip", "enabled", "2048", "snap", "createAndGo"), RowWrite::Add,
         {pvIndex, pvName, pvType, pvAdvertisement, pvRowStatus}},
        {"user-defined with its number and encapsulation",
         ProtocolVlanEntry("11", "snap11", "protocol-userDefined", "disabled", "2048", "snap", "createAndGo"),
         RowWrite::Add, {pvIndex, pvName, pvType, pvAdvertisement, pvUserProtocol, pvEncap, pvRowStatus}},
        {"user-defined without encapsulation",
         ProtocolVlanEntry("12", "u12", "protocol-userDefined", "disabled", "34525", "", "createAndGo"),
         RowWrite::Add, {pvIndex, pvName, pvType, pvAdvertisement, pvUserProtocol, pvRowStatus}},
        {"user-defined without its number",
         ProtocolVlanEntry("12", "u12", "protocol-userDefined", "disabled", "", "llc", "createAndGo"), RowWrite::Add,
         {pvIndex, pvName, pvType, pvAdvertisement, pvEncap, pvRowStatus}},
        {"nothing but the advertisement", ProtocolVlanEntry("13", "", "", "enabled", "", "", "createAndGo"),
         RowWrite::Add, {pvIndex, pvAdvertisement, pvRowStatus}},
        {"edit without a row status", ProtocolVlanEntry("2", "snap-v2", "protocol-ip", "", "", "", ""),
         RowWrite::Set, {pvIndex, pvName, pvType}},
        {"edit with destroy: the name and the destroy",
         ProtocolVlanEntry("1", "ip-group", "protocol-ip", "enabled", "", "ethernet", "destroy"), RowWrite::Set,
         {pvIndex, pvName, pvRowStatus}},
        {"delete: the destroy alone",
         ProtocolVlanEntry("2", "snap-2048", "protocol-userDefined", "disabled", "2048", "snap", "destroy"),
         RowWrite::Delete, {pvIndex, pvRowStatus}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Carried(ProtocolVlanLeftOut(c.Form, c.Write), pvRowStatus + 1), c.Carried) << c.Name;
    EXPECT_EQ(ProtocolVlanWriteOfSelected(ProtocolVlanEntry("1", "", "", "", "", "", "destroy")), RowWrite::Set)
        << "Edit with destroy stays an Edit that sends the name";
}

// A check of the key and row status: the key typed, the status chosen, the
// write, what is refused.
struct KeyCheckCase {
    const char* Key;
    const char* Status;
    RowWrite Write;
    std::optional<RowRefusal> Refusal;
};

TEST(ProtocolVlanRules, AddNeedsANewIndexAndCreateAndGoEditAnIndex) {
    const KeyCheckCase cases[] = {
        {"", "createAndGo", RowWrite::Add, RowRefusal{"Index must be set.", pvIndex}},
        {"2", "createAndGo", RowWrite::Add,
         RowRefusal{"There is already a record with the same Index. Please modified it.", pvIndex}},
        {"02", "createAndGo", RowWrite::Add, std::nullopt},
        {"20", "active", RowWrite::Add, RowRefusal{RowStateMustBeCreateAndGo, pvRowStatus}},
        {"20", "", RowWrite::Add, RowRefusal{RowStateMustBeCreateAndGo, pvRowStatus}},
        {"", "active", RowWrite::Set, RowRefusal{"Index must be set."}},
        {"2", "destroy", RowWrite::Set, std::nullopt},
        {"", "", RowWrite::Delete, std::nullopt},
    };
    for (const KeyCheckCase& c : cases)
        EXPECT_EQ(CheckProtocolVlan(ProtocolVlanEntry(c.Key, "", "", "", "", "", c.Status), c.Write), c.Refusal)
            << c.Key << "/" << c.Status;
}

// ---------------------------------------------------------------- authentication servers

TEST(ServerRules, WritesCarryTheFilledFieldsEditNeverTheRowStatusDeleteOnlyIt) {
    auto form = [](ServerFieldsSnapshot fields, const char* status) {
        RowSnapshot f;
        f.Edits = {{srvIp, "10.0.0.1"}, {srvPort, fields[0]}, {srvKey, fields[1]}, {srvTimeout, fields[2]},
                   {srvRetry, fields[3]}};
        f.Combos = {{srvProtocol, Shows(ServerTable.Items, srvProtocol, "radius")},
                    {srvRowStatus, Shows(ServerTable.Items, srvRowStatus, status)}};
        return f;
    };
    struct Case {
        const char* Name;
        RowSnapshot Form;
        RowWrite Write;
        RowItems Carried;
    };
    const Case cases[] = {
        {"add of nothing but the key", form({"", "", "", ""}, "createAndGo"), RowWrite::Add,
         {srvIp, srvProtocol, srvRowStatus}},
        {"add with a port and a timeout", form({"49", "", "30", ""}, "createAndGo"), RowWrite::Add,
         {srvIp, srvProtocol, srvPort, srvTimeout, srvRowStatus}},
        {"edit without a key keeps the stored key", form({"1645", "", "5", "2"}, "active"), RowWrite::Set,
         {srvIp, srvProtocol, srvPort, srvTimeout, srvRetry}},
        {"delete", form({"50", "k", "5", "2"}, "destroy"), RowWrite::Delete, {srvIp, srvProtocol, srvRowStatus}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Carried(ServerLeftOut(c.Form, c.Write), srvRowStatus + 1), c.Carried) << c.Name;
    EXPECT_EQ(CheckServer(form({"", "", "", ""}, "active"), RowWrite::Add),
              (RowRefusal{RowStateMustBeCreateAndGo, srvRowStatus}));
    EXPECT_EQ(CheckServer(form({"", "", "", ""}, "active"), RowWrite::Set), std::nullopt);
}

// ---------------------------------------------------------------- method lists

TEST(MethodListRules, WritesLeaveOutAbsentMethodsAndAfterGoingOnTheIneffectiveOnes) {
    const RowTable login{AaaLoginMethodListItems, 1, mlRowStatus, "listed"};
    auto form = [&](std::array<const char*, 4> types, const char* name, const char* status) {
        RowSnapshot f;
        f.Edits[mlName] = name;
        for (int n = 0; n < 4; ++n)
            if (*types[static_cast<size_t>(n)])
                f.Combos[2 * n + 1] = Shows(login.Items, 2 * n + 1, types[static_cast<size_t>(n)]);
        if (*status) f.Combos[mlRowStatus] = Shows(login.Items, mlRowStatus, status);
        f.ListedKeys = {{"default", ""}};
        return f;
    };
    RowSnapshot ineffective = form({"tacacs-plus", "local", "radius", ""}, "new", "createAndGo");
    EXPECT_TRUE(MethodOrderWarned(ineffective, RowWrite::Add));
    EXPECT_TRUE(MethodOrderWarned(ineffective, RowWrite::Set));
    EXPECT_FALSE(MethodOrderWarned(ineffective, RowWrite::Delete));
    EXPECT_EQ(Carried(MethodListLeftOut(ineffective, RowWrite::Add), 10), (RowItems{0, 1, 3, 5, 9}));
    ineffective.WentOnAfterWarning = true;
    EXPECT_EQ(Carried(MethodListLeftOut(ineffective, RowWrite::Add), 10), (RowItems{0, 1, 3, 9}));
    EXPECT_EQ(Carried(MethodListLeftOut(ineffective, RowWrite::Set), 10), (RowItems{0, 1, 3}));
    EXPECT_EQ(Carried(MethodListLeftOut(ineffective, RowWrite::Delete), 10), (RowItems{0, 1, 9}));

    const KeyCheckCase cases[] = {
        {"", "createAndGo", RowWrite::Add, RowRefusal{"missing", mlName}},
        {"default", "createAndGo", RowWrite::Add, RowRefusal{"listed", mlName}},
        {"Default", "createAndGo", RowWrite::Add, std::nullopt},
        {"fresh", "active", RowWrite::Add, RowRefusal{RowStateMustBeCreateAndGo, mlRowStatus}},
        {"", "active", RowWrite::Set, RowRefusal{"missing"}},
        {"default", "destroy", RowWrite::Set, std::nullopt},
    };
    for (const KeyCheckCase& c : cases)
        EXPECT_EQ(CheckMethodList(login, "missing", form({"tacacs", "", "", ""}, c.Key, c.Status), c.Write), c.Refusal)
            << c.Key << "/" << c.Status;
}

// ---------------------------------------------------------------- MD5 keys, member switches and BOOTP relay pairs

TEST(Md5KeyRules, AnAddNeedsAnIdNotListedAsTextAndAKey) {
    struct Case {
        const char* KeyId;
        const char* Key;
        std::optional<RowRefusal> Refusal;
    };
    const Case cases[] = {
        {"", "secret", RowRefusal{"KeyID is needed.", md5KeyId}},
        {"7", "secret", RowRefusal{"KeyID must be different.", md5KeyId}},
        {"9", "", RowRefusal{"Key is needed.", md5Key}},
        {"07", "other", std::nullopt},
        {"9", "secret", std::nullopt},
    };
    for (const Case& c : cases) {
        RowSnapshot form;
        form.Edits = {{md5KeyId, c.KeyId}, {md5Key, c.Key}};
        form.ListedKeys = {{"1", "ospf-area0"}, {"5", "backbone"}, {"7", "rip-lab"}};
        EXPECT_EQ(CheckNewMd5Key(form), c.Refusal) << c.KeyId << "/" << c.Key;
    }
    EXPECT_EQ(Md5StatusOf(RowWrite::Set), RowActive);
    EXPECT_EQ(Md5StatusOf(RowWrite::Add), RowCreateAndGo);
    EXPECT_EQ(Md5StatusOf(RowWrite::Delete), RowDestroy);
}

TEST(MemberSwitchRules, AMemberIdIsAWholeNumberFromOneTo32) {
    const RowRefusal needed{"MSID is needed.", msId};
    const RowRefusal range{"MSID must be a whole number from 1 to 32.", msId};
    struct Case {
        const char* Id;
        RowWrite Write;
        std::optional<RowRefusal> Refusal;
    };
    const Case cases[] = {
        {"", RowWrite::Add, needed}, {"", RowWrite::Set, range},     {"0", RowWrite::Add, range},
        {"33", RowWrite::Add, range}, {"3.5", RowWrite::Add, range}, {"-1", RowWrite::Set, range},
        {"1", RowWrite::Add, std::nullopt}, {"32", RowWrite::Set, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckMemberId(c.Id, c.Write), c.Refusal) << '"' << c.Id << '"';
    EXPECT_EQ(MemberStatusOf(RowWrite::Add), RowCreateAndGo);
    EXPECT_EQ(MemberStatusOf(RowWrite::Set), RowCreateAndGo);
    EXPECT_EQ(MemberStatusOf(RowWrite::Delete), RowDestroy);
}

TEST(BootpRelayRules, AnInterfaceTakesFourServersCountedByItsExactName) {
    RowSnapshot form;
    form.ListedKeys = {{"System", "10.90.90.2"}, {"System", "10.90.90.3"}, {"System", "10.90.90.4"},
                       {"lab", "10.1.1.1"}};
    EXPECT_FALSE(BootpInterfaceFull(form, "System")) << "three listed: a fourth goes";
    form.ListedKeys.emplace_back("System", "10.90.90.5");
    EXPECT_TRUE(BootpInterfaceFull(form, "System"));
    EXPECT_FALSE(BootpInterfaceFull(form, "system")) << "letter case names another interface";
    EXPECT_FALSE(BootpInterfaceFull(RowSnapshot{}, "System"));
}

}  // namespace
