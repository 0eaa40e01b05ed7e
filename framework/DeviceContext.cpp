#include "DeviceContext.h"

#include "ThreadState.h"
#include "Window.h"

using framework::GetThreadState;

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC dc) { return GetThreadState().temporaries.Wrap<&CDC::m_hDC>(dc); }

BOOL CDC::Attach(HDC dc) noexcept {
    if (dc == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() noexcept {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

// Tested before the context is made, so that a refused one cannot leak.
BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return m_hDC == nullptr && Attach(::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() noexcept {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) noexcept { return ::SelectObject(m_hDC, object); }

COLORREF CDC::SetTextColor(COLORREF color) noexcept { return ::SetTextColor(m_hDC, color); }
int CDC::SetBkMode(int mode) noexcept { return ::SetBkMode(m_hDC, mode); }
int CDC::SetStretchBltMode(int mode) noexcept { return ::SetStretchBltMode(m_hDC, mode); }

// Fills without creating a brush: an opaque, empty text output over the
// rectangle in the background colour.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color) noexcept {
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) noexcept { return ::DrawEdge(m_hDC, rect, edge, flags); }
void CDC::DrawFocusRect(LPCRECT rect) noexcept { ::DrawFocusRect(m_hDC, rect); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) noexcept { return ::DrawIcon(m_hDC, x, y, icon); }

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state) noexcept {
    return ::DrawFrameControl(m_hDC, rect, type, state);
}

int CDC::DrawText(LPCWSTR text, int length, LPRECT rect, UINT format) noexcept {
    return ::DrawTextW(m_hDC, text, length, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) noexcept {
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

void CDC::DrawTransparentText(const CString& text, CRect rect, UINT format, COLORREF colour) noexcept {
    const COLORREF previousColour = SetTextColor(colour);
    const int previousMode = SetBkMode(TRANSPARENT);
    DrawText(text, rect, format);
    SetBkMode(previousMode);
    SetTextColor(previousColour);
}

CSize CDC::GetTextExtent(LPCWSTR text, int length) const noexcept {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, text, length, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const noexcept {
    return GetTextExtent(text.GetString(), text.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICW metrics) const noexcept { return ::GetTextMetricsW(m_hDC, metrics); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) noexcept {
    return ::BitBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : nullptr, sourceX,
                    sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop) noexcept {
    return ::StretchBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : nullptr, sourceX,
                        sourceY, sourceWidth, sourceHeight, rop);
}

CScopedSelect::CScopedSelect(CDC& dc, HGDIOBJ object) noexcept
    : m_hDC(dc.m_hDC), m_hPrevious(::SelectObject(dc.m_hDC, object)) {}

CScopedSelect::~CScopedSelect() {
    if (m_hPrevious != nullptr) {
        ::SelectObject(m_hDC, m_hPrevious);
    }
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window != nullptr ? window->m_hWnd : nullptr) {
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
