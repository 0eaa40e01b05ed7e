#include "MessagePump.h"

#include "ExceptionBarrier.h"
#include "ThreadState.h"
#include "WinApp.h"
#include "Window.h"

namespace unitora::framework {

bool PreTranslateForWindows(MSG& msg) {
    RelayToolTipMessage(msg);
    for (HWND window = msg.hwnd; window != nullptr; window = ::GetParent(window)) {
        CWnd* object = CWnd::FromHandlePermanent(window);
        if (object != nullptr && object->PreTranslateMessage(&msg)) {
            return true;
        }
        if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return false;
}

// A filter or pre-translation that fails counts as having consumed the
// message, so that it is not processed a second time.
void PumpModalMessage(MSG& msg, int filterCode) {
    CWinApp* app = AfxGetApp();
    bool consumed = true;
    try {
        consumed = (app != nullptr && app->ProcessMessageFilter(filterCode, &msg)) || PreTranslateForWindows(msg);
    } catch (...) {
        ReportEscapedException(msg.hwnd);
    }
    if (!consumed) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    DeleteTemporariesWhenIdle();
}

}  // namespace unitora::framework
