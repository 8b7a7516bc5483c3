#include "main/MenuCommand.h"

#include <cstring>
#include <iterator>

#include "mibdefs/MibCatalogue.h"

// The hand-made dialogs that the menu opens come in here, one header each, as
// they are built (their rows in MenuCommands.def then link them).
#include "acl/CPUEthernetInformationRuleUnit.h"
#include "acl/CPUEthernetMaskInformationFormUnit.h"
#include "acl/CPUIPMaskInformationFormUnit.h"
#include "acl/CPUIPRuleUnit.h"
#include "acl/CPUIPv6MaskInformationUnit.h"
#include "acl/CPUIPv6RuleUnit.h"
#include "acl/CPUUserDefinedRuleUnit.h"
#include "acl/CPUUserMaskInforUnit.h"
#include "acl/EthernetInformationRuleUnit.h"
#include "acl/EthernetMaskInformationFormUnit.h"
#include "acl/IPMaskInformationFormUnit.h"
#include "acl/IPRuleUnit.h"
#include "acl/IPv6MaskInformationUnit.h"
#include "acl/IPv6RuleUnit.h"
#include "acl/UserDefinedRuleUnit.h"
#include "acl/UserMaskInforUnit.h"
#include "features/CommunityStringTableForm.h"
#include "features/DiagnosticsInformationForm.h"
#include "features/EnableMethodListUnit.h"
#include "features/LoginMethodListUnit.h"
#include "features/MacStatisticTableForm.h"
#include "features/ACCServerControl.h"
#include "features/ServerInfoUnit.h"
#include "features/VlanStaticForm.h"
// Port trunks, mirroring, traffic segmentation, protocol VLANs, LACP ports.
#include "features/AggregatorPortTableForm.h"
#include "features/PortMirrorForm.h"
#include "features/PortTrunkForm.h"
#include "features/ProtocolVlanForm.h"
#include "features/TrafficSegmentationForm.h"
// The bridge and VLAN dialogs.
#include "features/EquipmentBasicInfoForm.h"
#include "features/ForwardUnregisteredInformationForm.h"
#include "features/GARPForm.h"
#include "features/MulticastFilterInformationForm.h"
#include "features/MulticastForwardingInformationForm.h"
#include "features/PBridgeConfigForm.h"
#include "features/PortCapabilities8021dForm.h"
#include "features/TpGroupDestinationForwardedForm.h"
#include "features/UnicastFilterInformationForm.h"
#include "features/VLanCurrentTableForm.h"
#include "features/VLanGeneralInfoForm.h"
#include "features/VLanPortInfomationForm.h"
// The layer-3 service dialogs.
#include "features/BOOTCtrlTableForm.h"
#include "features/Md5InformationForm.h"
#include "features/RouteRedistributForm.h"
// Daylight saving time, the member switches, the about box.
#include "features/AboutForm.h"
#include "features/MSInformationForm.h"
#include "features/SummerTimeConfigForm.h"

namespace {

constexpr MenuCommand Named(const char* handler, MenuCommand command) {
    command.Handler = handler;
    return command;
}

}  // namespace

using namespace MenuRows;

constinit const MenuCommand MenuCommands[] = {
#define MENU_COMMAND(handler, row) Named(#handler, row),
#include "main/MenuCommands.def"
#undef MENU_COMMAND
};
const size_t MenuCommandCount = std::size(MenuCommands);

const MenuCommand* FindMenuCommand(std::string_view handler) {
    for (const MenuCommand& command : MenuCommands)
        if (handler == command.Handler) return &command;
    return nullptr;
}
