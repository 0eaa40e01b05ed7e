#include "BounceSchedule.h"

#include <cstdlib>

namespace unitora {

std::vector<Bounce> CloseEffectBounces() {
    constexpr int kFirstAmplitude = 100;
    constexpr int kStep = 5;
    std::vector<Bounce> bounces;
    for (int amplitude = kFirstAmplitude; amplitude != 0; amplitude /= 3) {
        Bounce bounce{amplitude, {}};
        for (int v = -amplitude; v <= amplitude; v += kStep) {
            bounce.lifts.push_back(amplitude - std::abs(v));
        }
        bounces.push_back(std::move(bounce));
    }
    return bounces;
}

// Integer arithmetic truncating toward zero, halves taken one by one, so
// that a lift of 0 puts the picture exactly over the box's place.
BounceFrame BounceFrameAt(int lift, int boxWidth, int boxHeight) {
    const int dx = lift * boxWidth / 100;
    const int dy = lift * boxHeight / 100;
    const int left = boxWidth / 2;
    const int top = boxHeight / 2;
    return {
        {left + dx, top + dy, left + dx + boxWidth, top + dy + boxHeight},
        {left - dx / 2, top - dy / 2, (3 * boxWidth + dx) / 2, (3 * boxHeight + dy) / 2},
    };
}

}  // namespace unitora
