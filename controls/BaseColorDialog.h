// CBaseColorDialog: a CBaseDialog with a solid background colour, on which
// static texts are drawn transparently in a text colour of their own.
#pragma once

#include "BaseDialog.h"
#include "GdiObjects.h"

class CBaseColorDialog : public CBaseDialog {
public:
    CBaseColorDialog(UINT templateId, CWnd* pParent, COLORREF background, COLORREF text,
                     BaseDialogOptions options);

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);

    DECLARE_MESSAGE_MAP()

    COLORREF m_crText;
    CBrush m_brBackground;
};
