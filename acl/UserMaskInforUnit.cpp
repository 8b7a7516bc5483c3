#include "acl/UserMaskInforUnit.h"

#include "acl/UserAclRecords.h"

TUserMaskInfoForm::TUserMaskInfoForm(TComponent* owner) : TAclEditor(owner, UserMaskInfoRecord) { DoCreate(); }
