#pragma once
// Opening the program's help file, in place of the platform's WinHelp: the
// file (plain text) is shown in a help window of the program's own, so that
// it opens on any desktop, with no other program and whatever file type the
// desktop would take its name for.

#include "platform/Forms.h"
#include "platform/Types.h"

#include <string>

class TMemo;

constexpr UINT HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3;

// Shows `file` in its help window at its contents, the beginning of the file
// (every command but HELP_QUIT, which closes the window; the text knows no
// topics). The window is not modal and stays until it is closed; asking for
// the same file again brings it back to the front, at its contents. A file
// that cannot be read is told to the user in a message box owned by
// `window`; false then.
bool WinHelpA(HWND window, const std::string& file, UINT command, std::uintptr_t data);

// The help window of one file: its text, read-only, in a fixed-pitch font;
// the caption is the file's first line (its title).
class THelpForm : public TForm {
public:
    THelpForm(TComponent* owner, const std::string& file);
    // Reads the file again and shows it from its first line.
    bool ShowContents();

    const std::string File;
    TMemo* Text = nullptr;
};
