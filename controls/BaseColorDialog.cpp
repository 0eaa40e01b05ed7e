#include "BaseColorDialog.h"

#include "DeviceContext.h"

BEGIN_MESSAGE_MAP(CBaseColorDialog, CBaseDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CBaseColorDialog::CBaseColorDialog(UINT templateId, CWnd* pParent, COLORREF background, COLORREF text,
                                   BaseDialogOptions options)
    : CBaseDialog(templateId, pParent, options), m_crText(text), m_brBackground(background) {}

// Edit boxes, buttons, list boxes and scroll bars keep the system's colours.
HBRUSH CBaseColorDialog::OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) {
    const HBRUSH systemBrush = CBaseDialog::OnCtlColor(dc, window, ctlColor);
    switch (ctlColor) {
    case CTLCOLOR_DLG:
        return m_brBackground;
    case CTLCOLOR_STATIC:
        dc->SetTextColor(m_crText);
        dc->SetBkMode(TRANSPARENT);
        return m_brBackground;
    default:
        return systemBrush;
    }
}
