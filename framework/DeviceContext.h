// Device contexts. CDC owns a context it creates (CreateCompatibleDC) or is
// given by Attach and deletes it in its destructor. CClientDC and CPaintDC
// borrow a window's context for their own lifetime and give it back.
// FromHandle wraps a context somebody else owns (a draw-item record's).
#pragma once

#include "CString.h"
#include "Geometry.h"

#include <windows.h>

class CWnd;

class CDC {
public:
    CDC() noexcept = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    operator HDC() const noexcept { return m_hDC; }

    // A wrapper that does not own the context, valid until the current
    // message has been processed.
    static CDC* FromHandle(HDC dc);

    BOOL Attach(HDC dc) noexcept;
    HDC Detach() noexcept;
    // Null: compatible with the screen. Fails, creating nothing, when the
    // object already holds a context.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC() noexcept;

    // Selection: returns the previously selected object; select it back
    // when done, or use CScopedSelect.
    HGDIOBJ SelectObject(HGDIOBJ object) noexcept;

    COLORREF SetTextColor(COLORREF color) noexcept;  // returns the previous colour
    int SetBkMode(int mode) noexcept;  // returns the previous mode
    int SetStretchBltMode(int mode) noexcept;

    void FillSolidRect(LPCRECT rect, COLORREF color) noexcept;
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) noexcept;
    void DrawFocusRect(LPCRECT rect) noexcept;
    BOOL DrawIcon(int x, int y, HICON icon) noexcept;
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state) noexcept;

    int DrawText(LPCWSTR text, int length, LPRECT rect, UINT format) noexcept;
    int DrawText(const CString& text, LPRECT rect, UINT format) noexcept;
    // Text in this colour over whatever is drawn beneath it; the context's
    // own text colour and background mode are left as they were.
    void DrawTransparentText(const CString& text, CRect rect, UINT format, COLORREF colour) noexcept;
    CSize GetTextExtent(LPCWSTR text, int length) const noexcept;
    CSize GetTextExtent(const CString& text) const noexcept;
    BOOL GetTextMetrics(LPTEXTMETRICW metrics) const noexcept;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop) noexcept;
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop) noexcept;
};

// Selects an object for the lifetime of this guard and selects the previous
// one back when it ends.
class CScopedSelect {
public:
    CScopedSelect(CDC& dc, HGDIOBJ object) noexcept;
    ~CScopedSelect();
    CScopedSelect(const CScopedSelect&) = delete;
    CScopedSelect& operator=(const CScopedSelect&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// The client-area context of a window, released by the destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// BeginPaint/EndPaint for a paint handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
