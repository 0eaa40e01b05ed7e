// The thin operations of CWnd: relatives, text, style, geometry, painting
// and messages.
#include "Window.h"

#include <shellapi.h>

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const noexcept { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

void CWnd::GetWindowText(CString& text) const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    const int copied = ::GetWindowTextW(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer(copied);
}

int CWnd::GetWindowTextLength() const noexcept { return ::GetWindowTextLengthW(m_hWnd); }

void CWnd::SetWindowText(LPCWSTR text) noexcept { ::SetWindowTextW(m_hWnd, text); }

DWORD CWnd::GetStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

namespace {

BOOL ModifyWindowLong(HWND window, int index, DWORD remove, DWORD add, UINT flags) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, index));
    const DWORD newStyle = (style & ~remove) | add;
    if (style == newStyle) {
        return FALSE;
    }
    ::SetWindowLongPtrW(window, index, static_cast<LONG_PTR>(newStyle));
    if (flags != 0) {
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) noexcept {
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) noexcept {
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
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
    HWND after = HWND_TOP;
    if (insertAfter == &wndBottom) {
        after = HWND_BOTTOM;
    } else if (insertAfter == &wndTopMost) {
        after = HWND_TOPMOST;
    } else if (insertAfter == &wndNoTopMost) {
        after = HWND_NOTOPMOST;
    } else if (insertAfter != nullptr && insertAfter != &wndTop) {
        after = insertAfter->m_hWnd;
    }
    return ::SetWindowPos(m_hWnd, after, x, y, width, height, flags);
}

BOOL CWnd::ShowWindow(int showCommand) noexcept { return ::ShowWindow(m_hWnd, showCommand); }
BOOL CWnd::IsWindowVisible() const noexcept { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) noexcept { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const noexcept { return ::IsWindowEnabled(m_hWnd); }
void CWnd::GetWindowRect(LPRECT rect) const noexcept { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const noexcept { ::GetClientRect(m_hWnd, rect); }
void CWnd::ScreenToClient(LPPOINT point) const noexcept { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPPOINT point) const noexcept { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const noexcept {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPRECT rect) const noexcept {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::CenterWindow(CWnd* alternateOwner) noexcept {
    const bool child = (GetStyle() & WS_CHILD) != 0;
    HWND over = alternateOwner != nullptr ? alternateOwner->m_hWnd
                                          : (child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    RECT area{};
    RECT bounds{};
    if (child) {
        ::GetClientRect(over, &area);
        ::MapWindowPoints(over, nullptr, reinterpret_cast<LPPOINT>(&area), 2);
        bounds = area;
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoW(::MonitorFromWindow(over != nullptr ? over : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        bounds = monitor.rcWork;
        const bool ownerShown = over != nullptr && ::IsWindowVisible(over) && !::IsIconic(over);
        if (ownerShown) {
            ::GetWindowRect(over, &area);
        } else {
            area = bounds;
        }
    }
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    if (!child) {  // keep a top-level window on the screen
        x = (x + width > bounds.right) ? bounds.right - width : x;
        y = (y + height > bounds.bottom) ? bounds.bottom - height : y;
        x = x < bounds.left ? bounds.left : x;
        y = y < bounds.top ? bounds.top : y;
    }
    POINT position{x, y};
    if (child) {
        ::ScreenToClient(::GetParent(m_hWnd), &position);
    }
    ::SetWindowPos(m_hWnd, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
    return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc) noexcept {
    return ::SetTimer(m_hWnd, id, elapse, timerProc);
}

BOOL CWnd::KillTimer(UINT_PTR id) noexcept { return ::KillTimer(m_hWnd, id); }

CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

void CWnd::DragAcceptFiles(BOOL accept) noexcept { ::DragAcceptFiles(m_hWnd, accept); }
