#pragma once
// Starting another program, in place of the platform's WinExec.
//
// The program is found by the usual PATH search (or taken as a path when the
// name holds a '/'), gets its arguments as given (no shell ever splits or
// interprets them), runs detached in a session of its own and is never waited
// for. It inherits the environment and the standard streams, none of this
// process's other files or sockets.

#include <string>
#include <vector>

// 0 when the program is running; else the reason it could not start (an
// errno value: ENOENT when no such program is found, EACCES when it may not
// be run, ...).
int StartProgram(const std::vector<std::string>& arguments);

// The platform's show-window modes; a program of this system has no window
// of ours to show, so the mode is only taken for the call's sake.
constexpr unsigned SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5;

// The platform's result: above 31 when the program started, 2 when it was
// not found, 5 when access was refused, 0 for any other failure.
unsigned WinExec(const std::vector<std::string>& arguments, unsigned showWindow);
