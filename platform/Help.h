#pragma once
// Opening the program's help file, in place of the platform's WinHelp: the
// file is handed to the desktop's opener (xdg-open, found on the PATH), which
// shows it with whatever program the desktop associates with it.

#include "platform/Types.h"

#include <string>

constexpr UINT HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3;

// Opens `file` at its contents (every command but HELP_QUIT opens it; the
// desktop's opener knows no topics). A missing file, or an opener that does
// not start, is told to the user in a message box owned by `window`; false
// then.
bool WinHelpA(HWND window, const std::string& file, UINT command, std::uintptr_t data);
