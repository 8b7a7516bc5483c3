#pragma once
// The editor of the CPU filter's Ethernet access rules: "CPU Ethernet Rule Information".

#include "acl/AclEditor.h"

class TCPUEthernetInformationRuleForm : public TAclEditor {
public:
    explicit TCPUEthernetInformationRuleForm(TComponent* owner);
};

extern TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm;
