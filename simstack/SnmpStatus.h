#pragma once
// SNMP error-status values (RFC 3416) with their protocol names, used by the
// object tree's set checks and by the fail-next-set fault.

#include <optional>
#include <string_view>

namespace simstack {

enum SnmpStatus : int {
    NoError = 0,
    TooBig = 1,
    NoSuchName = 2,
    BadValue = 3,
    ReadOnly = 4,
    GenErr = 5,
    NoAccess = 6,
    WrongType = 7,
    WrongLength = 8,
    WrongEncoding = 9,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    ResourceUnavailable = 13,
    CommitFailed = 14,
    UndoFailed = 15,
    AuthorizationError = 16,
    NotWritable = 17,
    InconsistentName = 18,
};

// "genErr", "noCreation", ... (case-insensitive) or the number 1..18.
std::optional<SnmpStatus> ParseSnmpStatus(std::string_view text);

std::string_view SnmpStatusName(SnmpStatus status);

}  // namespace simstack
