#pragma once
// The editor of the CPU filter's packet-content access profiles: "CPU User Defined Mask Information".

#include "acl/AclEditor.h"

class TCPUUserMaskInfoForm : public TAclEditor {
public:
    explicit TCPUUserMaskInfoForm(TComponent* owner);
};
