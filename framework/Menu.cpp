#include "Menu.h"

#include "ThreadState.h"

CMenu::~CMenu() {
    if (m_hMenu != nullptr) {
        ::DestroyMenu(Detach());
    }
}

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

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::Attach(HMENU menu) noexcept {
    if (menu == nullptr || m_hMenu != nullptr) {
        return FALSE;
    }
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() noexcept {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

int CMenu::GetMenuItemCount() const noexcept { return ::GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int position) const noexcept { return ::GetMenuItemID(m_hMenu, position); }

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    const int length = ::GetMenuStringW(m_hMenu, item, nullptr, 0, flags);
    const int copied = ::GetMenuStringW(m_hMenu, item, text.GetBuffer(length), length + 1, flags);
    text.ReleaseBuffer(copied);
    return copied;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) noexcept { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) noexcept { return ::RemoveMenu(m_hMenu, position, flags); }

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCWSTR newItem) noexcept {
    return ::InsertMenuW(m_hMenu, position, flags, idNewItem, newItem);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCWSTR newItem) noexcept {
    return ::AppendMenuW(m_hMenu, flags, idNewItem, newItem);
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) noexcept { return ::EnableMenuItem(m_hMenu, item, enable); }
