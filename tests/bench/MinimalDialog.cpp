// The start-up benchmark's baseline (scripts/bench-startup.sh): the least a
// Win32 dialog program does, built and started like unitora.exe. A modal
// dialog from an in-memory template with one label and one button, in the
// main window's font, with the same manifest.
#include <windows.h>

#include <vector>

namespace {

// Appends a UTF-16 string with its terminator.
void AppendText(std::vector<WORD>& words, const wchar_t* text) {
    do {
        words.push_back(static_cast<WORD>(*text));
    } while (*text++ != L'\0');
}

void AlignToDword(std::vector<WORD>& words) {
    if (words.size() % 2 != 0) {
        words.push_back(0);
    }
}

void AppendItem(std::vector<WORD>& words, DWORD style, short x, short y, short cx, short cy, WORD id,
                WORD classAtom, const wchar_t* text) {
    AlignToDword(words);
    DLGITEMTEMPLATE item{WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, id};
    const auto* raw = reinterpret_cast<const WORD*>(&item);
    words.insert(words.end(), raw, raw + sizeof(item) / sizeof(WORD));
    words.push_back(0xFFFF);
    words.push_back(classAtom);
    AppendText(words, text);
    words.push_back(0);  // no creation data
}

std::vector<WORD> BuildTemplate() {
    std::vector<WORD> words;
    DLGTEMPLATE header{DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                       0, 2, 0, 0, 160, 60};
    const auto* raw = reinterpret_cast<const WORD*>(&header);
    words.insert(words.end(), raw, raw + sizeof(header) / sizeof(WORD));
    words.push_back(0);  // no menu
    words.push_back(0);  // default class
    AppendText(words, L"Minimal");
    words.push_back(9);
    AppendText(words, L"ＭＳ Ｐゴシック");
    AppendItem(words, SS_LEFT, 10, 10, 140, 10, 0xFFFF, 0x0082, L"最小のダイアログ");
    AppendItem(words, BS_DEFPUSHBUTTON | WS_TABSTOP, 55, 35, 50, 14, IDOK, 0x0080, L"OK");
    return words;
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    const std::vector<WORD> dialogTemplate = BuildTemplate();
    return static_cast<int>(::DialogBoxIndirectParamW(
        instance, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), nullptr, DialogProcedure, 0));
}
