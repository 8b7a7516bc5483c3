#pragma once
// The editor of the ingress Ethernet access rules, with their actions and ports: "Ethernet Rule Information".

#include "acl/AclEditor.h"

class TEthernetInformationRuleForm : public TAclEditor {
public:
    explicit TEthernetInformationRuleForm(TComponent* owner);
};

extern TEthernetInformationRuleForm* EthernetInformationRuleForm;
