#include "features/DialogScaling.h"

#include <cmath>
#include <iterator>

namespace {

struct ScalingRow {
    std::string_view ClassName;
    DialogScaling Rule;
};

constexpr DialogScaling L = DialogScaling::LeftTopWidthHeight;
constexpr DialogScaling W = DialogScaling::WidthHeight;
constexpr DialogScaling None = DialogScaling::None;

constexpr ScalingRow Rules[] = {
    // Bridge and VLAN dialogs.
    {"TEquipmentBasicInfoForm", L},
    {"TPBridgeConfigForm", L},
    {"TGARPForm", L},
    {"TPortCapabilities8021dForm", L},
    {"TVLanGeneralInfoForm", L},
    {"TVLanPortInfomationForm", L},
    {"TTpGroupDestinationForwardedForm", L},
    {"TMulticastForwardingInformationForm", L},
    {"TForwardUnregisteredInformationForm", L},
    {"TVlanStaticForm", L},
    {"TVLanCurrentTableForm", L},
    {"TMulticastFilterInformationForm", L},
    {"TUnicastFilterInformationForm", L},
    // Security, service and port dialogs.
    {"TCommunityStringTableForm", L},
    {"TDiagnosticsInformationForm", L},
    {"TMacStatisticTableForm", L},
    {"TTrafficSegmentationForm", L},
    {"TPortMirrorForm", L},
    {"TPortTrunkForm", L},
    {"TMd5InformationForm", L},
    {"TMd5EditForm", L},
    {"TEnableMethodForm", L},
    {"TLoginMethodListForm", L},
    {"TServerInformationForm", L},
    {"TAggregatorPortTableForm", L},
    {"TMSEditForm", L},
    {"TMSInformationForm", L},
    {"TSummerTimeConfigForm", W},
    {"TBOOTCtrlTableForm", W},
    {"TNewBootpCtrlForm", W},
    {"TRouteRedistributForm", W},
    {"TProtocolVlanForm", W},
    {"TAboutForm", None},
    {"TfrmACCServerCtrl", None},
    // The access-control editors.
    {"TEthernetMaskInformationForm", W},
    {"TEthernetInformationRuleForm", W},
    {"TIPMaskInformationForm", W},
    {"TIPRuleForm", W},
    {"TUserMaskInfoForm", W},
    {"TUserDefinedInformationRuleForm", W},
    {"TIPv6MaskInformationForm", W},
    {"TIPv6RuleForm", W},
    {"TCPUEthernetMaskInformationForm", W},
    {"TCPUEthernetInformationRuleForm", W},
    {"TCPUIPMaskInformationForm", W},
    {"TCPUIPRuleForm", W},
    {"TCPUUserMaskInfoForm", W},
    {"TCPUUserDefinedInformationRuleForm", W},
    {"TCPUIPv6MaskInformationForm", W},
    {"TCPUIPv6RuleForm", W},
};

}  // namespace

std::optional<DialogScaling> ScalingOf(std::string_view className) {
    for (const ScalingRow& row : Rules)
        if (row.ClassName == className) return row.Rule;
    return std::nullopt;
}

int ScaleForDialog(int value) { return static_cast<int>(std::lround(value * 1.25)); }
