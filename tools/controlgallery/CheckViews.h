#pragma once
// The views of the check box, the group box and the label.

#include "ControlViews.h"

TControlView CheckBoxView();
TControlView GroupBoxView();
TControlView LabelView();
