#pragma once
// Item tables of the switch as a whole: interface extensions, the enterprise system,
// agent, firmware and file-transfer groups, stacking units, modules, power and fans,
// front-panel LEDs, ports, QoS, trunks, mirroring, IGMP snooping, storm control, traffic
// segmentation, port security, time and SNTP, summer time, the RMON probe, the system log,
// single-IP management and CPU utilisation.
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include <string>

#include "framework/SnmpVarItem.h"
#include "framework/VxSNMPLedColorMapList.h"

// The default unit model name: the Kestrix model's.
extern const std::string DefaultModelName;

// The two shared colour maps of the front-panel LEDs (value mask 7, blink mask 0x80,
// black when off, white when the LED byte is missing).
extern const VxSNMPLedColorMapList PortLedColorMap;
extern const VxSNMPLedColorMapList SystemLedColorMap;

// Value-name maps.

// System, port, QoS, IGMP snooping and RMON groups (start-up group InitMibDefinitions).
extern const VxOptionList LinkUpDownTrapEnableValues;
extern const VxOptionList PromiscuousModeValues;
extern const VxOptionList ConnectorPresentValues;
extern const VxOptionList SpanningTreeAlgorithmValues;
extern const VxOptionList IGMPSnoopingValues;
extern const VxOptionList CleanAllStatisticCounterValues;
extern const VxOptionList MACNotifyStateValues;
extern const VxOptionList TelnetStateValues;
extern const VxOptionList SchedulingMechanismValues;
extern const VxOptionList RmonStateValues;
extern const VxOptionList NewRootAlarmValues;
extern const VxOptionList TopologyChangeAlarmValues;
extern const VxOptionList LinkChangeAlarmValues;
extern const VxOptionList PortTypeValues;
extern const VxOptionList LinkStatusValues;
extern const VxOptionList NwayStatusValues;
extern const VxOptionList JumboFrameStatusValues;
extern const VxOptionList QOSSchedulingMechanismStatusValues;
extern const VxOptionList QOSHolPreventionStatusValues;
extern const VxOptionList AdminStateValues;
extern const VxOptionList NwayStateValues;
extern const VxOptionList FlowControlStateValues;
extern const VxOptionList LockStateValues;
extern const VxOptionList PortCtrlMACNotifyStateValues;
extern const VxOptionList TrunkTypeValues;
extern const VxOptionList TrunkStateValues;
extern const VxOptionList TrunkAlgorithmValues;
extern const VxOptionList MirrorStateValues;
extern const VxOptionList QueryStateValues;
extern const VxOptionList CurrentStateValues;
extern const VxOptionList ControlStateValues;
extern const VxOptionList FastLeaveStateValues;
extern const VxOptionList BroadcastStormControlValues;
extern const VxOptionList MulticastStormControlValues;
extern const VxOptionList DestinationLookupFailControlValues;
extern const VxOptionList SecurityModeValues;
extern const VxOptionList PortSecurityAdminStateValues;
extern const VxOptionList ActivityValues;
extern const VxOptionList PairStatusValues;

// Agent, firmware and file-transfer groups (start-up group InitMibDefinitions).
extern const VxOptionList TypeValues;
extern const VxOptionList ProtocolCapabilityValues;
extern const VxOptionList ConsoleStatusValues;
extern const VxOptionList SaveStatusValues;
extern const VxOptionList FileTransferStatusValues;
extern const VxOptionList DualImageValues;
extern const VxOptionList SystemResetStateValues;
extern const VxOptionList Rs232PortConfigValues;
extern const VxOptionList SaveConfigValues;
extern const VxOptionList GetIPFromValues;
extern const VxOptionList TransferTypeValues;
extern const VxOptionList LoadTypeValues;
extern const VxOptionList FileTransferStatusValues2;
extern const VxOptionList ParameterOfDownloadCfgFileValues;
extern const VxOptionList TrapControlValues;
extern const VxOptionList LogControlValues;
extern const VxOptionList FirmwareFileControlActionValues;

// Stacking: unit status and mode, power and fans. The device view shows the unit table's
// status and mode columns through the first two.
extern const VxOptionList PowerStatusValues;
extern const VxOptionList UnitMgmtStatusValues;
extern const VxOptionList CurrentModeValues;
extern const VxOptionList FanStatusValues;

// Time, SNTP and summer time (start-up group InitTimeMibOptions).
extern const VxOptionList ClockResetOnRebootValues;
extern const VxOptionList NetworkTimeStateValues;
extern const VxOptionList TimeSourceValues;
extern const VxOptionList SwSummerTimeStatusValues;

// RMON probe configuration (start-up group InitRmonProbeOptions).
extern const VxOptionList ResetControlValues;
extern const VxOptionList DownloadActionValues;
extern const VxOptionList DownloadStatusValues;

// System log (start-up group InitSyslogMibOptions).
extern const VxOptionList SysLogCtrlStateValues;
extern const VxOptionList FacilityValues;
extern const VxOptionList SeverityValues;
extern const VxOptionList SyslogHostStateValues;
extern const VxOptionList SyslogHostRowStatusValues;

// Single-IP management (start-up group InitSingleIpMibOptions).
extern const VxOptionList SingleIPStatusValues;
extern const VxOptionList SingleIPRoleValues;
extern const VxOptionList MemberRowStatusValues;
extern const VxOptionList SingleIPNBRoleStateValues;

// Item tables.
extern const SnmpVarItem IfXTableItems[];
extern const SnmpVarItem PortCountItems[];
extern const SnmpVarItem SwitchGlobalItems[];
extern const SnmpVarItem PortBandwidthItems[];
extern const SnmpVarItem QosSchedulingItems[];
extern const SnmpVarItem QosUserPriorityItems[];
extern const SnmpVarItem QosDefaultPriorityItems[];
extern const SnmpVarItem RmonStateItems[];
extern const SnmpVarItem AlarmControlItems[];
extern const SnmpVarItem PortInfoItems[];
extern const SnmpVarItem JumboFrameItems[];
extern const SnmpVarItem QosMechanismItems[];
extern const SnmpVarItem PortCtrlItems[];
extern const SnmpVarItem TrunkItems[];
extern const SnmpVarItem TrunkGlobalItems[];
extern const SnmpVarItem MirrorItems[];
extern const SnmpVarItem IgmpSnoopingCtrlItems[];
extern const SnmpVarItem IgmpQueryInfoItems[];
extern const SnmpVarItem IgmpMulticastInfoItems[];
extern const SnmpVarItem IgmpSnoopingGlobalItems[];
extern const SnmpVarItem StormCtrlItems[];
extern const SnmpVarItem TrafficSegmentationItems[];
extern const SnmpVarItem PortSecurityItems[];
extern const SnmpVarItem AgentModuleInfoItems[];
extern const SnmpVarItem AgentBasicItems[];
extern const SnmpVarItem FileTransferItems[];
extern const SnmpVarItem PortSecurityFdbItems[];
extern const SnmpVarItem TrapLogCtrlItems[];
extern const SnmpVarItem SubUnitItems[];
extern const SnmpVarItem CableDiagItems[];
extern const SnmpVarItem CpuUtilizationItems[];
extern const SnmpVarItem FirmwareInfoItems[];
extern const SnmpVarItem FirmwareCtrlItems[];
extern const SnmpVarItem PowerItems[];
extern const SnmpVarItem StackInfoItems[];
extern const SnmpVarItem UnitMgmtItems[];
extern const SnmpVarItem FanItems[];
// Ten items and the terminator. The last item is also the LED pollers' one-item table
// UnitLedItems, which ends at the same terminator.
extern const SnmpVarItem SwUnitMgmtItems[11];
inline constexpr const SnmpVarItem* UnitLedItems = &SwUnitMgmtItems[9];
extern const SnmpVarItem SystemTimeItems[];
extern const SnmpVarItem SntpItems[];
extern const SnmpVarItem SwSummerTimeItems[];
extern const SnmpVarItem SwRepeatSummerTimeItems[];
extern const SnmpVarItem SwAnnualSummerTimeItems[];
extern const SnmpVarItem ProbeConfigItems[];
extern const SnmpVarItem SyslogStateItems[];
extern const SnmpVarItem SyslogHostItems[];
extern const SnmpVarItem SingleIpInfoItems[];
extern const SnmpVarItem SingleIpSettingItems[];
extern const SnmpVarItem SingleIpMemberItems[];
extern const SnmpVarItem SingleIpMemberCtrlItems[];
extern const SnmpVarItem SingleIpCandidateItems[];
extern const SnmpVarItem SingleIpGroupItems[];
extern const SnmpVarItem SingleIpNeighborItems[];
