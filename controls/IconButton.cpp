#include "IconButton.h"

#include <algorithm>

#include "Dpi.h"

BEGIN_MESSAGE_MAP(CIconButton, CColorButton)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CIconButton::CIconButton(const Options& options)
    : CColorButton(options.colours, options.frameStyle),
      m_nIconId(options.icon),
      m_nDisabledIconId(options.disabledIcon) {}

void CIconButton::LoadIcons(UINT dpi) {
    const int size = ScaleForDpi(kIconSize, dpi);
    m_hIcon = CResourceIcon(m_nIconId, size);
    m_hIconDisabled = CResourceIcon(m_nDisabledIconId, size);
    if (m_hWnd != nullptr) {
        Invalidate(FALSE);
    }
}

void CIconButton::PreSubclassWindow() {
    CColorButton::PreSubclassWindow();
    LoadIcons(::GetDpiForWindow(m_hWnd));
}

// The window has its new DPI by the time its parent has been told.
LRESULT CIconButton::OnDpiChangedAfterParent(WPARAM, LPARAM) {
    LoadIcons(::GetDpiForWindow(m_hWnd));
    return Default();
}

// The icon keeps its place a half icon in from the left edge where the
// caption leaves room for it; with less room it moves left, down to the
// padding, and the caption takes what is right of it.
void CIconButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    const UINT state = drawItem->itemState;
    const CRect rect(drawItem->rcItem);
    dc.FillSolidRect(rect, m_crBackground);

    const CRect content = ContentRect(rect, state);
    const int iconSize = m_hIcon.Size();
    const int padding = iconSize / 8;
    const int gap = iconSize / 8;
    CString caption;
    GetWindowText(caption);
    const int captionWidth = static_cast<int>(dc.GetTextExtent(caption).cx);
    const int spare = content.Width() - 2 * padding - iconSize - gap - captionWidth;
    const int iconLeft = content.left + padding + std::clamp(spare / 2, 0, iconSize / 2 - padding);

    const HICON icon = (state & ODS_DISABLED) != 0 ? m_hIconDisabled : m_hIcon;
    if (icon != nullptr) {
        ::DrawIconEx(dc, iconLeft, (content.top + content.bottom - iconSize) / 2, icon, iconSize, iconSize, 0, nullptr,
                     DI_NORMAL);
    }
    DrawCaption(dc, state, CRect(iconLeft + iconSize + gap, content.top, content.right - padding, content.bottom));
    DrawFrame(dc, rect, state);
}
