#pragma once
// The program: creates the main window (the whole start-up), the hidden
// ready-flag form and the start-up editor window, then runs the message loop
// until the main window closes. A failure that leaves start-up is shown in
// the standard exception box and ends the program.
//
// Expects a QApplication and the command line (SetCommandLine); returns the
// process's exit status: 0, or 1 when start-up failed.
int RunKestrixModule();
