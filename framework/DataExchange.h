// Dialog data exchange: what DoDataExchange is written with.
//
// DDX_Text for float and double follows the program's number text rules:
// loading reads a box back (whole text one number, see unitora::ReadBackValue;
// a float is rounded to single precision), saving writes the display format
// (6 significant digits for float, 15 for double) and replaces a box's text
// only when it differs, so an unchanged box keeps its caret and selection.
// When a text cannot be read back, the user is prompted to enter a number,
// the box gets the focus with its whole text selected, and the exchange stops
// there: UpdateData returns FALSE and later boxes are not read.
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

void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
