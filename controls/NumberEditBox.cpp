#include "NumberEditBox.h"

#include <optional>
#include <string>

#include <imm.h>

#include "NumberReader.h"

namespace {

// The ASCII character a typed number key stands for (full-width digits,
// signs and point as typed with the input method on, ー from the minus key in
// kana input), as the number reader reads it in pasted text.
wchar_t NumberKeyOf(UINT ch) { return unitora::AsciiNumberCharacter(static_cast<wchar_t>(ch)); }

// The text on the clipboard; empty when it holds none.
std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner)) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z as the edit control receives them.
constexpr wchar_t kSelectAll = 0x01;
bool IsEditCommand(wchar_t key) {
    return key == kSelectAll || key == 0x03 || key == 0x16 || key == 0x18 || key == 0x1A;
}

}  // namespace

BEGIN_MESSAGE_MAP(CNumberEditBox, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

// Digits go straight in: no composition window, no conversion to confirm.
// The association is the window's own; it ends with the window.
void CNumberEditBox::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    ::ImmAssociateContextEx(m_hWnd, nullptr, 0);
}

void CNumberEditBox::OnChar(UINT ch, UINT repeatCount, UINT flags) {
    const wchar_t key = NumberKeyOf(ch);
    if (key == kSelectAll) {
        // Not every edit control selects on this character (some select on
        // the key instead), so the box does it itself.
        SendMessage(EM_SETSEL, 0, -1);
    } else if (key == L'\b' || key == L'\t' || (key >= L'0' && key <= L'9') || IsEditCommand(key)) {
        PassKey(key, repeatCount, flags);
    }
}

// Shift+Insert pastes through WM_PASTE, as Ctrl+V and the context menu's
// Paste do; not every edit control sends that message for this key itself.
void CNumberEditBox::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_INSERT && ::GetKeyState(VK_SHIFT) < 0 && ::GetKeyState(VK_CONTROL) >= 0) {
        SendMessage(WM_PASTE);
    } else {
        Default();
    }
}

// Ctrl+V, Shift+Insert and the context menu's Paste all come here. A number
// goes in as its plain text, replacing the selection as a paste would and
// undoable as one; any other text is pasted as it is.
LRESULT CNumberEditBox::OnPaste(WPARAM, LPARAM) {
    const std::optional<std::wstring> number = unitora::ReadWrittenNumber(ClipboardText(m_hWnd));
    if (!number) return Default();
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(number->c_str()));
    return 0;
}

void CNumberEditBox::PassKey(wchar_t key, UINT repeatCount, UINT flags) {
    DefWindowProc(WM_CHAR, key, MAKELPARAM(repeatCount, flags));
}

BEGIN_MESSAGE_MAP(CNumberDoubleEditBox, CNumberEditBox)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CNumberDoubleEditBox::OnChar(UINT ch, UINT repeatCount, UINT flags) {
    const wchar_t key = NumberKeyOf(ch);
    if (key == L'-' || key == L'.') {
        PassKey(key, repeatCount, flags);
    } else {
        CNumberEditBox::OnChar(ch, repeatCount, flags);
    }
}
