#pragma once
// The editor of the CPU filter's IPv4 access rules: "CPU IPv4 Rule Information".

#include "acl/AclEditor.h"

class TCPUIPRuleForm : public TAclEditor {
public:
    explicit TCPUIPRuleForm(TComponent* owner);
};

extern TCPUIPRuleForm* CPUIPRuleForm;
