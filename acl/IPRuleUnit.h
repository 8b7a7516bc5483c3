#pragma once
// The editor of the ingress IPv4 access rules, with their actions and ports: "IPv4 Rule Information".

#include "acl/AclEditor.h"

class TIPRuleForm : public TAclEditor {
public:
    explicit TIPRuleForm(TComponent* owner);
};

extern TIPRuleForm* IPRuleForm;
