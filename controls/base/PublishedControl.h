#pragma once
// The library's controls list their published properties in their own stream order; the
// ones every control has (bounds, caption, colour, font ...) come from the toolkit's table.

#include "toolkit/ControlProps.h"
