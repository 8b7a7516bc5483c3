#pragma once
// Message boxes and beeps, each behind a seam that tests can answer.
//
// Without a handler a real Qt message box is shown (modal) and a beep sounds
// through QApplication::beep. A test installs a handler that records each
// call and returns the answer (see platform/testing/DialogRecorder.h).

#include "platform/Types.h"

#include <functional>
#include <string>

struct MessageBoxCall {
    HWND Owner = nullptr;   // the owner window, or null
    std::string Text;
    std::string Caption;
    UINT Flags = MB_OK;     // MB_OK, MB_OKCANCEL, MB_YESNO ... | MB_ICON...
};

// Answers one message box with IDOK, IDCANCEL, IDYES, IDNO ...
using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;
// Installs a handler (an empty one restores the real box); returns the
// previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Frequency in Hz and duration in ms; both 0 for the default beep.
using BeepHandler = std::function<void(DWORD frequency, DWORD duration)>;
BeepHandler SetBeepHandler(BeepHandler handler);

// The platform message box. A null caption gives "Error", as the platform's.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags);
int MessageBoxA(HWND owner, const std::string& text, const std::string& caption, UINT flags);
bool Beep(DWORD frequency, DWORD duration);
// The default beep (any type).
bool MessageBeep(UINT type);
// A message box with an OK button and the application's title as caption.
void ShowMessage(const std::string& text);

// The button a message box answers with when nobody is asked: OK or Yes.
int DefaultMessageBoxAnswer(UINT flags);
