#include "NumberEditBox.h"

BEGIN_MESSAGE_MAP(CNumberEditBox, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CNumberEditBox::OnChar(UINT ch, UINT, UINT) {
    if (ch == L'\b' || ch == L'\t' || (ch >= L'0' && ch <= L'9')) {
        Default();
    }
}

BEGIN_MESSAGE_MAP(CNumberDoubleEditBox, CNumberEditBox)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CNumberDoubleEditBox::OnChar(UINT ch, UINT repeatCount, UINT flags) {
    if (ch == L'-' || ch == L'.') {
        Default();
    } else {
        CNumberEditBox::OnChar(ch, repeatCount, flags);
    }
}
