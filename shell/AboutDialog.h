// CAboutDialog: the about box. An elliptical window on a solid background
// with the program's icon, the version line ("unitora Version 1.71": the
// executable's own file name and its version), a notice line, a link that
// opens the home page, and an OK button.
//
// OK (the button or Enter) plays the closing animation and then ends the
// box with IDOK; Alt+F4 and the system menu's Close end it at once with
// IDCANCEL; Escape does nothing. As its caption is cut away by the
// ellipse, the box is moved by dragging its background.
#pragma once

#include "BaseColorDialog.h"
#include "IconButton.h"
#include "LinkButton.h"
#include "ResourceIcon.h"

class CAboutDialog : public CBaseColorDialog {
public:
    CAboutDialog(COLORREF background, COLORREF text, CWnd* pParent);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override { PlayCloseEffect(); }

    void PlayCloseEffect();
    void OnLink();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The shape and the program's icon for the box's DPI.
    void FitToDpi(UINT dpi);
    void ShapeAsEllipse(UINT dpi);
    void ShowProgramIcon(UINT dpi);

    CIconButton m_btnOK;
    CLinkButton m_link;
    CResourceIcon m_programIcon;
};
