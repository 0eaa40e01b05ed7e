#include "NumberEditBox.h"

#include <imm.h>

namespace {

// The ASCII character a number key stands for: full-width ０-９, －, ． and
// the minus sign as typed with the input method on, and ー, which the minus
// key gives in kana input. Any other character is returned unchanged.
wchar_t NumberKeyOf(UINT ch) {
    if (ch >= 0xFF10 && ch <= 0xFF19) return static_cast<wchar_t>(L'0' + (ch - 0xFF10));
    switch (ch) {
    case 0xFF0D:  // －
    case 0x2212:  // −
    case 0x30FC:  // ー
        return L'-';
    case 0xFF0E:  // ．
        return L'.';
    default:
        return static_cast<wchar_t>(ch);
    }
}

// Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z as the edit control receives them.
constexpr wchar_t kSelectAll = 0x01;
bool IsEditCommand(wchar_t key) {
    return key == kSelectAll || key == 0x03 || key == 0x16 || key == 0x18 || key == 0x1A;
}

}  // namespace

BEGIN_MESSAGE_MAP(CNumberEditBox, CEdit)
    ON_WM_CHAR()
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
