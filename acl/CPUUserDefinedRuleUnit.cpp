#include "acl/CPUUserDefinedRuleUnit.h"

#include "acl/UserAclRecords.h"

TCPUUserDefinedInformationRuleForm* CPUUserDefinedInformationRuleForm = nullptr;

TCPUUserDefinedInformationRuleForm::TCPUUserDefinedInformationRuleForm(TComponent* owner) : TAclEditor(owner, CPUUserDefinedInformationRuleRecord) { DoCreate(); }
