// How a window object handles a message: the message map, the command and
// notification routes, messages the parent passes on to its controls, and
// the original procedure for everything else.
#include "Window.h"

#include "FrameworkIds.h"
#include "ThreadState.h"
#include "WinApp.h"

using framework::GetThreadState;

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const auto& current = GetThreadState().currentMessage;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(MSG* msg) {
    RelayToolTipMessage(*msg);
    for (HWND window = msg->hwnd; window != nullptr; window = ::GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object != nullptr && object->PreTranslateMessage(msg)) {
            return TRUE;
        }
        if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        *result = 0;
        return OnCommand(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result);
    case WM_DRAWITEM:
        if (ReflectToChild(message, wParam, lParam, result)) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    if (const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, 0, 0)) {
        MessageCall call{message, wParam, lParam, 0};
        entry->thunk(*this, call);
        *result = call.result;
        return TRUE;
    }
    if (message == WM_HELP) {
        return RouteHelpRequest(result);
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (lParam != 0) {
        if (GetThreadState().lockoutWindow == m_hWnd) {
            return TRUE;  // a control notification while UpdateData runs: dropped
        }
    } else if (code == 1) {
        code = 0;  // an accelerator is a command like a menu item
    }
    return OnCmdMsg(id, code);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    if (GetThreadState().lockoutWindow == m_hWnd) {
        *result = 0;
        return TRUE;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), WM_NOTIFY, header->code,
                                                    static_cast<UINT>(header->idFrom));
    if (entry == nullptr) {
        return FALSE;
    }
    MessageCall call{WM_NOTIFY, 0, lParam, 0};
    entry->thunk(*this, call);
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

// Owner-drawn controls draw themselves: WM_DRAWITEM goes to the control's
// own object when it has one.
BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* drawItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* child = drawItem->CtlType != ODT_MENU ? FromHandlePermanent(drawItem->hwndItem) : nullptr;
    return child != nullptr && child->OnChildNotify(message, wParam, lParam, result);
}

// F1 makes the focused control send WM_HELP, which climbs from child to
// parent. Where it reaches a top-level window that does not handle it, it
// becomes the help command for the main window, whose command route ends at
// the application object.
BOOL CWnd::RouteHelpRequest(LRESULT* result) {
    if ((GetStyle() & WS_CHILD) != 0) {
        return FALSE;
    }
    CWnd* mainWindow = AfxGetMainWnd();
    HWND target = mainWindow != nullptr && mainWindow->m_hWnd != nullptr ? mainWindow->m_hWnd : m_hWnd;
    ::SendMessageW(target, WM_COMMAND, ID_HELP, 0);
    *result = TRUE;
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
