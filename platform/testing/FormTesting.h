#pragma once
// Helpers for tests that drive forms.

#include "platform/Forms.h"

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

// The tooltip a widget shows when the pointer rests on it near its left
// edge, as one line, or an empty text when it shows none.
std::string TooltipAt(QWidget* widget);
