#pragma once
// The records of the four user-defined (packet-content) editors: their
// tables, captions, controls and buttons; their tables bring the checks and
// leave-outs (UserAclWrites.h). The profile twins share their controls; the
// CPU rule editor has no actions and no ports.

#include "acl/AclEditor.h"

extern const AclEditorRecord UserMaskInfoRecord;
extern const AclEditorRecord CPUUserMaskInfoRecord;
extern const AclEditorRecord UserDefinedInformationRuleRecord;
extern const AclEditorRecord CPUUserDefinedInformationRuleRecord;
