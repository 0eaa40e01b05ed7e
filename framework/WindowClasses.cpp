// Window classes registered on request, one per combination of attributes.
#include "Window.h"

#include <map>
#include <string>
#include <tuple>

LPCWSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    using Attributes = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Attributes, std::wstring> registered;
    const Attributes attributes{classStyle, cursor, background, icon};
    if (const auto found = registered.find(attributes); found != registered.end()) {
        return found->second.c_str();
    }
    CString name;
    name.Format(L"Unitora:%x:%x:%x:%x", classStyle, reinterpret_cast<UINT_PTR>(cursor),
                reinterpret_cast<UINT_PTR>(background), reinterpret_cast<UINT_PTR>(icon));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    if (::RegisterClassExW(&windowClass) == 0) {
        return nullptr;
    }
    return registered.emplace(attributes, std::wstring(name.View())).first->second.c_str();
}
