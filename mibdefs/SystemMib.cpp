#include "mibdefs/SystemMib.h"

const std::string DefaultModelName = "Kestrix";

// LED state byte (masked with 7) to colour, 0x00BBGGRR.
constexpr VxLedColorPair PortLedColorPairs[] = {
    {0, 0x000000}, {2, 0x00FF00}, {4, 0x00FF00}, {0, LedColorEnd}};
constexpr VxLedColorPair SystemLedColorPairs[] = {
    {0, 0x000000}, {1, 0x000000}, {2, 0x00FF00}, {3, 0x00FF00}, {4, 0x00FF00}, {5, 0x0000FF},
    {0, LedColorEnd}};
const VxSNMPLedColorMapList PortLedColorMap(PortLedColorPairs, 7, 0x80, 0x000000, 0xFFFFFF);
const VxSNMPLedColorMapList SystemLedColorMap(SystemLedColorPairs, 7, 0x80, 0x000000, 0xFFFFFF);

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// System, port, QoS, IGMP snooping and RMON groups (start-up group InitMibDefinitions).

constexpr VxIntPair LinkUpDownTrapEnablePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VxOptionList LinkUpDownTrapEnableValues(LinkUpDownTrapEnablePairs);
constexpr VxIntPair PromiscuousModePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList PromiscuousModeValues(PromiscuousModePairs);
constexpr VxIntPair ConnectorPresentPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList ConnectorPresentValues(ConnectorPresentPairs);
constexpr VxIntPair SpanningTreeAlgorithmPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList SpanningTreeAlgorithmValues(SpanningTreeAlgorithmPairs);
constexpr VxIntPair IGMPSnoopingPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList IGMPSnoopingValues(IGMPSnoopingPairs);
constexpr VxIntPair CleanAllStatisticCounterPairs[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const VxOptionList CleanAllStatisticCounterValues(CleanAllStatisticCounterPairs);
constexpr VxIntPair MACNotifyStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList MACNotifyStateValues(MACNotifyStatePairs);
constexpr VxIntPair TelnetStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList TelnetStateValues(TelnetStatePairs);
constexpr VxIntPair SchedulingMechanismPairs[] = {
    {1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {0, nullptr},
};
const VxOptionList SchedulingMechanismValues(SchedulingMechanismPairs);
constexpr VxIntPair RmonStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList RmonStateValues(RmonStatePairs);
constexpr VxIntPair NewRootAlarmPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList NewRootAlarmValues(NewRootAlarmPairs);
constexpr VxIntPair TopologyChangeAlarmPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList TopologyChangeAlarmValues(TopologyChangeAlarmPairs);
constexpr VxIntPair LinkChangeAlarmPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList LinkChangeAlarmValues(LinkChangeAlarmPairs);
constexpr VxIntPair PortTypePairs[] = {
    {1, "portType-100Base-TX"}, {2, "portType-100Base-FX"}, {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"}, {5, "portType-1000Base-SX"}, {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"}, {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"}, {10, "portType-1000Base-1394"},
    {11, "portType-1000Base-TX-GBIC-COMBO"}, {12, "portType-1000Base-none-GBIC"},
    {13, "portType-1000Base-SX-MGBIC"}, {14, "portType-1000Base-LX-MGBIC"},
    {15, "portType-1000Base-TX-MGBIC"}, {16, "portType-1000Base-none-MGBIC"}, {17, "portType-SIO"},
    {18, "portType-10G"}, {19, "portType-none"}, {0, nullptr},
};
const VxOptionList PortTypeValues(PortTypePairs);
constexpr VxIntPair LinkStatusPairs[] = {{2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const VxOptionList LinkStatusValues(LinkStatusPairs);
constexpr VxIntPair NwayStatusPairs[] = {
    {1, "other"}, {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"}, {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"}, {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"}, {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"}, {0, nullptr},
};
const VxOptionList NwayStatusValues(NwayStatusPairs);
constexpr VxIntPair JumboFrameStatusPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList JumboFrameStatusValues(JumboFrameStatusPairs);
constexpr VxIntPair QOSSchedulingMechanismStatusPairs[] = {
    {1, "strict"}, {3, "weightfair"}, {0, nullptr},
};
const VxOptionList QOSSchedulingMechanismStatusValues(QOSSchedulingMechanismStatusPairs);
constexpr VxIntPair QOSHolPreventionStatusPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList QOSHolPreventionStatusValues(QOSHolPreventionStatusPairs);
constexpr VxIntPair AdminStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList AdminStateValues(AdminStatePairs);
constexpr VxIntPair NwayStatePairs[] = {
    {1, "other"}, {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"}, {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"}, {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"}, {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"}, {0, nullptr},
};
const VxOptionList NwayStateValues(NwayStatePairs);
constexpr VxIntPair FlowControlStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList FlowControlStateValues(FlowControlStatePairs);
constexpr VxIntPair LockStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList LockStateValues(LockStatePairs);
constexpr VxIntPair PortCtrlMACNotifyStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList PortCtrlMACNotifyStateValues(PortCtrlMACNotifyStatePairs);
constexpr VxIntPair TrunkTypePairs[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const VxOptionList TrunkTypeValues(TrunkTypePairs);
constexpr VxIntPair TrunkStatePairs[] = {
    {1, "enable"}, {2, "disable"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
    {0, nullptr},
};
const VxOptionList TrunkStateValues(TrunkStatePairs);
constexpr VxIntPair TrunkAlgorithmPairs[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {5, "ip-source"},
    {6, "ip-destination"}, {7, "ip-source-dest"}, {0, nullptr},
};
const VxOptionList TrunkAlgorithmValues(TrunkAlgorithmPairs);
constexpr VxIntPair MirrorStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList MirrorStateValues(MirrorStatePairs);
constexpr VxIntPair QueryStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList QueryStateValues(QueryStatePairs);
constexpr VxIntPair CurrentStatePairs[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr},
};
const VxOptionList CurrentStateValues(CurrentStatePairs);
constexpr VxIntPair ControlStatePairs[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const VxOptionList ControlStateValues(ControlStatePairs);
constexpr VxIntPair FastLeaveStatePairs[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const VxOptionList FastLeaveStateValues(FastLeaveStatePairs);
constexpr VxIntPair BroadcastStormControlPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList BroadcastStormControlValues(BroadcastStormControlPairs);
constexpr VxIntPair MulticastStormControlPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList MulticastStormControlValues(MulticastStormControlPairs);
constexpr VxIntPair DestinationLookupFailControlPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList DestinationLookupFailControlValues(DestinationLookupFailControlPairs);
constexpr VxIntPair SecurityModePairs[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr},
};
const VxOptionList SecurityModeValues(SecurityModePairs);
constexpr VxIntPair PortSecurityAdminStatePairs[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const VxOptionList PortSecurityAdminStateValues(PortSecurityAdminStatePairs);
constexpr VxIntPair ActivityPairs[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const VxOptionList ActivityValues(ActivityPairs);
constexpr VxIntPair PairStatusPairs[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "fail"}, {4, "not-supported"}, {5, "unknown"},
    {0, nullptr},
};
const VxOptionList PairStatusValues(PairStatusPairs);

// ---------------------------------------------------------------------------------------------
// Agent, firmware and file-transfer groups (start-up group InitMibDefinitions).

constexpr VxIntPair TypePairs[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr},
};
const VxOptionList TypeValues(TypePairs);
constexpr VxIntPair ProtocolCapabilityPairs[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr},
};
const VxOptionList ProtocolCapabilityValues(ProtocolCapabilityPairs);
constexpr VxIntPair ConsoleStatusPairs[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr},
};
const VxOptionList ConsoleStatusValues(ConsoleStatusPairs);
constexpr VxIntPair SaveStatusPairs[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {0, nullptr},
};
const VxOptionList SaveStatusValues(SaveStatusPairs);
constexpr VxIntPair FileTransferStatusPairs[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"},
    {0, nullptr},
};
const VxOptionList FileTransferStatusValues(FileTransferStatusPairs);
constexpr VxIntPair DualImagePairs[] = {{0, "not-supported"}, {1, "supported"}, {0, nullptr}};
const VxOptionList DualImageValues(DualImagePairs);
constexpr VxIntPair SystemResetStatePairs[] = {{2, "cold-start"}, {4, "no-reset"}, {0, nullptr}};
const VxOptionList SystemResetStateValues(SystemResetStatePairs);
constexpr VxIntPair Rs232PortConfigPairs[] = {
    {2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {0, nullptr},
};
const VxOptionList Rs232PortConfigValues(Rs232PortConfigPairs);
constexpr VxIntPair SaveConfigPairs[] = {
    {1, "other"}, {2, "cfg"}, {3, "log"}, {4, "all"}, {0, nullptr},
};
const VxOptionList SaveConfigValues(SaveConfigPairs);
constexpr VxIntPair GetIPFromPairs[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const VxOptionList GetIPFromValues(GetIPFromPairs);
constexpr VxIntPair TransferTypePairs[] = {{2, "network-load"}, {0, nullptr}};
const VxOptionList TransferTypeValues(TransferTypePairs);
constexpr VxIntPair LoadTypePairs[] = {{2, "upload"}, {3, "download"}, {0, nullptr}};
const VxOptionList LoadTypeValues(LoadTypePairs);
constexpr VxIntPair FileTransferStatusPairs2[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {0, nullptr},
};
const VxOptionList FileTransferStatusValues2(FileTransferStatusPairs2);
constexpr VxIntPair ParameterOfDownloadCfgFilePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList ParameterOfDownloadCfgFileValues(ParameterOfDownloadCfgFilePairs);
constexpr VxIntPair TrapControlPairs[] = {
    {0, "critical"}, {1, "warning"}, {2, "information"}, {0, nullptr},
};
const VxOptionList TrapControlValues(TrapControlPairs);
constexpr VxIntPair LogControlPairs[] = {
    {0, "critical"}, {1, "warning"}, {2, "information"}, {0, nullptr},
};
const VxOptionList LogControlValues(LogControlPairs);
constexpr VxIntPair FirmwareFileControlActionPairs[] = {
    {1, "other"}, {2, "update"}, {3, "delete"}, {4, "config-as-bootup-fw"}, {0, nullptr},
};
const VxOptionList FirmwareFileControlActionValues(FirmwareFileControlActionPairs);

// ---------------------------------------------------------------------------------------------
// Stacking: unit status and mode, power and fans. The device view shows the unit table's
// status and mode columns through the first two.

constexpr VxIntPair PowerStatusPairs[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"},
    {5, "connect"}, {6, "disconnect"}, {0, nullptr},
};
const VxOptionList PowerStatusValues(PowerStatusPairs);
constexpr VxIntPair UnitMgmtStatusPairs[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const VxOptionList UnitMgmtStatusValues(UnitMgmtStatusPairs);
constexpr VxIntPair CurrentModePairs[] = {
    {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr},
};
const VxOptionList CurrentModeValues(CurrentModePairs);
constexpr VxIntPair FanStatusPairs[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {0, nullptr}};
const VxOptionList FanStatusValues(FanStatusPairs);

// ---------------------------------------------------------------------------------------------
// Time, SNTP and summer time (start-up group InitTimeMibOptions).

constexpr VxIntPair ClockResetOnRebootPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList ClockResetOnRebootValues(ClockResetOnRebootPairs);
constexpr VxIntPair NetworkTimeStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList NetworkTimeStateValues(NetworkTimeStatePairs);
constexpr VxIntPair TimeSourcePairs[] = {
    {0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr},
};
const VxOptionList TimeSourceValues(TimeSourcePairs);
constexpr VxIntPair SwSummerTimeStatusPairs[] = {
    {0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr},
};
const VxOptionList SwSummerTimeStatusValues(SwSummerTimeStatusPairs);

// ---------------------------------------------------------------------------------------------
// RMON probe configuration (start-up group InitRmonProbeOptions).

constexpr VxIntPair ResetControlPairs[] = {
    {1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr},
};
const VxOptionList ResetControlValues(ResetControlPairs);
constexpr VxIntPair DownloadActionPairs[] = {
    {1, "notDownloading"}, {2, "downloadToPROM"}, {3, "downloadToRAM"}, {0, nullptr},
};
const VxOptionList DownloadActionValues(DownloadActionPairs);
constexpr VxIntPair DownloadStatusPairs[] = {
    {1, "downloadSuccess"}, {2, "downloadStatusUnknown"}, {3, "downloadGeneralError"},
    {4, "downloadNoResponseFromServer"}, {5, "downloadChecksumError"},
    {6, "downloadIncompatibleImage"}, {7, "downloadTftpFileNotFound"},
    {8, "downloadTftpAccessViolation"}, {0, nullptr},
};
const VxOptionList DownloadStatusValues(DownloadStatusPairs);

// ---------------------------------------------------------------------------------------------
// System log (start-up group InitSyslogMibOptions).

constexpr VxIntPair SysLogCtrlStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList SysLogCtrlStateValues(SysLogCtrlStatePairs);
constexpr VxIntPair FacilityPairs[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"}, {5, "local5"},
    {6, "local6"}, {7, "local7"}, {0, nullptr},
};
const VxOptionList FacilityValues(FacilityPairs);
constexpr VxIntPair SeverityPairs[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr},
};
const VxOptionList SeverityValues(SeverityPairs);
constexpr VxIntPair SyslogHostStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList SyslogHostStateValues(SyslogHostStatePairs);
constexpr VxIntPair SyslogHostRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList SyslogHostRowStatusValues(SyslogHostRowStatusPairs);

// ---------------------------------------------------------------------------------------------
// Single-IP management (start-up group InitSingleIpMibOptions).

constexpr VxIntPair SingleIPStatusPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList SingleIPStatusValues(SingleIPStatusPairs);
constexpr VxIntPair SingleIPRolePairs[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
const VxOptionList SingleIPRoleValues(SingleIPRolePairs);
constexpr VxIntPair MemberRowStatusPairs[] = {{4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VxOptionList MemberRowStatusValues(MemberRowStatusPairs);
constexpr VxIntPair SingleIPNBRoleStatePairs[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr},
};
const VxOptionList SingleIPNBRoleStateValues(SingleIPNBRoleStatePairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem IfXTableItems[] = {
    {"1.3.6.1.2.1.2.2.1.1", "if Index", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Pkts", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Pkts", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Pkts", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Pkts", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap Enable", sxInteger, acReadWrite,
     &LinkUpDownTrapEnableValues},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", sxInteger, acReadOnly, &PromiscuousModeValues},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", sxInteger, acReadOnly,
     &ConnectorPresentValues},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "if Counter Discontinuity Time", sxTimeTicks, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortCountItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.1", "Total Number Of Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.2", "Number Of Port In Use", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SwitchGlobalItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.1", "Spanning Tree Algorithm", sxInteger, acReadWrite,
     &SpanningTreeAlgorithmValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.2", "IGMP Snooping", sxInteger, acReadWrite,
     &IGMPSnoopingValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.4", "Clean All Statistic Counter", sxInteger, acReadWrite,
     &CleanAllStatisticCounterValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.5", "VLAN ID Of FDB Table [1-4094]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.6", "MAC Notify State", sxInteger, acReadWrite,
     &MACNotifyStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.7", "MAC Notify History Size [1-500]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.8", "MAC Notify Interval [1-2147483647 second(s)]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.14.1", "Telnet State", sxInteger, acReadWrite,
     &TelnetStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.14.2", "Telnet Tcp Port", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortBandwidthItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.6.1.1.1", "Port Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.6.1.1.2", "Receive Rate", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.6.1.1.3", "Transmit Rate", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem QosSchedulingItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.6.2.1.1", "Class Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.6.2.1.2", "Scheduling Max Pkts", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.6.2.1.3", "Scheduling Mechanism", sxInteger, acReadOnly,
     &SchedulingMechanismValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem QosUserPriorityItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.6.3.1.1", "User Priority Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.6.3.1.2", "8021p User Priority Class", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem QosDefaultPriorityItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.6.4.1.1", "Priority Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.6.4.1.2", "8021p Default Priority", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RmonStateItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.2.3", "Rmon State", sxInteger, acReadWrite, &RmonStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AlarmControlItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.3.1", "New Root Alarm", sxInteger, acReadWrite,
     &NewRootAlarmValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.3.2", "Topology Change Alarm", sxInteger, acReadWrite,
     &TopologyChangeAlarmValues},
    {"1.3.6.1.4.1.171.11.59.8.2.1.3.3", "Link Change Alarm", sxInteger, acReadWrite,
     &LinkChangeAlarmValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortInfoItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.2", "Unit Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.3", "Port Type", sxInteger, acReadOnly, &PortTypeValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.4", "Link Status", sxInteger, acReadOnly, &LinkStatusValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.1.1.5", "Nway Status", sxInteger, acReadOnly, &NwayStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem JumboFrameItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.3.3", "Jumbo Frame Status", sxInteger, acReadWrite,
     &JumboFrameStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem QosMechanismItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.6.5", "QOS Scheduling Mechanism Status", sxInteger, acReadWrite,
     &QOSSchedulingMechanismStatusValues},
    {"1.3.6.1.4.1.171.11.59.8.2.6.6", "QOS Hol Prevention Status", sxInteger, acReadWrite,
     &QOSHolPreventionStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortCtrlItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.2", "Unit Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.3", "Admin State", sxInteger, acReadWrite, &AdminStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.4", "Nway State", sxInteger, acReadWrite, &NwayStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.5", "Flow Control State", sxInteger, acReadWrite,
     &FlowControlStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.6", "Lock State", sxInteger, acReadWrite, &LockStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.2.1.7", "MAC Notify State", sxInteger, acReadWrite,
     &PortCtrlMACNotifyStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrunkItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.3", "Master Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.4", "Member", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.5", "Flooding Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.6", "Trunk Type", sxInteger, acReadWrite, &TrunkTypeValues},
    {"1.3.6.1.4.1.171.11.59.8.2.9.3.1.7", "Trunk State", sxInteger, acReadWrite, &TrunkStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrunkGlobalItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.9.1", "Trunk Max Supported Entries", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.9.2", "Trunk Current Entries Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.9.4", "Trunk Algorithm", sxInteger, acReadWrite,
     &TrunkAlgorithmValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem MirrorItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.10.1", "Logic Target Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.10.2", "Source Ingress", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.10.3", "Source Egress", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.10.4", "State", sxInteger, acReadWrite, &MirrorStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpSnoopingCtrlItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.1", "VID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.2", "Query Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.3", "Max Response Time", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.4", "Robustness", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.5", "Last Member Query Interval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.6", "Host Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.7", "Route Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.8", "Leave Timer", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.9", "Query State", sxInteger, acReadWrite,
     &QueryStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.10", "Current State", sxInteger, acReadOnly,
     &CurrentStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.11", "Control State", sxInteger, acReadWrite,
     &ControlStateValues},
    {"1.3.6.1.4.1.171.11.59.8.2.11.3.1.12", "Fast Leave State", sxInteger, acReadWrite,
     &FastLeaveStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpQueryInfoItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.11.4.1.1", "VID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.4.1.2", "Query Count", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.4.1.3", "Tx Query Count", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpMulticastInfoItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.11.5.1.1", "VID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.5.1.2", "Group IP Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.5.1.3", "MAC Address", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.5.1.4", "Port Map", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.5.1.5", "IP Group Report Count", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem IgmpSnoopingGlobalItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.11.1", "IGMP Max Supported VLANs", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.11.2", "IGMP Max IP Group Num Per VLAN", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StormCtrlItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.1", "Group Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.2", "Unit Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.3", "Broadcast/Multicast Storm Threshold", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.4", "Broadcast Storm Control", sxInteger, acReadWrite,
     &BroadcastStormControlValues},
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.5", "Multicast Storm Control", sxInteger, acReadWrite,
     &MulticastStormControlValues},
    {"1.3.6.1.4.1.171.11.59.8.2.13.1.1.6", "Destination Lookup Fail Control", sxInteger, acReadWrite,
     &DestinationLookupFailControlValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrafficSegmentationItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.14.1.1.1", "Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.14.1.1.2", "Forward Ports", sxOctetStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortSecurityItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.7.1.1.1", "Port Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.7.1.1.2", "Max Learn Address", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.7.1.1.3", "Security Mode", sxInteger, acReadWrite,
     &SecurityModeValues},
    {"1.3.6.1.4.1.171.11.59.8.2.7.1.1.4", "Admin State", sxInteger, acReadWrite,
     &PortSecurityAdminStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AgentModuleInfoItems[] = {
    {"1.3.6.1.4.1.171.12.1.1.2.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.2", "Description", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.3", "Version", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.4", "Type", sxInteger, acReadOnly, &TypeValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AgentBasicItems[] = {
    {"1.3.6.1.4.1.171.12.1.1.1", "Protocol Capability", sxInteger, acReadOnly,
     &ProtocolCapabilityValues},
    {"1.3.6.1.4.1.171.12.1.1.3", "Console Status", sxInteger, acReadOnly, &ConsoleStatusValues},
    {"1.3.6.1.4.1.171.12.1.1.4", "Save Status", sxInteger, acReadOnly, &SaveStatusValues},
    {"1.3.6.1.4.1.171.12.1.1.5", "File Transfer Status", sxInteger, acReadOnly,
     &FileTransferStatusValues},
    {"1.3.6.1.4.1.171.12.1.1.7", "Dual Image", sxInteger, acReadOnly, &DualImageValues},
    {"1.3.6.1.4.1.171.12.1.2.3", "System Reset State", sxInteger, acReadWrite,
     &SystemResetStateValues},
    {"1.3.6.1.4.1.171.12.1.2.4", "Rs232 Port Config", sxInteger, acReadOnly,
     &Rs232PortConfigValues},
    {"1.3.6.1.4.1.171.12.1.2.6", "Save Config", sxInteger, acReadWrite, &SaveConfigValues},
    {"1.3.6.1.4.1.171.12.1.3.3", "Get IP From", sxInteger, acReadWrite, &GetIPFromValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem FileTransferItems[] = {
    {"1.3.6.1.4.1.171.12.1.2.1.1.1", "File Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.1.1.2", "Description", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.3", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.4", "Transfer Type", sxInteger, acReadWrite, &TransferTypeValues},
    {"1.3.6.1.4.1.171.12.1.2.1.1.5", "File Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.6", "File Type", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.7", "Load Type", sxInteger, acReadWrite, &LoadTypeValues},
    {"1.3.6.1.4.1.171.12.1.2.1.1.8", "Status", sxInteger, acReadWrite, &FileTransferStatusValues2},
    {"1.3.6.1.4.1.171.12.1.2.1.1.9", "Parameter of download cfg-file", sxInteger, acReadWrite,
     &ParameterOfDownloadCfgFileValues},
    {"1.3.6.1.4.1.171.12.1.2.1.1.10", "Ctrl ID", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PortSecurityFdbItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.7.2.1", "VLAN Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.7.2.2", "Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.7.2.3", "MAC Address", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.59.8.2.7.2.4", "Activity", sxInteger, acReadWrite, &ActivityValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem TrapLogCtrlItems[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.1", "Trap Control", sxInteger, acReadWrite, &TrapControlValues},
    {"1.3.6.1.4.1.171.12.1.2.8.2", "Log Control", sxInteger, acReadWrite, &LogControlValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SubUnitItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.3.1.1", "Unit ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.3.1.3", "Module Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.3.1.4", "Reversion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.3.1.5", "Serial", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.59.8.2.1.1.3.1.6", "Description", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CableDiagItems[] = {
    {"1.3.6.1.4.1.171.11.59.8.2.3.4.1.1", "Port Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.3.4.1.2", "Pair Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.59.8.2.3.4.1.3", "Pair Status", sxInteger, acReadOnly, &PairStatusValues},
    {"1.3.6.1.4.1.171.11.59.8.2.3.4.1.4", "Pair Length", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem CpuUtilizationItems[] = {
    {"1.3.6.1.4.1.171.12.1.1.6.1", "CPU Utilization In 5 seconds", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.6.2", "CPU Utilization In 1 minute", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.6.3", "CPU Utilization In 5 minutes", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem FirmwareInfoItems[] = {
    {"1.3.6.1.4.1.171.12.1.2.7.1.1", "Firmware Image", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.7.1.2", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.3", "Firmware Size", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.4", "Update Time", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.5", "TFTP Server IP", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.6", "Download User", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem FirmwareCtrlItems[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.1.1", "Firmware Control ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.8.1.2", "Firmware File Source Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.8.1.3", "Firmware File Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.8.1.4", "Firmware File Control Action", sxInteger, acReadWrite,
     &FirmwareFileControlActionValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem PowerItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.6.1.1", "Power Unit Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.6.1.2", "Power ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.6.1.3", "Power Status", sxInteger, acReadOnly, &PowerStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem StackInfoItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.1", "Equipment Capacity", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.1", "Stacking Version", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.2", "Max SupportedUnits", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.3", "Num Of Unit", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem UnitMgmtItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1", "Id", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.2", "Status", sxInteger, acReadOnly, &UnitMgmtStatusValues},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.3", "MAC Addr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.4", "Start Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.5", "Port Range", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.6", "Front Panel Led Status", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.8", "Current Mode", sxInteger, acReadOnly, &CurrentModeValues},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.9", "Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.10", "Module Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.11", "Prom Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.12", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.13", "Hardware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.14", "Priority", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem FanItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.7.1.1", "Fan Unit Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.7.1.2", "Fan ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.7.1.3", "Fan Status", sxInteger, acReadOnly, &FanStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SwUnitMgmtItems[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1", "swUnitMgmtId", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.2", "swUnitMgmtStatus", sxInteger, acReadOnly,
     &UnitMgmtStatusValues},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.3", "swUnitMgmtMACAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.4", "swUnitMgmtStartPort", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.5", "swUnitMgmtPortRange", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.6", "Front Panel Led Status", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.8", "swUnitMgmtCurrentMode", sxInteger, acReadOnly,
     &CurrentModeValues},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.9", "swUnitMgmtVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.10", "swUnitMgmtModuleName", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", sxOctetStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SystemTimeItems[] = {
    {"1.3.6.1.4.1.171.12.10.3", "Clock Reset On Reboot", sxInteger, acReadOnly,
     &ClockResetOnRebootValues},
    {"1.3.6.1.4.1.171.12.10.10.1", "Current Time", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.2", "System UpTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.3", "System BootTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.4", "System Time Zone [ -779..839]", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SntpItems[] = {
    {"1.3.6.1.4.1.171.12.10.11.1", "Network Time State", sxInteger, acReadWrite,
     &NetworkTimeStateValues},
    {"1.3.6.1.4.1.171.12.10.11.2", "Time Source", sxInteger, acReadOnly, &TimeSourceValues},
    {"1.3.6.1.4.1.171.12.10.11.3", "Server1 IPAddr", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.11.4", "Server2 IPAddr", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.11.5", "Poll Interval[30..99999]", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SwSummerTimeItems[] = {
    {"1.3.6.1.4.1.171.12.10.12.1", "swSummerTimeStatus", sxInteger, acReadWrite,
     &SwSummerTimeStatusValues},
    {"1.3.6.1.4.1.171.12.10.12.2", "swSummerTimeOffset", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SwRepeatSummerTimeItems[] = {
    {"1.3.6.1.4.1.171.12.10.12.3", "swRepeatSummerTimeStart", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.4", "swRepeatSummerTimeEnd", sxOctetStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SwAnnualSummerTimeItems[] = {
    {"1.3.6.1.4.1.171.12.10.12.5", "swAnnualSummerTimeStart", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.6", "swAnnualSummerTimeEnd", sxOctetStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem ProbeConfigItems[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software revision", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", sxInteger, acReadWrite, &ResetControlValues},
    {"1.3.6.1.2.1.16.19.6", "Download File", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.16.19.7", "Download TFTP Server", sxIpAddress, acReadWrite},
    {"1.3.6.1.2.1.16.19.8", "Download Action", sxInteger, acReadWrite, &DownloadActionValues},
    {"1.3.6.1.2.1.16.19.9", "Download Status", sxInteger, acReadOnly, &DownloadStatusValues},
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", sxIpAddress, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SyslogStateItems[] = {
    {"1.3.6.1.4.1.171.12.12.1", "Sys Log Ctrl State", sxInteger, acReadWrite,
     &SysLogCtrlStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SyslogHostItems[] = {
    {"1.3.6.1.4.1.171.12.12.2.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.12.2.1.2", "IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.12.2.1.3", "Facility", sxInteger, acReadWrite, &FacilityValues},
    {"1.3.6.1.4.1.171.12.12.2.1.4", "Severity", sxInteger, acReadWrite, &SeverityValues},
    {"1.3.6.1.4.1.171.12.12.2.1.5", "UDP Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.12.2.1.6", "State", sxInteger, acReadWrite, &SyslogHostStateValues},
    {"1.3.6.1.4.1.171.12.12.2.1.7", "Row Status", sxInteger, acReadWrite,
     &SyslogHostRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpInfoItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.1.1", "Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.1.2", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.1.3", "Platform", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpSettingItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.2.1", "SingleIP Status", sxInteger, acReadWrite,
     &SingleIPStatusValues},
    {"1.3.6.1.4.1.171.12.8.1.2.2", "SingleIP Role", sxInteger, acReadWrite, &SingleIPRoleValues},
    {"1.3.6.1.4.1.171.12.8.1.2.3", "SingleIP Holdtime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.2.4", "Time Interval", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpMemberItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.3.1.1", "Member ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.2", "Member Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.3", "Member MAC Addr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.4", "Member Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.5", "Member Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.6", "Member Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.7", "Member Holdtime", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.8", "Member Candidate Source", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.9", "Member Password", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.10", "Member Row Status", sxInteger, acReadWrite,
     &MemberRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpMemberCtrlItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.3.1.1", "Member ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.3.1.8", "Member Candidate Source", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.9", "Member Password", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.10", "Member Row Status", sxInteger, acReadWrite,
     &MemberRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpCandidateItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.4.1.1", "CaS ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.4.1.2", "Device Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.3", "MAC Addr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.4", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.5", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.6", "Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.7", "Holdtime", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpGroupItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.5.1.1", "Group MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.5.1.2", "Group Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.3", "Device Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.4", "Member Count", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.5", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.6", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.7", "Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.8", "Holdtime", sxInteger, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SingleIpNeighborItems[] = {
    {"1.3.6.1.4.1.171.12.8.1.6.1.1", "Single IP NB Received Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.6.1.2", "Single IP NB MAC Addr", sxOctetStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.6.1.3", "Single IP NB Role State", sxInteger, acReadOnly,
     &SingleIPNBRoleStateValues},
    {nullptr, nullptr, 0, 0},
};
