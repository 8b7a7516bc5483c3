#pragma once
// The editor of the CPU filter's IPv4 access profiles: "CPU IPv4 Mask Information".

#include "acl/AclEditor.h"

class TCPUIPMaskInformationForm : public TAclEditor {
public:
    explicit TCPUIPMaskInformationForm(TComponent* owner);
};
