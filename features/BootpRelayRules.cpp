#include "features/BootpRelayRules.h"

bool BootpInterfaceFull(const RowSnapshot& form, const std::string& interfaceName) {
    int servers = 0;
    for (const auto& [caption, server] : form.ListedKeys)
        if (caption == interfaceName) ++servers;
    return servers >= BootpServersPerInterface;
}
