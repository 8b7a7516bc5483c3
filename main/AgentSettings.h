#pragma once
// The agent and its credentials as the command line and the per-device
// ".cfg" file give them: the texts that the main window keeps and passes on
// to the host's MIB tools, and the reading of both sources into the session
// settings that every request copies.
//
// Command line: one switch per argument with its value glued on
// ("/I10.90.90.90"). "/I" agent address, "/R" read and "/W" write community,
// "/v" version code; with version 3 also "/t" UDP port, "/c" context name,
// "/d" context engine id, "/m" security model, "/l" security level, "/n"
// security name, "/A" and "/P" auth and priv passwords, "/a" and "/p" auth
// and priv protocols (the SNMP library's numbering). A switch counts only at
// the start of its argument; the value is the rest of the argument as it
// stands.
//
// Per-device file: cfg directory + agent address + ".cfg", section "Program
// Information". It is read again before every argument but "/I", so "/I"
// comes first and the file's values give way only to the argument's own
// switch. The file counts security levels and protocols from 0 (a "0" leaves
// the setting alone); a key the file lacks leaves its setting alone too.
//
// Numbers are read with StrToInt: an empty or non-numeric value (in the file
// or on the command line), a port outside 0-65535 or a version other than
// 0, 1 or 3 throws EConvertError whose message names the key and the file,
// or the switch.

#include <cstdint>
#include <string>
#include <vector>

struct VxSNMPSessionParameters;

struct TAgentTexts {
    std::string AgentIP;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string PortText;
    std::string VersionText;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocolText;
    std::string PrivProtocolText;
    std::string ContextEngineId;
    std::string SecurityLevelText;
    std::string ContextName;
    std::string SecurityModelText;
};

// Whether the per-device file existed when it was last probed.
extern uint8_t CfgFileFound;

// The per-device file of `agentAddress` in `cfgDirectory`.
std::string CfgFilePath(const std::string& cfgDirectory, const std::string& agentAddress);

// Overwrites the values of the password switches ("/A", "/P") in the
// process's own argument vector with "x", so that they no longer show in its
// command line (ps, /proc/<pid>/cmdline) to every user of the machine. The
// program keeps its copy of the arguments (SetCommandLine) first.
void HidePasswordArguments(int argc, char** argv);

// Applies the arguments (without the program name) in order, reading the
// per-device file before each one that is not "/I".
void ApplyCommandLine(const std::vector<std::string>& arguments, const std::string& cfgDirectory,
                      TAgentTexts& texts, VxSNMPSessionParameters& session);
