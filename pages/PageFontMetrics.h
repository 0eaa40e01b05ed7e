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

#include "GdiObjects.h"
#include "PageGrid.h"

class CPageFontMetrics {
public:
    // The metrics for pages made in parent, measured on the first call for
    // parent's DPI and kept until another DPI is asked for.
    static const CPageFontMetrics& For(HWND parent);

    // One per field of the record, in its reading order.
    std::vector<unitora::LabelWidths> LabelWidthsOf(const unitora::PageRecord& record) const;
    unitora::BoxWidths Boxes() const noexcept { return m_boxes; }

private:
    CPageFontMetrics(HWND parent, UINT dpi);

    int DialogUnitsAcross(int pixels) const;

    UINT m_nDpi;
    CFont m_font;
    int m_nBaseUnitX = 4;
    unitora::BoxWidths m_boxes{};
};
