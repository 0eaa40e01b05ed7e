// The about box's closing animation as numbers: how far the box is lifted
// in each frame, and where its shadow and its enlarged picture go.
//
// The box bounces five times, each bounce a third of the one before
// (amplitudes 100, 33, 11, 3, 1). Within a bounce the lift rises in steps of
// five from 0 towards the amplitude and falls back, one frame per step; the
// very last frame, a lift of 0, shows the box in its place again.
//
// Portable: the animation draws these frames on the screen.
#pragma once

#include <vector>

namespace unitora {

struct Bounce {
    int amplitude;
    std::vector<int> lifts;  // one per frame, each between 0 and the amplitude
};

std::vector<Bounce> CloseEffectBounces();

struct PixelRect {
    int left, top, right, bottom;
    bool operator==(const PixelRect&) const = default;
};

// One frame on a canvas three times the box's size, on which the box stands
// in the middle third. A lift of 100 moves the shadow right and down by the
// box's whole size and enlarges the picture by as much around its centre.
struct BounceFrame {
    PixelRect shadow;
    PixelRect picture;
};

BounceFrame BounceFrameAt(int lift, int boxWidth, int boxHeight);

}  // namespace unitora
