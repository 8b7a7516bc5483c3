#include "VxSNMPVarList.h"

#include <vector>

#include "framework/VxSyntax.h"

namespace {

const VxIntPair KindNamePairs[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr}};

// The syntax names come from the table of syntaxes, in its order.
std::vector<VxIntPair> SyntaxNamePairs() {
    std::vector<VxIntPair> pairs;
    for (const VxSyntax* row = SyntaxTableBegin(); row != SyntaxTableEnd(); ++row)
        pairs.push_back({static_cast<int32_t>(row->Code), row->Name});
    pairs.push_back({0, nullptr});
    return pairs;
}

const VxIntPair AccessNamePairs[] = {
    {acNotAccess, "notaccess"}, {acReadOnly, "readonly"}, {acWriteOnly, "writeonly"},
    {acReadWrite, "readwrite"}, {acDerived, "derived"},   {acHidden, "hidden"},
    {acInvalid, "invalid"},     {0, nullptr}};

std::unique_ptr<SnmpVar> CopyOf(const SnmpVarItem& record) {
    auto item = std::make_unique<SnmpVar>();
    item->ObjectId = record.ObjectId;
    item->Label = record.Label ? record.Label : "";
    item->Syntax = record.Syntax;
    item->Access = record.Access;
    item->Options = record.Options;
    if (record.Aux1) item->Aux1 = record.Aux1;
    if (record.Aux2) item->Aux2 = record.Aux2;
    if (record.Aux3) item->Aux3 = record.Aux3;
    if (record.Value) item->Value = record.Value;
    if (record.LastOid) item->LastOid = record.LastOid;
    return item;
}

}  // namespace

const VxOptionList SnmpVarKindNames(KindNamePairs);
const VxOptionList SnmpSyntaxNames(SyntaxNamePairs().data());
const VxOptionList SnmpAccessNames(AccessNamePairs);

VxSNMPVarList::VxSNMPVarList() = default;

VxSNMPVarList::VxSNMPVarList(const SnmpVarItem* items, uint8_t kind, uint32_t indexCount)
    : IndexCount(indexCount), Kind(kind) {
    AddItems(items);
}

VxSNMPVarList::VxSNMPVarList(const VxSNMPVarList& other) { *this = other; }

VxSNMPVarList& VxSNMPVarList::operator=(const VxSNMPVarList& other) {
    if (this == &other) return *this;
    ClearItems();
    Kind = other.Kind;
    IndexCount = other.IndexCount;
    Name = other.Name;
    Items.reserve(other.Items.size());
    for (const auto& item : other.Items) Items.push_back(std::make_unique<SnmpVar>(*item));
    return *this;
}

VxSNMPVarList::~VxSNMPVarList() = default;

uint32_t VxSNMPVarList::CountTableItems(const SnmpVarItem* items) {
    uint32_t n = 0;
    if (items)
        while (items[n].ObjectId) ++n;
    return n;
}

void VxSNMPVarList::AddItems(const SnmpVarItem* items) {
    const uint32_t n = CountTableItems(items);
    Items.reserve(Items.size() + n);
    for (uint32_t i = 0; i < n; ++i) Items.push_back(CopyOf(items[i]));
}

void VxSNMPVarList::ClearItems() { Items.clear(); }

bool VxSNMPVarList::IsReadable(int i) const {
    const uint32_t a = AccessOf(i);
    return !(a & acInvalid) && (a & acReadOnly);
}

bool VxSNMPVarList::IsWritable(int i) const {
    const uint32_t a = AccessOf(i);
    if (a & acInvalid) return false;
    if (a & acWriteOnly) return true;
    return (Kind == MVT_FMV || Kind == MVT_UMV) && static_cast<uint32_t>(i) < IndexCount;
}

bool VxSNMPVarList::IsVisible(int i) const {
    const uint32_t a = AccessOf(i);
    return !(a & (acInvalid | acHidden)) && (a & (acNotAccess | acDerived | acReadOnly));
}

bool VxSNMPVarList::IsUnlisted(int i) const {
    const uint32_t a = AccessOf(i);
    return a == acWriteOnly || (a & acInvalid) || (a & acHidden);
}

bool VxSNMPVarList::IsImplied(int i) const { return AccessOf(i) & acImplied; }

void VxSNMPVarList::LeaveOut(int i) { GetItem(i)->Access |= acInvalid; }

void VxSNMPVarList::TakeIn(int i) { GetItem(i)->Access &= ~acInvalid; }

bool VxSNMPVarList::IsLeftOut(int i) const { return AccessOf(i) & acInvalid; }

int VxSNMPVarList::CountVisible() const {
    int n = 0;
    for (int i = 0; i < static_cast<int>(GetCount()); ++i) n += IsVisible(i);
    return n;
}

int VxSNMPVarList::CountUnlisted() const {
    int n = 0;
    for (int i = 0; i < static_cast<int>(GetCount()); ++i) n += IsUnlisted(i);
    return n;
}
