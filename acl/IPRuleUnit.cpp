#include "acl/IPRuleUnit.h"

#include "acl/Ipv4AclRecords.h"

TIPRuleForm* IPRuleForm = nullptr;

TIPRuleForm::TIPRuleForm(TComponent* owner) : TAclEditor(owner, IPRuleRecord) { DoCreate(); }
