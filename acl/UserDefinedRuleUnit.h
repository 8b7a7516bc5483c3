#pragma once
// The editor of the ingress packet-content access rules, with their actions and ports: "User Defined Rule Information".

#include "acl/AclEditor.h"

class TUserDefinedInformationRuleForm : public TAclEditor {
public:
    explicit TUserDefinedInformationRuleForm(TComponent* owner);
};

extern TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm;
