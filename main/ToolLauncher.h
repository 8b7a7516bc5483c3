#pragma once
// The command line of one of the host's MIB tools, started in place of a page
// of this module: the tool named by the page argument ("/TMIB_Info" names
// "MIB"), this module's agent and communities, the page, and for SNMPv3 the
// session's v3 settings.

#include <string>
#include <vector>

#include "main/AgentSettings.h"

struct VxSNMPSessionParameters;

// The tool's module name: the page argument from its third character up to
// the first "_".
std::string ToolModuleName(const std::string& page);

// The program and its arguments. The v3 switches follow when the per-device
// file gave version 3 (`cfgFileFound` and the version text "3") or the
// session's version is 3, each even when its value is empty.
std::vector<std::string> ToolArguments(const std::string& page, const TAgentTexts& texts,
                                       const VxSNMPSessionParameters& session, bool cfgFileFound);

// The arguments as one command text, separated by blanks.
std::string ToolCommandText(const std::vector<std::string>& arguments);
