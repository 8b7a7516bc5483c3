#pragma once
// The editor of the CPU filter's IPv6 access profiles: "CPU IPv6 Mask Information".

#include "acl/AclEditor.h"

class TCPUIPv6MaskInformationForm : public TAclEditor {
public:
    explicit TCPUIPv6MaskInformationForm(TComponent* owner);
};

extern TCPUIPv6MaskInformationForm* CPUIPv6MaskInformationForm;
