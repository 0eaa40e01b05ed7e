// CMenu: a menu handle with the operations the dialogs use on their system
// menu. A CMenu owns the menu it creates or is given by Attach and destroys it
// in its destructor; the wrappers from FromHandle and CWnd::GetSystemMenu do
// not own theirs.
#pragma once

#include "CString.h"

#include <windows.h>

class CMenu {
public:
    CMenu() noexcept = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    operator HMENU() const noexcept { return m_hMenu; }
    HMENU GetSafeHmenu() const noexcept { return m_hMenu; }

    // A wrapper that does not own the menu, valid until the current message
    // has been processed.
    static CMenu* FromHandle(HMENU menu);

    BOOL CreatePopupMenu();
    BOOL Attach(HMENU menu) noexcept;  // takes ownership
    HMENU Detach() noexcept;

    int GetMenuItemCount() const noexcept;
    UINT GetMenuItemID(int position) const noexcept;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    BOOL DeleteMenu(UINT position, UINT flags) noexcept;
    BOOL RemoveMenu(UINT position, UINT flags) noexcept;
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCWSTR newItem = nullptr) noexcept;
    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCWSTR newItem = nullptr) noexcept;
    UINT EnableMenuItem(UINT item, UINT enable) noexcept;
};
