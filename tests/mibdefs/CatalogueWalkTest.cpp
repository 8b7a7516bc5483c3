// Every item table of the catalogue, opened as a var list of each kind and index count that
// the editors use, read (scalar groups and single rows) or walked (tables) against the
// simulated stack over SNMPv2c. The framework must end every walk and render every value;
// an agent's error status is an answer, not a failure of the framework. The tables that the
// default stack serves with data must also open with rows, every value of the item's own type,
// and every mapped value one of the item's map.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/VxValueMarkers.h"
#include "framework/SnmpValues.h"
#include "framework/VxSNMPRequest.h"
#include "framework/VxSNMPSession.h"
#include "framework/VxSyntax.h"
#include "mibdefs/MibCatalogue.h"
#include "platform/Exception.h"
#include "simstack/SimStackProcess.h"
#include "tests/support/TempFiles.h"

// Test names and parameters show the table's name.
static void PrintTo(const MibTableInfo* table, std::ostream* out) { *out << table->Name; }

namespace {

// A safety net against a walk that never ends; the largest table of the default stack has a
// few hundred rows.
constexpr int MaxRows = 2000;

// Single-row lists read row 1: port 1, unit 1 and member 1 exist in the default stack.
const char* const SingleRowInstance = "1";

const std::string NullText = "(NULL)";
const std::string NotDoneText = "(NOTDONE)";

// The tables that the default stack description seeds (or derives from its units): every
// table of the system area (units, ports, services) and some scalar groups and tables of the
// other areas.
const std::set<std::string_view> SeededTables = {
    // System area.
    "IfXTableItems", "PortCountItems", "SwitchGlobalItems", "PortBandwidthItems",
    "QosSchedulingItems", "QosUserPriorityItems", "QosDefaultPriorityItems", "RmonStateItems",
    "AlarmControlItems", "PortInfoItems", "JumboFrameItems", "QosMechanismItems", "PortCtrlItems",
    "TrunkItems", "TrunkGlobalItems", "MirrorItems", "IgmpSnoopingCtrlItems", "IgmpQueryInfoItems",
    "IgmpMulticastInfoItems", "IgmpSnoopingGlobalItems", "StormCtrlItems",
    "TrafficSegmentationItems", "PortSecurityItems", "AgentModuleInfoItems", "AgentBasicItems",
    "FileTransferItems", "PortSecurityFdbItems", "TrapLogCtrlItems", "SubUnitItems",
    "CableDiagItems", "CpuUtilizationItems", "FirmwareInfoItems", "FirmwareCtrlItems",
    "PowerItems", "StackInfoItems", "UnitMgmtItems", "FanItems", "SwUnitMgmtItems",
    "UnitLedItems", "SystemTimeItems", "SntpItems", "SwSummerTimeItems",
    "SwRepeatSummerTimeItems", "SwAnnualSummerTimeItems", "ProbeConfigItems",
    "SyslogStateItems", "SyslogHostItems", "SingleIpInfoItems", "SingleIpSettingItems",
    "SingleIpMemberItems", "SingleIpMemberCtrlItems", "SingleIpCandidateItems",
    "SingleIpGroupItems", "SingleIpNeighborItems",
    // Bridge area.
    "BridgeBaseItems", "DeviceCapabilitiesItems", "TrafficClassesEnabledItems", "Dot1qBaseItems",
    "Dot1qVlanNumDeletesItems", "StpStateItems", "MstpBridgeItems", "MstpConfigIdItems",
    // The bridge and VLAN dialogs' tables.
    "PortGarpItems", "PortCapabilitiesItems", "Dot1qPortVlanItems", "Dot1qTpGroupItems", "Dot1qForwardAllItems",
    "Dot1qForwardUnregisteredItems", "Dot1qVlanCurrentItems", "Dot1qStaticUnicastItems",
    "Dot1qStaticMulticastItems",
    // Security and access-control areas.
    "Dot1xSystemItems", "AaaStateItems", "CpuFilterStateItems",
    // Layer-3 area.
    "L3ProtocolStateItems", "ArpAgingItems", "IpInterfaceItems", "BootpRelayItems", "DnsRelayItems",
    "DnsRelayStaticItems", "RoutePreferenceItems", "RipTimerItems",
    // The further tables behind the main menu's generic pages.
    "StpPortItems", "MstpInstanceItems", "MstpPortItems", "MstpPortInstanceItems", "PortPriorityItems",
    "UserPriorityRegenItems", "TrafficClassItems", "PortOutboundAccessPriorityItems", "Dot1qTpFdbItems",
    "SnmpTargetAddrExtItems", "AuthProtocolItems", "Dot1xAuthConfigItems", "Dot1xAuthStatsItems",
    "Dot1xAuthDiagItems", "Dot1xAuthSessionStatsItems", "Dot1xMacAuthStateItems",
    "Dot1xMacSessionStatsItems", "RadiusServerItems", "RadiusAuthClientItems", "RadiusAuthServerItems",
    "RadiusAccClientItems", "RadiusAccServerItems", "AaaGlobalItems", "AaaApplicationItems",
    "AaaServerGroupItems", "SshGlobalItems", "SshKexItems", "SshCipherItems", "SshAuthMethodItems",
    "SshMacItems", "SshPublicKeyItems", "SslGlobalItems", "SslCertificateItems", "LacpAggItems",
    "StaticArpItems", "StaticRouteItems", "InterfaceMacOffsetItems", "OspfVirtIfItems", "OspfHostItems",
    "VrrpGlobalItems", "VrrpOperItems", "VrrpAssocIpItems", "VrrpStatsGlobalItems", "VrrpRouterStatsItems",
    "PimInterfaceItems", "PimNeighborItems", "PimMRouteItems", "PimRpSetItems", "PimCandidateRpItems",
    "PimCbsrItems", "PimCbsrInterfaceItems", "PimCandidateRpGlobalItems", "PimSptThresholdItems",
    "PimRegChecksumItems", "PimRegisterItems", "PimDrPriorityItems", "PimStaticRpItems",
    "IgmpInterfaceItems",
    // Protocol VLANs and the LACP port states.
    "ProtocolVlanItems", "LacpAggPortItems",
};

// Seeded tables whose editors' index items do not address a whole row (the agent's rows have
// a longer index), so the values read cannot be written back.
const std::set<std::string_view> SeededReadOnlyTables = {
    "IgmpCacheItems",
    "IgmpSrcListItems",
};

// The SNMPv3 tables that the agent keeps itself, with data but not for writing back (the
// notification tables hold the description's trap sinks, stored read-only).
const std::set<std::string_view> AgentTables = {
    "SnmpEngineItems", "SnmpMpdStatsItems", "UsmStatsItems", "UsmUserItems", "VacmSecurityToGroupItems",
    "VacmAccessItems", "VacmViewTreeFamilyItems", "SnmpTargetGlobalItems", "SnmpTargetAddrItems",
    "SnmpTargetParamsItems", "SnmpNotifyItems",
};

bool IsTableKind(uint8_t kind) { return kind == MVT_FMV || kind == MVT_UMV; }

// Error statuses of the agent (noSuchName, genErr, ...) map to -101..-118.
bool IsAgentAnswer(int code) { return code <= -101 && code >= -118; }

// The value type a binding must carry for an item of this syntax.
uint8_t WireTypeOf(uint32_t syntax) {
    switch (syntax) {
    case sxInteger: return SNMP_INTEGER;
    case sxCounter: return SNMP_COUNTER32;
    case sxGauge:
    case sxUInteger: return SNMP_GAUGE32;
    case sxTimeTicks: return SNMP_TIMETICKS;
    case sxCounter64: return SNMP_COUNTER64;
    case sxIpAddress: return SNMP_IPADDRESS;
    case sxObjectId: return SNMP_OID;
    default: return SNMP_OCTETS;
    }
}

// Why the item's value text does not read as a value of its syntax and map, or empty.
// Octet strings may be empty (the LED string of an absent unit is).
std::string RenderFault(const SnmpVar& item) {
    const std::string& v = item.Value;
    if (IsValueMarker(v)) return {};
    const VxOptionList* map = item.OptionList();
    if (map && map->IndexOfLabel(v) >= 0) return {};
    const VxSyntax& row = SyntaxOf(static_cast<int>(item.Syntax));
    if (v.empty() && row.Split == SyntaxSplit::HexOctets) return {};
    const auto needs = CheckValueText(static_cast<int>(item.Syntax), v);
    return needs ? "not " + *needs : "";
}

// A request that also notes, per binding taken in, whether the agent served a value of the
// item's own type (and a MAC address of six octets).
class CheckingRequest : public VxSNMPRequest {
public:
    std::vector<std::string> TypeFaults;  // the first few
    int TypeFaultCount = 0;

    void StoreValue(int pos, const Vb& vb) override {
        VxSNMPRequest::StoreValue(pos, vb);
        const SnmpVar& item = *VarList.GetItem(pos);
        if (vb.Type != WireTypeOf(item.Syntax))
            NoteTypeFault(vb.Oid + " (\"" + item.Label + "\"): type 0x" + Hex(vb.Type));
        else if (item.Syntax == sxMacAddress && vb.Bytes.size() != 6)
            NoteTypeFault(vb.Oid + " (\"" + item.Label + "\"): " + std::to_string(vb.Bytes.size()) +
                          " octets for a MAC address");
    }

private:
    void NoteTypeFault(std::string fault) {
        if (++TypeFaultCount <= 5) TypeFaults.push_back(std::move(fault));
    }

    static std::string Hex(uint8_t type) {
        std::ostringstream out;
        out << std::hex << static_cast<int>(type);
        return out.str();
    }
};

class CatalogueWalk : public testing::TestWithParam<const MibTableInfo*> {
protected:
    // One simulated stack for every test of this process: the walks only read.
    static void SetUpTestSuite() {
        Dir = std::make_unique<TempDir>("kx-catalogue-walk");
        Stack = std::make_unique<SimStackProcess>();
        if (!SnmpSessionStarted()) InitSnmpSession(Dir->Path().string());
    }

    static void TearDownTestSuite() {
        Stack.reset();
        Dir.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(Stack) << "the simulated stack did not start";
        SessionParameters.Device.Address = Stack->Address();
        SessionParameters.Device.Port = Stack->Port();
        SessionParameters.Security.Version = 1;  // SNMPv2c
    }

    // Checks the values that one reply wrote: the readable items, and for a table also the
    // index items taken from the row instance.
    static void CheckRow(const MibTableInfo& table, const VxSNMPVarList& list, int row, bool withData) {
        for (int i = 0; i < static_cast<int>(list.GetCount()); ++i) {
            const bool fromInstance = IsTableKind(table.Kind) && static_cast<uint32_t>(i) < table.IndexCount;
            if (!list.IsReadable(i) && !fromInstance) continue;
            const SnmpVar& item = *list.GetItem(i);
            const std::string where = "row " + std::to_string(row) + ", item " + std::to_string(i) + " \"" +
                                      item.Label + "\" = \"" + item.Value + "\"";
            EXPECT_EQ(RenderFault(item), "") << where;
            if (!withData) continue;
            EXPECT_NE(item.Value, NullText) << where << ": not served";
            EXPECT_FALSE(IsMissingValueText(item.Value)) << where << ": the agent has no value there";
            EXPECT_NE(item.Value, NotDoneText) << where << ": column ends before the others";
            if (const VxOptionList* map = item.OptionList()) {
                EXPECT_GE(map->IndexOfLabel(item.Value), 0) << where << ": not a value of the item's map";
            }
        }
    }

    // Writes the values just read back to the agent in one set: every item that an editor
    // writes must be writable there, of its type and within the object's constraints.
    static void WriteBack(const MibTableInfo& table, CheckingRequest& request) {
        bool any = false;
        for (int i = 0; i < static_cast<int>(request.VarList.GetCount()); ++i) {
            const bool index = IsTableKind(table.Kind) && static_cast<uint32_t>(i) < table.IndexCount;
            any = any || (!index && request.VarList.IsWritable(i));
        }
        if (!any) return;
        try {
            request.SyncSet(false);
        } catch (const Exception& e) {
            ADD_FAILURE() << "the agent refuses the values it served: " << e.HelpContext << " " << e.Message();
        }
    }

    static std::unique_ptr<TempDir> Dir;
    static std::unique_ptr<SimStackProcess> Stack;
};

std::unique_ptr<TempDir> CatalogueWalk::Dir;
std::unique_ptr<SimStackProcess> CatalogueWalk::Stack;

TEST_P(CatalogueWalk, ReadsToTheEndAndRendersEveryValue) {
    const MibTableInfo& table = *GetParam();
    const bool seeded = SeededTables.contains(table.Name);
    const bool withData =
        seeded || AgentTables.contains(table.Name) || SeededReadOnlyTables.contains(table.Name);
    CheckingRequest request;
    request.VarList = VxSNMPVarList(table.Items, table.Kind, table.IndexCount);
    if (table.Kind == MVT_SV) request.VarList.Instance = SingleRowInstance;

    int rows = 0;
    int agentError = 0;
    try {
        if (IsTableKind(table.Kind)) {
            for (bool row = request.SyncGet(true); row; row = request.SyncGet(false)) {
                CheckRow(table, request.VarList, ++rows, withData);
                if (seeded && rows == 1) WriteBack(table, request);
                ASSERT_LT(rows, MaxRows) << "the walk does not end";
            }
        } else {
            request.SyncGet(true);
            CheckRow(table, request.VarList, ++rows, withData);
            if (seeded) WriteBack(table, request);
        }
    } catch (const Exception& e) {
        ASSERT_TRUE(IsAgentAnswer(e.HelpContext))
            << "framework failure " << e.HelpContext << " after " << rows << " rows: " << e.Message();
        agentError = e.HelpContext;
    } catch (const std::exception& e) {
        FAIL() << "framework failure after " << rows << " rows: " << e.what();
    }

    if (!withData) return;
    EXPECT_EQ(agentError, 0) << "the agent refused a table it serves";
    EXPECT_GT(rows, 0) << "the default stack has no rows for this table";
    EXPECT_EQ(request.TypeFaultCount, 0) << "values not of the items' types, first ones: "
                                          << testing::PrintToString(request.TypeFaults);
}

std::string TestName(const testing::TestParamInfo<const MibTableInfo*>& info) {
    static const char* const KindNames[] = {"SVT_SV", "MVT_SV", "MVT_FMV", "MVT_UMV"};
    return std::string(info.param->Name) + "_" + KindNames[info.param->Kind];
}

std::vector<const MibTableInfo*> AllTables() {
    std::vector<const MibTableInfo*> tables;
    for (size_t t = 0; t < MibCatalogueCount; ++t) tables.push_back(&MibCatalogue[t]);
    return tables;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWalk, testing::ValuesIn(AllTables()), TestName);

// Every name in the two lists is a table of the catalogue, so a renamed table cannot drop out
// of the checks unnoticed.
TEST(CatalogueWalkLists, NameCatalogueTables) {
    for (std::string_view name : SeededTables) EXPECT_NE(FindMibTable(name), nullptr) << name;
    for (std::string_view name : AgentTables) EXPECT_NE(FindMibTable(name), nullptr) << name;
    for (std::string_view name : SeededReadOnlyTables) EXPECT_NE(FindMibTable(name), nullptr) << name;
}

}  // namespace
