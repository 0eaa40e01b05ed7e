// The barrier that keeps a C++ exception from unwinding through the
// system's frames. The window and dialog procedures run the program's code
// through CallGuarded; the creation hook and the modal loops' calls into the
// program (message filter, pre-translation) catch and report the same way.
// An exception that gets there is reported to the user once, in a message
// box, and the message gets the result that leaves its window in a sane
// state; the program runs on.
//
// CWinThread::Run, the message loop of an application whose InitInstance
// returns TRUE, has no barrier of its own: what escapes its pre-translation
// ends the program, reported by the entry point.
//
// The data exchange's own abort never gets here: UpdateData catches it.
#pragma once

#include <windows.h>

#include <exception>

namespace framework {

// The result a message gets when its handler failed: creation is refused
// (WM_NCCREATE, WM_CREATE), a paint is marked done so that it is not asked
// for again at once, everything else gets 0.
LRESULT ResultAfterFailure(HWND window, UINT message) noexcept;

// Reports a failure to the user, over the window owner belongs to; what is a
// short description, or null. While a report is on screen, further failures
// are not shown on top of it.
void ReportFailure(HWND owner, const char* what) noexcept;

// Reports the exception being handled (call it from a catch block).
void ReportEscapedException(HWND owner) noexcept;

// Runs call(); when it throws, reports the exception and returns
// ResultAfterFailure(window, message).
template <class Call>
LRESULT CallGuarded(HWND window, UINT message, Call&& call) noexcept {
    try {
        return call();
    } catch (...) {
        ReportEscapedException(window);
        return ResultAfterFailure(window, message);
    }
}

}  // namespace framework

// How a failure is shown: a message box by default; tests replace it to see
// the report without a box to close. what is the exception's own text, or
// null when it has none.
using ExceptionReportFunction = void (*)(HWND owner, const char* what);

ExceptionReportFunction SetExceptionReport(ExceptionReportFunction report) noexcept;

// The message box itself: the program's string IDS_INTERNAL_FAILURE, then
// the exception's own text.
void ShowExceptionReportMessageBox(HWND owner, const char* what);

// The message box's caption (the application's name); null: the system's
// default caption.
void SetExceptionReportCaption(LPCWSTR caption);
