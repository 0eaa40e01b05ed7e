// Edit boxes that let only the characters of a number through from the
// keyboard. Only typed characters (WM_CHAR) are filtered: pasted text, the
// edit control's own clipboard keys and context menu, and text set by the
// program reach the box unchanged. Whether a text is a number is decided
// elsewhere; a box never parses, beeps or reformats.
#pragma once

#include "StandardControls.h"

// Backspace, tab and the digits; everything else is dropped silently, among
// it the Ctrl+C/V/X/Z characters, so those keys do nothing in the box.
class CNumberEditBox : public CEdit {
protected:
    void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()
};

// Also the minus sign and the decimal point, anywhere and any number of
// times ("1-2" and "1.2.3" can be typed).
class CNumberDoubleEditBox : public CNumberEditBox {
protected:
    void OnChar(UINT ch, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()
};
