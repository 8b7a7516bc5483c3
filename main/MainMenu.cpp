// Stand-in for the main menu until it is built.
#include "main/Main.h"

void TMainForm::BuildMainMenu() {}
