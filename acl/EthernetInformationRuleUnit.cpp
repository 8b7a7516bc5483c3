#include "acl/EthernetInformationRuleUnit.h"

#include "acl/EthernetAclRecords.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

TEthernetInformationRuleForm::TEthernetInformationRuleForm(TComponent* owner) : TAclEditor(owner, EthernetInformationRuleRecord) { DoCreate(); }
