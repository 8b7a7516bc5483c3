#pragma once
// The records of the four IPv4 editors: their tables, captions, controls and
// buttons; their tables bring the IPv4 checks and leave-outs
// (Ipv4AclWrites.h). The profile twins share their controls; the CPU-filter
// rule editor has no actions and no ports.

#include "acl/AclEditor.h"

extern const AclEditorRecord IPMaskInformationRecord;
extern const AclEditorRecord CPUIPMaskInformationRecord;
extern const AclEditorRecord IPRuleRecord;
extern const AclEditorRecord CPUIPRuleRecord;
