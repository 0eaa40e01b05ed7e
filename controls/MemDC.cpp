#include "MemDC.h"

CMemDC::~CMemDC() { Free(); }

void CMemDC::StretchFrom(CDC* source, CRect destRect, CRect sourceRect, DWORD rop) {
    SetStretchBltMode(COLORONCOLOR);
    StretchBlt(destRect.left, destRect.top, destRect.Width(), destRect.Height(), source, sourceRect.left,
               sourceRect.top, sourceRect.Width(), sourceRect.Height(), rop);
}

void CMemDC::StretchTo(CDC* destination, CRect destRect, CRect sourceRect, DWORD rop) {
    destination->SetStretchBltMode(COLORONCOLOR);
    destination->StretchBlt(destRect.left, destRect.top, destRect.Width(), destRect.Height(), this,
                            sourceRect.left, sourceRect.top, sourceRect.Width(), sourceRect.Height(), rop);
}

void CMemDC::Create(CDC* dc, int width, int height) {
    Free();
    if (!CreateCompatibleDC(dc) || !m_bitmap.CreateCompatibleBitmap(dc, width, height)) {
        return;
    }
    m_hOldBitmap = SelectObject(m_bitmap.m_hObject);
}

// A bitmap still selected into a context cannot be deleted, so the old one
// goes back in first.
void CMemDC::Free() noexcept {
    if (m_hOldBitmap != nullptr) {
        SelectObject(m_hOldBitmap);
        m_hOldBitmap = nullptr;
    }
    m_bitmap.DeleteObject();
    DeleteDC();
}
