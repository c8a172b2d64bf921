#pragma once
// Common controls in one include: the list view.

#include "toolkit/ListView.h"
