#pragma once
// The view of the single-line edit.

#include "ControlViews.h"

TControlView EditView();
