#pragma once
// Status codes of the request engine and the message tables behind them.
//
// Codes: 0 success; -101..-118 agent error status (-102 noSuchName);
// -201..-217 SNMPv3 message processing; -301..-314 user-based security;
// -401..-423 the SNMP library (-405 time-out); -(500+n) the engine's own
// failures with VxSNMPMessages entry n; -528 an unknown status.

#include <string>

#include "common/VxMessageTable.h"

extern VxMessageTable SnmpPduMessages;     // "errmsg\snmp.err"
extern VxMessageTable SnmpV3Messages;      // "errmsg\snmpv3.err"
extern VxMessageTable SnmpUsmMessages;     // "errmsg\snmpusm.err"
extern VxMessageTable SnmpClassMessages;   // "errmsg\snmpclass.err"
extern VxMessageTable VxSNMPMessages;      // "errmsg\vxsnmp.err"
extern VxMessageTable SnmpRequestFormats;  // "errmsg\snmp.msg"

// Library status values that the engine produces itself.
enum SnmpLibraryStatus : int {
    SNMP_CLASS_SUCCESS = 0,
    SNMP_CLASS_ERROR = -1,
    SNMP_CLASS_RESOURCE_UNAVAIL = -2,
    SNMP_CLASS_INTERNAL_ERROR = -3,
    SNMP_CLASS_UNSUPPORTED = -4,
    SNMP_CLASS_TIMEOUT = -5,
    SNMP_CLASS_ASYNC_RESPONSE = -6,
    SNMP_CLASS_NOTIFICATION = -7,
    SNMP_CLASS_SESSION_DESTROYED = -8,
    SNMP_CLASS_INVALID = -10,
    SNMP_CLASS_INVALID_PDU = -11,
    SNMP_CLASS_INVALID_TARGET = -12,
    SNMP_CLASS_INVALID_CALLBACK = -13,
    SNMP_CLASS_INVALID_REQID = -14,
    SNMP_CLASS_INVALID_OID = -17,
    SNMP_CLASS_INVALID_ADDRESS = -18,
    SNMP_CLASS_ERR_STATUS_SET = -19,
    SNMP_CLASS_TL_UNSUPPORTED = -20,
    SNMP_CLASS_TL_IN_USE = -21,
    SNMP_CLASS_TL_FAILED = -22,
    SNMP_CLASS_SHUTDOWN = -23,
};

// The engine's own failures: -(500 + entry).
enum VxSNMPFailure : int {
    vxOk = 0,
    vxSessionCreate = 6,
    vxBootCounterLoad = 7,
    vxBootCounterSave = 8,
    vxBadAddress = 9,
    vxNextOnSingle = 10,
    vxBadSyntax = 11,
    vxNullInExpression = 12,
    vxBadSyntaxInExpression = 13,
    vxBadKeyCount = 14,
    vxBadListKind = 15,
    vxBadPartSyntax = 17,
    vxBadPartValue = 18,
    vxPartOutOfRange = 19,
    vxNoOptionList = 20,
    vxBadControlType = 21,
    vxTooFewControls = 22,
    vxUnknownCode = 28,
    // Beyond the 29 entries of a replacement file: their built-in texts.
    vxRepeatedOid = 29,
    vxNoValueTheAgentHas = 30,  // a write whose values the agent has none of: nothing is sent
    vxNoValueChosen = 31,       // a write that chooses no writable value: nothing is sent
};

// The status code of the engine's failure `entry`.
constexpr int VxSNMPCode(VxSNMPFailure entry) { return -(500 + static_cast<int>(entry)); }

struct SnmpStatusText {
    int Code;
    std::string Message;
};

// The (code, message) of a status of the library, the agent, USM or v3 MP.
SnmpStatusText MapSnmpStatus(int status);

// Throws the engine's failure `entry` as an Exception with code -(500 + entry).
[[noreturn]] void ThrowVxSNMP(VxSNMPFailure entry);

// Whether a write failed with `code` before anything was sent because it
// carried no value: the agent holds what it held, nothing is to be read again.
constexpr bool IsNothingToWrite(int code) {
    return code == VxSNMPCode(vxNoValueTheAgentHas) || code == VxSNMPCode(vxNoValueChosen);
}

// The success text, "(VxSNMP++) Ok!" unless replaced.
std::string VxSNMPOkText();

class Exception;
// The status code of a failure caught while a reply was taken in. A failure
// that carries no code of its own (a value its syntax cannot show, such as a
// date that is no date) is still a failure: "Bad SNMP syntax", never 0, which
// would read as success.
int FailureCodeOf(const Exception& failure);
