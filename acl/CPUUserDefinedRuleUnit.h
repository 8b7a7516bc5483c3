#pragma once
// The editor of the CPU filter's packet-content access rules: "CPU User Defined Rule Information".

#include "acl/AclEditor.h"

class TCPUUserDefinedInformationRuleForm : public TAclEditor {
public:
    explicit TCPUUserDefinedInformationRuleForm(TComponent* owner);
};

extern TCPUUserDefinedInformationRuleForm* CPUUserDefinedInformationRuleForm;
