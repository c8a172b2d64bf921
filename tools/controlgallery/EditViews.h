#pragma once
// The views of the single-line edit and of the hot-key field built on it.

#include "ControlViews.h"

TControlView EditView();
TControlView HotKeyView();
