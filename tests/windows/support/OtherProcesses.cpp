#include "OtherProcesses.h"

namespace {

constexpr DWORD kPatience = 30000;  // ms

// A window's class name or caption, as the function given reads it.
std::wstring WindowString(HWND window, int(WINAPI* read)(HWND, LPWSTR, int)) {
    wchar_t text[256] = {};
    read(window, text, 256);
    return text;
}

}  // namespace

std::filesystem::path BuildFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

std::wstring ClassOf(HWND window) { return WindowString(window, ::GetClassNameW); }
std::wstring CaptionOf(HWND window) { return WindowString(window, ::GetWindowTextW); }

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND WaitForWindow(const std::function<bool(HWND)>& matches) {
    for (const ULONGLONG end = ::GetTickCount64() + kPatience; ::GetTickCount64() < end; ::Sleep(50)) {
        for (HWND window : TopLevelWindows()) {
            if (::IsWindowVisible(window) && matches(window)) return window;
        }
    }
    return nullptr;
}

std::wstring ShownWindows() {
    std::wstring list;
    for (HWND window : TopLevelWindows()) {
        if (::IsWindowVisible(window)) list += L"[" + ClassOf(window) + L" \"" + CaptionOf(window) + L"\"] ";
    }
    return list;
}

void EndProcess::operator()(HANDLE process) const {
    if (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        const DWORD id = ::GetProcessId(process);
        for (HWND window : TopLevelWindows()) {
            if (ProcessOf(window) == id) ::PostMessageW(window, WM_CLOSE, 0, 0);
        }
        if (::WaitForSingleObject(process, 5000) == WAIT_TIMEOUT) {
            ::TerminateProcess(process, 1);
            ::WaitForSingleObject(process, 5000);
        }
    }
    ::CloseHandle(process);
}
