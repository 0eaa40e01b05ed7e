// The about box's closing animation: over a picture of the screen around
// the box, the box lifts off towards the viewer with a black shadow falling
// away behind it and bounces back, five times, each bounce a third of the
// one before (63 frames, about one second). It is drawn on an overlay
// window three times the box's size, centred on the box; the box itself
// stays where it is underneath.
//
// The animation blocks the thread: no messages are processed while it runs.
// Every window, context and bitmap it makes is freed before it returns.
#pragma once

#include "Geometry.h"

// Plays the animation for a window with this rectangle on the screen.
void PlayBounceAnimation(const CRect& windowRect);

// What happens between two frames: the program waits 15 ms, tests replace
// it to count the frames without waiting. Null restores the program's;
// returns the previous one.
using FrameWait = void (*)();
FrameWait SetFrameWait(FrameWait wait) noexcept;
