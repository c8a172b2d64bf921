#pragma once
// Common controls in one include: page control with tab sheets, track bar and list view.

#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSheet.h"
#include "toolkit/TrackBar.h"
