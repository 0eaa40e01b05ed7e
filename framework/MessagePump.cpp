#include "MessagePump.h"

#include "ThreadState.h"
#include "WinApp.h"
#include "Window.h"

namespace unitora::framework {

bool PreTranslateForWindows(MSG& msg) {
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

void PumpModalMessage(MSG& msg, int filterCode) {
    CWinApp* app = AfxGetApp();
    const bool filtered = app != nullptr && app->ProcessMessageFilter(filterCode, &msg);
    if (!filtered && !PreTranslateForWindows(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    DeleteTemporariesWhenIdle();
}

}  // namespace unitora::framework
