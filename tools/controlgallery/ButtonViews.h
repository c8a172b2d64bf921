#pragma once
// The push buttons' views of the control gallery.

#include "ControlViews.h"

TControlView ButtonView();
