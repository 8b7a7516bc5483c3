#include "acl/EthernetMaskInformationFormUnit.h"

#include "acl/EthernetAclRecords.h"

TEthernetMaskInformationForm::TEthernetMaskInformationForm(TComponent* owner) : TAclEditor(owner, EthernetMaskInformationRecord) { DoCreate(); }
