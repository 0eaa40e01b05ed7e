// Points, sizes and rectangles: thin value types over the Windows structures,
// so that they pass anywhere a POINT*, SIZE* or RECT* is expected.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x, int y) noexcept : POINT{x, y} {}
};

class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int cx, int cy) noexcept : SIZE{cx, cy} {}
    CSize(SIZE size) noexcept : SIZE(size) {}
};

class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& rect) noexcept : RECT(rect) {}
    CRect(POINT topLeft, SIZE size) noexcept
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    bool PtInRect(POINT point) const noexcept { return ::PtInRect(this, point) != FALSE; }

    void OffsetRect(int dx, int dy) noexcept { ::OffsetRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) noexcept { ::InflateRect(this, -dx, -dy); }
};
