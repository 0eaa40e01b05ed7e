// Edit boxes that let only the characters of a number through from the
// keyboard. Only typed characters (WM_CHAR) are filtered; text set by the
// program reaches the box unchanged. Whether a text is a number is decided
// elsewhere; a box never beeps, and reformats nothing but a pasted number.
//
// The characters a Japanese keyboard types for the keys of a number with the
// input method on (full-width digits, minus and point, the prolonged sound
// mark on the minus key) go in as their ASCII counterparts, and the input
// method is switched off in the box so that digits need no composition. The
// edit control's own commands (Ctrl+A, C, X, V and Z, which arrive as
// control characters) reach it as in any other text box.
//
// Pasted text that holds a number as people write it ("１２３", "1,234.5",
// "−5", a spreadsheet cell ending in a line break) goes in as the plain text
// the number reader gives (NumberReader.h); any other pasted text goes in as
// it is, for the page to decide on.
#pragma once

#include "StandardControls.h"

// Backspace, tab and the digits; every other character is dropped silently.
class CNumberEditBox : public CEdit {
protected:
    void PreSubclassWindow() override;
    void OnChar(UINT ch, UINT repeatCount, UINT flags);
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    LRESULT OnPaste(WPARAM, LPARAM);

    // Hands the typed character to the edit control as `key`, which is the
    // character itself or its ASCII counterpart.
    void PassKey(wchar_t key, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()
};

// Also the minus sign and the decimal point, anywhere and any number of
// times ("1-2" and "1.2.3" can be typed).
class CNumberDoubleEditBox : public CNumberEditBox {
protected:
    void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()
};
