#pragma once
// The records of the IPv6 editors: their tables, captions, controls and
// buttons; their tables bring the IPv6 checks and leave-outs
// (Ipv6AclWrites.h). The profile twins share their controls and differ in
// Add's message for a missing ID, which comes from their table's filter; the
// CPU-filter rule editor has no actions and no ports.

#include "acl/AclEditor.h"

extern const AclEditorRecord IPv6MaskInformationRecord;
extern const AclEditorRecord CPUIPv6MaskInformationRecord;

extern const AclEditorRecord IPv6RuleRecord;
extern const AclEditorRecord CPUIPv6RuleRecord;
