#pragma once
// The main window's menus as data: the menu bar MainMenu1 and the port
// buttons' popup PortInfoPopupMenu, item by item in menu order. Each item is
// a TMenuItem named as listed; an item whose name + "Click" is a handler of
// main/MenuCommands.def calls it when chosen. Captions are shown exactly as
// listed, trailing blanks and misspellings included; "-" is a separator.

#include <cstddef>

struct MenuNode {
    int Depth;            // 0 for the items of the bar (or the popup) itself
    const char* Name;     // the TMenuItem's name, "UnitTable1"
    const char* Caption;
    bool Visible = true;
};

inline constexpr bool Hidden = false;

extern const MenuNode MainMenuLayout[];
extern const size_t MainMenuLayoutCount;

extern const MenuNode PortPopupLayout[];
extern const size_t PortPopupLayoutCount;
