#include "acl/Ipv6AclRecords.h"

#include "acl/Ipv6AclWrites.h"

// ---- profiles -----------------------------------------------------------------------

namespace {

constexpr const char* Combo = nullptr;

// No combo starts with a choice: what the user leaves unchosen Add leaves out.
constexpr AclField ProfileFields[] = {
    {ip6ProfileId, "edtIPv6MaskID", "%i{n1x8l1}", "IPv6 Mask ID"},
    {ip6Class, "cbxClass", Combo, "Class"},
    {ip6FlowLabel, "cbxFlowLabel", Combo, "Flow Label"},
    {ip6MaskState, "cbxIPv6MaskState", Combo, "IPv6 Address Mask State"},
    {ip6SrcMask, "edtIPv6SrcMask", "%s{l32}", "IPv6 Source Address Mask"},
    {ip6DstMask, "edtIPv6DstMask", "%s{l32}", "IPv6 Destination Address Mask"},
    {ip6ProfileRowStatus, "cbxRowStatus", Combo, "RowStatus"},
};

constexpr AclButtons ProfileButtons{"btnRefresh", "btnModify", "Set", "btnAdd", "btnDelete"};

constexpr AclEditorRecord ProfileRecord(const char* className) {
    return {.ClassName = className,
            .Fields = ProfileFields,
            .Buttons = ProfileButtons,
            .LeftColumnRows = 4,
            .Check = CheckIpv6Profile,
            .LeftOut = Ipv6ProfileLeftOut,
            .WriteOfSelected = Ipv6ProfileWriteOfSelected,
            .ClearsAfterRefusal = true};
}

}  // namespace

const AclEditorRecord IPv6MaskInformationRecord = ProfileRecord("TIPv6MaskInformationForm");
const AclEditorRecord CPUIPv6MaskInformationRecord = ProfileRecord("TCPUIPv6MaskInformationForm");
