#include "TopMost.h"

#include <utility>
#include <vector>

namespace {

constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool IsTopMost(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

BOOL CALLBACK CollectOwnedBy(HWND candidate, LPARAM context) {
    auto* owned = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(context);
    if (::GetWindow(candidate, GW_OWNER) == owned->first) {
        owned->second.push_back(candidate);
    }
    return TRUE;
}

}  // namespace

// Wine places a window that owns popups (the tooltip, for one) just below
// its last popup instead of at the top of the topmost band, and so leaves it
// an ordinary window. Where that happens, the popups are let go of for the
// move and taken back at once; they are topmost themselves and stay above.
void PlaceTopMost(HWND window, bool topMost) {
    ::SetWindowPos(window, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
    if (!topMost || IsTopMost(window)) {
        return;
    }
    std::pair<HWND, std::vector<HWND>> owned{window, {}};
    ::EnumThreadWindows(::GetWindowThreadProcessId(window, nullptr), CollectOwnedBy,
                        reinterpret_cast<LPARAM>(&owned));
    for (HWND popup : owned.second) {
        ::SetWindowLongPtrW(popup, GWLP_HWNDPARENT, 0);
    }
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
    for (HWND popup : owned.second) {
        ::SetWindowLongPtrW(popup, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
    }
}
