#include "acl/CPUIPMaskInformationFormUnit.h"

#include "acl/Ipv4AclRecords.h"

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(TComponent* owner) : TAclEditor(owner, CPUIPMaskInformationRecord) { DoCreate(); }
