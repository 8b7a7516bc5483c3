// kestrix-module: the management module of a Kestrix switch stack.
//
//   kestrix-module /I<agent address> /R<read community> /W<write community> [/v<version>] ...
//
// See main/AgentSettings.h for every switch and the per-device file.

#include <QApplication>

#include <string>
#include <vector>

#include "main/AgentSettings.h"
#include "main/Program.h"
#include "platform/SysUtils.h"

int main(int argc, char** argv) {
    // The arguments as given, before the toolkit takes out options of its own.
    SetCommandLine(std::vector<std::string>(argv, argv + argc));
    HidePasswordArguments(argc, argv);
    QApplication application(argc, argv);
    return RunKestrixModule();
}
