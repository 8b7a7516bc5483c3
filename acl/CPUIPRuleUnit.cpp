#include "acl/CPUIPRuleUnit.h"

#include "acl/Ipv4AclRecords.h"

TCPUIPRuleForm* CPUIPRuleForm = nullptr;

TCPUIPRuleForm::TCPUIPRuleForm(TComponent* owner) : TAclEditor(owner, CPUIPRuleRecord) { DoCreate(); }
