#include "MessagePump.h"

#include "ExceptionBarrier.h"
#include "ThreadState.h"
#include "WinApp.h"

namespace framework {

// A filter or pre-translation that fails counts as having consumed the
// message, so that it is not processed a second time.
void PumpModalMessage(MSG& msg, int filterCode) {
    CWinApp* app = AfxGetApp();
    bool consumed = true;
    try {
        consumed = (app != nullptr && app->ProcessMessageFilter(filterCode, &msg)) || CWnd::WalkPreTranslateTree(&msg);
    } catch (...) {
        ReportEscapedException(msg.hwnd);
    }
    if (!consumed) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    DeleteTemporariesWhenIdle();
}

}  // namespace framework
