// Window classes registered on request, one per combination of attributes.
#include "Window.h"

#include <map>
#include <string>
#include <tuple>

namespace {

// Appends a separator and the value in hexadecimal digits.
void AppendHexField(std::wstring& name, UINT_PTR value) {
    name += L':';
    const size_t first = name.size();
    do {
        name.insert(first, 1, L"0123456789abcdef"[value % 16]);
        value /= 16;
    } while (value != 0);
}

}  // namespace

LPCWSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    using Attributes = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Attributes, std::wstring> registered;
    const Attributes attributes{classStyle, cursor, background, icon};
    if (const auto found = registered.find(attributes); found != registered.end()) {
        return found->second.c_str();
    }
    // One name per combination: the attributes themselves, in hexadecimal.
    std::wstring name = L"FrameworkWindow";
    for (UINT_PTR field : {UINT_PTR{classStyle}, reinterpret_cast<UINT_PTR>(cursor),
                           reinterpret_cast<UINT_PTR>(background), reinterpret_cast<UINT_PTR>(icon)}) {
        AppendHexField(name, field);
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name.c_str();
    if (::RegisterClassExW(&windowClass) == 0) {
        return nullptr;
    }
    return registered.emplace(attributes, std::move(name)).first->second.c_str();
}
