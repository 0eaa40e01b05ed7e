#include "DeviceContext.h"

#include "ThreadState.h"
#include "Window.h"

using unitora::framework::GetThreadState;

namespace {

template <class Wrapper>
Wrapper* SelectAndWrapPrevious(HDC dc, CGdiObject* object) {
    HGDIOBJ previous = ::SelectObject(dc, object != nullptr ? object->m_hObject : nullptr);
    return dynamic_cast<Wrapper*>(CGdiObject::FromHandle(previous));
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC dc) {
    if (dc == nullptr) {
        return nullptr;
    }
    auto& wrapper = GetThreadState().temporaryDCs[dc];
    if (!wrapper) {
        wrapper = std::make_unique<CDC>();
        wrapper->m_hDC = dc;
    }
    return wrapper.get();
}

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

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return Attach(::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() noexcept {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* object) { return SelectAndWrapPrevious<CGdiObject>(m_hDC, object); }
CFont* CDC::SelectObject(CFont* font) { return SelectAndWrapPrevious<CFont>(m_hDC, font); }
CBrush* CDC::SelectObject(CBrush* brush) { return SelectAndWrapPrevious<CBrush>(m_hDC, brush); }
CPen* CDC::SelectObject(CPen* pen) { return SelectAndWrapPrevious<CPen>(m_hDC, pen); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return SelectAndWrapPrevious<CBitmap>(m_hDC, bitmap); }

HGDIOBJ CDC::SelectObject(HGDIOBJ object) noexcept { return ::SelectObject(m_hDC, object); }

CGdiObject* CDC::SelectStockObject(int stockObject) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(stockObject)));
}

COLORREF CDC::SetTextColor(COLORREF color) noexcept { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const noexcept { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) noexcept { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const noexcept { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) noexcept { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const noexcept { return ::GetBkMode(m_hDC); }
int CDC::SetStretchBltMode(int mode) noexcept { return ::SetStretchBltMode(m_hDC, mode); }

// Fills without creating a brush: an opaque, empty text output over the
// rectangle in the background colour.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color) noexcept {
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) noexcept {
    const RECT rect{x, y, x + width, y + height};
    FillSolidRect(&rect, color);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) noexcept {
    ::FillRect(m_hDC, rect, brush != nullptr ? static_cast<HBRUSH>(brush->m_hObject) : nullptr);
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

BOOL CDC::TextOut(int x, int y, const CString& text) noexcept {
    return ::TextOutW(m_hDC, x, y, text.GetString(), text.GetLength());
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

CWindowDC::CWindowDC(CWnd* window) : m_hWnd(window != nullptr ? window->m_hWnd : nullptr) {
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
