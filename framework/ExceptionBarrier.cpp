#include "ExceptionBarrier.h"

#include "FrameworkIds.h"

#include <string>

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

// The words come from the program's string table; without them the report
// shows only the exception's own text.
void ShowExceptionReportMessageBox(HWND owner, const char* what) {
    const wchar_t* words = nullptr;
    const int length =
        ::LoadStringW(::GetModuleHandleW(nullptr), IDS_INTERNAL_FAILURE, reinterpret_cast<LPWSTR>(&words), 0);
    std::wstring text(words != nullptr ? words : L"", static_cast<size_t>(length > 0 ? length : 0));
    if (what != nullptr && *what != '\0') {
        text += text.empty() ? L"(" : L"\n\n(";
        text += WideWhat(what);
        text += L")";
    }
    const std::wstring& caption = Caption();
    ::MessageBoxW(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK | MB_ICONERROR);
}

void SetExceptionReportCaption(LPCWSTR caption) { Caption() = caption != nullptr ? caption : L""; }

namespace framework {

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
void ReportFailure(HWND owner, const char* what) noexcept {
    if (g_reporting) {
        return;
    }
    g_reporting = true;
    const HWND shownOver = owner != nullptr && ::IsWindow(owner) ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    try {
        g_report(shownOver, what);
    } catch (...) {
        // The report itself failed (out of memory, most likely): nothing more to tell.
    }
    g_reporting = false;
}

void ReportEscapedException(HWND owner) noexcept {
    try {
        throw;
    } catch (const std::exception& failure) {
        ReportFailure(owner, failure.what());
    } catch (...) {
        ReportFailure(owner, nullptr);
    }
}

}  // namespace framework
