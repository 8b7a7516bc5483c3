#pragma once
// The editor of the ingress Ethernet access profiles (masks): "Ethernet Mask Information".

#include "acl/AclEditor.h"

class TEthernetMaskInformationForm : public TAclEditor {
public:
    explicit TEthernetMaskInformationForm(TComponent* owner);
};
