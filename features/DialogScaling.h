#pragma once
// How each hand-made dialog grows under large fonts: by 1.25, rounded to the
// nearest pixel, either its Left, Top, Width and Height, or only its Width
// and Height, or not at all. The rule of every dialog class is one row of
// the table in DialogScaling.cpp; the frame looks it up by class name.

#include <optional>
#include <string_view>

enum class DialogScaling {
    LeftTopWidthHeight,
    WidthHeight,
    None,
};

// The rule of a dialog class ("TVlanStaticForm"); none for a class the
// table does not know.
std::optional<DialogScaling> ScalingOf(std::string_view className);

// value x 1.25, rounded to the nearest integer (503 gives 629).
int ScaleForDialog(int value);
