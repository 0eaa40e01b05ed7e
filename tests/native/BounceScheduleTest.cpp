// The closing animation's frames: five bounces, each a third of the one
// before, ending with the box back in its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BounceSchedule.h"

namespace unitora {
namespace {

TEST(CloseEffectBounces, FiveBouncesOf63FramesEachAThirdOfTheOneBefore) {
    std::vector<int> amplitudes, frames, highest;
    for (const Bounce& bounce : CloseEffectBounces()) {
        amplitudes.push_back(bounce.amplitude);
        frames.push_back(static_cast<int>(bounce.lifts.size()));
        highest.push_back(*std::max_element(bounce.lifts.begin(), bounce.lifts.end()));
        EXPECT_EQ(0, bounce.lifts.front()) << "amplitude " << bounce.amplitude;
    }
    EXPECT_EQ((std::vector<int>{100, 33, 11, 3, 1}), amplitudes);
    EXPECT_EQ((std::vector<int>{41, 14, 5, 2, 1}), frames);
    EXPECT_EQ((std::vector<int>{100, 31, 10, 1, 0}), highest);
}

// On a canvas three times the box's size the box stands in the middle
// third, at (width / 2, height / 2); odd sizes must not move it by a pixel.
TEST(BounceFrameAt, TheLastFrameShowsTheBoxInItsPlaceOverItsShadow) {
    const int lastLift = CloseEffectBounces().back().lifts.back();
    for (const auto& [width, height] : {std::pair{200, 300}, std::pair{251, 317}}) {
        const PixelRect place{width / 2, height / 2, width / 2 + width, height / 2 + height};
        const BounceFrame frame = BounceFrameAt(lastLift, width, height);
        EXPECT_EQ(place, frame.picture) << width << " x " << height;
        EXPECT_EQ(place, frame.shadow) << width << " x " << height;
    }
}

TEST(BounceFrameAt, AFullLiftMovesTheShadowByTheBoxsSizeAndDoublesThePicture) {
    const BounceFrame frame = BounceFrameAt(100, 200, 300);
    EXPECT_EQ((PixelRect{300, 450, 500, 750}), frame.shadow);
    EXPECT_EQ((PixelRect{0, 0, 400, 600}), frame.picture);
}

}  // namespace
}  // namespace unitora
