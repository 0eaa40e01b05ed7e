#include "Menu.h"

#include "ThreadState.h"

CMenu* CMenu::FromHandle(HMENU menu) {
    if (menu == nullptr) {
        return nullptr;
    }
    auto& wrapper = unitora::framework::GetThreadState().temporaryMenus[menu];
    if (!wrapper) {
        wrapper = std::make_unique<CMenu>();
        wrapper->m_hMenu = menu;
    }
    return wrapper.get();
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) noexcept { return ::DeleteMenu(m_hMenu, position, flags); }

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCWSTR newItem) noexcept {
    return ::InsertMenuW(m_hMenu, position, flags, idNewItem, newItem);
}
