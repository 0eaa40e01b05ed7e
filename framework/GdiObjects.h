// Drawing objects. Each object owns the handle it creates or is given by
// Attach and deletes it in its destructor; objects are not copyable, so every
// handle has exactly one owner. FromHandle wrappers never own their handle.
//
// An object holds one handle at a time: its Create functions, like Attach,
// fail (FALSE) when it already holds one, and then create nothing.
#pragma once

#include <windows.h>

class CDC;

class CGdiObject {
public:
    CGdiObject() noexcept = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    // Takes ownership. Fails (FALSE) when a handle is already held.
    BOOL Attach(HGDIOBJ handle) noexcept;
    // Gives up ownership without deleting.
    HGDIOBJ Detach() noexcept;
    // Deletes the held handle; FALSE when there was none.
    BOOL DeleteObject() noexcept;

    int GetObject(int size, void* buffer) const noexcept;

    // A wrapper that does not own the handle, valid until the current
    // message has been processed.
    static CGdiObject* FromHandle(HGDIOBJ handle);
};

class CBrush : public CGdiObject {
public:
    CBrush() noexcept = default;
    explicit CBrush(COLORREF color);
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
};

class CFont : public CGdiObject {
public:
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
};

class CRgn : public CGdiObject {
public:
    operator HRGN() const noexcept { return static_cast<HRGN>(m_hObject); }
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
};
