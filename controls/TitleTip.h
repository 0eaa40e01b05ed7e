// CExtTitleTip: a small bordered popup in the tooltip colours that shows the
// text of one row of a list, just below the row.
//
// While it is shown it holds the mouse capture, so that it notices the mouse
// leaving the row: it then hides and passes the move on to the window under
// the mouse. A left click is passed on the same way (a click on the tip
// itself goes to the list), so the tip never stands in the way of the list.
// Messages are posted, so their targets see them after the tip has gone.
#pragma once

#include "Window.h"

class CExtTitleTip : public CWnd {
public:
    // Creates the hidden tip window for this list (top-level, no owner).
    BOOL Create(CWnd* listWnd);

    // Shows text in the list's font with its top left corner at (x, y), for
    // the row rect; both in the list's client coordinates. Does nothing when
    // the tip is already shown, when no window of the program has the focus
    // or when the text is empty. The tip never starts left of or above the
    // screen.
    void Show(CRect rect, CString text, int x, int y);
    // Hides the tip and gives up the capture it holds.
    void Hide();

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    // The text is drawn here, so a tip that was covered gets it back.
    void OnPaint();

    DECLARE_MESSAGE_MAP()

    CWnd* m_pListWnd = nullptr;
    CRect m_rectTitle;  // the row, in the list's client coordinates

private:
    CString m_strTitle;
};
