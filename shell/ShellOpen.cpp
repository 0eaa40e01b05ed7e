#include "ShellOpen.h"

#include <shellapi.h>

namespace {

void OpenWithShell(const CString& target) {
    ::ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

ShellOpener g_opener = OpenWithShell;

}  // namespace

void ShellOpen(const CString& target) { g_opener(target); }

ShellOpener SetShellOpener(ShellOpener opener) noexcept {
    const ShellOpener previous = g_opener;
    g_opener = opener != nullptr ? opener : OpenWithShell;
    return previous;
}
