#include "Menu.h"

#include "ThreadState.h"

CMenu* CMenu::FromHandle(HMENU menu) {
    return framework::GetThreadState().temporaries.Wrap<&CMenu::m_hMenu>(menu);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) noexcept { return ::DeleteMenu(m_hMenu, position, flags); }

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCWSTR newItem) noexcept {
    return ::InsertMenuW(m_hMenu, position, flags, idNewItem, newItem);
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) noexcept {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, check));
}
