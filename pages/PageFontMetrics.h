// The page font as a page window really gets it (the template's face and
// size as the system resolves them, at the DPI of the window the pages are
// made in), and what labels and boxes need across in it, in dialog units.
//
// The font, its dialog base units and what a box adds around its text come
// from a page made for measuring: a hidden page with one box, in the same
// parent, made once per DPI and destroyed at once. The labels are then
// measured as their static controls draw them, so the layout needs no
// window to be moved after it is made.
#pragma once

#include <windows.h>

#include <vector>

#include "DeviceContext.h"
#include "GdiObjects.h"
#include "PageGrid.h"

// A context compatible with the screen, with a font selected while it lives.
class CMeasuringDC : public CDC {
public:
    CMeasuringDC() { CreateCompatibleDC(nullptr); }
    ~CMeasuringDC() override;
    void Select(const CFont& font);

private:
    HGDIOBJ m_hPrevious = nullptr;
};

class CPageFontMetrics {
public:
    // The metrics for pages made in parent, measured on the first call for
    // parent's DPI and kept until another DPI is asked for (or measured
    // again while they could not be).
    static const CPageFontMetrics& For(HWND parent);

    // False when the measuring page or its font could not be made: then no
    // width is known and no page can be laid out.
    bool Measured() const noexcept { return m_font.m_hObject != nullptr; }

    // One per field of the record, in its reading order.
    std::vector<int> OneLineWidths(const unitora::PageRecord& record) const;
    int TwoLineWidth(const wchar_t* label) const;
    unitora::BoxWidths Boxes() const noexcept { return m_boxes; }

private:
    CPageFontMetrics(HWND parent, UINT dpi);

    SIZE DrawnSize(const wchar_t* text, int maxWidth) const;
    int DialogUnitsAcross(int pixels) const;

    UINT m_nDpi;
    CFont m_font;
    CMeasuringDC m_dc;  // with m_font selected
    int m_nTextHeight = 0;
    int m_nBaseUnitX = 4;
    unitora::BoxWidths m_boxes{};
};
