// The thin operations of CWnd: relatives, text, style, geometry, painting
// and messages.
#include "Window.h"

#include "Menu.h"

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const noexcept { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

void CWnd::GetWindowText(CString& text) const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    const int copied = ::GetWindowTextW(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer(copied);
}

void CWnd::SetWindowText(LPCWSTR text) noexcept { ::SetWindowTextW(m_hWnd, text); }

DWORD CWnd::GetStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) noexcept {
    const DWORD style = GetStyle();
    const DWORD newStyle = (style & ~remove) | add;
    if (style == newStyle) {
        return FALSE;
    }
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    return TRUE;
}

void CWnd::SetFont(HFONT font, BOOL redraw) noexcept {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const noexcept { return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) noexcept {
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                  reinterpret_cast<LPARAM>(icon)));
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) noexcept {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) noexcept {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags) noexcept {
    // No window to place after means the top of the Z order (HWND_TOP is null).
    const HWND after = insertAfter != nullptr ? insertAfter->m_hWnd : HWND_TOP;
    return ::SetWindowPos(m_hWnd, after, x, y, width, height, flags);
}

BOOL CWnd::ShowWindow(int showCommand) noexcept { return ::ShowWindow(m_hWnd, showCommand); }
BOOL CWnd::IsWindowVisible() const noexcept { return ::IsWindowVisible(m_hWnd); }
void CWnd::GetWindowRect(LPRECT rect) const noexcept { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const noexcept { ::GetClientRect(m_hWnd, rect); }
void CWnd::ScreenToClient(LPPOINT point) const noexcept { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPPOINT point) const noexcept { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const noexcept {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::CenterWindow() noexcept {
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT bounds = monitor.rcWork;
    RECT area = bounds;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    // Kept on the screen.
    x = (x + width > bounds.right) ? bounds.right - width : x;
    y = (y + height > bounds.bottom) ? bounds.bottom - height : y;
    x = x < bounds.left ? bounds.left : x;
    y = y < bounds.top ? bounds.top : y;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL erase) noexcept { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) noexcept { ::InvalidateRect(m_hWnd, rect, erase); }

BOOL CWnd::RedrawWindow(LPCRECT updateRect, HRGN updateRegion, UINT flags) noexcept {
    return ::RedrawWindow(m_hWnd, updateRect, updateRegion, flags);
}

void CWnd::UpdateWindow() noexcept { ::UpdateWindow(m_hWnd); }

int CWnd::SetWindowRgn(HRGN region, BOOL redraw) noexcept { return ::SetWindowRgn(m_hWnd, region, redraw); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc) noexcept {
    return ::SetTimer(m_hWnd, id, elapse, timerProc);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }
