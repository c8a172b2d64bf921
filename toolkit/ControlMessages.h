#pragma once
// One window message as hooks see it, and the numbers of the toolkit's own notifications to
// controls (kept with every other private message in PrivateMessages.h).

#include <windows.h>

#include "toolkit/PrivateMessages.h"

// One window message as hooks see it: the number, both parameters and the result so far.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
