// CMenu: a menu handle with the operations the dialogs use on their system
// menu. The menus it stands for belong to their windows (the wrappers from
// FromHandle and CWnd::GetSystemMenu), so a CMenu never destroys its menu.
#pragma once

#include <windows.h>

class CMenu {
public:
    CMenu() noexcept = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // A wrapper of the menu, valid until the current message has been
    // processed.
    static CMenu* FromHandle(HMENU menu);

    BOOL DeleteMenu(UINT position, UINT flags) noexcept;
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCWSTR newItem = nullptr) noexcept;
    // Sets or clears an item's check mark; returns its previous state, or
    // (UINT)-1 when there is no such item.
    UINT CheckMenuItem(UINT item, UINT check) noexcept;
};
