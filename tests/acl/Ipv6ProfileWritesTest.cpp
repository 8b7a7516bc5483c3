// What the IPv6 profile editors write, decided from a snapshot of the form:
// the items each write carries by the mask state, the checks of Add and Set
// in their order, what the write button does, and the masks' whole octets.

#include <gtest/gtest.h>

#include <string>

#include "acl/Ipv6AclWrites.h"
#include "tests/acl/AclWriteCases.h"

namespace {

using namespace acl_cases;

const AclTable& Ingress() { return aclIpv6ProfileTable; }
const AclTable& Cpu() { return cpuFilterIpv6ProfileTable; }

const RowCombo Other{"other", 0}, Dst{"dst-ipv6-addr", 1}, Src{"src-ipv6-addr", 2}, DstSrc{"dst-src-ipv6-addr", 3};
const RowCombo NotChosen{};
const std::string FullMask(32, 'F');

// Profile 3 with both masks typed, the class and flow label chosen, the
// state as given and createAndGo in the row-status combo.
RowSnapshot ProfileForm(const RowCombo& state) {
    RowSnapshot form;
    form.Edits = {{ip6ProfileId, "3"}, {ip6SrcMask, FullMask}, {ip6DstMask, FullMask}};
    form.Combos = {{ip6Class, {"enable", 0}}, {ip6FlowLabel, {"disable", 1}}, {ip6ProfileRowStatus, {"createAndGo", 1}}};
    if (state.Index >= 0) form.Combos[ip6MaskState] = state;
    return form;
}

RowSnapshot Without(RowSnapshot form, std::initializer_list<int> items) {
    for (int item : items) {
        form.Combos.erase(item);
        form.Edits.erase(item);
    }
    return form;
}

struct LeftOutCase {
    const char* Name;
    RowWrite Write;
    RowSnapshot Form;
    RowItems Carried;
};

// What each write sends by the state combo, ingress and CPU filter alike.
TEST(Ipv6ProfileLeftOut, CarriesWhatTheStateNames) {
    constexpr int Class = ip6Class, Flow = ip6FlowLabel, State = ip6MaskState, SrcMask = ip6SrcMask,
                  DstMask = ip6DstMask, Row = ip6ProfileRowStatus;
    const LeftOutCase cases[] = {
        {"Add, no state: class, flow label, row status", RowWrite::Add, ProfileForm(NotChosen), {Class, Flow, Row}},
        {"Add, nothing chosen: the row status alone", RowWrite::Add,
         Without(ProfileForm(NotChosen), {Class, Flow}), {Row}},
        {"Add, other: no mask", RowWrite::Add, ProfileForm(Other), {Class, Flow, State, Row}},
        {"Add, other without a class", RowWrite::Add, Without(ProfileForm(Other), {Class}), {Flow, State, Row}},
        {"Add, dst: the destination mask", RowWrite::Add, ProfileForm(Dst), {Class, Flow, State, DstMask, Row}},
        {"Add, dst left empty: no mask", RowWrite::Add, Without(ProfileForm(Dst), {DstMask}),
         {Class, Flow, State, Row}},
        {"Add, src: the source mask", RowWrite::Add, ProfileForm(Src), {Class, Flow, State, SrcMask, Row}},
        {"Add, dst-src: both masks", RowWrite::Add, ProfileForm(DstSrc),
         {Class, Flow, State, SrcMask, DstMask, Row}},
        {"Add, dst-src with the source alone", RowWrite::Add, Without(ProfileForm(DstSrc), {DstMask}),
         {Class, Flow, State, SrcMask, Row}},
        {"Set, other: no mask, no row status", RowWrite::Set, ProfileForm(Other), {Class, Flow, State}},
        {"Set, dst", RowWrite::Set, ProfileForm(Dst), {Class, Flow, State, DstMask}},
        {"Set, src", RowWrite::Set, ProfileForm(Src), {Class, Flow, State, SrcMask}},
        {"Set, dst-src", RowWrite::Set, ProfileForm(DstSrc), {Class, Flow, State, SrcMask, DstMask}},
        {"Delete: the row status alone", RowWrite::Delete, ProfileForm(DstSrc), {Row}},
    };
    for (const AclTable* table : {&Ingress(), &Cpu()}) {
        for (const LeftOutCase& c : cases) {
            SCOPED_TRACE(std::string(table->Oid) + ": " + c.Name);
            EXPECT_EQ(Carried(*table, Ipv6ProfileLeftOut(*table, c.Form, c.Write)), c.Carried);
        }
    }
}

// Set with createAndGo runs Add, with destroy Delete; otherwise it is a Set,
// also with no row status chosen.
TEST(Ipv6ProfileWriteOfSelected, FollowsTheRowStatusCombo) {
    RowSnapshot form = ProfileForm(Other);
    const std::pair<RowCombo, RowWrite> cases[] = {{{"createAndGo", 1}, RowWrite::Add},
                                                   {{"destroy", 2}, RowWrite::Delete},
                                                   {{"active", 0}, RowWrite::Set},
                                                   {NotChosen, RowWrite::Set}};
    for (const auto& [rowStatus, write] : cases) {
        SCOPED_TRACE(rowStatus.Text);
        form.Combos[ip6ProfileRowStatus] = rowStatus;
        EXPECT_EQ(Ipv6ProfileWriteOfSelected(Ingress(), form), write);
    }
}

struct CheckCase {
    const char* Name;
    const AclTable* Table;
    RowWrite Write;
    RowSnapshot Form;
    std::optional<RowRefusal> Refusal;
};

// The checks in their order, with their focus; only Add's empty-ID message
// differs in the CPU twin.
TEST(Ipv6ProfileChecks, RefuseInTheirOrder) {
    const std::string dstNull = "IPv6 Destination Address Mask should not be null.";
    const std::string srcNull = "IPv6 Source Address Mask should not be null.";
    RowSnapshot listed = ProfileForm(Other);
    listed.ListedKeys = {{"1", ""}, {"3", ""}};
    RowSnapshot active = ProfileForm(Other);
    active.Combos[ip6ProfileRowStatus] = {"active", 0};
    const CheckCase cases[] = {
        {"Add without an ID", &Ingress(), RowWrite::Add, Without(ProfileForm(Other), {ip6ProfileId}),
         RowRefusal{"IPv6 Mask ID must be set.", ip6ProfileId}},
        {"CPU Add without an ID", &Cpu(), RowWrite::Add, Without(ProfileForm(Other), {ip6ProfileId}),
         RowRefusal{"CPU IPv6 Mask ID must be set.", ip6ProfileId}},
        {"Add of a listed ID", &Cpu(), RowWrite::Add, listed,
         RowRefusal{"There is already a record with the same IPv6 Mask ID. Please modify it.", ip6ProfileId}},
        {"Add with active", &Ingress(), RowWrite::Add, active,
         RowRefusal{"Row Status must be createAndGo.", ip6ProfileRowStatus}},
        {"Add with nothing chosen", &Ingress(), RowWrite::Add,
         Without(ProfileForm(NotChosen), {ip6Class, ip6FlowLabel, ip6SrcMask, ip6DstMask}), std::nullopt},
        {"Add, dst-src without masks", &Ingress(), RowWrite::Add,
         Without(ProfileForm(DstSrc), {ip6SrcMask, ip6DstMask}), std::nullopt},
        {"CPU Set without an ID: the ingress text, no focus", &Cpu(), RowWrite::Set,
         Without(ProfileForm(Other), {ip6ProfileId}), RowRefusal{"IPv6 Mask ID must be set.", -1}},
        {"Set without a class", &Ingress(), RowWrite::Set, Without(ProfileForm(Other), {ip6Class}),
         RowRefusal{"Please choose Class.", ip6Class}},
        {"Set without a flow label", &Ingress(), RowWrite::Set, Without(ProfileForm(Other), {ip6FlowLabel}),
         RowRefusal{"Please choose Flow Label.", ip6FlowLabel}},
        {"Set without a state", &Ingress(), RowWrite::Set, ProfileForm(NotChosen),
         RowRefusal{"Please choose IPv6 Address Mask State.", ip6MaskState}},
        {"Set, dst without its mask", &Ingress(), RowWrite::Set, Without(ProfileForm(Dst), {ip6DstMask}),
         RowRefusal{dstNull, ip6DstMask}},
        {"Set, src without its mask", &Ingress(), RowWrite::Set, Without(ProfileForm(Src), {ip6SrcMask}),
         RowRefusal{srcNull, ip6SrcMask}},
        {"Set, dst-src without either: destination first", &Ingress(), RowWrite::Set,
         Without(ProfileForm(DstSrc), {ip6SrcMask, ip6DstMask}), RowRefusal{dstNull, ip6DstMask}},
        {"Set, dst-src with the source alone", &Ingress(), RowWrite::Set, Without(ProfileForm(DstSrc), {ip6DstMask}),
         RowRefusal{dstNull, ip6DstMask}},
        {"Set, dst-src with the destination alone", &Cpu(), RowWrite::Set,
         Without(ProfileForm(DstSrc), {ip6SrcMask}), RowRefusal{srcNull, ip6SrcMask}},
        {"Set, other without masks", &Ingress(), RowWrite::Set,
         Without(ProfileForm(Other), {ip6SrcMask, ip6DstMask}), std::nullopt},
        {"Set, other with the row status active", &Ingress(), RowWrite::Set, active,
         std::nullopt},
        {"Delete", &Ingress(), RowWrite::Delete, RowSnapshot{}, std::nullopt},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(CheckIpv6Profile(*c.Table, c.Form, c.Write), c.Refusal);
    }
}

// A mask is the 16 octets of an address, as hexadecimal digits: an address
// typed with its colons would otherwise go out with them read as zeros, and
// a shorter mask would name part of an address.
TEST(Ipv6ProfileTexts, MasksAreSixteenOctets) {
    const std::string needs = "an IPv6 address: sixteen octets as 32 hexadecimal digits, such as "
                              "FE800000000000000000000000000001.";
    const std::pair<const char*, std::string> masks[] = {
        {"FFFFFFFFFFFFFFFF0000000000000000", ""},
        {"ffffffffffffffff 0000000000000000", ""},
        {"ffff", needs},
        {"FFFFFFFFFFFFFFFF000000000000000", needs},
        {"FFFFFFFFFFFFFFFF000000000000000000", needs},
        {"2001:db8::", needs},
        {"FFFFFFFFFFFFFFFF000000000000000G", needs},
        {"", "set."},
    };
    for (const auto& [text, fault] : masks) {
        SCOPED_TRACE(text);
        RowSnapshot form = ProfileForm(DstSrc);
        form.Edits[ip6SrcMask] = text;
        for (const AclTable* table : {&Ingress(), &Cpu()}) {
            const auto refusal = CheckCarriedTexts(*table, form, Ipv6ProfileLeftOut(*table, form, RowWrite::Set));
            ASSERT_EQ(!refusal, fault.empty());
            if (refusal) {
                EXPECT_EQ(*refusal, (RowRefusal{"Src IPv6 Mask must be " + fault, ip6SrcMask}));
            }
        }
        // "dst" leaves the source mask out: its text is not looked at.
        form.Combos[ip6MaskState] = Dst;
        EXPECT_EQ(CheckCarriedTexts(Ingress(), form, Ipv6ProfileLeftOut(Ingress(), form, RowWrite::Set)),
                  std::nullopt);
    }
}

}  // namespace
