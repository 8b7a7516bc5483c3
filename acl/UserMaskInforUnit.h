#pragma once
// The editor of the ingress packet-content access profiles: "User Defined Mask Information".

#include "acl/AclEditor.h"

class TUserMaskInfoForm : public TAclEditor {
public:
    explicit TUserMaskInfoForm(TComponent* owner);
};
