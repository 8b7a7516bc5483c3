#include "acl/IPv6MaskInformationUnit.h"

#include "acl/Ipv6AclRecords.h"

TIPv6MaskInformationForm* IPv6MaskInformationForm = nullptr;

TIPv6MaskInformationForm::TIPv6MaskInformationForm(TComponent* owner) : TAclEditor(owner, IPv6MaskInformationRecord) { DoCreate(); }
