#pragma once
// What start-up finds of the host system: the help path, the error-message
// files beside it, and the directory of the per-device ".cfg" files; and the
// host's MIB tools that some menu commands start.

#include <string>

// The help path the host registered for this module (HKEY_LOCAL_MACHINE
// \SOFTWARE\Pelorin\Modules\HelpPath, value "1.3.6.1.4.1.171.10.59.8"); the
// key is created when it is missing. Empty when there is none or the
// registry fails.
std::string ReadHelpPath();

// The folder that holds "errmsg": the help path without its last 12
// characters; empty (the current directory) for a shorter path.
std::string ErrorMessageDirectory(const std::string& helpPath);

// Replaces the message tables by the error-message files under `directory`;
// a file that cannot be read leaves its table as it is.
void LoadErrorMessageFiles(const std::string& directory);

// The directory of the per-device files: the host's MibFile path, else its
// program path + "..\Conf\MBF\", else empty.
std::string FindCfgDirectory();

// Looks for the host's MIB tools in the registry; returns the text for the
// status bar when none is registered ("No Path!", or "OpenView : File Path
// Error!" for an OpenView installation without its path), else empty.
// Registry failures count as nothing found.
std::string CheckHostTools();
