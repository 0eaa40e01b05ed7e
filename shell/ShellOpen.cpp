#include "ShellOpen.h"

#include <shellapi.h>

namespace {

INT_PTR OpenWithShell(const CString& target) {
    return reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL));
}

ShellOpener g_opener = OpenWithShell;

}  // namespace

INT_PTR ShellOpen(const CString& target) { return g_opener(target); }

ShellOpener SetShellOpener(ShellOpener opener) noexcept {
    const ShellOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : OpenWithShell;
    return previous;
}
