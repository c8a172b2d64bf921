#pragma once
// The tab and page controls' views of the control gallery.

#include "ControlViews.h"

TControlView TabRowsView();
TControlView TabScrollView();
TControlView TabSideView();
TControlView PageControlView();
