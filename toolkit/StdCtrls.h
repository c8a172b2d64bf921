#pragma once
// Standard controls in one include: push button, check box, label, edit and group box.

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
