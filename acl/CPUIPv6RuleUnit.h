#pragma once
// The editor of the CPU filter's IPv6 access rules: "CPU IPv6 Rule Information".

#include "acl/AclEditor.h"

class TCPUIPv6RuleForm : public TAclEditor {
public:
    explicit TCPUIPv6RuleForm(TComponent* owner);
};

extern TCPUIPv6RuleForm* CPUIPv6RuleForm;
