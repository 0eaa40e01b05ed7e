// CBaseDialog: the window behaviour every dialog of the program shares.
//
// - A top-level dialog's system menu is trimmed to Move, Minimize and Close
//   and gets a help item and an about item at its top.
// - The system menu's Close (and the close box, Alt+F4) ends the dialog.
// - Enter and Escape end nothing: OnOK and OnCancel are empty.
// - Dragging the background with the left button moves the window; a page
//   (child) passes the drag on to the window it was given as owner.
// - Every control with an ID shows its current text as a tooltip (on a page
//   from the moment the page is first shown).
// - CreateFromTemplate makes the dialog a modeless window from its template.
#pragma once

#include "Dialog.h"

// System menu commands the dialogs add.
constexpr UINT kSysCommandAbout = 16;  // handled by the main window
constexpr UINT kSysCommandHelp = 99;   // becomes the help command (ID_HELP)

// What a dialog takes on of the shared behaviour, named at the call:
// CBaseDialog(IDD_MAIN, pParent, {.systemMenu = true, .childPage = false}).
struct BaseDialogOptions {
    bool systemMenu = false;  // rework the system menu during initialisation
    bool childPage = false;   // the dialog is a page inside the main window
};

class CBaseDialog : public CDialog {
public:
    CBaseDialog(UINT templateId, CWnd* pParent, BaseDialogOptions options) noexcept;

    // Creates the dialog as a modeless window from its template. A page's
    // parent is the application's main window; any other dialog's parent is
    // the window given at construction.
    virtual BOOL CreateFromTemplate();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnShowWindow(BOOL show, UINT status);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnMouseMove(UINT flags, CPoint point);
    void OnClose();

    DECLARE_MESSAGE_MAP()

    BOOL m_bCloseEnabled = TRUE;
    CWnd* m_pOwnerWnd;
    BOOL m_bSystemMenu;
    BOOL m_bChildPage;

private:
    void ReworkSystemMenu();
};
