#include "ColorButton.h"

BEGIN_MESSAGE_MAP(CColorButton, CLinkButton)
END_MESSAGE_MAP()

CColorButton::CColorButton(const ButtonColours& colours, FrameStyle frameStyle)
    : CLinkButton(colours), m_nFrameStyle(frameStyle) {}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    const CRect rect(drawItem->rcItem);
    dc.FillSolidRect(rect, m_crBackground);
    DrawCaption(dc, drawItem->itemState, ContentRect(rect, drawItem->itemState));
    DrawFrame(dc, rect, drawItem->itemState);
}

CRect CColorButton::ContentRect(const CRect& itemRect, UINT itemState) {
    CRect content = itemRect;
    if ((itemState & ODS_SELECTED) != 0) {
        content.OffsetRect(1, 1);
    }
    return content;
}

void CColorButton::DrawFrame(CDC& dc, const CRect& itemRect, UINT itemState) {
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    UINT edge = 0;
    switch (m_nFrameStyle) {
    case kFrame3D:
        edge = pressed ? EDGE_SUNKEN : EDGE_RAISED;
        break;
    case kFrameFlat:
        if (m_bHover) {
            edge = pressed ? EDGE_SUNKEN : EDGE_RAISED;
        }
        break;
    case kFramePressedOnly:
        if (pressed) {
            edge = EDGE_SUNKEN;
        }
        break;
    }
    CRect frame = itemRect;
    if (edge != 0) {
        dc.DrawEdge(frame, edge, BF_RECT);
    }
    if (m_nFrameStyle == kFrame3D && (itemState & ODS_FOCUS) != 0) {
        frame.DeflateRect(4, 4);
        dc.DrawFocusRect(frame);
    }
}
