// Records the messages a window's procedure receives, by subclassing it with
// the system's own subclass mechanism (not the framework's), so that the
// tests can see what reaches a window and in which order.
#pragma once

#include <windows.h>

#include <vector>

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageRecorder {
public:
    // Records messages in [first, last] reaching the window from now on.
    MessageRecorder(HWND window, UINT first = 0, UINT last = 0xFFFFFFFF);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& Messages() const noexcept { return m_messages; }
    std::vector<UINT> MessageIds() const;
    void Clear() noexcept { m_messages.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND m_hWnd;
    UINT m_first;
    UINT m_last;
    std::vector<RecordedMessage> m_messages;
};
