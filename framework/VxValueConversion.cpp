#include "VxValueConversion.h"

#include <algorithm>

#include "common/VxValueMarkers.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSyntax.h"
#include "platform/Exception.h"

namespace {

// A binding without a value: null, or an empty octet string.
bool CarriesNoValue(const Vb& vb) { return vb.Type == SNMP_NULL || (vb.IsOctetType() && vb.Bytes.empty()); }

std::string_view MissingValueText(uint8_t exception) {
    switch (exception) {
    case SNMP_NOSUCHOBJECT: return NoSuchObjectText;
    case SNMP_ENDOFMIBVIEW: return EndOfMibViewText;
    default: return NoSuchInstanceText;
    }
}

const char* const NullText = "(NULL)";

// The row of a syntax that a binding can carry on its own.
const VxSyntax& WireSyntaxOf(uint32_t code) {
    const VxSyntax& row = SyntaxOf(static_cast<int>(code));
    if (row.Wire == SyntaxWire::None) ThrowVxSNMP(vxBadSyntax);
    return row;
}

[[noreturn]] void ThrowBadIndexOid() {
    const SnmpStatusText t = MapSnmpStatus(SNMP_CLASS_INVALID_OID);
    throw Exception(t.Message, t.Code);
}

// The last index item of a table with an IMPLIED string index takes every
// remaining sub-identifier and carries no length.
bool TakesImpliedLength(const VxSNMPVarList& list, int pos) {
    return static_cast<uint32_t>(pos) + 1 == list.IndexCount && list.IsImplied(pos);
}

// Index codings that write a number: one word, or two for 64 bits.
bool WritesNumber(SyntaxIndex coding) {
    return coding == SyntaxIndex::Word || coding == SyntaxIndex::HighThenLow || coding == SyntaxIndex::LowThenHigh;
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
    Octets WordsFrom(size_t first, size_t count) const {
        if (first >= Ids.size()) return {};
        const auto from = Ids.begin() + static_cast<long>(first);
        return WordOctets(SubIds(from, from + static_cast<long>(std::min(count, Ids.size() - first))));
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
    const VxSyntax& row = WireSyntaxOf(item.Syntax);
    // The agent marks the value as missing: the field says so, whatever
    // the item's syntax, and no label stands for it.
    if (vb.IsException()) return std::string(MissingValueText(vb.Type));
    std::string text;
    if (row.NoValueText && CarriesNoValue(vb))
        text = row.NoValueText;
    else if (!WireFits(row, vb))
        text = vb.PrintableValue();  // the agent sent another type: show it as its own
    else
        text = row.ToText(WireOctets(vb));
    return LabelledText(item, text);
}

void LoadBindingValue(const SnmpVar& item, Vb& vb) {
    const VxSyntax& row = WireSyntaxOf(item.Syntax);
    const std::string w = RawValueText(item);
    if (row.Wire == SyntaxWire::Null) {
        vb.SetNull();
        return;
    }
    // A NULL in a set is refused by the agent, and with it the whole set. No
    // value of an octet string is its octets of none; any other syntax needs
    // a value, and nothing is sent without one.
    if (w == NullText) {
        if (row.Wire != SyntaxWire::Octets) {
            const auto needs = CheckValueText(static_cast<int>(item.Syntax), w);
            throw Exception(RefusedValueMessage(item.Label, w, needs.value_or("a value")), VxSNMPCode(vxBadPartValue));
        }
        vb.SetOctets({});
        return;
    }
    SetWireValue(row, row.ToOctets(w), vb);
}

std::string IndexValueTextOf(const VxSNMPVarList& list, int pos) {
    const SnmpVar& item = *list.GetItem(pos);
    const VxSyntax& row = SyntaxOf(static_cast<int>(item.Syntax));
    const bool implied = TakesImpliedLength(list, pos);
    if (row.Index == SyntaxIndex::None) ThrowVxSNMP(vxBadSyntax);
    const std::string text = RawValueText(item);
    // The address conversion is lenient ("10.0.0" gives three octets,
    // "256.1.1.1" wraps to 0.1.1.1), so a loosely typed address index would
    // write another row's instance: only an exact address makes one.
    if (row.Wire == SyntaxWire::IpAddress && !IsAddressText(text)) ThrowBadIndexOid();
    // The number conversion is lenient too ("3.5" gives 3, "" and "x" give
    // 0): a numbered index takes only a value its syntax holds, such as a
    // whole number in the syntax's range, so no row is named by accident.
    if (WritesNumber(row.Index) && !row.Holds(row, text)) ThrowBadIndexOid();
    const Octets bytes = row.ToOctets(text);
    SubIds ids;
    switch (row.Index) {
    case SyntaxIndex::None:
    case SyntaxIndex::Nothing: break;
    case SyntaxIndex::Word: ids.push_back(static_cast<uint32_t>(ReadLittleEndian(bytes, 4))); break;
    case SyntaxIndex::HighThenLow: {
        const uint64_t v = ReadLittleEndian(bytes, 8);
        ids = {High32(v), Low32(v)};
        break;
    }
    case SyntaxIndex::LowThenHigh: {
        const uint64_t v = ReadLittleEndian(bytes, 8);
        ids = {Low32(v), High32(v)};
        break;
    }
    case SyntaxIndex::FixedOctets:
        // An index value too short for its layout would leave a hole in the
        // instance and address another row: refuse it.
        if (bytes.size() < static_cast<size_t>(row.Size)) ThrowBadIndexOid();
        for (unsigned char c : bytes.substr(0, static_cast<size_t>(row.Size))) ids.push_back(c);
        break;
    case SyntaxIndex::CountedOctets:
        if (!implied) ids.push_back(static_cast<uint32_t>(bytes.size()));
        for (unsigned char c : bytes) ids.push_back(c);
        break;
    case SyntaxIndex::CountedWords: {
        const SubIds words = WordsOf(bytes);
        if (!implied) ids.push_back(static_cast<uint32_t>(words.size()));
        ids.insert(ids.end(), words.begin(), words.end());
        break;
    }
    }
    return OidText(ids);
}

std::string TakeIndexValueOf(VxSNMPVarList& list, int pos, const std::string& instance) {
    SnmpVar& item = *list.GetItem(pos);
    const VxSyntax& row = SyntaxOf(static_cast<int>(item.Syntax));
    const SubIdReader in(LenientOidParse(instance));
    const bool implied = TakesImpliedLength(list, pos);
    Octets bytes;
    size_t used = 0;
    switch (row.Index) {
    case SyntaxIndex::None: ThrowVxSNMP(vxBadSyntax);
    case SyntaxIndex::Nothing: break;
    case SyntaxIndex::Word:
        bytes = in.WordsFrom(0, 1);
        used = 1;
        break;
    case SyntaxIndex::HighThenLow:
        bytes = LittleEndian((static_cast<uint64_t>(in.At(0)) << 32) | in.At(1), 8);
        used = 2;
        break;
    case SyntaxIndex::LowThenHigh:
        bytes = in.WordsFrom(0, 2);
        used = 2;
        break;
    case SyntaxIndex::FixedOctets:
        used = implied ? in.Size() : static_cast<size_t>(row.Size);
        bytes = in.OctetsFrom(0, used);
        break;
    case SyntaxIndex::CountedOctets:
        used = implied ? in.Size() : static_cast<size_t>(in.At(0)) + 1;
        bytes = implied ? in.OctetsFrom(0, used) : in.OctetsFrom(1, used - 1);
        break;
    case SyntaxIndex::CountedWords:
        used = implied ? in.Size() : static_cast<size_t>(in.At(0)) + 1;
        bytes = implied ? in.WordsFrom(0, used) : in.WordsFrom(1, used - 1);
        break;
    }
    item.Value = LabelledText(item, row.ToText(bytes));
    return in.RestAfter(used);
}
