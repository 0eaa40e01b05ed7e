// Sizes at a window's DPI. The program's own pixel sizes are given for the
// standard 96 DPI and scaled to the DPI of the window they are used in,
// which under per-monitor awareness is that window's monitor's.
#pragma once

#include <windows.h>

inline int ScaleForDpi(int size96, UINT dpi) noexcept {
    return ::MulDiv(size96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}
