#pragma once
// What the Ethernet profile and rule editors write: their checks and
// leave-outs, functions of the form's snapshot (AclWrites.h). The ingress and
// CPU-filter tables share them; a rule table's own positions come from its
// AclTable.

#include "acl/AclWrites.h"

// Items of both Ethernet profile tables.
enum EthernetProfileItem : int {
    ethProfileId, ethUseVlan, ethMaskState, ethSrcMask, ethDstMask, ethUse8021p, ethUseType, ethProfileRowStatus,
};

// Items that both Ethernet rule tables share (the rest differ: AclTable).
enum EthernetRuleItem : int {
    ethRuleMaskId, ethRuleAccessId, ethRuleVlan, ethRuleSrcMac, ethRuleDstMac, ethRule8021p, ethRuleType,
};

// Profiles: the MAC masks that the mask state does not name are left out;
// Add also leaves out the one mask named alone when its edit is empty.
RowItems EthernetProfileLeftOut(const AclTable& table, const RowSnapshot& form, RowWrite write);
// The ID; on Add, the ID not listed yet and createAndGo chosen.
std::optional<RowRefusal> CheckEthernetProfile(const AclTable& table, const RowSnapshot& form, RowWrite write);

// Rules: both IDs; on Add, the key not listed yet and a ticked row status at
// createAndGo. The leave-outs are the shared rule ones (RuleLeftOut).
std::optional<RowRefusal> CheckEthernetRule(const AclTable& table, const RowSnapshot& form, RowWrite write);
