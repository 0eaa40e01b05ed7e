// The prompt shown when a box's text cannot be read back as a number: a
// modal message box with an OK button, owned by the dialog. It is the one
// place where data exchange waits for the user, so tests replace it.
#pragma once

#include <windows.h>

using NumberPromptFunction = void (*)(HWND owner);

// Shows the prompt through the current function.
void ShowNumberPrompt(HWND owner);

// Replaces the prompt (null restores the message box); returns the previous one.
NumberPromptFunction SetNumberPrompt(NumberPromptFunction prompt) noexcept;

// The message box itself.
void ShowNumberPromptMessageBox(HWND owner);

// Its words, for tests that look for the real message box.
extern const wchar_t kNumberPromptText[];
