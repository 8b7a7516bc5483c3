#pragma once
// The editor of the ingress IPv4 access profiles (masks): "IPv4 Mask Information".

#include "acl/AclEditor.h"

class TIPMaskInformationForm : public TAclEditor {
public:
    explicit TIPMaskInformationForm(TComponent* owner);
};
