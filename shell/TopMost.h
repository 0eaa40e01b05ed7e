// Putting a top-level window above all ordinary windows, or back among them.
#pragma once

#include <windows.h>

// Places the window in the topmost band, or at the top of the ordinary
// windows; its owned windows stay above it.
void PlaceTopMost(HWND window, bool topMost);
