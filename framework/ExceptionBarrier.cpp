#include "ExceptionBarrier.h"

#include <string>

const wchar_t kExceptionReportText[] =
    L"内部エラーのため、この操作を中止しました。\n入力した値はそのまま残っています。操作をやり直してください。";

namespace {

ExceptionReportFunction g_report = ShowExceptionReportMessageBox;
bool g_reporting = false;

// Made on first use: the application object sets it during static
// initialisation.
std::wstring& Caption() {
    static std::wstring caption;
    return caption;
}

// The exception's own text, as the runtime gives it (ASCII in practice).
std::wstring WideWhat(const char* what) {
    std::wstring text;
    for (; *what != '\0'; ++what) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(*what));
    }
    return text;
}

}  // namespace

ExceptionReportFunction SetExceptionReport(ExceptionReportFunction report) noexcept {
    const ExceptionReportFunction previous = g_report;
    g_report = report != nullptr ? report : ShowExceptionReportMessageBox;
    return previous;
}

void ShowExceptionReportMessageBox(HWND owner, const char* what) {
    std::wstring text = kExceptionReportText;
    if (what != nullptr && *what != '\0') {
        text += L"\n\n(";
        text += WideWhat(what);
        text += L")";
    }
    const std::wstring& caption = Caption();
    ::MessageBoxW(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK | MB_ICONERROR);
}

void SetExceptionReportCaption(LPCWSTR caption) { Caption() = caption != nullptr ? caption : L""; }

namespace unitora::framework {

LRESULT ResultAfterFailure(HWND window, UINT message) noexcept {
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        ::ValidateRect(window, nullptr);
        return 0;
    default:
        return 0;
    }
}

// The report's own message box runs a message loop; a handler that fails
// again meanwhile (a timer, a repaint) must not stack a second box on it.
void ReportEscapedException(HWND owner) noexcept {
    if (g_reporting) {
        return;
    }
    g_reporting = true;
    const HWND shownOver = owner != nullptr && ::IsWindow(owner) ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    try {
        try {
            throw;
        } catch (const std::exception& failure) {
            g_report(shownOver, failure.what());
        } catch (...) {
            g_report(shownOver, nullptr);
        }
    } catch (...) {
        // The report itself failed (out of memory, most likely): nothing more to tell.
    }
    g_reporting = false;
}

}  // namespace unitora::framework
