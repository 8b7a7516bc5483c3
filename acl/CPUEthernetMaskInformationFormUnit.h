#pragma once
// The editor of the CPU filter's Ethernet access profiles: "CPU Ethernet Mask Information".

#include "acl/AclEditor.h"

class TCPUEthernetMaskInformationForm : public TAclEditor {
public:
    explicit TCPUEthernetMaskInformationForm(TComponent* owner);
};
