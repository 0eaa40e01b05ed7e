// CLinkButton: a flat owner-drawn push button, a solid background with a
// centred caption whose colour changes while the mouse is over the button.
//
// Attached to a dialog's push button by DDX_Control, it makes the button
// owner-drawn. Clicks reach the dialog as ordinary button notifications.
#pragma once

#include "DeviceContext.h"
#include "StandardControls.h"

class CLinkButton : public CButton {
public:
    // System colours: button text on button face, grey text when disabled.
    CLinkButton();
    CLinkButton(COLORREF background, COLORREF text, COLORREF disabled, COLORREF hover);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    static constexpr COLORREF kDefaultHover = RGB(255, 0, 255);

protected:
    void PreSubclassWindow() override;

    // The caption centred in rect, in the colour the item state calls for,
    // with the context's current font (the button's, in WM_DRAWITEM).
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
