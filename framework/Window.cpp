// Tying window objects to window handles: the handle map, subclassing,
// creation through the framework and the end of a window's life.
#include "Window.h"

#include "ExceptionBarrier.h"
#include "ThreadState.h"

using framework::CallGuarded;
using framework::GetThreadState;
using framework::MessageScope;
using framework::ThreadState;
using framework::WindowRecord;

namespace {

// Subclasses the first window created while CreateEx runs, so that the
// object sees that window's messages from WM_NCCREATE on.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    ThreadState& state = GetThreadState();
    if (code == HCBT_CREATEWND && state.windowBeingCreated != nullptr) {
        CWnd* window = state.windowBeingCreated;
        state.windowBeingCreated = nullptr;
        const auto created = reinterpret_cast<HWND>(wParam);
        try {
            window->SubclassWindow(created);
        } catch (...) {
            framework::ReportEscapedException(created);
            return 1;  // refuses the creation
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class CreationHookScope {
public:
    explicit CreationHookScope(CWnd* window)
        : m_hook(::SetWindowsHookExW(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId())) {
        GetThreadState().windowBeingCreated = window;
    }
    ~CreationHookScope() {
        GetThreadState().windowBeingCreated = nullptr;
        if (m_hook != nullptr) {
            ::UnhookWindowsHookEx(m_hook);
        }
    }
    // Without the hook the window would be made but never reach its object.
    bool Installed() const noexcept { return m_hook != nullptr; }
    CreationHookScope(const CreationHookScope&) = delete;
    CreationHookScope& operator=(const CreationHookScope&) = delete;

private:
    HHOOK m_hook;
};

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_bCreatedHere) {
        DestroyWindow();
    } else if (m_pfnSuper != nullptr) {
        UnsubclassWindow();
    } else {
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    const auto& windows = GetThreadState().windows;
    const auto found = windows.find(window);
    return found != windows.end() ? found->second.object : nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    if (CWnd* permanent = FromHandlePermanent(window)) {
        return permanent;
    }
    return GetThreadState().temporaries.Wrap<&CWnd::m_hWnd>(window);
}

BOOL CWnd::Attach(HWND window) {
    if (window == nullptr || m_hWnd != nullptr || FromHandlePermanent(window) != nullptr) {
        return FALSE;
    }
    GetThreadState().windows[window].object = this;
    m_hWnd = window;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window == nullptr) {
        return nullptr;
    }
    auto& windows = GetThreadState().windows;
    const auto found = windows.find(window);
    if (found != windows.end() && found->second.object == this) {
        if (found->second.originalProcedure != nullptr) {
            found->second.object = nullptr;  // our procedure stays: keep forwarding
        } else {
            windows.erase(found);
        }
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return window;
}

// A window that still has our procedure somewhere in its chain (an earlier
// object let go of it after somebody subclassed it on top) is not hooked a
// second time: its messages already come through.
void CWnd::Hook(HWND window) {
    WindowRecord& record = GetThreadState().windows[window];
    if (record.originalProcedure == nullptr) {
        record.originalProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWindowProcedure)));
    }
    m_pfnSuper = record.originalProcedure;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!Attach(window)) {
        return FALSE;
    }
    PreSubclassWindow();
    Hook(window);
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window == nullptr) {
        return nullptr;
    }
    auto& windows = GetThreadState().windows;
    const auto found = windows.find(window);
    const bool ourProcedureOnTop =
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == FrameworkWindowProcedure;
    if (found != windows.end() && found->second.originalProcedure != nullptr && ourProcedureOnTop) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.originalProcedure));
        found->second.originalProcedure = nullptr;
    }
    Detach();
    return window;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&) { return TRUE; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent != nullptr ? parent->m_hWnd : nullptr;
    cs.hMenu = (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    cs.hInstance = ::GetModuleHandleW(nullptr);
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    HWND window = nullptr;
    {
        CreationHookScope hook(this);
        if (!hook.Installed()) {
            return FALSE;
        }
        window = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                   cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    if (window == nullptr) {
        if (m_hWnd != nullptr) {
            Detach();  // creation was refused after the hook had attached us
        }
        return FALSE;
    }
    m_bCreatedHere = true;
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    HWND window = m_hWnd;
    if (window == nullptr) {
        return FALSE;
    }
    const BOOL destroyed = ::DestroyWindow(window);
    // A window we did not hook sends us no WM_NCDESTROY.
    if (destroyed && m_hWnd == window) {
        Detach();
    }
    return destroyed;
}

void CWnd::OnNcDestroy() {
    RemoveSharedTools();
    if (m_pToolTip && m_pToolTip->m_hWnd != nullptr) {
        m_pToolTip->DestroyWindow();
    }
    m_pToolTip.reset();
    GetThreadState().windows.erase(m_hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_bCreatedHere = false;
}

LRESULT CALLBACK FrameworkWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ThreadState& state = GetThreadState();
    const auto found = state.windows.find(window);
    if (found == state.windows.end()) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const WindowRecord record = found->second;
    if (record.object == nullptr) {
        const LRESULT result = ::CallWindowProcW(record.originalProcedure, window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            state.windows.erase(window);
        }
        return result;
    }
    MessageScope scope(window, message, wParam, lParam);
    const LRESULT result =
        CallGuarded(window, message, [&] { return record.object->WindowProc(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        // The object lets go of the window even when its handler failed.
        CallGuarded(window, message, [&] {
            record.object->OnNcDestroy();
            return LRESULT{0};
        });
    }
    return result;
}
