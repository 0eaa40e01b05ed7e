#include "GdiObjects.h"

#include "DeviceContext.h"
#include "ThreadState.h"

using framework::GetThreadState;

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ handle) noexcept {
    if (handle == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() noexcept {
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() noexcept {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* buffer) const noexcept {
    return ::GetObjectW(m_hObject, size, buffer);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
    return GetThreadState().temporaries.Wrap<&CGdiObject::m_hObject>(handle);
}

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

// The creators test for a held handle first: Attach would refuse the new
// handle only after it had been made, and it would leak.
BOOL CBrush::CreateSolidBrush(COLORREF color) {
    return m_hObject == nullptr && Attach(::CreateSolidBrush(color));
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) {
    return m_hObject == nullptr && Attach(::CreateFontIndirectW(logFont));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return m_hObject == nullptr && Attach(::CreateCompatibleBitmap(dc != nullptr ? dc->m_hDC : nullptr, width, height));
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
    return m_hObject == nullptr && Attach(::CreateEllipticRgn(left, top, right, bottom));
}
