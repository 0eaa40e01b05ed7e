#include "ResourceIcon.h"

#include <utility>

#include "WinApp.h"

CResourceIcon::CResourceIcon(UINT id, int size) noexcept
    : m_hIcon(id == 0 ? nullptr
                      : static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                        size, size, LR_DEFAULTCOLOR))),
      m_nSize(size) {}

CResourceIcon::~CResourceIcon() {
    if (m_hIcon != nullptr) {
        ::DestroyIcon(m_hIcon);
    }
}

CResourceIcon::CResourceIcon(CResourceIcon&& other) noexcept
    : m_hIcon(std::exchange(other.m_hIcon, nullptr)), m_nSize(other.m_nSize) {}

CResourceIcon& CResourceIcon::operator=(CResourceIcon&& other) noexcept {
    if (this != &other) {
        if (m_hIcon != nullptr) {
            ::DestroyIcon(m_hIcon);
        }
        m_hIcon = std::exchange(other.m_hIcon, nullptr);
        m_nSize = other.m_nSize;
    }
    return *this;
}
