#pragma once
// The form layer in one include: forms, the screen, the application object.

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
