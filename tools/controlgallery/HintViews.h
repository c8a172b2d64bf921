#pragma once
// The view of the hints: two texts as the hint component paints them, at the size it measures.

#include "ControlViews.h"

TControlView HintView();
