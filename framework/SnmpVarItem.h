#pragma once
// MIB item records: one per MIB object of an editor page. The catalogue
// describes each group of objects as a static array of SnmpVarItem ended by a
// record whose ObjectId is null; a var list works on its own copies (SnmpVar).

#include <cstdint>
#include <optional>
#include <string>

#include "common/VxOptionList.h"

// Syntax codes. 1 to 6 and 64 to 71 are the ASN.1 and SMI tags of the same
// types; the others are the framework's own.
enum SnmpSyntax : uint32_t {
    sxBoolean = 1,
    sxInteger = 2,
    sxBitStr = 3,
    sxOctetStr = 4,
    sxNull = 5,
    sxObjectId = 6,
    sxIpAddress = 64,
    sxCounter = 65,
    sxGauge = 66,
    sxTimeTicks = 67,
    sxOpaque = 68,
    sxNsapAddr = 69,
    sxCounter64 = 70,
    sxUInteger = 71,
    sxDouble = 72,
    sxMacAddress = 73,
    sxDateTime = 74,
    sxBcDateTime = 75,
    sxDisplayStr = 76,
    sxIpv6Address = 77,
    sxBool8 = 193,
    sxInt8 = 194,
    sxUInt8 = 195,
    sxBool16 = 196,
    sxInt16 = 197,
    sxUInt16 = 198,
};

// Access flags (bits).
enum SnmpAccess : uint32_t {
    acNotAccess = 1,
    acReadOnly = 2,
    acWriteOnly = 4,
    acReadWrite = 6,
    acDerived = 8,
    acHidden = 16,
    acInvalid = 32,  // left out of reads, writes and display
    acImplied = 64,  // with acNotAccess: a string index column declared IMPLIED
};

// List kinds.
enum SnmpVarKind : uint8_t {
    SVT_SV = 0,   // scalar group: one get, instance ".0"
    MVT_SV = 1,   // one row of a table, addressed by the list's Instance
    MVT_FMV = 2,  // table walked with get-next; controls wait for a selected row
    MVT_UMV = 3,  // table walked with get-next
};

// Static record of the catalogue.
struct SnmpVarItem {
    const char* ObjectId;  // dotted decimal, no instance; null ends an array
    const char* Label;
    uint32_t Syntax;
    uint32_t Access;
    const VxItemOptions* Options = nullptr;  // value-name map or LED colour map
    const char* Aux1 = nullptr;  // expression applied after each reply
    const char* Aux2 = nullptr;  // expression applied before each set
    const char* Aux3 = nullptr;  // carried only
    const char* Value = nullptr;
    const char* LastOid = nullptr;
};

// A var list's own copy of an item, holding its current value text and the
// last OID of a walk.
struct SnmpVar {
    std::string ObjectId;
    std::string Label;
    uint32_t Syntax = 0;
    uint32_t Access = 0;
    const VxItemOptions* Options = nullptr;
    std::optional<std::string> Aux1, Aux2, Aux3;
    std::string Value;
    std::string LastOid;

    // The item's value-name map, or null (an LED item's colour map is not one).
    const VxOptionList* OptionList() const { return dynamic_cast<const VxOptionList*>(Options); }
};
