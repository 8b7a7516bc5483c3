#pragma once
// Conversion between an item's value text and SNMP values, by the item's
// syntax and value-name map: received values, values to set, and index
// values written into and read from row instances.

#include <string>

#include "framework/SnmpValues.h"
#include "framework/VxSNMPVarList.h"

// The value text of a received binding (labels where the item has a map).
std::string StoredValueText(const SnmpVar& item, const Vb& vb);
// The binding's value built from the item's value text. Only the null
// syntax sends NULL: "(NULL)" on an octet string sends no octets, and on any
// other syntax fails with -518 and a message that names the item.
void LoadBindingValue(const SnmpVar& item, Vb& vb);

// Index item `pos` takes its value from the front of `instance`; returns the
// rest of the instance (dotted, empty when nothing remains).
std::string TakeIndexValueOf(VxSNMPVarList& list, int pos, const std::string& instance);
// Index item `pos`'s value as dotted sub-identifiers (empty when it writes none).
std::string IndexValueTextOf(const VxSNMPVarList& list, int pos);

// The item's value text turned from label to value through its map.
std::string RawValueText(const SnmpVar& item);
// A value text turned to its label through the item's map.
std::string LabelledText(const SnmpVar& item, const std::string& valueText);
