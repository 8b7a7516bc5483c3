#include "acl/CPUEthernetMaskInformationFormUnit.h"

#include "acl/EthernetAclRecords.h"

TCPUEthernetMaskInformationForm::TCPUEthernetMaskInformationForm(TComponent* owner) : TAclEditor(owner, CPUEthernetMaskInformationRecord) { DoCreate(); }
