#pragma once
// Helpers for tests that drive forms.

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <Qt>

#include <string>

class QWidget;

// Shows the form and makes it the active window, so that focus moves and
// key input behave as on screen. False when the platform would not
// activate it.
bool ActivateForm(TForm* form);

// Saves a PNG picture of the control (a form: its whole window) under
// $KESTRIX_BINARY_DIR/screenshots (or the current directory), creating the
// folder; returns the file's path, or an empty text on failure.
std::string SaveScreenshot(TControl* control, const std::string& fileName);

// Presses and releases a key on the widget with the text a PC keyboard's
// key event carries under X11, which QTest leaves out for some keys: "\x7f"
// for Delete, "\b" Backspace, "\r" Enter, "\x1b" Escape, "\t" Tab, the
// control character of Ctrl with a letter, the character of a letter, digit
// or space key (lower case without Shift), nothing for the arrows, Home, End
// and the like.
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Chooses the entry of that label in the combo box's list as a user does,
// which runs its change handlers; false when no entry has the label.
bool ChooseEntry(TComboBox* combo, const std::string& label);

// The tooltip a widget shows when the pointer rests on it near its left
// edge, as one line, or an empty text when it shows none.
std::string TooltipAt(QWidget* widget);
