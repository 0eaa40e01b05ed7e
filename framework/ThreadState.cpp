#include "ThreadState.h"

#include "DeviceContext.h"
#include "GdiObjects.h"
#include "Menu.h"
#include "Window.h"

namespace unitora::framework {

ThreadState::ThreadState() = default;

ThreadState::~ThreadState() { DeleteTemporaries(); }

ThreadState& GetThreadState() {
    thread_local ThreadState state;
    return state;
}

// The wrappers never own their handles.
void ThreadState::DeleteTemporaries() {
    for (auto& [handle, window] : temporaryWindows) {
        window->m_hWnd = nullptr;
    }
    for (auto& [handle, dc] : temporaryDCs) {
        dc->Detach();
    }
    for (auto& [handle, object] : temporaryGdiObjects) {
        object->Detach();
    }
    temporaryWindows.clear();
    temporaryDCs.clear();
    temporaryGdiObjects.clear();
    temporaryMenus.clear();
}

void DeleteTemporariesWhenIdle() {
    ThreadState& state = GetThreadState();
    if (state.messageDepth == 0) {
        state.DeleteTemporaries();
    }
}

MessageScope::MessageScope(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
    : m_state(GetThreadState()), m_previous(m_state.currentMessage) {
    m_state.currentMessage = CurrentMessage{window, message, wParam, lParam};
    ++m_state.messageDepth;
}

MessageScope::~MessageScope() {
    --m_state.messageDepth;
    m_state.currentMessage = m_previous;
}

}  // namespace unitora::framework
