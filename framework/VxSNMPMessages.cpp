#include "VxSNMPMessages.h"

#include "platform/Exception.h"

namespace {

const char* const PduTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char* const V3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char* const UsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char* const ClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char* const VxTexts[] = {
    "(VxSNMP++) Ok!",
    "(VxSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(VxSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VxSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VxSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VxSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VxSNMP++) Cannot create the global VxSNMP++ session!",
    "(VxSNMP++) Error when loading SNMP engine boots counter!",
    "(VxSNMP++) Error when saving SNMP engine boots counter!",
    "(VxSNMP++) Invalid IP Address or DNS name!",
    "(VxSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(VxSNMP++) Bad SNMP syntax!",
    "(VxSNMP++) Null value in the expression!",
    "(VxSNMP++) Bad SNMP syntax in the expression!",
    "(VxSNMP++) Bad key count of SNMP variable list!",
    "(VxSNMP++) Bad item type of SNMP variable list!",
    "(VxSNMP++) Bad item type of associated SNMP variable list!",
    "(VxSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(VxSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(VxSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(VxSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(VxSNMP++) Bad type of the associated visual control!",
    "(VxSNMP++) Count of the associated visual controls is not enough!",
    "(VxSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(VxSNMP++) Count of the value items for the chart's history data is not enough!",
    "(VxSNMP++) Log database is not connected!",
    "(VxSNMP++) Log database field not found!",
    "(VxSNMP++) Bad syntax for the history chart of log!",
    "(VxSNMP++) Unknown error code!",
    "(VxSNMP++) The agent answered a get-next with the OID asked for: the walk ends here!",
    "(VxSNMP++) Nothing was sent: the agent has none of these values to write!",
    "(VxSNMP++) Nothing was sent: no value to write is chosen!",
};

const char* const FormatTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

}  // namespace

VxMessageTable SnmpPduMessages(PduTexts);
VxMessageTable SnmpV3Messages(V3Texts);
VxMessageTable SnmpUsmMessages(UsmTexts);
VxMessageTable SnmpClassMessages(ClassTexts);
VxMessageTable VxSNMPMessages(VxTexts);
VxMessageTable SnmpRequestFormats(FormatTexts);

SnmpStatusText MapSnmpStatus(int s) {
    if (s == 0 || s == 1400 || s == -1401) return {0, VxSNMPMessages[0]};
    if (s >= 1401 && s <= 1414) return {1100 - s, SnmpUsmMessages[static_cast<size_t>(s - 1401)]};
    if (s >= -1418 && s <= -1402) return {s + 1201, SnmpV3Messages[static_cast<size_t>(-1402 - s)]};
    if (s >= 1 && s <= 18) return {-100 - s, SnmpPduMessages[static_cast<size_t>(s - 1)]};
    if (s >= -23 && s <= -1) return {s - 400, SnmpClassMessages[static_cast<size_t>(-1 - s)]};
    return {VxSNMPCode(vxUnknownCode), VxSNMPMessages[vxUnknownCode]};
}

void ThrowVxSNMP(VxSNMPFailure entry) {
    throw Exception(VxSNMPMessages[entry], VxSNMPCode(entry));
}

std::string VxSNMPOkText() { return VxSNMPMessages[vxOk]; }

int FailureCodeOf(const Exception& failure) {
    return failure.HelpContext != 0 ? failure.HelpContext : VxSNMPCode(vxBadSyntax);
}
