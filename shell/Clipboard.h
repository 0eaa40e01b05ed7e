// Putting text on the clipboard as Unicode text.
#pragma once

#include <windows.h>

#include <string>

// Replaces the clipboard's contents with text, owned by owner. When another
// program holds the clipboard open, it tries again for a moment and then
// gives up: false, and the clipboard is left as it was.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);
