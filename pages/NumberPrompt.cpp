#include "NumberPrompt.h"

#include "WinApp.h"

const wchar_t kNumberPromptText[] = L"数値を入力してください。";

namespace {

NumberPromptFunction g_prompt = ShowNumberPromptMessageBox;

}  // namespace

void ShowNumberPrompt(HWND owner) { g_prompt(owner); }

NumberPromptFunction SetNumberPrompt(NumberPromptFunction prompt) noexcept {
    NumberPromptFunction previous = g_prompt;
    g_prompt = prompt != nullptr ? prompt : ShowNumberPromptMessageBox;
    return previous;
}

void ShowNumberPromptMessageBox(HWND owner) {
    CWinApp* app = AfxGetApp();
    ::MessageBoxW(owner, kNumberPromptText, app != nullptr ? app->m_pszAppName : nullptr,
                  MB_OK | MB_ICONEXCLAMATION);
}
