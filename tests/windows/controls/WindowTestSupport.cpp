#include "WindowTestSupport.h"

#include <commctrl.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CHostWindow, CWnd)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
END_MESSAGE_MAP()

BOOL CHostWindow::CreateVisible() {
    return CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 720, 420), nullptr, 0);
}

LRESULT CHostWindow::OnNcLButtonDown(WPARAM hitTest, LPARAM) {
    m_captionDrags.push_back(hitTest);
    return 0;
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

MessageLog::MessageLog(std::initializer_list<UINT> messages, std::initializer_list<UINT> swallowed)
    : m_messages(messages), m_swallowed(swallowed) {
    m_messages.insert(m_messages.end(), swallowed.begin(), swallowed.end());
}

MessageLog::~MessageLog() {
    for (HWND window : m_watched) {
        if (::IsWindow(window)) {
            ::RemoveWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this));
        }
    }
}

void MessageLog::Watch(HWND window) {
    m_watched.push_back(window);
    ::SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

int MessageLog::Count(HWND window, UINT message) const {
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.window == window && entry.message == message;
    }));
}

LRESULT CALLBACK MessageLog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
    auto* log = reinterpret_cast<MessageLog*>(self);
    const auto contains = [message](const std::vector<UINT>& list) {
        return std::find(list.begin(), list.end(), message) != list.end();
    };
    if (contains(log->m_messages)) {
        log->m_entries.push_back({window, message, wParam});
    }
    if (contains(log->m_swallowed)) {
        return 0;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}
