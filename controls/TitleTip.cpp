#include "TitleTip.h"

#include "DeviceContext.h"

namespace {

LPARAM PointParam(POINT point) { return MAKELPARAM(point.x, point.y); }

// Posts a mouse message to the window at a screen point: the client-area
// message where the point lies in its client area, otherwise the non-client
// one with the hit-test code.
void PostMouseMessage(HWND target, UINT clientMessage, UINT nonClientMessage, UINT flags, POINT screen) {
    const auto hitTest = static_cast<UINT>(::SendMessageW(target, WM_NCHITTEST, 0, PointParam(screen)));
    if (hitTest == HTCLIENT) {
        ::ScreenToClient(target, &screen);
        ::PostMessageW(target, clientMessage, flags, PointParam(screen));
    } else {
        ::PostMessageW(target, nonClientMessage, hitTest, PointParam(screen));
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CExtTitleTip, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CExtTitleTip::Create(CWnd* listWnd) {
    m_pListWnd = listWnd;
    return CreateEx(0, nullptr, nullptr, 0, CRect(), nullptr, 0);
}

// A tool window gets no task-bar button, and the tip never takes the
// activation from the dialog it serves.
BOOL CExtTitleTip::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style = WS_POPUP | WS_BORDER;
    cs.dwExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    cs.lpszClass = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
    return CWnd::PreCreateWindow(cs);
}

void CExtTitleTip::Show(CRect rect, CString text, int x, int y) {
    if (IsWindowVisible() || ::GetFocus() == nullptr || text.IsEmpty()) {
        return;
    }
    m_rectTitle = rect;
    m_strTitle = text;

    CSize extent;
    {
        CClientDC dc(this);
        CScopedSelect font(dc, m_pListWnd->GetFont());
        extent = dc.GetTextExtent(m_strTitle);
    }
    // The client area is the text's box; the border goes around it.
    const CRect textRect = extent.cx > 0 ? CRect(0, 0, extent.cx + 1, extent.cy + 3) : CRect();
    CPoint topLeft(x, y);
    m_pListWnd->ClientToScreen(&topLeft);
    topLeft.x = topLeft.x < 0 ? 0 : topLeft.x;
    topLeft.y = topLeft.y < 0 ? 0 : topLeft.y;
    // Above every window, the topmost ones too: the list's dialog is one when
    // the main window is kept on top, and an ordinary window would show
    // beneath it.
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, topLeft.x, topLeft.y, textRect.Width() + 2, textRect.Height() + 2,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    UpdateWindow();
    ::SetCapture(m_hWnd);
}

void CExtTitleTip::Hide() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    ShowWindow(SW_HIDE);
}

void CExtTitleTip::OnPaint() {
    CPaintDC dc(this);
    CRect textRect;
    GetClientRect(textRect);
    CScopedSelect font(dc, m_pListWnd->GetFont());
    dc.DrawTransparentText(m_strTitle, textRect, DT_CENTER, ::GetSysColor(COLOR_INFOTEXT));
}

void CExtTitleTip::OnMouseMove(UINT flags, CPoint point) {
    ClientToScreen(&point);
    CPoint inList = point;
    m_pListWnd->ScreenToClient(&inList);
    if (m_rectTitle.PtInRect(inList)) {
        return;
    }
    Hide();
    if (const HWND under = ::WindowFromPoint(point); under != nullptr) {
        PostMouseMessage(under, WM_MOUSEMOVE, WM_NCMOUSEMOVE, flags, point);
    }
}

void CExtTitleTip::OnLButtonDown(UINT flags, CPoint point) {
    ClientToScreen(&point);
    HWND target = ::WindowFromPoint(point);
    if (target == m_hWnd) {
        target = m_pListWnd->m_hWnd;
    }
    Hide();
    if (target != nullptr) {
        PostMouseMessage(target, WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, flags, point);
    }
}
