// CMemDC: an off-screen drawing surface, a memory device context with a
// bitmap of its own. Whole pictures are copied into it and out of it with
// stretching copies in colour-on-colour mode (no halftoning), and it is
// drawn on with CDC's own operations.
//
// The surface owns its context and its bitmap. When it goes, the bitmap is
// selected out first, then deleted, then the context; a surface that was
// never created frees nothing. A failed creation leaves a surface that
// draws nothing and copies nothing.
#pragma once

#include "DeviceContext.h"
#include "Dib.h"

class CMemDC : public CDC {
public:
    CMemDC() noexcept = default;
    ~CMemDC() override;

    // Copies sourceRect of the source into destRect of this surface.
    void StretchFrom(CDC* source, CRect destRect, CRect sourceRect, DWORD rop);
    // Copies sourceRect of this surface into destRect of the destination.
    void StretchTo(CDC* destination, CRect destRect, CRect sourceRect, DWORD rop);

    // A surface of width x height pixels in the format of dc, a real context
    // (a screen or window context). A second call replaces the first.
    void Create(CDC* dc, int width, int height);

private:
    void Free() noexcept;

    CDib m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;  // selected back before the bitmap is freed
};
