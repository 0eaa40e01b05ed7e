#include "ThreadState.h"

namespace framework {

ThreadState& GetThreadState() {
    thread_local ThreadState state;
    return state;
}

void DeleteTemporariesWhenIdle() {
    ThreadState& state = GetThreadState();
    if (state.messageDepth == 0) {
        state.temporaries.Clear();
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

}  // namespace framework
