// Helpers shared by the framework's tests.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

// Processes every message waiting in this thread's queue.
void PumpPendingMessages();

std::wstring TextOf(HWND window);

// The current selection of an edit control as {start, end}.
std::pair<DWORD, DWORD> SelectionOf(HWND edit);
