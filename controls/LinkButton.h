// CLinkButton: a flat owner-drawn push button, a solid background with a
// centred caption whose colour changes while the mouse is over the button.
//
// Attached to a dialog's push button by DDX_Control, it makes the button
// owner-drawn. Clicks reach the dialog as ordinary button notifications.
#pragma once

#include "DeviceContext.h"
#include "StandardControls.h"

// The colours of an owner-drawn button: its fill, and its caption normally,
// while disabled and while the mouse is over it.
struct ButtonColours {
    COLORREF background;
    COLORREF text;
    COLORREF disabled;
    COLORREF hover;
};

class CLinkButton : public CButton {
public:
    explicit CLinkButton(const ButtonColours& colours);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    static constexpr COLORREF kDefaultHover = RGB(255, 0, 255);
    // The system's button colours, read now (button text on button face,
    // grey text when disabled), with the default hover colour.
    static ButtonColours SystemColours();

protected:
    void PreSubclassWindow() override;

    // The caption centred in rect, in the colour the item state calls for,
    // with the context's current font (the button's, in WM_DRAWITEM); cut
    // with an ellipsis where it is wider than rect.
    void DrawCaption(CDC& dc, UINT itemState, const CRect& rect);

    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);

    COLORREF m_crText;
    COLORREF m_crBackground;
    COLORREF m_crDisabled;
    COLORREF m_crHover;
    BOOL m_bHover = FALSE;

    DECLARE_MESSAGE_MAP()
};
