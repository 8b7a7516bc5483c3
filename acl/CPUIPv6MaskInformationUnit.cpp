#include "acl/CPUIPv6MaskInformationUnit.h"

#include "acl/Ipv6AclRecords.h"

TCPUIPv6MaskInformationForm* CPUIPv6MaskInformationForm = nullptr;

TCPUIPv6MaskInformationForm::TCPUIPv6MaskInformationForm(TComponent* owner) : TAclEditor(owner, CPUIPv6MaskInformationRecord) { DoCreate(); }
