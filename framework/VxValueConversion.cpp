#include "VxValueConversion.h"

#include <bit>

#include "common/TDateTime.h"
#include "common/TimeTicks.h"
#include "framework/VxSNMPMessages.h"
#include "platform/Exception.h"

namespace {

bool IsOctetSyntax(uint32_t s) {
    return s == sxBitStr || s == sxOctetStr || s == sxOpaque || s == sxMacAddress || s == sxIpv6Address;
}

std::string PrefixOctets(const Octets& bytes, size_t n) { return bytes.substr(0, std::min(n, bytes.size())); }

// The text of a value whose type fits the item's syntax; `fits` is false
// when the agent sent another type, and the caller then shows the value as
// its own type reads.
std::string TextBySyntax(uint32_t syntax, const Vb& vb, bool& fits) {
    fits = true;
    switch (syntax) {
    case sxBoolean:
        fits = vb.Type == SNMP_INTEGER;
        return vb.Int == 0 ? "false" : "true";
    case sxInteger:
        fits = vb.Type == SNMP_INTEGER;
        return std::to_string(vb.Int);
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        fits = vb.IsUnsignedType();
        return std::to_string(vb.UInt);
    case sxCounter64:
        fits = vb.Type == SNMP_COUNTER64;
        return std::to_string(vb.U64);
    case sxTimeTicks:
        fits = vb.IsUnsignedType();
        return TimeTicks(vb.UInt).get_printable();
    case sxIpAddress:
    case sxNsapAddr:
        fits = vb.Type == SNMP_IPADDRESS;
        return IpText(vb.Bytes);
    case sxObjectId:
        fits = vb.Type == SNMP_OID;
        return OidText(vb.OidValue);
    case sxNull:
        return "(NULL)";
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
    case sxMacAddress:
    case sxIpv6Address:
        fits = vb.IsOctetType() || vb.IsException() || vb.Type == SNMP_NULL;
        return HexText(vb.Bytes);
    case sxDisplayStr:
        fits = vb.IsOctetType();
        return CharacterText(vb.Bytes);
    case sxDouble:
        fits = vb.IsOctetType();
        return FloatToStr(DoubleFromOctets(PrefixOctets(vb.Bytes, 8)));
    case sxDateTime:
        fits = vb.IsOctetType();
        return DateAndTimeText(vb.Bytes);
    case sxBcDateTime:
        fits = vb.IsOctetType();
        return FormatDateTime(DoubleFromOctets(PrefixOctets(vb.Bytes, 8)));
    default:
        ThrowVxSNMP(vxBadSyntax);
    }
}

// A binding without a value: null, an SNMPv2 exception, or an empty octet string.
bool CarriesNoValue(const Vb& vb) {
    if (vb.Type == SNMP_NULL || vb.IsException()) return true;
    return vb.IsOctetType() && vb.Bytes.empty();
}

const char* const NullText = "(NULL)";

[[noreturn]] void ThrowBadIndexOid() {
    const SnmpStatusText t = MapSnmpStatus(SNMP_CLASS_INVALID_OID);
    throw Exception(t.Message, t.Code);
}

// The last index item of a table with an IMPLIED string index takes every
// remaining sub-identifier and carries no length.
bool TakesImpliedLength(const VxSNMPVarList& list, int pos) {
    return static_cast<uint32_t>(pos) + 1 == list.IndexCount && list.IsImplied(pos);
}

void AppendOctetIds(SubIds& ids, const Octets& bytes, bool withLength) {
    if (withLength) ids.push_back(static_cast<uint32_t>(bytes.size()));
    for (unsigned char c : bytes) ids.push_back(c);
}

uint32_t Low32(uint64_t v) { return static_cast<uint32_t>(v & 0xFFFFFFFFu); }
uint32_t High32(uint64_t v) { return static_cast<uint32_t>(v >> 32); }

// Reads sub-identifiers without ever reading past the instance: missing
// ones read as 0.
class SubIdReader {
public:
    explicit SubIdReader(SubIds ids) : Ids(std::move(ids)) {}
    uint32_t At(size_t k) const { return k < Ids.size() ? Ids[k] : 0; }
    size_t Size() const { return Ids.size(); }
    Octets OctetsFrom(size_t first, size_t count) const {
        Octets bytes;
        for (size_t k = first; k < first + count && k < Ids.size(); ++k) bytes += static_cast<char>(Ids[k] & 0xFF);
        return bytes;
    }
    std::string RestAfter(size_t used) const {
        if (used >= Ids.size()) return {};
        return OidText(SubIds(Ids.begin() + static_cast<long>(used), Ids.end()));
    }

private:
    SubIds Ids;
};

}  // namespace

std::string RawValueText(const SnmpVar& item) {
    const VxOptionList* map = item.OptionList();
    return map ? map->LabelToValue(item.Value) : item.Value;
}

std::string LabelledText(const SnmpVar& item, const std::string& valueText) {
    const VxOptionList* map = item.OptionList();
    return map ? map->ValueToLabel(valueText) : valueText;
}

std::string StoredValueText(const SnmpVar& item, const Vb& vb) {
    bool fits = true;
    std::string text = TextBySyntax(item.Syntax, vb, fits);
    if (!IsOctetSyntax(item.Syntax) && CarriesNoValue(vb))
        text = item.Syntax == sxDisplayStr ? "" : NullText;
    else if (!fits)
        text = vb.PrintableValue();
    return LabelledText(item, text);
}

void LoadBindingValue(const SnmpVar& item, Vb& vb) {
    const std::string w = RawValueText(item);
    if (item.Syntax == sxNull) {
        vb.SetNull();
        return;
    }
    switch (item.Syntax) {
    case sxBoolean: case sxInteger: case sxCounter: case sxGauge: case sxUInteger: case sxCounter64:
    case sxTimeTicks: case sxIpAddress: case sxNsapAddr: case sxObjectId: case sxBitStr: case sxOctetStr:
    case sxOpaque: case sxMacAddress: case sxIpv6Address: case sxDisplayStr: case sxDouble: case sxDateTime:
    case sxBcDateTime:
        break;
    default:
        ThrowVxSNMP(vxBadSyntax);
    }
    if (w == NullText) {
        vb.SetNull();
        return;
    }
    switch (item.Syntax) {
    case sxBoolean: vb.SetInteger(w == "true" ? 1 : 0); break;
    case sxInteger: vb.SetInteger(static_cast<int32_t>(LenientInteger(w))); break;
    case sxCounter:
    case sxGauge:
    case sxUInteger: vb.SetUnsigned(SNMP_GAUGE32, static_cast<uint32_t>(LenientInteger(w))); break;
    case sxCounter64: vb.SetCounter64(LenientUnsigned64(w)); break;
    case sxTimeTicks: vb.SetUnsigned(SNMP_TIMETICKS, TimeTicks(w)); break;
    case sxIpAddress:
    case sxNsapAddr: vb.SetIpAddress(IpOctets(w)); break;
    case sxObjectId: vb.SetObjectId(LenientOidParse(w)); break;
    case sxDisplayStr: vb.SetOctets(w); break;
    case sxDouble: vb.SetOctets(DoubleOctets(LenientDouble(w))); break;
    case sxDateTime: vb.SetOctets(DateAndTimeOctets(w)); break;
    case sxBcDateTime: vb.SetOctets(DoubleOctets(StrToDateTime(w))); break;
    default: vb.SetOctets(FromHexString(w)); break;  // bitstr, octetstr, opaque, mac, ipv6
    }
}

std::string IndexValueTextOf(const VxSNMPVarList& list, int pos) {
    const SnmpVar& item = *list.GetItem(pos);
    const std::string w = RawValueText(item);
    const bool implied = TakesImpliedLength(list, pos);
    SubIds ids;
    switch (item.Syntax) {
    case sxBoolean: ids.push_back(w == "true" ? 1 : 0); break;
    case sxInteger:
    case sxCounter:
    case sxGauge:
    case sxUInteger: ids.push_back(static_cast<uint32_t>(LenientInteger(w))); break;
    case sxCounter64: {
        const uint64_t v = LenientUnsigned64(w);
        ids = {High32(v), Low32(v)};
        break;
    }
    case sxDouble:
    case sxBcDateTime: {
        const uint64_t bits = std::bit_cast<uint64_t>(item.Syntax == sxDouble ? LenientDouble(w) : StrToDateTime(w));
        ids = {Low32(bits), High32(bits)};
        break;
    }
    case sxTimeTicks: ids.push_back(TimeTicks(w)); break;
    case sxIpAddress:
    case sxNsapAddr: ids = LenientOidParse(w); break;
    case sxObjectId: {
        const SubIds value = LenientOidParse(w);
        if (!implied) ids.push_back(static_cast<uint32_t>(value.size()));
        ids.insert(ids.end(), value.begin(), value.end());
        break;
    }
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque: AppendOctetIds(ids, FromHexString(w), !implied); break;
    case sxDisplayStr: AppendOctetIds(ids, w, !implied); break;
    case sxMacAddress:
    case sxIpv6Address: {
        // An address index that is too short would leave a hole in the
        // instance and address another row: refuse it.
        const size_t size = item.Syntax == sxMacAddress ? 6 : 16;
        const Octets bytes = FromHexString(w);
        if (bytes.size() < size) ThrowBadIndexOid();
        AppendOctetIds(ids, bytes.substr(0, size), false);
        break;
    }
    case sxDateTime: AppendOctetIds(ids, DateAndTimeOctets(w), false); break;
    case sxNull: break;
    default: ThrowVxSNMP(vxBadSyntax);
    }
    return OidText(ids);
}

std::string TakeIndexValueOf(VxSNMPVarList& list, int pos, const std::string& instance) {
    SnmpVar& item = *list.GetItem(pos);
    const SubIdReader in(LenientOidParse(instance));
    const bool implied = TakesImpliedLength(list, pos);
    std::string value;
    size_t used = 1;
    switch (item.Syntax) {
    case sxBoolean: value = in.At(0) == 0 ? "false" : "true"; break;
    case sxInteger: value = std::to_string(static_cast<int32_t>(in.At(0))); break;
    case sxCounter:
    case sxGauge:
    case sxUInteger: value = std::to_string(in.At(0)); break;
    case sxCounter64:
        value = std::to_string((static_cast<uint64_t>(in.At(0)) << 32) | in.At(1));
        used = 2;
        break;
    case sxDouble:
    case sxBcDateTime: {
        const double v = std::bit_cast<double>((static_cast<uint64_t>(in.At(1)) << 32) | in.At(0));
        value = item.Syntax == sxDouble ? FloatToStr(v) : FormatDateTime(v);
        used = 2;
        break;
    }
    case sxTimeTicks: value = TimeTicks(in.At(0)).get_printable(); break;
    case sxIpAddress:
    case sxNsapAddr:
        value = IpText(in.OctetsFrom(0, 4));
        used = 4;
        break;
    case sxObjectId:
        if (implied) {
            value = instance;
            used = in.Size();
        } else {
            const size_t n = in.At(0);
            SubIds ids;
            for (size_t k = 1; k <= n && k < in.Size(); ++k) ids.push_back(in.At(k));
            value = OidText(ids);
            used = n + 1;
        }
        break;
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
    case sxDisplayStr: {
        const Octets bytes = implied ? in.OctetsFrom(0, in.Size()) : in.OctetsFrom(1, in.At(0));
        used = implied ? in.Size() : static_cast<size_t>(in.At(0)) + 1;
        value = item.Syntax == sxDisplayStr ? CharacterText(bytes) : HexText(bytes);
        break;
    }
    case sxMacAddress:
        value = HexText(in.OctetsFrom(0, 6));
        used = 6;
        break;
    case sxIpv6Address:
        used = implied ? in.Size() : 16;
        value = HexText(in.OctetsFrom(0, used));
        break;
    case sxDateTime:
        value = DateAndTimeText(in.OctetsFrom(0, 11));
        used = 11;
        break;
    case sxNull:
        value = NullText;
        used = 0;
        break;
    default: ThrowVxSNMP(vxBadSyntax);
    }
    item.Value = LabelledText(item, value);
    return in.RestAfter(used);
}
