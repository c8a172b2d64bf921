#pragma once
// Panels, pictures, bevels and timers in one include.

#include "toolkit/Bevel.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"
