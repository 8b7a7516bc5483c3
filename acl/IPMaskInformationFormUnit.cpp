#include "acl/IPMaskInformationFormUnit.h"

#include "acl/Ipv4AclRecords.h"

TIPMaskInformationForm::TIPMaskInformationForm(TComponent* owner) : TAclEditor(owner, IPMaskInformationRecord) { DoCreate(); }
