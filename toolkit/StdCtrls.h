#pragma once
// Standard controls in one include: push button and label.

#include "toolkit/Button.h"
#include "toolkit/Label.h"
