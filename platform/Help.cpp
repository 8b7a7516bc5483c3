#include "platform/Help.h"

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/winsvc/Exec.h"

bool WinHelpA(HWND window, const std::string& file, UINT command, std::uintptr_t) {
    if (command == HELP_QUIT) return true;
    const std::string path = NativePath(file);
    if (!FileExists(path)) {
        MessageBoxA(window, "Cannot find the help file \"" + path + "\".", Application->Title(),
                    MB_OK | MB_ICONWARNING);
        return false;
    }
    if (StartProgram({"xdg-open", path}) != 0) {
        MessageBoxA(window, "No program is installed to open the help file \"" + path + "\".",
                    Application->Title(), MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}
