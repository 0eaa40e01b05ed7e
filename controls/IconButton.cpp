#include "IconButton.h"

BEGIN_MESSAGE_MAP(CIconButton, CColorButton)
END_MESSAGE_MAP()

CIconButton::CIconButton(HICON icon, HICON disabledIcon, int frameStyle)
    : CColorButton(frameStyle), m_hIcon(icon), m_hIconDisabled(disabledIcon) {}

CIconButton::CIconButton(HICON icon, HICON disabledIcon, COLORREF background, COLORREF text, COLORREF disabled,
                         COLORREF hover, int frameStyle)
    : CColorButton(background, text, disabled, hover, frameStyle), m_hIcon(icon), m_hIconDisabled(disabledIcon) {}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    const UINT state = drawItem->itemState;
    const CRect rect(drawItem->rcItem);
    dc.FillSolidRect(rect, m_crBackground);

    const CRect content = ContentRect(rect, state);
    const HICON icon = (state & ODS_DISABLED) != 0 ? m_hIconDisabled : m_hIcon;
    if (icon != nullptr) {
        dc.DrawIcon(content.left + kIconLeft, (content.top + content.bottom - kIconSize) / 2, icon);
    }
    DrawCaption(dc, state, CRect(content.left + kIconSize, content.top, content.right, content.bottom));
    DrawFrame(dc, rect, state);
}
