// Helpers shared by the Wine test programs: processing messages, reading a
// window's text and an edit box's selection, the clipboard's text, typing,
// and asking a tooltip what it would show.
#pragma once

#include "Window.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

// Processes every message waiting in this thread's queue.
void PumpPendingMessages();

// Processes messages until the condition holds or two seconds have passed.
bool PumpUntil(const std::function<bool()>& condition);

std::wstring TextOf(HWND window);

// The selection of an edit box as {start, end}.
std::pair<DWORD, DWORD> SelectionOf(HWND edit);

// Replaces the clipboard's contents with text.
void PutOnClipboard(const wchar_t* text);
// The clipboard's text, empty when it holds none.
std::wstring ClipboardText();

// Sends each character as a keystroke would (WM_CHAR).
void TypeKeys(HWND window, std::wstring_view keys);

// The text a window's tooltip shows for one of its controls, asked the way
// the tooltip asks when it is about to show.
std::wstring ToolTipTextOf(const CWnd& owner, HWND control);
