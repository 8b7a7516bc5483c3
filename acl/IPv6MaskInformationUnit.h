#pragma once
// The editor of the ingress IPv6 access profiles (masks): "IPv6 Mask Information".

#include "acl/AclEditor.h"

class TIPv6MaskInformationForm : public TAclEditor {
public:
    explicit TIPv6MaskInformationForm(TComponent* owner);
};

extern TIPv6MaskInformationForm* IPv6MaskInformationForm;
