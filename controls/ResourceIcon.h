// CResourceIcon: an icon of the application's resources loaded at one size.
// A sized load is not shared, so the object owns the handle and destroys it
// when it loads another one and when it goes.
#pragma once

#include <windows.h>

class CResourceIcon {
public:
    CResourceIcon() = default;
    // Resource 0 loads nothing: a null icon.
    CResourceIcon(UINT id, int size) noexcept;
    ~CResourceIcon();
    CResourceIcon(CResourceIcon&& other) noexcept;
    CResourceIcon& operator=(CResourceIcon&& other) noexcept;
    CResourceIcon(const CResourceIcon&) = delete;
    CResourceIcon& operator=(const CResourceIcon&) = delete;

    operator HICON() const noexcept { return m_hIcon; }
    // The side in pixels it was loaded at.
    int Size() const noexcept { return m_nSize; }

private:
    HICON m_hIcon = nullptr;
    int m_nSize = 0;
};
