#pragma once
// The records of the four Ethernet editors: their tables, captions, controls
// and buttons; their tables bring the Ethernet checks and leave-outs
// (EthernetAclWrites.h). The CPU-filter twins differ in their ID ranges; the
// CPU rule editor has no actions and no ports.

#include "acl/AclEditor.h"

extern const AclEditorRecord EthernetMaskInformationRecord;
extern const AclEditorRecord CPUEthernetMaskInformationRecord;
extern const AclEditorRecord EthernetInformationRuleRecord;
extern const AclEditorRecord CPUEthernetInformationRuleRecord;
