#pragma once
// The table of syntaxes: one row per syntax code, saying everything the
// framework does by syntax. The value conversions (received values, values
// to set, row instances), the octet layouts below the value texts, the item
// expressions, the checks of typed values, the multi-edit controls and the
// list-view columns all read their row here; no other code switches over
// syntax codes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/SnmpValues.h"

// The value a binding carries for the syntax on the wire.
enum class SyntaxWire : uint8_t {
    None,       // part of an octet string only (bool8 to uint16): never sent alone
    Null,
    Integer,    // INTEGER
    Gauge,      // sent as Gauge32; Counter32, Gauge32 and TimeTicks are taken in
    TimeTicks,  // sent as TimeTicks; Counter32, Gauge32 and TimeTicks are taken in
    Counter64,
    IpAddress,
    ObjectId,
    Octets,     // OCTET STRING (also for opaque); Opaque is taken in too
};

// How an index value is written into a row instance and read back.
enum class SyntaxIndex : uint8_t {
    None,           // not an index syntax
    Nothing,        // null: no sub-identifiers
    Word,           // one sub-identifier: the 32-bit value
    HighThenLow,    // two: the high, then the low 32 bits of a 64-bit value
    LowThenHigh,    // two: the low, then the high 32 bits (doubles)
    FixedOctets,    // one per octet, exactly the layout's size (the last IMPLIED index: all)
    CountedOctets,  // the octet count, then one per octet (the last IMPLIED index: no count)
    CountedWords,   // the sub-identifier count, then the sub-identifiers (IMPLIED: no count)
};

// What an item reference in an expression becomes.
enum class SyntaxOperand : uint8_t {
    Flag,        // "1" for "true", else "0"
    Number,      // the value text unchanged
    Ticks,       // the tick count
    DateNumber,  // the date-time number
    Text,        // quoted text in a condition; refused in an arithmetic expression
};

// What an expression's result becomes in the item's value.
enum class SyntaxResult : uint8_t {
    None,          // refused
    Flag,          // false for 0, else true
    Integer,       // truncated toward zero, taken in the layout's bits
    WideInteger,   // the same, worked out in long double so that 64 bits keep every digit
    Real,          // the number itself (a double, or a date-time number)
};

// How a value is spread over several edit boxes.
enum class SyntaxSplit : uint8_t {
    Whole,        // the first edit shows the whole text
    HexOctets,    // one edit per octet, "%02X"
    Words,        // one edit per sub-identifier
    Address,      // four edits, one number per octet
    Ticks,        // days, hours, minutes, seconds, hundredths
    DateAndTime,  // ten fields of the DateAndTime text
    DateTime,     // year, month, day, hour, minute, second, millisecond
    FixedHex,     // one edit per octet of the layout's size, "%02X"
};

enum class ColumnAlign : uint8_t { Left, Right };

struct VxSyntax {
    uint32_t Code;
    const char* Name;  // as the syntax-name map shows it
    int Size;          // octets of the fixed layout; 0 for a variable one

    // The value text as the layout's octets (lenient: never refuses a text)
    // and back (octets shorter than the layout read as if zero-padded).
    Octets (*ToOctets)(std::string_view text);
    std::string (*ToText)(const Octets& bytes);

    // The typed-value check: whether a text is a value the syntax holds,
    // and the phrase that tells the user what it needs.
    bool (*Holds)(const VxSyntax& row, std::string_view text);
    const char* Needs;
    long long Min;  // bounds of the whole-number syntaxes
    uint64_t Max;

    SyntaxWire Wire;
    // The text of a received binding that carries no value; null: the
    // syntax shows its octets all the same (an empty hex text).
    const char* NoValueText;
    SyntaxIndex Index;
    SyntaxOperand Operand;
    SyntaxResult Result;
    SyntaxSplit Split;
    ColumnAlign Column;

    bool IsBoolean() const { return Operand == SyntaxOperand::Flag; }
    bool IsVariableSize() const { return Size == 0 && Wire != SyntaxWire::Null; }
};

// The row of a syntax code, or null for an unknown code.
const VxSyntax* FindSyntax(int code);
// The row of a syntax code; an unknown code fails with -511 ("Bad SNMP syntax").
const VxSyntax& SyntaxOf(int code);
// Every row, in the order of the syntax-name map.
const VxSyntax* SyntaxTableBegin();
const VxSyntax* SyntaxTableEnd();

// The check of a typed value text (labels already turned into values): no
// result when the syntax can hold the text, else the phrase of what it
// needs ("an IP address: four numbers from 0 to 255 joined by dots, such as
// 10.90.90.90"). "(NULL)" passes for every syntax: it is sent as a NULL
// value. An unknown syntax code fails with -511.
std::optional<std::string> CheckValueText(int syntax, std::string_view text);
// Whether a text is exactly four numbers from 0 to 255 joined by dots, with
// nothing before, between or after them (not even blanks).
bool IsAddressText(std::string_view text);
// The message that refuses a typed value: `Server Address: "300.1.1.1" is
// not an IP address: ...`.
std::string RefusedValueMessage(std::string_view label, std::string_view text, const std::string& needs);

// The octets a received binding carries, laid out as the framework's octet
// form of its own type (integers little-endian, OIDs 4 octets per
// sub-identifier); empty for null and exceptions.
Octets WireOctets(const Vb& vb);
// Whether a received binding's type is one that the syntax takes in.
bool WireFits(const VxSyntax& row, const Vb& vb);
// The binding's value built from the syntax's octets.
void SetWireValue(const VxSyntax& row, const Octets& bytes, Vb& vb);
