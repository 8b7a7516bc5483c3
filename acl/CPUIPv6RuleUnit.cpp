#include "acl/CPUIPv6RuleUnit.h"

#include "acl/Ipv6AclRecords.h"

TCPUIPv6RuleForm* CPUIPv6RuleForm = nullptr;

TCPUIPv6RuleForm::TCPUIPv6RuleForm(TComponent* owner) : TAclEditor(owner, CPUIPv6RuleRecord) { DoCreate(); }
