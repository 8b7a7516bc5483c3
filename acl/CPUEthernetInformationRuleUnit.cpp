#include "acl/CPUEthernetInformationRuleUnit.h"

#include "acl/EthernetAclRecords.h"

TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm = nullptr;

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(TComponent* owner) : TAclEditor(owner, CPUEthernetInformationRuleRecord) { DoCreate(); }
