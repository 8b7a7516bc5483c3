#pragma once
// The editor of the ingress IPv6 access rules, with their actions and ports: "IPv6 Rule Information".

#include "acl/AclEditor.h"

class TIPv6RuleForm : public TAclEditor {
public:
    explicit TIPv6RuleForm(TComponent* owner);

    // "deny" disables the actions and unticks their boxes, "permit" (or no
    // choice) enables them with their boxes as they are, and "mirror" keeps
    // them as the last choice left them.
    void cbxPermitChange(TObject* sender);
    void PermitComboBoxChange(TObject* sender) override { cbxPermitChange(sender); }
};

extern TIPv6RuleForm* IPv6RuleForm;
