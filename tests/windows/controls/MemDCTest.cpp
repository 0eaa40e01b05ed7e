// Off-screen surfaces: a picture copied into a surface twice its size, or
// out of one into another twice its size, comes out doubled in both
// directions, pixel for pixel.
#include "MemDC.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kPattern[2][3] = {
    {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
    {RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 255)},
};

TEST(MemDCTest, StretchingToTwiceTheSizeDoublesAPicture) {
    CClientDC screen(nullptr);
    CMemDC picture, copiedInto, copiedOutOf;
    picture.Create(&screen, 3, 2);
    copiedInto.Create(&screen, 6, 4);
    copiedOutOf.Create(&screen, 6, 4);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            picture.FillSolidRect(CRect(x, y, x + 1, y + 1), kPattern[y][x]);
        }
    }
    copiedInto.StretchFrom(&picture, CRect(0, 0, 6, 4), CRect(0, 0, 3, 2), SRCCOPY);
    picture.StretchTo(&copiedOutOf, CRect(0, 0, 6, 4), CRect(0, 0, 3, 2), SRCCOPY);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(kPattern[y / 2][x / 2], ::GetPixel(copiedInto, x, y)) << "StretchFrom, " << x << ", " << y;
            EXPECT_EQ(kPattern[y / 2][x / 2], ::GetPixel(copiedOutOf, x, y)) << "StretchTo, " << x << ", " << y;
        }
    }
}

}  // namespace
