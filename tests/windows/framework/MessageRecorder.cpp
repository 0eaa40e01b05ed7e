#include "MessageRecorder.h"

#include <commctrl.h>

MessageRecorder::MessageRecorder(HWND window, UINT first, UINT last) : m_hWnd(window), m_first(first), m_last(last) {
    ::SetWindowSubclass(window, Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

MessageRecorder::~MessageRecorder() {
    if (::IsWindow(m_hWnd)) {
        ::RemoveWindowSubclass(m_hWnd, Procedure, 1);
    }
}

std::vector<UINT> MessageRecorder::MessageIds() const {
    std::vector<UINT> ids;
    for (const RecordedMessage& recorded : m_messages) {
        ids.push_back(recorded.message);
    }
    return ids;
}

LRESULT CALLBACK MessageRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    auto* recorder = reinterpret_cast<MessageRecorder*>(self);
    if (message >= recorder->m_first && message <= recorder->m_last) {
        recorder->m_messages.push_back({message, wParam, lParam});
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, Procedure, 1);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}
