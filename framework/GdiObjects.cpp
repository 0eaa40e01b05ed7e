#include "GdiObjects.h"

#include "DeviceContext.h"
#include "ThreadState.h"

#include <memory>

using unitora::framework::GetThreadState;

namespace {

// A non-owning wrapper of the right class, so that SelectObject can hand out
// the previous font as a CFont and so on.
std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ handle) {
    switch (::GetObjectType(handle)) {
    case OBJ_BRUSH: return std::make_unique<CBrush>();
    case OBJ_PEN: return std::make_unique<CPen>();
    case OBJ_FONT: return std::make_unique<CFont>();
    case OBJ_BITMAP: return std::make_unique<CBitmap>();
    default: return std::make_unique<CGdiObject>();
    }
}

}  // namespace

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
    if (handle == nullptr) {
        return nullptr;
    }
    auto& temporaries = GetThreadState().temporaryGdiObjects;
    auto& wrapper = temporaries[handle];
    if (!wrapper) {
        wrapper = MakeWrapper(handle);
        wrapper->m_hObject = handle;
    }
    return wrapper.get();
}

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

CPen::CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) { return Attach(::CreateFontIndirectW(logFont)); }

int CFont::GetLogFont(LOGFONTW* logFont) const noexcept { return GetObject(sizeof(LOGFONTW), logFont); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc != nullptr ? dc->m_hDC : nullptr, width, height));
}

int CBitmap::GetBitmap(BITMAP* info) const noexcept { return GetObject(sizeof(BITMAP), info); }

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
    return Attach(::CreateEllipticRgn(left, top, right, bottom));
}
