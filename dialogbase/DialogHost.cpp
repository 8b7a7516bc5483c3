#include "dialogbase/DialogHost.h"

#include "common/VxUtils.h"

namespace {

VxDialogHost* Host = nullptr;

}  // namespace

void SetDialogHost(VxDialogHost* host) { Host = host; }

VxDialogHost* DialogHost() { return Host; }

bool HostUsesLargeFonts() { return Host && Host->UsesLargeFonts(); }

std::string HostAgentAddress() { return Host ? ShownAgentAddress(Host->AgentAddress()) : std::string(); }

StackUnitTable HostUnitTable() { return Host ? Host->UnitTable() : StackUnitTable{}; }
