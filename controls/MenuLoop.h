#pragma once
// What the menu loops leave for after the last level has closed.

// A press outside every open level closed them all; it goes now to the window under the
// pointer, as the press it was (client or frame).
void DeliverPendingPress();
