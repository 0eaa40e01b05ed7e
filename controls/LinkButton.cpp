#include "LinkButton.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CLinkButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CLinkButton::CLinkButton(const ButtonColours& colours)
    : m_crText(colours.text),
      m_crBackground(colours.background),
      m_crDisabled(colours.disabled),
      m_crHover(colours.hover) {}

ButtonColours CLinkButton::SystemColours() {
    return {.background = ::GetSysColor(COLOR_BTNFACE),
            .text = ::GetSysColor(COLOR_BTNTEXT),
            .disabled = ::GetSysColor(COLOR_GRAYTEXT),
            .hover = kDefaultHover};
}

// The dialog layouts have plain push buttons; these draw themselves.
void CLinkButton::PreSubclassWindow() {
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CLinkButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    const CRect rect(drawItem->rcItem);
    dc.FillSolidRect(rect, m_crBackground);
    DrawCaption(dc, drawItem->itemState, rect);
}

void CLinkButton::DrawCaption(CDC& dc, UINT itemState, const CRect& rect) {
    CString caption;
    GetWindowText(caption);
    COLORREF colour = m_crText;
    if ((itemState & ODS_DISABLED) != 0) {
        colour = m_crDisabled;
    } else if (m_bHover) {
        colour = m_crHover;
    }
    dc.DrawTransparentText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, colour);
}

// The hover look starts once the platform has agreed to report the mouse
// leaving; if it refuses, the next move tries again.
void CLinkButton::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bHover) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        if (::_TrackMouseEvent(&track)) {
            m_bHover = TRUE;
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE);
        }
    }
    CButton::OnMouseMove(flags, point);
}

LRESULT CLinkButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bHover = FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE);
    return 1;
}
