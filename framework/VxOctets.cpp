#include "VxOctets.h"

#include "common/VxValueMarkers.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSyntax.h"

int SyntaxOctetSize(int syntax) {
    const VxSyntax* row = FindSyntax(syntax);
    return row ? row->Size : -1;
}

Octets TextToOctets(const std::string& text, int syntax) {
    const VxSyntax& row = SyntaxOf(syntax);
    if (row.Wire == SyntaxWire::Null || text == "(NULL)" || IsMissingValueText(text)) return {};
    return row.ToOctets(text);
}

std::string OctetsToText(const Octets& bytes, int syntax) {
    const VxSyntax& row = SyntaxOf(syntax);
    if (row.Wire == SyntaxWire::Null) return "(NULL)";
    // No octets are no value; only a character text reads them as empty.
    if (bytes.empty()) return row.NoValueText && *row.NoValueText == '\0' ? "" : "(NULL)";
    if (bytes.size() < static_cast<size_t>(row.Size)) ThrowVxSNMP(vxBadPartValue);
    return row.ToText(bytes);
}

Octets ExtractPart(const Octets& bytes, int offset, int syntax) {
    const VxSyntax& row = SyntaxOf(syntax);
    if (bytes.empty() || row.Wire == SyntaxWire::Null) return {};
    const size_t from = static_cast<size_t>(offset < 0 ? 0 : offset);
    if (row.IsVariableSize()) return from < bytes.size() ? bytes.substr(from) : Octets();
    if (bytes.size() < from + static_cast<size_t>(row.Size)) ThrowVxSNMP(vxPartOutOfRange);
    return bytes.substr(from, static_cast<size_t>(row.Size));
}
