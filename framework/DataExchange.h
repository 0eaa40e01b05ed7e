// Dialog data exchange: what DoDataExchange is written with.
//
// UpdateData runs the window's DoDataExchange in one direction, with the
// window's control notifications held back meanwhile. An exchange routine
// that cannot take a control's text prepares that control, tells the user
// why, and calls Fail: the control gets the focus (an edit control with its
// whole text selected) and the exchange stops there, so UpdateData returns
// FALSE and later controls are not exchanged. How a value is written and
// read is the business of the program's own exchange routines.
#pragma once

#include "Window.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) noexcept
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members (load); FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control the next failure refers to; an edit control's text gets
    // selected on failure.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);

    // Focuses the last prepared control (selecting an edit control's whole
    // text) and aborts the exchange.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
};

// Subclasses the dialog's control with this ID to the object, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
