#pragma once
// Menu levels as pictures: the rows in their looks (current, checked, disabled, with a
// shortcut, a separator, a sub-menu's arrow) and a scrolled level with its strips.

#include "ControlViews.h"

TControlView MenuView();
TControlView MenuScrollView();
