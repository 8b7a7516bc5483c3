#include "acl/UserDefinedRuleUnit.h"

#include "acl/UserAclRecords.h"

TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm = nullptr;

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(TComponent* owner) : TAclEditor(owner, UserDefinedInformationRuleRecord) { DoCreate(); }
