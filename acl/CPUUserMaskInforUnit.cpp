#include "acl/CPUUserMaskInforUnit.h"

#include "acl/UserAclRecords.h"

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(TComponent* owner) : TAclEditor(owner, CPUUserMaskInfoRecord) { DoCreate(); }
