// A memory device context over a 32-bit top-down bitmap, for drawing
// controls off screen and reading back the colours they drew. Its font is
// not smoothed, so text pixels have exactly the text colour.
#pragma once

#include <windows.h>

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(1, 2, 3));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const noexcept { return m_dc; }
    int Width() const noexcept { return m_width; }
    int Height() const noexcept { return m_height; }
    RECT Rect() const noexcept { return {0, 0, m_width, m_height}; }

    COLORREF Pixel(int x, int y) const;
    // How many pixels in the rectangle have exactly this colour.
    int Count(COLORREF colour, const RECT& area) const;
    int Count(COLORREF colour) const { return Count(colour, Rect()); }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_previousFont = nullptr;
    const DWORD* m_bits = nullptr;
};
