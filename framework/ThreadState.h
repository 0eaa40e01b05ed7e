// Per-thread state of the framework (internal): which objects stand for which
// window handles, the temporary wrappers handed out by FromHandle, the
// message being processed (for Default), the window whose control
// notifications are locked out, and the window being created.
#pragma once

#include "TemporaryWrappers.h"

#include <windows.h>

#include <unordered_map>

class CWnd;

namespace framework {

// A window the framework knows. A window stays known after its object has
// let go of it while the framework's procedure is still installed (somebody
// subclassed it after us), so that its messages still reach the original
// procedure.
struct WindowRecord {
    CWnd* object = nullptr;
    WNDPROC originalProcedure = nullptr;
};

struct CurrentMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct ThreadState {
    std::unordered_map<HWND, WindowRecord> windows;
    TemporaryWrappers temporaries;

    CurrentMessage currentMessage;
    int messageDepth = 0;  // framework window and dialog procedures running
    HWND lockoutWindow = nullptr;
    CWnd* windowBeingCreated = nullptr;
};

ThreadState& GetThreadState();

// Frees the temporary wrappers once no message of a framework window is
// being processed; the message loops call it after each message.
void DeleteTemporariesWhenIdle();

// Marks a message as being processed by a framework window for its lifetime:
// makes it the current message and keeps temporaries alive.
class MessageScope {
public:
    MessageScope(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    ~MessageScope();
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

private:
    ThreadState& m_state;
    CurrentMessage m_previous;
};

}  // namespace framework
