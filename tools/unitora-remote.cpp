// unitora-remote: drives a running Unitora from outside, for pictures of it.
//
//     unitora-remote [--tab LABEL|INDEX] [--open customize|about]
//
// Waits (up to a minute) for the main window "Unitora", shows the tab with
// this label or page index (0 to 45) as Ctrl+Tab would, from the first tab
// of the default order, then opens the customize dialog or the about box as
// their buttons would, and waits for it to be shown. Prints the screen
// rectangle of the window last shown, "left top width height" in pixels,
// and exits with 0; on a wrong argument, or when a window does not show,
// says so on standard error and exits with 1.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

#include "PageTable.h"
#include "ResourceIds.h"

namespace {

constexpr int kWaitMilliseconds = 60000;
constexpr int kPollMilliseconds = 50;

// The page index of a label of the page table or of a number 0..45; -1 for neither.
int PageIndexOf(const std::wstring& text) {
    for (int index = 0; index < unitora::kPageCount; ++index) {
        if (text == unitora::PageAt(index)->tabLabel) {
            return index;
        }
    }
    if (text.empty() || text.size() > 2 || !std::iswdigit(text[0]) || !std::iswdigit(text.back())) {
        return -1;
    }
    const int index = std::stoi(text);
    return index < unitora::kPageCount ? index : -1;
}

template <class Find>
HWND WaitFor(Find find) {
    for (int waited = 0; waited < kWaitMilliseconds; waited += kPollMilliseconds) {
        if (const HWND window = find(); window != nullptr && ::IsWindowVisible(window)) {
            return window;
        }
        ::Sleep(kPollMilliseconds);
    }
    return nullptr;
}

// A shown window that the main window owns: the dialog opened over it.
HWND OwnedWindow(HWND owner) {
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    ::EnumThreadWindows(
        ::GetWindowThreadProcessId(owner, nullptr),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (::GetWindow(window, GW_OWNER) == s.owner && ::IsWindowVisible(window)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Fail(const wchar_t* message) {
    std::fwprintf(stderr, L"unitora-remote: %ls\n", message);
    return 1;
}

}  // namespace

int main() {
    // Window rectangles in the screen's own pixels, whatever its DPI.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    int tab = 0;
    int open = 0;
    for (int i = 1; i < argc; i += 2) {
        const std::wstring option = argv[i];
        const std::wstring value = i + 1 < argc ? argv[i + 1] : L"";
        if (option == L"--tab" && (tab = PageIndexOf(value)) >= 0) {
            continue;
        }
        if (option == L"--open" && (value == L"customize" || value == L"about")) {
            open = value == L"customize" ? IDC_CUSTOMIZE_BUTTON : IDC_ABOUT_BUTTON;
            continue;
        }
        return Fail(L"usage: unitora-remote [--tab LABEL|INDEX] [--open customize|about]");
    }

    const HWND main = WaitFor([] { return ::FindWindowW(L"#32770", L"Unitora"); });
    if (main == nullptr) {
        return Fail(L"the main window \"Unitora\" did not appear");
    }
    for (int step = 0; step < tab; ++step) {
        ::PostMessageW(main, WM_COMMAND, IDM_NEXT_TAB, 0);
    }
    // The pointer goes to the screen's corner, clear of the windows, so that
    // no title tip or hover look shows in the picture.
    ::SetCursorPos(1, 1);
    HWND shown = main;
    if (open != 0) {
        const HWND button = ::GetDlgItem(main, open);
        ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(open, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        shown = WaitFor([main] { return OwnedWindow(main); });
        if (shown == nullptr) {
            return Fail(L"the dialog did not appear");
        }
    }
    RECT rect{};
    ::GetWindowRect(shown, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ::LocalFree(argv);
    return 0;
}
