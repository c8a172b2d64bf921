#pragma once
// The view of the skinned list view.

#include "ControlViews.h"

TControlView ListViewView();
