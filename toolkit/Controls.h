#pragma once
// The control layer in one include: windowless, windowed and custom-painted controls.

#include "toolkit/Control.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/CustomControl.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/WinControl.h"
